#!/usr/bin/env bash
# Fetches Debian's source packages of libpng and SQLite into .deps/ and generates sqlite3.c.
# Nothing fetched here is committed; .deps/ is ignored. Quick when everything is there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/.deps"
mkdir -p "$deps"

have_src() { compgen -G "$deps/$1" >/dev/null; }

if ! have_src 'libpng1.6-*/png.c' || ! have_src 'sqlite3-*/main.mk'; then
  # A deb-src twin of the system's own apt source, so no mirror is named here.
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        > /etc/apt/sources.list.d/chatdock-deb-src.sources
    else
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/chatdock-deb-src.list
    fi
    apt-get update -qq
  fi
  cd "$deps"
  have_src 'libpng1.6-*/png.c' || { apt-get source -qq --download-only libpng1.6/bookworm && dpkg-source -x libpng1.6_*.dsc >/dev/null; }
  have_src 'sqlite3-*/main.mk' || { apt-get source -qq --download-only sqlite3/bookworm && dpkg-source -x sqlite3_*.dsc >/dev/null; }
fi

if [ ! -f "$deps/sqlite-amalgamation/sqlite3.c" ]; then
  src=$(ls -d "$deps"/sqlite3-*/ | head -n1)
  rm -rf "$deps/sqlite-gen" && mkdir -p "$deps/sqlite-gen"
  (cd "$deps/sqlite-gen" && "$src/configure" --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
  mkdir -p "$deps/sqlite-amalgamation"
  cp "$deps/sqlite-gen/sqlite3.c" "$deps/sqlite-gen/sqlite3.h" "$deps/sqlite-amalgamation/"
  rm -rf "$deps/sqlite-gen"
fi
