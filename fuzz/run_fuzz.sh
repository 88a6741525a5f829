#!/bin/sh
# Runs every fuzz harness of a fuzz build one after another, each for
# FUZZ_SECONDS (60 unless set), from its seed corpus in fuzz/corpus/ and a
# working corpus that grows in the build folder. Ends non-zero when any
# harness crashed, leaked, timed out or ran out of memory, after naming the
# harness and the reproducer the fuzzer kept. One line per run goes to
# <build>/fuzz/runs.log: harness, seconds it ran, executions, result.
#   fuzz/run_fuzz.sh BUILD_DIR [HARNESS...]
set -u
build=${1:?usage: run_fuzz.sh BUILD_DIR [HARNESS...]}
shift
seconds=${FUZZ_SECONDS:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
  set -- $(cat "$source_dir/fuzz/harnesses.txt")
fi

failed=""
for harness in "$@"; do
  program="$build/fuzz/fuzz_$harness"
  work="$build/fuzz/work/$harness"
  artifacts="$build/fuzz/artifacts/$harness"
  mkdir -p "$work" "$artifacts"
  echo "== $harness: $seconds s"
  started=$(date +%s)
  # An input may take 10 s and 256 MB at most: a reader never needs more for
  # a file of a few kilobytes.
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$source_dir/fuzz/corpus/$harness" \
    >"$work.log" 2>&1
  status=$?
  ran=$(($(date +%s) - started))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work.log" | tail -n 1)
  if [ $status -eq 0 ]; then
    result=ok
  else
    reproducer=$(ls -t "$artifacts"/* 2>/dev/null | head -n 1)
    result="FAILED (exit $status) reproducer: ${reproducer:-none}, log: $work.log"
    failed="$failed $harness"
    grep -m 3 -E "ERROR|SUMMARY|fuzz check failed|deadly signal|timeout|out-of-memory" "$work.log"
  fi
  echo "$harness: $ran s, ${runs:-?} executions: $result"
  printf '%s\t%s\t%s\t%s\n' "$harness" "$ran" "${runs:-?}" "$result" >>"$build/fuzz/runs.log"
done

if [ -n "$failed" ]; then
  echo "fuzzing found problems in:$failed (reproducers in $build/fuzz/artifacts/)"
  exit 1
fi
echo "fuzzing found nothing"
