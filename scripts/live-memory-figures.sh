#!/usr/bin/env bash
# Prints how much memory the resident program holds around a long text in
# its two spelling windows, under Wine: the program process's anonymous
# resident memory (Linux /proc RssAnon, all of it: our heap, Wine's, the rich
# edit's) idle before the window opens, with 1 MB of English prose (Debian's
# fortunes) open, and idle again after the window closed. Instant Spell gets
# the text pasted into its editor; the Spell Viewer checks it from the
# clipboard (tray click action 1). Figures only: nothing here passes or fails.
# Needs `bash scripts/build.sh` first. WX_TEXT_KB=5120 takes another size.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
export WX_EXE=${WX_EXE:-$root/build/mingw/WendrixTray.exe} WX_DRIVER=${WX_DRIVER:-$root/build/mingw/wxdriver.exe}
export WX_SOURCE_DIR=$root WX_BINARY_DIR=${WX_BINARY_DIR:-$root/build/mingw} WX_DATA_DIR=${WX_DATA_DIR:-$root/dist/windows}
[ -f "$WX_EXE" ] && [ -f "$WX_DRIVER" ] && [ -f "$WX_DATA_DIR/american.qxm" ] ||
  { echo "build first: bash scripts/build.sh" >&2; exit 1; }
WX_TEST_NAME=live-memory
source tests/e2e/lib.sh

# The text: fortunes in the Windows-1252 repertoire, cut at a line's end.
kb=${WX_TEXT_KB:-1024}
text="$WX_TMP/text.txt"
for f in /usr/share/games/fortunes/*; do
  [ -f "$f" ] || continue
  case "$f" in *.*) continue ;; esac
  cat "$f"
done | iconv -f UTF-8 -t WINDOWS-1252//TRANSLIT 2>/dev/null | iconv -f WINDOWS-1252 -t UTF-8 |
  head -c $((kb * 1024 + 4096)) | head -n -1 >"$text"
# Characters as WM_GETTEXTLENGTH counts them (a line break is two).
chars=$(python3 -c 'import sys; t = open(sys.argv[1], encoding="utf-8").read(); print(len(t) + t.count("\n"))' "$text")
wintext="Z:$(tr / '\\' <<<"$text")"

# The Linux process of the program in this test's prefix.
program_pid() {
  local p
  for p in $(pgrep -f 'WendrixTray.exe'); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "$p"; return 0; }
  done
  return 1
}
anon_mb() { awk '/^RssAnon:/ { printf "%.1f", $2 / 1024 }' "/proc/$(program_pid)/status"; }
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
wait_idle() { wx_retry 60 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"; }
# Memory settles a moment after the last window message.
settled() { sleep 3; anon_mb; }

OPTIONS='HKCU\Software\Morvane\Wendrix\Options'
run() {  # CLICK-ACTION NAME
  wx_reg_add "$OPTIONS" OnSingleClick REG_DWORD "$1"
  wx_reg_add "$OPTIONS" OnDblCLick REG_DWORD 7
  wx_start_program "$WX_DATA_DIR/Thesaurus.qxt" "$WX_DATA_DIR/Definitions.ydd" "$WX_DATA_DIR/american.qxm"
  wx_wait_tray_icon Wendrix 30 >/dev/null
  wait_idle
  local before open after
  before=$(settled)
  if [[ $2 == "Instant Spell" ]]; then
    wx_tray_click single
    wx_driver wait-window "Instant Spell" "" 15000 >/dev/null || wx_fail "no Instant Spell"
    wx_driver clipboard-set-file "$wintext" >/dev/null || wx_fail "cannot put the text on the clipboard"
    wx_driver focus "Instant Spell" "#91" >/dev/null || wx_fail "cannot focus the editor"
    wx_driver keys ctrl+v >/dev/null
    wx_driver wait-length "Instant Spell" "#91" "$chars" 60000 >/dev/null || wx_fail "the text was not pasted"
    open=$(settled)
    wx_driver close-window "Instant Spell" >/dev/null
    local box
    box=$(wx_driver message-box-text 10000) && wx_driver click "$(sed -n 's/^hwnd: //p' <<<"$box")" "&No" >/dev/null
    wx_driver wait-gone "Instant Spell" 15000 >/dev/null || wx_fail "Instant Spell stayed open"
  else
    wx_driver clipboard-set-file "$wintext" >/dev/null || wx_fail "cannot put the text on the clipboard"
    wx_tray_click single
    wx_driver wait-window "Spelling" "TfrmSpellViewer" 60000 >/dev/null || wx_fail "no Spell Viewer"
    open=$(settled)
    wx_driver close-window "Spelling" >/dev/null
    wx_driver wait-gone "Spelling" 15000 >/dev/null || wx_fail "the Spell Viewer stayed open"
  fi
  wait_idle
  after=$(settled)
  printf '%-14s %10s %10s %10s\n' "$2" "$before" "$open" "$after"
  # Ended as a crash would: only the next start matters here.
  wx_driver kill-process WendrixTray.exe >/dev/null
  wx_retry 10 bash -c '! pgrep -f WendrixTray.exe >/dev/null || ! '"$(declare -f program_pid)"'; ! program_pid' >/dev/null 2>&1 || true
  sleep 1
}
echo "text: $(wc -c <"$text") bytes, $chars characters of fortunes"
printf '%-14s %10s %10s %10s\n' "window" "MB before" "MB open" "MB after"
run 5 "Instant Spell"
run 1 "Spell Viewer"
