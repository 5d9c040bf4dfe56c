#!/usr/bin/env bash
# Builds both programs and makes the release under build/release/:
#
#   OrvaneSudoku-<version>-setup.exe     the installer (NSIS, packaging/OrvaneSudoku.nsi)
#   OrvaneSudoku-<version>-portable.zip  both programs, a short read-me and the licence
#   symbols/OrvaneSudoku-i686.debug      the symbols of the 32-bit and the 64-bit
#   symbols/OrvaneSudoku-x86_64.debug    program, which ship without them; not shipped
#   SHA256SUMS                           the checksums of all four
#
# The version comes from the VERSION file. Every timestamp is the last
# commit's time (or SOURCE_DATE_EPOCH when set), so two runs on the same
# commit make the same bytes.
#
#   release.sh             installs what is missing, builds, packages
#   release.sh --no-build  packages the programs already built (scripts/test.sh)
#   --test-installer-64    also makes build/release-test/OrvaneSudoku-<version>-setup64.exe,
#                          the same installer as a 64-bit program, for the install
#                          test where Wine runs no 32-bit program; it is not shipped
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

build=1
installer64=0
for argument in "$@"; do
  case "$argument" in
    --no-build) build=0 ;;
    --test-installer-64) installer64=1 ;;
    *) echo "usage: scripts/release.sh [--no-build] [--test-installer-64]" >&2; exit 2 ;;
  esac
done

version=$(head -n 1 VERSION)
if ! [[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "release: VERSION holds '$version', not MAJOR.MINOR.PATCH" >&2
  exit 1
fi
copyright=$(grep -m 1 '^Copyright ' LICENSE)
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || true)
  if [ -z "$SOURCE_DATE_EPOCH" ]; then
    echo "release: no commit to take the time from: set SOURCE_DATE_EPOCH" >&2
    exit 1
  fi
fi
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
  echo "release: note: the work tree has changes that are not committed; the files carry the last commit's time"
fi
# zip stores local times: the same in every time zone.
export TZ=UTC

if [ "$build" = 1 ]; then
  ./scripts/setup.sh
  # The programs embed pictures that the native build draws.
  cmake --preset native >/dev/null
  cmake --build --preset native --target game-art
  for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target OrvaneSudoku
  done
fi
# The build strips each program after linking and keeps its symbols in a
# .debug file beside it (cmake/SeparateDebugInfo.cmake); a program that
# still carries debug sections, or has no link to its symbols, is not shipped.
declare -A processor=([win32]=i686 [win64]=x86_64)
for preset in win32 win64; do
  program=build/$preset/bin/OrvaneSudoku.exe
  symbols=build/$preset/bin/OrvaneSudoku-${processor[$preset]}.debug
  for file in "$program" "$symbols"; do
    if [ ! -f "$file" ]; then
      echo "release: $file is missing: run scripts/release.sh without --no-build" >&2
      exit 1
    fi
  done
  sections=$("${processor[$preset]}-w64-mingw32-objdump" -h "$program")
  if grep -q ' \.debug_' <<<"$sections" || ! grep -q ' \.gnu_debuglink ' <<<"$sections"; then
    echo "release: $program is not stripped with a link to its symbols: rebuild it" >&2
    exit 1
  fi
done

# The icon comes from the native build whose pictures the programs embed
# (the Windows builds' ORVANE_NATIVE_BUILD_DIR, build/native by default).
native=$(sed -n 's/^ORVANE_NATIVE_BUILD_DIR:PATH=//p' build/win64/CMakeCache.txt 2>/dev/null)
native=${native:-$root/build/native}

out=$root/build/release
stage=$root/build/release-stage
test_out=$root/build/release-test
rm -rf "$out" "$stage" "$test_out"
mkdir -p "$out" "$stage/installer/win32" "$stage/installer/win64"

# Text files for Windows players: CRLF line ends.
crlf() { sed 's/\r$//; s/$/\r/' "$1"; }

# ---- the installer's inputs
cp build/win32/bin/OrvaneSudoku.exe "$stage/installer/win32/"
cp build/win64/bin/OrvaneSudoku.exe "$stage/installer/win64/"
crlf LICENSE >"$stage/installer/LICENSE.txt"
cp "$native/game-art/mainicon.ico" "$stage/installer/OrvaneSudoku.ico"
# The picture on the welcome and finish pages: the game's icon on a blue
# gradient, 164 by 314 pixels as the wizard pages show it.
convert -size 164x314 gradient:'#dce8f5'-'#3d6fa8' \
  \( "$native/game-art/mainicon.ico[4]" -resize 112x112 \) \
  -gravity north -geometry +0+48 -composite -alpha off -type TrueColor BMP3:"$stage/installer/wizard.bmp"

# ---- the portable folder
portable=OrvaneSudoku-$version
mkdir -p "$stage/portable/$portable"
cp build/win32/bin/OrvaneSudoku.exe "$stage/portable/$portable/OrvaneSudoku32.exe"
cp build/win64/bin/OrvaneSudoku.exe "$stage/portable/$portable/OrvaneSudoku64.exe"
sed "s/@VERSION@/$version/g" packaging/portable-README.txt | crlf /dev/stdin >"$stage/portable/$portable/README.txt"
cp "$stage/installer/LICENSE.txt" "$stage/portable/$portable/LICENSE.txt"

# Fixed times and modes: the archive and the installer store both.
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
find "$stage" -type f -exec chmod 644 {} +
find "$stage" -type d -exec chmod 755 {} +

setup=OrvaneSudoku-$version-setup.exe
zipfile=OrvaneSudoku-$version-portable.zip

makensis -V2 -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DCOPYRIGHT=$copyright" \
  "-DSTAGE=$stage/installer" "-DOUTFILE=$out/$setup" \
  packaging/OrvaneSudoku.nsi

if [ "$installer64" = 1 ]; then
  mkdir -p "$test_out"
  makensis -V2 -INPUTCHARSET UTF8 -DTARGET=amd64-unicode \
    "-DVERSION=$version" "-DCOPYRIGHT=$copyright" \
    "-DSTAGE=$stage/installer" "-DOUTFILE=$test_out/OrvaneSudoku-$version-setup64.exe" \
    packaging/OrvaneSudoku.nsi
fi

# -X: no extra fields (owner, times beyond the DOS time); -D: no folder entries.
(cd "$stage/portable" && find "$portable" -type f | LC_ALL=C sort | zip -q -X -D -9 "$out/$zipfile" -@)

# The symbols, for reading crash reports: kept with the release, not shipped.
mkdir -p "$out/symbols"
symbol_files=()
for preset in win32 win64; do
  name=OrvaneSudoku-${processor[$preset]}.debug
  cp "build/$preset/bin/$name" "$out/symbols/$name"
  symbol_files+=("symbols/$name")
done
chmod 644 "$out"/symbols/*
touch -d "@$SOURCE_DATE_EPOCH" "$out"/symbols/*

(cd "$out" && sha256sum "$setup" "$zipfile" "${symbol_files[@]}" >SHA256SUMS)
rm -rf "$stage"
echo "release $version (timestamps of $(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC')):"
(cd "$out" && for f in "$setup" "$zipfile" "${symbol_files[@]}" SHA256SUMS; do printf '  build/release/%s  %s bytes\n' "$f" "$(stat -c %s "$f")"; done)
