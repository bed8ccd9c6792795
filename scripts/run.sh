#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo data and starts the wizard on it.
# The demo alias "OMNIV" points at build/demo/data through a configuration of its own,
# so a real ~/.config/tabulon/aliases.ini is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
demo="$PWD/build/demo"
mkdir -p "$demo/config/tabulon"
# tabrep-demo never overwrites: the demo made by an earlier run is reused as the
# wizard left it, and one left unfinished (no contact table) is made anew.
if [ ! -f "$demo/data/CONTACT.DB" ]; then
    rm -rf "$demo/data"
    build/bin/tabrep-demo "$demo/data"
fi
printf '[OMNIV]\nPATH=%s\n' "$demo/data" > "$demo/config/tabulon/aliases.ini"
export XDG_CONFIG_HOME="$demo/config"
exec build/bin/tabrep
