#!/bin/sh
# SPDX-License-Identifier: MIT
# Plays the start of a two-player game under a virtual X display and saves a
# picture of the window: docs/screenshot.png unless another file is given.
# Needs xvfb, openbox, xdotool and imagemagick (Debian packages of the same
# names) and a build (sh tools/build.sh).
#   sh tools/screenshot.sh [output.png]
set -eu
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshot.png}")"
[ -x build/quindle ] || { echo "screenshot: build the game first (sh tools/build.sh)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A copy of its own keeps its settings beside it, away from the build's.
cp build/quindle "$work/quindle"
cat > "$work/Quindle.ini" <<'INI'
[Quindle]
Sounds=0
Main Left=40
Main Top=30
Main Width=600
Main Height=520
Card1 Left=6
Card1 Top=6
Card2 Left=300
Card2 Top=6
INI

cat > "$work/play.sh" <<'PLAY'
set -eu
openbox >/dev/null 2>&1 &
wm=$!
"$WORK/quindle" >/dev/null 2>&1 &
game=$!
win="$(xdotool search --sync --onlyvisible --name '^Tolmar Quindle$' | head -1)"
sleep 1
xdotool windowactivate --sync "$win"
width="$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^WIDTH=//p')"
# Quick Start 2 Player through the Game menu's mnemonics.
xdotool key --window "$win" alt+g
sleep 0.3
xdotool key 2
sleep 0.5
roll() {  # hold the cup a moment, let go, let the dice land
  xdotool mousemove --window "$win" $((width - 25)) 45 mousedown 1
  sleep 0.5
  xdotool mouseup 1
  sleep 0.8
}
die() { xdotool mousemove --window "$win" $((2 + 47 * ($1 - 1) + 22)) 24 click 1; sleep 0.1; }
# A card row: card left, the row's top inside the card, the column's x.
row() { xdotool mousemove --window "$win" $(($1 + 171 + $3)) $((72 + 26 + $2 + 8)) click 1; sleep 0.4; }
# Chance takes any dice, so no question about a zero comes up.
roll; die 1; die 2; roll
row 6 297 15            # player 1: Chance
roll; row 300 297 15    # player 2: Chance
roll; die 2; die 4
sleep 0.5
import -window "$win" "$OUT"
kill "$game" "$wm" 2>/dev/null || true
PLAY
WORK="$work" OUT="$out" XDG_CONFIG_HOME="$work/config" \
  xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/play.sh"
echo "screenshot: $out"
