#!/usr/bin/env bash
# Runs every test binary that ctest knows in a build folder once as a whole process (all its tests
# in one run, in their order), a few at a time, and fails when any fails; the failing binaries'
# output is shown. The environment is the one ctest gives each test.
#   scripts/run_whole.sh build      (JOBS=n: n binaries at a time; all cores by default)
set -uo pipefail
build=${1:-build}
logs="$(mktemp -d)"
export QT_QPA_PLATFORM=offscreen TZ=UTC
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
mapfile -t binaries < <(ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, os, sys
tests = json.load(sys.stdin)["tests"]
print("\n".join(sorted({t["command"][0] for t in tests
                         if t.get("command") and os.path.basename(t["command"][0]).startswith("test_")})))')
if [ ${#binaries[@]} -eq 0 ]; then
  echo "no test binaries in $build" >&2
  exit 1
fi
run_one() {
  local binary=$1 log status=0
  log="$2/$(basename "$binary").log"
  LC_ALL=en_US.UTF-8 "$binary" --gtest_brief=1 >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    echo "whole: $(basename "$binary") passed"
  else
    echo "whole: $(basename "$binary") FAILED (status $status)"
    touch "$log.failed"
  fi
}
export -f run_one
printf '%s\n' "${binaries[@]}" | xargs -P "${JOBS:-$(nproc)}" -I{} bash -c 'run_one "$1" "$2"' _ {} "$logs"
failed=0
for marker in "$logs"/*.failed; do
  [ -e "$marker" ] || continue
  failed=1
  echo "==== ${marker%.failed}" >&2
  tail -n 60 "${marker%.failed}" >&2
done
rm -rf "$logs"
if [ $failed -ne 0 ]; then
  echo "whole-binary runs: some failed" >&2
  exit 1
fi
echo "whole-binary runs: all ${#binaries[@]} passed"
