#!/usr/bin/env bash
# Instant Spell from the tray (click action 5): the program is busy while the
# window is open; typed text is saved as plain and as rich text and read back
# from disk; Open reads both and a missing file gets the message; Greek text
# survives a save and an open; Yes to the save question and a cancelled Save
# As keep the window and its text; the end of the Windows session asks the
# same question (Cancel refuses it); F8 on a selected word replaces it through
# the thesaurus dialog; F9 opens the definitions window; the window's size and
# maximised state survive a restart of the program, and a stored place off
# the screen is brought back onto it.
source "$(dirname "$0")/lib.sh"

THES="$WX_DATA_DIR/Thesaurus.qxt"
DEFS="$WX_DATA_DIR/Definitions.ydd"
[[ -s "$THES" && -s "$DEFS" ]] || wx_fail "no thesaurus or definitions data in $WX_DATA_DIR (the build makes them)"
OPTIONS='HKCU\Software\Morvane\Wendrix\Options'
wx_reg_add "$OPTIONS" OnSingleClick REG_DWORD 5
wx_reg_add "$OPTIONS" OnDblCLick REG_DWORD 7
DICT="$WX_DATA_DIR/american.qxm"
wx_start_program "$THES" "$DEFS" "$DICT"
wx_wait_tray_icon Wendrix 20 >/dev/null

W="Instant Spell"
E="#91"  # the editor
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
open_window() {
  wx_tray_click single
  wx_driver wait-window "$W" "" 15000 >/dev/null || wx_fail "the tray click did not open Instant Spell"
}
text_is() { [[ "$(wx_driver get-text "$W" "$E")" == "$1" ]]; }
wait_text() {  # TEXT WHAT
  wx_retry 5 text_is "$1" || wx_fail "$2: the editor holds '$(wx_driver get-text "$W" "$E")', not '$1'"
}
type_text() {  # TEXT: replaces the editor's text
  wx_driver focus "$W" "$E" >/dev/null || wx_fail "cannot focus the editor"
  wx_driver keys ctrl+a Delete "text:$1" >/dev/null
  wait_text "$1" "typing"
}
# FILE DIALOG-TITLE BUTTON: types a name into the open or save dialog.
file_dialog() {
  wx_driver wait-window "$2" "" 10000 >/dev/null || wx_fail "no '$2' dialog"
  wx_driver set-text "$2" Edit "$1" >/dev/null || wx_fail "cannot type into the '$2' dialog"
  wx_driver click "$2" "$3" >/dev/null || wx_fail "no $3 button in the '$2' dialog"
  wx_driver wait-gone "$2" 5000 >/dev/null || wx_fail "the '$2' dialog stayed open"
}
save_as() { wx_driver command "$W" 1004 >/dev/null; file_dialog "$WX_PROGRAM_WINDIR\\$1" "Save As" "&Save"; }
open_file() { wx_driver command "$W" 1002 >/dev/null; file_dialog "$WX_PROGRAM_WINDIR\\$1" "Open" "&Open"; }
file_is() {  # NAME BYTES: the file on disk holds exactly these bytes
  [[ -f "$WX_PROGRAM_DIR/$1" ]] && [[ "$(od -An -tx1 "$WX_PROGRAM_DIR/$1" | tr -d ' \n')" == "$(printf '%s' "$2" | od -An -tx1 | tr -d ' \n')" ]]
}
# Answers the save question; prints nothing.
answer() {  # BUTTON
  local box hwnd
  box=$(wx_driver message-box-text 10000) || wx_fail "no save question"
  wx_assert_contains "$box" "This text has been modified. Would you like to save it?" "the save question"
  hwnd=$(sed -n 's/^hwnd: //p' <<<"$box")
  wx_driver click "$hwnd" "$1" >/dev/null || wx_fail "cannot answer $1"
}

# --- opened by the tray click; the program is busy meanwhile ---
open_window
wx_assert_eq "$(wx_tray_tip)" "Working..." "the tray tip while Instant Spell is open"
type_text "This is a tset."
# Live spelling: the misspelled word gets the red wavy line (the only red
# in the editor).
red_in_editor() {
  local rect l t r b n
  rect=$(wx_driver list-children "$W" | grep -P "\tid=91\t" | grep -o 'rect=[-0-9,]*' | cut -d= -f2)
  IFS=, read -r l t r b <<<"$rect"
  import -display "$DISPLAY" -window root "$WX_TMP/screen.png" 2>/dev/null || return 1
  n=$(convert "$WX_TMP/screen.png" -crop "$((r - l))x$((b - t))+$l+$t" txt:- | grep -ci '#FF0000')
  ((n > 5))
}
wx_retry 5 red_in_editor || wx_fail "tset is not marked"
wx_screenshot typed
# Active Spell (Shift+Ctrl+F7) off removes the marks at once; on brings them back.
no_red_in_editor() { ! red_in_editor; }
wx_driver keys ctrl+shift+F7 >/dev/null
wx_retry 5 no_red_in_editor || wx_fail "Active Spell off left the marks"
wx_driver keys ctrl+shift+F7 >/dev/null
wx_retry 5 red_in_editor || wx_fail "Active Spell on did not mark tset again"
# F7: the spelling dialog offers "test" for "tset"; Change corrects it; the
# repeated "the the" is offered with Delete; a word without suggestions shows
# "(no suggestions)" with Change disabled; Undo goes back to the repeated
# pair and puts it back; Esc ends the check and keeps what was done.
type_text "This is a tset. the the qqqqzzzz."
wx_driver keys F7 >/dev/null
S="Spelling"
wx_driver wait-window "$S" "" 10000 >/dev/null || wx_fail "F7 did not open the Spelling dialog"
dialog_shows() { wx_driver list-children "$S" | grep -qP "$1"; }
wait_dialog() {  # PATTERN WHAT
  wx_retry 5 dialog_shows "$1" || wx_fail "$2: $(wx_driver list-children "$S")"
}
wait_dialog "text=tset$" "the Spelling dialog's word"
wait_dialog "text=test$" "the Spelling dialog does not offer test"
wx_screenshot spelling
wx_driver click "$S" "C&hange" >/dev/null || wx_fail "no Change button"
wait_dialog "text=the the$" "the repeated word"
wait_dialog "enabled=1\t.*text=&Delete$" "Delete for the repeated word"
wx_driver click "$S" "&Delete" >/dev/null || wx_fail "no Delete button"
wait_text "This is a test. the qqqqzzzz." "Delete in the Spelling dialog"
wait_dialog "item\[0\]\t\(no suggestions\)$" "a word without suggestions"
wait_dialog "enabled=0\t.*text=C&hange$" "Change disabled without suggestions"
wx_driver click "$S" "&Undo" >/dev/null || wx_fail "no Undo button"
wait_text "This is a test. the the qqqqzzzz." "Undo in the Spelling dialog"
wait_dialog "text=the the$" "Undo goes back to the repeated word"
wx_driver keys Escape >/dev/null
wx_driver wait-gone "$S" 5000 >/dev/null || wx_fail "Esc did not close the Spelling dialog"
wait_text "This is a test. the the qqqqzzzz." "the text after Esc"
type_text "This is a tset."

# --- Save As .txt and .rtf write their formats ---
save_as note
wx_retry 5 file_is note.txt "This is a tset." || wx_fail "note.txt does not hold the plain text"
save_as note.rtf
rich_note() { [[ "$(head -c 5 "$WX_PROGRAM_DIR/note.rtf" 2>/dev/null)" == '{\rtf' ]] && grep -q "This is a tset." "$WX_PROGRAM_DIR/note.rtf"; }
wx_retry 5 rich_note || wx_fail "note.rtf is not rich text holding the text"
# Greek text: UTF-8 with a byte-order mark, not question marks.
GREEK="Καλημέρα κόσμε"
type_text "$GREEK"
save_as greek.txt
wx_retry 5 file_is greek.txt $'\xef\xbb\xbf'"$GREEK" || wx_fail "greek.txt is not the text in UTF-8 with a byte-order mark: $(od -c "$WX_PROGRAM_DIR/greek.txt" | head -3)"

# --- Open reads both formats; a missing file gets the message ---
wx_driver keys ctrl+n >/dev/null
wait_text "" "New/Clear of a saved text"
open_file note.rtf
wait_text "This is a tset." "the rich text opened (not its markup)"
open_file greek.txt
wait_text "$GREEK" "the Greek text opened"
wx_driver command "$W" 1002 >/dev/null
file_dialog "$WX_PROGRAM_WINDIR\\missing.txt" "Open" "&Open"
box=$(wx_driver message-box-text 10000) || wx_fail "no message for a missing file"
wx_assert_contains "$box" "The file \"C:\\\\Program Files\\\\Wendrix\\\\missing.txt\" could not be found." "missing file"
wx_driver click "$(sed -n 's/^hwnd: //p' <<<"$box")" OK >/dev/null
wait_text "$GREEK" "the text after the missing file"

# --- Yes to the save question and a cancelled Save As keep the text ---
wx_driver keys ctrl+n >/dev/null
wait_text "" "New/Clear"
type_text "Keep these words"
wx_driver keys ctrl+n >/dev/null
answer "&Yes"
wx_driver wait-window "Save As" "" 10000 >/dev/null || wx_fail "Yes did not lead to Save As"
wx_driver click "Save As" Cancel >/dev/null
wx_driver wait-gone "Save As" 5000 >/dev/null || wx_fail "Save As did not close"
wait_text "Keep these words" "New/Clear after Yes and a cancelled Save As"
wx_driver close-window "$W" >/dev/null
answer "&Yes"
wx_driver wait-window "Save As" "" 10000 >/dev/null || wx_fail "Yes did not lead to Save As on closing"
wx_driver click "Save As" Cancel >/dev/null
wx_driver wait-gone "Save As" 5000 >/dev/null
sleep 0.5
wx_driver wait-window "$W" "" 1000 >/dev/null || wx_fail "the window closed after Yes and a cancelled Save As"
wait_text "Keep these words" "closing after Yes and a cancelled Save As"

# --- the end of the Windows session asks as closing does: Cancel refuses it, No allows it ---
query_end_session() {  # BUTTON EXPECTED: the window's answer after BUTTON
  local out="$WX_TMP/query-end-session" pid
  wx_driver_direct send-message "$W" 0x11 0 0x80000000 30000 >"$out" 2>&1 &  # WM_QUERYENDSESSION, logoff
  pid=$!
  wx_driver message-box-text 10000 >/dev/null || wx_fail "no save question at the end of the session: $(cat "$out")"
  answer "$1"
  wait "$pid" || wx_fail "no answer to the end of the session: $(cat "$out")"
  wx_assert_eq "$(tr -d '\r' <"$out")" "$2" "the answer to the end of the session after $1"
}
query_end_session Cancel 0
wait_text "Keep these words" "the refused end of the session"
query_end_session "&No" 1

# --- F8 replaces the selected word through the thesaurus dialog ---
type_text "We were happy there"
wx_driver select "$W" "$E" 8 13 >/dev/null
wx_driver keys F8 >/dev/null
T="Thesaurus: English"
wx_driver wait-window "$T" "" 15000 >/dev/null || wx_fail "F8 did not open the thesaurus dialog"
wx_assert_eq "$(wx_driver get-text "$T" "#102")" "happy" "the word the thesaurus got"
wx_driver select-item "$T" "#107" cheerful >/dev/null || wx_fail "cannot choose cheerful"
wx_driver click "$T" "&Replace" >/dev/null || wx_fail "Replace is not enabled"
wx_driver wait-gone "$T" 5000 >/dev/null || wx_fail "the thesaurus dialog did not close"
wait_text "We were cheerful there" "F8 and Replace"

# --- F9 opens the definitions window for the selected word ---
wx_driver focus "$W" "$E" >/dev/null
wx_driver select "$W" "$E" 8 16 >/dev/null
wx_driver keys F9 >/dev/null
D="Definitions Dictionary"
wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "F9 did not open the definitions window"
wx_assert_eq "$(wx_driver get-text "$D" "#202")" "cheerful" "the word the definitions window got"
wx_driver click "$D" "&Cancel" >/dev/null
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the definitions window did not close"
wait_text "We were cheerful there" "F9 and Cancel"

# --- size and maximised state survive a restart ---
xdotool search --name "^$W\$" windowsize 640 470 >/dev/null 2>&1 || wx_fail "xdotool cannot resize the window"
resized() { size=$(wx_driver window-info "$W" | sed -n 's/^size=//p') && [[ -n "$size" && "$size" != 555x346 ]]; }
wx_retry 5 resized || wx_fail "the window was not resized"
wx_driver post-message "$W" 0x112 0xF030 0 >/dev/null  # WM_SYSCOMMAND, SC_MAXIMIZE
maximised() { local style; style=$(wx_driver window-info "$W" | sed -n 's/^style=//p') && (((style & 0x01000000) != 0)); }
wx_retry 5 maximised || wx_fail "the window was not maximised"
wx_driver close-window "$W" >/dev/null
answer "&No"
wx_driver wait-gone "$W" 5000 >/dev/null || wx_fail "the window did not close after No"
wx_retry 5 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"
wx_driver close-window Wendrix >/dev/null
wx_wait_program_exit 15 >/dev/null
# Meanwhile the place was moved onto a monitor that is gone.
KEY='HKCU\Software\Morvane\Dialogs\InstantSpell'
wx_assert_eq "$(wx_reg_get "$KEY" State)" "2" "the stored state"
wx_reg_add "$KEY" Left REG_SZ 5000
wx_reg_add "$KEY" Top REG_SZ 3000
wx_start_program "$THES" "$DEFS" "$DICT"
wx_wait_tray_icon Wendrix 20 >/dev/null
open_window
style=$(wx_driver window-info "$W" | sed -n 's/^style=//p')
(((style & 0x01000000) != 0)) || wx_fail "the window did not reopen maximised (style $style)"
wx_driver post-message "$W" 0x112 0xF120 0 >/dev/null  # SC_RESTORE
restored_size() { [[ "$(wx_driver window-info "$W" | sed -n 's/^size=//p')" == "$size" ]]; }
wx_retry 5 restored_size
wx_assert_eq "$(wx_driver window-info "$W" | sed -n 's/^size=//p')" "$size" "the size restored after the restart"
IFS=, read -r l t r b <<<"$(wx_driver window-info "$W" | sed -n 's/^rect=//p')"
((l >= 0 && t >= 0 && r <= 1024 && b <= 768)) || wx_fail "the restored window is not on the screen: $l,$t,$r,$b"
wx_screenshot restored
# A right click on the tray icon while the window is open counts as a single
# click made while busy: closing the window at once (before the click falls
# due, 400 ms later) must not let it run the single-click action afterwards.
wx_tray_click right
wx_driver close-window "$W" >/dev/null
wx_driver wait-gone "$W" 5000 >/dev/null || wx_fail "an unmodified text asked on closing"
window_open() { wx_driver list-windows | grep -q "$W"; }
wx_retry 2 window_open && wx_fail "a tray click made while Instant Spell was open opened it again after it closed"
wx_retry 5 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"
wx_pass
