#!/usr/bin/env bash
# A second start asks the running copy for its menu and ends with 0 as soon
# as the copy has taken the request, while the menu is still open. Behind
# a hung copy it gives up after a few seconds and ends with 0 too, and so
# does every later start, instead of waiting for the hung copy forever.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/hungcopy.exe" "$WINEPREFIX/drive_c/hungcopy.exe"

cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000002
"Caption"="Notes"
"Path"="C:\\windows\\win.ini"
"Hotkey"=dword:00000000
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
zv_start "$exe" /justinstalled
running=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
zv_start "$exe"
second=$ZV_PID
menu=$(zv_wait_visible '#32768' '*' 10000) || zv_fail "the second start popped up no menu"
# Sooner than the 5 s a second start gives a copy that does not answer: the
# copy answered before its menu, which is still open.
zv_wait_exit $second 4
[ "$ZV_EXIT" = 0 ] || zv_fail "the second start ended with $ZV_EXIT while the menu was open (124: it waited)"
zv_window_exists '#32768' '*' || zv_fail "the menu closed when the second start ended"
zv_key "$menu" escape >/dev/null
zv_wait_gone "$menu" 5000 || zv_fail "the menu stayed open after Escape"
zv_post "$(zv_wait_window tzorvanemaindialog zorvanemaindialog)" WM_COMMAND 0x103 0 || zv_fail "could not send Exit"
zv_wait_exit $running 20
[ "$ZV_EXIT" = 0 ] || zv_fail "Exit ended with $ZV_EXIT"

zv_start 'C:\hungcopy.exe' 120
hung=$ZV_PID
zv_wait_window tzorvanemaindialog zorvanemaindialog 15000 >/dev/null || zv_fail "the hung copy shows no main window"

for start in 1 2; do
  zv_start "$exe"
  second=$ZV_PID
  zv_wait_exit $second 30
  [ "$ZV_EXIT" = 0 ] || zv_fail "start $start behind a hung copy ended with $ZV_EXIT"
done
zv_driver tray 2>/dev/null | grep -q Zorvane && zv_fail "a second start made a tray icon"
kill $hung 2>/dev/null
echo PASS
