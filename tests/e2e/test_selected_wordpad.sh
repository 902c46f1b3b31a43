#!/usr/bin/env bash
# Thesaurus Selected (F8) in WordPad's rich edit control, in direct mode and
# in compatibility mode with cutting: Replace puts the chosen word in place of
# the selection; Close leaves the document as it was (the cut word is pasted
# back).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/selected_lib.sh"

KEY='HKCU\Software\Morvane\Wendrix\Options'
W="$WX_WORDPAD"
R=RichEdit20W
wx_start_program "$WX_DATA_DIR/Thesaurus.qxt"
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_start_wordpad
wx_driver keys "text:We were happy there" >/dev/null
wx_driver wait-text "$W" $R "We were happy there" 5000 >/dev/null || wx_fail "typing into WordPad failed"
wx_driver clipboard-set-text "kept" >/dev/null

# Direct mode.
focus_target "$W" $R 8 13
press_f8_for_dialog
choose_and_replace cheerful
wx_driver wait-text "$W" $R "We were cheerful there" 5000 >/dev/null ||
  wx_fail "direct mode did not replace the word: '$(wx_driver get-text "$W" $R)'"
focus_target "$W" $R 8 16
press_f8_for_dialog
close_dialog
wx_assert_eq "$(wx_driver get-text "$W" $R)" "We were cheerful there" "text after Close"
wx_driver clipboard-wait-text "kept" 5000 >/dev/null || wx_fail "the user's clipboard text is not back"

# Compatibility mode with Ctrl+X: stop the program, change the settings, start again.
wx_driver close-window Wendrix >/dev/null
wx_wait_program_exit 15 >/dev/null
wx_reg_add "$KEY" CompatibilityMode REG_DWORD 1
wx_reg_add "$KEY" CompatibilityCut REG_DWORD 1
wx_start_program "$WX_DATA_DIR/Thesaurus.qxt"
wx_wait_tray_icon Wendrix 20 >/dev/null
focus_target "$W" $R 8 16
press_f8_for_dialog
close_dialog
wx_driver wait-text "$W" $R "We were cheerful there" 5000 >/dev/null ||
  wx_fail "Close after a cut changed the document: '$(wx_driver get-text "$W" $R)'"
focus_target "$W" $R 8 16
press_f8_for_dialog
choose_and_replace glad
wx_driver wait-text "$W" $R "We were glad there" 5000 >/dev/null ||
  wx_fail "compatibility mode did not replace the word: '$(wx_driver get-text "$W" $R)'"
wx_driver clipboard-wait-text "kept" 5000 >/dev/null || wx_fail "clipboard after compatibility mode"
wx_pass
