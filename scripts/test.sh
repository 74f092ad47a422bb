#!/usr/bin/env bash
# Builds Zorvek and runs every test; screen tests need no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
