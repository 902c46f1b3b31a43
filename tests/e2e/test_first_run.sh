#!/usr/bin/env bash
# First run on an empty registry: the defaults are written, the tray icon
# appears, a second start ends at once, and F8 in Notepad reaches the
# controller, which reports the missing thesaurus file.
WX_SMART_BAR=1  # a first start: the Smart Bar opens too
source "$(dirname "$0")/lib.sh"

KEY='HKCU\Software\Morvane\Wendrix\Options'
wx_start_program
wx_retry 20 wx_driver tray-icons >/dev/null || wx_fail "no tray icon appeared"
# Wine may put a new icon's window in its own tray window a moment after it
# first shows it: the tip is waited for, not read once.
tip_is_ours() { [[ "$(wx_tray_tip Wendrix 2>/dev/null)" == "Wendrix" ]]; }
wx_retry 10 tip_is_ours || wx_assert_eq "$(wx_tray_tip Wendrix)" "Wendrix" "tray tip"

declare -A expected=(
  ["SpellApp HotKey"]="REG_SZ F7" ["SpellAppAll HotKey"]="REG_SZ F3" ["ThesApp HotKey"]="REG_SZ F8"
  ["Editor HotKey"]="REG_SZ F5" ["Editor2 HotKey"]="REG_SZ F4" ["SpellClip HotKey"]="REG_SZ F10"
  ["ThesClip HotKey"]="REG_SZ F11" ["DefClip HotKey"]="REG_SZ F9" ["DefApp HotKey"]="REG_SZ F6"
  ["InstantSpell HotKey"]="REG_SZ F12" ["OnSingleClick"]="REG_DWORD 0x2" ["OnDblCLick"]="REG_DWORD 0x7"
  ["QuoteCharacters"]="REG_SZ >" ["IgnorePrefix"]="REG_SZ '" ["IgnoreSuffix"]="REG_SZ ';'s;."
  ["SilentSpellMode"]="REG_DWORD 0x0" ["CompatibilityMode"]="REG_DWORD 0x0"
  ["CompatibilityDelay"]="REG_DWORD 0x3e8" ["ShowSmartBarOnOpen"]="REG_DWORD 0x1"
  ["CompatibilityCut"]="REG_DWORD 0x0" ["DisableBackup"]="REG_DWORD 0x0" ["ClassicSuggestions"]="REG_DWORD 0x0")
for name in "${!expected[@]}"; do
  wx_assert_eq "$(wx_reg_query "$KEY" "$name")" "${expected[$name]}" "$name"
done
count=$(wine reg query "$KEY" | tr -d '\r' | grep -c '    REG_')
wx_assert_eq "$count" "${#expected[@]}" "number of values written"
wx_reg_query "$KEY" SpellViewerAlwaysOnTop >/dev/null && wx_fail "SpellViewerAlwaysOnTop must not be written"

# A second copy ends at once, silently, while the first keeps running.
start=$(date +%s)
timeout 30 wine "$WX_PROGRAM_WINDIR\\$(basename "$WX_EXE")" || wx_fail "the second start failed"
(($(date +%s) - start < 15)) || wx_fail "the second start did not end at once"
wx_program_running || wx_fail "the first instance ended"
wx_retry 5 wx_driver tray-icons >/dev/null || wx_fail "the tray icon went away"

# F8 with Notepad focused reaches the controller: without Thesaurus.qxt the
# error box names the file and the program's folder.
wx_start_notepad
wx_driver keys "text:A bright idea" >/dev/null
wx_driver keys F8 >/dev/null
box=$(wx_driver message-box-text 15000) || wx_fail "no error box after F8"
wx_assert_contains "$box" "Wendrix" "caption"
wx_assert_contains "$box" "This function is not available due to the following problem:" "error box"
# The driver prints CR, LF and backslashes escaped.
wx_assert_contains "$box" 'A necessary file was not found:\r\nThesaurus.qxt\r\n' "error box"
wx_assert_contains "$box" 'This file should be located in:\r\nC:\\Program Files\\Wendrix\\\r\n' "error box"
wx_screenshot missing-file
wx_driver click Wendrix OK >/dev/null || wx_fail "cannot close the error box"
wx_driver wait-gone Wendrix 5000 >/dev/null 2>&1 || true
wx_program_running || wx_fail "the program ended after the error"
wx_assert_eq "$(wx_driver get-text "$WX_NOTEPAD" Edit)" "A bright idea" "Notepad's text"
wx_pass
