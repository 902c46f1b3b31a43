#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and under
# AddressSanitizer/UndefinedBehaviorSanitizer), a short run of every fuzz
# target, and the Windows tests and end-to-end tests under Wine.
#
# The Wine tests spend most of their time waiting for windows, so they run two
# at a time, and the native unit tests, the benchmarks and the sanitizer build
# (the unit tests, the tools they run and the fuzz targets) are built
# meanwhile, at the lowest priority so that they never slow the program under
# test. Before the first test only the data builders, the thesaurus,
# definitions and American English dictionary, the program and the test driver
# are built; the other languages' dictionaries, the Windows tests, the
# installer and the zip are built (at a priority between the two) while the
# first tests run, and the tests that need them (CTest label second-build) run
# after. The program's other editions and the Windows benchmarks come last.
# The native unit tests (plain and under the sanitizers) use nothing of Wine's
# and time nothing: they run in the background too, at the builds' priority,
# as soon as they are built, and their results are shown after the Wine tests.
set -uo pipefail
cd "$(dirname "$0")/.."
set -e
WX_TEST_BUILD=first bash scripts/build.sh
jobs=$(nproc)
export CCACHE_BASEDIR=$(pwd) CCACHE_NOHASHDIR=true
mkdir -p build
rm -f build/native-tests.log build/asan-tests.log build/unit-tests-failed
echo "== the other Windows tests' needs, in the background [${SECONDS}s]"
WX_TEST_BUILD=second nice -n 10 bash scripts/build.sh >build/second-build.log 2>&1 &
second=$!
echo "== native tests and benchmarks, the sanitizer build with the fuzz targets, in the background [${SECONDS}s]"
# unit_tests NAME DIR: runs the unit tests of one build into build/NAME-tests.log,
# noting in build/unit-tests-failed when some failed.
unit_tests() {
  echo "(run from ${SECONDS}s)" >"build/$1-tests.log"
  nice -n 19 ctest --test-dir "$2" -j"$jobs" --output-on-failure >>"build/$1-tests.log" 2>&1 ||
    echo "$1" >>build/unit-tests-failed
  echo "(done at ${SECONDS}s)" >>"build/$1-tests.log"
}
(
  set -e
  nice -n 19 cmake --build --preset native -j"$jobs"
  cmake --install build/native >/dev/null
  # Each build's unit tests run beside the next build, which fills the cores
  # their last, longest tests leave free.
  unit_tests native build/native &
  cmake --preset asan >/dev/null
  nice -n 19 cmake --build --preset asan -j"$jobs" --target unit_tests fuzz_targets
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 unit_tests asan build/asan
) >build/background-builds.log 2>&1 &
background=$!
set +e
status=0
echo "== Windows tests and end-to-end tests under Wine [${SECONDS}s]"
ctest --test-dir build/mingw -LE second-build --output-on-failure || status=1
echo "== waiting for the other Windows tests' needs [${SECONDS}s]"
second_status=0
wait "$second" || second_status=$?
cat build/second-build.log
if [ "$second_status" != 0 ]; then
  echo "== the build for the other Windows tests FAILED"
  status=1
fi
# The other editions and the Windows benchmarks, while the last tests run.
nice -n 19 cmake --build --preset mingw -j"$jobs" >build/mingw-rest.log 2>&1 &
mingw_rest=$!
echo "== the Windows tests that needed it [${SECONDS}s]"
ctest --test-dir build/mingw -L second-build --output-on-failure || status=1
if ! wait "$mingw_rest"; then
  tail -40 build/mingw-rest.log
  echo "== the Windows build of the other editions and benchmarks FAILED"
  status=1
fi
echo "== waiting for the background builds [${SECONDS}s]"
if ! wait "$background"; then
  tail -60 build/background-builds.log
  echo "== a background build FAILED (build/background-builds.log)"
  echo "== all tests done [${SECONDS}s]"
  exit 1
fi
echo "== native unit tests [${SECONDS}s]"
cat build/native-tests.log
echo "== native unit tests under ASan/UBSan [${SECONDS}s]"
cat build/asan-tests.log
[ ! -e build/unit-tests-failed ] || status=1
echo "== fuzz targets (${WX_FUZZ_SECONDS:=6} s each, $jobs at a time) [${SECONDS}s]"
# fuzz_one NAME: a short run of one target (built with the sanitizer build) on
# its corpus and seeds; prints one line, and the end of the log when it failed.
fuzz_one() {
  local name=$1 corpus=build/fuzz/corpus/$1 seeds=fuzz/seeds/$1 log=build/fuzz/$1.log
  mkdir -p "$corpus"
  [ -d "$seeds" ] || seeds=
  if build/asan/"$name" -max_total_time="$WX_FUZZ_SECONDS" -rss_limit_mb=2048 "$corpus" $seeds >"$log" 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'Done [0-9]* runs' "$log" | tail -1))"
  else
    printf 'fuzz %s: FAILED\n%s\n' "$name" "$(tail -40 "$log")"
    return 1
  fi
}
export -f fuzz_one
export WX_FUZZ_SECONDS
for f in build/asan/*_fuzz; do [ -x "$f" ] && basename "$f"; done |
  xargs -P "$jobs" -I{} bash -c 'fuzz_one "$1"' _ {} || status=1
echo "== all tests done [${SECONDS}s]"
exit $status
