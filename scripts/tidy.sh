#!/usr/bin/env bash
# clang-tidy with the repository's .clang-tidy; any finding fails (status 1).
#   scripts/tidy.sh [BUILD_DIR] [all]   a configured build (compile_commands.json), default build;
#                                       the program's sources, or with "all" its tests and
#                                       benchmarks too (what CI checks is the program: the tests
#                                       are built with warnings as errors and run under the
#                                       sanitizers, and checking them too doubles the step)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scope="src"
[ "${2:-}" = all ] && scope="src|tests|bench"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: $build/compile_commands.json is missing: configure the build first" >&2
  exit 1
fi
# The sources Qt generates (moc, resources) are the build's own and are not checked.
# The status is run-clang-tidy's own: the filter below must not hide a finding's failure.
status=0
output=$(run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$(pwd)/($scope)/.*\.cpp$" 2>&1) || status=$?
printf '%s\n' "$output" |
  grep -v -E '^(clang-tidy|[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed [0-9]+ warnings|Use -header-filter)' || true
exit "$status"
