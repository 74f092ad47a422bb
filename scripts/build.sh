#!/usr/bin/env bash
# Configures and builds Zorvek in build/ (installing what is missing first).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEK_WERROR="${ZORVEK_WERROR:-OFF}" >/dev/null
cmake --build build
