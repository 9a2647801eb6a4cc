#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the fuzz targets, ctest, the
# print suites under two kinds of default printer, the print bench, then each test binary whole.
# Each stage runs even when one before it failed; the end shows ctest's lists of the tests that did
# not run or failed, a table of the stages' results, and ctest's summary last; the exit status is
# non-zero when any stage failed.
# The build links the standard and QR editions too (application and window tests), and their tests
# run with the full edition's, named "std." and "qr.".
set -uo pipefail
cd "$(dirname "$0")" || exit
# Without the packages or a build there is nothing to test: these two end the run.
./scripts/setup.sh || { echo "test.sh: setup failed, nothing tested" >&2; exit 1; }
./scripts/build.sh || { echo "test.sh: the build failed, nothing tested" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

results=("passed  setup and build")
failed=0
stage_note=""   # what a stage's command adds to its line in the table (": 180 tests")
stage() {   # name command...: runs a stage, notes its result and returns its status
  local name=$1 status=0
  shift
  echo "==== $name"
  stage_note=""
  "$@" || status=$?
  if [ "$status" -eq 0 ]; then
    results+=("passed  $name$stage_note")
  else
    results+=("FAILED  $name$stage_note (status $status)")
    failed=1
  fi
  return "$status"
}
skip() {   # name why
  results+=("FAILED  $1 (not run: $2)")
  failed=1
}

# What changed since the last run that passed (else since the last commit's parent) compiles without
# the precompiled header too, as the build with -DTAGORA_PCH=OFF compiles it (scripts/check_without_pch.py).
stage "changed files compile without the precompiled header" python3 scripts/check_without_pch.py build

# The fuzz targets (libFuzzer with clang, else a mutation loop under AddressSanitizer): the
# project-file parse step for 60 s, seeded from the projects tests' files; then the workbook reader
# (through the zip layer) and the text, CSV and RTF import for 30 s each, seeded from fuzz/seeds.
fuzz_cxx=g++
command -v clang++ >/dev/null && fuzz_cxx=clang++
build_fuzz() {
  cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER="$fuzz_cxx" >/dev/null && ninja -C build-fuzz
}
fuzz() {   # target seconds seed files...
  local target=$1 seconds=$2 corpus status=0
  shift 2
  corpus="$(mktemp -d)" || return
  if ! cp "$@" "$corpus"/; then
    status=1
  elif [ "$fuzz_cxx" = clang++ ]; then
    build-fuzz/"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 "$corpus" ||
      status=$?
  else
    build-fuzz/"$target" "$seconds" "$corpus"/* || status=$?
  fi
  rm -rf "$corpus"
  return "$status"
}
if stage "fuzz targets built" build_fuzz; then
  stage "fuzz_project_file 60 s" fuzz fuzz_project_file 60 tests/projects/files/*
  stage "fuzz_workbook 30 s" fuzz fuzz_workbook 30 fuzz/seeds/workbook/*
  stage "fuzz_text_import 30 s" fuzz fuzz_text_import 30 fuzz/seeds/text/*
else
  for target in fuzz_project_file fuzz_workbook fuzz_text_import; do skip "$target" "its build failed"; done
fi

# Of a ctest log, from its last summary on: the summary ("N% tests passed, ..." to the total
# time); what follows it (the tests that did not run, those that failed); and the count of tests
# run (those the summary counts, less the skipped and the not run).
ctest_summary() {
  awk '/^[0-9]+% tests passed, /{text = ""; on = 1} on {text = text $0 "\n"} /^Total Test time/{on = 0}
       END {printf "%s", text}' "$1"
}
ctest_lists() {
  awk '/^[0-9]+% tests passed, /{text = ""; on = 0; summary = 1} on && (text != "" || $0 != "") {text = text $0 "\n"}
       summary && /^Total Test time/{on = 1} END {printf "%s", text}' "$1"
}
tests_run() {
  awk '/^[0-9]+% tests passed, /{total = $NF; missed = 0; on = 1} on && / \((Skipped|Not Run)\)$/{missed++}
       END {print total - missed}' "$1"
}

all_tests() {
  ctest --test-dir build --output-on-failure -j "$(nproc)" 2>&1 | tee build/ctest.log
}
stage ctest all_tests

# The print suites once more as on a desktop whose CUPS has a default printer: a cups-pdf queue,
# then a Letter PostScript queue with 36-pt margins (wider than the tests assume).
failed_logs=()
print_suites() {   # log, then the options of with_default_printer.sh
  local log=$1 status=0
  shift
  ./scripts/with_default_printer.sh "$@" ctest --test-dir build --output-on-failure -j "$(nproc)" -R 'Print' \
    >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then ctest_summary "$log" | head -n 1; else cat "$log"; failed_logs+=("$log"); fi
  stage_note=": $(tests_run "$log") tests"
  echo "(log: $log)"
  return "$status"
}
stage "print suites, cups-pdf default printer" print_suites build/ctest-printer.log
stage "print suites, 36-pt default printer" print_suites build/ctest-printer36.log --margins36

# The print bench on 100 labels of two texts and fonts, as on that desktop: every sampled label
# must decode.
stage "print bench" ./scripts/with_default_printer.sh sh -c 'build/bench/bench_print_labels 100 --text "Name " &&
  build/bench/bench_print_labels 100 --text "Kxw&Q " --font "DejaVu Serif Bold"'

# Each test binary once more as one process, so that state one test leaves behind fails another.
stage "whole-binary runs" ./scripts/run_whole.sh build

echo
for log in "${failed_logs[@]}"; do
  echo "$log:"
  if grep -q 'tests passed, ' "$log"; then sed -n '/tests passed, /,$p' "$log"; else tail -n 5 "$log"; fi
  echo
done
# ctest's long lists before the table, so that the table and the summary end the output.
lists="$(ctest_lists build/ctest.log 2>/dev/null)"
[ -n "$lists" ] && printf '%s\n\n' "$lists"
echo "Stages:"
printf '  %s\n' "${results[@]}"
# ctest's summary comes last, where CI looks for it.
echo
if grep -q 'tests passed, ' build/ctest.log 2>/dev/null; then
  ctest_summary build/ctest.log
else
  echo "ctest gave no summary (build/ctest.log)"
fi
exit "$failed"
