#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test: the
# core and window tests, then the core tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer. Window tests need no X server.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=${VT_JOBS:-2}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" --timeout 300)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTARO_GUI=OFF -DVANTARO_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
   ctest --output-on-failure -j"$jobs" --timeout 600)
echo "Tutti i test superati."
