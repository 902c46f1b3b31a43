#!/usr/bin/env bash
# Clicking tray icons and pressing system hotkeys under Wine: the driver's
# stand-in programs report the mouse messages their tray icon receives from
# wx_tray_click, and the WM_HOTKEY messages that `keys` produces.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

events="$WX_TMP/tray-events"
wx_driver tray-host "First icon" 60 >"$WX_TMP/first" 2>&1 &
WX_BG_PIDS+=($!)
wx_driver tray-host "Second ☃ icon" 60 >"$events" 2>&1 &
WX_BG_PIDS+=($!)
wx_retry 15 grep -q ready "$events" || wx_fail "the tray host did not start"
wx_retry 15 grep -q ready "$WX_TMP/first" || wx_fail "the first tray host did not start"
wx_wait_tray_icon "Second" 10 >/dev/null

icons=$(wx_driver tray-icons) || wx_fail "tray-icons"
wx_assert_contains "$icons" "tip=First icon" "tray icons"
wx_assert_contains "$icons" "tip=Second ☃ icon" "tray icons"
wx_assert_eq "$(wx_tray_tip Second)" "Second ☃ icon" "tip of the second icon"

wx_tray_click single Second
wx_retry 5 grep -q lup "$events" || wx_fail "no click reached the icon: $(cat "$events")"
sleep 0.6  # past the double-click time
wx_tray_click double Second
wx_retry 5 grep -q ldblclk "$events" || wx_fail "no double click reached the icon: $(cat "$events")"
sleep 0.6
wx_tray_click right Second
wx_retry 5 grep -q rup "$events" || wx_fail "no right click reached the icon: $(cat "$events")"
wx_assert_eq "$(tr -d '\r' <"$events" | tr '\n' ' ')" "ready ldown lup ldown lup ldblclk lup rdown rup " "events"
if grep -q -E 'down|up' "$WX_TMP/first"; then
    wx_fail "clicks meant for the second icon reached the first: $(cat "$WX_TMP/first")"
fi

# System hotkeys: a registered one is seen as taken, and SendInput presses it.
wx_assert_eq "$(wx_driver hotkey-free ctrl+F8)" "free" "unregistered hotkey"
hot="$WX_TMP/hotkey-events"
wx_driver hotkey-host ctrl+F8 30 1 >"$hot" 2>&1 &
WX_BG_PIDS+=($!)
wx_retry 15 grep -q ready "$hot" || wx_fail "the hotkey host did not start: $(cat "$hot")"
wx_driver hotkey-free ctrl+F8 2>/dev/null && wx_fail "a registered hotkey was reported free"
wx_driver keys F8 ctrl+F7 || wx_fail "keys"
sleep 0.3
wx_assert_not_contains "$(cat "$hot")" "hotkey" "events after pressing other keys"
wx_driver keys ctrl+F8 || wx_fail "keys"
wx_retry 5 grep -q hotkey "$hot" || wx_fail "Ctrl+F8 did not reach the hotkey: $(cat "$hot")"

wx_pass
