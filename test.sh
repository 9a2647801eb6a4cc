#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; ctest's summary is the last line.
# The standard and QR editions are built too, each with the tests of the window (the part of the
# code that differs between editions), and those run before the full edition's whole suite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
for edition in ONLY_STD_MODE ONLY_QR_MODE; do
  dir="build-${edition}"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -D"$edition"=ON \
      -DTAGORA_EDITION_TESTS_ONLY=ON -DTAGORA_BENCH=OFF
  fi
  cmake --build "$dir" -j "$(nproc)"
  echo "== tests of the ${edition} edition"
  if ! ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" > "$dir/ctest.log" 2>&1; then
    cat "$dir/ctest.log"
    echo "the ${edition} edition's tests failed" >&2
    exit 1
  fi
  tail -n 3 "$dir/ctest.log"
done
echo "== tests of the full edition"
ctest --test-dir build --output-on-failure -j "$(nproc)"
