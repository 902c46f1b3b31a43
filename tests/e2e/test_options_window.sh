#!/usr/bin/env bash
# The options window as a user meets it: a double click on the tray icon opens
# it with the edition's tree; pages switch; OK stores a new thesaurus hotkey
# (F8 is let go, Ctrl+F8 opens the thesaurus); Cancel keeps the old one; the
# language box switches the captions at once and a restart keeps the choice;
# auto-run converts the older start-up value into the Startup shortcut, OK
# removes and writes it, and a shortcut that cannot be written is reported in
# the error box; About shows the version; Help opens our HTML help
# at the window's topic in a stand-in browser. Then another edition's program
# shows its own tree and click actions.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" || exit 1

# lib.sh keeps Wine's menu builder off, so the Startup shortcut and the
# stand-in browser's file type write nothing into the real home folder.
[[ "$WINEDLLOVERRIDES" == *"winemenubuilder.exe=d"* ]] || wx_fail "Wine's menu builder is not turned off"

KEY='HKCU\Software\Morvane\Wendrix\Options'
RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
TREE=SysTreeView32
# Control ids (app/OptionsTexts.h).
PANEL='#51' LANGUAGE='#53' AUTORUN='#101' THES_CTRL='#424' THES_ALT='#425' THES_KEY='#428'

wx_reg_add "$RUN" DravimoAutoRun REG_SZ 'C:\Old\WendrixTray.exe'
# The stand-in browser for .html files records the URL it is given.
wx_reg_add 'HKCR\.html' '' REG_SZ WxTestPage
wx_reg_add 'HKCR\WxTestPage\shell\open\command' '' REG_SZ \
    "\"$(winepath -w "$WX_DRIVER")\" record-launch C:\\help-launch.txt \"%1\""

wx_start_program "$WX_DATA_DIR/Thesaurus.qxt" "$WX_DATA_DIR/WendrixHelp.html"
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_log "tray icon"

# The tray icon is idle again ("Working..." while an action runs).
idle() { [[ "$(wx_driver tray-icons)" == *"tip=Wendrix"* ]]; }
open_options() {  # TITLE
    wx_retry 10 idle || wx_fail "the program stays busy"
    wx_tray_click double Wendrix
    wx_wait_window "$1" 15 >/dev/null || wx_fail "no \"$1\" window after a double click on the tray icon"
}
# Item texts of a list or tree, one a line (tree items indented by depth).
items() { wx_driver items "$@" | tr -d '\r' | cut -f2-; }
# "STATE visible=V enabled=E" of a check box.
state() { wx_driver check-state "$1" "$2"; }
# click WINDOW BOX, then wait until the box shows STATE (clicks are posted).
toggle() {
    wx_driver click "$1" "$2" >/dev/null || wx_fail "cannot click $2"
    wx_retry 5 is_checked "$1" "$2" "$3" || wx_fail "$2 did not become $3"
}
# wait_value KEY VALUE DATA: the settings are written once the window is gone.
wait_value() { wx_retry 10 value_is "$@" || wx_fail "$2 is '$(wx_reg_get "$1" "$2")', not '$3'"; }
value_is() { [[ "$(wx_reg_get "$1" "$2")" == "$3" ]]; }
is_checked() { [[ "$(state "$1" "$2")" == "$3 "* ]]; }

# --- opening: the thesaurus edition's tree; the legacy value converted ------
open_options Options
wx_log "window open"
wx_assert_eq "$(items Options $TREE)" $'General\nHotkeys\n  Thesaurus\nMouse Options' "tree"
wx_assert_eq "$(wx_driver get-text Options "$PANEL")" "General" "caption panel"
# The tab order follows the page from top to bottom: the language box, moved
# up in this edition, comes right after the auto-run box.
wx_driver focus Options "$AUTORUN" >/dev/null
wx_driver keys tab >/dev/null
wx_assert_contains "$(wx_driver get-focus | grep '^focus')" "ComboBox" "the control after the auto-run box"
wx_assert_eq "$(state Options "$AUTORUN")" "1 visible=1 enabled=1" "auto-run box after the legacy value"
wx_reg_query "$RUN" DravimoAutoRun >/dev/null && wx_fail "the legacy start-up value was not removed"
startup=$(wx_reg_get 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Startup)
[[ -n "$startup" ]] || wx_fail "no Startup folder in the registry"
lnk="$startup\\Wendrix.lnk"
wx_assert_eq "$(wx_driver shortcut-target "$lnk")" "$WX_PROGRAM_WINDIR\\WendrixTray.exe" "shortcut target"

# --- pages switch; Ctrl+F8 for Thesaurus Selected, stored by OK ------------
wx_log "pages switch"
wx_driver select-item Options $TREE Thesaurus >/dev/null || wx_fail "cannot select the Thesaurus node"
wx_assert_eq "$(wx_driver get-text Options "$PANEL")" "Thesaurus" "caption panel"
wx_assert_eq "$(wx_driver get-text Options "$THES_KEY")" "F8" "thesaurus key"
wx_assert_eq "$(state Options "$THES_CTRL")" "0 visible=1 enabled=1" "Ctrl box of the thesaurus row"
toggle Options "$THES_CTRL" 1
wx_driver select-item Options $TREE "Mouse Options" >/dev/null
wx_assert_eq "$(wx_driver get-text Options '#54')" "Thesaurus ClipBoard" "single-click action"
wx_assert_eq "$(wx_driver get-text Options '#55')" "Options" "double-click action"
wx_assert_eq "$(state Options "$THES_CTRL")" "1 visible=0 enabled=1" "Ctrl box on another page"
wx_driver click Options OK >/dev/null
wx_driver wait-gone Options 5000 >/dev/null || wx_fail "OK did not close the window"
wait_value "$KEY" 'ThesApp HotKey' "Ctrl+F8"
wx_assert_eq "$(wx_reg_get "$KEY" OnSingleClick)" "0x2" "single-click action kept"
wx_assert_eq "$(wx_reg_get "$KEY" OnDblCLick)" "0x7" "double-click action kept"
wx_assert_eq "$(wx_driver hotkey-free F8)" "free" "F8 after OK"
wx_driver hotkey-free ctrl+F8 >/dev/null 2>&1 && wx_fail "Ctrl+F8 was not registered"

wx_start_notepad >/dev/null
wx_driver keys "text:happy" ctrl+a >/dev/null
wx_driver keys F8 >/dev/null
sleep 1
wx_driver list-windows | grep -q 'Thesaurus' && wx_fail "F8 still opens the thesaurus"
wx_driver keys ctrl+F8 >/dev/null
thes=$(wx_driver wait-window-containing "Thesaurus" "" 15000) || wx_fail "Ctrl+F8 did not open the thesaurus"
wx_driver close-window "$thes" >/dev/null
wx_driver wait-gone "$thes" 5000 >/dev/null
wx_retry 10 idle || wx_fail "the thesaurus action did not end"
wx_driver kill-process notepad.exe >/dev/null  # it covers the tray icon

# --- Cancel after a change keeps the stored hotkey --------------------------
wx_log "Cancel after"
open_options Options
wx_driver select-item Options $TREE Thesaurus >/dev/null
wx_assert_eq "$(state Options "$THES_CTRL")" "1 visible=1 enabled=1" "Ctrl box shows the stored hotkey"
toggle Options "$THES_ALT" 1
wx_driver click Options '&Cancel' >/dev/null
wx_driver wait-gone Options 5000 >/dev/null || wx_fail "Cancel did not close the window"
wx_assert_eq "$(wx_reg_get "$KEY" 'ThesApp HotKey')" "Ctrl+F8" "hotkey after Cancel"
wx_driver hotkey-free ctrl+F8 >/dev/null 2>&1 && wx_fail "Cancel let Ctrl+F8 go"
wx_assert_eq "$(wx_driver hotkey-free ctrl+alt+F8)" "free" "the cancelled hotkey"

# --- About and Help ---------------------------------------------------------
wx_log "About and Help"
wx_retry 10 idle || wx_fail "the program stays busy"
wx_tray_click right Wendrix
wx_driver popup-menu 5000 >/dev/null || wx_fail "no tray menu"
wx_driver keys h a >/dev/null
about=$(wx_driver wait-window About "" 10000) || wx_fail "no About box"
wx_assert_eq "$(wx_driver get-text About '#101')" "Wendrix v5.1.6" "About title"
wx_screenshot about
wx_driver click About OK >/dev/null
wx_driver wait-gone "$about" 5000 >/dev/null

open_options Options
wx_driver click Options '&Help' >/dev/null
launch="$WINEPREFIX/drive_c/help-launch.txt"
wx_retry 15 test -s "$launch" || wx_fail "Help started no browser"
wx_assert_eq "$(tr -d '\r' <"$launch")" "file:///C:/Program%20Files/Wendrix/WendrixHelp.html#ctx100" "help URL"

# --- language: German, then Swedish, at once; German kept across a restart --
wx_log "language"
wx_driver select-item Options "$LANGUAGE" "German (Germany)" >/dev/null
wx_wait_window Optionen 5 >/dev/null || wx_fail "the title did not change to German"
wx_assert_eq "$(items Optionen $TREE)" $'Allgemein\nTastenkürzel\n  Thesaurus\nMausoptionen' "German tree"
wx_assert_eq "$(wx_driver get-text Optionen "$PANEL")" "Allgemein" "German caption panel"
wx_assert_eq "$(wx_driver get-text Optionen '#2')" "&Abbrechen" "German Cancel button"
wx_assert_eq "$(wx_reg_get 'HKCU\Software\Morvane\Language\Options' 'Language Code')" "1031" "stored language"
wx_screenshot german
wx_driver select-item Optionen "$LANGUAGE" "Swedish" >/dev/null
wx_wait_window Alternativ 5 >/dev/null || wx_fail "the title did not change to Swedish"
wx_assert_eq "$(wx_driver get-text Alternativ '#2')" "&Avbryt" "Swedish Cancel button"
wx_driver select-item Alternativ "$LANGUAGE" "German (Germany)" >/dev/null
wx_wait_window Optionen 5 >/dev/null || wx_fail "the title did not change back to German"

# Unchecking auto-run and OK removes the shortcut.
toggle Optionen "$AUTORUN" 0
wx_driver click Optionen OK >/dev/null
wx_driver wait-gone Optionen 5000 >/dev/null || wx_fail "OK did not close the window"
shortcut_gone() { ! wx_driver shortcut-target "$lnk" >/dev/null 2>&1; }
wx_retry 10 shortcut_gone || wx_fail "the shortcut is still there after unchecking"

stop_program() {
    wx_driver kill-process "$(basename "$WX_EXE")" >/dev/null
    wx_retry 10 mutex_gone || wx_fail "the program's mutex outlived it"
}
mutex_gone() { ! wx_driver mutex-exists DravimoAutoRun >/dev/null 2>&1; }
stop_program
# A single-click action this edition does not list (Definitions ClipBoard):
# its box names it as an extra last entry instead of showing a blank.
wx_reg_add "$KEY" OnSingleClick REG_DWORD 3
wx_start_program
wx_wait_tray_icon Wendrix 20 >/dev/null
open_options Optionen
wx_assert_eq "$(state Optionen "$AUTORUN")" "0 visible=1 enabled=1" "auto-run box without a shortcut"
single=$(wx_driver get-text Optionen '#54')
[[ -n "$single" ]] || wx_fail "the single-click box is blank for a stored action the edition does not list"
wx_assert_eq "$single" "$(items Optionen '#54' | tail -1)" "the stored action, the box's extra last entry"
wx_assert_eq "$(items Optionen '#54' | wc -l)" "$(($(items Optionen '#55' | wc -l) + 1))" "one extra entry"
toggle Optionen "$AUTORUN" 1
wx_driver click Optionen OK >/dev/null
wx_driver wait-gone Optionen 5000 >/dev/null
wx_retry 10 wx_driver shortcut-target "$lnk" >/dev/null 2>&1 || wx_fail "OK wrote no shortcut"
wx_assert_eq "$(wx_driver shortcut-target "$lnk")" "$WX_PROGRAM_WINDIR\\WendrixTray.exe" "shortcut after checking"

# A shortcut that cannot be written is reported, never passed over.
SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
wx_reg_add "$SHELL_FOLDERS" Startup REG_SZ 'C:\missing\Startup'
open_options Optionen
toggle Optionen "$AUTORUN" 1
wx_driver click Optionen OK >/dev/null
box=$(wx_driver message-box-text 15000 Wendrix) || wx_fail "no error box for a shortcut that cannot be written"
wx_assert_contains "$box" 'Could not save the shortcut C:\\missing\\Startup\\Wendrix.lnk' "error box"
wx_driver click "$(head -1 <<<"$box" | cut -d' ' -f2)" OK >/dev/null
wx_reg_add "$SHELL_FOLDERS" Startup REG_SZ "$startup"
stop_program

# --- another edition: all services, no editors -------------------------------
wx_log "another edition"
wx_reg_delete "$KEY"
WX_EXE="$(dirname "$WX_EXE")/WendrixTray-edition0.exe"
wx_start_program
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_tray_click right Wendrix
wx_driver popup-menu 5000 >/dev/null || wx_fail "no tray menu in edition 0"
wx_driver keys p >/dev/null
wx_wait_window Optionen 10 >/dev/null || wx_fail "General Options opened no window in edition 0"
wx_assert_eq "$(items Optionen $TREE)" \
    $'Allgemein\nTastenkürzel\n  Definitionswörterbuch\n  Rechtschreibung\n  Thesaurus\n  Instant Spell\nMausoptionen\nZeicheneinstellungen' \
    "edition 0 tree"
wx_driver select-item Optionen "$LANGUAGE" "English (United States)" >/dev/null
wx_wait_window Options 5 >/dev/null || wx_fail "the title did not change to English"
wx_assert_eq "$(items Options '#54' | tr '\n' '|')" \
    "None|Spell Check ClipBoard|Thesaurus ClipBoard|Definitions ClipBoard|Instant Spell|Spelling Options|Options|Show SmartBar|Show Tray Menu|" \
    "edition 0 click actions"
wx_driver click Options '&Cancel' >/dev/null
wx_pass
