#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Stelvar needs.
# Idempotent: when everything is already installed it does nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qpdf poppler-utils poppler-data libwmf-bin fonts-urw-base35
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth openbox libx11-dev
  libcairo2-dev libpango1.0-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
