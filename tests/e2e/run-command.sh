#!/usr/bin/env bash
# The README's run command as a new user meets it: no display, and a Wine prefix that
# does not exist yet. The launcher's window must show on the virtual display, the
# screenshot must show it (not a black screen), and the launcher must go on running.
set -uo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
log="$work/run.log"
run_pid=""
finish() {
  if [ -n "$run_pid" ]; then
    kill -TERM "$run_pid" 2>/dev/null
    wait "$run_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "run command: $*"
  sed 's/^/  run.sh: /' "$log"
  exit 1
}

# stopped at the end, it ends the launcher, its Wine server and its display
env -u DISPLAY SKYLARK_WINEPREFIX="$work/prefix" "$repo_root/scripts/run.sh" >"$log" 2>&1 &
run_pid=$!
for _ in $(seq 1 3000); do
  grep -q "^screenshot of the launcher" "$log" && break
  kill -0 "$run_pid" 2>/dev/null || fail "ended before it took the screenshot"
  sleep 0.1
done
grep -q "^screenshot of the launcher" "$log" || fail "no screenshot within 300 s"

display=$(sed -n 's/^no display: running on the virtual display //p' "$log")
shot=$(sed -n 's/^screenshot of the launcher: //p' "$log")
[ -n "$display" ] || fail "did not say which virtual display it used"
DISPLAY=$display xdotool search --onlyvisible --name '^Orbavel' >/dev/null ||
  fail "no launcher window on $display"
brightest=$(convert "$shot" -format '%[fx:maxima]' info:)
[ "$brightest" != 0 ] || fail "the screenshot $shot is black"
kill -0 "$run_pid" 2>/dev/null || fail "the launcher ended after its screenshot"
echo "run command: the launcher showed on a fresh prefix and its screenshot is not black"
