#!/usr/bin/env bash
# Runs the built orvane-skin as a skin author would.
#   tool-test.sh CASE ORVANE_SKIN SOURCE_DIR BUILD_SKINS_DIR
# Cases: zip-packages, default-skin, errors.
set -uo pipefail

case_name=$1
tool=$2
source_dir=$3
skins=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_run NAME EXPECTED_STATUS EXPECTED_TEXT -- command...
# Runs the command; its status must be EXPECTED_STATUS and its output (both
# streams) must contain EXPECTED_TEXT.
expect_run() {
  local name=$1 status=$2 text=$3
  shift 4
  local output actual
  output=$("$@" 2>&1)
  actual=$?
  [ "$actual" -eq "$status" ] || fail "$name: exit status $actual, expected $status; output: $output"
  [[ "$output" == *"$text"* ]] || fail "$name: output lacks '$text': $output"
}

# set_signature FILE XX: the first two bytes of FILE become XX.
set_signature() { printf '%s' "$2" | dd of="$1" bs=1 count=2 conv=notrunc status=none; }

# flip_directory_byte FILE FIELD: inverts the low bit of the byte at offset
# FIELD of the first central directory header (16: the CRC-32's low byte).
flip_directory_byte() {
  local size directory at byte
  size=$(stat -c %s "$1")
  directory=$(od -An -tu4 -j $((size - 6)) -N 4 "$1" | tr -d ' ')
  at=$((directory + $2))
  byte=$(od -An -tu1 -j "$at" -N 1 "$1" | tr -d ' ')
  printf "\\$(printf '%03o' $((byte ^ 1)))" | dd of="$1" bs=1 seek="$at" count=1 conv=notrunc status=none
}

case $case_name in
zip-packages)
  # The record file of the default skin, taken out of its package with unzip.
  cp "$skins/default.ssk" "$work/original.zip"
  set_signature "$work/original.zip" PK
  (cd "$work" && unzip -q original.zip SKINDATA.SK2) || fail "unzip cannot read a package with PK restored"
  "$tool" dump "$skins/default.ssk" >"$work/expected.txt" || fail "dump of the default skin"

  (cd "$work" && zip -q -X deflated.ssk SKINDATA.SK2 \
             && zip -q -X -0 stored.ssk SKINDATA.SK2 \
             && zip -q -X -P 'open sesame' encrypted.ssk SKINDATA.SK2 \
             && zip -q -X -0 -P 'open sesame' encrypted-stored.ssk SKINDATA.SK2 \
             && cp deflated.ssk pk.ssk) || fail "zip could not make the packages"
  for package in deflated stored encrypted encrypted-stored; do
    set_signature "$work/$package.ssk" SK
  done

  for package in deflated stored; do
    for password in "" "anything"; do
      "$tool" dump "$work/$package.ssk" --password "$password" >"$work/$package.txt" 2>&1 \
        || fail "$package package with password '$password' does not load"
      cmp -s "$work/$package.txt" "$work/expected.txt" || fail "$package package dumps differently"
    done
  done
  for package in encrypted encrypted-stored; do
    "$tool" dump "$work/$package.ssk" --password 'open sesame' >"$work/$package.txt" 2>&1 \
      || fail "$package package with its password does not load"
    cmp -s "$work/$package.txt" "$work/expected.txt" || fail "$package package dumps differently"
    expect_run "$package without password" 3 "Wrong password!" -- "$tool" dump "$work/$package.ssk"
    expect_run "$package without password, step" 3 "encrypted entry, no password given" -- "$tool" dump "$work/$package.ssk"
    expect_run "$package with a wrong password" 3 "Wrong password!" -- "$tool" dump "$work/$package.ssk" --password 'open sesam'
    expect_run "$package with a wrong password, step" 3 ": wrong password" -- "$tool" dump "$work/$package.ssk" --password 'open sesam'
  done
  expect_run "PK package" 3 "Failed to read skin file!" -- "$tool" dump "$work/pk.ssk"
  expect_run "PK package, step" 3 "not an SK archive" -- "$tool" dump "$work/pk.ssk"

  # A deflated entry whose bytes do not match its CRC-32 does not load, and
  # the tool says so instead of blaming a password the package does not have.
  cp "$work/deflated.ssk" "$work/bad-crc.ssk"
  flip_directory_byte "$work/bad-crc.ssk" 16
  expect_run "bad CRC" 3 "Wrong password!" -- "$tool" dump "$work/bad-crc.ssk"
  expect_run "bad CRC, step" 3 "bad CRC-32" -- "$tool" dump "$work/bad-crc.ssk"
  expect_run "check of a bad CRC" 3 "bad CRC-32" -- "$tool" check "$work/bad-crc.ssk"
  cp "$work/deflated.ssk" "$work/bad-size.ssk"
  flip_directory_byte "$work/bad-size.ssk" 24
  expect_run "recorded size off by one" 3 "damaged data" -- "$tool" dump "$work/bad-size.ssk"

  (cd "$work" && mv SKINDATA.SK2 OTHER.SK2 && zip -q -X other.ssk OTHER.SK2 \
             && head -c 17000000 /dev/zero >SKINDATA.SK2 && zip -q -X huge.ssk SKINDATA.SK2) \
    || fail "zip could not make the packages"
  set_signature "$work/other.ssk" SK
  set_signature "$work/huge.ssk" SK
  expect_run "entry not found" 3 "entry not found" -- "$tool" dump "$work/other.ssk"
  expect_run "record file over the limit" 3 "Failed to read skin file!" -- "$tool" dump "$work/huge.ssk"
  expect_run "record file over the limit, step" 3 "over a limit" -- "$tool" check "$work/huge.ssk"
  ;;

default-skin)
  # Every key of the manifest comes back with its kind and value.
  "$tool" dump "$skins/default.ssk" >"$work/dump.txt" || fail "dump of the default skin"
  while read -r kind name value; do
    case $kind in
      ''|'#'*) continue ;;
      colour) rgb=${value#\#}
              bgr=$((16#${rgb:4:2}${rgb:2:2}${rgb:0:2}))
              grep -Eq "^$name +integer +$bgr \(#$rgb\)\$" "$work/dump.txt" || fail "colour $name $value" ;;
      integer) grep -Eq "^$name +integer +$value\$" "$work/dump.txt" || fail "integer $name $value" ;;
      flag) [ "$value" = yes ] && want=true || want=false
            grep -Eq "^$name +bool +$want\$" "$work/dump.txt" || fail "flag $name $value" ;;
      string) grep -Eq "^$name +string +$value\$" "$work/dump.txt" || fail "string $name $value" ;;
      image) grep -Eq "^$name +image +[0-9]+ x [0-9]+, 24 bpp\$" "$work/dump.txt" || fail "image $name" ;;
    esac
  done <"$source_dir/assets/skins/default/skin.manifest"
  manifest_keys=$(grep -Ec '^(colour|integer|flag|string|image) ' "$source_dir/assets/skins/default/skin.manifest")
  [ "$(wc -l <"$work/dump.txt")" -eq "$manifest_keys" ] || fail "dump has $(wc -l <"$work/dump.txt") lines for $manifest_keys keys"

  expect_run "check default" 0 "ok: the engine finds every key it reads" -- "$tool" check "$skins/default.ssk"
  expect_run "check plain" 0 "ok: the engine finds every key it reads" -- "$tool" check "$skins/plain.ssk"
  [ -s "$skins/default-contact-sheet.png" ] || fail "no contact sheet"

  # Packing the staged source again, stored and encrypted, gives the same values.
  "$tool" pack "$skins/default-src" "$work/again.ssk" --store --password pw || fail "pack --store --password"
  "$tool" dump "$work/again.ssk" --password pw >"$work/again.txt" || fail "dump of the repacked skin"
  cmp -s "$work/again.txt" "$work/dump.txt" || fail "repacked skin dumps differently"
  ;;

errors)
  expect_run "no command" 2 "usage:" -- "$tool"
  expect_run "unknown command" 2 "unknown command frobnicate" -- "$tool" frobnicate x
  expect_run "missing operand" 2 "dump takes 1 operand" -- "$tool" dump
  expect_run "option without value" 2 "--password needs a value" -- "$tool" dump x --password
  expect_run "store outside pack" 2 "--store belongs to pack" -- "$tool" dump x --store
  expect_run "missing package" 3 "Failed to read skin file!" -- "$tool" dump "$work/none.ssk"
  expect_run "missing package, step" 3 "cannot open the package" -- "$tool" dump "$work/none.ssk"
  expect_run "folder as package" 3 "Failed to read skin file!" -- "$tool" dump "$work"
  head -c 100 /dev/urandom >"$work/noise.ssk"
  set_signature "$work/noise.ssk" SK
  expect_run "noise" 3 "Failed to read skin file!" -- "$tool" dump "$work/noise.ssk"
  expect_run "check of noise" 3 "not an SK archive" -- "$tool" check "$work/noise.ssk"
  expect_run "pack without manifest" 1 "cannot read" -- "$tool" pack "$work/nothing" "$work/out.ssk"

  mkdir -p "$work/bad"
  printf 'colour SKIN2_FORMCOLOR #12345\nimage SKIN2_FORMCOLOR x.bmp\nflag SKIN2_TITLEFIVESECT maybe\nimage SKIN2_TITLEBAR1 missing.bmp\n' >"$work/bad/skin.manifest"
  expect_run "bad manifest" 1 "line 1: '#12345' is not a valid value for 'SKIN2_FORMCOLOR'" -- "$tool" pack "$work/bad" "$work/out.ssk"
  [ ! -e "$work/out.ssk" ] || fail "a failed pack wrote a package"

  # A package that lacks keys and has a strip that does not divide.
  mkdir -p "$work/thin"
  cp "$skins/default-src/titlebar1.bmp" "$work/thin/strip.bmp"
  printf 'image SKIN2_TITLEBUTTONS strip.bmp\ninteger SKIN2_TITLEBARREGIONMAXY 99\nflag SKIN2_TITLEBARNEEDREGION yes\n' >"$work/thin/skin.manifest"
  "$tool" pack "$work/thin" "$work/thin.ssk" || fail "pack of a thin skin"
  expect_run "check thin skin" 1 "missing: SKIN2_FORMCOLOR (colour)" -- "$tool" check "$work/thin.ssk"
  expect_run "check thin strip" 1 "strip: SKIN2_TITLEBUTTONS is 30 pixels wide, which does not divide into 18 frames" -- "$tool" check "$work/thin.ssk"
  expect_run "check thin region" 1 "region: SKIN2_TITLEBARREGIONMAXY = 99 lies outside the title band" -- "$tool" check "$work/thin.ssk"
  ;;

*)
  echo "unknown case $case_name"
  exit 2
  ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$case_name: $failures failed"
  exit 1
fi
echo "$case_name: passed"
