#!/usr/bin/env bash
# Builds everything: the native tools (dist/linux/bin), the data files, the
# Windows program with its data beside it (dist/windows), and its installer and
# portable zip (dist/windows-release).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
# Compiler cache hits do not depend on where the checkout lies.
export CCACHE_BASEDIR=$(pwd) CCACHE_NOHASHDIR=true
case "${WX_TEST_BUILD:-}" in
first)
  # For the test command, what the first end-to-end tests need: the data
  # builders, the thesaurus, definitions and American English dictionary, the
  # program (and edition 0) with its help page, and the test driver. The
  # Windows programs compile in the background from the start, at a lower
  # priority, so that the data builders and then the data come first.
  cmake --preset native >/dev/null
  cmake --preset mingw >/dev/null
  mkdir -p build
  echo "== Windows build: the program and the test driver, in the background [${SECONDS}s]"
  nice -n 10 cmake --build --preset mingw -j"$jobs" --target test_programs >build/mingw-programs.log 2>&1 &
  programs=$!
  echo "== native build: the data builders [${SECONDS}s]"
  data_status=0
  { cmake --build --preset native -j"$jobs" --target builders &&
    cmake --install build/native --component builders >/dev/null &&
    WX_DATA_PART=main bash scripts/build-data.sh; } || data_status=$?
  programs_status=0
  wait "$programs" || programs_status=$?
  cat build/mingw-programs.log
  if [ "$programs_status" != 0 ]; then
    echo "== the Windows build FAILED"
    exit "$programs_status"
  fi
  [ "$data_status" = 0 ] || exit "$data_status"
  cmake --install build/mingw >/dev/null
  echo "== built for the first tests [${SECONDS}s]"
  exit 0
  ;;
second)
  # The rest the Windows tests need: the other languages' dictionaries, the
  # Windows tests' program, the installer and the zip. Neither the native
  # build nor the data files the first tests read are touched: the test
  # command builds the one and runs the other meanwhile.
  WX_DATA_PART=languages bash scripts/build-data.sh
  # Configured again: the installer is part of the build once the data files exist.
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j"$jobs" --target test_programs win_tests release
  cmake --install build/mingw >/dev/null
  echo "== built for the other tests [${SECONDS}s]"
  exit 0
  ;;
esac
cmake --preset native >/dev/null
echo "== native build [${SECONDS}s]"
cmake --build --preset native -j"$jobs"
cmake --install build/native >/dev/null
# The data files come first: the Windows build packs them into the installer.
bash scripts/build-data.sh
echo "== Windows build [${SECONDS}s]"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$jobs"
cmake --install build/mingw >/dev/null
echo "== built [${SECONDS}s]: dist/linux/bin ($(ls dist/linux/bin | wc -l) tools), dist/windows ($(ls dist/windows | tr '\n' ' '))"
echo "== release: dist/windows-release ($(ls dist/windows-release | tr '\n' ' '))"
