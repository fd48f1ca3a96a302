#!/usr/bin/env bash
# Line coverage of the plug-in's own sources (plugin/), once under the test suite and once under
# the fuzz corpus (the seeds, and what scripts/fuzz.sh has found since in build/sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset coverage >/dev/null
cmake --build --preset coverage >/dev/null
bin=build/coverage
profiles=$bin/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
objects=("$bin/tests/zelvo_tests")
for target in direct_link options hooks; do objects+=(-object "$bin/fuzz/fuzz_$target"); done
sources=(plugin/*.cpp plugin/BaseUtils/*.cpp)

report() {  # name, profile files...
  local name=$1
  shift
  llvm-profdata-14 merge -sparse "$@" -o "$profiles/$name.profdata"
  echo "== line coverage of plugin/ under $name"
  llvm-cov-14 report "${objects[@]}" -instr-profile="$profiles/$name.profdata" "${sources[@]}" |
    awk 'BEGIN { printf "%-32s %8s %8s %8s\n", "file", "lines", "missed", "cover" }
         /^TOTAL/ || /\.cpp/ { printf "%-32s %8s %8s %8s\n", $1, $8, $9, $10 }'
}

LLVM_PROFILE_FILE="$profiles/suite-%p.profraw" "$bin/tests/zelvo_tests" --gtest_brief=1 >/dev/null
report suite "$profiles"/suite-*.profraw
for target in direct_link options hooks; do
  LLVM_PROFILE_FILE="$profiles/fuzz-$target-%p.profraw" "$bin/fuzz/fuzz_$target" -runs=0 \
    "fuzz/corpus/$target" $(ls -d "build/sanitize/fuzz-corpus/$target" 2>/dev/null) >/dev/null 2>&1
done
report fuzzers "$profiles"/fuzz-*.profraw
