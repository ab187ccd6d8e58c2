#!/usr/bin/env bash
# Every test that starts a program ends it again. Around a phase of tests:
#   scripts/check-processes.sh list >FILE          before: the programs of those names running now
#   scripts/check-processes.sh check FILE PHASE    after: fails naming those the phase left running
# Counted are the program, the simulator and the tests' helpers (echolon*),
# the virtual display and its window manager, session bus and accessibility
# services, and the tests' PostgreSQL servers; and of these only the ones that
# this run started: not running before, and either in the caller's session or
# carrying ECHOLON_RUN_MARK as set here, for one that left the session.
# Those found are listed, then killed, so that the next phase starts clean.
set -euo pipefail

names='^(echolon.*|Xvfb|openbox|dbus-daemon|at-spi.*|postgres|initdb)$'
session=$(ps -o sid= -p $$ | tr -d ' ')

# pid, session and name of each running (not zombie) program of those names.
matching() {
  ps -eo pid=,sid=,stat=,comm= | awk -v names="$names" '$3 !~ /^Z/ && $4 ~ names { print $1, $2, $4 }'
}

ours() {
  local pid=$1 sid=$2
  [ "$sid" = "$session" ] && return 0
  [ -n "${ECHOLON_RUN_MARK:-}" ] &&
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "ECHOLON_RUN_MARK=$ECHOLON_RUN_MARK"
}

# The programs of this run still running, as "pid name" lines.
left() {
  local before=$1 pid sid comm
  while read -r pid sid comm; do
    grep -qx "$pid" "$before" && continue
    ours "$pid" "$sid" && echo "$pid $comm"
  done < <(matching)
  return 0
}

case ${1:-} in
list)
  matching | cut -d' ' -f1
  ;;
check)
  before=${2:?usage: check-processes.sh check FILE PHASE}
  phase=${3:?usage: check-processes.sh check FILE PHASE}
  # A program being ended (a server's shutdown, say) may take a moment.
  for _ in $(seq 1 100); do
    [ -z "$(left "$before")" ] && exit 0
    sleep 0.1
  done
  stray=$(left "$before")
  [ -z "$stray" ] && exit 0
  echo "$phase left programs running that its tests started and did not end:" >&2
  while read -r pid _; do
    ps -o pid=,ppid=,etime=,args= -p "$pid" >&2 || true
    echo "    in $(readlink "/proc/$pid/cwd" 2>/dev/null || echo '?')" >&2
  done <<<"$stray"
  while read -r pid _; do kill -KILL "$pid" 2>/dev/null || true; done <<<"$stray"
  exit 1
  ;;
*)
  echo "usage: check-processes.sh list | check FILE PHASE" >&2
  exit 2
  ;;
esac
