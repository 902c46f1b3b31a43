#!/usr/bin/env bash
# The harness against Wine's Notepad (an Edit control): typing Unicode text,
# selecting with EM_SETSEL and with Shift+arrows, copying, cutting and pasting
# with the keyboard and with edit messages, the clipboard in both directions
# (text and bitmap), control listing, and answering a message box.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

N=$WX_NOTEPAD
wx_start_notepad >/dev/null

sentence="The quick σοφός fox 漢字 jumps"
wx_driver keys "text:$sentence" || wx_fail "typing failed"
wx_driver wait-text "$N" Edit "$sentence" >/dev/null || wx_fail "typed text did not arrive"

focus=$(wx_driver get-focus)
wx_assert_contains "$focus" "focus	" "get-focus"
wx_assert_contains "$focus" "Edit" "focused control"

# Select a Greek word by character positions and copy it with Ctrl+C.
wx_driver select "$N" Edit 10 15 || wx_fail "select failed"
wx_assert_eq "$(wx_driver get-sel "$N" Edit)" "10 15" "selection after EM_SETSEL"
wx_driver clipboard-set-text "stale" >/dev/null
wx_driver keys ctrl+c -- clipboard-wait-text "σοφός" || wx_fail "Ctrl+C did not copy the selected word"
wx_assert_eq "$(wx_driver clipboard-get-text)" "σοφός" "clipboard after Ctrl+C"

# Paste it at the end.
wx_driver keys ctrl+End "text: " ctrl+v || wx_fail "pasting failed"
wx_driver wait-text "$N" Edit "$sentence σοφός" >/dev/null || wx_fail "Ctrl+V did not paste"

# Select the CJK word with Shift+arrows and cut it with the keyboard.
wx_driver keys ctrl+Home ctrl+Right*4 shift+Right*2 || wx_fail "keys failed"
wx_driver wait-sel "$N" Edit 20 22 || wx_fail "selection after Shift+Right"
wx_driver keys ctrl+x -- clipboard-wait-text "漢字" || wx_fail "Ctrl+X did not cut the CJK word"
wx_driver wait-text "$N" Edit "The quick σοφός fox  jumps σοφός" >/dev/null || wx_fail "cut text still there"

# The edit messages another program would send: WM_COPY and WM_PASTE replace
# the selection without any key presses.
wx_driver select "$N" Edit 4 9 -- copy "$N" Edit -- clipboard-wait-text quick || wx_fail "WM_COPY"
wx_driver clipboard-set-text "ταχύς→速い" -- select "$N" Edit 4 9 -- paste "$N" Edit || wx_fail "WM_PASTE"
wx_driver wait-text "$N" Edit "The ταχύς→速い σοφός fox  jumps σοφός" >/dev/null || wx_fail "WM_PASTE did not replace the selection"

# WM_SETTEXT, and a text with line breaks read back with WM_GETTEXT.
wx_driver set-text "$N" Edit "one" || wx_fail "set-text"
wx_driver keys ctrl+End "text:
two" || wx_fail "typing a line break"
wx_driver wait-text "$N" Edit $'one\r\ntwo' >/dev/null || wx_fail "text with a line break"
wx_assert_eq "$(wx_driver get-text "$N" Edit)" $'one\r\ntwo' "get-text of a text with a line break"

# Controls of the window, as tests of dialogs read them.
children=$(wx_driver list-children "$N") || wx_fail "list-children"
wx_assert_contains "$children" "	Edit	" "list-children"
wx_assert_contains "$children" "text=one\\r\\ntwo" "list-children text column"

# A bitmap on the clipboard keeps its pattern; a wrong size is told apart.
wx_driver clipboard-set-bitmap 64 48 || wx_fail "clipboard-set-bitmap"
formats=$(wx_driver clipboard-formats)
wx_assert_contains "$formats" "CF_DIB" "clipboard formats"
wx_driver clipboard-check-bitmap 64 48 >/dev/null || wx_fail "bitmap pattern lost"
wx_driver clipboard-check-bitmap 64 47 2>/dev/null && wx_fail "a bitmap of the wrong size passed the check"
wx_driver clipboard-get-text 2>/dev/null && wx_fail "text reported on a clipboard that holds only a bitmap"

# Closing with unsaved changes asks a question in a message box.
wx_driver close-window "$N" || wx_fail "close-window"
box=$(wx_driver message-box-text 10000) || wx_fail "no message box after closing a modified document"
wx_assert_contains "$box" "caption: Notepad" "message box caption"
wx_assert_contains "$box" "button: &No" "message box buttons"
wx_driver click "$(sed -n 's/^hwnd: //p' <<<"$box")" "No" || wx_fail "click No"
wx_driver wait-gone "$N" 10000 || wx_fail "Notepad stayed open after answering No"

wx_pass
