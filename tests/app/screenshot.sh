#!/usr/bin/env bash
# Starts the real orvanta under Xvfb on the demo station during a pass, waits
# for its main window, saves a screenshot and ends it through its own
# shutdown (Ctrl+Q, then No to the park question), in the demo's French or,
# with "en", in English. Usage:
#   screenshot.sh BUILD_DIR SOURCE_DIR OUT.png [fr|en]
set -euo pipefail
build=$1 source=$2 out=$3 language=${4:-fr}
work=$(mktemp -d)
xvfb_pid=""
pid=""
# Xvfb's own output is kept: when the display fails, it says why.
xvfb_log() { echo "--- Xvfb log"; cat "$work/xvfb.log" 2>/dev/null || true; }
fail() { echo "$*"; [ -f "$work/log" ] && { echo "--- orvanta log"; cat "$work/log"; }; xvfb_log; exit 1; }
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: by default the server resets when its last client leaves (the
# xdpyinfo below), and a client connecting during the reset is turned away.
Xvfb -displayfd 3 -screen 0 1500x950x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended before giving its display"
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display"
export DISPLAY=":$(cat "$work/display")"
# The display number is written before the server takes clients: the program
# starts only once the server answers.
answered=0
for _ in $(seq 100); do
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended on display $DISPLAY"
  if xdpyinfo >/dev/null 2>&1; then answered=1; break; fi
  sleep 0.1
done
[ "$answered" -eq 1 ] || fail "Xvfb does not answer on display $DISPLAY"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"

sed "s/^Langue=.*/Langue=$language/" "$source/demo/Orvanta.ini" >"$work/Orvanta.ini"
"$build/src/app/orvanta" --station "$source/demo" --settings "$work/Orvanta.ini" \
  --start-time 2026-06-27T07:05:00Z >"$work/log" 2>&1 &
pid=$!

# This machine has no parallel port nor serial lines: the program says so in
# message boxes (title "Orvanta"), which are answered as an operator would.
main=""
quiet=0
for _ in $(seq 120); do
  kill -0 "$pid" 2>/dev/null || fail "orvanta ended early"
  main=$(xdotool search --onlyvisible --name '^Orvanta Rev' 2>/dev/null | head -1 || true)
  boxes=$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null || true)
  for box in $boxes; do xdotool key --window "$box" Return 2>/dev/null || true; done
  if [ -n "$main" ] && [ -z "$boxes" ]; then
    quiet=$((quiet + 1))
    [ "$quiet" -ge 6 ] && break
  else
    quiet=0
  fi
  sleep 0.5
done
[ -n "$main" ] || fail "no main window"

sleep 2
mkdir -p "$(dirname "$out")"
import -window "$main" "$out"
file "$out" | grep -q 'PNG image data' || fail "no screenshot"

xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key ctrl+q
for _ in $(seq 40); do
  for box in $(xdotool search --onlyvisible --name '^(Parkage|Parking)$' 2>/dev/null || true); do
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Escape 2>/dev/null || true
  done
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
kill -0 "$pid" 2>/dev/null && fail "orvanta did not end"
wait "$pid"
pid=""
echo "screenshot: $out"
