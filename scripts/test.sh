#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and under
# AddressSanitizer/UndefinedBehaviorSanitizer), a short run of every fuzz
# target, and the Windows tests and end-to-end tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
set -e
bash scripts/build.sh
jobs=$(nproc)
export CCACHE_BASEDIR=$(pwd) CCACHE_NOHASHDIR=true
echo "== sanitizer build [${SECONDS}s]"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
echo "== fuzz build [${SECONDS}s]"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
set +e
status=0
echo "== native unit tests [${SECONDS}s]"
ctest --test-dir build/native -j"$jobs" --output-on-failure || status=1
echo "== native unit tests under ASan/UBSan [${SECONDS}s]"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan -j"$jobs" --output-on-failure || status=1
echo "== fuzz targets (${WX_FUZZ_SECONDS:=10} s each) [${SECONDS}s]"
for f in build/fuzz/*_fuzz; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus=build/fuzz/corpus/$name; mkdir -p "$corpus"
  seeds=fuzz/seeds/$name; [ -d "$seeds" ] || seeds=
  if "$f" -max_total_time="$WX_FUZZ_SECONDS" -rss_limit_mb=2048 "$corpus" $seeds >build/fuzz/$name.log 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'Done [0-9]* runs' build/fuzz/$name.log | tail -1))"
  else
    echo "fuzz $name: FAILED"; tail -40 build/fuzz/$name.log; status=1
  fi
done
echo "== Windows tests and end-to-end tests under Wine [${SECONDS}s]"
ctest --test-dir build/mingw --output-on-failure || status=1
echo "== all tests done [${SECONDS}s]"
exit $status
