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
cmake --preset native >/dev/null
if [ "${WX_NATIVE_TOOLS_ONLY:-0}" = 1 ]; then
  # For the test command: only what the tests need before the first Windows
  # test. The Windows program, its tests and the test driver compile in the
  # background from the start, at a lower priority so that the data builders
  # and then the data come first; the native unit tests and benchmarks, the
  # other tools and the other editions are built later, while the Windows
  # tests run (scripts/test.sh).
  cmake --preset mingw >/dev/null
  mkdir -p build
  echo "== Windows build: the programs the tests run, in the background [${SECONDS}s]"
  nice -n 10 cmake --build --preset mingw -j"$jobs" --target test_programs >build/mingw-programs.log 2>&1 &
  programs=$!
  echo "== native build: the data builders [${SECONDS}s]"
  data_status=0
  { cmake --build --preset native -j"$jobs" --target builders &&
    cmake --install build/native --component builders >/dev/null &&
    bash scripts/build-data.sh; } || data_status=$?
  programs_status=0
  wait "$programs" || programs_status=$?
  cat build/mingw-programs.log
  if [ "$programs_status" != 0 ]; then
    echo "== the Windows build FAILED"
    exit "$programs_status"
  fi
  [ "$data_status" = 0 ] || exit "$data_status"
  echo "== Windows build: the installer and the zip [${SECONDS}s]"
  # Configured again: the installer is part of the build once the data files exist.
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j"$jobs" --target test_programs release
  cmake --install build/mingw >/dev/null
  echo "== built for the tests [${SECONDS}s]"
  exit 0
fi
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
