#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages the build and the tests need, if missing.
set -e
# qt6-qpa-plugins brings the X11 and Wayland platforms the game needs on a
# desktop; the tests run on the offscreen platform of libqt6gui6.
# poppler-utils' pdftoppm lets the printing test look at the printed page.
PACKAGES="cmake make g++ qt6-base-dev qt6-multimedia-dev libgl-dev qt6-qpa-plugins libsimpleini-dev poppler-utils"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
