#!/usr/bin/env bash
# The spelling options dialog from the tray: with click action 6 stored, a
# single click opens it; the main dictionary list shows each dictionary's
# title and "Locate Dictionaries..." last; ticking an option
# box changes the stored options. Its Dictionaries button opens the custom
# dictionaries dialog: New "Legal" makes Legal.qxu, a rename to "..\x" is
# refused with a message, the editor adds words and pairs that are in the
# file afterwards, a click on empty space in the list disables Edit and
# Delete, and Delete asks first, naming the dictionary, and removes the file.
source "$(dirname "$0")/lib.sh"

CFG='HKCU\Software\Morvane\Tarvelo\Default'
MAIN="$WX_DATA_DIR/american.qxm"
[[ -s "$MAIN" ]] || wx_fail "no main dictionary in $MAIN (the build makes it)"
# The first run's options, with click action 6 (spelling options) on a single click.
wx_store_first_run_options 6
wx_start_program "$MAIN"
wx_wait_tray_icon Wendrix 20 >/dev/null

D="Spelling Options"
wx_tray_click single
wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "no spelling options dialog from the tray click"
items=$(wx_driver items "$D" "#1034")
wx_assert_contains "$items" $'0\tEnglish (United States)' "the main dictionary's title"
wx_assert_eq "$(tail -1 <<<"$items" | sed 's/^[0-9]*\*\?\t//')" "Locate Dictionaries..." "the last row"
children=$(wx_driver list-children "$D")
grep -F "text=Ignore quoted lines" <<<"$children" | grep -q "check=0" || wx_fail "Ignore quoted lines is not an unticked box: $children"
wx_screenshot dialog
wx_driver click "$D" "Ignore quoted lines" >/dev/null || wx_fail "cannot tick Ignore quoted lines"
wx_driver click "$D" "&OK" >/dev/null || wx_fail "cannot click OK"
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the dialog did not close"
quoted_on() { [[ "$(wx_reg_get "$CFG" _soQuoted)" == "+" ]]; }
wx_retry 5 quoted_on || wx_fail "the option was not stored: $(wx_reg_list "$CFG")"
wx_assert_eq "$(wx_reg_get "$CFG" _Main_0)" "american.qxm" "the main dictionary list"

# The custom dictionaries dialog, from the options dialog's button.
wx_tray_click single
wx_driver wait-window "$D" "" 15000 >/dev/null || wx_fail "no spelling options dialog the second time"
DD=Dictionaries
wx_driver click "$D" "&Dictionaries ..." >/dev/null || wx_fail "cannot click Dictionaries"
wx_driver wait-window "$DD" "" 5000 >/dev/null || wx_fail "no custom dictionaries dialog"
P="New Custom Dictionary"
wx_driver click "$DD" "&New" >/dev/null || wx_fail "cannot click New"
wx_driver wait-window "$P" "" 5000 >/dev/null || wx_fail "no name prompt"
wx_driver set-text "$P" "#1046" "Legal" >/dev/null
wx_driver click "$P" "&OK" >/dev/null
wx_driver wait-gone "$P" 5000 >/dev/null || wx_fail "the name prompt did not close"
wx_retry 5 test -s "$WX_PROGRAM_DIR/Legal.qxu" || wx_fail "New did not make Legal.qxu"
items=$(wx_driver items "$DD" "#1041")
row=$(grep -P '\tLegal\.qxu$' <<<"$items" | cut -f1 | tr -d '*')
[[ -n "$row" ]] || wx_fail "no Legal.qxu row: $items"
wx_screenshot dictionaries

# Rename in place to "..\x": refused with a message, the file stays.
wx_driver focus "$DD" "#1041" >/dev/null
wx_driver post-message "$DD" "#1041" 0x1076 "$row" 0 >/dev/null  # LVM_EDITLABELW
wx_retry 5 wx_driver set-text "$DD" Edit '..\x' >/dev/null || wx_fail "no label edit opened"
wx_driver keys Return >/dev/null
# The message carries the dialog's caption: wait for the box that says why,
# not the dialog itself.
refusal_shown() { box=$(wx_driver message-box-text 500 "$DD") && [[ "$box" == *"cannot be used"* ]]; }
wx_retry 5 refusal_shown || wx_fail "no message for the refused rename (last seen: $box)"
# A click that comes while the box is still being made is lost: click until it is gone.
refusal=$(sed -n 's/^hwnd: //p' <<<"$box")
refusal_closed() { wx_driver click "$refusal" OK >/dev/null 2>&1; wx_driver wait-gone "$refusal" 1000 >/dev/null 2>&1; }
wx_retry 5 refusal_closed || wx_fail "the refusal message did not close"
[[ -s "$WX_PROGRAM_DIR/Legal.qxu" ]] || wx_fail "the refused rename lost Legal.qxu"
[[ -e "$WX_PROGRAM_DIR/../x.qxu" ]] && wx_fail "the rename left the dictionary folder"

# The editor: a word, an excluded word (which keeps Add disabled on the
# added words page) and an auto-correct pair whose emptied replacement keeps
# the pair; all in the file afterwards.
wx_driver select-item "$DD" "#1041" Legal.qxu >/dev/null || wx_fail "cannot select Legal.qxu"
wx_driver click "$DD" "&Edit" >/dev/null || wx_fail "Edit is not enabled for Legal.qxu"
E=Legal.qxu
wx_driver wait-window "$E" "" 5000 >/dev/null || wx_fail "no editor for Legal.qxu"
enabled() { wx_driver window-info "$E" "$1" | sed -n 's/^enabled=//p'; }
wx_driver set-text "$E" "#1152" estoppel >/dev/null
wx_assert_eq "$(enabled "#1154")" 1 "Add for a new word"
wx_driver click "$E" "#1154" >/dev/null || wx_fail "cannot add estoppel"
wx_assert_contains "$(wx_driver items "$E" "#1153")" estoppel "the added words list"
wx_driver select-item "$E" "#1180" "&Excluded Words" >/dev/null || wx_fail "no excluded words page"
wx_driver set-text "$E" "#1172" alot >/dev/null
wx_driver click "$E" "#1174" >/dev/null || wx_fail "cannot exclude alot"
wx_driver select-item "$E" "#1180" "Add&ed Words" >/dev/null
wx_driver set-text "$E" "#1152" alot >/dev/null
wx_assert_eq "$(enabled "#1154")" 0 "Add for an excluded word"
wx_driver select-item "$E" "#1180" "A&uto-Correct Pairs" >/dev/null || wx_fail "no auto-correct page"
wx_driver set-text "$E" "#1162" teh >/dev/null
wx_driver set-text "$E" "#1164" the >/dev/null
wx_driver click "$E" "#1166" >/dev/null || wx_fail "cannot add the pair"
wx_driver set-text "$E" "#1164" "" >/dev/null   # emptying the replacement keeps the pair
wx_assert_contains "$(wx_driver items "$E" "#1165")" teh "the pair's row"
wx_screenshot editor
wx_driver close-window "$E" >/dev/null
wx_driver wait-gone "$E" 5000 >/dev/null || wx_fail "the editor did not close"
entries() { tr '\0' '\n' <"$WX_PROGRAM_DIR/Legal.qxu"; }
saved() { entries | grep -qx Iestoppel; }
wx_retry 5 saved || wx_fail "estoppel is not in the file"
entries=$(entries)
grep -qx Ealot <<<"$entries" || wx_fail "alot is not excluded in the file"
wx_assert_eq "$(grep -x -A1 Ateh <<<"$entries" | tail -1)" the "the pair in the file"

# A click on empty space in the list takes the highlight away: Edit and
# Delete are disabled rather than left acting on the row chosen last.
dd_enabled() { wx_driver window-info "$DD" "$1" | sed -n 's/^enabled=//p'; }
wx_assert_eq "$(dd_enabled "#1042")" 1 "Delete with Legal.qxu chosen"
wx_driver click-at "$DD" "#1041" 60 185 >/dev/null || wx_fail "cannot click the list's empty space"
none_chosen() { [[ "$(dd_enabled "#1042")" == 0 && "$(dd_enabled "#1044")" == 0 ]]; }
wx_retry 5 none_chosen || wx_fail "Edit or Delete stayed enabled with no row highlighted: $(wx_driver items "$DD" "#1041")"

# Delete asks first, naming the dictionary.
wx_driver select-item "$DD" "#1041" Legal.qxu >/dev/null || wx_fail "cannot select Legal.qxu again"
wx_driver click "$DD" "&Delete" >/dev/null || wx_fail "Delete is not enabled for Legal.qxu"
box=$(wx_driver message-box-text 5000 "Confirmation:") || wx_fail "no confirmation before Delete"
wx_assert_contains "$box" "Delete the custom dictionary Legal.qxu and the words in it?" "the confirmation"
wx_driver click "Confirmation:" "&Yes" >/dev/null || wx_fail "cannot answer Yes"
wx_retry 5 test ! -e "$WX_PROGRAM_DIR/Legal.qxu" || wx_fail "Delete left Legal.qxu"
wx_driver click "$DD" "&OK" >/dev/null
wx_driver wait-gone "$DD" 5000 >/dev/null || wx_fail "the custom dictionaries dialog did not close"
wx_driver click "$D" "&OK" >/dev/null
wx_driver wait-gone "$D" 5000 >/dev/null || wx_fail "the options dialog did not close the second time"
wx_pass
