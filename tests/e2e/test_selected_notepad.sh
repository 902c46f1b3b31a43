#!/usr/bin/env bash
# Thesaurus Selected (F8) in Notepad: the selected word is replaced by the word
# chosen in the dialog; Close leaves the document alone; text outside the code
# page survives; the user's clipboard (text or a picture) is back afterwards;
# with nothing selected the program offers compatibility mode, and in
# compatibility mode it replaces the word through simulated keys, shows its
# notice when nothing arrives, and ignores a copy that comes too late.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/selected_lib.sh"

KEY='HKCU\Software\Morvane\Wendrix\Options'
wx_start_program "$WX_DATA_DIR/Thesaurus.qxt"
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_start_notepad
N="$WX_NOTEPAD"
wx_driver keys "text:αβγ I am happy today 文字" >/dev/null
wx_driver wait-text "$N" Edit "αβγ I am happy today 文字" 5000 >/dev/null || wx_fail "typing into Notepad failed"

# Direct mode, Replace.
wx_driver clipboard-set-text "the user's words" >/dev/null
focus_target "$N" Edit 9 14
press_f8_for_dialog
wx_assert_eq "$(wx_driver get-text "$D" "#102")" "happy" "word looked up"
wx_screenshot dialog
choose_and_replace cheerful
wx_driver wait-text "$N" Edit "αβγ I am cheerful today 文字" 5000 >/dev/null ||
  wx_fail "the word was not replaced: '$(wx_driver get-text "$N" Edit)'"
wx_driver clipboard-wait-text "the user's words" 5000 >/dev/null || wx_fail "the user's clipboard text is not back"

# Direct mode, Close: nothing changes; a picture on the clipboard comes back.
wx_driver clipboard-set-bitmap 24 16 >/dev/null
focus_target "$N" Edit 9 17
press_f8_for_dialog
close_dialog
wx_assert_eq "$(wx_driver get-text "$N" Edit)" "αβγ I am cheerful today 文字" "text after Close"
wx_driver clipboard-check-bitmap 24 16 >/dev/null || wx_fail "the user's picture is not back on the clipboard"

# A selection with characters outside the code page is given back unchanged.
wx_driver clipboard-set-text "the user's words" >/dev/null
focus_target "$N" Edit 0 17
press_f8_for_dialog
close_dialog
wx_assert_eq "$(wx_driver get-text "$N" Edit)" "αβγ I am cheerful today 文字" "text after a Greek selection"

# As a user does it: a mouse click brings Notepad to the front, the word is
# selected with the keys and F8 follows at once (xdotool types into the X
# window that has the focus). The selection's keys may still be queued in
# Notepad when the copy arrives; the dialog must open on the word every time.
nwin=$(xdotool search --name "$N" | head -1)
[[ -n "$nwin" ]] || wx_fail "no X window for Notepad"
for try in 1 2 3 4 5; do
  wx_driver clipboard-set-text "the user's words" >/dev/null
  xdotool mousemove --window "$nwin" 200 80 click 1 || wx_fail "xdotool click into Notepad failed"
  xdotool key --delay 15 ctrl+Home Right Right Right Right Right Right Right Right Right \
    shift+Right shift+Right shift+Right shift+Right shift+Right shift+Right shift+Right shift+Right F8 ||
    wx_fail "xdotool keys failed"
  wx_driver wait-window "$D" "" 15000 >/dev/null || {
    box=$(wx_driver message-box-text 2000)
    wx_fail "try $try: F8 after a mouse click and a selection with the keys did not open the dialog${box:+ ($box)}"
  }
  wx_assert_eq "$(wx_driver get-text "$D" "#102")" "cheerful" "try $try: word looked up"
  close_dialog
  wx_driver clipboard-wait-text "the user's words" 5000 >/dev/null || wx_fail "try $try: the clipboard is not back"
done
wx_assert_eq "$(wx_driver get-text "$N" Edit)" "αβγ I am cheerful today 文字" "text after the mouse and key tries"

# Nothing selected: the question; Yes switches compatibility mode on without retrying.
focus_target "$N" Edit 3 3
wx_driver keys F8 >/dev/null
box=$(wx_driver message-box-text 15000) || wx_fail "no question without a selection"
wx_assert_contains "$box" "Thesaurus Selected could not retrieve any text from the working application." "question"
wx_assert_contains "$box" "Do you want to enable Compatibility Mode?" "question"
wx_driver click Information "&Yes" >/dev/null || wx_fail "cannot answer Yes"
wait_idle
wx_assert_eq "$(wx_reg_query "$KEY" CompatibilityMode)" "REG_DWORD 0x1" "CompatibilityMode after Yes"
wx_driver list-windows | grep -q "$D" && wx_fail "the action was retried"
wx_driver clipboard-wait-text "the user's words" 5000 >/dev/null || wx_fail "clipboard after the question"

# Compatibility mode (now on), Replace through Ctrl+C and Ctrl+V.
focus_target "$N" Edit 9 17
press_f8_for_dialog
choose_and_replace glad
wx_driver wait-text "$N" Edit "αβγ I am glad today 文字" 5000 >/dev/null ||
  wx_fail "compatibility mode did not replace the word: '$(wx_driver get-text "$N" Edit)'"
wx_driver clipboard-wait-text "the user's words" 5000 >/dev/null || wx_fail "clipboard after compatibility mode"

# Compatibility mode with nothing selected: the notice after the delay; a copy
# that arrives afterwards is ignored.
focus_target "$N" Edit 2 2
wx_driver keys F8 >/dev/null
box=$(wx_driver message-box-text 15000) || wx_fail "no notice after the delay"
wx_assert_contains "$box" "Thesaurus Selected could not retrieve any text from the working application." "notice"
wx_assert_contains "$box" "Thesaurus Clipboard." "notice"
wx_driver clipboard-set-text "late copy" >/dev/null
sleep 1
wx_driver list-windows | grep -q "$D" && wx_fail "a late copy started the thesaurus"
wx_driver click Information OK >/dev/null
wait_idle
wx_assert_eq "$(wx_driver get-text "$N" Edit)" "αβγ I am glad today 文字" "text after the notice"
wx_pass
