#!/usr/bin/env bash
# Configures and builds Klavo into build/ (or the folder in KLAVO_BUILD).
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
build="${KLAVO_BUILD:-$radice/build}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KLAVO_TIPO:-RelWithDebInfo}" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
