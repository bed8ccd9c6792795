#!/bin/sh
# installed_tree.sh CMAKE BUILD_DIR: the installed tree holds what the desktop and
# Debian's tools look for, each where they look.
set -u
cmake="$1"
build="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
status=0
for file in bin/tabrep bin/tabrep-demo share/applications/tabrep.desktop \
            share/icons/hicolor/scalable/apps/tabrep.svg share/metainfo/invalid.tabrep.tabrep.metainfo.xml \
            share/man/man1/tabrep.1.gz share/man/man1/tabrep-demo.1.gz \
            share/doc/tabrep/copyright share/doc/tabrep/changelog.Debian.gz; do
  [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
exit $status
