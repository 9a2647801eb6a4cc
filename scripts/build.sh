#!/usr/bin/env bash
# Configures (once) and builds the full edition in build/. TAGORA_WERROR=ON (as CI sets it) makes
# every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
if [ -n "${TAGORA_WERROR:-}" ]; then
  cmake -B build -DTAGORA_WERROR="$TAGORA_WERROR" >/dev/null
fi
cmake --build build -j "$(nproc)"
