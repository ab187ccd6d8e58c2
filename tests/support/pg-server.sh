#!/usr/bin/env bash
# A private PostgreSQL server for end-to-end scripts, the counterpart of
# PgServer.h: a cluster in DIR reached only through a Unix socket in DIR.
#
#   pg-server.sh start DIR   makes the cluster on first use, starts it, prints
#                            the URL of its database "echolon"
#   pg-server.sh stop DIR    a clean shutdown
#   pg-server.sh kill DIR    an immediate shutdown, as if it crashed
#
# The server outlives the script: a caller stops it in its exit trap. As root
# it runs as the postgres user, who then owns DIR. Exit status 77 (skipped)
# when the server is not installed.
set -euo pipefail

usage() { echo "usage: $0 start|stop|kill DIR" >&2; exit 2; }
[ $# -eq 2 ] || usage
action=$1
mkdir -p "$2"
dir=$(cd "$2" && pwd)
port=5432

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bin" ] || [ ! -x "$bin/pg_ctl" ]; then
  echo "$0: the PostgreSQL server is not installed (no /usr/lib/postgresql/*/bin/pg_ctl)" >&2
  exit 77
fi

as_server=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$dir"
  as_server=(runuser -u postgres --)
fi
pg() { (cd "$dir" && "${as_server[@]}" "$@"); }

case $action in
start)
  if [ ! -f "$dir/data/PG_VERSION" ]; then
    pg "$bin/initdb" -D "$dir/data" -U echolon --auth=trust -E UTF8 --locale=C --no-sync >"$dir/initdb.log" 2>&1 ||
      { cat "$dir/initdb.log" >&2; exit 1; }
    pg tee -a "$dir/data/postgresql.conf" >/dev/null <<EOF
listen_addresses = ''
unix_socket_directories = '$dir'
port = $port
max_connections = 200
fsync = off
full_page_writes = off
EOF
  fi
  pg "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null ||
    { tail -n 20 "$dir/server.log" >&2; exit 1; }
  pg "$bin/psql" -h "$dir" -p $port -U echolon -d postgres -qAt \
    -c "SELECT 1 FROM pg_database WHERE datname = 'echolon'" | grep -q 1 ||
    pg "$bin/createdb" -h "$dir" -p $port -U echolon echolon
  encoded=$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1], safe=""))' "$dir")
  echo "postgresql://echolon@/echolon?host=$encoded&port=$port"
  ;;
stop) pg "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 60 stop >/dev/null ;;
kill) pg "$bin/pg_ctl" -D "$dir/data" -m immediate -w -t 60 stop >/dev/null ;;
*) usage ;;
esac
