#!/usr/bin/env bash
# Thesaurus Selected (F8) when things go wrong around it: another program
# keeps the clipboard open (the action stops and says so; the document and
# the clipboard stay as they were); the focused program stops answering (the
# action gives up after its time-out, puts the clipboard back and says so);
# and in compatibility mode the program stays busy until the user's clipboard
# is back, so the tray menu cannot open in between.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/selected_lib.sh"

USER_TEXT="the user's words"
wx_start_program "$WX_DATA_DIR/Thesaurus.qxt"
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_start_notepad
N="$WX_NOTEPAD"
# Without a window manager Notepad opens over Wine's tray window: move it aside.
xdotool search --name "$N" windowmove 120 160 >/dev/null 2>&1
wx_driver keys "text:I am happy today" >/dev/null
wx_driver wait-text "$N" Edit "I am happy today" 5000 >/dev/null || wx_fail "typing into Notepad failed"
wx_driver clipboard-set-text "$USER_TEXT" >/dev/null

# host_ready FILE: waits until a stand-in started in the background is ready.
host_ready() { wx_retry 20 grep -q ready "$1" || wx_fail "the stand-in did not start: $(cat "$1")"; }
no_dialog() { ! wx_driver list-windows | grep -q "$D"; }

# 1. The clipboard is held by another program.
focus_target "$N" Edit 5 10
wx_driver clipboard-hold-host 6000 >"$WX_TMP/hold.out" 2>&1 &
host_ready "$WX_TMP/hold.out"
wx_driver keys F8 >/dev/null
box=$(wx_driver message-box-text 15000 Information) || wx_fail "no notice while the clipboard was held"
wx_assert_contains "$box" "caption: Information" "notice"
wx_assert_contains "$box" "Thesaurus Selected could not use the Windows Clipboard because another program is holding it open." "notice"
no_dialog || wx_fail "the thesaurus ran on a clipboard it could not empty"
wx_driver click Information OK >/dev/null || wx_fail "cannot close the notice"
wait_idle
wx_retry 10 grep -q released "$WX_TMP/hold.out" || wx_fail "the clipboard was not released"
wx_driver clipboard-wait-text "$USER_TEXT" 3000 >/dev/null || wx_fail "the user's clipboard changed"
wx_assert_eq "$(wx_driver get-text "$N" Edit)" "I am happy today" "Notepad after the held clipboard"

# 2. The focused program stops answering: given up after the time-out.
wx_driver hung-host "Hung Target" 25 >"$WX_TMP/hung.out" 2>&1 &
host_ready "$WX_TMP/hung.out"
start=$(date +%s)
wx_driver keys F8 >/dev/null
box=$(wx_driver message-box-text 20000 Information) || wx_fail "no notice for the program that stopped answering"
(($(date +%s) - start <= 12)) || wx_fail "giving up took $(($(date +%s) - start)) s"
wx_assert_contains "$box" "Thesaurus Selected stopped because the working application is not responding." "notice"
wx_driver clipboard-wait-text "$USER_TEXT" 3000 >/dev/null || wx_fail "the clipboard was not put back"
wx_driver click Information OK >/dev/null || wx_fail "cannot close the notice"
wait_idle

# 3. Compatibility mode (switched on through the question after an empty
# selection), then a real capture: from the dialog's Close until the user's
# clipboard is back the program is busy; a right click on the tray icon in
# that time opens no menu, and the single click it counts as is dropped even
# when it falls due after the work has ended (it must not start the tray's
# single-click action, the thesaurus on the clipboard).
focus_target "$N" Edit 3 3
wx_driver keys F8 >/dev/null
box=$(wx_driver message-box-text 15000 Information) || wx_fail "no question without a selection"
wx_assert_contains "$box" "caption: Information" "question"
wx_assert_contains "$box" "Do you want to enable Compatibility Mode?" "question"
wx_driver click Information "&Yes" >/dev/null || wx_fail "cannot answer Yes"
wait_idle
focus_target "$N" Edit 5 10
press_f8_for_dialog
wx_driver click "$D" "&Close" >/dev/null || wx_fail "cannot press Close"
wx_tray_click right
# Whenever the program reads as idle, the user's clipboard must be back.
idle_with_clipboard_back() {
  tip_is Wendrix || return 1
  wx_assert_eq "$(wx_driver clipboard-get-text)" "$USER_TEXT" "clipboard when the program became idle"
}
wx_retry 15 idle_with_clipboard_back || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"
if wx_driver popup-menu 300 >/dev/null 2>&1; then
  wx_driver keys Escape >/dev/null
  wx_fail "the tray menu opened while the capture was still putting things back"
fi
# The click falls due 400 ms after it was made: give it twice that and more.
dialog_open() { wx_driver list-windows | grep -q "$D"; }
if wx_retry 2 dialog_open; then
  wx_fail "a tray click made while the program was busy ran an action once the work had ended"
fi
tip_is Wendrix || wx_fail "the program is busy again after the capture (tip '$(wx_tray_tip)')"
wx_program_running || wx_fail "the program ended"
wx_driver wait-text "$N" Edit "I am happy today" 5000 >/dev/null ||
  wx_fail "Notepad's text changed: '$(wx_driver get-text "$N" Edit)'"
wx_pass
