#!/usr/bin/env bash
# The other languages' main dictionaries. German chosen in Spelling Options
# (ticked in the main list, English unticked): the Spell Viewer and Instant
# Spell mark only "Tset" in "Das ist ein Tset." and offer "Test" first. A
# first run under a French Windows (display language French) checks in
# French: accented text is corrected and comes back on the clipboard byte
# for byte apart from the change. The installer under a German Windows
# installs the German dictionary, and no other language's, without being
# asked.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/viewer_lib.sh"

for f in american german french; do
  [[ -s "$WX_DATA_DIR/$f.qxm" ]] || wx_fail "no $f.qxm in $WX_DATA_DIR (the build makes it)"
done
CFG='HKCU\Software\Morvane\Tarvelo\Default'
OPTIONS='HKCU\Software\Morvane\Wendrix\Options'
# The interface stays English whatever the display language: the test reads English captions.
wx_reg_add 'HKCU\Software\Morvane\Language\Options' 'Language Code' REG_SZ 1033
wx_store_first_run_options 1  # a single click checks the clipboard in the Spell Viewer
wx_reg_add "$OPTIONS" OnDblCLick REG_DWORD 6  # a double click opens Spelling Options
start() {
  wx_start_program "$WX_DATA_DIR/american.qxm" "$WX_DATA_DIR/german.qxm" "$WX_DATA_DIR/french.qxm"
  wx_wait_tray_icon Wendrix 20 >/dev/null
}
# open_viewer_on TEXT: the viewer on TEXT, the pane showing it.
open_viewer_on() {
  open_viewer "$1"
  wx_driver wait-text "$V" "$PANE" "$1" 5000 >/dev/null || wx_fail "the pane does not show '$1'"
}
marks() { wx_driver live-marks "$V" "$PANE" | tr '\n' ,; }
marks_are() { [[ "$(marks)" == "$1" ]]; }
# Changes the presented word to the first suggestion; prints that suggestion.
change_to_first() {
  local first
  first=$(wx_driver items "$V" "#105" | head -1 | cut -f2)
  wx_driver click "$V" "C&hange" >/dev/null || wx_fail "cannot press Change"
  printf '%s' "$first"
}
end_check() { end_message >/dev/null; }

# --- German, chosen in Spelling Options --------------------------------------
start
D="Spelling Options"
wx_tray_click double
wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "no Spelling Options from a double click"
LIST="#1034"
items=$(wx_driver items "$D" "$LIST")
wx_assert_contains "$items" "Deutsch (Deutschland)" "the German dictionary's title in the list"
wx_assert_contains "$items" "Français (France)" "the French dictionary's title in the list"
toggle() {  # TITLE: selects the row and presses Space, as a user ticks its box
  wx_driver select-item "$D" "$LIST" "$1" >/dev/null || wx_fail "no row '$1'"
  wx_driver focus "$D" "$LIST" >/dev/null
  wx_driver keys space >/dev/null
}
toggle "Deutsch (Deutschland)"
toggle "English (United States)"
wx_driver click "$D" "&OK" >/dev/null || wx_fail "cannot click OK"
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "Spelling Options did not close"
main_is() { [[ "$(wx_reg_get "$CFG" _Main_0)" == "$1" ]] && ! wx_reg_query "$CFG" _Main_1 >/dev/null 2>&1; }
wx_retry 5 main_is german.qxm || wx_fail "the main dictionaries stored: $(wx_reg_list "$CFG" | grep _Main)"
wait_idle

open_viewer_on "Das ist ein Tset."
wx_retry 5 marks_are "12 16," || wx_fail "German marks: $(marks) (expected only Tset, 12 16)"
wx_assert_eq "$(wx_driver items "$V" "#105" | head -1 | cut -f2)" "Test" "the first German suggestion"
wx_screenshot german
change_to_first >/dev/null
end_check
wx_driver clipboard-wait-text "Das ist ein Test." 5000 >/dev/null ||
  wx_fail "German result on the clipboard: '$(wx_driver clipboard-get-text)'"
wait_idle
wx_driver kill-process WendrixTray.exe >/dev/null
mutex_gone() { ! wx_driver mutex-exists DravimoAutoRun >/dev/null 2>&1; }
wx_retry 10 mutex_gone || wx_fail "the program's mutex outlived it"

# --- Instant Spell with the German dictionary -------------------------------------
wx_reg_add "$OPTIONS" OnSingleClick REG_DWORD 5  # a single click opens Instant Spell
start
IS="Instant Spell"
wx_tray_click single
wx_driver wait-window "$IS" "" 15000 >/dev/null || wx_fail "the tray click did not open Instant Spell"
wx_driver focus "$IS" "#91" >/dev/null || wx_fail "cannot focus the editor"
wx_driver keys "text:Das ist ein Tset. " >/dev/null
wx_driver wait-text "$IS" "#91" "Das ist ein Tset. " 5000 >/dev/null || wx_fail "typing into Instant Spell failed"
is_marks_are() { [[ "$(wx_driver live-marks "$IS" "#91" | tr '\n' ,)" == "$1" ]]; }
wx_retry 5 is_marks_are "12 16," ||
  wx_fail "Instant Spell's German marks: $(wx_driver live-marks "$IS" "#91" | tr '\n' ,) (expected only Tset, 12 16)"
wx_driver keys F7 >/dev/null
wx_driver wait-window "Spelling" "" 10000 >/dev/null || wx_fail "F7 did not open the Spelling dialog"
offers_test() { wx_driver list-children "Spelling" | grep -qP "item\[0\]\*?\tTest$"; }
wx_retry 5 offers_test || wx_fail "the Spelling dialog does not offer Test first: $(wx_driver list-children Spelling)"
wx_driver keys Escape >/dev/null
wx_driver kill-process WendrixTray.exe >/dev/null
wx_retry 10 mutex_gone || wx_fail "the program's mutex outlived it"
wx_reg_add "$OPTIONS" OnSingleClick REG_DWORD 1

# --- French, a first run under a French Windows --------------------------------
wx_reg_delete "$CFG"
locales="$WX_TMP/locales"
mkdir -p "$locales"
localedef -i fr_FR -f UTF-8 "$locales/fr_FR.UTF-8" 2>/dev/null || [[ -d "$locales/fr_FR.UTF-8" ]] ||
  wx_fail "cannot make the French locale"
LOCPATH="$locales" LC_ALL=fr_FR.UTF-8 start
text="Le café est trés bon, à bientôt."
open_viewer_on "$text"
wx_retry 5 marks_are "12 16," || wx_fail "French marks: $(marks) (expected only trés, 12 16)"
wx_assert_contains "$(wx_driver items "$V" "#105" | cut -f2)" "très" "the French suggestions"
first=$(change_to_first)
end_check
wx_driver clipboard-wait-text "Le café est $first bon, à bientôt." 5000 >/dev/null ||
  wx_fail "French result on the clipboard: '$(wx_driver clipboard-get-text)' (changed to '$first')"
wx_assert_eq "$(wx_reg_get "$CFG" _Main_0)" "french.qxm" "the first run's main dictionary under a French Windows"
wx_driver kill-process WendrixTray.exe >/dev/null
wx_retry 10 mutex_gone || wx_fail "the program's mutex outlived it"

# --- the installer under a German Windows ----------------------------------------
if [[ -n "${WX_INSTALLER:-}" ]]; then
  localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" 2>/dev/null || [[ -d "$locales/de_DE.UTF-8" ]] ||
    wx_fail "cannot make the German locale"
  cp "$WX_INSTALLER" "$WX_TMP/setup.exe"
  # The program folder the runs above used is emptied: what is there afterwards is the installer's.
  rm -rf "$WX_PROGRAM_DIR"
  LOCPATH="$locales" LC_ALL=de_DE.UTF-8 wine "$WX_TMP/setup.exe" /S /NOAUTORUN >>"$WX_TMP/setup.log" 2>&1 ||
    wx_fail "the installer failed: $(tail -5 "$WX_TMP/setup.log")"
  installed="$WX_PROGRAM_DIR"
  wx_retry 10 test -f "$installed/WendrixTray.exe" || wx_fail "nothing installed in $installed"
  [[ -f "$installed/german.qxm" ]] || wx_fail "the German dictionary was not chosen: $(ls "$installed")"
  for f in british danish dutch french italian brazilian portuguese spanish swedish; do
    [[ -e "$installed/$f.qxm" ]] && wx_fail "$f.qxm installed without being chosen"
  done
fi
wx_pass
