#!/usr/bin/env bash
# Every test: installs what is missing, builds nocturo.scr (mingw) and the native tests,
# then runs the unit, scenario and end-to-end tests through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer_dependances.sh
cmake --preset windows
cmake --build --preset windows -j "$(nproc)"
cmake --preset native
cmake --build --preset native -j "$(nproc)"
ctest --preset native "$@"
