#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo data and starts the wizard on it.
# The demo alias "OMNIV" points at build/demo/data through a configuration of its own,
# so a real ~/.config/tabulon/aliases.ini is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
demo="$PWD/build/demo"
mkdir -p "$demo/data" "$demo/config/tabulon"
[ -f "$demo/data/CONTACT.DB" ] || build/bin/tabrep-demo "$demo/data"
printf '[OMNIV]\nPATH=%s\n' "$demo/data" > "$demo/config/tabulon/aliases.ini"
export XDG_CONFIG_HOME="$demo/config"
exec build/bin/tabrep
