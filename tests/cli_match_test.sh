#!/usr/bin/env bash
# chinesecheckers-cli match, run as a user runs it.
# Usage: cli_match_test.sh PATH-TO-chinesecheckers-cli
set -uo pipefail
cli=${1:?usage: $0 PATH-TO-chinesecheckers-cli}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# CSV rows without the millisecond columns, which differ from run to run.
stable() {
    cut -d, -f1-8,10-12 "$1"
}

# --help documents the player form, with examples, and the defaults.
out=$("$cli" match --help) || fail "--help exits with $?"
for text in "H<heuristic>[:<plies>][,noopt][,nosort][,nobest]" "Examples: H1   H4:3" \
    "(default 400)" "Round robin"; do
    grep -qF -- "$text" <<<"$out" || fail "--help lacks '$text'"
done

# The same match gives the same games on every run.
"$cli" match --p1 H4:2 --p2 H3:2 --games 2 --random-opening 3 --seed 9 --csv "$tmp/a.csv" \
    >"$tmp/a.txt" 2>"$tmp/a.err" || fail "match exits with $?"
"$cli" match --p1 H4:2 --p2 H3:2 --games 2 --random-opening 3 --seed 9 --csv "$tmp/b.csv" \
    >/dev/null 2>&1 || fail "match exits with $?"
[ "$(stable "$tmp/a.csv")" = "$(stable "$tmp/b.csv")" ] || fail "two runs of one match differ"
[ -s "$tmp/a.err" ] && fail "stderr is not a terminal, yet got: $(cat "$tmp/a.err")"
# One line per game, then a line per player.
[ "$(grep -c '^game [12]: ' "$tmp/a.txt")" = 2 ] || fail "expected two game lines: $(cat "$tmp/a.txt")"
grep -qE '^P1 +H4:2 ' "$tmp/a.txt" || fail "no summary line for Player 1"
grep -qE '^P2 +H3:2 ' "$tmp/a.txt" || fail "no summary line for Player 2"
[ "$(wc -l <"$tmp/a.csv")" = 3 ] || fail "CSV should hold a header and two rows"
head -1 "$tmp/a.csv" | grep -q '^game,p1,p2,winner,moves,' || fail "CSV header: $(head -1 "$tmp/a.csv")"

# Another seed plays other openings, so other games.
"$cli" match --p1 H4:2 --p2 H3:2 --games 2 --random-opening 3 --seed 10 --csv "$tmp/c.csv" \
    >/dev/null || fail "match exits with $?"
[ "$(stable "$tmp/a.csv")" != "$(stable "$tmp/c.csv")" ] || fail "seeds 9 and 10 played the same games"

# A game cut off by --max-moves is reported as unfinished, in every format.
out=$("$cli" match --p1 H3:1 --p2 H1 --games 2 --max-moves 6 --csv "$tmp/u.csv")
[ "$(grep -c '^game [12]: unfinished after 6 moves' <<<"$out")" = 2 ] || fail "unfinished games: $out"
grep -qE '^P1 +H3:1 +0 +2 +- ' <<<"$out" || fail "summary should count 2 unfinished, no wins: $out"
[ "$(cut -d, -f4 "$tmp/u.csv" | tail -n +2 | sort -u)" = unfinished ] || fail "CSV winner column: $(cat "$tmp/u.csv")"
json=$("$cli" match --p1 H3:1 --p2 H1 --games 2 --max-moves 6 --json)
if command -v python3 >/dev/null; then
    python3 -c '
import json, sys
m = json.loads(sys.argv[1])
assert [g["winner"] for g in m["results"]] == [None, None], m["results"]
assert [g["moves"] for g in m["results"]] == [6, 6]
p1 = m["summary"][0]
assert (p1["player"], p1["wins"], p1["unfinished"], p1["mean_moves_to_win"]) == ("H3:1", 0, 2, None), p1
' "$json" || fail "JSON of unfinished games: $json"
fi

# Player names with commas stay one CSV field.
"$cli" match --p1 H2:1,nosort --p2=H5:1,noopt,nobest --max-moves 4 --csv "$tmp/q.csv" >/dev/null ||
    fail "match with options exits with $?"
sed -n 2p "$tmp/q.csv" | grep -q '^1,"H2:1,nosort","H5:1,noopt,nobest",unfinished,4,' ||
    fail "CSV row: $(sed -n 2p "$tmp/q.csv")"

# Bad players and option values: a message naming the fault, exit 2, no output.
while IFS='|' read -r args expected; do
    read -ra argv <<<"$args"
    "$cli" match "${argv[@]}" >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ $status = 2 ] || fail "'$args' exits with $status, not 2"
    grep -qF -- "$expected" "$tmp/err" || fail "'$args' should say '$expected', said: $(cat "$tmp/err")"
    [ -s "$tmp/out" ] && fail "'$args' printed: $(cat "$tmp/out")"
done <<'EOF'
--p1 H6:3 --p2 H1|bad player 'H6:3'
--p1 H4:3 --p2 Q4|bad player 'Q4'
--p1 H4:0 --p2 H1|plies must be
--p1 H4:3,fast --p2 H1|unknown option 'fast'
--p1 H4:3|--p2 is required
--p2 H4:3|--p1 is required
--p1 H4 --p2|--p2 needs a value
--p1 H4 --p2 H1 --games 0|--games must be a whole number from 1
--p1 H4 --p2 H1 --games ten|not 'ten'
--p1 H4 --p2 H1 --max-moves -5|--max-moves must be
--p1 H4 --p2 H1 --random-opening 2x|--random-opening must be
--p1 H4 --p2 H1 --max-moves 10 --random-opening 10|must be smaller than --max-moves
--p1 H4 --p2 H1 --seed 4294967296|--seed must be
--p1 H4 --p2 H1 --fast|unknown option '--fast'
--p1 H4 --p2 H1 --csv /nonexistent-dir/x.csv|cannot write
EOF

if [ $failures -gt 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "all match command-line checks passed"
