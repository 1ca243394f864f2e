#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample content disc and starts the program
# the way a user with the disc in a drive does: the disc is drive E: in the drive table and
# the program folder holds the start-up sound.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" release
disc="$here/build/sample-disc"
[ -d "$disc/kestranas" ] || "$here/build/tools/kestrana-sampledisc" "$disc"
export KESTRANA_DRIVES="E=$disc"
exec "$here/build/kestrana-gallerion" "$@"
