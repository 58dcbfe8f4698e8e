#!/usr/bin/env bash
# Restore speed side by side, on a disk file system, in one sitting:
#   orvex-extract restore --threads 1 / 2, orvex-extract verify --threads 1 / 2,
#   the composed codec pipeline (bench_pipeline: read + XXH64 + GCM + zstd +
#   buffered write of the same chunks; 1 and 2 threads, with and without the
#   write), `cp -r` of the restored tree, and two other backup tools (restic,
#   borgbackup) backing the restored tree up into a fresh repository and
#   restoring it from there.
# Every tool runs once per round, round after round, each into a fresh target
# on the same file system; the figures are medians over the rounds, and the
# ratios compare runs of this same sitting, so a shared machine's load falls
# on both sides of each ratio.
#
# Sets (written by orvex-mkbackup, ovt vaults, zstd like real folders):
#   large    1 GiB in 2,000 files, zstd + AES-256-GCM, 48-80 KiB chunks
#   spread   1 GiB in 20,000 files, sizes from bytes to MB (median ~3 KB), zstd
#   small2k, small20k, small200k   2,000 / 20,000 / 200,000 files of 4 KiB, zstd
#
# Usage: bench/side-by-side.sh [--scale F] [--rounds N] [--sets a,b,...]
#                              [--build DIR] [--work DIR] [--no-others]
#   --scale F    multiplies every size and file count (0.1 for a quick run)
#   --rounds N   rounds (default 5)
#   --build DIR  a Release build with orvex-extract, orvex-mkbackup and
#                bench_pipeline (default build/rel)
#   --work DIR   where folders and targets go (default /var/tmp/orvex-side-by-side);
#                must be a disk file system, not tmpfs
#   --no-others  leave restic and borg out (they are installed with apt-get
#                when missing, for this script only)
#   --report-only  print the tables again from the logs a run left in --work
set -euo pipefail

scale=1 rounds=5 sets=large,spread,small2k,small20k,small200k others=1 report_only=0
build=build/rel work=/var/tmp/orvex-side-by-side
while [ $# -gt 0 ]; do
  case $1 in
    --scale) scale=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --sets) sets=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --no-others) others=0; shift ;;
    --report-only) report_only=1; shift ;;
    -h|--help) sed -n '2,29p' "$0"; exit 0 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
bin=$(cd "$build/bin" && pwd)
# A copied build (say, the one before a change) finds its own libraries first.
[ -d "$build/lib" ] && export LD_LIBRARY_PATH=$(cd "$build/lib" && pwd)${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
for exe in orvex-extract orvex-mkbackup bench_pipeline; do
  [ -x "$bin/$exe" ] || { echo "build $exe first: cmake --build $build --target $exe" >&2; exit 1; }
done
mkdir -p "$work"
work=$(cd "$work" && pwd)
fstype=$(df --output=fstype "$work" | tail -1 | tr -d ' ')
case $fstype in
  tmpfs|ramfs|devtmpfs) echo "$work is on $fstype: give --work a folder on a disk file system" >&2; exit 1 ;;
esac
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 1; }
if [ "$others" = 1 ] && ! { command -v restic && command -v borg; } >/dev/null; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq restic borgbackup >/dev/null
fi

export ORVEX_PASSWORD="side by side" RESTIC_PASSWORD="side by side" BORG_PASSPHRASE="side by side"
export BORG_BASE_DIR="$work/borg-home" RESTIC_CACHE_DIR="$work/restic-cache"

# scaled N: at least 1
sc() { awk -v n="$1" -v f="$scale" 'BEGIN { v = int(n * f + 0.5); print (v < 1 ? 1 : v) }'; }

# Writes set $1 into $work/sets/$1 unless the same options wrote it before.
make_set() {
  local name=$1 dir=$work/sets/$1 args
  case $name in
    large) args="--files $(sc 2000) --size $(sc 1073741824) --chunk 48K-80K --password side-by-side-pw" ;;
    spread) args="--files $(sc 20000) --size $(sc 1073741824) --sizes spread" ;;
    small2k) args="--files $(sc 2000) --sizes fixed --size $(( $(sc 2000) * 4096 ))" ;;
    small20k) args="--files $(sc 20000) --sizes fixed --size $(( $(sc 20000) * 4096 ))" ;;
    small200k) args="--files $(sc 200000) --sizes fixed --size $(( $(sc 200000) * 4096 ))" ;;
    *) echo "unknown set $name" >&2; exit 2 ;;
  esac
  args="trellis $dir --versions 1 --no-diff --vaults ovt --compress zstd --seed 7 $args"
  if [ "$(cat "$dir.args" 2>/dev/null)" != "$args" ]; then
    rm -rf "$dir" "$dir.args"
    mkdir -p "$work/sets"
    echo "writing $name: orvex-mkbackup $args" >&2
    "$bin/orvex-mkbackup" $args >/dev/null
    echo "$args" > "$dir.args"
  fi
  case $name in large) echo side-by-side-pw ;; *) echo "" ;; esac > "$dir.pw"
}

# run LABEL CMD...: one timed run; appends "label wall user sys maxrss_kib" to $log.
# A command may print "seconds=S" (bench_pipeline): then S is its wall time.
run() {
  local label=$1; shift
  sync
  /usr/bin/time -f "%e %U %S %M" -o "$work/time.out" "$@" > "$work/run.out" 2> "$work/run.err" || {
    echo "$label failed: $*" >&2; cat "$work/run.err" >&2; exit 1; }
  local t; read -r wall user sys rss < <(tail -1 "$work/time.out")
  t=$(grep -o 'seconds=[0-9.]*' "$work/run.out" | cut -d= -f2 || true)
  echo "$label ${t:-$wall} $user $sys $rss" >> "$log"
}

bench_set() {
  local name=$1 folder=$work/sets/$1 pw out=$work/out/$1
  pw=$(cat "$folder.pw")
  export ORVEX_PASSWORD=$pw
  log=$work/$name.log; : > "$log"
  rm -rf "$out"; mkdir -p "$out"
  # The tree the other tools start from, and the bytes every figure counts.
  "$bin/orvex-extract" restore "$folder" --to "$out/reference" --threads 2 > /dev/null
  local bytes files
  bytes=$(find "$out/reference" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')
  files=$(find "$out/reference" -type f | wc -l)
  echo "$bytes $files" > "$work/$name.meta"
  for r in $(seq 1 "$rounds"); do
    local t=$out/r$r; mkdir -p "$t"
    run orvex-t1 "$bin/orvex-extract" restore "$folder" --to "$t/orvex-t1" --threads 1
    run pipeline-t1 "$bin/bench_pipeline" "$folder" "$t/pipeline-t1" 1
    run orvex-t2 "$bin/orvex-extract" restore "$folder" --to "$t/orvex-t2" --threads 2
    run pipeline-t2 "$bin/bench_pipeline" "$folder" "$t/pipeline-t2" 2
    run cp-r cp -r "$out/reference" "$t/cp"
    run verify-t1 "$bin/orvex-extract" verify "$folder" --threads 1
    run pipeline-read-t1 "$bin/bench_pipeline" "$folder" - 1 --no-write
    run verify-t2 "$bin/orvex-extract" verify "$folder" --threads 2
    run pipeline-read-t2 "$bin/bench_pipeline" "$folder" - 2 --no-write
    if [ "$others" = 1 ] && [[ $name != small* ]]; then
      restic init --repo "$t/restic-repo" > /dev/null 2>&1
      run restic-backup restic --repo "$t/restic-repo" backup "$out/reference"
      run restic-restore restic --repo "$t/restic-repo" restore latest --target "$t/restic-out"
      borg init --encryption=repokey-blake2 "$t/borg-repo" > /dev/null 2>&1
      run borg-create borg create --compression zstd "$t/borg-repo::a" "$out/reference"
      (cd "$t" && mkdir borg-out && cd borg-out && run borg-extract borg extract "$t/borg-repo::a")
    fi
    rm -rf "$t"
  done
  rm -rf "$out"
  report "$name"
}

# Medians per label, then the table and the ratios.
report() {
  local name=$1 bytes files
  read -r bytes files < "$work/$name.meta"
  echo
  echo "## $name: $files files, $(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MiB, medians of $rounds rounds (df: $fstype)"
  awk -v bytes="$bytes" '
    function median(list,   n, a, i, j, t) {
      n = split(list, a, " ")
      for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { if (!($1 in wall)) order[++k] = $1
      wall[$1] = wall[$1] " " $2; cpu[$1] = cpu[$1] " " ($3 + $4); rss[$1] = rss[$1] " " $5 }
    END {
      printf "| %-16s | %9s | %8s | %7s | %9s |\n", "run", "seconds", "MB/s", "CPU s", "peak MiB"
      printf "|------------------|-----------|----------|---------|-----------|\n"
      for (i = 1; i <= k; i++) {
        l = order[i]; w[l] = median(wall[l])
        printf "| %-16s | %9.3f | %8.1f | %7.2f | %9.1f |\n", l, w[l], bytes / 1e6 / w[l], median(cpu[l]), median(rss[l]) / 1024
      }
      print ""
      split("orvex-t1:pipeline-t1 orvex-t2:pipeline-t2 orvex-t1:cp-r orvex-t2:cp-r orvex-t2:orvex-t1 " \
            "verify-t1:pipeline-read-t1 verify-t2:pipeline-read-t2 orvex-t1:restic-restore orvex-t1:borg-extract " \
            "orvex-t2:restic-restore orvex-t2:borg-extract orvex-t1:restic-backup orvex-t1:borg-create", pairs, " ")
      for (i = 1; i <= length(pairs); i++) {
        split(pairs[i], ab, ":")
        if ((ab[1] in w) && (ab[2] in w))
          printf "speed %-15s / %-16s = %.2f\n", ab[1], ab[2], w[ab[2]] / w[ab[1]]
      }
      # CPU seconds are steadier than wall time on a shared machine.
      for (i = 1; i <= length(pairs); i++) {
        split(pairs[i], ab, ":")
        if ((ab[1] in w) && (ab[2] in w) && median(cpu[ab[2]]) > 0)
          printf "cpu   %-15s / %-16s = %.2f\n", ab[1], ab[2], median(cpu[ab[1]]) / median(cpu[ab[2]])
      }
    }' "$work/$name.log"
}

if [ "$report_only" = 1 ]; then
  for s in ${sets//,/ }; do [ -f "$work/$s.log" ] && report "$s"; done
  exit 0
fi
echo "# side by side: scale $scale, $rounds rounds, work $work ($fstype), $(nproc) cores"
echo "# load before: $(uptime)"
for s in ${sets//,/ }; do make_set "$s"; done
for s in ${sets//,/ }; do bench_set "$s"; done
echo
echo "# load after: $(uptime)"
