#!/usr/bin/env bash
# The include-circle check on a tiny tree: a circle between two window units through a source
# file fails, a circle outside the */ui/ folders or through a tolerated inclusion does not, and
# a tree without a circle passes.
set -euo pipefail
script="$1/outils/verifier_cycles_ui.py"
arbre=$(mktemp -d)
trap 'rm -rf "$arbre"' EXIT
mkdir -p "$arbre/a/ui" "$arbre/b/ui" "$arbre/c"
echo '#include "b/ui/B.h"' > "$arbre/a/ui/A.h"
echo '#include "a/ui/A.h"' > "$arbre/b/ui/B.h"
printf '#include "b/ui/B.h"\n#include "c/C.h"\n' > "$arbre/b/ui/B.cpp"
echo '#include "b/ui/B.h"' > "$arbre/c/C.h"

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

: > "$arbre/b/ui/B.h"
attendre "no circle among window files (B.cpp -> C.h -> B.h is outside them)" 0
echo '#include "a/ui/A.h"' > "$arbre/b/ui/B.cpp"
attendre "circle through a source file (B.cpp includes A.h, A.h includes B.h)" 1
sortie=$(python3 "$script" "$arbre" || true)
if grep -q 'a/ui/A <-> b/ui/B' <<< "$sortie"; then echo "ok: the circle is named"; else
  echo "FAILED: the circle is not named: $sortie"; echecs=$((echecs + 1)); fi
printf '# waiting for a move\nb/ui/B -> a/ui/A\n' > "$arbre/tolerees.txt"
attendre "the tolerated inclusion breaks the circle" 0 "$arbre/tolerees.txt"
: > "$arbre/tolerees.txt"
attendre "an empty tolerance file hides nothing" 1 "$arbre/tolerees.txt"
echo '#include "a/ui/A.h"' > "$arbre/a/ui/A.cpp"
: > "$arbre/b/ui/B.cpp"
printf 'b/ui/B -> a/ui/A\n' > "$arbre/tolerees.txt"
attendre "a tolerated inclusion no longer made fails, so that the list only shrinks" 1 \
  "$arbre/tolerees.txt"
exit $((echecs > 0))
