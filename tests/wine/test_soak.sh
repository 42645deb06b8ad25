#!/usr/bin/env bash
# Many runs of the program: starts, each ended through the tray's Exit with
# exit code 0; then, on one running copy, the requests of second starts and
# left clicks on the tray icon, each menu closed again, and the gate closed
# by the about window. Afterwards the stored list, the settings, the Run
# value and the Send To links are exactly as before, the program still
# answers, and it holds no more objects, handles, windows or memory than
# before. Counts: ZV_SOAK_STARTS, ZV_SOAK_REQUESTS, ZV_SOAK_CLICKS
# (scripts/soak runs the full ones).
. "$(dirname "$0")/lib.sh"
starts=${ZV_SOAK_STARTS:-10} requests=${ZV_SOAK_REQUESTS:-1000} clicks=${ZV_SOAK_CLICKS:-1000}
zv_fresh_prefix
winexe=$(wine winepath -w "$exe" 2>/dev/null | tr -d '\r')
sendto_win=$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' SendTo)
sendto="$(wine winepath -u "$sendto_win" 2>/dev/null | tr -d '\r')/Zorvane"
SECONDS=0

# Application (Ctrl+Alt+M), separator, folder (Ctrl+Alt+D); settings other
# than the defaults; the autostart entry.
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane]
"UseLargeIcons"=dword:00000001
"DisplayHotkeys"=dword:00000001
"UseLargeEditorIcons"=dword:00000000
"UseSendToMenu"=dword:00000001
"UseMenuHotKey"=dword:00000001
"MenuHotKey"=dword:00000051

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000003

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="Notepad"
"Path"="C:\\windows\\notepad.exe"
"Parameters"="C:\\windows\\win.ini"
"WorkingDir"="C:\\windows"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000000

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item2]
"ShortcutType"=dword:00000003
"Caption"="Windows"
"Path"="C:\\windows"
"FullExplorer"=dword:00000001
"Hotkey"=dword:0000c044
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
zv_wine "$exe" /setautorun || zv_fail "/setautorun failed"
state() {
  wine reg query 'HKCU\Software\Halvorix' /s 2>&1 | tr -d '\r'
  wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Zorvane 2>&1 | tr -d '\r'
  ls -l --time-style=+ "$sendto" 2>&1
}
# Win+Q and the two shortcuts' hotkeys, held while the program runs.
hotkeys='8:0x51 3:0x4d 3:0x44'

# The first start makes the Send To links; what it leaves is the reference.
zv_driver start-rounds "$winexe" 1 'Zorvane (Active)' $hotkeys >/dev/null || zv_fail "first start"
before=$(state)
grep -q 'Caption    REG_SZ    Windows' <<<"$before" || zv_fail "the list was not stored: $before"
grep -q 'Notepad.lnk' <<<"$before" || zv_fail "no Send To links: $before"
zv_driver start-rounds "$winexe" "$starts" 'Zorvane (Active)' $hotkeys >/dev/null ||
  zv_fail "start and Exit"
starts_time=$SECONDS

# One running copy; its counts after a few rounds, once its menus are made.
zv_start "$exe"
prog=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
zv_driver menu-rounds "$main" 5 request >/dev/null || zv_fail "first requests"
zv_driver menu-rounds "$main" 5 'Zorvane (Active)' >/dev/null || zv_fail "first clicks"
menu_picture() {  # $1: file
  zv_driver tray-click 'Zorvane (Active)' left || zv_fail "tray click failed"
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click"
  sleep 0.3
  zv_screenshot "$menu" "$1" || zv_fail "menu screenshot"
  zv_key "$menu" escape
  zv_wait_gone "$menu" 3000 || zv_fail "menu stayed open"
}
menu_picture "$shots/soak-menu-before.png"
sleep 0.5
read -r _ gdi0 _ user0 _ handles0 _ windows0 _ private0 < <(zv_driver resources "$main")

SECONDS=0
zv_driver menu-rounds "$main" "$requests" request >/dev/null || zv_fail "second starts' requests"
zv_driver menu-rounds "$main" "$clicks" 'Zorvane (Active)' >/dev/null || zv_fail "tray clicks"
rounds_time=$SECONDS
# Behind the about window neither a request nor a click brings the menu.
zv_post "$main" WM_COMMAND 0x102 0
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window"
zv_driver wait-tray 'Zorvane (Disabled)' 3000 >/dev/null || zv_fail "tray not disabled"
zv_driver menu-rounds "$main" 3 request none >/dev/null || zv_fail "a request passed the gate"
zv_driver menu-rounds "$main" 3 'Zorvane (Disabled)' none >/dev/null || zv_fail "a click passed the gate"
zv_key "$about" escape
zv_wait_gone "$about" 5000 || zv_fail "Escape did not close the about window"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after about"

# Still answering, drawing its menu as before, and nothing grew.
menu_picture "$shots/soak-menu-after.png"
sleep 0.5
read -r _ gdi1 _ user1 _ handles1 _ windows1 _ private1 < <(zv_driver resources "$main")
echo "soak: $starts starts in ${starts_time}s; $requests requests and $clicks clicks in ${rounds_time}s"
echo "soak: GDI $gdi0 -> $gdi1, USER $user0 -> $user1, handles $handles0 -> $handles1," \
  "windows $windows0 -> $windows1, private KB $private0 -> $private1"
diff=$(compare -metric AE "$shots/soak-menu-before.png" "$shots/soak-menu-after.png" null: 2>&1)
[ "$diff" = 0 ] || zv_fail "the menu looks different after the rounds ($diff pixels)"
# A little slack for what the system makes on its own; a leak per round
# would be hundreds.
[ "$gdi1" -le $((gdi0 + 8)) ] || zv_fail "GDI objects grew from $gdi0 to $gdi1"
[ "$user1" -le $((user0 + 8)) ] || zv_fail "USER objects grew from $user0 to $user1"
[ "$handles1" -le $((handles0 + 4)) ] || zv_fail "handles grew from $handles0 to $handles1"
[ "$windows1" -le "$windows0" ] || zv_fail "windows grew from $windows0 to $windows1"
[ "$private1" -le $((private0 + 1024)) ] || zv_fail "private memory grew from $private0 to $private1 KB"

# Exit through the tray's context menu: its last item.
zv_driver tray-click 'Zorvane (Active)' right || zv_fail "right click failed"
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no context menu"
zv_key "$menu" up && zv_key "$menu" enter || zv_fail "could not choose Exit"
zv_wait_exit $prog
[ "$ZV_EXIT" = 0 ] || zv_fail "Exit ended with $ZV_EXIT"
after=$(state)
[ "$after" = "$before" ] || zv_fail "stored state changed: $(diff <(echo "$before") <(echo "$after"))"
echo PASS
