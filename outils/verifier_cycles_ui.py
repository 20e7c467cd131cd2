#!/usr/bin/env python3
"""Fails when the window's files include one another in a circle, or climb their floors.

A header and its source are one unit (TForm1.h and TForm1.cpp are "app/ui/TForm1"): a unit
depends on another when one of its files includes the other's header. Only the window's files
are read (those under a "ui" folder); each circle found is printed once, as the units it goes
through.

The window's folders stand on three floors: the kit (commun/ui) at the bottom includes no other
window folder; each page's folder (lists/ui, sending/ui/erreurs, app/ui/parametres, ...) includes
the kit and itself only, and asks another page through an interface of the kit; the top (app/ui:
the window that assembles the pages) alone includes the pages.

Arguments: the project's root, then optionally a file of tolerated inclusions, one
"unit -> unit" or "folder -> folder" a line ("#" starts a comment): the ones a move not yet done
still needs. A tolerated inclusion that is no longer made fails too, so that the list only
shrinks.
"""
import pathlib
import re
import sys

INCLUSION = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def tolerees(chemin):
    paires = set()
    if chemin is None:
        return paires
    for ligne in pathlib.Path(chemin).read_text(encoding="utf-8").splitlines():
        ligne = ligne.split("#", 1)[0].strip()
        if ligne:
            source, _, cible = ligne.partition("->")
            paires.add((source.strip(), cible.strip()))
    return paires


KIT = "commun/ui"
TOP = "app/ui"


def fenetre(chemin):
    """A file of the window: under a "ui" folder of the program (its tests are not floors)."""
    return "ui" in chemin.parts[:-1] and chemin.parts[0] not in ("tests", "bench", "fuzz")


def graphe(racine, ignorees, faites, marches):
    """The units' inclusions; the inclusions that climb a floor go to `marches`."""
    fichiers = [p for p in racine.rglob("*") if p.suffix in (".h", ".cpp")
                and fenetre(p.relative_to(racine))
                and not any(part.startswith("build") for part in p.relative_to(racine).parts)]
    unites = {str(p.relative_to(racine).with_suffix("")) for p in fichiers}
    aretes = {u: set() for u in unites}
    for p in fichiers:
        source = str(p.relative_to(racine).with_suffix(""))
        for inclus in INCLUSION.findall(p.read_text(encoding="utf-8", errors="replace")):
            cible = str(pathlib.PurePosixPath(inclus).with_suffix(""))
            if cible not in unites or cible == source:
                continue
            faites.add((source, cible))
            if (source, cible) not in ignorees:
                aretes[source].add(cible)
            dossiers = (str(pathlib.PurePosixPath(source).parent),
                        str(pathlib.PurePosixPath(cible).parent))
            if interdite(*dossiers):
                faites.add(dossiers)
                if dossiers not in ignorees:
                    marches.add(dossiers + (source, cible))
    return aretes


def interdite(source, cible):
    """True when the folder `source` may not include the folder `cible`: only the top includes
    the pages, and everyone the kit."""
    return not (source == cible or source == TOP or cible == KIT)


def composantes(aretes):
    """Strongly connected components (Tarjan, iterative: deep graphs must not hit a limit)."""
    index, bas, pile, sur_pile, resultat = {}, {}, [], set(), []
    compteur = 0
    for depart in sorted(aretes):
        if depart in index:
            continue
        travail = [(depart, iter(sorted(aretes[depart])))]
        index[depart] = bas[depart] = compteur
        compteur += 1
        pile.append(depart)
        sur_pile.add(depart)
        while travail:
            noeud, suivants = travail[-1]
            avance = False
            for voisin in suivants:
                if voisin not in index:
                    index[voisin] = bas[voisin] = compteur
                    compteur += 1
                    pile.append(voisin)
                    sur_pile.add(voisin)
                    travail.append((voisin, iter(sorted(aretes[voisin]))))
                    avance = True
                    break
                if voisin in sur_pile:
                    bas[noeud] = min(bas[noeud], index[voisin])
            if avance:
                continue
            travail.pop()
            if travail:
                parent = travail[-1][0]
                bas[parent] = min(bas[parent], bas[noeud])
            if bas[noeud] == index[noeud]:
                groupe = []
                while True:
                    membre = pile.pop()
                    sur_pile.discard(membre)
                    groupe.append(membre)
                    if membre == noeud:
                        break
                if len(groupe) > 1:
                    resultat.append(sorted(groupe))
    return resultat


def main():
    if len(sys.argv) not in (2, 3):
        print("usage: verifier_cycles_ui.py RACINE [TOLEREES]", file=sys.stderr)
        return 2
    racine = pathlib.Path(sys.argv[1]).resolve()
    ignorees = tolerees(sys.argv[2] if len(sys.argv) == 3 else None)
    faites = set()
    marches = set()
    aretes = graphe(racine, ignorees, faites, marches)
    if not aretes:
        print(f"no */ui/ file under {racine}", file=sys.stderr)
        return 2
    cycles = composantes(aretes)
    for groupe in cycles:
        print("include circle among: " + " <-> ".join(groupe))
    for source, cible, unite, inclus in sorted(marches):
        role = "the kit" if source == KIT else "a page"
        quoi = "the top" if cible == TOP else "a page"
        print(f"{source} is {role} and includes {quoi}, {cible}: {unite} -> {inclus}")
    perimees = sorted(ignorees - faites)
    for source, cible in perimees:
        print(f"tolerated inclusion no longer made, remove its line: {source} -> {cible}")
    if cycles or marches or perimees:
        return 1
    print(f"Window files: no include circle among {len(aretes)} units, each floor in its place.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
