#!/usr/bin/env bash
# The main job: the filters the program finds, each plug-in's About, and a gallery in out/ of
# every filter's first-use result and presets (fixed seeds: the same files every run).
set -euo pipefail
build=${1:-build}
kelvo="$build/kelvo"
out=out
mkdir -p "$out"

echo "== kelvo list"
"$kelvo" list | tee "$out/filters.txt"

cards=""
html() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g' <<< "$1"; }
while IFS=$'\t' read -r name category title; do
  short=$(echo "${name#*_}" | tr '[:upper:]' '[:lower:]')
  title=${title%...}
  cards+="<h2>$(html "$title") <small>$(html "$category")</small></h2><main>"$'\n'
  echo
  echo "== kelvo about $short"
  "$kelvo" about "$short"

  # The filters that work on selected art get a drawing to work on.
  input=()
  case "$short" in
    quadrel) input=(--in tools/demo/area.svg --select all) ;;
    chromble) input=(--in tools/demo/shapes.svg --select all) ;;
  esac

  "$kelvo" describe "$short" > "$out/$short-dialog.txt"
  echo "== $short: first use and presets"
  "$kelvo" run "$short" "${input[@]}" --seed 1 -o "$out/$short-first-use.svg"
  "$kelvo" run "$short" "${input[@]}" --seed 1 --dpi 36 -o "$out/$short-first-use.png"
  cards+="<figure><img src=\"$short-first-use.svg\"><figcaption>first use</figcaption></figure>"$'\n'
  index=0
  while IFS= read -r preset; do
    index=$((index + 1))
    [ "$preset" = "Reset" ] && continue
    file=$(printf '%s-preset-%02d' "$short" "$index")
    if "$kelvo" run "$short" "${input[@]}" --seed "$index" --preset "$preset" -o "$out/$file.svg" 2>"$out/$file.log"; then
      cards+="<figure><img src=\"$file.svg\"><figcaption>$(html "$preset")</figcaption></figure>"$'\n'
      rm -f "$out/$file.log"
    else
      echo "   preset \"$preset\" failed: $(head -n 1 "$out/$file.log")"
    fi
  done < <("$kelvo" describe "$short" --presets)
  cards+="</main>"$'\n'
  echo "   $index presets"
done < <("$kelvo" list 2>/dev/null)

cat > "$out/index.html" <<HTML
<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>Kelvo gallery</title>
<style>
body { font-family: sans-serif; margin: 2em; background: #f4f4f0; }
main { display: grid; grid-template-columns: repeat(auto-fill, minmax(180px, 1fr)); gap: 1em; }
h2 { margin-top: 1.5em; } h2 small { font-weight: normal; color: #666; }
figure { margin: 0; background: white; padding: 0.5em; box-shadow: 0 1px 3px #0003; }
img { width: 100%; aspect-ratio: 612 / 792; object-fit: contain; }
figcaption { font-size: 0.85em; color: #333; }
</style></head>
<body><h1>Kelvo gallery</h1>
$cards</body></html>
HTML
echo
echo "gallery: $out/index.html ($(ls "$out"/*.svg | wc -l) drawings)"
