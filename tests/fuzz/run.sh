#!/bin/sh
# Runs every fuzz target for SECONDS each and prints, per target, the
# executions done and whether it found anything. Exit status 1 on a finding.
# usage: run.sh BUILD_DIR SECONDS
build=$1
seconds=$2
here=$(dirname "$0")
status=0
total=0
passed=0
failed=0
for target in numeric ini batch numbers grid equation explain; do
  work="$build/fuzz-work/$target"
  mkdir -p "$work/corpus" "$work/findings"
  dict=""
  [ -f "$here/$target.dict" ] && dict="-dict=$here/$target.dict"
  # A small quarantine: ASan's default alone would fill the memory limit.
  ASAN_OPTIONS=quarantine_size_mb=16:malloc_context_size=10 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$here/../lsan.supp" \
  "$build/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=256 -malloc_limit_mb=256 \
    -timeout=10 -max_len=4096 -print_final_stats=1 $dict \
    -artifact_prefix="$work/findings/" "$work/corpus" "$here/$target/corpus" \
    > "$work/log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  [ -n "$runs" ] || runs=0
  total=$((total + runs))
  if [ "$rc" -eq 0 ]; then
    echo "fuzz_$target: $runs executions, nothing found"
    passed=$((passed + 1))
  else
    echo "fuzz_$target: $runs executions, FOUND a fault (see $work/log, input in $work/findings/)"
    status=1
    failed=$((failed + 1))
  fi
done
echo "fuzz: $total executions in all"
echo "fuzz: $passed passed, $failed failed"
exit $status
