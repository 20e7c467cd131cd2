#!/usr/bin/env bash
# The Debian package as a user gets it: built by cpack from the build folder, lintian without
# an error, installed with apt, its files in the freedesktop places, started by an ordinary
# user (offscreen) who gets a data folder of their own, then removed without a trace.
# Arguments: the build folder. Needs root (apt); ends with 77 (skipped) otherwise.
set -euo pipefail
construction=$1
[ "$(id -u)" -eq 0 ] || { echo "needs root for apt"; exit 77; }
if dpkg-query -W -f='${Status}' lettrova 2>/dev/null | grep -q 'install ok installed'; then
  echo "lettrova is already installed here: not touched"; exit 77
fi
travail=$(mktemp -d)
chmod 755 "$travail"
trap 'apt-get remove -y -q lettrova > /dev/null 2>&1 || true; rm -rf "$travail"' EXIT
echecs=0
verifier() { # description, command...
  local description=$1; shift
  if "$@"; then echo "ok: $description"; else echo "ÉCHEC: $description"; echecs=$((echecs + 1)); fi
}

(cd "$construction" && cpack -G DEB -B "$travail/paquets" > "$travail/cpack.log") ||
  { cat "$travail/cpack.log"; exit 1; }
paquet=$(ls "$travail"/paquets/lettrova_*.deb)
echo "paquet : $paquet"
dpkg-deb -f "$paquet" Package Version Depends
verifier "depends on the Qt libraries it links" bash -c \
  "dpkg-deb -f '$paquet' Depends | grep -q 'libqt6widgets6' && dpkg-deb -f '$paquet' Depends | grep -q 'libqt6keychain1'"
verifier "lintian: no error" lintian --fail-on error --no-tag-display-limit "$paquet"

# apt resolves the dependencies; a lock held by another install is waited for.
verifier "apt install" apt-get install -y -q -o DPkg::Lock::Timeout=600 "$paquet"
for fichier in /usr/bin/Lettrova /usr/share/applications/org.lettrova.Lettrova.desktop \
  /usr/share/icons/hicolor/48x48/apps/lettrova.png \
  /usr/share/metainfo/org.lettrova.Lettrova.metainfo.xml; do
  verifier "installed: $fichier" test -f "$fichier"
done
verifier "menu entry valid" desktop-file-validate /usr/share/applications/org.lettrova.Lettrova.desktop
verifier "AppStream metadata valid" appstreamcli validate --no-net --pedantic \
  /usr/share/metainfo/org.lettrova.Lettrova.metainfo.xml

# Started as an ordinary user, as the menu entry does: it runs until told to stop, and keeps
# its settings in the user's data folder.
maison="$travail/maison"
mkdir -p "$maison"
chown nobody: "$maison"
setpriv --reuid=nobody --regid=nogroup --clear-groups env -u XDG_DATA_HOME -u XDG_RUNTIME_DIR \
  HOME="$maison" QT_QPA_PLATFORM=offscreen Lettrova > "$travail/sortie" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  [ -f "$maison/.local/share/Lettrova/Lettrova.ini" ] && break
  sleep 0.1
done
verifier "started: still running" kill -0 $pid
verifier "settings in the user's data folder" grep -q '^VersionAppli=' \
  "$maison/.local/share/Lettrova/Lettrova.ini"
kill $pid 2> /dev/null || true
wait $pid 2> /dev/null || true

verifier "apt remove" apt-get remove -y -q -o DPkg::Lock::Timeout=600 lettrova
verifier "removed: no executable" test ! -e /usr/bin/Lettrova
verifier "removed: no menu entry" test ! -e /usr/share/applications/org.lettrova.Lettrova.desktop
verifier "dpkg forgets it" bash -c "! dpkg-query -W -f='\${Status}' lettrova 2>/dev/null | grep -q 'install ok installed'"
[ $echecs -eq 0 ] && echo "paquet: every check passed" || exit 1
