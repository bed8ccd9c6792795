#!/bin/sh
# installed_tree.sh CMAKE BUILD_DIR VERSION: the installed tree holds what the
# desktop and Debian's tools look for, each where they look, and the changelog,
# the metadata and the manual pages name the version being built.
set -u
cmake="$1"
build="$2"
version="$3"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
status=0
for file in bin/tabrep bin/tabrep-demo bin/tabrep-report share/applications/tabrep.desktop \
            share/icons/hicolor/scalable/apps/tabrep.svg share/metainfo/invalid.tabrep.tabrep.metainfo.xml \
            share/man/man1/tabrep.1.gz share/man/man1/tabrep-demo.1.gz share/man/man1/tabrep-report.1.gz \
            share/doc/tabrep/copyright share/doc/tabrep/changelog.Debian.gz share/tabrep/tabrep.hlp \
            share/tabrep/tabrep_de.hlp; do
  [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
gzip -dc "$prefix/share/doc/tabrep/changelog.Debian.gz" | head -n 1 | grep -qF "tabrep ($version-" ||
  { echo "the changelog's latest entry is not version $version"; status=1; }
grep -qF "<release version=\"$version\"" "$prefix"/share/metainfo/*.metainfo.xml ||
  { echo "the metadata's latest release is not version $version"; status=1; }
for page in "$prefix"/share/man/man1/*.1.gz; do
  gzip -dc "$page" | head -n 1 | grep -qF "\"tabrep $version\"" || { echo "$page is not of version $version"; status=1; }
done
exit $status
