#!/usr/bin/env bash
# Every window of the program in each of its ten interface languages, with the
# screen at 96 and then at 144 DPI (Wine's LogPixels): no text cut by its
# control, no access key used twice in a window or a menu, every label of an
# input with an access key. The Windows-side tests (WindowTexts in
# tests/win) read the windows and print a table of findings per window,
# language and DPI; this script runs them once per DPI.
source "$(dirname "$0")/lib.sh"

TESTS="$WX_BINARY_DIR/win_tests.exe"
[[ -f "$TESTS" ]] || wx_fail "no $TESTS (the Windows tests are built with the program)"
for f in Thesaurus.qxt Definitions.ydd american.qxm; do
    [[ -s "$WX_DATA_DIR/$f" ]] || wx_fail "no $f in $WX_DATA_DIR (the data build makes it)"
done
data=$(winepath -w "$WX_DATA_DIR" 2>/dev/null)
[[ -n "$data" ]] || wx_fail "winepath found no Windows path for $WX_DATA_DIR"

# Windows that no window manager handles close at once (Wine otherwise waits
# up to 2 s for each closed window to be withdrawn).
wx_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N

run_at() {
    local dpi=$1 log="$WX_TMP/window-texts-$1.log" status=0
    wx_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
    # Into a file, not a pipe: Wine's helper processes would keep a pipe open.
    (cd "$WX_BINARY_DIR" && WX_WINDOW_TEXTS_DATA="$data" WX_EXPECT_DPI="$dpi" timeout 150 wine "$TESTS" \
        --gtest_filter='WindowTexts.*:TextFitChecks.*' >"$log" 2>&1) || status=$?
    grep -E '^\[window texts\]|^      |Failure|Expected|Which is|^\[  (PASSED|FAILED) ' "$log"
    ((status == 0)) || wx_fail "window texts at $dpi DPI (exit $status)"
    wx_assert_contains "$(cat "$log")" "[  PASSED  ] 7 tests" "the run at $dpi DPI"
}

run_at 96
run_at 144
wx_pass
