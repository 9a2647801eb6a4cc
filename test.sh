#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; ctest's summary is the last line.
# The build links the standard and QR editions too (application and window tests), and their tests
# run with the full edition's, named "std." and "qr.".
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
# The project-file parse step under a fuzzer for 60 s (libFuzzer with clang, else a mutation loop
# under AddressSanitizer), seeded from the projects tests' files.
fuzz_cxx=g++
command -v clang++ >/dev/null && fuzz_cxx=clang++
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER="$fuzz_cxx" >/dev/null
ninja -C build-fuzz
corpus="$(mktemp -d)"
cp tests/projects/files/* "$corpus"/
if [ "$fuzz_cxx" = clang++ ]; then
  build-fuzz/fuzz_project_file -max_total_time=60 -rss_limit_mb=4096 -print_final_stats=1 "$corpus"
else
  build-fuzz/fuzz_project_file 60 "$corpus"/*
fi
rm -rf "$corpus"
ctest --test-dir build --output-on-failure -j "$(nproc)"
