#!/usr/bin/env bash
# The screen saver on a small sample library, under Wine: on $DISPLAY when there is one,
# otherwise on a private Xvfb, with screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/installer_dependances.sh
cmake --preset windows
cmake --build --preset windows -j "$(nproc)"
exec python3 scripts/demo.py "$@"
