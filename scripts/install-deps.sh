#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# when any of them is missing. Safe to run again.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql
  libqt6sql6-odbc qt6-declarative-dev libgl-dev libcurl4-openssl-dev libsqlite3-dev xvfb xauth
  fonts-thai-tlwg poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
