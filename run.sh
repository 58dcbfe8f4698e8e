#!/usr/bin/env bash
# The main job: installs what is missing, builds Release, writes a sample
# backup folder with the test kit (unless FOLDER is given) and shows it.
#   ./run.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/setup-deps.sh

BUILD=build/release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEX_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target orvex-extract orvex-mkbackup >/dev/null

FOLDER=${1:-}
if [ -z "$FOLDER" ]; then
  FOLDER=$PWD/build/sample
  rm -rf "$FOLDER"
  "$BUILD/bin/orvex-mkbackup" tree "$FOLDER" --files 20 --seed 1
fi
echo "sample folder: $FOLDER"
find "$FOLDER" -printf '%y %10s %P\n' | sort -k3
