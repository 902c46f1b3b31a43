#!/usr/bin/env bash
# A Selected action in compatibility mode with nothing selected: the program is
# busy while it waits for the copy (the tray icon animates and its tip reads
# "Working..."), then shows the notice; afterwards it is idle again and the
# user's clipboard text is back.
source "$(dirname "$0")/lib.sh"

KEY='HKCU\Software\Morvane\Wendrix\Options'
wx_reg_add "$KEY" CompatibilityMode REG_DWORD 1
wx_reg_add "$KEY" CompatibilityDelay REG_DWORD 3000
printf 'placeholder' >"$WX_TMP/Thesaurus.qxt"   # only its presence is checked before the capture
wx_start_program "$WX_TMP/Thesaurus.qxt"
wx_retry 20 wx_driver tray-icons >/dev/null || wx_fail "no tray icon"
wx_driver clipboard-set-text "kept on the clipboard" >/dev/null
wx_start_notepad
# Without a window manager Notepad opens over Wine's tray window: move it aside.
xdotool search --name "$WX_NOTEPAD" windowmove 120 160 >/dev/null 2>&1
wx_driver focus "$WX_NOTEPAD" Edit >/dev/null

icon_shot() {  # a screenshot of the tray icon's square
  local line rect
  line=$(wx_driver tray-icons | head -n 1)
  rect=$(sed -n 's/.*rect=\([0-9-]*\),\([0-9-]*\),\([0-9-]*\),\([0-9-]*\).*/\3-\1 \4-\2 \1 \2/p' <<<"$line")
  read -r w h x y <<<"$rect"
  import -display "$DISPLAY" -window root -crop "$(($w))x$(($h))+$x+$y" "$1"
}

icon_shot "$WX_TMP/idle.png"
wx_driver keys F8 >/dev/null
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
wx_retry 5 tip_is "Working..." || wx_fail "the tip did not change to Working... (it reads '$(wx_tray_tip)')"
frames=()
for i in 1 2 3 4; do icon_shot "$WX_TMP/busy$i.png"; frames+=("$(md5sum <"$WX_TMP/busy$i.png")"); sleep 0.45; done
distinct=$(printf '%s\n' "${frames[@]}" | sort -u | wc -l)
((distinct >= 3)) || wx_fail "the tray icon did not animate (only $distinct different frames)"

box=$(wx_driver message-box-text 10000) || wx_fail "no notice after the delay"
wx_assert_contains "$box" "Thesaurus Selected could not retrieve any text from the working application." "notice"
wx_assert_contains "$box" "initiate a Thesaurus Clipboard." "notice"
wx_driver click Information OK >/dev/null || wx_fail "cannot close the notice"
wx_retry 10 tip_is "Wendrix" || wx_fail "the tip did not go back to Wendrix"
icon_shot "$WX_TMP/after.png"
cmp -s "$WX_TMP/idle.png" "$WX_TMP/after.png" || wx_fail "the icon did not stop on its still image"
wx_driver clipboard-wait-text "kept on the clipboard" 5000 >/dev/null || wx_fail "the user's clipboard text is not back"
wx_pass
