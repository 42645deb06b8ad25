#!/usr/bin/env bash
# The shortcut editor of the running program over a stored list whose two
# shortcuts share one hotkey: the rows and the warning (photographed in large
# and small icon mode), a shortcut made with New, files dropped from the
# shell, Cancel's question, and OK storing the list that the menu then shows.
. "$(dirname "$0")/lib.sh"
exe=$1
build=${ZV_BUILD_DIR:-$(dirname "$1")}
shots="$build/screenshots"
mkdir -p "$shots"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts'
LB_GETCOUNT=0x18B
LB_GETITEMHEIGHT=0x1A1
LB_SETSEL=0x185
mkdir -p "$WINEPREFIX/drive_c/Docs/Data.old"
echo hello >"$WINEPREFIX/drive_c/Docs/readme.txt"
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"

# Two shortcuts on Ctrl+Alt+M around a separator.
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000003

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="Marker"
"Path"="C:\\markerapp.exe"
"WorkingDir"="C:\\"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000000

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item2]
"ShortcutType"=dword:00000002
"Caption"="Read me"
"Path"="C:\\Docs\\readme.txt"
"Hotkey"=dword:0000c04d
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

start_zorvane() {
  zv_start "$exe" /justinstalled
  zorvane=$ZV_PID
  zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
}
stop_zorvane() {
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
  [ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
}
child() { zv_find_child "$1" "$2" "$3" || zv_fail "no $2 '$3' in the window"; }
open_editor() {
  zv_post "$main" WM_COMMAND 0x100 0 || zv_fail "could not ask for the editor"
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no editor window"
  list=$(child "$ed" ListBox '*')
}
rows() { zv_send_message "$list" $LB_GETCOUNT 0 0; }
