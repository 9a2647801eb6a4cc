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
ctest --test-dir build --output-on-failure -j "$(nproc)"
