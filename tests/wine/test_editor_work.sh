#!/usr/bin/env bash
# The shortcut editor at work, opened from the tray's context menu: imports
# whose hotkeys clash (both "Double Hotkeys" outcomes), Ctrl+A, the Delete and
# Insert keys, a shortcut made with New, files dropped from the X desktop
# (XDND, as a file manager drops them), a row dragged with the mouse, the
# export through the save dialog, OK storing it all, the menu and the
# hotkeys working afterwards, and the export of an emptied list.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts'
LB_GETCOUNT=0x18B
LB_GETSELCOUNT=0x190
drive_c="$WINEPREFIX/drive_c"
mkdir -p "$drive_c/Docs/My Data.old" "$drive_c/Tools"
echo hello >"$drive_c/Docs/readme.txt"
echo notes >"$drive_c/Docs/notes.txt"
echo plan >"$drive_c/Docs/Übersicht.txt"
cp "$build/tests/markerapp.exe" "$drive_c/markerapp.exe"
cp "$build/tests/markerapp.exe" "$drive_c/Tools/tool.exe"

zv_build_xdnd

# A file on Ctrl+Alt+M and a folder.
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000002

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000002
"Caption"="Read me"
"Path"="C:\\Docs\\readme.txt"
"Hotkey"=dword:0000c04d

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000003
"Caption"="Windows"
"Path"="C:\\windows"
"FullExplorer"=dword:00000000
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000001
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

# Six files on Ctrl+Alt+M: with "Read me" holding it, five other modifier
# sets are free for the key and the sixth file keeps a clashing hotkey.
{
  printf '[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=6\r\n'
  for i in 0 1 2 3 4 5; do
    printf '[Item%d]\r\nShortcutType=2\r\nCaption=Clash %d\r\nPath=C:\\Docs\\readme.txt\r\nHotkey=49229\r\n' $i $i
  done
} >"$drive_c/clash.shl"
# The marker program on Ctrl+Alt+M: it can move to Alt+M.
printf '[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=1\r\n[Item0]\r\nShortcutType=1\r\nCaption=Marker\r\nPath=C:\\markerapp.exe\r\nParameters=C:\\out.txt\r\nWorkingDir=C:\\\r\nHotkey=49229\r\nViewStyle=1\r\n' \
  >"$drive_c/marker.shl"

zv_start_active

# The tray's context menu, its first entry: "Shortcut Editor...".
open_editor() {
  zv_open_editor
  xwin=$(xdotool search --name '^Shortcut Editor$' | head -n 1)
}
rows() { zv_send_message "$list" $LB_GETCOUNT 0 0; }
count_label() { zv_children "$ed" | awk -F'\t' '$2 == "TZvLabel" && $7 ~ /^[0-9]+ Shortcuts?$/ { print $7 }'; }
status_label() { zv_children "$ed" | awk -F'\t' '$2 == "TZvLabel" && $4 ~ /^200,/ && $4 ~ /,313,13$/ { print $7 }'; }
warning_shown() {
  [ "$(zv_children "$ed" | awk -F'\t' '$7 == "One or more shortcuts are using invalid hotkeys." { print $5 }')" = visible ]
}
stored() { zv_reg_value "$key$1" "$2"; }
import_list() {  # $1: file name in C:\
  zv_click "$(zv_child "$ed" TZvLabel 'Import a shortcut list')"
  zv_file_dialog 'Import List' "C:\\$1" || zv_fail "could not choose $1 to import"
}
keys() {  # real key strokes into the editor
  xdotool windowfocus --sync "$xwin" 2>/dev/null
  xdotool key "$@"
}

# Cancelled session: the clashing import warns that not all could be solved,
# and the sixth file stays marked; Ctrl+A selects every row, the Delete key
# asks about all of them. Cancel's question, and nothing is stored.
open_editor
[ "$(rows)" = 2 ] || zv_fail "editor opened with $(rows) rows"
warning_shown && zv_fail "warning panel shown for a list without clashes"
import_list clash.shl
zv_answer_msgbox 'Double Hotkeys' \
  'Zorvane detected that some shortcuts were using the same hotkeys. Some problems could not be solved.' OK
sleep 0.3
[ "$(rows)" = 8 ] || zv_fail "$(rows) rows after the clashing import"
[ "$(count_label)" = '8 Shortcuts' ] || zv_fail "count label '$(count_label)' after the import"
warning_shown || zv_fail "no hotkey warning after an unsolved clash"
keys ctrl+a
sleep 0.3
[ "$(zv_send_message "$list" $LB_GETSELCOUNT 0 0)" = 8 ] || zv_fail "Ctrl+A did not select every row"
keys Delete
zv_answer_msgbox 'Delete Shortcuts' 'Do you really want to delete the selected shortcuts?' '&No'
sleep 0.3
[ "$(rows)" = 8 ] || zv_fail "No to the Delete question left $(rows) rows"
zv_screenshot "$ed" "$shots/editor-clash-import.png" || zv_fail "editor screenshot"
# Insert asks for a new shortcut; escaped, nothing is added.
keys Insert
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "Insert did not open the properties"
zv_key "$prop" escape
zv_wait_gone "$prop" 5000 || zv_fail "Escape did not close the properties"
[ "$(rows)" = 8 ] || zv_fail "an escaped Insert left $(rows) rows"
zv_click "$(zv_child "$ed" TZvLabel Cancel)"
zv_answer_msgbox Warning $'All your changes will be lost.\r\nAre you sure you want to close this window without saving?' '&Yes'
zv_wait_gone "$ed" 5000 || zv_fail "Yes did not close the editor"
[ "$(stored '' Count)" = 0x2 ] || zv_fail "cancelled editor stored a count of $(stored '' Count)"
[ "$(stored '\Item0' Hotkey)" = 0xc04d ] || zv_fail "cancelled editor changed a hotkey"

# Session kept with OK: the marker's hotkey moves to Alt+M.
open_editor
import_list marker.shl
zv_answer_msgbox 'Double Hotkeys' \
  'Zorvane detected that some shortcuts were using the same hotkeys. These problems have been solved.' OK
sleep 0.3
[ "$(rows)" = 3 ] || zv_fail "$(rows) rows after importing the marker"
warning_shown && zv_fail "warning panel shown after the clash was solved"

# New, with nothing selected: a second marker on Shift+Ctrl+N at the top.
zv_click "$(zv_child "$ed" TZvLabel 'Create a new shortcut')"
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "no properties dialog"
edits=$(zv_children "$prop" | awk -F'\t' '$2 == "Edit" && $5 == "visible" { print $1 }')
zv_set_text "$(sed -n 1p <<<"$edits")" 'Second marker'
zv_set_text "$(sed -n 2p <<<"$edits")" 'C:\markerapp.exe'
zv_set_text "$(sed -n 3p <<<"$edits")" 'C:\new.txt'
HKM_SETHOTKEY=0x401
zv_send_message "$(zv_child "$prop" msctls_hotkey32 '*')" $HKM_SETHOTKEY 0x34E 0 >/dev/null
zv_click "$(zv_child "$prop" TZvLabel OK)"
zv_wait_gone "$prop" 5000 || zv_fail "OK did not close the properties"
sleep 0.3
[ "$(rows)" = 4 ] || zv_fail "$(rows) rows after New"

# Drop a program, a document and a folder on the lower half of row 1 (rows
# of 36): they follow it, in their order.
"$xdnd" $((list_x + 100)) $((list_y + 36 + 30)) \
  "$drive_c/Tools/tool.exe" "$drive_c/Docs/notes.txt" "$drive_c/Docs/My Data.old" ||
  zv_fail "the XDND drop was not taken (exit $?)"
sleep 0.5
[ "$(rows)" = 7 ] || zv_fail "$(rows) rows after the desktop drop"
# The link band takes no files: the drop is refused there, nothing added.
"$xdnd" --timeout 5000 $((ed_x + 60)) $((list_y + 100)) "$drive_c/Docs/notes.txt" 2>/dev/null
[ $? = 3 ] || zv_fail "a drop on the link band was not refused"
sleep 0.3
[ "$(count_label)" = '7 Shortcuts' ] || zv_fail "count label '$(count_label)' after the drop"
zv_screenshot "$ed" "$shots/editor-xdnd-drop.png" || zv_fail "editor screenshot"

# Drag the last row (the marker, rows 216 to 251) onto the upper half of row
# 0; the status line tells the move while the button is down.
xdotool mousemove $((list_x + 100)) $((list_y + 234)) mousedown 1
sleep 0.2
xdotool mousemove $((list_x + 100)) $((list_y + 180))
sleep 0.1
xdotool mousemove $((list_x + 100)) $((list_y + 8))
sleep 0.3
during=$(status_label)
zv_screenshot "$ed" "$shots/editor-row-drag.png" || zv_fail "screenshot during the drag"
xdotool mouseup 1
sleep 0.3
[ "$during" = 'Move shortcut "Marker" before shortcut "Second marker"' ] || zv_fail "status during the drag: '$during'"
[ "$(status_label)" = 'Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.' ] ||
  zv_fail "status after the drag: '$(status_label)'"

# Below the last row: a file already in the list is left out, the one whose
# name is not plain ASCII is appended.
"$xdnd" $((list_x + 100)) $((list_y + 7 * 36 + 20)) "$drive_c/Docs/notes.txt" "$drive_c/Docs/Übersicht.txt" ||
  zv_fail "the second XDND drop was not taken"
sleep 0.5
[ "$(rows)" = 8 ] || zv_fail "$(rows) rows after the drop below the rows"

# The export writes the list as the editor holds it.
zv_click "$(zv_child "$ed" TZvLabel 'Export the shortcut list')"
zv_file_dialog 'Export List' 'C:\out.shl' || zv_fail "could not choose the export file"
sleep 0.5
[ -f "$drive_c/out.shl" ] || zv_fail "no exported file"
# The file is in the ANSI code page, Windows-1252 here.
exported=$(iconv -f WINDOWS-1252 -t UTF-8 "$drive_c/out.shl" | tr -d '\r' | grep -E '^\[|^(Count|Caption|ShortcutType|Hotkey|WorkingDir)=' | tr '\n' ' ')
[ "$exported" = '[Root] Count=8 [Item0] ShortcutType=1 Caption=Marker WorkingDir=C:\ Hotkey=32845 [Item1] ShortcutType=1 Caption=Second marker WorkingDir=C:\ Hotkey=24654 [Item2] ShortcutType=2 Caption=Read me Hotkey=49229 [Item3] ShortcutType=1 Caption=tool WorkingDir=C:\Tools Hotkey=0 [Item4] ShortcutType=2 Caption=notes Hotkey=0 [Item5] ShortcutType=3 Caption=My Data Hotkey=0 [Item6] ShortcutType=3 Caption=Windows Hotkey=0 [Item7] ShortcutType=2 Caption=Übersicht Hotkey=0 ' ] ||
  zv_fail "exported: $exported"

# OK stores it.
zv_editor_ok
got=""
for i in 0 1 2 3 4 5 6 7; do got+="$(stored "\\Item$i" ShortcutType)|$(stored "\\Item$i" Caption)|$(stored "\\Item$i" Path)|$(stored "\\Item$i" WorkingDir) "; done
# "wine reg" writes in the console's code page, 437 here.
got=$(printf '%s' "$got" | iconv -f CP437 -t UTF-8)
[ "$(stored '' Count)" = 0x8 ] || zv_fail "stored count $(stored '' Count)"
[ "$got" = '0x1|Marker|C:\markerapp.exe|C:\ 0x1|Second marker|C:\markerapp.exe|C:\ 0x2|Read me|C:\Docs\readme.txt| 0x1|tool|C:\Tools\tool.exe|C:\Tools 0x2|notes|C:\Docs\notes.txt| 0x3|My Data|C:\Docs\My Data.old| 0x3|Windows|C:\windows| 0x2|Übersicht|C:\Docs\Übersicht.txt| ' ] ||
  zv_fail "stored list: $got"
[ "$(stored '\Item0' Hotkey)" = 0x804d ] || zv_fail "stored marker hotkey $(stored '\Item0' Hotkey)"
[ "$(stored '\Item1' Hotkey)" = 0x604e ] || zv_fail "stored new hotkey $(stored '\Item1' Hotkey)"

# The menu shows eight rows of 20 (small icons) plus its frame.
zv_tray_click 'Zorvane (Active)' left || zv_fail "tray click failed"
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click"
sleep 0.3
zv_screenshot "$menu" "$shots/editor-stored-menu.png" || zv_fail "menu screenshot"
read -r _ _ _ menu_h < <(zv_window_rect "$menu")
[ "$menu_h" -ge 160 ] && [ "$menu_h" -le 170 ] || zv_fail "menu of the stored list is $menu_h high"
zv_key "$menu" escape
zv_wait_gone "$menu" 3000 || zv_fail "menu stayed open"

# The new shortcut's hotkey and the marker's moved one, pressed while a Wine
# window has the focus.
xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
xdotool key ctrl+shift+n
for _ in $(seq 100); do [ -f "$drive_c/new.txt" ] && break; sleep 0.1; done
[ -f "$drive_c/new.txt" ] || zv_fail "Shift+Ctrl+N did not start the new shortcut"
xdotool key alt+m
for _ in $(seq 100); do [ -f "$drive_c/out.txt" ] && break; sleep 0.1; done
[ -f "$drive_c/out.txt" ] || zv_fail "Alt+M did not start the marker"

# Emptied with Clear, the list has nothing to export: the information, no
# dialog. Cancelled, the stored list stays.
open_editor
zv_click "$(zv_child "$ed" TZvLabel 'Clear the shortcut list')"
zv_answer_msgbox 'Clear List' 'Do you really want to delete all shortcuts?' '&Yes'
sleep 0.3
[ "$(rows)" = 0 ] || zv_fail "$(rows) rows after Clear"
zv_click "$(zv_child "$ed" TZvLabel 'Export the shortcut list')"
box=$(zv_wait_visible '#32770' 'Export List' 10000) || zv_fail "no information for the empty list"
zv_answer_msgbox 'Export List' 'The shortcut list is empty.' OK
# The box and the save dialog share the title: once the box is gone, none.
zv_wait_gone "$box" 5000 || zv_fail "the information stayed"
sleep 0.5
zv_window_exists '*' 'Export List' && zv_fail "a save dialog for an empty list"
zv_key "$ed" escape
zv_answer_msgbox Warning $'All your changes will be lost.\r\nAre you sure you want to close this window without saving?' '&Yes'
zv_wait_gone "$ed" 5000 || zv_fail "Yes did not close the editor"
[ "$(stored '' Count)" = 0x8 ] || zv_fail "cancelled Clear stored a count of $(stored '' Count)"
# The hotkeys are back after a cancelled editor too.
rm -f "$drive_c/out.txt"
xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
xdotool key alt+m
for _ in $(seq 100); do [ -f "$drive_c/out.txt" ] && break; sleep 0.1; done
[ -f "$drive_c/out.txt" ] || zv_fail "Alt+M did nothing after a cancelled editor"

zv_post "$main" WM_COMMAND 0x103 0
zv_wait_exit $zorvane
[ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
echo PASS
