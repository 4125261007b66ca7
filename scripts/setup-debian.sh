#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Cardwright needs.
# Idempotent: packages already present are left alone and apt is not asked at all.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins
  libqt6svg6 libqt6printsupport6 qt6-qpa-plugins libgl-dev
  libstb-dev
  fonts-liberation2 fonts-symbola fonts-dejavu-core fonts-wqy-zenhei fontconfig
  xvfb xauth poppler-utils
  clang-14 libclang-rt-14-dev
  cups cups-bsd printer-driver-cups-pdf libcups2-dev
  libqpdf-dev
  libqrencode-dev libzint-dev zbar-tools
  desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin
  imagemagick xdotool
  glabels-data
  qt6-l10n-tools qt6-translations-l10n qt6-tools-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
