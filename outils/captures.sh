#!/usr/bin/env bash
# Refreshes the pictures of the README's guide: the window's page-picture test draws every page
# of the real window (offscreen), and the pages the guide shows are copied into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Release -DLETTROVA_TESTS=ON
cmake --build build-tests --target tests_ui
(cd build-tests/tests && env LANG=fr_FR.UTF-8 TZ=Europe/Paris QT_QPA_PLATFORM=offscreen \
  ../tests_ui --gtest_filter='Disposition.ImagesDesPagesEtLegendesEntieres')
mkdir -p docs/captures
for page in 0-TabSheetPrincipale 1-TabSheetAdresseMail 3-TabSheetParamètres 6-TabSheetErreur; do
  cp "build-tests/tests/pages/$page.png" "docs/captures/$page.png"
done
cp build-tests/tests/pages/icone.png docs/lettrova.png
echo "Images mises à jour dans docs/"
