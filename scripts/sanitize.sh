#!/usr/bin/env bash
# Builds Zorvek in build-asan/ under AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test there (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEK_SANITIZE=ON \
  -DZORVEK_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2
