#!/usr/bin/env bash
# A window created on a 144-DPI screen (Wine's LogPixels) is laid out for it:
# the thesaurus dialog's, the definitions window's and the Options window's
# controls and client areas are 1.5 times their 96-DPI sizes, their fonts the
# system's message font at 144 DPI (and their own fonts scaled), and a
# simulated move to another DPI lays them out again, list columns included
# (the Windows-side tests of those windows, run here with the screen at 144
# DPI). The Smart Bar opens at 1.5 times its 96-DPI size.
WX_SMART_BAR=1
source "$(dirname "$0")/lib.sh"

wx_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144
TESTS="$WX_BINARY_DIR/win_tests.exe"
[[ -f "$TESTS" ]] || wx_fail "no $TESTS (the Windows tests are built with the program)"
# Into a file, not a pipe: Wine's helper processes would keep a pipe open.
log="$WX_TMP/win_tests.log"
(cd "$WX_BINARY_DIR" && WX_EXPECT_DPI=144 timeout 120 wine "$TESTS" \
    --gtest_filter='ThesDialogTest.FollowsTheDpiOfItsWindow:DpiFollowers.TheDefinitionsWindow:DpiFollowers.TheOptionsWindow' \
    >"$log" 2>&1)
status=$?
out=$(cat "$log")
grep -E '^\[|Failure|Expected|Which is|actual' "$log" >&2
((status == 0)) || wx_fail "the windows at 144 DPI (exit $status)"
wx_assert_contains "$out" "[  PASSED  ] 3 tests" "the test run"

# The Smart Bar of this edition: three buttons (64, 25 and 25 pixels high at 96 DPI), 142 wide.
THES="$WX_DATA_DIR/Thesaurus.qxt"
[[ -s "$THES" ]] || wx_fail "no thesaurus data in $THES (the build makes it)"
wx_start_program "$THES"
wx_driver wait-window SmartBar "" 20000 >/dev/null || wx_fail "no Smart Bar"
client=$(wx_driver window-info SmartBar | sed -n 's/^client=//p')
wx_assert_eq "$client" "213x171" "the Smart Bar's client area at 144 DPI"
sleep 1  # the bar paints its buttons after a short timer
wx_screenshot smart-bar
wx_pass
