#!/usr/bin/env bash
# The shortcut menu of a stored list: a tray click pops up its four rows
# (photographed in small and large icon mode), choosing the application
# starts it with its parameters and working directory, a missing working
# directory gives the launch error, and the shortcut's own hotkey and Win+Q
# work from the keyboard.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
marker_unix="$WINEPREFIX/drive_c/work dir"
mkdir -p "$marker_unix" "$WINEPREFIX/drive_c/Docs"
echo hello >"$WINEPREFIX/drive_c/Docs/readme.txt"
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"

# Application (Ctrl+Alt+M), separator, file, folder.
write_list() {  # $1: working directory of the application
  cat >"$ZV_TEST_WORK/list.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000004

[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item0]
"ShortcutType"=dword:00000001
"Caption"="Marker"
"Path"="C:\\\\markerapp.exe"
"Parameters"="C:\\\\out.txt second"
"WorkingDir"="$1"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000002

[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item1]
"ShortcutType"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item2]
"ShortcutType"=dword:00000002
"Caption"="Read me"
"Path"="C:\\\\Docs\\\\readme.txt"
"Hotkey"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item3]
"ShortcutType"=dword:00000003
"Caption"="Documents"
"Path"="C:\\\\Docs"
"FullExplorer"=dword:00000000
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000001
REG
  zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
}
write_list 'C:\\work dir'
zv_wine reg add 'HKCU\Software\Halvorix\Zorvane' /v DisplayHotkeys /t REG_DWORD /d 1 /f

start_zorvane() {
  zv_start "$exe" /justinstalled
  zorvane=$ZV_PID
  zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
}
stop_zorvane() {
  local main
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
}
open_menu() {  # $1: picture name
  zv_driver tray-click 'Zorvane (Active)' left || zv_fail "tray click failed"
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click"
  sleep 0.5
  zv_screenshot "$menu" "$shots/$1.png" || zv_fail "menu screenshot"
  read -r _ _ menu_w menu_h < <(zv_window_rect "$menu")
}

start_zorvane
open_menu shortcutmenu-small
# Four rows of 20 and 5 (small icons), plus the menu's frame.
[ "$menu_h" -ge 65 ] && [ "$menu_h" -le 75 ] || zv_fail "small menu is $menu_h high"
zv_key "$menu" down && zv_key "$menu" enter || zv_fail "could not choose the first row"
for _ in $(seq 100); do [ -f "$WINEPREFIX/drive_c/out.txt" ] && break; sleep 0.1; done
[ -f "$WINEPREFIX/drive_c/out.txt" ] || zv_fail "the application was not started"
got=$(tr -d '\r' <"$WINEPREFIX/drive_c/out.txt")
echo "$got" | sed -n 1p | grep -q 'out.txt second$' || zv_fail "parameters: $got"
[ "$(echo "$got" | sed -n 2p)" = 'C:\work dir' ] || zv_fail "working directory: $got"
[ "$(echo "$got" | sed -n 3p)" = 3 ] || zv_fail "show command: $got"

# The shortcut's hotkey, pressed while a Wine window has the focus.
rm -f "$WINEPREFIX/drive_c/out.txt"
xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
xdotool key ctrl+alt+m
for _ in $(seq 100); do [ -f "$WINEPREFIX/drive_c/out.txt" ] && break; sleep 0.1; done
[ -f "$WINEPREFIX/drive_c/out.txt" ] || zv_fail "Ctrl+Alt+M did not launch the shortcut"

# Win+Q pops up the menu.
xdotool key super+q
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "Win+Q did not pop up the menu"
zv_key "$menu" escape
zv_wait_gone "$menu" 3000 || zv_fail "menu stayed open"
stop_zorvane

# Large icons: rows of 36.
zv_wine reg add 'HKCU\Software\Halvorix\Zorvane' /v UseLargeIcons /t REG_DWORD /d 1 /f
start_zorvane
open_menu shortcutmenu-large
[ "$menu_h" -ge 113 ] && [ "$menu_h" -le 123 ] || zv_fail "large menu is $menu_h high"
zv_key "$menu" escape
stop_zorvane

# A missing working directory: the launch error, nothing started.
write_list 'C:\\no such dir'
rm -f "$WINEPREFIX/drive_c/out.txt"
start_zorvane
zv_driver tray-click 'Zorvane (Active)' left
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu"
zv_key "$menu" down && zv_key "$menu" enter
zv_answer_msgbox Fehler 'Could not launch application "Marker". Please check the executable filename and the working directory for mistakes.' OK
[ -f "$WINEPREFIX/drive_c/out.txt" ] && zv_fail "started despite the missing working directory"
stop_zorvane
echo PASS
