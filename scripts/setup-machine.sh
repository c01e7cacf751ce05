#!/usr/bin/env bash
# Installs what building and running ChatDock needs on a Debian 12 machine (run as root).
# Idempotent: each step checks first, so a machine that has everything passes in a second or two.
set -euo pipefail

need_packages=(
  # cross toolchain and build
  cmake ninja-build g++-mingw-w64-i686-posix libz-mingw-w64-dev dpkg-dev tcl make gcc g++
  # host build of the platform-free code
  libgtest-dev libgmock-dev googletest libsqlite3-dev libpng-dev zlib1g-dev
  # running under Wine on a virtual display
  wine wine32:i386 xvfb x11-utils xauth imagemagick
  # Chinese texts: locale and a CJK font
  locales fonts-wqy-microhei
)

missing=()
for p in "${need_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
