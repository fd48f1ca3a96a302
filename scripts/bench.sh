#!/usr/bin/env bash
# Builds the native preset and runs the benchmark of whole jobs; the last table holds the ratios
# (a job to one memchr pass over its page, to glibc's iconv for UTF-8 pages, and an adversarial
# page to its plain counterpart), each from the fastest of three repetitions. Extra arguments go
# to Google Benchmark and come after the default, so --benchmark_repetitions=1 gives a quick run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target zelvo_bench
exec build/native/bench/zelvo_bench --benchmark_repetitions=3 "$@"
