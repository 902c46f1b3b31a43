#!/usr/bin/env bash
# Stored settings of the wrong kind: a hotkey stored as binary data comes back
# as its default text; a value of the wrong registry type is reported in the
# error box and the program stays resident.
source "$(dirname "$0")/lib.sh"

KEY='HKCU\Software\Morvane\Wendrix\Options'
wx_reg_add "$KEY" "ThesClip HotKey" REG_BINARY 0102
wx_reg_add "$KEY" "CompatibilityDelay" REG_SZ 1000
wx_start_program
box=$(wx_driver message-box-text 20000) || wx_fail "no error box for the wrong value type"
wx_assert_contains "$box" "This function is not available due to the following problem:" "error box"
wx_assert_contains "$box" "CompatibilityDelay" "error box"
wx_assert_eq "$(wx_reg_query "$KEY" "ThesClip HotKey")" "REG_SZ F11" "binary hotkey replaced"
wx_driver click Wendrix OK >/dev/null || wx_fail "cannot close the error box"
wx_retry 20 wx_driver tray-icons >/dev/null || wx_fail "no tray icon after the error"
sleep 1
wx_program_running || wx_fail "the program ended after the error"
wx_pass
