#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed time from its seed corpus.
#   fuzz/run.sh [SECONDS_PER_TARGET] [TARGET ...]     (default 20 s, every target)
# New inputs go to build-fuzz/corpus/<target>; a crash leaves build-fuzz/crash-* and
# stops with status 1. Without clang or libFuzzer it says so and does nothing (status 0),
# unless CORVEL_FUZZ_REQUIRED=1 (CI), where that is a failure (status 2).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
skip() {
  if [ "${CORVEL_FUZZ_REQUIRED:-0}" = 1 ]; then
    echo "fuzz: $1, and fuzzing is required" >&2
    exit 2
  fi
  echo "fuzz: $1, fuzz targets skipped"
  exit 0
}
command -v clang++ >/dev/null 2>&1 || skip "clang++ not found"

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t *, size_t) { return 0; }\n' >"$probe/p.cpp"
clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1 ||
  skip "clang++ has no libFuzzer here (package libclang-rt-dev)"
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  # The executables only: the logs of an earlier run lie beside them.
  for exe in build-fuzz/fuzz_*; do
    if [ -f "$exe" ] && [ -x "$exe" ]; then targets+=("$(basename "$exe")"); fi
  done
fi
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  echo "fuzz: $target for ${seconds}s"
  status=0
  (cd build-fuzz && "./$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
      -print_final_stats=1 "corpus/$name" "../fuzz/corpus/$name" >"$target.log" 2>&1) || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "build-fuzz/$target.log"
    echo "fuzz: $target found a fault (log: build-fuzz/$target.log)"
    exit 1
  fi
  grep -E "^stat::(number_of_executed_units|new_units_added)" "build-fuzz/$target.log" || true
done
