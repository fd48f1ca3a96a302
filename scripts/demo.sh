#!/usr/bin/env bash
# A short demonstration on the built native preset: the service emulator on a free loopback port,
# a handful of links resolved through zelvo-host with the job log, then the emulator stopped.
# Nothing here leaves loopback; configuration and downloads go to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/native
work=$(mktemp -d)
service_out="$work/service.out"
"$bin/service/zelvo-service" --port 0 --quiet >"$service_out" &
service=$!
trap 'kill "$service" 2>/dev/null; wait "$service" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do grep -q listening "$service_out" && break; sleep 0.1; done
address=$(sed -n 's/^listening on //p' "$service_out")
echo "== the emulated service listens on $address; its scenarios:"
"$bin/service/zelvo-service" --list | sed 's/^/   /'

export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
run() {
  echo
  echo "== zelvo-host $*"
  local code=0
  "$bin/host/zelvo-host" --service-at "$address" "$@" >"$work/answer" 2>"$work/log" || code=$?
  sed 's/^/   log:    /' "$work/log"
  sed 's/^/   answer: /' "$work/answer"
  echo "   exit $code"
}
site=http://zelvodisk.example/disk
run --download "$work/downloads" resolve "$site/public.html"
run resolve "http://черепаха7@zelvodisk.example/disk/password.html"
run --captcha-answer 3816 resolve "$site/captcha.html"
run resolve "$site/deleted.html"
mkdir -p "$XDG_CONFIG_HOME/zelvo-host"
printf '[ZelvoDiskTrumo]\nNoDiscard_b=0\n' >"$XDG_CONFIG_HOME/zelvo-host/options.ini"
echo
echo "== mirror b is ruled out from here on: the next page names it, so the plug-in loads the page again"
run resolve "$site/public.html"
echo
echo "== downloaded: $(ls "$work/downloads")"
