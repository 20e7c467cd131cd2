#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Lettrova.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLETTROVA_TESTS=OFF
cmake --build build --target Lettrova
exec ./build/Lettrova
