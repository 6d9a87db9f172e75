#!/usr/bin/env bash
# The main job: the filters the program finds, and each plug-in's About.
set -euo pipefail
build=${1:-build}
kelvo="$build/kelvo"
echo "== kelvo list"
"$kelvo" list
while IFS=$'\t' read -r name _; do
  echo
  echo "== kelvo about $name"
  "$kelvo" about "$name"
done < <("$kelvo" list 2>/dev/null)
