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
  # The test command builds the unit tests and benchmarks later, while the
  # Windows tests run: here only the tools the data files need.
  echo "== native build: the tools [${SECONDS}s]"
  cmake --build --preset native -j"$jobs" --target tools
  cmake --install build/native --component tools >/dev/null
else
  echo "== native build [${SECONDS}s]"
  cmake --build --preset native -j"$jobs"
  cmake --install build/native >/dev/null
fi
# The Windows programs compile while the data files are built (most data
# builders use one core), at a lower priority so that the data comes first; the
# installer and the portable zip, which pack the data files, are built after.
echo "== Windows build: the programs, in the background [${SECONDS}s]"
cmake --preset mingw >/dev/null
nice -n 10 cmake --build --preset mingw -j"$jobs" --target programs >build/mingw-programs.log 2>&1 &
programs=$!
data_status=0
bash scripts/build-data.sh || data_status=$?
programs_status=0
wait "$programs" || programs_status=$?
cat build/mingw-programs.log
if [ "$programs_status" != 0 ]; then
  echo "== the Windows build FAILED"
  exit "$programs_status"
fi
[ "$data_status" = 0 ] || exit "$data_status"
echo "== Windows build [${SECONDS}s]"
# Configured again: the installer is part of the build once the data files exist.
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$jobs"
cmake --install build/mingw >/dev/null
echo "== built [${SECONDS}s]: dist/linux/bin ($(ls dist/linux/bin | wc -l) tools), dist/windows ($(ls dist/windows | tr '\n' ' '))"
echo "== release: dist/windows-release ($(ls dist/windows-release | tr '\n' ' '))"
