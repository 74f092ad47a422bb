#!/usr/bin/env bash
# Builds the Debian package build/package/zorvek_<version>_amd64.deb from the build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh dpkg-dev
bash scripts/build.sh
(cd build && cpack -G DEB -B package >/dev/null)
ls build/package/zorvek_*_amd64.deb
