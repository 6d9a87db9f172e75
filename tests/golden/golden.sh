#!/usr/bin/env bash
# Runs the real kelvo program for one golden case, twice, and compares its JSON with the stored
# golden file (and the two runs with each other: the same seed gives the same bytes).
#   golden.sh KELVO REPO NAME          check
#   golden.sh KELVO REPO NAME --update write the golden file anew
set -euo pipefail
kelvo=$1 repo=$2 name=$3 mode=${4:-check}
line=$(grep "^$name |" "$repo/tests/golden/cases.txt") || { echo "no golden case $name"; exit 2; }
read -r -a arguments <<< "${line#*| }"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$repo"
"$kelvo" run "${arguments[@]}" -o "$work/first.json"
"$kelvo" run "${arguments[@]}" -o "$work/second.json"
cmp -s "$work/first.json" "$work/second.json" || { echo "$name: two runs with the same seed differ"; exit 1; }
python3 -m json.tool --indent 1 "$work/first.json" > "$work/pretty.json"
golden="$repo/tests/golden/$name.json"
if [ "$mode" = "--update" ]; then
  cp "$work/pretty.json" "$golden"
  echo "$name: written"
  exit 0
fi
if ! diff -u "$golden" "$work/pretty.json" > "$work/diff.txt"; then
  echo "$name: differs from $golden (tools/update-golden.sh writes it anew when the change is meant):"
  head -n 40 "$work/diff.txt"
  exit 1
fi
echo "$name: same as its golden file"
