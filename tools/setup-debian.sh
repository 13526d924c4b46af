#!/bin/sh
# Installs what the build, the program and the tests need on Debian 12.
# Only packages that are missing are installed; as root or through sudo.
set -e
packages="cmake ninja-build g++ pkg-config ccache
qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-translations-l10n
libgl-dev fonts-liberation2 fonts-noto-cjk
libgtest-dev libgmock-dev libbenchmark-dev libqrencode-dev
xvfb xauth xclip x11-apps imagemagick"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
