#!/usr/bin/env bash
# Installs what is missing, builds in Release, puts Lettrova in the desktop's menu for the
# current user and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLETTROVA_TESTS=OFF
cmake --build build --target Lettrova
bash outils/entree_bureau.sh "$PWD/build/Lettrova" "$PWD/docs/lettrova.png"
exec ./build/Lettrova
