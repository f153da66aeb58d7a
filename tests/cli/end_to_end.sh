#!/usr/bin/env bash
# zekra-cli as a player's script calls it: exit statuses and a byte-exact
# round trip of a record file through its JSON dump.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cli" record dump "$work/none.dat" 2>"$work/err" && fail "dump of a missing file succeeded"
[ $? -eq 2 ] || fail "dump of a missing file: exit status is not 2"
[ -e "$work/none.dat" ] && fail "dump created the file it was asked to read"
grep -q 'no such file' "$work/err" || fail "no clear message: $(cat "$work/err")"

# A record file assembled byte by byte: name "マロン", Money Integer 1000.
{
  printf '\x06\x00\x83\x7d\x83\x8d\x83\x93'
  head -c 278 /dev/zero
  printf '\x02\x00\xe8\x03'
  head -c 34 /dev/zero
} >"$work/horse.dat"
[ "$(stat -c %s "$work/horse.dat")" -eq 324 ] || fail "fixture size"

"$cli" record dump "$work/horse.dat" >"$work/horse.json" || fail "dump failed"
grep -q '"Name": "マロン"' "$work/horse.json" || fail "name not in dump"
"$cli" record write "$work/horse.json" "$work/again.dat" || fail "write failed"
cmp "$work/horse.dat" "$work/again.dat" || fail "round trip changed the bytes"

"$cli" record write - "$work/stdin.dat" <"$work/horse.json" || fail "write from stdin failed"
cmp "$work/horse.dat" "$work/stdin.dat" || fail "stdin round trip changed the bytes"

echo '{"Name": "x"}' >"$work/bad.json"
"$cli" record write "$work/bad.json" "$work/bad.dat" 2>/dev/null
[ $? -eq 2 ] || fail "incomplete JSON: exit status is not 2"
[ -e "$work/bad.dat" ] && fail "a refused write left a file"
echo "zekra-cli end to end: all checks passed"
