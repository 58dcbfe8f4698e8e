#!/usr/bin/env bash
# Measures the browser on a backup folder whose folder "\big" holds 100,000
# entries: time from pressing the folder to page 1 shown (against the library
# listing the same folder alone), the GUI thread's longest pause meanwhile,
# and the program's peak memory with the folder listed.
#   scripts/measure-gui.sh [BUILD_DIR] [ENTRIES]   (default build/release, 100000)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh

BUILD=${1:-build/release}
ENTRIES=${2:-100000}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEX_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target orvex-extool-measure >/dev/null

WORK=$(mktemp -d /tmp/orvex-measure.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$BUILD/bin/orvex-extool-measure" write "$WORK/big backup" "$ENTRIES"
"$BUILD/bin/orvex-extool-measure" run "$WORK/big backup" 2>/dev/null
