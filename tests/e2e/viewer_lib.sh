# The Spell Viewer as the end-to-end tests drive it (source after lib.sh).
V=Spelling
VC=TfrmSpellViewer
PANE="#101"
tip_is() { [[ "$(wx_tray_tip)" == "$1" ]]; }
wait_idle() { wx_retry 8 tip_is Wendrix || wx_fail "the program did not become idle (tip '$(wx_tray_tip)')"; }
# open_viewer TEXT: puts it on the clipboard, clicks the tray icon, waits for the viewer.
open_viewer() {
  wx_driver clipboard-set-text "$1" >/dev/null
  wx_tray_click single
  wx_driver wait-window "$V" "$VC" 15000 >/dev/null || wx_fail "no Spell Viewer for '$1'"
}
# end_message: waits for the completion message, prints its texts and closes it.
end_message() {
  local box
  box=$(wx_driver message-box-text 10000 "$V") || wx_fail "no completion message"
  grep '^text: ' <<<"$box"
  wx_driver click "$(sed -n 's/^hwnd: //p' <<<"$box")" OK >/dev/null || wx_fail "cannot close the message"
}
