#!/usr/bin/env bash
# The whole program against the simulated instrument, driven through its
# windows as a user would (see drive.py for the steps and the checks).
#
#   tests/e2e/run.sh BIN_DIR                          # BIN_DIR holds echolon and echolon-sim
#   ECHOLON_E2E_KEEP=1 tests/e2e/run.sh build/bin     # keep the work folder
#   ECHOLON_E2E_SIM_ARGS= tests/e2e/run.sh build/bin  # simulator without --pace: ~10 s instead of ~55
#
# Starts a virtual X display here; drive.py runs inside its own session bus and
# starts the window manager, the simulator and the program.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${1:?usage: run.sh BIN_DIR}
bin=$(cd "$bin" && pwd)

fail() {
  echo "e2e: $*" >&2
  exit 1
}

for b in echolon echolon-sim; do
  [ -x "$bin/$b" ] || fail "$bin/$b is missing; build first"
done
for tool in Xvfb dbus-run-session openbox xdotool xprop import pdftotext; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/install-deps.sh"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing; run scripts/install-deps.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/echolon-e2e.XXXXXX")
xvfb_pid=
cleanup() {
  status=$?
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  if [ "$status" -eq 0 ] && [ -z "${ECHOLON_E2E_KEEP:-}" ]; then
    rm -rf "$work"
  else
    echo "e2e: logs, screenshots and the program folder are in $work" >&2
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display number of its own, so a second X server on the machine does no harm.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display in 20 s"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

# The program's settings, library registration and print dialog defaults stay in the work folder.
export HOME="$work/user"
export XDG_CONFIG_HOME="$work/user/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER

dbus-run-session -- /usr/bin/python3 "$here/drive.py" --bin "$bin" --work "$work"
