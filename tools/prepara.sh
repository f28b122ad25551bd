#!/usr/bin/env bash
# Installs what Klavo needs to build and test on Debian 12, when it is missing.
set -euo pipefail

pacchetti=(build-essential cmake ninja-build ccache qt6-base-dev qt6-base-dev-tools libgl-dev
    xvfb xauth)

mancanti=()
for p in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done

if ((${#mancanti[@]})); then
    echo "Installazione dei pacchetti mancanti: ${mancanti[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${mancanti[@]}"
fi
