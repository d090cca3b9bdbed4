#!/usr/bin/env bash
# Installs the Debian packages given (or the build set when none are given)
# that are not installed yet, as root or through sudo. Does nothing when all
# are there, so it costs nothing on the second run.
set -euo pipefail
pkgs=("$@")
if [ ${#pkgs[@]} -eq 0 ]; then
  pkgs=(g++ cmake ninja-build pkg-config libgtest-dev
        qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n
        qt6-qpa-plugins libgl-dev)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installo: ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
