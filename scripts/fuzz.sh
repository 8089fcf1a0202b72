#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a bounded time from its seed
# corpus in fuzz/corpus/<target>. New inputs go to a scratch folder, so the checked-in seeds stay
# as they are. A crash stops the run and leaves the input as crash-* in build-fuzz/.
#   scripts/fuzz.sh SECONDS_PER_TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in $(find "$build/fuzz" -maxdepth 1 -type f -name "fuzz_*" -perm -u+x | sort); do
  name=$(basename "$target")
  seeds="fuzz/corpus/${name#fuzz_}"
  scratch=$(mktemp -d)
  echo "== $name, $seconds s"
  log=$(mktemp)
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
      -artifact_prefix="$build/$name-" "$scratch" "$seeds" >"$log" 2>&1; then
    grep -v '^INFO\|^#' "$log" | head -40
    echo "$name found a failing input: $(ls "$build/$name"-* 2>/dev/null)"
    rm -rf "$scratch" "$log"
    exit 1
  fi
  grep -E '^#[0-9]+ +DONE' "$log" || true
  rm -rf "$scratch" "$log"
done
