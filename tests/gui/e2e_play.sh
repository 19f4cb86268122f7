#!/usr/bin/env bash
# End to end: the real program on its own X server, clicked with xdotool as a
# person would, checked on screenshots of the screen.
#   e2e_play.sh GAME HELPPAGE
# Start draws the initial position; Player 1 picks up a piece (its two
# destinations show their dots) and moves it; the computer answers.
set -euo pipefail

game=$(realpath "$1")
helppage=$(realpath "$2")
work=$(mktemp -d)
xvfb=""
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "e2e: $*" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/e2e_play_failed.png" &&
        echo "e2e: last screenshot in ${TMPDIR:-/tmp}/e2e_play_failed.png" >&2
    exit 1
}

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# The game runs in a folder holding its help page, as installed.
cp "$helppage" "$work/index.htm"
(cd "$work" && exec env QT_QPA_PLATFORM=xcb "$game") 2>"$work/game.log" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Chinese Checkers$' | head -n1) ||
    fail "no game window: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y of the client area
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "window at $X,$Y, not at the top-left corner"

# Screen point of a board image pixel: the image starts at (-40, 96).
screen() { echo $((X + $1 - 40)) $((Y + $2 + 96)); }
# Centre of a cell's disc on the screen.
cellpoint() {
    local r=$(($1 / 17)) c=$(($1 % 17))
    screen $((24 * c - 12 * r + 142 + 5)) $((24 * r + 12 + 5))
}
click() {
    xdotool mousemove --sync $1 $2 click 1
}
# Colours of cells' disc centres on a fresh screenshot, as RRGGBB words.
colours() {
    local format=""
    for cell in "$@"; do
        read -r x y < <(cellpoint "$cell")
        format+="%[hex:p{$x,$y}] "
    done
    import -window root "$work/shot.png"
    convert "$work/shot.png" -format "$format" info:
}
# Waits up to 30 s until the cells show the colours given ("cell=RRGGBB ...").
waitcolours() {
    local cells=() want=""
    for pair in "$@"; do
        cells+=("${pair%=*}")
        want+="${pair#*=} "
    done
    for _ in $(seq 150); do
        [ "$(colours "${cells[@]}")" = "$want" ] && return 0
        sleep 0.2
    done
    fail "cells $* show $(colours "${cells[@]}")"
}

green=008000 red=FF0000 silver=C0C0C0 white=FFFFFF

# Before Start the board is blank.
[ "$(colours 4 144 284)" = "$white $white $white " ] || fail "board drawn before Start"

# Start: red top camp, green bottom camp, silver holes.
click $((X + 64 + 24)) $((Y + 8 + 12))
waitcolours 4=$red 58=$red 144=$silver 212=$silver 230=$green 284=$green

# Player 1 picks up the piece on 232: its destinations 214 and 215 get dots.
read -r x y < <(cellpoint 232)
click "$x" "$y"
waitcolours 214=$white 215=$white 213=$silver 232=$green

# ... and moves it to 214.
read -r x y < <(cellpoint 214)
click "$x" "$y"
waitcolours 214=$green 232=$silver 215=$silver

# The computer answers: one red piece leaves the top camp.
topcamp=(4 21 22 38 39 40 55 56 57 58)
answered=""
for _ in $(seq 150); do
    now=$(colours "${topcamp[@]}")
    if [ "$(grep -o "$red" <<<"$now" | wc -l)" -eq 9 ]; then
        answered=yes
        break
    fi
    sleep 0.2
done
[ -n "$answered" ] || fail "the computer did not answer: top camp shows $now"

kill -0 "$pid" 2>/dev/null || fail "the game ended by itself: $(cat "$work/game.log")"
echo "e2e: Start, a human move and the computer's answer all show on screen"
