#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and test,
# skipping what is already there. Needs root (or sudo).
set -euo pipefail

packages=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev
          qt6-l10n-tools qt6-tools-dev-tools
          qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6svg6 qt6-translations-l10n fonts-noto-cjk gzip "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "setup: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
