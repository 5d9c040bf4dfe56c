#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent and quiet when
# everything is already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang llvm libclang-rt-14-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  googletest libgtest-dev libbenchmark-dev
  zlib1g-dev libdeflate-dev
  wine wine32:i386 wine64 fonts-wine
  xvfb xdotool imagemagick x11-utils
  zip unzip nsis
  valgrind
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  name=${p%%:*}
  arch=${p#*:}; [ "$arch" = "$p" ] && arch=""
  query=$name; [ -n "$arch" ] && query="$name:$arch"
  if ! dpkg-query -W -f='${Status}' "$query" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then exit 0; fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
