#!/usr/bin/env bash
# Character lookups per second against the standalone quillan-dataservice on loopback, with wrk
# (a bench-only package: apt-get install wrk):
#   1. lookups: wrk -t2 -c32 -d10s POSTing cloaked bodies (a fresh permutation per body);
#   2. ceiling: the same wrk against the clock answer of the same server (a trivial fixed reply);
#   3. memory: the server's RSS before and after 1,000,000 lookups.
# Usage (the build target runs it): service_wrk.sh SERVICE BODIES DATABASE
set -euo pipefail
service="$1" bodies_tool="$2" database="$3"
command -v wrk >/dev/null || { echo "wrk is missing: apt-get install wrk"; exit 0; }
work="$(mktemp -d)"
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

echo "database: $database"
key="q,w,e,r,t,y,u,i,o,p,a"
"$service" --listen 127.0.0.1:0 --db "$database" --key "$key" >"$work/service.out" &
pid=$!
for _ in $(seq 100); do grep -q 'port ' "$work/service.out" 2>/dev/null && break; sleep 0.05; done
port="$(sed -n 's/.*(port \([0-9]*\)).*/\1/p' "$work/service.out")"
"$bodies_tool" "$key" "华李明小发儿" 1000 >"$work/bodies.txt"

cat >"$work/lookup.lua" <<LUA
local bodies = {}
for line in io.lines("$work/bodies.txt") do bodies[#bodies + 1] = line end
local i = 0
wrk.method = "POST"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
request = function()
  i = i % #bodies + 1
  return wrk.format(nil, nil, nil, bodies[i])
end
LUA

rss() { awk '/VmRSS/ {print $2 " kB"}' "/proc/$pid/status"; }
echo "== lookups (cloaked POST, whitelisted query, SQLite, cloaked reply)"
wrk -t2 -c32 -d10s --latency -s "$work/lookup.lua" "http://127.0.0.1:$port/Velmora.asp"
echo "== ceiling (clock answer of the same server)"
wrk -t2 -c32 -d10s --latency "http://127.0.0.1:$port/Velmora.asp?C=3"
echo "== memory over 1,000,000 lookups"
echo "RSS before: $(rss)"
total=0
while [ "$total" -lt 1000000 ]; do
  done_now="$(wrk -t2 -c32 -d10s -s "$work/lookup.lua" "http://127.0.0.1:$port/Velmora.asp" | awk '/requests in/ {print $1}')"
  total=$((total + done_now))
done
echo "requests: $total"
echo "RSS after:  $(rss)"
kill -TERM "$pid"
wait "$pid" || true
