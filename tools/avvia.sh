#!/usr/bin/env bash
# Sets up the machine, builds Klavo and starts it.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/tools/prepara.sh"
"$radice/tools/compila.sh"
exec "${KLAVO_BUILD:-$radice/build}/klavo" "$@"
