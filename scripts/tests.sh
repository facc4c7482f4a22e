#!/usr/bin/env bash
# Every test: installs what is missing, builds nocturo.scr (mingw) and the native tests,
# runs the unit, scenario and end-to-end tests through CTest, then the unit and scenario
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, then the readers'
# fuzzing harnesses over their corpora (clang). Extra arguments go to every ctest run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer_dependances.sh
jobs="$(nproc)"
cmake --preset windows
cmake --build --preset windows -j "$jobs"
cmake --preset native
cmake --build --preset native -j "$jobs"
ctest --preset native "$@"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs" "$@"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs" "$@"
