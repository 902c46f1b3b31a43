#!/usr/bin/env bash
# The shell helpers: registry reads and writes through `wine reg`, the program
# folder with chosen data files, the program's exit code, and the failure path
# of a helper called inside a command substitution.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

K='HKCU\Software\WendrixHarness'
wx_reg_query "$K" Missing >/dev/null && wx_fail "a value of a fresh prefix was found"
wx_reg_add "$K" Count REG_DWORD 17
wx_reg_add "$K" Name REG_SZ "two  spaced words"
wx_reg_add "$K" Greek REG_SZ "Ωmega ß"
wx_reg_add "$K" Empty REG_SZ ""
wx_reg_add "$K\Sub" Bytes REG_BINARY 0a0BfF
wine reg add "$K" /v Path /t REG_EXPAND_SZ /d '%AppDir%\x' /f >/dev/null 2>&1 || wx_fail "wine reg add"
wine reg add "$K" /v Big /t REG_DWORD /d 4294967295 /f >/dev/null 2>&1 || wx_fail "wine reg add"
wx_assert_eq "$(wx_reg_query "$K" Count)" "REG_DWORD 0x11" "DWORD value"
wx_assert_eq "$(wx_reg_query "$K" Name)" "REG_SZ two  spaced words" "string value"
wx_assert_eq "$(wx_reg_get "$K" Greek)" "Ωmega ß" "string outside ASCII"
wx_assert_eq "$(wx_reg_query "$K" Empty)" "REG_SZ " "empty string"
wx_assert_eq "$(wx_reg_query "$K\Sub" Bytes)" "REG_BINARY 0A0BFF" "binary value"
wx_assert_eq "$(wx_reg_query "$K" Big)" "REG_DWORD 0xffffffff" "largest DWORD"
# The driver and `reg` (a second opinion) read the same values the same way.
for v in Count Greek Path; do
    wx_assert_eq "$(wx_reg_query_wine "$K" $v)" "$(wx_reg_query "$K" $v)" "$v read by reg and by the driver"
done
wx_assert_eq "$(wx_reg_query_wine "$K\Sub" Bytes)" "REG_BINARY 0A0BFF" "binary value read by reg"
list=$(wx_reg_list "$K")
wx_assert_contains "$list" $'Path\tREG_EXPAND_SZ %AppDir%\\x' "reg-list"
wx_assert_contains "$list" "key: Sub" "reg-list subkeys"
wx_reg_delete "$K" Count
wx_reg_query "$K" Count >/dev/null && wx_fail "deleted value still there"
wx_reg_query_wine "$K" Count >/dev/null && wx_fail "deleted value still seen by reg"
wx_reg_delete "$K"
wx_reg_query "$K" Name >/dev/null && wx_fail "deleted key still there"

# The program folder gets the program and exactly the named data files. The
# driver stands in for the program here: run without arguments it ends with 2.
printf 'data' >"$WX_TMP/Sample.qxt"
WX_EXE=$WX_DRIVER wx_start_program "$WX_TMP/Sample.qxt"
wx_assert_eq "$(cd "$WX_PROGRAM_DIR" && ls | sort | tr '\n' ' ')" "Sample.qxt wxdriver.exe " "program folder"
wx_assert_eq "$(wx_wait_program_exit 20)" "2" "exit code of the program"

# A failing helper inside $(...) ends the whole test script, not just the
# subshell (checked in a separate shell that does not start Wine).
inner=$(WX_LIB_NO_INIT=1 WX_TEST_NAME=inner bash -c '
    source "$1"
    x=$(wx_assert_eq a b "inner")
    echo "still running after a failed assertion"' bash "$(dirname "${BASH_SOURCE[0]}")/lib.sh" 2>&1)
wx_assert_contains "$inner" "FAIL: inner: inner: expected 'b', got 'a'" "failure message"
wx_assert_not_contains "$inner" "still running" "failure inside a command substitution"

wx_pass
