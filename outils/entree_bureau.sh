#!/usr/bin/env bash
# Writes the freedesktop menu entry of Lettrova for the current user, so that the program can
# be started from the desktop's menu. Arguments: the executable, its icon.
set -euo pipefail
executable=$1
icone=$2
dossier="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$dossier"
entree="$dossier/lettrova.desktop"
# Written beside it, then renamed: the menu never reads half an entry.
cat > "$entree.tmp" <<FIN
[Desktop Entry]
Type=Application
Version=1.0
Name=Lettrova
GenericName=Envoi de lettres d'information
Comment=Envoie une page HTML à chaque adresse d'une liste, par votre serveur SMTP
Exec="$executable"
Path=$(dirname "$executable")
Icon=$icone
Terminal=false
Categories=Network;Email;Office;
StartupNotify=true
FIN
mv "$entree.tmp" "$entree"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$entree"
fi
command -v update-desktop-database > /dev/null && update-desktop-database "$dossier" || true
echo "Entrée de menu : $entree"
