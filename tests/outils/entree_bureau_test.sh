#!/usr/bin/env bash
# The desktop menu entry that the start command writes: valid for the freedesktop tools, and
# pointing at the executable and its icon even from a folder whose name holds blanks.
set -euo pipefail
racine=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
executable="$dossier/mon dossier/build/Lettrova"
XDG_DATA_HOME="$dossier/donnees" bash "$racine/outils/entree_bureau.sh" "$executable" \
  "$racine/docs/lettrova.png" > /dev/null
entree="$dossier/donnees/applications/lettrova.desktop"
echecs=0
attendre() { # line expected exactly
  if grep -qxF -- "$1" "$entree"; then echo "ok: $1"; else echo "ÉCHEC: $1"; echecs=1; fi
}
attendre "Exec=\"$executable\""
attendre "Path=$dossier/mon dossier/build"
attendre "Icon=$racine/docs/lettrova.png"
attendre "Name=Lettrova"
[ -f "$racine/docs/lettrova.png" ] || { echo "ÉCHEC: no icon file"; echecs=1; }
desktop-file-validate "$entree" || { echo "ÉCHEC: desktop-file-validate"; echecs=1; }
[ $echecs -eq 0 ] && echo "entree_bureau.sh: every check passed" || exit 1
