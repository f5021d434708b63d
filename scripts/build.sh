#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
BUILD_DIR=${BUILD_DIR:-build}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
