#!/usr/bin/env bash
# The window's include check on a tiny tree: a circle between two window units through a source
# file fails, a circle outside the */ui/ folders or through a tolerated inclusion does not; a
# page folder that includes another page folder or the top fails, and so does the kit that
# includes a page; the top may include every page and every page the kit.
set -euo pipefail
script="$1/outils/verifier_cycles_ui.py"
arbre=$(mktemp -d)
trap 'rm -rf "$arbre"' EXIT
mkdir -p "$arbre/a/ui/sous" "$arbre/b/ui" "$arbre/c" "$arbre/commun/ui" "$arbre/app/ui"
echo '#include "commun/ui/K.h"' > "$arbre/a/ui/A.h"
: > "$arbre/a/ui/A2.h"
: > "$arbre/a/ui/sous/S.h"
: > "$arbre/b/ui/B.h"
printf '#include "b/ui/B.h"\n#include "c/C.h"\n#include "commun/ui/K.h"\n' > "$arbre/b/ui/B.cpp"
echo '#include "b/ui/B.h"' > "$arbre/c/C.h"
: > "$arbre/commun/ui/K.h"
printf '#include "a/ui/A.h"\n#include "a/ui/sous/S.h"\n#include "b/ui/B.h"\n' > "$arbre/app/ui/T.cpp"
: > "$arbre/app/ui/T.h"

echecs=0
attendre() { # description, expected exit status, extra arguments
  local description=$1 attendu=$2 sortie statut=0
  shift 2
  sortie=$(python3 "$script" "$arbre" "$@" 2>&1) || statut=$?
  if [ "$statut" -eq "$attendu" ]; then echo "ok: $description"; else
    echo "FAILED: $description (status $statut, expected $attendu): $sortie"
    echecs=$((echecs + 1))
  fi
}
nomme() { # description, text the check must print
  local sortie
  sortie=$(python3 "$script" "$arbre" || true)
  if grep -qF -- "$2" <<< "$sortie"; then echo "ok: $1"; else
    echo "FAILED: $1: $sortie"; echecs=$((echecs + 1)); fi
}

attendre "floors in place, no circle (B.cpp -> C.h -> B.h is outside the window)" 0
echo '#include "a/ui/A2.h"' > "$arbre/a/ui/A.cpp"
echo '#include "a/ui/A.h"' > "$arbre/a/ui/A2.cpp"
attendre "circle through source files inside a page's folder" 1
nomme "the circle is named" 'a/ui/A <-> a/ui/A2'
printf '# waiting for a move\na/ui/A2 -> a/ui/A\n' > "$arbre/tolerees.txt"
attendre "the tolerated inclusion breaks the circle" 0 "$arbre/tolerees.txt"
: > "$arbre/tolerees.txt"
attendre "an empty tolerance file hides nothing" 1 "$arbre/tolerees.txt"
: > "$arbre/a/ui/A2.cpp"
printf 'a/ui/A2 -> a/ui/A\n' > "$arbre/tolerees.txt"
attendre "a tolerated inclusion no longer made fails, so that the list only shrinks" 1 \
  "$arbre/tolerees.txt"

echo '#include "a/ui/A.h"' > "$arbre/b/ui/B.cpp"
attendre "a page folder includes another page folder" 1
nomme "the two folders and the inclusion are named" 'b/ui is a page and includes a page, a/ui: b/ui/B -> a/ui/A'
printf 'b/ui -> a/ui\n' > "$arbre/tolerees.txt"
attendre "a tolerated folder inclusion passes" 0 "$arbre/tolerees.txt"
: > "$arbre/b/ui/B.cpp"
echo '#include "a/ui/sous/S.h"' > "$arbre/a/ui/A.cpp"
attendre "a page's sub-folder is another page" 1
: > "$arbre/a/ui/A.cpp"
echo '#include "app/ui/T.h"' > "$arbre/b/ui/B.cpp"
attendre "a page includes the top" 1
: > "$arbre/b/ui/B.cpp"
echo '#include "b/ui/B.h"' > "$arbre/commun/ui/K.cpp"
attendre "the kit includes a page" 1
nomme "the kit is named" 'commun/ui is the kit and includes a page, b/ui'
exit $((echecs > 0))
