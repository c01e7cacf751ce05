#!/usr/bin/env bash
# Sets up what is missing, builds and runs the test tiers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup-machine.sh"
cmake -S "$top" -B "$top/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$top/build/host" -j2
ctest --test-dir "$top/build/host" --output-on-failure -j2
