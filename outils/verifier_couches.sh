#!/usr/bin/env bash
# The logic folders use QtCore only: this fails when a QtWidgets, QtGui or WebEngine header is
# included outside the */ui/ folders, written as <QWidget> or as <QtWidgets/QWidget>.
# Arguments: the project's root, Qt's header directory (the one holding QtCore/, QtGui/, ...).
set -euo pipefail
racine=$1
entetes=$2
interdits=$(mktemp)
trap 'rm -f "$interdits"' EXIT
for module in "$entetes"/QtWidgets "$entetes"/QtGui "$entetes"/QtWebEngine*; do
  [ -d "$module" ] && ls "$module"
done | sort -u > "$interdits"
[ -s "$interdits" ] || { echo "Qt's headers not found in $entetes"; exit 2; }

fautes=0
cd "$racine"
while IFS= read -r fichier; do
  while IFS= read -r entete; do
    nom=${entete##*/}
    if [[ $entete =~ ^Qt(Widgets|Gui|WebEngine[A-Za-z]*)/ ]] || grep -qxF -- "$nom" "$interdits"; then
      echo "$fichier: <$entete> is not for a logic folder (only */ui/ may include it)"
      fautes=$((fautes + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$fichier")
done < <(find commun app mail lists page sending returns -path '*/ui' -prune -o \
  \( -name '*.cpp' -o -name '*.h' \) -type f ! -path app/main.cpp -print | sort)
[ $fautes -eq 0 ] && echo "Logic folders: QtCore only." || exit 1
