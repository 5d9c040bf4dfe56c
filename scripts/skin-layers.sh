#!/usr/bin/env bash
# Prints the include graph of the skin engine (src/skin) by layer, and every
# include that points up a layer. Layers, bottom to top:
#   0 util     platform helpers that know no skin (fonts, versions, lookups)
#   1 look     what the loaded skin says, and what drawing parts may ask
#   2 painter  drawing from the look, without a window of its own
#   3 control  control skins: one per control kind and branch
#   4 binding  skinned windows (frames, menu bar, system menu)
#   5 engine   the engine's life cycle: hook, registries, bindings
# An include may point to its own layer or one below; the one exception is a
# binding, which calls back into the engine that made it (the system menu,
# the registries of control skins). Exit status 1 when any other include
# points up, so that the script can guard the layering.
#   scripts/skin-layers.sh            the violations and a count per layer pair
#   scripts/skin-layers.sh --graph    every include edge between layers, counted
set -euo pipefail
cd "$(dirname "$0")/.."

layer_of() {
  local path=$1 name
  name=$(basename "$path"); name=${name%.*}
  case "$path" in
    src/skin/look/*) echo 1; return ;;
    src/skin/painters/*) echo 2; return ;;
  esac
  case "$name" in
    TvelSkinEngine*|TvelSkinHook|SkinRegistries) echo 5 ;;
    TvelSkinWindow*|TvelSkinMenuBar*|TvelSkinSystemMenu) echo 4 ;;
    TvelSkinControl*) echo 3 ;;
    SkinPainting|CheckBoxFrames|ComboBoxDrawing|ScrollBarDrawing|TabControlPainting|FrameDrawing|SkinnedMenuItems) echo 2 ;;
    *) case "$path" in src/skin/controls/*) echo 3 ;; *) echo 0 ;; esac ;;
  esac
}

names=(util look painter control binding engine)
graph=0
[ "${1:-}" = "--graph" ] && graph=1

declare -A edges=()
violations=0
while IFS= read -r file; do
  from=$(layer_of "$file")
  while IFS= read -r target; do
    [ -f "src/$target" ] || continue
    to=$(layer_of "src/$target")
    edges["${names[$from]} -> ${names[$to]}"]=$(( ${edges["${names[$from]} -> ${names[$to]}"]:-0} + 1 ))
    if [ "$to" -gt "$from" ] && ! { [ "$from" = 4 ] && [ "$to" = 5 ]; }; then
      violations=$((violations + 1))
      [ "$graph" = 1 ] || echo "up: $file (${names[$from]}) includes $target (${names[$to]})"
    fi
  done < <(sed -n 's/^#include "\(skin\/[^"]*\)".*/\1/p' "$file")
done < <(find src/skin -name '*.h' -o -name '*.cpp' | sort)

if [ "$graph" = 1 ]; then
  for edge in "${!edges[@]}"; do echo "${edges[$edge]} $edge"; done | sort -k2
fi
echo "includes pointing up a layer: $violations"
[ "$violations" -eq 0 ]
