#!/usr/bin/env bash
# The shortcut menu from the keyboard: Win+Q opens it with the first entry
# highlighted (Enter starts it), a letter that only one caption starts with
# starts that shortcut at once, a letter of several highlights the next of
# them for Enter, and Ctrl+Shift+Enter starts an application with "runas"
# (Wine has no elevation: it just starts).
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"

app() {  # $1 item, $2 caption, $3 marker name
  cat <<REG
[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item$1]
"ShortcutType"=dword:00000001
"Caption"="$2"
"Path"="C:\\\\markerapp.exe"
"Parameters"="C:\\\\$3.txt"
"WorkingDir"="C:\\\\"
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000001

REG
}
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts]\n'
  printf '"SavedByClass"="tzvshortcutlist"\n"Count"=dword:00000004\n\n'
  app 0 Marker marker
  printf '[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item1]\n"ShortcutType"=dword:00000000\n\n'
  app 2 'Note one' note1
  app 3 'note two' note2
} >"$ZV_TEST_WORK/list.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

zv_start "$exe" /justinstalled
zorvane=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"

# Key presses reach the program that has the input focus.
menu_by_key() {  # $1: picture name
  xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
  xdotool key super+q
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "Win+Q did not pop up the menu"
  # Wine's keys go to the X window with the focus, and nothing here moves
  # it to the program's menu as Windows moves it to the foreground window.
  local xmenu
  xmenu=$(xdotool search --onlyvisible --classname zorvane.exe 2>/dev/null | tail -n 1)
  [ -n "$xmenu" ] || zv_fail "no X window for the menu"
  xdotool windowfocus --sync "$xmenu" 2>/dev/null
  sleep 0.5
  [ -n "${1:-}" ] && { zv_screenshot "$menu" "$shots/$1.png" || zv_fail "menu screenshot"; }
}
started() {  # $1: marker name
  local f="$WINEPREFIX/drive_c/$1.txt"
  for _ in $(seq 100); do [ -f "$f" ] && break; sleep 0.1; done
  [ -f "$f" ] || return 1
  rm -f "$f"
}
typed() {  # $1: keys for xdotool, $2: picture name
  xdotool key "$1"
  sleep 0.5
  [ -n "${2:-}" ] && { zv_screenshot "$menu" "$shots/$2.png" || zv_fail "menu screenshot"; }
}
menu_gone() { zv_wait_gone "$menu" 3000 || zv_fail "the menu stayed open after $1"; }

# Win+Q, Enter: the first entry.
menu_by_key keymenu-first
xdotool key Return
started marker || zv_fail "Win+Q, Enter did not start the first entry"
menu_gone "Win+Q, Enter"

# Win+Q, M: the only "M" starts at once.
menu_by_key
xdotool key m
started marker || zv_fail "Win+Q, M did not start Marker"
menu_gone "Win+Q, M"

# Win+Q, N: the first "N" is highlighted, Enter starts it; N again moves on.
menu_by_key
typed n keymenu-n
zv_window_exists '#32768' '*' || zv_fail "N with two matches closed the menu"
[ -f "$WINEPREFIX/drive_c/note1.txt" ] && zv_fail "N with two matches started one"
xdotool key Return
started note1 || zv_fail "Win+Q, N, Enter did not start the first N entry"
menu_gone "Win+Q, N, Enter"
menu_by_key
typed n
typed N keymenu-nn
xdotool key Return
started note2 || zv_fail "Win+Q, N, N, Enter did not start the second N entry"
menu_gone "Win+Q, N, N, Enter"

# A key no caption starts with leaves the menu open and starts nothing.
menu_by_key
typed q
zv_window_exists '#32768' '*' || zv_fail "a key without a match closed the menu"
xdotool key Escape
menu_gone Escape

# Ctrl+Shift+Enter: "runas", which Wine runs without a prompt.
menu_by_key
xdotool key ctrl+shift+Return
started marker || zv_fail "Ctrl+Shift+Enter did not start Marker"
menu_gone "Ctrl+Shift+Enter"
zv_msgbox_text Fehler 300 >/dev/null 2>&1 && zv_fail "an error for the elevated start"

zv_post "$main" WM_COMMAND 0x103 0
zv_wait_exit $zorvane
[ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
echo PASS
