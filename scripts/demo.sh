#!/usr/bin/env bash
# make demo: the program talking to the simulated instrument.
#
# Starts echolon-sim on a pseudo-terminal, makes a fresh program folder whose
# settings send port 1 to that terminal without asking for the port first,
# runs the program on it and stops the simulator when the program exits.
#
#   scripts/demo.sh [BUILD_DIR]
#   SIM_ARGS="--pace" make demo        # answers at the real 9600 bit/s
#   ECHOLON_DEMO_HOME=~/demo make demo # keep the program folder there
set -euo pipefail

build=${1:-build}
sim_bin="$build/bin/echolon-sim"
program="$build/bin/echolon"
for b in "$sim_bin" "$program"; do
  if [ ! -x "$b" ]; then
    echo "demo: $b is missing; build first (make build)" >&2
    exit 1
  fi
done

keep=1
home=${ECHOLON_DEMO_HOME:-}
if [ -z "$home" ]; then
  home=$(mktemp -d "${TMPDIR:-/tmp}/echolon-demo.XXXXXX")
  keep=0
fi
mkdir -p "$home"
home=$(cd "$home" && pwd)
link="$home/instrument"
sim_out="$home/sim.out"
sim_pid=

cleanup() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -f "$link"
  if [ "$keep" = 0 ]; then rm -rf "$home"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

rm -f "$link"
# shellcheck disable=SC2086 # SIM_ARGS holds several options
"$sim_bin" --link "$link" ${SIM_ARGS:-} >"$sim_out" 2>&1 &
sim_pid=$!

# The simulator prints its device on its first line once the link is in place.
for _ in $(seq 1 100); do
  if [ -L "$link" ] && [ -s "$sim_out" ]; then break; fi
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "demo: the simulator did not start:" >&2
    cat "$sim_out" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -L "$link" ]; then
  echo "demo: the simulator gave no device in time" >&2
  exit 1
fi

# Port 1 opens the device that DeviceName names; a name without %d is taken as it is.
settings="$home/Echolon.v41"
touch "$settings"
awk -v link="$link" '
  function put() { print "PortNum=1"; print "Show=0"; print "DeviceName=" link; done = 1 }
  /^\[/ { section = $0 }
  section == "[COM]" && /^(PortNum|Show|DeviceName)=/ { next }
  { print }
  $0 == "[COM]" { put() }
  END { if (!done) { print "[COM]"; put() } }
' "$settings" >"$settings.new"
mv "$settings.new" "$settings"

echo "demo: instrument on $(head -n1 "$sim_out") (linked as $link)"
echo "demo: program folder $home"
echo "demo: press Connect in the main window to see the instrument's waveforms"

# The library registration goes to the demo folder too, not to the user's own.
export XDG_CONFIG_HOME="$home/config"
set +e
"$program" --home "$home"
status=$?
set -e
exit $status
