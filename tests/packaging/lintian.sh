#!/bin/sh
# lintian.sh CPACK BUILD_DIR: makes the Debian package of the build tree as
# `cpack -G DEB` does, into a folder of its own, and runs lintian on it: no error
# and no warning may remain. Skips (77) where lintian is missing.
set -u
cpack="$1"
build="$2"
command -v lintian >/dev/null || exit 77
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log"
  exit 1
}
lintian --fail-on error,warning --tag-display-limit 0 "$out"/*.deb
