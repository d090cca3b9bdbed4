#!/usr/bin/env bash
# Builds Vantaro (installing what is missing) and opens it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# The players: the desktop opener and mpv for the side-by-side view.
scripts/install-deps.sh xdg-utils mpv
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target vantaro
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "Vantaro: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non impostati)." >&2
  echo "Il programma è compilato in build/vantaro: avviarlo da una sessione grafica." >&2
  exit 1
fi
exec build/vantaro
