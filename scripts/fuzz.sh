#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 60) from the seed corpus, with the dictionary of
# page markers, and fails on the first finding. Needs the sanitize preset (scripts/setup.sh).
# New inputs go to build/sanitize/fuzz-corpus/TARGET; a finding is kept as
# build/sanitize/fuzz-findings/TARGET-crash-... and belongs in the test suite as a regression case.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bin=build/sanitize/fuzz
status=0
for target in direct_link options hooks markers; do
  corpus=build/sanitize/fuzz-corpus/$target
  findings=build/sanitize/fuzz-findings
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$target for ${seconds}s"
  if ! "$bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -dict=fuzz/zelvo.dict -artifact_prefix="$findings/$target-" "$corpus" "fuzz/corpus/$target" \
      2>"$findings/$target.log"; then
    status=1
    tail -40 "$findings/$target.log"
  fi
  grep -E "^stat::number_of_executed_units|^stat::average_exec_per_sec|cov:" "$findings/$target.log" | tail -3
done
exit $status
