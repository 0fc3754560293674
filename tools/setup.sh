#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages the build and the tests need, if missing.
set -e
# On Debian 12 the X11 platform comes with libqt6gui6 and the Wayland one
# with qt6-wayland; qt6-qpa-plugins brings the offscreen platform the tests
# run on. poppler-utils' pdftoppm lets the printing test look at the printed
# page; qt6-svg-dev lets a test draw the scalable icon; desktop-file-utils
# and appstream validate the installed menu entry and metainfo.
PACKAGES="cmake make g++ qt6-base-dev qt6-multimedia-dev libgl-dev qt6-qpa-plugins qt6-wayland
  qt6-svg-dev libsimpleini-dev poppler-utils desktop-file-utils appstream"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
