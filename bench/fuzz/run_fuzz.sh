#!/bin/sh
# Builds the films.txt / name-rule fuzzer with clang's libFuzzer and the
# address and undefined-behaviour sanitizers, straight from the core sources
# it needs, and runs it for SECONDS seconds (default 60).
#   bench/fuzz/run_fuzz.sh 120
# Output and corpus go to $VT_FUZZ_BUILD (default: build-fuzz beside src/).
# A crash leaves its input as crash-* in that folder.
set -eu
seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=${VT_FUZZ_BUILD:-$repo/build-fuzz}
cxx=${CXX_FUZZ:-clang++}
mkdir -p "$out/corpus"

src="$repo/src"
"$cxx" -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$src" -o "$out/films_fuzz" \
    "$here/films_fuzz.cpp" \
    "$src/archive/FilmArchive.cpp" "$src/archive/TitleKey.cpp" \
    "$src/rename/NameTransforms.cpp" \
    "$src/platform/Regional.cpp" "$src/platform/DateTime.cpp" \
    "$src/platform/TextCodec.cpp" "$src/platform/Files.cpp" "$src/platform/Error.cpp"

# Seeds: the test archives. Inputs may grow past the 10000-character cut of
# a line, but start small: long inputs slow every run down.
for f in "$repo"/tests/data/archive/*/films.txt; do
    cp "$f" "$out/corpus/seed-$(basename "$(dirname "$f")")"
done

cd "$out"
exec ./films_fuzz -max_total_time="$seconds" -max_len=12000 -dict="$here/films.dict" \
    -print_final_stats=1 corpus
