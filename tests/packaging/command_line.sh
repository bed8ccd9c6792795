#!/bin/sh
# tabrep PROGRAM VERSION: --help, -h and --version answer in a terminal without a
# display; any other argument gets the usage on standard error and status 2;
# without a display the program says that it needs one and ends with status 1.
set -u
program="$1"
version="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out/stdout" 2>"$out/stderr"
  echo $?
}
# The same on a German desktop.
run_german() {
  LANGUAGE=de LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 run "$@"
}
fail() {
  echo "$1"
  cat "$out/stdout" "$out/stderr"
  exit 1
}
[ "$(run --version)" = 0 ] && [ "$(cat "$out/stdout")" = "tabrep $version" ] && [ ! -s "$out/stderr" ] ||
  fail "--version"
for help in --help -h; do
  [ "$(run "$help")" = 0 ] && grep -q "aliases.ini" "$out/stdout" && [ ! -s "$out/stderr" ] || fail "$help"
done
[ "$(run --no-such-option)" = 2 ] && grep -q "^Usage: tabrep" "$out/stderr" && [ ! -s "$out/stdout" ] ||
  fail "--no-such-option"
[ "$(run)" = 1 ] && grep -q "^tabrep: no display could be opened" "$out/stderr" &&
  ! grep -q "Reinstalling" "$out/stderr" || fail "without a display"
# In German: the help, the usage and the missing display in German, the version as it is.
[ "$(run_german --help)" = 0 ] && grep -q "^Aufruf: tabrep" "$out/stdout" && grep -q "aliases.ini" "$out/stdout" ||
  fail "--help in German"
[ "$(run_german --no-such-option)" = 2 ] && grep -q "^Aufruf: tabrep" "$out/stderr" || fail "usage in German"
[ "$(run_german --version)" = 0 ] && [ "$(cat "$out/stdout")" = "tabrep $version" ] || fail "--version in German"
[ "$(run_german)" = 1 ] && grep -q "^tabrep: Es ließ sich kein Bildschirm öffnen" "$out/stderr" ||
  fail "without a display in German"
