#!/usr/bin/env bash
# The harness against Wine's WordPad (a RichEdit20W control): Unicode typing,
# Shift+arrow and EM_SETSEL selections, Ctrl+C / Ctrl+V and WM_COPY / WM_PASTE,
# the clipboard formats a rich edit control offers, reading a combo box's
# items, and answering the save question on closing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

W=$WX_WORDPAD
R=RichEdit20W
wx_start_wordpad >/dev/null

sentence="Ünïcode λέξη and 日本語 words"
wx_driver keys "text:$sentence" -- wait-text "$W" $R "$sentence" >/dev/null || wx_fail "typed text did not arrive"

# Shift+Left selects the last word; Ctrl+C copies it as Unicode text and RTF.
wx_driver clipboard-clear -- keys End shift+Left*5 || wx_fail "keys"
wx_driver wait-sel "$W" $R 21 26 || wx_fail "selection after Shift+Left"
wx_driver keys ctrl+c -- clipboard-wait-text "words" || wx_fail "Ctrl+C"
formats=$(wx_driver clipboard-formats)
wx_assert_contains "$formats" "CF_UNICODETEXT" "formats after copying from WordPad"
wx_assert_contains "$formats" "Rich Text Format" "formats after copying from WordPad"

# EM_SETSEL on the Greek word, then WM_COPY as another program would send it.
wx_driver select "$W" $R 8 12 -- copy "$W" $R -- clipboard-wait-text "λέξη" || wx_fail "WM_COPY of a Greek word"
wx_assert_eq "$(wx_driver get-sel "$W" $R)" "8 12" "selection after EM_SETSEL"

# Plain Unicode text on the clipboard pastes unchanged, by key and by message.
wx_driver clipboard-set-text "слово" -- keys ctrl+v || wx_fail "Ctrl+V"
wx_driver wait-text "$W" $R "Ünïcode слово and 日本語 words" >/dev/null || wx_fail "Ctrl+V did not replace the selection"
wx_driver clipboard-set-text "単語" -- select "$W" $R 18 21 -- paste "$W" $R || wx_fail "WM_PASTE"
wx_driver wait-text "$W" $R "Ünïcode слово and 単語 words" >/dev/null || wx_fail "WM_PASTE did not replace the selection"

# The font boxes (extended combo boxes) read and set across processes.
fonts=$(wx_driver items "$W" '#2013') || wx_fail "items of the font name box"
wx_assert_contains "$fonts" "DejaVu Sans" "font list"
wx_driver select-item "$W" '#2014' 14 || wx_fail "select-item in the font size box"
wx_assert_contains "$(wx_driver items "$W" '#2014')" $'5*\t14' "selected font size"

# Closing a modified document asks whether to save it.
wx_driver close-window "$W" || wx_fail "close-window"
box=$(wx_driver message-box-text 10000) || wx_fail "no question on closing a modified document"
wx_assert_contains "$box" "caption: Wine Wordpad" "message box caption"
wx_assert_contains "$box" "Document" "message box text"
wx_driver click "$(sed -n 's/^hwnd: //p' <<<"$box")" "No" || wx_fail "click No"
wx_driver wait-gone "$W" 10000 || wx_fail "WordPad stayed open after answering No"

wx_pass
