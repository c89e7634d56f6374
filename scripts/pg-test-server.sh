#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: a cluster made by initdb in a
# folder of its own, listening on a Unix socket in that folder and on no TCP
# port, with trust authentication for the local socket only.
#
#   scripts/pg-test-server.sh start DIR   make and start the cluster in DIR
#   scripts/pg-test-server.sh stop DIR    stop it and remove DIR
#   scripts/pg-test-server.sh restart DIR stop it at once (as a crash would)
#                                         and start it again, its data kept
#   scripts/pg-test-server.sh run CMD…    a cluster in a temporary folder for
#                                         the length of CMD, stopped at exit
#
# While it runs, DIR/url holds the book address the program takes
# (postgresql://USER@/qarvoip?host=DIR) and CMD sees it in QARVOIP_TEST_PG.
# Exits 3 when no PostgreSQL server binaries are installed, so callers can
# say the tests were skipped rather than failed.
set -euo pipefail

bindir() {
  local dir
  for dir in /usr/lib/postgresql/*/bin; do
    [ -x "$dir/initdb" ] && [ -x "$dir/pg_ctl" ] && { echo "$dir"; return 0; }
  done
  return 1
}

# initdb and the server refuse to run as root: they then run as the
# postgres account the server package creates.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

owner_name() { [ "$(id -u)" -eq 0 ] && echo postgres || id -un; }

start() { # DIR
  local dir=$1 bin
  bin=$(bindir) || { echo "pg-test-server: no PostgreSQL server binaries installed" >&2; exit 3; }
  mkdir -p "$dir"
  [ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
  as_owner "$bin/initdb" -D "$dir/data" -U "$(owner_name)" --auth=trust --no-sync -E UTF8 \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  # listen_addresses='' : the socket only, never a TCP port.
  as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off -c max_connections=200" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  as_owner "$bin/createdb" -h "$dir" -U "$(owner_name)" qarvoip
  echo "postgresql://$(owner_name)@/qarvoip?host=$dir" >"$dir/url"
  chmod a+r "$dir/url"
  cat "$dir/url"
}

stop() { # DIR
  local dir=$1 bin
  bin=$(bindir) || exit 0
  [ -d "$dir/data" ] && as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

restart() { # DIR
  local dir=$1 bin
  bin=$(bindir) || { echo "pg-test-server: no PostgreSQL server binaries installed" >&2; exit 3; }
  as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 -m immediate restart >/dev/null \
    || { cat "$dir/server.log" >&2; exit 1; }
}

case "${1:-}" in
  start) start "${2:?a folder}" ;;
  restart) restart "${2:?a folder}" ;;
  stop) stop "${2:?a folder}" ;;
  run)
    shift
    dir=$(mktemp -d /tmp/qarvoip-pg.XXXXXX)
    trap 'stop "$dir"' EXIT
    QARVOIP_TEST_PG=$(start "$dir")
    export QARVOIP_TEST_PG
    "$@"
    ;;
  *) echo "usage: $0 start DIR | stop DIR | restart DIR | run COMMAND…" >&2; exit 2 ;;
esac
