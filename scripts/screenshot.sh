#!/usr/bin/env bash
# Screenshots of the desktop program under a virtual X server: the Region
# dialog of the first start, the welcome page, the password dialog, the
# browser with a folder selected, the selection summary and a folder without
# password, the conflict-policy dialog, the progress of a file opened from the
# browser, the background tasks in every state (extracting with speed and time
# left, paused, completed, failed), a long non-Latin folder name in the
# browser's toolbar, the event log with lines of each level, About, the
# open-source notices, the settings and their warning, and the update dialog
# in each of its forms (against a local stand-in of the update service), the
# browser in German, Japanese and Thai and at scale factor 2, the search and
# the versions of a file in English and German, plus the real
# program started with a folder argument. Writes PNGs into build/screenshots/.
#   scripts/screenshot.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh

BUILD=${1:-build/release}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEX_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target OrvexExTool orvex-extool-shots orvex-extool-notices orvex-mkbackup >/dev/null

OUT=$PWD/build/screenshots
WORK=$(mktemp -d /tmp/orvex-shots.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
rm -rf "$OUT"
mkdir -p "$OUT"

# Test-kit folders: one with a password, one without.
PASSWORD="screenshot-Pa55"
"$BUILD/bin/orvex-mkbackup" trellis "$WORK/Photos backup" --password "$PASSWORD" --versions 3 --files 60 --seed 5 >/dev/null
"$BUILD/bin/orvex-mkbackup" trellis "$WORK/Documents backup" --versions 2 --files 30 --seed 9 >/dev/null
# Large enough that its tasks run for a few seconds; a long, non-Latin name.
BIG="$WORK/映像アーカイブ – Family videos and photos 2019–2024 (external disk copy)"
"$BUILD/bin/orvex-mkbackup" trellis "$BIG" --versions 2 --files 24 --size 1600M --seed 13 >/dev/null

# A private home, settings and instance key: nothing of the user's is touched.
# Each run gets a fresh one, so no run inherits the language or the pending
# background tasks of the run before it.
fresh_home() {
  export HOME=$WORK/home-$1 XDG_CONFIG_HOME=$WORK/home-$1/.config XDG_DATA_HOME=$WORK/home-$1/.local/share
  export XDG_RUNTIME_DIR=$WORK/runtime-$1 ORVEX_INSTANCE_SUFFIX=screenshots-$$-$1
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}
fresh_home main
export QT_QPA_PLATFORM=xcb
XVFB=(xvfb-run -a -s "-screen 0 1160x780x24")

"${XVFB[@]}" "$BUILD/bin/orvex-extool-shots" "$OUT" "$WORK/Photos backup" "$PASSWORD" "$WORK/Documents backup" \
  "$BIG" "$WORK"

# The browser alone: in long texts (German) and other scripts (Japanese,
# Thai), and at scale factor 2 on a 2560x1440 screen (1280x720 logical
# pixels, less than the window's usual size).
for code in de_de ja_jp th_th; do
  fresh_home "$code"
  ORVEX_SHOTS_BROWSER=30-$code ORVEX_SHOTS_LANGUAGE=$code \
    "${XVFB[@]}" "$BUILD/bin/orvex-extool-shots" "$OUT" "$WORK/Photos backup" "$PASSWORD" "$WORK/Documents backup" \
    "$BIG" "$WORK"
done
fresh_home scale2
ORVEX_SHOTS_BROWSER=31-scale2 QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x1440x24" \
  "$BUILD/bin/orvex-extool-shots" "$OUT" "$WORK/Photos backup" "$PASSWORD" "$WORK/Documents backup" \
  "$BIG" "$WORK"

# The search (in the shown version, in every version, no match) and the
# versions of one file, over the folder whose entries go through every
# history step: in English and in German.
"$BUILD/bin/orvex-mkbackup" history "$WORK/History backup" >/dev/null
for code in en_us de_de; do
  fresh_home "search-$code"
  ORVEX_SHOTS_SEARCH=32-$code ORVEX_SHOTS_LANGUAGE=$code ORVEX_SHOTS_HISTORY="$WORK/History backup" \
    "${XVFB[@]}" "$BUILD/bin/orvex-extool-shots" "$OUT" "$WORK/Photos backup" "$PASSWORD" "$WORK/Documents backup" \
    "$BIG" "$WORK"
done

# The program itself, started with a folder argument, shot from outside.
fresh_home main # the region is answered there
"${XVFB[@]}" bash -c '
  ORVEX_EXIT_AFTER_START_MS=8000 "$1" "$2" >/dev/null 2>&1 &
  pid=$!
  sleep 5
  import -window root "$3"
  wait $pid' _ "$PWD/$BUILD/bin/OrvexExTool" "$WORK/Documents backup" "$OUT/06-program-with-folder-argument.png"

ls -1 "$OUT"
