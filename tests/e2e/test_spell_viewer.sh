#!/usr/bin/env bash
# The Spell Viewer over the clipboard (click action 1): a place stored off
# the screen comes back onto it; "tset" and "teh" are underlined, "test" is
# the first suggestion; Change twice leaves the corrected text on the
# clipboard and the completion message counts the words; the place is
# stored on closing; Add writes the custom dictionary before the viewer
# closes; Cancel leaves the clipboard alone without a message; a pair made
# with Auto-Correct corrects the next check by itself; "sevral" gets
# "several" first (the ranked suggestions). Then, in the edition
# with the spelling hotkeys and silent mode (no message): Spell Check
# Selected (F7) and Spell Check All (F3) in Notepad and WordPad paste the
# corrected text (Greek unchanged) and restore the user's clipboard, Cancel
# pastes the original, and rich text copied from WordPad (F10) comes back
# rich without an added paragraph.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/viewer_lib.sh"

OPTIONS='HKCU\Software\Morvane\Wendrix\Options'
MAIN="$WX_DATA_DIR/american.qxm"
[[ -s "$MAIN" ]] || wx_fail "no main dictionary in $MAIN (the build makes it)"
# The first run's options, with click action 1 (Spell Check ClipBoard) on a single click.
wx_store_first_run_options 1
# A place stored while a monitor to the right was attached.
PLACE='HKCU\Software\Morvane\Tarvelo\SpellViewer'
wx_reg_add "$PLACE" Left REG_SZ 3000
wx_reg_add "$PLACE" Top REG_SZ 2000
wx_reg_add "$PLACE" Width REG_SZ 520
wx_reg_add "$PLACE" Height REG_SZ 330
wx_start_program "$MAIN"
wx_wait_tray_icon Wendrix 20 >/dev/null

# wait_word WORD: waits until the viewer presents WORD (in bold, its suggestions listed).
wait_word() {
  presented() { [[ "$(wx_driver get-sel "$V" "$PANE")" == "$1" ]]; }
  wx_retry 5 presented "$2" && return 0
  wx_fail "the viewer does not present '$1' (selection $(wx_driver get-sel "$V" "$PANE"), expected $2)"
}
press() { wx_driver click "$V" "$1" >/dev/null || wx_fail "cannot press $1"; }

# --- Plain text: marks, first suggestion, two changes, the word count ---
open_viewer "a tset of teh viewer"
wx_driver wait-text "$V" "$PANE" "a tset of teh viewer" 5000 >/dev/null || wx_fail "the pane does not show the clipboard text"
wait_word tset "2 6"
marks_are() { [[ "$(wx_driver live-marks "$V" "$PANE" | tr '\n' ,)" == "$1" ]]; }
wx_retry 5 marks_are "2 6,10 13," ||
  wx_fail "marks: $(wx_driver live-marks "$V" "$PANE" | tr '\n' ,) (expected 2 6,10 13)"
wx_screenshot marks
# The stored place is brought back onto the screen (1024 x 768), its size kept.
info=$(wx_driver window-info "$V")
read -r l t r b < <(sed -n 's/^rect=//p' <<<"$info" | tr ',' ' ')
((l >= 0 && t >= 0 && r <= 1024 && b <= 768 && r - l == 520 && b - t == 330)) ||
  wx_fail "the viewer is not on the screen at its stored size: $l,$t,$r,$b"
wx_assert_eq "$(wx_driver items "$V" "#105" | head -1)" $'0*\ttest' "first suggestion"
wx_assert_eq "$(wx_driver get-text "$V" "#103")" "test" "replacement box"
press "C&hange"
wait_word teh "10 13"
press "C&hange"
msg=$(end_message)
wx_assert_contains "$msg" "The spelling check is complete." "completion message"
wx_assert_contains "$msg" "Words checked: 5" "word count"
wx_driver clipboard-wait-text "a test of the viewer" 5000 >/dev/null ||
  wx_fail "clipboard after the check: '$(wx_driver clipboard-get-text)'"
wait_idle
wx_assert_eq "$(wx_reg_get "$PLACE" Left)" "$l" "the place stored when the viewer closed"

# --- Add: in the custom dictionary file while the viewer is open; Cancel ---
open_viewer "zorpix tset"
wait_word zorpix "0 6"
press "&Add"
wait_word tset "7 11"
grep -aq zorpix "$WX_PROGRAM_DIR/default.qxu" || wx_fail "the added word is not in default.qxu on disk"
press Cancel
wx_driver wait-gone "$V" 5000 >/dev/null || wx_fail "Cancel did not close the viewer"
wait_idle
wx_assert_eq "$(wx_driver clipboard-get-text)" "zorpix tset" "clipboard after Cancel"
wx_assert_eq "$(wx_driver list-windows | grep -c '#32770')" 0 "no message after Cancel"

# --- Auto-Correct makes a pair; the next check corrects the word by itself ---
open_viewer "wrod"
wait_word wrod "0 4"
wx_driver set-text "$V" "#103" "word" >/dev/null
press "Au&to-Correct"
end_message >/dev/null
wait_idle
open_viewer "a wrod qzxv"
wait_word qzxv "7 11"
press "I&gnore"
end_message >/dev/null
wx_driver clipboard-wait-text "a word qzxv" 5000 >/dev/null ||
  wx_fail "the pair was not applied: '$(wx_driver clipboard-get-text)'"
wait_idle

# --- Ranked suggestions: the common word first ("several", not "serval") ---
open_viewer "sevral"
wait_word sevral "0 6"
wx_assert_eq "$(wx_driver items "$V" "#105" | head -1)" $'0*\tseveral' "first suggestion for sevral"
press Cancel
wx_driver wait-gone "$V" 5000 >/dev/null || wx_fail "Cancel did not close the viewer"
wait_idle

# --- The edition with the spelling hotkeys, silent: Selected and All ---
wx_driver close-window Wendrix >/dev/null
wx_wait_program_exit 15 >/dev/null
wx_reg_add "$OPTIONS" SilentSpellMode REG_DWORD 1
WX_EXE="$(dirname "$WX_EXE")/WendrixTray-edition0.exe" wx_start_program "$MAIN"
wx_wait_tray_icon Wendrix 20 >/dev/null
N="$WX_NOTEPAD"
E=Edit
wx_start_notepad
wx_driver keys "text:Ωμέγα teh end" >/dev/null
wx_driver wait-text "$N" $E "Ωμέγα teh end" 5000 >/dev/null || wx_fail "typing into Notepad failed"
wx_driver clipboard-set-text "kept" >/dev/null
# hotkey WINDOW CHILD KEY START END: selects START..END there and presses KEY.
hotkey() {
  wx_driver focus "$1" "$2" -- select "$1" "$2" "$4" "$5" >/dev/null || wx_fail "cannot select in $1"
  wx_driver keys "$3" >/dev/null
  wx_driver wait-window "$V" "$VC" 15000 >/dev/null || wx_fail "$3 did not open the Spell Viewer"
}
# F7 on "Ωμέγα teh": the Greek word passes unchanged, no message in silent mode.
hotkey "$N" $E F7 0 9
wx_assert_eq "$(wx_driver get-text "$V" "$PANE")" "Ωμέγα teh" "the viewer's text"
wait_word teh "6 9"
press "C&hange"
wx_driver wait-text "$N" $E "Ωμέγα the end" 5000 >/dev/null ||
  wx_fail "Spell Check Selected in Notepad: '$(wx_driver get-text "$N" $E)'"
wait_idle
wx_assert_eq "$(wx_driver list-windows | grep -c '#32770')" 0 "no message in silent mode"
wx_driver clipboard-wait-text "kept" 5000 >/dev/null || wx_fail "the user's clipboard is not back after F7"
# F3 (all of it), then Cancel: the original goes back.
wx_driver set-text "$N" $E "one tset two" >/dev/null
hotkey "$N" $E F3 0 0
wait_word tset "4 8"
press Cancel
wait_idle
wx_assert_eq "$(wx_driver get-text "$N" $E)" "one tset two" "Notepad after Cancel"
wx_driver clipboard-wait-text "kept" 5000 >/dev/null || wx_fail "the user's clipboard is not back after Cancel"
# Rich text copied from WordPad (Spell Check ClipBoard by its hotkey, F10)
# comes back rich, without an added paragraph.
W="$WX_WORDPAD"
R=RichEdit20W
wx_start_wordpad >/dev/null
wx_driver keys "text:a tset here" >/dev/null
wx_driver wait-text "$W" $R "a tset here" 5000 >/dev/null || wx_fail "typing into WordPad failed"
wx_driver select "$W" $R 0 11 -- copy "$W" $R >/dev/null
wx_driver clipboard-formats | grep -q "Rich Text Format" || wx_fail "WordPad put no rich text on the clipboard"
wx_driver keys F10 >/dev/null
wx_driver wait-window "$V" "$VC" 15000 >/dev/null || wx_fail "F10 did not open the Spell Viewer"
wait_word tset "2 6"
press "C&hange"
wx_driver clipboard-wait-text "a test here" 5000 >/dev/null ||
  wx_fail "rich result on the clipboard: '$(wx_driver clipboard-get-text)'"
wx_driver clipboard-formats | grep -q "Rich Text Format" || wx_fail "the result is not rich text"
wait_idle
wx_driver focus "$W" $R -- select "$W" $R 0 -1 -- paste "$W" $R >/dev/null
wx_driver wait-text "$W" $R "a test here" 5000 >/dev/null ||
  wx_fail "pasted back into WordPad: '$(wx_driver get-text "$W" $R | od -c | head -3)'"
wx_driver clipboard-set-text "kept" >/dev/null
# WordPad: F3 corrects all of it, F7 a selection.
wx_driver set-text "$W" $R "the tset and teh end" >/dev/null
hotkey "$W" $R F3 0 0
wait_word tset "4 8"
press "C&hange"
wait_word teh "13 16"
press "C&hange"
wx_driver wait-text "$W" $R "the test and the end" 5000 >/dev/null ||
  wx_fail "Spell Check All in WordPad: '$(wx_driver get-text "$W" $R)'"
wait_idle
wx_driver set-text "$W" $R "my tset word" >/dev/null
hotkey "$W" $R F7 3 7
wait_word tset "0 4"
press "C&hange"
wx_driver wait-text "$W" $R "my test word" 5000 >/dev/null ||
  wx_fail "Spell Check Selected in WordPad: '$(wx_driver get-text "$W" $R)'"
wait_idle
wx_driver clipboard-wait-text "kept" 5000 >/dev/null || wx_fail "the user's clipboard is not back after WordPad"
wx_pass
