#!/usr/bin/env bash
# Regenerates the committed export lists from a build:
#   scripts/update-exports.sh BUILD_DIR
# Run it after adding or removing an exported call, review the diff of the
# */exports.txt files, and commit them together with the change.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$1

# library file : list of its exports
pairs="liblogger.so:logger liborvex-common.so:core liborvex-restore.so:restore
libtrellis-vesk.so:trellis_viewer liborvex-vesk.so:vesk"

status=0
for pair in $pairs; do
  lib=$build/lib/${pair%%:*}
  list=$root/${pair##*:}/exports.txt
  if [ ! -f "$lib" ]; then
    echo "update-exports: $lib not built; $list left as it is" >&2
    status=1
    continue
  fi
  {
    echo "# Exported symbols of ${pair%%:*}, one a line, sorted."
    echo "# Checked by scripts/check-exports.sh; regenerate with scripts/update-exports.sh BUILD_DIR."
    "$here/check-exports.sh" --list "$lib"
  } >"$list.tmp"
  mv "$list.tmp" "$list"
  echo "$list: $(grep -vc '^#' "$list") symbols"
done
exit $status
