#!/usr/bin/env bash
# Clicking tray icons under Wine: the driver's stand-in tray program reports
# the mouse messages its icon receives when wx_tray_click clicks it.
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

wx_pass
