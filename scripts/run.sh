#!/usr/bin/env bash
# Starts the desktop program from the build folder: scripts/run.sh BUILD_DIR [FILE.hkp]
#
# By default it runs the demo: the tester simulator kestrel-sim plays a "Kestrel 2" with a few
# stored series (different scales and materials, some hidden measurements) and a new impact every
# few seconds, and SCLERON_SERIAL_PORTS points COM1 at it, so "Connect device" finds it at once.
# SCLERON_DEMO=0 runs the program on the machine's own serial ports instead, where a real tester
# is found. Without a display the same runs headless: scleron-cli downloads the tester's memory
# and prints its table on the terminal, as text and as CSV; SCLERON_WATCH=1 then logs the tester's
# live impacts with scleron-cli watch until Ctrl+C. The simulator ends with this script.
set -euo pipefail

build=${1:-build}
shift || true
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
demo=${SCLERON_DEMO:-1}
impact_every_ms=${SCLERON_DEMO_IMPACT_MS:-6000}

app="$build/app/scleron"
cli="$build/tools/cli/scleron-cli"
sim="$build/tools/kestrel-sim/kestrel-sim"

work=$(mktemp -d "${TMPDIR:-/tmp}/scleron-run.XXXXXX")
sim_pid=""

cleanup() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_demo_tester() {
  # Standard input stays open on a pipe nobody writes to: the simulator runs until it is told to
  # end. Its first line of output is the pseudo-terminal's path.
  mkfifo "$work/sim.in"
  "$sim" --model kestrel2 --serial K2-DEMO-0001 --hkp "$here/demo/demo-memory.hkp" \
    --impact-every "$impact_every_ms" <"$work/sim.in" >"$work/sim.out" 2>"$work/sim.err" &
  sim_pid=$!
  exec 3>"$work/sim.in"
  local path=""
  for _ in $(seq 200); do
    if IFS= read -r path <"$work/sim.out" 2>/dev/null && [ -n "$path" ]; then
      break
    fi
    if ! kill -0 "$sim_pid" 2>/dev/null; then
      break
    fi
    path=""
    sleep 0.05
  done
  if [ -z "$path" ]; then
    echo "The demo tester (kestrel-sim) did not start:" >&2
    cat "$work/sim.err" >&2
    exit 1
  fi
  export SCLERON_SERIAL_PORTS="$path"
  echo "Demo tester \"Kestrel 2 K2-DEMO-0001\" on COM1 ($path); a real tester instead: SCLERON_DEMO=0 make run" >&2
}

if [ "$demo" != "0" ]; then
  start_demo_tester
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running headless with scleron-cli (download, then the table as text and as CSV)." >&2
  echo "For the window: run it on a desktop session, or under xvfb-run -a make run." >&2
  "$cli" download -o "$work/download.hkp"
  "$cli" export "$work/download.hkp"
  echo >&2
  echo "The same measurements as CSV (scleron-cli export FILE.hkp --format csv):" >&2
  "$cli" export "$work/download.hkp" --format csv
  if [ "${SCLERON_WATCH:-0}" != "0" ]; then
    echo >&2
    echo "Watching the tester's live impacts (scleron-cli watch); Ctrl+C ends:" >&2
    trap '' INT # Ctrl+C is the watch's to end; this script then stops the simulator
    "$cli" watch || true
  fi
  exit 0
fi

if [ -n "$sim_pid" ]; then
  echo "Choose \"Connect device\": a new impact arrives every $((impact_every_ms / 1000)) s." >&2
fi
# Not exec: the simulator is stopped when the program has ended. The program runs in the
# background so that a signal to this script reaches it too.
"$app" "$@" &
app_pid=$!
trap 'kill -TERM "$app_pid" 2>/dev/null || true' INT TERM
status=0
wait "$app_pid" || status=$?
while kill -0 "$app_pid" 2>/dev/null; do
  status=0
  wait "$app_pid" || status=$?
done
exit "$status"
