#!/usr/bin/env bash
# The find window of the running program: Win+Shift+Q opens it over every
# entry, typed letters narrow the rows, Enter starts the entry found (one
# inside a group), Ctrl+Shift+Enter starts it as administrator (Wine just
# starts it), Escape closes it; "Find..." opens it too. While the editor is
# open the hotkey does nothing, and once the options have turned it off it
# opens nothing. Photographed with a few rows at 96 and 144 DPI.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"
key='HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts'
settings='HKCU\Software\Halvorix\Zorvane'
LB_GETCOUNT=$((0x018B))

app() { zv_reg_marker_app "$@"; }
{
  printf 'REGEDIT4\n\n[%s]\n"SavedByClass"="tzvshortcutlist"\n"Count"=dword:00000006\n\n' "$key"
  app 0 Marker marker
  printf '[%s\\Item1]\n"ShortcutType"=dword:00000000\n\n' "$key"
  printf '[%s\\Item2]\n"ShortcutType"=dword:00000000\n"Group"=dword:00000001\n"Caption"="Tools"\n\n' "$key"
  app 3 'Web Editor' editor 1 $((0xc057))  # Ctrl+Alt+W
  app 4 'Probe' probe 1
  app 5 'Notes' notes
} >"$ZV_TEST_WORK/list.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

shown() { zv_driver list tfindwindow 'Find Shortcut' | awk -F'\t' '$4 == "visible"' | grep -q .; }
wait_hidden() {  # $1: what should have closed it
  for _ in $(seq 30); do shown || return 0; sleep 0.1; done
  zv_fail "the find window stayed open after $1"
}
# Wine's keys go to the X window with the focus, and nothing here moves it
# to the window the program brings to the foreground, as Windows does.
focus_find() {
  find=$(zv_wait_visible tfindwindow 'Find Shortcut' 5000) || zv_fail "no find window after $1"
  local xwin
  xwin=$(xdotool search --onlyvisible --name '^Find Shortcut$' 2>/dev/null | head -n 1)
  [ -n "$xwin" ] || zv_fail "no X window for the find window"
  xdotool windowfocus --sync "$xwin" 2>/dev/null
  sleep 0.3
  rows=$(zv_child "$find" ListBox '*')
}
find_by_key() {
  xdotool mousemove 40 40
  xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
  xdotool key super+shift+q
  focus_find Win+Shift+Q
}
row_count() { zv_send_message "$rows" $LB_GETCOUNT 0 0; }
typed() {  # $1: text, $2: rows expected
  xdotool type --delay 80 "$1"
  sleep 0.4
  [ "$(row_count)" = "$2" ] || zv_fail "'$1' left $(row_count) rows, expected $2"
}
started() {  # $1: marker name
  local f="$WINEPREFIX/drive_c/$1.txt"
  for _ in $(seq 100); do [ -f "$f" ] && break; sleep 0.1; done
  [ -f "$f" ] || return 1
  rm -f "$f"
}

zv_start_zorvane

# Every entry for no text; a few letters find the one in the group.
find_by_key
[ "$(zv_window_text "$find")" = 'Find Shortcut' ] || zv_fail "find window titled '$(zv_window_text "$find")'"
[ "$(row_count)" = 4 ] || zv_fail "$(row_count) rows for no text, expected 4"
zv_screenshot "$find" "$shots/find-all-96.png" || zv_fail "find screenshot"
# What a screen reader reads of the rows, from another process.
read_rows=$(zv_driver list-rows "$rows")
[ "$(printf '%s\n' "$read_rows" | sed -n 1p)" = Marker ] || zv_fail "row 0 read as '$read_rows'"
printf '%s\n' "$read_rows" | grep -qx 'Web Editor, Tools, .*W' || zv_fail "the grouped row read as '$read_rows'"
printf '%s\n' "$read_rows" | grep -qx 'Probe, Tools' || zv_fail "rows read as '$read_rows'"
typed e 4
zv_screenshot "$find" "$shots/find-e-96.png" || zv_fail "find screenshot"
typed di 1
xdotool key Return
started editor || zv_fail "Enter did not start the entry found"
wait_hidden Enter

# Down picks the second row; Ctrl+Shift+Enter starts it all the same.
find_by_key
typed o 3
xdotool key Down ctrl+shift+Return
started probe || zv_fail "Down, Ctrl+Shift+Enter did not start the second row"
wait_hidden Ctrl+Shift+Enter
zv_msgbox_text Fehler 300 >/dev/null 2>&1 && zv_fail "an error for the elevated start"

# Escape closes it and starts nothing.
find_by_key
typed mark 4
xdotool key Escape
wait_hidden Escape
[ -f "$WINEPREFIX/drive_c/marker.txt" ] && zv_fail "Escape started the entry"

# "Find..." in the context menu opens it too.
zv_post "$main" WM_COMMAND 0x104 0
focus_find "Find..."
xdotool key Escape
wait_hidden "Escape after Find..."

# While the editor is open the hotkey opens nothing.
zv_open_editor
xdotool key super+shift+q
sleep 1
shown && zv_fail "the find hotkey opened the window over the editor"
zv_click "$(zv_child "$ed" TZvLabel OK)"
zv_wait_gone "$ed" 5000 || zv_fail "OK did not close the editor"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after the editor"

# The options turn the hotkey off: stored, and Win+Shift+Q opens nothing.
zv_post "$main" WM_COMMAND 0x101 0
opt=$(zv_wait_visible toptionsdialog Options 10000) || zv_fail "no options window"
zv_click "$(zv_child "$opt" Button 'Use &find hotkey')"
zv_click "$(zv_child "$opt" TZvLabel OK)"
zv_wait_gone "$opt" 5000 || zv_fail "OK did not close the options"
sleep 0.5
[ "$(zv_reg_value "$settings" UseFindHotKey)" = 0x0 ] || zv_fail "UseFindHotKey not stored as 0"
xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
xdotool key super+shift+q
sleep 1
shown && zv_fail "Win+Shift+Q opened the window with the hotkey turned off"
zv_stop_zorvane

# At 144 DPI, opened by "Find...".
zv_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f
zv_start_zorvane
zv_post "$main" WM_COMMAND 0x104 0
focus_find "Find... at 144 DPI"
typed o 3
zv_screenshot "$find" "$shots/find-o-144.png" || zv_fail "find screenshot at 144 DPI"
read -r _ _ fw fh < <(zv_window_rect "$find")
[ "$fw" -ge 660 ] && [ "$fh" -ge 450 ] || zv_fail "the find window is ${fw}x$fh at 144 DPI"
xdotool key Escape
wait_hidden "Escape at 144 DPI"
zv_stop_zorvane
echo PASS
