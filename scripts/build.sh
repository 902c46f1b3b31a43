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
# The data files come first: the Windows build packs them into the installer.
bash scripts/build-data.sh
echo "== Windows build [${SECONDS}s]"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$jobs"
cmake --install build/mingw >/dev/null
echo "== built [${SECONDS}s]: dist/linux/bin ($(ls dist/linux/bin | wc -l) tools), dist/windows ($(ls dist/windows | tr '\n' ' '))"
echo "== release: dist/windows-release ($(ls dist/windows-release | tr '\n' ' '))"
