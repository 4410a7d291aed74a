#!/usr/bin/env bash
# Starts the real Marlune under Xvfb with a data home of its own, waits until it has
# made its database, drives one keyboard path through the real windows, ends it with
# SIGTERM and checks that it closed the normal way: exit status 0 and the settings stored.
set -euo pipefail
program=$1
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A display of its own: Xvfb picks a free number and tells it on a file descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
db="$XDG_DATA_HOME/Ovenna/Marlune/Marlune.db"
count() { sqlite3 "$db" "$1" 2>/dev/null || echo -1; }

"$program" >"$work/app.log" 2>&1 &
app_pid=$!
for _ in $(seq 200); do
  [ "$(count "SELECT COUNT(*) FROM sqlite_master WHERE name IN ('categories','events','settings','index_events_on_date','index_events_on_date_ind');")" = 5 ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended at start-up: $(cat "$work/app.log")"
  sleep 0.1
done
[ "$(count "SELECT COUNT(*) FROM sqlite_master WHERE type IN ('table','index') AND name NOT LIKE 'sqlite_%';")" = 5 ] \
  || fail "the database has not its three tables and two indexes"
[ "$(count "SELECT COUNT(*) FROM settings;")" = 0 ] || fail "start-up wrote settings"

if [ -x "$(dirname "$0")/keyboard.sh" ] && command -v xdotool >/dev/null; then
  "$(dirname "$0")/keyboard.sh" "$db" "$app_pid" || fail "the keyboard path did not work"
fi

kill -TERM "$app_pid"
status=0
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after SIGTERM"
wait "$app_pid" || status=$?
app_pid=
[ "$status" = 0 ] || fail "exit status $status after SIGTERM: $(cat "$work/app.log")"
[ "$(count "SELECT COUNT(*) FROM settings;")" = 8 ] || fail "the close did not store the eight settings"
