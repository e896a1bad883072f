#!/usr/bin/env bash
# Starts the real orvanta under Xvfb on the demo station during a pass, waits
# for its main window, saves a screenshot and ends it through its own
# shutdown (Ctrl+Q, then No to the park question). Usage:
#   screenshot.sh BUILD_DIR SOURCE_DIR OUT.png
set -euo pipefail
build=$1 source=$2 out=$3
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1500x950x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"

cp "$source/demo/Orvanta.ini" "$work/Orvanta.ini"
"$build/src/app/orvanta" --station "$source/demo" --settings "$work/Orvanta.ini" \
  --start-time 2026-06-27T07:05:00Z >"$work/log" 2>&1 &
pid=$!

# This machine has no parallel port nor serial lines: the program says so in
# message boxes (title "Orvanta"), which are answered as an operator would.
main=""
quiet=0
for _ in $(seq 120); do
  kill -0 "$pid" 2>/dev/null || { cat "$work/log"; echo "orvanta ended early"; exit 1; }
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
[ -n "$main" ] || { cat "$work/log"; echo "no main window"; exit 1; }

sleep 2
mkdir -p "$(dirname "$out")"
import -window "$main" "$out"
file "$out" | grep -q 'PNG image data' || { echo "no screenshot"; exit 1; }

xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key ctrl+q
for _ in $(seq 40); do
  for box in $(xdotool search --onlyvisible --name '^Parkage$' 2>/dev/null || true); do
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Escape 2>/dev/null || true
  done
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  echo "orvanta did not end"
  exit 1
fi
wait "$pid"
echo "screenshot: $out"
