#!/usr/bin/env bash
# The main job: installs what is missing, builds Release, writes a sample
# Trellis backup folder with the test kit (unless FOLDER is given), shows its
# versions and restores its newest version into ./restored, ending with the
# summary line (files, folders, bytes, skipped, replaced, renamed, failed).
#   ./run.sh [FOLDER]
# A password-protected FOLDER takes its password from ORVEX_PASSWORD (or a
# prompt when run at a terminal).
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/setup-deps.sh

BUILD=build/release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEX_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target orvex-extract orvex-mkbackup >/dev/null

FOLDER=${1:-}
if [ -z "$FOLDER" ]; then
  FOLDER=$PWD/build/sample-trellis
  rm -rf "$FOLDER"
  # The sample is encrypted; its (demo) password reaches orvex-extract through
  # the environment, never on its command line.
  export ORVEX_PASSWORD=sample-password
  "$BUILD/bin/orvex-mkbackup" trellis "$FOLDER" --password "$ORVEX_PASSWORD" --versions 4 --files 24 --seed 1 \
    --links --chunk 16K-64K
fi
echo "backup folder: $FOLDER"
echo
echo "== versions"
"$BUILD/bin/orvex-extract" versions "$FOLDER"
echo
echo "== restore of the newest version into ./restored"
# A second run replaces what the first one restored.
"$BUILD/bin/orvex-extract" restore "$FOLDER" --to "$PWD/restored" --policy replace
