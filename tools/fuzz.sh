#!/usr/bin/env bash
# Runs libFuzzer targets built in <fuzz build dir> for <seconds> each, two at
# a time, and prints one line per target. Each target grows its corpus in
# <fuzz build dir>/work/<target>, seeded from fuzz/corpus/<target>; what it
# finds lands in <fuzz build dir>/artifacts/<target>/. Fails when a target
# found a crash, a leak or a broken property.
#   tools/fuzz.sh <fuzz build dir> <seconds> [target...]
set -uo pipefail
dir=$1; seconds=$2; shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for b in "$dir"/fuzz_*; do [ -x "$b" ] && targets+=("${b##*/fuzz_}"); done
fi

run_one() {
  local t=$1 bin="$dir/fuzz_$1"
  if [ ! -x "$bin" ]; then echo "fuzz $t: not built ($bin)"; return 1; fi
  mkdir -p "$dir/work/$t" "$dir/artifacts/$t"
  local log="$dir/artifacts/$t/last.log" extra=()
  # Jet files are page-sized: let the mutations keep whole seeds.
  [ "$t" = jet_reader ] && extra=(-max_len=140000)
  "$bin" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$dir/artifacts/$t/" "${extra[@]}" \
      "$dir/work/$t" "$root/fuzz/corpus/$t" >/dev/null 2>"$log"
  local rc=$?
  local runs execs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  if [ $rc -eq 0 ]; then
    echo "fuzz $t: ${runs:-?} runs in ${seconds} s, ${execs:-?} exec/s, nothing found"
  else
    echo "fuzz $t: FOUND a fault after ${runs:-?} runs (exit $rc); input and log in $dir/artifacts/$t/"
    grep -m3 -E "ERROR|SUMMARY|runtime error" "$log"
  fi
  return $rc
}

status=0
pids=()
for t in "${targets[@]}"; do
  run_one "$t" &
  pids+=($!)
  if [ ${#pids[@]} -ge 2 ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || status=1; done
exit $status
