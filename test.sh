#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the fuzz targets, ctest, then each
# test binary whole.
# The build links the standard and QR editions too (application and window tests), and their tests
# run with the full edition's, named "std." and "qr.".
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
# The fuzz targets (libFuzzer with clang, else a mutation loop under AddressSanitizer): the
# project-file parse step for 60 s, seeded from the projects tests' files; then the workbook reader
# (through the zip layer) and the text, CSV and RTF import for 30 s each, seeded from fuzz/seeds.
fuzz_cxx=g++
command -v clang++ >/dev/null && fuzz_cxx=clang++
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER="$fuzz_cxx" >/dev/null
ninja -C build-fuzz
fuzz() {   # target seconds seed files...
  local target=$1 seconds=$2 corpus
  shift 2
  corpus="$(mktemp -d)"
  cp "$@" "$corpus"/
  if [ "$fuzz_cxx" = clang++ ]; then
    build-fuzz/"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 "$corpus"
  else
    build-fuzz/"$target" "$seconds" "$corpus"/*
  fi
  rm -rf "$corpus"
}
fuzz fuzz_project_file 60 tests/projects/files/*
fuzz fuzz_workbook 30 fuzz/seeds/workbook/*
fuzz fuzz_text_import 30 fuzz/seeds/text/*
ctest --test-dir build --output-on-failure -j "$(nproc)" 2>&1 | tee build/ctest.log
# The print suites once more as on a desktop whose CUPS has a default printer.
printer=0
./scripts/with_default_printer.sh ctest --test-dir build --output-on-failure -j "$(nproc)" -R 'Print' \
  >build/ctest-printer.log 2>&1 || printer=$?
[ "$printer" -eq 0 ] && tail -n 3 build/ctest-printer.log || cat build/ctest-printer.log
# The print bench on 100 labels of two texts and fonts, as on that desktop: every sampled label
# must decode.
./scripts/with_default_printer.sh sh -c 'build/bench/bench_print_labels 100 --text "Name " &&
  build/bench/bench_print_labels 100 --text "Kxw&Q " --font "DejaVu Serif Bold"'
# Each test binary once more as one process, so that state one test leaves behind fails another.
whole=0
./scripts/run_whole.sh build || whole=$?
[ "$printer" -eq 0 ] || { echo "With a default printer:"; sed -n '/tests passed, /,$p' build/ctest-printer.log; }
# ctest's summary comes last, where CI looks for it.
echo
sed -n '/tests passed, /,$p' build/ctest.log
[ "$whole" -ne 0 ] && exit "$whole"
exit "$printer"
