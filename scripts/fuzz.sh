#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (ASan + UBSan) and runs them one
# after the other, one process each.
#
#   scripts/fuzz.sh [--time SECONDS] [--runs N] [--seed] [--minimize] [HARNESS...]
#
#   --time S     run each harness for S seconds (default 60)
#   --runs N     run each harness for N executions; with --time as well,
#                until whichever comes first
#   --seed       first add the test kit's seeds to fuzz/corpus/<harness>/
#   --minimize   afterwards, replace fuzz/corpus/<harness>/ by the smallest
#                set of inputs (old corpus plus what the run found) that
#                keeps the same coverage
#   HARNESS      names as in fuzz/CMakeLists.txt (default: all)
#
# New inputs go to build/fuzz/found/<harness>/, crashes to
# build/fuzz/crashes/<harness>/; the line "harness: N executions" of each
# run is printed at the end. Exits non-zero when a harness crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

TIME=""
RUNS=""
SEED=0
MINIMIZE=0
HARNESSES=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) TIME=$2; shift 2 ;;
    --runs) RUNS=$2; shift 2 ;;
    --seed) SEED=1; shift ;;
    --minimize) MINIMIZE=1; shift ;;
    -h|--help) sed -n '2,18p' "$0"; exit 0 ;;
    *) HARNESSES+=("$1"); shift ;;
  esac
done
if [ ${#HARNESSES[@]} -eq 0 ]; then
  mapfile -t HARNESSES < <(sed -n 's/^orvex_fuzz_harness(\([a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
fi

bash scripts/setup-deps.sh

BUILD=${ORVEX_FUZZ_BUILD_DIR:-build/fuzz}
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVEX_FUZZ=ON -DORVEX_GUI=OFF -DORVEX_BENCH=OFF >/dev/null
targets=(orvex-fuzz-seeds)
for h in "${HARNESSES[@]}"; do targets+=("fuzz_$h"); done
cmake --build "$BUILD" -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"

if [ $SEED -eq 1 ]; then
  "$BUILD/bin/orvex-fuzz-seeds" fuzz/corpus
fi

# Inputs a harness reads whole: the session harness takes a catalogue and a
# descriptor, the others one record or file.
max_len() { case "$1" in session_restore) echo 262144 ;; vault|chunk_record|vesk_container) echo 131072 ;; *) echo 16384 ;; esac; }

summary=()
failed=0
for h in "${HARNESSES[@]}"; do
  found="$BUILD/found/$h"
  crashes="$BUILD/crashes/$h/"
  mkdir -p "$found" "$crashes" "fuzz/corpus/$h"
  limit=()
  [ -n "$TIME" ] && limit+=(-max_total_time="$TIME")
  [ -n "$RUNS" ] && limit+=(-runs="$RUNS")
  [ ${#limit[@]} -eq 0 ] && limit=(-max_total_time=60)
  log="$BUILD/fuzz-$h.log"
  echo "== $h (${limit[*]})" >&2
  set +e
  "$BUILD/bin/fuzz_$h" "${limit[@]}" -max_len="$(max_len "$h")" -timeout=20 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$crashes" "$found" "fuzz/corpus/$h" >"$log" 2>&1
  rc=$?
  set -e
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  summary+=("$h: ${execs:-?} executions, exit $rc")
  if [ $rc -ne 0 ]; then
    failed=1
    tail -40 "$log" >&2
  fi
  if [ $MINIMIZE -eq 1 ] && [ $rc -eq 0 ]; then
    fresh="$BUILD/minimized/$h"
    rm -rf "$fresh" && mkdir -p "$fresh"
    "$BUILD/bin/fuzz_$h" -merge=1 -max_len="$(max_len "$h")" -timeout=20 "$fresh" "fuzz/corpus/$h" "$found" \
      >"$BUILD/merge-$h.log" 2>&1
    rm -rf "fuzz/corpus/$h" && cp -r "$fresh" "fuzz/corpus/$h"
  fi
done
printf '%s\n' "${summary[@]}"
exit $failed
