#!/usr/bin/env bash
# No display was given: runs Wendrix on a virtual display and shows its main
# job in a scripted demonstration, saving a screenshot of every step: the tray
# icon and the Smart Bar a first start shows, Notepad with a sentence, a word
# selected, F8, the thesaurus dialog, a replacement chosen from the words the
# dialog lists, the sentence changed. On a terminal the program then stays
# running on the virtual display until Ctrl+C; otherwise (standard input is
# not a terminal) the run ends once the demonstration has worked.
# The end-to-end test test_demo runs this script with the tests' own program,
# driver and folders (the WX_* variables), so a change of data or behaviour
# cannot break the run command unnoticed.
set -o pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots=${WX_DEMO_SHOTS:-$root/dist/screenshots}
mkdir -p "$shots"
rm -f "$shots"/*.png
export WX_TEST_NAME=${WX_TEST_NAME:-demo} WX_BINARY_DIR=${WX_BINARY_DIR:-$root/build/mingw}
export WX_EXE=${WX_EXE:-$root/dist/windows/WendrixTray.exe} WX_DRIVER=${WX_DRIVER:-$root/build/mingw/wxdriver.exe}
export WX_DATA_DIR=${WX_DATA_DIR:-$root/dist/windows}
# The program is meant to keep running after the demonstration: no time limit
# unless the caller sets one.
export WX_TEST_TIMEOUT=${WX_TEST_TIMEOUT:-0}
# A first start shows the Smart Bar: so does the demonstration.
export WX_SMART_BAR=1
WX_LIB_NO_INIT=1 source "$root/tests/e2e/lib.sh"

_wx_init
# Keep the run's folder clean-up but take the screenshots ourselves.
WX_ARTIFACTS=$shots
shot() { import -display "$DISPLAY" -window root "$shots/$1.png" && echo "   step: $shots/$1.png ($2)"; }

echo "== no DISPLAY: Wendrix runs on the virtual display $DISPLAY"
wx_start_program "$WX_DATA_DIR"/Thesaurus.qxt
wx_wait_tray_icon Wendrix 30 >/dev/null
wx_driver wait-window SmartBar "" 10000 >/dev/null || wx_fail "the Smart Bar did not open on the first start"
shot 1-tray-icon "the tray icon in Wine's notification area (top left) and the Smart Bar (bottom right)"
wx_start_notepad >/dev/null
xdotool search --name "$WX_NOTEPAD" windowmove 60 120 >/dev/null 2>&1 || true
wx_driver focus "$WX_NOTEPAD" Edit >/dev/null
sentence="We had a happy time at the lake."
wx_driver keys "text:$sentence" >/dev/null
shot 2-notepad "Notepad with a sentence"
wx_driver select "$WX_NOTEPAD" Edit 9 14 >/dev/null
shot 3-selected "the word 'happy' selected"
wx_driver keys F8 >/dev/null
D="Thesaurus: English"
wx_driver wait-window "$D" "" 20000 >/dev/null || wx_fail "the thesaurus dialog did not open"
# The replacement is the first word the dialog lists that is not "happy"
# itself: whatever the thesaurus data offers.
words=$(wx_driver items "$D" "#107") || wx_fail "cannot read the dialog's word list"
choice=$(printf '%s\n' "$words" | cut -f2- | grep -v -x -i happy | head -1)
[ -n "$choice" ] || wx_fail "the dialog lists no word for 'happy': $words"
shot 4-thesaurus "F8: the thesaurus dialog with the meanings of 'happy'"
wx_driver select-item "$D" "#107" "$choice" >/dev/null || wx_fail "cannot choose '$choice'"
wx_driver wait-text "$D" "#106" "$choice" 5000 >/dev/null || wx_fail "Replace With did not take '$choice'"
shot 5-chosen "'$choice' chosen as the replacement"
wx_driver click "$D" "&Replace" >/dev/null || wx_fail "cannot press Replace"
wx_driver wait-text "$WX_NOTEPAD" Edit "We had a $choice time at the lake." 10000 >/dev/null ||
  wx_fail "the sentence did not change: '$(wx_driver get-text "$WX_NOTEPAD" Edit)'"
sleep 0.5
shot 6-replaced "Replace: the sentence now reads '$(wx_driver get-text "$WX_NOTEPAD" Edit)'"
echo "== the demonstration worked: screenshots are in $shots"
if [ ! -t 0 ]; then
  echo "   (standard input is not a terminal: Wendrix is stopped and the run ends here)"
  exit 0
fi
echo "   Wendrix keeps running on $DISPLAY; take another screenshot with:"
echo "     DISPLAY=$DISPLAY import -window root shot.png"
echo "   stop with Ctrl+C."
trap 'echo; echo "== stopped"; exit 0' INT TERM
while wx_program_running; do sleep 2; done
echo "== Wendrix has ended"
