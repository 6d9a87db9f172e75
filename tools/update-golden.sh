#!/usr/bin/env bash
# Writes every golden file of tests/golden anew from the current build (after a meant change).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
grep -E '^[a-z]' tests/golden/cases.txt | while IFS= read -r line; do
  tests/golden/golden.sh "$PWD/$build/kelvo" "$PWD" "${line%% |*}" --update
done
