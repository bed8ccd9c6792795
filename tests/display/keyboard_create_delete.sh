#!/usr/bin/env bash
# The program on a real X display (Xvfb, no window manager), driven from the
# keyboard only: opens help, creates a report with two picked fields, checks the
# file it writes, then deletes the report through the selection dialog and checks
# that the file is gone.
#
# usage: keyboard_create_delete.sh TABREP TABREP_DEMO
# Exits 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail

tabrep="${1:?usage: keyboard_create_delete.sh TABREP TABREP_DEMO}"
demo="${2:?usage: keyboard_create_delete.sh TABREP TABREP_DEMO}"
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

step() { echo "[$SECONDS s] $*"; }
fail() {
  echo "FAIL: $*" >&2
  if [ -s "$work/tabrep.log" ]; then echo "--- program output:" >&2; cat "$work/tabrep.log" >&2; fi
  exit 1
}

# Runs a command until it succeeds, for at most $1 seconds.
poll() {
  local limit=$1; shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program ended"; }

# The id of the visible window with exactly this title, waiting up to 30 s.
window_named() {
  local id
  id="$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)" || true
  if [ -z "$id" ]; then
    no_window_named "Error" || fail "an error box appeared instead of the window \"$1\""
    fail "no window \"$1\" appeared"
  fi
  echo "$id"
}

no_window_named() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null; }

# Gives the keyboard to the window titled $1 (there is no window manager to do it).
focus() {
  alive
  local id
  id="$(window_named "$1")"
  xdotool windowfocus --sync "$id"
}

keys() { alive; xdotool key --delay 60 "$@"; }

# Waits until the window titled $1 has closed, and fails on an error box.
closed() {
  poll 30 no_window_named "$1" || fail "the window \"$1\" did not close"
  no_window_named "Error" || fail "the program showed an error box"
}

# Ends the program from the keyboard: Exit, then Yes.
exit_program() {
  focus "Tabulon Personal"
  keys alt+x
  focus "Information"
  keys Return
  poll 30 sh -c "! kill -0 $app_pid" || fail "the program did not end after Exit and Yes"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

start_program() {
  "$tabrep" >>"$work/tabrep.log" 2>&1 &
  app_pid=$!
  focus "Tabulon Personal"
}

# A display of our own: Xvfb picks a free number and writes it to fd 3 once it listens.
step "starting Xvfb"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
poll 30 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

# A fresh alias directory with the demo data and a configuration of its own.
data="$work/data"
mkdir -p "$data" "$work/config/tabulon" "$work/runtime"
chmod 700 "$work/runtime"
"$demo" "$data" 30
printf '[OMNIV]\nPATH=%s\n' "$data" > "$work/config/tabulon/aliases.ini"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

step "starting the program on $DISPLAY"
start_program

# Help finds its file beside the program and shows the first page's topic; Enter closes it.
step "opening help"
keys alt+h
focus "Help"
keys Return
closed "Help"
focus "Tabulon Personal"

step "creating a report"
# Pages 0 to 2 with their defaults: create; contact ordered; contact information only.
keys Return Return Return
# Page 3 gives the description edit the keyboard.
xdotool type --delay 60 "Keyboard Report"
# Page 4 with its default (US portrait, 75); page 5 has the keyboard on the checked
# "Yes, use Detail Level": the arrow turns "No" on.
keys Return Return Down Return
# Page 6 has the keyboard on the contact pick list, on its first entry (CustomID):
# the arrows move, the space bar ticks LastName and Company.
keys Down Down Down Down space Down Down space
# Pages 7 to 9 with their defaults: this order, two columns, the default widths.
keys Return Return Return Return
# Page 10 has the keyboard on the field list (LastName): its header becomes
# "Surname" and it gets dot leaders.
keys Tab ctrl+a
xdotool type --delay 60 "Surname"
keys Tab space
keys alt+m
focus "Save Report File"
xdotool type --delay 60 "kbdrep"
keys Return
closed "Save Report File"
focus "Information"
keys Return
closed "Information"

report="$data/kbdrep.rpt"
poll 30 test -s "$report" || fail "no report file was written"
step "checking $report"
dots=".............................."
printf '%s\r\n' "Keyboard Report" Contact Contact 75 2 \
  0 "$dots" "" Surname LastName 1 1 37 FALSE FALSE FALSE FALSE FALSE \
  0 "" "" Company Company 1 38 74 FALSE FALSE FALSE FALSE FALSE > "$work/expected.rpt"
cmp "$work/expected.rpt" "$report" || {
  diff <(tr -d '\r' <"$work/expected.rpt") <(tr -d '\r' <"$report") >&2 || true
  fail "the report file differs from the expected one"
}

step "ending and restarting the program"
exit_program
start_program

step "deleting the report"
# Page 0: the delete option (its mnemonic, then the space bar, which turns it on
# at once), then Next opens the selection dialog.
keys alt+d space Return
focus "Select A Report"
# The list is in the order of the descriptions, the first row selected:
# Calendar of Events, Call Report, Keyboard Report, Phone List.
keys Down Down Return
# Deleting is asked as a warning whose default is No: Alt+Y answers Yes. The
# deletion is then confirmed in an information box.
focus "Warning"
keys alt+y
closed "Warning"
focus "Information"
keys Return
closed "Information"
closed "Select A Report"
poll 30 sh -c "! test -e '$report'" || fail "the report file is still there"
for kept in calendar.rpt callrpt.rpt phonelst.rpt; do
  [ -s "$data/$kept" ] || fail "the sample report $kept went missing"
done

exit_program
step "passed"
