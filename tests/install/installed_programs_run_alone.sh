#!/usr/bin/env bash
# Installs the build into a temporary prefix (DESTDIR), hides the build and source trees in a
# mount namespace of this test alone, and runs the installed programs: each must find its data
# through its own prefix.  Usage: installed_programs_run_alone.sh BUILD_DIR SOURCE_DIR WITH_WINDOW
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
with_window=$3

stage=$(mktemp -d /tmp/quillan-install.XXXXXX)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /opt/quillan >"$stage/install.log"
prefix="$stage/opt/quillan"

# What a package carries besides the programs, placed for this prefix.
expected=(share/quillan/quillan.sqlite share/man/man1/quillan-cli.1.gz share/man/man1/quillan-dataservice.1.gz
          share/doc/quillan/copyright share/doc/quillan/changelog.gz share/doc/quillan/nginx/quillan.conf
          lib/systemd/system/quillan-dataservice.service etc/quillan/dataservice.ini)
if [ "$with_window" = ON ]; then
  expected+=(share/man/man1/quillan.1.gz share/applications/quillan.desktop share/icons/hicolor/scalable/apps/quillan.svg
             share/icons/hicolor/256x256/apps/quillan.png share/metainfo/io.github.quillan.Quillan.metainfo.xml)
fi
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || { echo "FAILED: the install lacks $file" >&2; exit 1; }
done
grep -qx "ExecStart=/opt/quillan/bin/quillan-dataservice --config %d/dataservice.ini" \
  "$prefix/lib/systemd/system/quillan-dataservice.service" || { echo "FAILED: the unit's ExecStart" >&2; exit 1; }
grep -q "^LoadCredential=dataservice.ini:/opt/quillan/etc/quillan/dataservice.ini$" \
  "$prefix/lib/systemd/system/quillan-dataservice.service" || { echo "FAILED: the unit's settings file" >&2; exit 1; }
[ "$(stat -c %a "$prefix/etc/quillan/dataservice.ini")" = 600 ] || { echo "FAILED: the settings are not root's only" >&2; exit 1; }
if [ "$with_window" = ON ]; then
  # The PNG's header: width and height, 256 each.
  [ "$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/256x256/apps/quillan.png" | tr -s ' ')" = " 0 0 1 0 0 0 1 0" ] ||
    { echo "FAILED: the bitmap icon is not 256 x 256" >&2; exit 1; }
fi

# Inside the namespace: the trees are empty folders; everything else is as it was.
unshare --mount --map-root-user bash -s "$prefix" "$build" "$source" "$with_window" <<'INNER'
set -euo pipefail
prefix=$1 build=$2 source=$3 with_window=$4
mount -t tmpfs tmpfs "$build"
mount -t tmpfs tmpfs "$source"
if [ -n "$(ls -A "$build")" ] || [ -n "$(ls -A "$source")" ]; then
  echo "the build and source trees are still visible" >&2
  exit 1
fi
fail() { echo "FAILED: $*" >&2; exit 1; }
bin="$prefix/bin"

"$bin/quillan-cli" --version | grep -qx "quillan-cli [0-9.]*" || fail "quillan-cli --version"

score=$("$bin/quillan-cli" score 李 明华) || fail "quillan-cli score 李 明华"
# 李 7, 明 8, 华 14 strokes: the 人格 is 15.
grep -q "15" <<<"$score" || fail "the score of 李明华 lacks its grids: $score"

generated=$("$bin/quillan-cli" generate --surname 李 --mode self-chosen --chars 明华 --format tsv \
  --year 2013 --month 5 --day 20 --hour 10) || fail "quillan-cli generate"
grep -q "李明华" <<<"$generated" || fail "generate gave no 李明华: $generated"

# The data service with its default database and pages, on a free port.
log="$prefix/service.log"
"$bin/quillan-dataservice" --listen 127.0.0.1:0 --key q,w,e,r,t,y,u,i,o,p,a >"$log" 2>&1 &
service=$!
trap 'kill $service 2>/dev/null || true' EXIT
port=""
for _ in $(seq 100); do
  port=$(sed -n 's/.*(port \([0-9]*\)).*/\1/p' "$log")
  [ -n "$port" ] && break
  kill -0 $service 2>/dev/null || fail "the data service ended: $(cat "$log")"
  sleep 0.1
done
[ -n "$port" ] || fail "the data service did not say its port: $(cat "$log")"
get() {
  exec 3<>"/dev/tcp/127.0.0.1/$port"
  printf 'GET %s HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n' "$1" >&3
  cat <&3
  exec 3<&-
}
health=$(get /health)
grep -q "^HTTP/1.1 200" <<<"$health" || fail "health: $health"
grep -q '"zzdcx":[1-9]' <<<"$health" || fail "health without dictionary rows: $health"
page=$(get /tovka/mszs/mszs/sslj.htm)
grep -q "^HTTP/1.1 200" <<<"$page" || fail "the content page sslj.htm: $(head -1 <<<"$page")"
kill $service
wait $service || true

if [ "$with_window" = ON ]; then
  "$bin/quillan" --version | grep -qx "quillan [0-9.]*" || fail "quillan --version"
  QT_QPA_PLATFORM=offscreen "$bin/quillan" --check || fail "quillan --check"
fi
echo "the installed programs ran without the build and source trees"
INNER
