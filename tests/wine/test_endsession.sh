#!/usr/bin/env bash
# The session ends while the shortcut editor is open: as the system ends it
# (every window asked, then told), with unsaved changes in the editor, with
# its close question on top, with only the end announced, and as Wine's own
# end of session; and closed from outside (taskkill, WM_CLOSE). Each time
# the program agrees and ends with exit code 0,
# leaves no tray icon, frees the menu hotkey and the shortcuts' hotkeys for
# other programs, and the stored list is exactly as before.
. "$(dirname "$0")/lib.sh"
probe="$build/tests/hotkeyprobe.exe"
zv_fresh_prefix

# Two shortcuts on Ctrl+Alt+M and Ctrl+Alt+D around a separator.
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000003

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="Notepad"
"Path"="C:\\windows\\notepad.exe"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000000

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item2]
"ShortcutType"=dword:00000003
"Caption"="Windows"
"Path"="C:\\windows"
"Hotkey"=dword:0000c044
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
stored() { wine reg query 'HKCU\Software\Halvorix' /s 2>&1 | tr -d '\r'; }
before=$(stored)
grep -q 'Caption    REG_SZ    Windows' <<<"$before" || zv_fail "the list was not stored: $before"

# The editor open over the stored list; $1 "changed": a new shortcut in it.
open_editor() {
  zv_start "$exe"
  prog=$ZV_PID
  zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "$case: no active tray icon"
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "$case: no main window"
  zv_post "$main" WM_COMMAND 0x100 0 || zv_fail "$case: could not ask for the editor"
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "$case: no editor"
  zv_driver wait-tray 'Zorvane (Disabled)' 5000 >/dev/null || zv_fail "$case: tray not disabled"
  [ "${1:-}" = changed ] || return 0
  zv_click "$(zv_child "$ed" TZvLabel 'Create a new shortcut')"
  prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "$case: no properties dialog"
  edits=$(zv_children "$prop" | awk -F'\t' '$2 == "Edit" && $5 == "visible" { print $1 }')
  zv_set_text "$(sed -n 1p <<<"$edits")" 'Unsaved'
  zv_set_text "$(sed -n 2p <<<"$edits")" 'C:\windows\regedit.exe'
  zv_click "$(zv_child "$prop" TZvLabel OK)"
  zv_wait_gone "$prop" 5000 || zv_fail "$case: OK did not close the properties"
  sleep 0.3
  zv_children "$ed" | grep -q '	4 Shortcuts$' || zv_fail "$case: the new shortcut is not in the editor"
}
# What the end leaves: exit code 0, no icon, free hotkeys, the list as before.
check_ended() {
  zv_wait_exit $prog
  [ "$ZV_EXIT" = 0 ] || zv_fail "$case: exit code $ZV_EXIT"
  zv_tray_icons | grep -q 'Zorvane' && zv_fail "$case: tray icon left behind"
  for key in '8 0x51' '3 0x4d' '3 0x44'; do
    wine "$probe" $key </dev/null >/dev/null 2>&1 || zv_fail "$case: hotkey $key still held"
  done
  [ "$(stored)" = "$before" ] || zv_fail "$case: the stored list changed: $(diff <(echo "$before") <(stored))"
}

case='editor open'
open_editor
answers=$(zv_driver end-session "$main" logoff) || zv_fail "$case: the session end was refused: $answers"
grep -q '	tzorvanemaindialog	1$' <<<"$answers" || zv_fail "$case: main window answered: $answers"
check_ended

case='unsaved changes'
open_editor changed
zv_driver end-session "$main" >/dev/null || zv_fail "$case: the session end was refused"
check_ended

case='close question open'
open_editor changed
zv_key "$ed" escape
zv_msgbox_text Warning >/dev/null || zv_fail "$case: no close question"
zv_driver end-session "$main" logoff >/dev/null || zv_fail "$case: the session end was refused"
check_ended

# A forced end: the session ends without the question.
case='end without question'
open_editor changed
zv_send_message "$main" WM_ENDSESSION 1 0x80000000 >/dev/null || zv_fail "$case: no answer"
check_ended

# Closed from outside as taskkill without /F closes a program: the same
# shut-down as Exit, also while the editor is open.
case='taskkill'
zv_start "$exe"
prog=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "$case: no active tray icon"
wine taskkill /im zorvane.exe >/dev/null 2>&1 </dev/null
check_ended

case='closed with the editor open'
open_editor changed
zv_post "$main" WM_CLOSE 0 0 || zv_fail "$case: could not post the close"
check_ended

# Last, as it ends the prefix's other programs too.
case='Wine end of session'
open_editor changed
wine wineboot --end-session >/dev/null 2>&1 || zv_fail "$case: wineboot reported a refusal"
check_ended
echo PASS
