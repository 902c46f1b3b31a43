# Helpers for the Selected-action tests (sourced after lib.sh).
D="Thesaurus: English"
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
wait_idle() { wx_retry 8 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"; }

# press_f8_for_dialog: F8 in the focused program; waits for the thesaurus dialog.
press_f8_for_dialog() {
  wx_driver keys F8 >/dev/null
  wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "F8 did not open the thesaurus dialog"
}

# choose_and_replace WORD: picks WORD in the dialog's word list and presses Replace.
choose_and_replace() {
  wx_driver select-item "$D" "#107" "$1" >/dev/null || wx_fail "'$1' is not in the word list: $(wx_driver items "$D" "#107")"
  wx_driver wait-text "$D" "#106" "$1" 5000 >/dev/null || wx_fail "Replace With did not take '$1'"
  wx_driver click "$D" "&Replace" >/dev/null || wx_fail "Replace is not enabled"
  wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the dialog did not close"
  wait_idle
}

close_dialog() {
  wx_driver click "$D" "&Close" >/dev/null || wx_fail "cannot press Close"
  wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the dialog did not close"
  wait_idle
}

# focus_target WINDOW CHILD START END: focuses the control and selects a range.
focus_target() {
  wx_driver focus "$1" "$2" >/dev/null || wx_fail "cannot focus $1"
  wx_driver select "$1" "$2" "$3" "$4" >/dev/null || wx_fail "cannot select in $1"
}
