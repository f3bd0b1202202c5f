#!/usr/bin/env bash
# Installs the Debian packages that building and testing Corvel needs.
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-charts-dev qt6-5compat-dev libqt6sql6-sqlite qt6-image-formats-plugins libgl-dev libqt6opengl6-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
