#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Release -DLETTROVA_TESTS=ON
cmake --build build-tests
cd build-tests
ctest --output-on-failure -j "$(nproc)" --timeout 300
