#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; ctest's summary is the last line.
# The standard and QR editions are built as well (their application only), so that no edition breaks.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh
for edition in ONLY_STD_MODE ONLY_QR_MODE; do
  dir="build-${edition}"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -D"$edition"=ON -DBUILD_TESTING=OFF
  fi
  cmake --build "$dir" -j "$(nproc)" --target tagora
done
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir build --output-on-failure -j "$(nproc)"
