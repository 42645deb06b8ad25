#!/usr/bin/env bash
# The whole way through with the keyboard alone, no mouse event at all:
# Win+Q over an empty list asks to open the editor, Enter opens it; Insert
# makes two shortcuts in the properties (their fields reached by access
# keys, one given a hotkey), Alt+Down moves one, Ctrl+O imports a list whose
# name is typed into the file dialog, Ctrl+Tab and Tab reach the commands
# and Alt+O is OK; the registry then holds the list. Pictures with the
# keyboard cues shown go to the screenshots folder.
#
# Wine's standalone tray window takes no keyboard, so nothing here can walk
# to the icon and its context menu as Win+B and the arrow keys do on
# Windows: Win+Q is the way in. And Wine's keys go to the X window with the
# input focus, which nothing on this bare display moves to a window the
# program brings forward (Windows does): each time a window of the program
# opens, the script gives its X window the focus (xdotool windowfocus) as
# Windows would, and only then types.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts'
LB_GETCOUNT=0x18B
drive_c="$WINEPREFIX/drive_c"
cp "$build/tests/markerapp.exe" "$drive_c/markerapp.exe"
printf '[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=1\r\n[Item0]\r\nShortcutType=3\r\nCaption=Windows\r\nPath=C:\\windows\r\nFullExplorer=0\r\nHotkey=0\r\nViewStyle=1\r\n' \
  >"$drive_c/more.shl"

# The X window of a visible window of the program, by its title, given the
# input focus (the stand-in for Windows' foreground, see above).
focus_title() {
  local x
  for _ in $(seq 50); do
    x=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$x" ] && break
    sleep 0.1
  done
  [ -n "$x" ] || zv_fail "no X window titled '$1'"
  xdotool windowfocus --sync "$x" 2>/dev/null
  sleep 0.3
}
keys() { xdotool key --delay 60 "$@"; sleep 0.4; }
typed() { xdotool type --delay 40 "$1"; sleep 0.3; }
rows() { zv_send_message "$list" $LB_GETCOUNT 0 0; }
stored() { zv_reg_value "$key$1" "$2"; }

zv_start_active /justinstalled

# Win+Q over the empty list: the question, answered Yes by Enter.
xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
keys super+q
zv_msgbox_text 'No Shortcuts' 5000 | grep -q 'Would you like to open the shortcut editor now?' ||
  zv_fail "Win+Q over no shortcuts did not offer the editor"
focus_title 'No Shortcuts'
keys Return
ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "Enter on the question did not open the editor"
list=$(zv_child "$ed" ListBox '*')
focus_title 'Shortcut Editor'

# new_shortcut NAME HOTKEY: Insert, the name typed over "New Shortcut" where
# the focus is, the
# program by Alt+E, the hotkey by Alt+H, then Tab out of the hotkey control
# (Alt+letter is a hotkey there) and Alt+O.
new_shortcut() {
  local prop title
  keys Insert
  prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "Insert did not open the properties"
  title=$(zv_window_text "$prop")
  focus_title "$title"
  typed "$1"
  keys alt+e
  typed 'C:\markerapp.exe'
  if [ -n "$2" ]; then
    keys alt+h "$2" Tab
    zv_screenshot "$prop" "$shots/keyboard-properties.png" || zv_fail "properties screenshot"
  fi
  keys alt+o
  zv_wait_gone "$prop" 5000 || zv_fail "Alt+O did not close the properties of $1"
  focus_title 'Shortcut Editor'
}
new_shortcut First ctrl+alt+f
new_shortcut Second ''
[ "$(rows)" = 2 ] || zv_fail "the editor shows $(rows) rows after two Inserts"
# Each new one went before the row of the caret: Second, First. Home
# selects Second, Alt+Down moves it below First.
keys Home alt+Down
zv_screenshot "$ed" "$shots/keyboard-editor-cues.png" || zv_fail "editor screenshot"

# Ctrl+O, the name typed into the file dialog, Enter.
keys ctrl+o
zv_wait_visible '#32770' 'Import List' 10000 >/dev/null || zv_fail "Ctrl+O did not open the import dialog"
focus_title 'Import List'
typed 'C:\more.shl'
keys Return
focus_title 'Shortcut Editor'
for _ in $(seq 50); do [ "$(rows)" = 3 ] && break; sleep 0.1; done
[ "$(rows)" = 3 ] || zv_fail "the import left $(rows) rows"

# Ctrl+Tab leaves the list for the commands, with the focus frame on the
# first; Shift+Tab goes back round to the list.
keys ctrl+Tab
zv_screenshot "$ed" "$shots/keyboard-editor-link-focus.png" || zv_fail "editor screenshot"
keys shift+Tab

# What a screen reader reads of the commands, from another process: the
# link role, the text without its ampersand, the access key.
read_ok=$(zv_driver accessible "$(zv_child "$ed" TZvLabel OK)") || zv_fail "no accessible object for OK"
[ "$read_ok" = $'30\tlink\tOK\tAlt+O' ] || zv_fail "OK reads as $(printf %q "$read_ok")"
read_import=$(zv_driver accessible "$(zv_child "$ed" TZvLabel 'Import a shortcut list')")
[ "$read_import" = $'30\tlink\tImport a shortcut list\tAlt+I' ] ||
  zv_fail "the import command reads as $(printf %q "$read_import")"

# Alt+O: OK, and the list is stored.
keys alt+o
zv_wait_gone "$ed" 5000 || zv_fail "Alt+O did not close the editor"
zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "no active tray icon after the editor"
[ "$(stored '' Count)" = 0x3 ] || zv_fail "stored Count $(stored '' Count), expected 3"
[ "$(stored '\Item0' Caption)" = First ] || zv_fail "Item0 is '$(stored '\Item0' Caption)', expected First"
[ "$(stored '\Item1' Caption)" = Second ] || zv_fail "Item1 is '$(stored '\Item1' Caption)', expected Second"
[ "$(stored '\Item2' Caption)" = Windows ] || zv_fail "Item2 is '$(stored '\Item2' Caption)', expected the import"
[ "$(stored '\Item0' Path)" = 'C:\markerapp.exe' ] || zv_fail "Item0's path is '$(stored '\Item0' Path)'"
# Ctrl+Alt+F: F (0x46) + Ctrl (0x4000) + Alt (0x8000).
[ "$(stored '\Item0' Hotkey)" = 0xc046 ] || zv_fail "Item0's hotkey is $(stored '\Item0' Hotkey), expected 0xc046"
[ "$(stored '\Item1' Hotkey)" = 0x0 ] || zv_fail "Item1's hotkey is $(stored '\Item1' Hotkey)"
zv_stop_zorvane
echo PASS
