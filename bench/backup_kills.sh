#!/bin/sh
# Kills backups of an office at random moments and checks what is left in the backup folder: every file with
# a backup's final name passes the engine's check, and the backups of earlier days are unchanged byte for byte.
#   bench/backup_kills.sh KELVORA_DB OFFICE [KILLS]
# OFFICE is an office file or a server location; KILLS defaults to 100. Needs sqlite3 and sha1sum.
set -eu
tool=$1
office=$2
kills=${3:-100}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

start=$(date +%s%N)
"$tool" backup "$office" "$folder" >/dev/null
duration_ms=$(( ($(date +%s%N) - start) / 1000000 ))
first=$(ls "$folder"/kelvora-*.mdb)
# Backups of three earlier days, which no backup of today may touch.
for day in 1 2 3; do
    cp "$first" "$folder/kelvora-$(date -d "-$day day" +%Y-%m-%d-%H%M%S).mdb"
done
sha1sum "$folder"/kelvora-*.mdb | grep -v "$(basename "$first")" >"$folder.earlier"

bad=0
completed=0
i=0
while [ "$i" -lt "$kills" ]; do
    i=$((i + 1))
    "$tool" backup "$office" "$folder" >/dev/null 2>&1 &
    pid=$!
    delay_ms=$(shuf -i 0-$((duration_ms + 20)) -n 1)
    sleep "$(awk "BEGIN { print $delay_ms / 1000 }")"
    if kill -KILL "$pid" 2>/dev/null; then :; else completed=$((completed + 1)); fi
    wait "$pid" 2>/dev/null || true
    for file in "$folder"/kelvora-*.mdb "$folder"/data.mdb; do
        [ -e "$file" ] || continue
        result=$(sqlite3 -readonly "$file" "PRAGMA integrity_check" 2>&1 | head -1)
        if [ "$result" != "ok" ]; then
            echo "kill $i: $(basename "$file") fails its check: $result"
            bad=$((bad + 1))
        fi
    done
    if ! sha1sum --quiet -c "$folder.earlier" >/dev/null 2>&1; then
        echo "kill $i: an earlier backup changed"
        bad=$((bad + 1))
    fi
done
"$tool" backup "$office" "$folder" >/dev/null
left=$(ls -A "$folder" | grep -c '^kelvora-backup' || true)
rm -f "$folder.earlier"
echo "$kills kills ($completed backups finished before their kill, one backup ${duration_ms} ms):" \
    "$bad faults, $left temporary files left after the next backup"
[ "$bad" -eq 0 ] && [ "$left" -eq 0 ]
