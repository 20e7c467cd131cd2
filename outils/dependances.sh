#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and its tests lack.
# Quick when nothing is missing: apt-get runs only for absent packages, unless
# LETTROVA_INSTALLER_TOUT=1 asks for the whole list (CI does, so that the install line runs
# on every machine exactly as on a fresh one; apt-get is then a quick no-op).
set -euo pipefail

paquets=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wine fonts-liberation
  libssl3 openssl python3 python3-aiosmtpd postfix sasl2-bin libsasl2-modules
  clang libclang-rt-14-dev llvm
  desktop-file-utils libgumbo-dev libidn2-dev libgmime-3.0-dev libcurl4-openssl-dev
  dovecot-imapd spamassassin
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring dbus-daemon dbus-bin
  dpkg-dev lintian appstream libglib2.0-dev libgcr-base-3-1
  dnsmasq-base  # the tests' DNS server: the program alone, no system service to start or stop
)

manquants=()
if [ "${LETTROVA_INSTALLER_TOUT:-0}" = 1 ]; then
  manquants=("${paquets[@]}")
else
  for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      manquants+=("$p")
    fi
  done
fi
[ ${#manquants[@]} -eq 0 ] && exit 0

# As root the commands run as they are; otherwise through sudo, keeping the environment so that
# DEBIAN_FRONTEND reaches apt-get.
export DEBIAN_FRONTEND=noninteractive
root=()
[ "$(id -u)" -ne 0 ] && root=(sudo -E)
# Postfix is only wanted for its smtp-sink tool: no mail system is configured or started.
echo "postfix postfix/main_mailer_type select No configuration" | "${root[@]}" debconf-set-selections
"${root[@]}" apt-get update -q
"${root[@]}" apt-get install -y -q --no-install-recommends "${manquants[@]}"
