#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix and checks that exactly the expected
# files arrive, each icon as large as its folder says, and that the menu entry,
# the metainfo and the manual page pass their validators where these are installed.
#   sh install_check.sh <cmake> <build dir>
set -eu
cmake="$1"
build="$2"
prefix="$(mktemp -d)"
manifest="$build/install_manifest.txt"
# cmake --install rewrites the build's manifest, which an uninstall of a real
# installation reads; keep it as it was.
saved=""
if [ -f "$manifest" ]; then saved="$(mktemp)"; cp "$manifest" "$saved"; fi
restore() {
  if [ -n "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$prefix" "$prefix.wanted" "$prefix.actual"
}
trap restore EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail=0
problem() { echo "install: $*" >&2; fail=1; }
sizes="16 22 24 32 48 64 128 256"
{
  printf '%s\n' bin/tolmar-quindle share/applications/tolmar-quindle.desktop \
    share/metainfo/io.github.tolmarquindle.quindle.metainfo.xml share/man/man6/tolmar-quindle.6 \
    share/icons/hicolor/scalable/apps/tolmar-quindle.svg share/doc/tolmar-quindle/LICENSE \
    share/doc/tolmar-quindle/README.md share/doc/tolmar-quindle/OFL.txt
  for size in $sizes; do echo "share/icons/hicolor/${size}x${size}/apps/tolmar-quindle.png"; done
} | sort > "$prefix.wanted"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) > "$prefix.actual"
diff "$prefix.wanted" "$prefix.actual" >&2 || problem "installed files differ from the expected ones (above)"
[ -x "$prefix/bin/tolmar-quindle" ] || problem "the program is not executable"

# The PNG header's width and height, big-endian at bytes 16 and 20.
for size in $sizes; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/tolmar-quindle.png"
  [ -f "$png" ] || continue
  dims="$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')"
  [ "$dims" = "${size}x${size}" ] || problem "$png is $dims, not ${size}x${size}"
done

desktop="$prefix/share/applications/tolmar-quindle.desktop"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$desktop" || problem "desktop-file-validate"
  grep -qx 'Exec=tolmar-quindle' "$desktop" || problem "the menu entry does not start the installed program"
else echo "install: desktop-file-validate not installed, skipped"; fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/io.github.tolmarquindle.quindle.metainfo.xml" >/dev/null \
    || problem "appstreamcli validate"
else echo "install: appstreamcli not installed, skipped"; fi
if command -v man >/dev/null 2>&1; then
  warnings="$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/tolmar-quindle.6" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || problem "man page: $warnings"
fi
[ "$fail" -eq 0 ] && echo "install: all files in place"
exit "$fail"
