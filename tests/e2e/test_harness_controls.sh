#!/usr/bin/env bash
# The harness against Wine's Registry Editor: a tree view and a list view read
# and driven across processes (selecting, expanding by key, double-clicking an
# item), the dialog that the double click opens read and cancelled, window
# and process queries; tabs, check boxes and a track bar in Wine's
# configuration window.
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

# Window geometry and styles; the process list; ending a program abruptly.
info=$(wx_driver window-info "$R") || wx_fail "window-info"
wx_assert_contains "$info" "class=RegEdit_RegEdit" "window-info"
wx_assert_contains "$info" $'\ntopmost=0\nalpha=-\nvisible=1' "window-info"
wx_assert_eq "$(wx_driver process-running regedit.exe)" "1" "regedit processes"
wx_driver mutex-exists "WendrixHarnessNoSuchMutex" 2>/dev/null && wx_fail "a mutex nobody created was found"
wx_assert_eq "$(wx_driver kill-process regedit.exe)" "1" "processes ended"
wx_driver wait-gone "$R" 5000 || wx_fail "the window outlived its process"
wx_driver process-running regedit.exe 2>/dev/null && wx_fail "regedit still running"

# Wine's configuration window: tabs (chosen with the mouse), check boxes and a
# track bar whose owner follows the thumb.
C="Wine configuration"
wx_start winecfg.exe
wx_wait_window "$C" >/dev/null
tabs=$(wx_driver items "$C" SysTabControl32) || wx_fail "items of the tabs"
wx_assert_contains "$tabs" $'0*\tApplications' "tabs"
wx_driver select-item "$C" SysTabControl32 Graphics || wx_fail "choosing the Graphics tab"
wx_assert_contains "$(wx_driver items "$C" SysTabControl32)" $'2*\tGraphics' "current tab"
page=$(wx_driver list-children "$C")
wx_assert_contains "$page" "check=0	text=&Emulate a virtual desktop" "check box state"
wx_assert_eq "$(wx_driver trackbar "$C" msctls_trackbar32)" "0 0 11" "track bar position and range"
wx_driver trackbar "$C" msctls_trackbar32 2 >/dev/null -- wait-text "$C" '#1108' 144 >/dev/null ||
    wx_fail "the owner did not follow the track bar: $(wx_driver get-text "$C" '#1108')"
wx_driver click "$C" Cancel -- wait-gone "$C" 5000 || wx_fail "Cancel"

wx_pass
