#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and its tests lack.
# Quick when nothing is missing: apt-get runs only for absent packages.
set -euo pipefail

paquets=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wine fonts-liberation
  libssl3 openssl python3 python3-aiosmtpd postfix
  clang libclang-rt-14-dev llvm
)

manquants=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Postfix is only wanted for its smtp-sink tool: no mail system is configured or started.
echo "postfix postfix/main_mailer_type select No configuration" | $sudo debconf-set-selections
$sudo apt-get update -q
$sudo -E apt-get install -y -q --no-install-recommends "${manquants[@]}"
