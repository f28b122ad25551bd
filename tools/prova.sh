#!/usr/bin/env bash
# Sets up the machine, builds Klavo and runs every test headless.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
"$radice/tools/prepara.sh"
"$radice/tools/compila.sh"
cd "${KLAVO_BUILD:-$radice/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
