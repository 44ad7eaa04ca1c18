#!/bin/sh
# A throw-away PostgreSQL server for the tests, living entirely in one folder:
#   test-server.sh start FOLDER   initdb in FOLDER/data, listen on a free port of 127.0.0.1 and on a socket in
#                                 FOLDER, and write the server's location to FOLDER/location
#   test-server.sh stop FOLDER    stop it and remove FOLDER
# PostgreSQL refuses to run as root: when the tests run as root, the server runs as the system user
# kelvora-test, made when missing.
set -eu

command=${1:-}
folder=${2:-}
if [ -z "$command" ] || [ -z "$folder" ]; then
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
fi

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ]; then
    echo "$0: PostgreSQL is not installed (package postgresql)" >&2
    exit 1
fi

server_user=kelvora-test
as_server() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u "$server_user" -- "$@"
    else
        "$@"
    fi
}

stop() {
    if [ -f "$folder/data/postmaster.pid" ]; then
        as_server "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder"
}

case "$command" in
start)
    stop
    mkdir -p "$folder"
    if [ "$(id -u)" -eq 0 ]; then
        id -u "$server_user" >/dev/null 2>&1 ||
            useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$server_user"
        chown "$server_user" "$folder"
    fi
    as_server "$bindir/initdb" -D "$folder/data" -U kelvora --auth=trust --encoding=UTF8 --locale=C.UTF-8 \
        --no-sync >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
    # Nothing here must outlive a test run: no durability, no waiting for the disk.
    # A port of its own: tried from a spread start until the server gets one nothing else listens on.
    port=$((20000 + $$ % 20000))
    tries=0
    until as_server "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
        -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off \
-c full_page_writes=off -c max_connections=200" start >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -ge 20 ]; then
            cat "$folder/server.log" >&2
            exit 1
        fi
        port=$((port + 1))
    done
    echo "postgresql://kelvora@127.0.0.1:$port/postgres" >"$folder/location"
    echo "PostgreSQL test server on port $port"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
    ;;
esac
