#!/usr/bin/env bash
# with-wine.sh EXE [ARGS...]: runs a Windows program (a test program such as
# win_tests.exe) under Wine with a private X display and Wine prefix, and
# returns its exit code.
if (($# < 1)); then
    echo "usage: with-wine.sh EXE [ARGS...]" >&2
    exit 2
fi
exe=$(readlink -f "$1")
shift
[[ -f "$exe" ]] || { echo "with-wine.sh: no such program: $exe" >&2; exit 2; }
WX_TEST_NAME=$(basename "$exe" .exe)
# The prefix template is shared with the end-to-end tests of the same build.
WX_BINARY_DIR=${WX_BINARY_DIR:-$(dirname "$exe")}
WX_DRIVER_SESSION=0
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/lib.sh"
status=0
(cd "$(dirname "$exe")" && wine "$exe" "$@") || status=$?
exit "$status"
