#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: once in a
# normal build and once under AddressSanitizer and UBSan.  Warnings are errors in both.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
status=0
for kind in release asan; do
  echo "=== $kind build"
  "$here/scripts/build.sh" "$kind"
  dir="$here/build"; [ "$kind" = asan ] && dir="$here/build-asan"
  echo "=== $kind tests"
  ctest --test-dir "$dir" --output-on-failure -j2 || status=1
done
exit $status
