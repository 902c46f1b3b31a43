#!/usr/bin/env bash
# Definitions ClipBoard from the tray (click action 3): the window shows the
# word's headings, numbered glosses and relation tabs; Replace leaves the
# chosen word on the clipboard, Cancel leaves the clipboard alone; an unknown
# word shows "Word not found" with its neighbours; following words and
# Previous walk back through the history until Previous is disabled, and
# the focus leaves the disabled button; Enter on the word list follows a word. The
# window's size survives closing and reopening, and a stored place off the
# screen is brought back onto it; it is stored at the end of the Windows
# session too, when the program is ended without freeing its windows. Its title
# and the tray tip follow a change of the interface language. Definitions Selected (F6, in the edition
# with every service) replaces a word selected in WordPad and gives the
# user's clipboard back.
source "$(dirname "$0")/lib.sh"

DEFS="$WX_DATA_DIR/Definitions.ydd"
[[ -s "$DEFS" ]] || wx_fail "no definitions data in $DEFS (the build makes it)"
OPTIONS='HKCU\Software\Morvane\Wendrix\Options'
PLACE='HKCU\Software\Morvane\Dialogs\Definitions Dictionary'
wx_reg_add "$OPTIONS" OnSingleClick REG_DWORD 3
wx_reg_add "$OPTIONS" OnDblCLick REG_DWORD 7
# A place stored on a monitor that is gone: far to the right and below.
wx_reg_add "$PLACE" Left REG_SZ 5000
wx_reg_add "$PLACE" Top REG_SZ 3000
wx_reg_add "$PLACE" Width REG_SZ 560
wx_reg_add "$PLACE" Height REG_SZ 400
wx_start_program "$DEFS"
wx_wait_tray_icon Wendrix 20 >/dev/null

D="Definitions Dictionary"
open_window() {  # WORD: puts it on the clipboard and clicks the tray icon once
  wx_driver clipboard-set-text "$1" >/dev/null
  wx_tray_click single
  wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "no definitions window for '$1'"
}
info() { wx_driver window-info "$D" | sed -n "s/^$1=//p"; }
enabled() { wx_driver list-children "$D" | grep -P "\tid=$1\t" | grep -q 'enabled=1'; }
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
wait_idle() { wx_retry 5 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"; }
# resize_window WIDTH HEIGHT: resizes the window as a window manager would
# (Xvfb has none to drag a frame with) and waits for the new size; prints it.
resize_window() {
  local before now
  before=$(window_size)
  xdotool search --name "^$D\$" windowsize "$1" "$2" >/dev/null 2>&1 || wx_fail "xdotool cannot resize the window"
  changed() { now=$(window_size); [[ "$now" != "$before" ]]; }
  wx_retry 5 changed || wx_fail "the window was not resized from $before"
  echo "$now"
}
window_size() {
  local l t r b
  IFS=, read -r l t r b <<<"$(info rect)"
  echo "$((r - l))x$((b - t))"
}
close_with() {  # BUTTON
  wx_driver click "$D" "$1" >/dev/null || wx_fail "cannot click $1"
  wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the window did not close with $1"
  wait_idle
}

# --- "happy": heading, numbered glosses, tabs; Replace returns a synonym ---
open_window happy
wx_assert_eq "$(wx_driver get-text "$D" "#202")" "happy" "the word box"
children=$(wx_driver list-children "$D")
wx_assert_contains "$children" "text=Adjective: happy" "the heading"
wx_assert_contains "$children" "text=1." "the first sense number"
wx_assert_contains "$children" "text=2." "the second sense number"
wx_assert_contains "$children" "text=Enjoying or showing or marked by joy" "a gloss with a capital first letter"
tabs=$(wx_driver items "$D" "#205")
wx_assert_contains "$tabs" $'0*\tSynonyms' "the synonyms tab, selected"
wx_assert_contains "$tabs" "Similar" "a relation tab"
wx_assert_contains "$(wx_driver items "$D" "#206")" "felicitous" "the synonyms"
# Off the screen before: now on it, at the stored size.
IFS=, read -r l t r b <<<"$(info rect)"
wx_assert_eq "$((r - l))x$((b - t))" "560x400" "the stored size"
((l >= 0 && t >= 0 && r <= 1024 && b <= 768)) || wx_fail "the window is not on the screen: $l,$t,$r,$b"
wx_screenshot happy
enabled 212 && wx_fail "Replace is enabled before a word is chosen"
wx_driver select-item "$D" "#206" felicitous >/dev/null || wx_fail "cannot choose a synonym"
wx_retry 3 enabled 212 || wx_fail "Replace is not enabled after choosing a word"
close_with "&Replace"
wx_driver clipboard-wait-text felicitous 5000 >/dev/null || wx_fail "the chosen word is not on the clipboard"

# --- Enter on the word list acts as a double click does: it follows the word ---
open_window happy
wx_driver focus "$D" "#206" >/dev/null || wx_fail "cannot focus the word list"
wx_driver keys Down >/dev/null
selected_word() { wx_driver items "$D" "#206" | sed -n 's/^[0-9]*\*\t//p'; }
has_selection() { [[ -n "$(selected_word)" ]]; }
wx_retry 3 has_selection || wx_fail "Down selected no word in the list"
chosen=$(selected_word)
wx_driver keys Enter >/dev/null
wx_driver wait-text "$D" "#202" "$chosen" 5000 >/dev/null ||
  wx_fail "Enter on the word list did not follow '$chosen' (word box: '$(wx_driver get-text "$D" "#202")')"
close_with "&Cancel"

# --- Cancel leaves the clipboard as it was; the size is kept after a resize ---
open_window happy
size=$(resize_window 640 470)
close_with "&Cancel"
wx_assert_eq "$(wx_driver clipboard-get-text)" "happy" "clipboard after Cancel"
open_window happy
wx_assert_eq "$(window_size)" "$size" "the size after reopening"
close_with "&Cancel"

# --- an unknown word: not found, neighbours; following words and Previous ---
open_window qzxvvk
wx_assert_contains "$(wx_driver list-children "$D")" "text=Word not found: qzxvvk" "the not-found line"
[[ -n "$(wx_driver items "$D" "#206")" ]] || wx_fail "no neighbouring words for an unknown word"
enabled 207 && wx_fail "Previous is enabled with no history"
wx_driver focus "$D" "#202" >/dev/null
wx_driver keys End shift+Home text:happy Enter >/dev/null
wx_driver wait-text "$D" "#202" happy 5000 >/dev/null || wx_fail "happy was not typed"
wx_retry 5 enabled 210 || wx_fail "happy was not looked up (Adjectives button)"
wx_driver dblclick-item "$D" "#206" glad >/dev/null || wx_fail "cannot follow glad"
wx_driver wait-text "$D" "#202" glad 5000 >/dev/null || wx_fail "glad was not looked up"
wx_driver dblclick-item "$D" "#206" beaming >/dev/null || wx_fail "cannot follow beaming"
wx_driver wait-text "$D" "#202" beaming 5000 >/dev/null || wx_fail "beaming was not looked up"
history=$(wx_driver items "$D" "#202")
wx_assert_eq "$(cut -f2 <<<"$history" | tr '\n' ' ')" "beaming glad happy " "the history, newest first"
wx_driver click "$D" "&Previous" >/dev/null || wx_fail "Previous is not enabled"
wx_driver wait-text "$D" "#202" glad 5000 >/dev/null || wx_fail "Previous did not go back to glad"
wx_driver click "$D" "&Previous" >/dev/null || wx_fail "Previous is not enabled at glad"
wx_driver wait-text "$D" "#202" happy 5000 >/dev/null || wx_fail "Previous did not go back to happy"
enabled 207 && wx_fail "Previous is still enabled at the first entry"
# The focus left the button that disabled itself: the word box takes keys.
wx_assert_contains "$(wx_driver get-focus)" "Edit" "the focus after Previous at the first entry"
wx_assert_eq "$(wx_driver items "$D" "#202" | wc -l)" 3 "Previous added no entries"
wx_screenshot previous
close_with "&Cancel"

# --- the interface language: chosen in Options while the program runs, the
# window's title and the tray tip follow it at the next opening ---
choose_language() {  # FROM_TITLE TO_TITLE LANGUAGE
  wx_tray_click double Wendrix
  wx_driver wait-window "$1" "" 15000 >/dev/null || wx_fail "no \"$1\" window after a double click"
  wx_driver select-item "$1" '#53' "$3" >/dev/null || wx_fail "cannot choose $3"
  wx_driver wait-window "$2" "" 5000 >/dev/null || wx_fail "the options window did not switch to $3"
  wx_driver click "$2" OK >/dev/null
  wx_driver wait-gone "$2" 5000 >/dev/null || wx_fail "OK did not close the options window"
  wait_idle
}
choose_language Options Optionen "German (Germany)"
D="Definitionswörterbuch"
open_window happy
wx_assert_eq "$(wx_tray_tip)" "Wird ausgeführt..." "the tray tip in German"
close_with "Abbre&chen"
choose_language Optionen Options "English (United States)"
D="Definitions Dictionary"
open_window happy
close_with "&Cancel"

# The place is stored when the program ends.
wx_driver close-window Wendrix >/dev/null
wx_wait_program_exit 15 >/dev/null
wx_assert_eq "$(wx_reg_get "$PLACE" Width)x$(wx_reg_get "$PLACE" Height)" "$size" "the stored size at the end"

# --- Definitions Selected (F6 in the edition with every service) in WordPad ---
WX_EXE="$(dirname "$WX_EXE")/WendrixTray-edition0.exe" wx_start_program "$DEFS"
wx_wait_tray_icon Wendrix 20 >/dev/null
W="$WX_WORDPAD"
wx_start_wordpad
wx_driver keys "text:We were happy there" >/dev/null
wx_driver wait-text "$W" RichEdit20W "We were happy there" 5000 >/dev/null || wx_fail "typing into WordPad failed"
wx_driver clipboard-set-text "kept" >/dev/null
wx_driver focus "$W" RichEdit20W >/dev/null || wx_fail "cannot focus WordPad"
wx_driver select "$W" RichEdit20W 8 13 >/dev/null || wx_fail "cannot select in WordPad"
wx_driver keys F6 >/dev/null
wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "F6 did not open the definitions window"
wx_driver select-item "$D" "#206" glad >/dev/null || wx_fail "cannot choose glad"
close_with "&Replace"
wx_driver wait-text "$W" RichEdit20W "We were glad there" 5000 >/dev/null ||
  wx_fail "the selection was not replaced: '$(wx_driver get-text "$W" RichEdit20W)'"
wx_driver clipboard-wait-text "kept" 5000 >/dev/null || wx_fail "the user's clipboard text is not back"

# --- the end of the Windows session stores the place before the process is ended ---
wx_driver kill-process wordpad.exe >/dev/null  # it covers the tray icon
open_window happy
ended_size=$(resize_window 600 430)
close_with "&Cancel"
controller=$(wx_driver window-of-class TfrmTarvelo) || wx_fail "no controller window"
wx_driver post-message "$controller" 0x11 0 0x80000000 >/dev/null  # WM_QUERYENDSESSION, ENDSESSION_LOGOFF
wx_driver post-message "$controller" 0x16 1 0x80000000 >/dev/null  # WM_ENDSESSION: the session ends
stored_is() { [[ "$(wx_reg_get "$PLACE" Width)x$(wx_reg_get "$PLACE" Height)" == "$ended_size" ]]; }
wx_retry 5 stored_is ||
  wx_fail "the place was not stored at the end of the session: $(wx_reg_get "$PLACE" Width)x$(wx_reg_get "$PLACE" Height), not $ended_size"
wx_driver kill-process WendrixTray-edition0.exe >/dev/null  # as Windows does once the session has ended
wx_pass
