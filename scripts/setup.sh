#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing:
# libqt6svg6 draws the program's icon; dpkg-dev gives the hardening flags and, with
# file, the package's dependencies; man-db, appstream and lintian check the manual
# pages, the AppStream metadata and the Debian package; qt6-l10n-tools (lupdate,
# lrelease) makes the translations, and qt6-translations-l10n holds Qt's own;
# poppler-utils (pdftotext) reads back the PDF that tabrep-report preview writes.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev pxlib-dev pkgconf fonts-liberation
          xvfb xdotool dbus at-spi2-core python3-pyatspi libqt6svg6 dpkg-dev file man-db appstream lintian
          qt6-l10n-tools qt6-translations-l10n poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
