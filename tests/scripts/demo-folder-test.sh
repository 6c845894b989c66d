#!/usr/bin/env bash
# The demo's program folder holds what the program looks for beside itself: a worker card
# printed from the demo carries its barcode, and the folder is prepared again without harm.
set -euo pipefail
tree=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for round in 1 2; do
  "$tree/scripts/demo-folder" "$build" "$work/demo.fdb" "$work/demo" || fail "round $round did not finish"
done
[[ -x $work/demo/sorvik ]] || fail "no program in the folder"
[[ -d $work/demo/rpt ]] || fail "no templates beside the program"
nm -D --defined-only "$work/demo/libstrilux.so" | grep -qw DllGetClassObject ||
  fail "no barcode library beside the program"
iconv -f CP932 -t UTF-8 "$work/demo/sorvik.ini" | grep -q "dbName=$work/demo.fdb" ||
  fail "the settings do not name the demo database"
echo ok
