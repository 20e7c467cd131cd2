#!/usr/bin/env bash
# The install script as a fresh machine runs it: every package reported missing, as root and
# as a user with sudo, with dpkg-query, apt-get, debconf-set-selections, sudo and id stubbed in
# PATH so that nothing is installed. Each stub appends its command line to a journal.
set -euo pipefail
# CI asks for the whole list on its own run; each case here says what it wants.
unset LETTROVA_INSTALLER_TOUT
script="$1/outils/dependances.sh"
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT

ecrire_stub() { # name, body
  printf '#!/usr/bin/env bash\n%s\n' "$2" > "$stubs/$1"
  chmod +x "$stubs/$1"
}
ecrire_stub dpkg-query 'echo "$(basename "$0") $*" >> "$JOURNAL"; exit 1'
ecrire_stub apt-get 'echo "apt-get $* [DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-}]" >> "$JOURNAL"'
ecrire_stub debconf-set-selections 'echo "debconf-set-selections $(cat)" >> "$JOURNAL"'
ecrire_stub sudo 'if [ "$1" = -E ]; then echo "sudo -E" >> "$JOURNAL"; shift
else echo sudo >> "$JOURNAL"; fi; exec "$@"'
ecrire_stub id 'if [ "$1" = -u ]; then echo "$UID_SIMULE"; else exec /usr/bin/id "$@"; fi'

echecs=0
verifier() { # description, pattern expected in the journal (grep -E), or !pattern for absent
  local motif="$2" absent=0
  [ "${motif:0:1}" = '!' ] && absent=1 && motif="${motif:1}"
  if grep -qE -- "$motif" "$JOURNAL"; then trouve=1; else trouve=0; fi
  if [ $trouve -ne $absent ]; then
    echo "ok: $1"
  else
    echo "ÉCHEC: $1"; echo "--- journal:"; cat "$JOURNAL"; echecs=$((echecs + 1))
  fi
}

for uid in 0 1000; do
  export JOURNAL="$stubs/journal-$uid" UID_SIMULE=$uid
  : > "$JOURNAL"
  if ! PATH="$stubs:$PATH" bash "$script" > "$stubs/sortie" 2>&1; then
    echo "ÉCHEC: uid $uid: the script failed:"; cat "$stubs/sortie"; echecs=$((echecs + 1))
    continue
  fi
  verifier "uid $uid: install line with the whole list" \
    '^apt-get install -y -q --no-install-recommends build-essential .* qt6-base-dev .* python3-aiosmtpd postfix .*\[DEBIAN_FRONTEND=noninteractive\]$'
  verifier "uid $uid: package lists updated" '^apt-get update'
  verifier "uid $uid: postfix left unconfigured" 'postfix/main_mailer_type select No configuration'
  if [ $uid = 0 ]; then
    verifier "uid 0: no sudo" '!^sudo'
  else
    verifier "uid 1000: through sudo" '^sudo -E$'
  fi
done

# Nothing missing: no apt-get at all, unless the whole list is asked for (as CI does).
ecrire_stub dpkg-query 'echo "install ok installed"'
export JOURNAL="$stubs/journal-rien" UID_SIMULE=0
: > "$JOURNAL"
PATH="$stubs:$PATH" bash "$script"
verifier "nothing missing: apt-get not run" '!^apt-get'
LETTROVA_INSTALLER_TOUT=1 PATH="$stubs:$PATH" bash "$script"
verifier "whole list asked for: the install line runs" '^apt-get install .* clang '

[ $echecs -eq 0 ] && echo "dependances.sh: every case passed" || exit 1
