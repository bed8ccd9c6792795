#!/bin/sh
# tabrep-demo PROGRAM VERSION: --help, -h and --version answer and make nothing;
# an unknown option is refused with status 2; a folder that holds one of the
# files the demo writes is refused with status 2, naming it, and left as it was.
set -u
program="$1"
version="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cd "$out" || exit 1
run() {
  "$program" "$@" >stdout 2>stderr
  echo $?
}
fail() {
  echo "$1"
  cat stdout stderr
  exit 1
}
[ "$(run --version)" = 0 ] && [ "$(cat stdout)" = "tabrep-demo $version" ] && [ ! -s stderr ] || fail "--version"
for help in --help -h; do
  [ "$(run "$help")" = 0 ] && grep -q "^Usage: tabrep-demo" stdout && [ ! -s stderr ] || fail "$help"
done
[ "$(run --no-such-option data)" = 2 ] && grep -q "^Usage: tabrep-demo" stderr && [ ! -s stdout ] ||
  fail "--no-such-option"
[ "$(echo $(ls))" = "stderr stdout" ] || fail "an option made a folder: $(ls)"

[ "$(run data 3)" = 0 ] || fail "first run"
before="$(cat data/* | cksum)"
[ "$(run data 3)" = 2 ] && grep -q "data/.* already exists" stderr || fail "second run into the same folder"
[ "$(cat data/* | cksum)" = "$before" ] || fail "the second run changed the demo data"

mkdir mine && echo "my own report" > mine/phonelst.rpt && echo "my contacts" > mine/contact.db
[ "$(run mine 3)" = 2 ] && grep -q "mine/\(phonelst.rpt\|contact.db\) already exists" stderr || fail "a user's files"
[ "$(echo $(ls mine))" = "contact.db phonelst.rpt" ] && [ "$(cat mine/phonelst.rpt)" = "my own report" ] ||
  fail "the user's folder was changed: $(ls mine)"
