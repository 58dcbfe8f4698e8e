#!/usr/bin/env bash
# Damages Trellis backup folders the way a failing disk or an attacker would
# and counts how often `orvex-extract restore` and `verify` still report
# success over wrong bytes (a silent corruption). Three kinds of trials:
#
#   - one random byte of tvt chunk data flipped, in a folder without a
#     password (plain and zlib chunks) and in an encrypted one (every kind);
#   - each descriptor edit, on a random file and random rows: a row dropped,
#     two rows overlapping, two rows of different lengths swapped, no rows
#     at all, a row at 1 TiB, a row repeated; and an attribute record cut
#     short of its fields (1 to 23 bytes).
#
# Every trial restores and verifies the whole version from the damaged
# folder and compares the result with a restore of the intact folder; the
# one damaged file is put back from the intact copy afterwards.
#
#   scripts/acceptance-integrity.sh [--trials N] [--seed S] [BUILD_DIR]
#
# N (default 200) is the number of trials of each kind: flips per folder,
# and trials of each descriptor edit.
#
# BUILD_DIR (default build/release) is configured as a Release build when
# it does not exist yet. Prints one line per kind of trial and exits
# non-zero when any trial was silently corrupted.
set -euo pipefail
cd "$(dirname "$0")/.."

TRIALS=200
SEED=1
BUILD=build/release
while [ $# -gt 0 ]; do
  case "$1" in
    --trials) TRIALS=$2; shift 2 ;;
    --seed) SEED=$2; shift 2 ;;
    -h|--help) sed -n '2,24p' "$0"; exit 0 ;;
    *) BUILD=$1; shift ;;
  esac
done

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  bash scripts/setup-deps.sh
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEX_GUI=OFF -DORVEX_BENCH=OFF >/dev/null
fi
cmake --build "$BUILD" --target orvex-extract orvex-mkbackup >/dev/null
EXTRACT=$PWD/$BUILD/bin/orvex-extract
MKBACKUP=$PWD/$BUILD/bin/orvex-mkbackup

WORK=$(mktemp -d /tmp/orvex-acceptance.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
RANDOM=$SEED

# Restores and verifies version 1 of folder $1 into $2; sets RESTORE_RC and
# VERIFY_RC.
restore_and_verify() {
  rm -rf "$2"
  mkdir -p "$2"
  set +e
  "$EXTRACT" restore "$1" --to "$2" --version 1 --threads 1 >/dev/null 2>&1
  RESTORE_RC=$?
  "$EXTRACT" verify "$1" --version 1 --threads 1 >/dev/null 2>&1
  VERIFY_RC=$?
  set -e
}

# A trial on folder copy $1 against the intact restore $2. Adds to the
# counters of the kind named $3.
declare -A DETECTED HARMLESS SILENT TRIALS
judge() {
  local kind=$3
  restore_and_verify "$1" "$WORK/out"
  TRIALS[$kind]=$(( ${TRIALS[$kind]:-0} + 1 ))
  if [ $RESTORE_RC -eq 0 ] && diff -r -q "$2" "$WORK/out" >/dev/null 2>&1; then
    if [ $VERIFY_RC -eq 0 ]; then
      HARMLESS[$kind]=$(( ${HARMLESS[$kind]:-0} + 1 ))
    else
      DETECTED[$kind]=$(( ${DETECTED[$kind]:-0} + 1 )) # verify stricter than needed: loud, not silent
    fi
  elif [ $RESTORE_RC -ne 0 ] && [ $VERIFY_RC -ne 0 ]; then
    DETECTED[$kind]=$(( ${DETECTED[$kind]:-0} + 1 ))
  else
    SILENT[$kind]=$(( ${SILENT[$kind]:-0} + 1 ))
    echo "silent corruption: $kind ($4); restore $RESTORE_RC, verify $VERIFY_RC" >&2
  fi
}

u64le() { od -An -t u8 -j "$2" -N 8 "$1" | tr -d ' '; }

# "vault offset size" of every tvt chunk record of folder $1 (data offsets).
tvt_records() {
  local f off size total
  while IFS= read -r f; do
    total=$(stat -c %s "$f")
    off=0
    while [ $((off + 56)) -le "$total" ]; do
      size=$(u64le "$f" $((off + 16)))
      echo "$f $((off + 56)) $size"
      off=$((off + 56 + size))
    done
  done < <(find "$1/dedup/vault" -name '*.tvt' | sort)
}

flip_byte() { # file offset mask
  local b
  b=$(od -An -t u1 -j "$2" -N 1 "$1" | tr -d ' ')
  printf "\\x$(printf %02x $(( b ^ $3 )))" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

flip_trials() { # password kind
  local pristine="$WORK/pristine-${2// /-}" intact="$WORK/intact-${2// /-}"
  "$MKBACKUP" trellis "$pristine" --versions 1 --files 8 --seed $((SEED + 7)) --no-diff --vaults tvt \
    --chunk 2K-12K --size 300K ${1:+--password "$1"} >/dev/null
  if [ -n "$1" ]; then export ORVEX_PASSWORD=$1; else unset ORVEX_PASSWORD; fi
  restore_and_verify "$pristine" "$intact"
  if [ $RESTORE_RC -ne 0 ] || [ $VERIFY_RC -ne 0 ]; then
    echo "the intact $2 folder does not restore" >&2
    exit 1
  fi
  mapfile -t records < <(tvt_records "$pristine")
  rm -rf "$WORK/trial"
  cp -r "$pristine" "$WORK/trial"
  local i rec vault at size rel
  for ((i = 0; i < TRIALS; i++)); do
    rec=${records[$((RANDOM % ${#records[@]}))]}
    read -r vault at size <<<"$rec"
    rel=${vault#"$pristine"/}
    local pos=$(( (RANDOM * 32768 + RANDOM) % size ))
    flip_byte "$WORK/trial/$rel" $((at + pos)) $((1 << (RANDOM % 8)))
    judge "$WORK/trial" "$intact" "tvt flip, $2" "$rel byte $((at + pos))"
    cp "$pristine/$rel" "$WORK/trial/$rel"
  done
  unset ORVEX_PASSWORD
}

# One descriptor edit on a random file and random rows of the trial folder;
# $1 names the edit. Sets EDITED to the file changed (relative to the folder).
edit_descriptor() {
  local db="$WORK/trial/$DESC"
  # A random file with at least three rows, its row offsets in file order.
  local idx
  idx=${FILES[$((RANDOM % ${#FILES[@]}))]}
  local offs
  mapfile -t offs < <(sqlite3 "$db" "SELECT file_offset FROM filedesc WHERE fd_index=$idx ORDER BY file_offset")
  local n=${#offs[@]} i sql
  i=$((RANDOM % (n - 1))) # a row with a successor
  case $1 in
    "row dropped") sql="DELETE FROM filedesc WHERE fd_index=$idx AND file_offset=${offs[$((RANDOM % n))]}" ;;
    "rows overlap")
      sql="UPDATE filedesc SET file_offset=file_offset-1-($RANDOM % 100) WHERE fd_index=$idx AND file_offset=${offs[$((i + 1))]}" ;;
    "rows swapped")
      # Two neighbours of different lengths trade offsets (with equal lengths
      # that would be a consistent reordering no row check can see).
      local k a b c
      for ((k = 0; k < n - 1; k++)); do
        a=${offs[$(((i + k) % (n - 1)))]}
        b=${offs[$(((i + k) % (n - 1) + 1))]}
        c=${offs[$(((i + k) % (n - 1) + 2))]:-}
        [ -n "$c" ] && [ $((b - a)) -ne $((c - b)) ] && break
      done
      sql="UPDATE filedesc SET file_offset=CASE file_offset WHEN $a THEN $b ELSE $a END WHERE fd_index=$idx AND file_offset IN ($a, $b)" ;;
    "no rows") sql="DELETE FROM filedesc WHERE fd_index=$idx" ;;
    "row at 1 TiB")
      sql="UPDATE filedesc SET file_offset=1099511627776+$RANDOM WHERE fd_index=$idx AND file_offset=${offs[$((RANDOM % n))]}" ;;
    "row repeated")
      sql="INSERT INTO filedesc SELECT * FROM filedesc WHERE fd_index=$idx AND file_offset=${offs[$((RANDOM % n))]}" ;;
  esac
  sqlite3 "$db" "$sql"
  EDITED=$DESC
}

descriptor_trials() {
  local pristine="$WORK/pristine-desc" intact="$WORK/intact-desc"
  "$MKBACKUP" trellis "$pristine" --versions 1 --files 24 --seed $((SEED + 11)) --no-diff --vaults mixed \
    --chunk 2K-12K --size 600K >/dev/null
  restore_and_verify "$pristine" "$intact"
  [ $RESTORE_RC -eq 0 ] && [ $VERIFY_RC -eq 0 ] || { echo "the intact folder does not restore" >&2; exit 1; }
  DESC=$(find "$pristine/filedesc" -name '*.fdv' | sort | head -1)
  DESC=${DESC#"$pristine"/}
  mapfile -t FILES < <(sqlite3 "$pristine/$DESC" "SELECT fd_index FROM filedesc GROUP BY fd_index HAVING count(*) >= 3")
  [ ${#FILES[@]} -gt 0 ] || { echo "no file has three chunk rows: pick another seed" >&2; exit 1; }
  rm -rf "$WORK/trial"
  cp -r "$pristine" "$WORK/trial"
  local name i
  for name in "row dropped" "rows overlap" "rows swapped" "no rows" "row at 1 TiB" "row repeated"; do
    for ((i = 0; i < TRIALS; i++)); do
      edit_descriptor "$name"
      judge "$WORK/trial" "$intact" "$name" "trial $i"
      cp "$pristine/$EDITED" "$WORK/trial/$EDITED"
    done
  done
  # Attribute records cut short of their fields, for random files with data.
  local cat
  cat=$(find "$pristine" -maxdepth 1 -name 'HalvernTrellisSync_full_*.db' | head -1)
  cat=${cat#"$pristine"/}
  for ((i = 0; i < TRIALS; i++)); do
    sqlite3 "$WORK/trial/$cat" "UPDATE history SET attr=substr(attr, 1, $((1 + RANDOM % 23))) WHERE rowid=(SELECT rowid FROM history WHERE is_dir=0 AND fd_vault_id>0 ORDER BY random() LIMIT 1)"
    judge "$WORK/trial" "$intact" "short attribute record" "trial $i"
    cp "$pristine/$cat" "$WORK/trial/$cat"
  done
}

flip_trials "" "no password"
flip_trials "acceptance pass" "encrypted"
descriptor_trials

silent_total=0
for kind in "tvt flip, no password" "tvt flip, encrypted" "row dropped" "rows overlap" "rows swapped" \
  "no rows" "row at 1 TiB" "row repeated" "short attribute record"; do
  printf '%-24s trials %4d  detected %4d  harmless %4d  silent %d\n' "$kind:" "${TRIALS[$kind]:-0}" \
    "${DETECTED[$kind]:-0}" "${HARMLESS[$kind]:-0}" "${SILENT[$kind]:-0}"
  silent_total=$((silent_total + ${SILENT[$kind]:-0}))
done
echo "silent corruptions: $silent_total"
[ $silent_total -eq 0 ]
