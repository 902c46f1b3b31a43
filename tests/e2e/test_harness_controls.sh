#!/usr/bin/env bash
# The harness against Wine's Registry Editor: a tree view and a list view read
# and driven across processes (selecting, expanding by key, double-clicking an
# item), and the dialog that the double click opens read and cancelled.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

R="Registry Editor"
wx_reg_add 'HKCU\Software\WendrixHarness' Greeting REG_SZ "γειά σου"
wx_start regedit.exe
wx_wait_window "$R" >/dev/null

tree=$(wx_driver items "$R" SysTreeView32) || wx_fail "items of the tree"
wx_assert_contains "$tree" $'2\t  HKEY_CURRENT_USER' "tree items"

# Select a key, expand it with the Right key as a user would, go down to ours.
wx_driver select-item "$R" SysTreeView32 HKEY_CURRENT_USER -- focus "$R" SysTreeView32 -- keys Right ||
    wx_fail "expanding HKEY_CURRENT_USER"
wx_driver select-item "$R" SysTreeView32 Software -- keys Right || wx_fail "expanding Software"
wx_driver select-item "$R" SysTreeView32 WendrixHarness || wx_fail "selecting our key"
wx_assert_contains "$(wx_driver items "$R" SysTreeView32)" $'*\t      WendrixHarness' "selected tree item"
wx_retry 5 bash -c '[[ "$(wine "$WX_DRIVER" items "Registry Editor" SysListView32)" == *Greeting* ]]' ||
    wx_fail "the list view does not show our value: $(wx_driver items "$R" SysListView32)"

# Double-clicking the value opens its editor with the value's text.
wx_driver dblclick-item "$R" SysListView32 Greeting || wx_fail "dblclick-item"
box=$(wx_driver message-box-text 10000) || wx_fail "no editor dialog after the double click"
wx_assert_contains "$box" "caption: Edit String" "editor caption"
hwnd=$(sed -n 's/^hwnd: //p' <<<"$box")
wx_assert_eq "$(wx_driver get-text "$hwnd" Edit:2)" "γειά σου" "value in the editor"
children=$(wx_driver list-children "$hwnd")
wx_assert_contains "$children" "text=Greeting" "value name in the editor"
wx_driver click "$hwnd" Cancel -- wait-gone "$hwnd" 5000 || wx_fail "Cancel did not close the editor"
wx_assert_eq "$(wx_reg_get 'HKCU\Software\WendrixHarness' Greeting)" "γειά σου" "value after Cancel"

wx_pass
