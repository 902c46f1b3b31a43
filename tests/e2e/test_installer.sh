#!/usr/bin/env bash
# The Windows installer: a silent machine-wide install puts the program, its
# data, its shortcuts and its installed-programs entry in place and starts it;
# the installed copy shows its tray icon and F8 in Notepad replaces a word;
# installing again over the running copy leaves one copy running; the
# uninstaller removes the files, shortcuts and entry but keeps a custom
# dictionary the user made. A per-user install goes into the user's local
# programs folder with its entry under HKCU, and its uninstaller removes the
# user's dictionaries and settings too when asked. WX_INSTALLER is the
# installer to test; WX_PORTABLE_ZIP, the portable zip, must hold the same files;
# WX_INSTALLER_ENGLISH, the installer without the other languages, stays
# under 8 MiB.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/selected_lib.sh"

[[ -f "${WX_INSTALLER:-}" ]] || wx_fail "WX_INSTALLER is not set or missing: '${WX_INSTALLER:-}'"
cp "$WX_INSTALLER" "$WX_TMP/setup.exe"
if [[ -n "${WX_INSTALLER_ENGLISH:-}" ]]; then
  size=$(stat -c %s "$WX_INSTALLER_ENGLISH") || wx_fail "no English-only installer at $WX_INSTALLER_ENGLISH"
  ((size < 8388608)) || wx_fail "the English-only installer has $size bytes, 8 MiB or more"
fi
DIR="$WINEPREFIX/drive_c/Program Files/Wendrix"
ENTRY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wendrix'
MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Wendrix.lnk"
startup_dir=$(wx_reg_get 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Startup) ||
  wx_fail "no Startup folder in the registry"
STARTUP=$(wine winepath -u "$startup_dir" 2>/dev/null)/Wendrix.lnk
version=$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1.\2.\3.\4/p' \
  "$WX_SOURCE_DIR/resources/WendrixTray.rc")

# run_setup ARGS...: runs the installer (a copy outside the program folder) and
# checks its exit code.
run_setup() {
  local code=0
  wine "$WX_TMP/setup.exe" "$@" >>"$WX_TMP/setup.log" 2>&1 || code=$?
  wx_assert_eq "$code" 0 "exit code of setup.exe $*"
}
copies() { wx_driver process-running WendrixTray.exe 2>/dev/null || echo 0; }

wx_reg_add 'HKCU\Software\Morvane\Wendrix\Options' ShowSmartBarOnOpen REG_DWORD 0
wx_log "silent install"
run_setup /S /RUN
for f in WendrixTray.exe Thesaurus.qxt Definitions.ydd american.qxm WendrixHelp.html Uninstall.exe; do
  [[ -f "$DIR/$f" ]] || wx_fail "not installed: $f"
done
cmp -s "$WX_EXE" "$DIR/WendrixTray.exe" || wx_fail "the installed program is not the one built"
[[ -f "$MENU" ]] || wx_fail "no Start-menu shortcut"
[[ -f "$STARTUP" ]] || wx_fail "no Startup shortcut at $STARTUP"
wx_assert_eq "$(wx_reg_get "$ENTRY" DisplayVersion)" "$version" "version in the installed-programs entry"
wx_assert_eq "$(wx_reg_get "$ENTRY" InstallLocation)" 'C:\Program Files\Wendrix' "install location"
wx_assert_contains "$(wx_reg_get "$ENTRY" UninstallString)" 'C:\Program Files\Wendrix\Uninstall.exe' "uninstall command"

# The portable zip holds the same files in a folder of their own.
if [[ -n "${WX_PORTABLE_ZIP:-}" ]]; then
  unzip -q "$WX_PORTABLE_ZIP" -d "$WX_TMP/portable" || wx_fail "cannot unpack $WX_PORTABLE_ZIP"
  # Every language's dictionary the build made rides along.
  expected=$(for f in Definitions.ydd Thesaurus.qxt WendrixHelp.html WendrixTray.exe american.qxm \
      $(cd "$WX_DATA_DIR" && ls british.qxm danish.qxm dutch.qxm french.qxm german.qxm italian.qxm brazilian.qxm \
        portuguese.qxm spanish.qxm swedish.qxm 2>/dev/null); do echo "./Wendrix/$f"; done | sort | tr '\n' ' ')
  wx_assert_eq "$(cd "$WX_TMP/portable" && find . -type f | sort | tr '\n' ' ')" "$expected" "portable zip"
  for f in WendrixTray.exe Thesaurus.qxt Definitions.ydd american.qxm WendrixHelp.html; do
    cmp -s "$WX_TMP/portable/Wendrix/$f" "$DIR/$f" || wx_fail "the zip's $f differs from the installed one"
  done
fi

# The installed program runs and does its work.
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_start_notepad >/dev/null
N="$WX_NOTEPAD"
wx_driver keys "text:I am happy today" >/dev/null
wx_driver wait-text "$N" Edit "I am happy today" 5000 >/dev/null || wx_fail "typing into Notepad failed"
focus_target "$N" Edit 5 10
press_f8_for_dialog
choose_and_replace cheerful
wx_driver wait-text "$N" Edit "I am cheerful today" 5000 >/dev/null ||
  wx_fail "the word was not replaced: '$(wx_driver get-text "$N" Edit)'"

# Installing again over the running copy: it is closed, replaced and started again.
old_pid=$(wx_driver processes | awk -F'\t' '$2 == "WendrixTray.exe" {print $1}')
wx_log "install over the running copy (pid $old_pid)"
run_setup /S
wx_wait_tray_icon Wendrix 20 >/dev/null
wx_retry 10 test "$(copies)" = 1 || wx_fail "expected one running copy, found $(copies)"
new_pid=$(wx_driver processes | awk -F'\t' '$2 == "WendrixTray.exe" {print $1}')
[[ "$new_pid" != "$old_pid" ]] || wx_fail "the running copy was not replaced"

# The user's own dictionary and settings outlive the uninstaller.
printf 'user words' >"$DIR/mywords.qxu"
wx_log "uninstall"
wine "$DIR/Uninstall.exe" /S >>"$WX_TMP/setup.log" 2>&1 || wx_fail "the uninstaller failed"
# The uninstaller runs from a copy of itself and returns at once; wait for its work.
wx_retry 30 test ! -e "$DIR/Uninstall.exe" || wx_fail "the uninstaller did not finish"
wx_retry 10 test ! -e "$DIR/WendrixTray.exe" || wx_fail "the program was not removed"
wx_assert_eq "$(copies)" 0 "running copies after uninstall"
for f in Thesaurus.qxt Definitions.ydd american.qxm WendrixHelp.html; do
  [[ -e "$DIR/$f" ]] && wx_fail "file left behind: $f"
done
[[ -e "$MENU" ]] && wx_fail "the Start-menu shortcut was left behind"
[[ -e "$STARTUP" ]] && wx_fail "the Startup shortcut was left behind"
wx_reg_query "$ENTRY" DisplayName >/dev/null && wx_fail "the installed-programs entry was left behind"
wx_assert_eq "$(cat "$DIR/mywords.qxu" 2>/dev/null)" "user words" "the user's custom dictionary"
wx_reg_query 'HKCU\Software\Morvane\Wendrix\Options' ShowSmartBarOnOpen >/dev/null ||
  wx_fail "the user's settings were removed"

# Per-user install; uninstall with the user's data.
wx_log "per-user install"
run_setup /S /CurrentUser /NOAUTORUN
USER_ENTRY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wendrix'
local_dir=$(wx_reg_get 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Local AppData')
wx_assert_eq "$(wx_reg_get "$USER_ENTRY" InstallLocation)" "$local_dir\Programs\Wendrix" "per-user install location"
UDIR=$(wine winepath -u "$local_dir\Programs\Wendrix" 2>/dev/null)
[[ -f "$UDIR/WendrixTray.exe" && -f "$UDIR/Thesaurus.qxt" ]] || wx_fail "the per-user install put no files in $UDIR"
wx_reg_query "$ENTRY" DisplayName >/dev/null && wx_fail "a per-user install wrote the machine-wide entry"
[[ -e "$STARTUP" ]] && wx_fail "/NOAUTORUN made the Startup shortcut"
wx_assert_eq "$(copies)" 0 "running copies after a silent install without /RUN"
printf 'user words' >"$UDIR/mywords.qxu"
wine "$UDIR/Uninstall.exe" /S /REMOVEUSERDATA >>"$WX_TMP/setup.log" 2>&1 || wx_fail "the per-user uninstaller failed"
wx_retry 30 test ! -e "$UDIR" || wx_fail "the per-user folder is left: $(ls "$UDIR")"
wx_reg_query "$USER_ENTRY" DisplayName >/dev/null && wx_fail "the per-user entry was left behind"
wx_reg_query 'HKCU\Software\Morvane\Wendrix\Options' ShowSmartBarOnOpen >/dev/null &&
  wx_fail "/REMOVEUSERDATA left the settings"
wx_pass
