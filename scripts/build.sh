#!/usr/bin/env bash
# Configures and builds one tree: scripts/build.sh [release|asan]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-release}
case "$kind" in
  release) dir="$here/build"; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKG_SANITIZE=OFF) ;;
  asan)    dir="$here/build-asan"; flags=(-DCMAKE_BUILD_TYPE=Debug -DKG_SANITIZE=ON -DKG_BENCH=OFF) ;;
  *) echo "usage: $0 [release|asan]" >&2; exit 2 ;;
esac
cmake -S "$here" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
ninja -C "$dir" -j"$(nproc)"
