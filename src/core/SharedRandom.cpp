// The shared generator, seeded from the clock unless a test fixed its seed.
#include "SharedRandom.h"

#include <QRandomGenerator>

#include <chrono>

namespace {

std::optional<quint32> &testSeed()
{
    static std::optional<quint32> seed;
    return seed;
}

quint32 clockSeed()
{
    return quint32(std::chrono::steady_clock::now().time_since_epoch().count()) ^ QRandomGenerator::system()->generate();
}

// Seeded from the clock at first use: a generator that started the same way in every run would
// propose the same names every run, and every save would run into the last run's file.
QRandomGenerator &generator()
{
    static QRandomGenerator g(testSeed().value_or(clockSeed()));
    return g;
}

} // namespace

namespace SharedRandom {

void seedFromClock()
{
    generator().seed(testSeed().value_or(clockSeed()));
}

int below(int bound)
{
    return int(generator().bounded(quint32(bound)));
}

void setTestSeed(std::optional<quint32> seed)
{
    testSeed() = seed;
    seedFromClock();
}

} // namespace SharedRandom
