// The program's one pseudo-random generator, behind the numbers of proposed script names.
#pragma once

#include <QtGlobal>
#include <optional>

namespace SharedRandom {

// A new seed from the clock; with a test seed set, that seed instead.
void seedFromClock();

// A number from 0 to bound - 1 (bound above 0).
int below(int bound);

// Tests: a fixed seed, applied at once and by every later seedFromClock(); nullopt goes back
// to the clock.
void setTestSeed(std::optional<quint32> seed);

} // namespace SharedRandom
