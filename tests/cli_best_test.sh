#!/usr/bin/env bash
# Runs 'chinesecheckers-cli best' as a user does: positions on standard input,
# one answer a line on standard output, errors on standard error.
# Usage: cli_best_test.sh PATH-TO-chinesecheckers-cli
set -u

cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Boards ---------------------------------------------------------------------

# The star's first and last column in rows 0 to 16.
starcolumns=(4:4 4:5 4:6 4:7 0:12 1:12 2:12 3:12 4:12 4:13 4:14 4:15 4:16 9:12 10:12 11:12 12:12)

# emptystar: the 289 letters with every hole of the star empty.
emptystar() {
    local row column first last out=""
    for row in {0..16}; do
        first=${starcolumns[row]%:*} last=${starcolumns[row]#*:}
        for column in {0..16}; do
            if ((column >= first && column <= last)); then out+=c; else out+=0; fi
        done
    done
    printf '%s' "$out"
}

# put BOARD LETTER INDEX...: BOARD with LETTER on each INDEX.
put() {
    local board=$1 letter=$2 index
    shift 2
    for index in "$@"; do
        board=${board:0:index}$letter${board:index+1}
    done
    printf '%s' "$board"
}

topcamp=(4 21 22 38 39 40 55 56 57 58)
bottomcamp=(230 231 232 233 248 249 250 266 267 284)
initial=$(put "$(put "$(emptystar)" r "${topcamp[@]}")" o "${bottomcamp[@]}")
# o has filled its goal camp: with Optimize Movegen it has no move left.
finished=$(put "$(put "$(emptystar)" o "${topcamp[@]}")" r 140 141 142 143 144 145 146 147 148 157)

[ ${#initial} -eq 289 ] || fail "test setup: initial board has ${#initial} letters"

# run NAME ARGS...: runs best with ARGS on the file $work/in; leaves the
# output in $work/out, errors in $work/err and the exit status in $status.
run() {
    local name=$1
    shift
    "$cli" best "$@" <"$work/in" >"$work/out" 2>"$work/err"
    status=$?
}

# Search figures: initial position unless said otherwise --------------------

# side | options | expected FROM TO NODES
figures=(
    "o|--heuristic 3 --plies 1|248 214 14"
    "o|--heuristic 3 --plies 2|248 214 210"
    "o|--heuristic 3 --plies 3|248 214 810"
    "o|--heuristic 3 --plies 3 --no-bestmovefirst|248 214 810"
    "o|--heuristic 3 --plies 3 --no-sortmoves|248 214 810"
    "o|--heuristic 3 --plies 3 --no-sortmoves --no-bestmovefirst|248 212 1528"
    "o|--heuristic 3 --plies 3 --no-optmovegen --no-sortmoves --no-bestmovefirst|248 212 1631"
    "o|--heuristic 3 --plies 0|248 214 14"
    "o|--heuristic 3 --plies -5|248 214 14"
    "o|--heuristic 1 --plies 1|248 212 14"
    "o|--heuristic 2 --plies 1|248 214 14"
    "o|--heuristic 4 --plies 1|248 214 14"
    "r|--heuristic 3 --plies 2|38 74 210"
)
for row in "${figures[@]}"; do
    IFS='|' read -r side options expected <<<"$row"
    echo "$side $initial" >"$work/in"
    # shellcheck disable=SC2086
    run figures $options
    if [ "$status" -ne 0 ] || [ -s "$work/err" ]; then
        fail "best $options: exit $status, stderr: $(cat "$work/err")"
    elif ! grep -Eq "^$expected [0-9]+\$" "$work/out" || [ "$(wc -l <"$work/out")" -ne 1 ]; then
        fail "best $options for $side: got '$(cat "$work/out")', expected '$expected MICROS'"
    fi
done

echo "o $finished" >"$work/in"
run nomove --heuristic 3 --plies 3
grep -Eq '^-1 -1 0 [0-9]+$' "$work/out" && [ "$status" -eq 0 ] ||
    fail "side without a move: got '$(cat "$work/out")', exit $status"

# Bad input lines ------------------------------------------------------------

# name | line | what stderr must say about it
badlines=(
    "short board|o ${initial:1}|the board has 288 letters; expected 289"
    "long board|o ${initial}c|the board has 290 letters; expected 289"
    "no space|o${initial}|expected the side (o or r), one space and 289 cell letters"
    "empty line||empty line"
    "unknown side|x $initial|unknown side 'x'; expected o or r"
    "upper-case side|O $initial|unknown side 'O'"
    "mark|o $(put "$initial" m 144)|unknown letter 'm' at index 144"
    "digit|o $(put "$initial" 1 3)|unknown letter '1' at index 3"
    "star hole holding 0|o $(put "$initial" 0 144)|the star hole at index 144 holds '0'"
    "outside holding c|o $(put "$initial" c 0)|index 0 lies outside the star but holds 'c'"
    "outside holding r|r $(put "$initial" r 288)|index 288 lies outside the star but holds 'r'"
    "nine o|o $(put "$initial" c 230)|side o has 9 pieces; expected 10"
    "eleven r|r $(put "$initial" r 144)|side r has 11 pieces; expected 10"
)
for row in "${badlines[@]}"; do
    IFS='|' read -r name line message <<<"$row"
    # A good line before and after the bad one: both are still answered.
    printf 'o %s\n%s\nr %s\n' "$initial" "$line" "$initial" >"$work/in"
    run "$name" --heuristic 3 --plies 1
    [ "$status" -eq 2 ] || fail "$name: exit $status, expected 2"
    grep -qF "line 2: $message" "$work/err" ||
        fail "$name: stderr '$(cat "$work/err")' does not say 'line 2: $message'"
    [ "$(grep -c '' "$work/err")" -eq 1 ] || fail "$name: more than one error: $(cat "$work/err")"
    [ "$(cut -d' ' -f1-3 "$work/out" | tr '\n' ' ')" = "248 214 14 38 74 14 " ] ||
        fail "$name: the good lines were not both answered: '$(cat "$work/out")'"
done

# Several bad lines in one input: each named by its own number.
printf 'x %s\no %s\n\nr %s\no %s\n' "$initial" "$initial" "$initial" "${initial:3}" >"$work/in"
run several --heuristic 3 --plies 1
[ "$status" -eq 2 ] || fail "several bad lines: exit $status"
[ "$(grep -o 'line [0-9]*' "$work/err" | tr '\n' ' ')" = "line 1 line 3 line 5 " ] ||
    fail "several bad lines: errors name the wrong lines: $(cat "$work/err")"
[ "$(cut -d' ' -f1-3 "$work/out" | tr '\n' ' ')" = "248 214 14 38 74 14 " ] ||
    fail "several bad lines: good lines answered as '$(cat "$work/out")'"

# Windows line ends are tolerated.
printf 'o %s\r\n' "$initial" >"$work/in"
run crlf --heuristic 3 --plies 1
grep -Eq '^248 214 14 [0-9]+$' "$work/out" && [ "$status" -eq 0 ] || fail "CRLF line: '$(cat "$work/out")' $(cat "$work/err")"

# Bad options: usage, exit 2, standard input left unread -------------------

badoptions=(
    "--heuristic 0 --plies 3"
    "--heuristic 5 --plies 3"
    "--heuristic x --plies 3"
    "--heuristic 3x --plies 3"
    "--heuristic 99999999999 --plies 3"
    "--heuristic --plies 3"
    "--heuristic 3 --plies"
    "--heuristic 3 --plies 2.5"
    "--heuristic 3 --plies 3 --no-such-option"
    "--heuristic 3 --plies 3 extra"
    "--plies 3"
    "--heuristic 3"
    ""
)
printf 'o %s\n' "$initial" >"$work/in"
for options in "${badoptions[@]}"; do
    # The command shares its standard input with cat: whatever it leaves
    # unread, cat passes on.
    # shellcheck disable=SC2086
    left=$( { "$cli" best $options >"$work/out" 2>"$work/err"; echo $? >"$work/status"; cat; } <"$work/in")
    status=$(cat "$work/status")
    [ "$status" -eq 2 ] || fail "best $options: exit $status, expected 2"
    grep -q '^usage: chinesecheckers-cli best' "$work/err" || fail "best $options: no usage on stderr: $(cat "$work/err")"
    [ -s "$work/out" ] && fail "best $options: wrote to stdout: $(cat "$work/out")"
    [ "$left" = "o $initial" ] || fail "best $options: read standard input"
done

# Help ----------------------------------------------------------------------

"$cli" best --help >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "--help: exit $status"
for word in --heuristic --plies --no-optmovegen --no-sortmoves --no-bestmovefirst "FROM TO NODES MICROS" Example; do
    grep -qe "$word" "$work/out" || fail "--help does not mention '$word'"
done
# The example's position is the initial one and gives the move it promises.
grep -qF "echo 'o $initial'" "$work/out" || fail "--help: the example is not the initial position"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
