#!/usr/bin/env bash
# Installs the build into a fresh staging folder as a package would: DESTDIR=STAGE, prefix /usr.
#   install-into-stage.sh BUILD_DIR STAGE
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: install-into-stage.sh BUILD_DIR STAGE" >&2; exit 1; }
rm -rf "$2"
DESTDIR="$2" cmake --install "$1" --prefix /usr >/dev/null
echo "installed into $2"
