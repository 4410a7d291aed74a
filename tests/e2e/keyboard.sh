#!/usr/bin/env bash
# One keyboard-only path through the real windows, as a user without a mouse takes it:
# the event menu opens the category manager, which adds a category through its prompt;
# the event menu then opens the editor, which adds an event of today in that category.
# Arguments: the database file and the program's process id. DISPLAY is set.
set -euo pipefail
db=$1
pid=$2
wait_window() { xdotool search --sync --onlyvisible --pid "$pid" --name "$1" >/dev/null; }
focus() { xdotool windowfocus --sync "$(xdotool search --onlyvisible --pid "$pid" --name "$1" | tail -n1)"; }
keys() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.3; }
wait_for() { # SQL, expected value
  for _ in $(seq 100); do [ "$(sqlite3 "$db" "$1")" = "$2" ] && return 0; sleep 0.1; done
  echo "expected $2 from: $1, got $(sqlite3 "$db" "$1")"
  [ -n "${SHOT:-}" ] && import -window root "$SHOT"
  return 1
}

wait_window '^Marlune$'
focus '^Marlune$'

# Event menu, then the category command; the manager adds a category.
keys alt+e c
wait_window '^カテゴリー$'
keys alt+a
wait_window '追加するカテゴリー名'
xdotool type --delay 60 Family; sleep 0.2
keys Return
wait_for "SELECT name FROM categories;" Family
# Without a window manager nobody hands the focus back when a window closes.
focus '^カテゴリー$'
keys alt+c

# Event menu, then the add command; the editor starts on today in Add mode.
sleep 0.5
focus '^Marlune$'
keys alt+e a
wait_window '^イベント$'
focus '^イベント$'
keys Tab Tab Tab
xdotool type --delay 60 Smoke; sleep 0.2
keys Tab Down alt+a
wait_for "SELECT COUNT(*) FROM events WHERE title = 'Smoke';" 1
focus '^Marlune$'
keys Return # the message that the event was added
wait_for "SELECT categories.name FROM events JOIN categories ON categories.id = events.category_id;" Family
sleep 0.5
