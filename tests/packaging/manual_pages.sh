#!/bin/sh
# manual_pages.sh PAGE...: each page renders without a warning from man and groff,
# as lintian checks them. Skips (77) where man is missing.
set -u
command -v man >/dev/null || exit 77
status=0
for page in "$@"; do
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  if [ -n "$warnings" ]; then
    printf '%s:\n%s\n' "$page" "$warnings"
    status=1
  fi
done
exit $status
