#!/usr/bin/env bash
# The resident program over one run: it passes clipboard changes on to the
# next viewer in the chain (and leaves the chain whole when it ends); while a
# thesaurus session runs a hotkey is dropped, not queued, and Exit is
# refused; a double click runs only the double-click action; the tray menu's
# items work and Exit ends the program. Prints the working set after start,
# during the thesaurus dialog and after the idle unload ("Stay Resident" 1
# minute), and the time from start to the tray icon.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/selected_lib.sh"

EXE=$(basename "$WX_EXE")
working_set() { wx_driver working-set "$EXE" | sed 's/ peak.*//; s/working-set-kb=//'; }
viewer_changes() { grep -c changed "$WX_TMP/viewer.out"; }

# A clipboard viewer that joined the chain before the program.
wx_driver clipboard-viewer-host 150 >"$WX_TMP/viewer.out" 2>&1 &
wx_retry 20 grep -q ready "$WX_TMP/viewer.out" || wx_fail "the viewer stand-in did not start"

wx_reg_add 'HKCU\SOFTWARE\Morvane\Tarvelo\Options' "Stay Resident" REG_SZ 1
# Single click: Thesaurus ClipBoard (the default); double click: the tray menu.
wx_reg_add 'HKCU\Software\Morvane\Wendrix\Options' OnSingleClick REG_DWORD 2
wx_reg_add 'HKCU\Software\Morvane\Wendrix\Options' OnDblCLick REG_DWORD 9
started=$(date +%s.%N)
wx_start_program "$WX_DATA_DIR/Thesaurus.qxt"
wx_wait_tray_icon Wendrix 30 >/dev/null
to_icon=$(echo "$(date +%s.%N) - $started" | bc)
sleep 1
ws_start=$(working_set)
wx_assert_eq "$(wx_driver tray-icons | grep -c 'tip=Wendrix')" 1 "tray icons of the program"

# The viewer after the program in the chain still hears of every change.
before=$(viewer_changes)
wx_driver clipboard-set-text happy >/dev/null
wx_retry 5 test "$(viewer_changes)" -gt "$before" || wx_fail "the change was not passed on to the next viewer"

# A single click: the thesaurus for the clipboard word.
wx_tray_click single Wendrix
wx_driver wait-window "$D" "" 10000 >/dev/null || wx_fail "a single click did not open the thesaurus"
ws_dialog=$(working_set)
# Busy: F11 (Thesaurus ClipBoard) is dropped, and closing the controller is refused.
wx_driver keys F11 >/dev/null
controller=$(wx_driver window-of-class TfrmTarvelo) || wx_fail "no controller window"
wx_driver post-message "$controller" 16 0 0 >/dev/null  # WM_CLOSE
sleep 0.5
wx_program_running || wx_fail "the program ended while an action ran"
wx_driver click "$D" "&Close" >/dev/null || wx_fail "cannot press Close"
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the dialog did not close"
closed=$(date +%s)
sleep 1.5
no_dialog() { ! wx_driver list-windows | grep -q "$D"; }
no_dialog || wx_fail "the hotkey pressed while busy ran afterwards"
wx_program_running || wx_fail "the refused close ended the program afterwards"

# A double click runs its own action (the menu) and not also the single click's.
sleep 0.6
wx_tray_click double Wendrix
wx_driver popup-menu 3000 >/dev/null || wx_fail "the double click did not open the menu"
sleep 1
wx_driver keys Escape >/dev/null
wx_driver popup-menu-gone 3000 >/dev/null || wx_fail "the menu stayed open"
no_dialog || wx_fail "the double click also ran the single-click action"

# After the idle minute the thesaurus container is freed.
wait_s=$((closed + 65 - $(date +%s)))
((wait_s > 0)) && sleep "$wait_s"
ws_unloaded=$(working_set)

# The tray menu: Help > About, Thesaurus ClipBoard (the last item), Exit.
sleep 0.6
wx_tray_click right Wendrix
wx_driver popup-menu 3000 >/dev/null || wx_fail "a right click did not open the menu"
wx_driver keys h a >/dev/null
box=$(wx_driver message-box-text 5000 About) || wx_fail "Help > About showed nothing"
wx_assert_contains "$box" "Wendrix v5.1.6" "About"
wx_driver click About OK >/dev/null
wait_idle
sleep 0.6
wx_tray_click right Wendrix
wx_driver popup-menu 3000 >/dev/null || wx_fail "the menu did not open again"
wx_driver keys Up Enter >/dev/null
wx_driver wait-window "$D" "" 10000 >/dev/null || wx_fail "Thesaurus ClipBoard did not open the thesaurus"
wx_assert_eq "$(wx_driver get-text "$D" "#102")" "happy" "word looked up"
close_dialog
sleep 0.6
wx_tray_click right Wendrix
wx_driver popup-menu 3000 >/dev/null || wx_fail "the menu did not open for Exit"
wx_driver keys x >/dev/null
wx_assert_eq "$(wx_wait_program_exit 10)" 0 "exit code"
wx_driver tray-icons | grep -q 'tip=Wendrix' && wx_fail "the tray icon stayed after Exit"

# The program left the chain whole behind it.
before=$(viewer_changes)
wx_driver clipboard-set-text "after exit" >/dev/null
wx_retry 5 test "$(viewer_changes)" -gt "$before" || wx_fail "the chain was broken when the program ended"

printf 'FIGURES: start to tray icon %.1f s; working set after start %s KB, during the thesaurus dialog %s KB, after the idle unload %s KB\n' \
  "$to_icon" "$ws_start" "$ws_dialog" "$ws_unloaded"
wx_pass
