#!/usr/bin/env bash
# Installs the Debian packages that building and testing Corvel needs.
set -euo pipefail
packages=(
  g++ cmake make pkg-config dpkg-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev qt6-5compat-dev libqt6sql6-sqlite qt6-image-formats-plugins libgl-dev libqt6opengl6-dev qt6-translations-l10n
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
)
# Optional: clang with libFuzzer builds the fuzz targets (fuzz/run.sh); the program's own
# build never needs it, so a failure to install it stops nothing.
optional=(clang libclang-rt-dev)
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
optional_missing=()
for p in "${optional[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || optional_missing+=("$p")
done
if [ ${#optional_missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${optional_missing[@]}" || echo "setup: optional packages not installed (${optional_missing[*]}): fuzz targets will be skipped"
fi
