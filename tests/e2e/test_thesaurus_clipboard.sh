#!/usr/bin/env bash
# Thesaurus ClipBoard from the tray: a single click opens the thesaurus dialog
# for the word on the clipboard; Replace leaves the chosen word on the
# clipboard, Close leaves the clipboard alone; an unknown word shows
# "(not found)"; Lookup and Previous keep the history; Down in the meanings
# list keeps the focus there. F8 while the program's
# own window is in front does nothing.
source "$(dirname "$0")/lib.sh"

THES="$WX_DATA_DIR/Thesaurus.qxt"
[[ -s "$THES" ]] || wx_fail "no thesaurus data in $THES (the build makes it)"
wx_start_program "$THES"
wx_wait_tray_icon Wendrix 20 >/dev/null

open_dialog() {  # WORD: puts it on the clipboard and clicks the tray icon once
  wx_driver clipboard-set-text "$1" >/dev/null
  wx_tray_click single
  wx_driver wait-window "Thesaurus: English" "" 15000 >/dev/null || wx_fail "no thesaurus dialog for '$1'"
}
D="Thesaurus: English"
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
# The session has ended when the program is idle again.
wait_idle() { wx_retry 5 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"; }

# Replace: the chosen word ends up on the clipboard.
open_dialog happy
wx_assert_eq "$(wx_tray_tip)" "Working..." "tip during the session"
contexts=$(wx_driver items "$D" "#104")
wx_assert_contains "$contexts" "fortunate" "meanings of happy"
words=$(wx_driver items "$D" "#107")
wx_assert_contains "$words" $'0*\thappy' "the looked-up word is selected in the word list"
wx_driver select-item "$D" "#107" cheerful >/dev/null || wx_fail "cannot choose a word"
wx_driver wait-text "$D" "#106" cheerful 5000 >/dev/null || wx_fail "Replace With did not take the chosen word"
wx_screenshot replace
wx_driver click "$D" "&Replace" >/dev/null || wx_fail "Replace is not enabled"
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the dialog did not close"
wx_driver clipboard-wait-text cheerful 5000 >/dev/null || wx_fail "the replacement is not on the clipboard"
wait_idle

# Close: the clipboard is left as it was.
open_dialog "  happy  "
wx_assert_eq "$(wx_driver get-text "$D" "#102")" "happy" "the clipboard text is trimmed"
# Down, Down in the meanings list walks the meanings: the focus stays there.
wx_driver focus "$D" "#104" >/dev/null || wx_fail "cannot focus the meanings list"
wx_driver keys Down Down >/dev/null
third_selected() { meanings=$(wx_driver items "$D" "#104") && [[ "$(grep -c '^2\*' <<<"$meanings")" == 1 ]]; }
wx_retry 5 third_selected
meanings=$(wx_driver items "$D" "#104")
wx_assert_eq "$(grep -c '^2\*' <<<"$meanings")" 1 "third meaning selected after Down, Down: $meanings"
wx_driver click "$D" "&Close" >/dev/null
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the dialog did not close"
wait_idle
wx_assert_eq "$(wx_driver clipboard-get-text)" "  happy  " "clipboard after Close"

# An unknown word: "(not found)" in the disabled meanings list, no words.
open_dialog qzxvvk
contexts=$(wx_driver items "$D" "#104")
wx_assert_contains "$contexts" "(not found)" "meanings of an unknown word"
wx_assert_eq "$(wx_driver items "$D" "#107")" "" "words of an unknown word"
wx_driver list-children "$D" | grep -q 'id=104.*enabled=0' || wx_fail "the meanings list should be disabled"
wx_screenshot not-found

# Lookup and Previous: type a word, look it up, go back.
wx_driver set-text "$D" "#106" glad >/dev/null
wx_driver click "$D" "&Lookup" >/dev/null || wx_fail "Lookup is not enabled"
wx_driver wait-text "$D" "#102" glad 5000 >/dev/null || wx_fail "glad was not looked up"
history=$(wx_driver items "$D" "#102")
wx_assert_eq "$(head -n 1 <<<"$history")" $'0*\tglad' "history after Lookup"
wx_assert_contains "$history" "qzxvvk" "history after Lookup"
wx_driver click "$D" "&Previous" >/dev/null || wx_fail "Previous is not enabled"
wx_driver wait-text "$D" "#102" qzxvvk 5000 >/dev/null || wx_fail "Previous did not go back"
wx_assert_eq "$(wx_driver items "$D" "#102")" $'0*\tqzxvvk' "history after Previous"
wx_driver list-children "$D" | grep -q 'text=&Previous' && wx_driver list-children "$D" | grep 'id=108' | grep -q 'enabled=0' ||
  wx_fail "Previous should be disabled with one entry left"
wx_driver click "$D" "&Close" >/dev/null
wx_driver wait-gone "$D" 5000 >/dev/null
wait_idle

# F8 while one of the program's own windows is in front does nothing: the
# double-click action opens the options window, which then has the focus.
wx_driver clipboard-set-text "the user's text" >/dev/null
wx_tray_click double
wx_wait_window Options 10 >/dev/null || wx_fail "no options window after a double click"
wx_driver keys F8 >/dev/null
sleep 2
wx_driver list-windows | grep -q "$D" && wx_fail "F8 opened the thesaurus over the program's own window"
wx_assert_eq "$(wx_driver clipboard-get-text)" "the user's text" "clipboard after F8 on the program's own window"
wx_driver click Options '&Cancel' >/dev/null
wx_pass
