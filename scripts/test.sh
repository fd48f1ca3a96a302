#!/usr/bin/env bash
# Runs every test: the native suite (end to end over loopback included), the same suite under
# valgrind and under AddressSanitizer and UndefinedBehaviorSanitizer (with the fuzz corpus once),
# the suite under Wine against the real Win32 calls, and the check of the 32-bit DLL. Needs a
# build from scripts/setup.sh.
set -uo pipefail
cd "$(dirname "$0")/.."

status=0
for preset in native valgrind sanitize win64 win32; do
  echo "== $preset"
  ctest --preset "$preset" || status=1
done
exit $status
