#!/usr/bin/env bash
# Installs what is missing, builds in Release, makes the Debian package and installs it for
# every user of the machine (menu entry, icon, /usr/bin/Lettrova). `apt remove lettrova`
# takes it away; each user's settings and lists stay in their ~/.local/share/Lettrova.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
cmake -S . -B build-paquet -G Ninja -DCMAKE_BUILD_TYPE=Release -DLETTROVA_TESTS=OFF
cmake --build build-paquet --target Lettrova
(cd build-paquet && cpack -G DEB)
root=()
[ "$(id -u)" -ne 0 ] && root=(sudo)
"${root[@]}" apt-get install -y "$PWD"/build-paquet/lettrova_*.deb
