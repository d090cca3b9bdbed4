#!/usr/bin/env bash
# Makes docs/main-window.png: the program's main window under a virtual X
# server, as a user sees it. Usage: scripts/screenshot.sh [tab-index]
set -euo pipefail
cd "$(dirname "$0")/.."
tab=${1:-0}
scripts/install-deps.sh xvfb xauth xdotool imagemagick
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target vantaro
work=$(mktemp -d)
cp build/vantaro "$work/"
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
# A small collection to look at: sparse files, so the sizes are real ones.
films="$work/home/Film"
mkdir -p "$films/Saghe/Il Signore degli Anelli" "$films/Da vedere"
for f in "Alien (1979).avi:734003200" "Blade Runner - CD1.avi:702545920" "Blade Runner - CD2.avi:699400192" \
         "C'era una volta il West.avi:1468006400" "La dolce vita [DVD].avi:4508876800" "Metropolis.avi:524288000" \
         "Nuovo Cinema Paradiso.avi:1073741824" "Otto e mezzo.avi:786432000"; do
  truncate -s "${f##*:}" "$films/${f%:*}"
done
HOME="$work/home/Film" "$work/vantaro" &
app=$!
for _ in $(seq 50); do
  win=$(xdotool search --name "Vantaro - Quadrel" 2>/dev/null | head -n1 || true)
  [ -n "$win" ] && break
  sleep 0.2
done
[ -n "${win:-}" ] || { echo "the window did not open" >&2; exit 1; }
sleep 1
for _ in $(seq "$tab"); do xdotool key --window "$win" ctrl+Tab; sleep 0.3; done
mkdir -p docs
import -window root "docs/main-window$( [ "$tab" = 0 ] && echo "" || echo "-$tab").png"
echo "docs/main-window$( [ "$tab" = 0 ] && echo "" || echo "-$tab").png"
