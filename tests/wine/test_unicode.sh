#!/usr/bin/env bash
# Names in any script with the real program: a program under a Cyrillic and
# Greek path dropped on the editor (XDND, as a file manager drops it), the
# registry read back in UTF-16, the menu, the launch, the Send To links, a
# list file in UTF-8 with its marker exported and imported back, a list file
# of an earlier version in Windows-1252 imported and exported byte for byte.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts'
LB_GETCOUNT=0x18B
drive_c="$WINEPREFIX/drive_c"
data='Данные' omega='Ωμέγα' privet='Привет'
mkdir -p "$drive_c/$data/$omega"
cp "$build/tests/markerapp.exe" "$drive_c/$data/$omega/app.exe"
cp "$(dirname "$0")/../data/cp1252-list.shl" "$drive_c/legacy.shl"
# A folder shortcut in UTF-8 with the marker, as this version writes one.
printf '[Root]\r\nSavedByClass=tzvshortcutlist\r\nCount=1\r\nEncoding=UTF-8\r\n[Item0]\r\nShortcutType=3\r\nCaption=%s\r\nPath=C:\\%s\r\nFullExplorer=0\r\nHotkey=0\r\nViewStyle=1\r\n' \
  "$privet" "$data" >"$drive_c/uni.shl"

zv_build_xdnd

# As an earlier version stored it, written in the ANSI code page: a folder
# named "Übersicht".
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts]\r\n"SavedByClass"="tzvshortcutlist"\r\n"Count"=dword:00000001\r\n\r\n[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item0]\r\n"ShortcutType"=dword:00000003\r\n"Caption"="\xdc''bersicht"\r\n"Path"="C:\\\\windows"\r\n"FullExplorer"=dword:00000000\r\n"Hotkey"=dword:00000000\r\n"ViewStyle"=dword:00000001\r\n' \
  >"$ZV_TEST_WORK/list.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

zv_start_active

rows() { zv_send_message "$list" $LB_GETCOUNT 0 0; }
import_list() {  # $1: file name in C:\
  zv_click "$(zv_child "$ed" TZvLabel 'Import a shortcut list')"
  zv_file_dialog 'Import List' "C:\\$1" || zv_fail "could not choose $1 to import"
  sleep 0.5
}
export_list() {
  zv_click "$(zv_child "$ed" TZvLabel 'Export the shortcut list')"
  zv_file_dialog 'Export List' "C:\\$1" || zv_fail "could not choose $1 to export"
  sleep 0.5
  [ -f "$drive_c/$1" ] || zv_fail "no exported $1"
}
# The list key as "reg export" writes it: UTF-16, here turned into UTF-8.
stored_reg() {
  rm -f "$ZV_TEST_WORK/stored.reg"
  wine reg export "$key" "$(zv_winpath "$ZV_TEST_WORK/stored.reg")" /y >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 "$ZV_TEST_WORK/stored.reg" | tr -d '\r'
}

stored_reg | grep -qxF '"Caption"="Übersicht"' || zv_fail "the earlier version's list is not in the registry"

zv_open_editor
[ "$(rows)" = 1 ] || zv_fail "editor opened with $(rows) rows"
# Below the row: the program under C:\Данные\Ωμέγα.
"$xdnd" $((list_x + 100)) $((list_y + 150)) "$drive_c/$data/$omega/app.exe" ||
  zv_fail "the XDND drop was not taken (exit $?)"
sleep 0.5
[ "$(rows)" = 2 ] || zv_fail "$(rows) rows after the drop"
zv_screenshot "$ed" "$shots/unicode-editor-drop.png" || zv_fail "editor screenshot"

# The properties of the dropped program: caption "app" in the title; it gets
# a marker file to write as its parameter.
xdotool mousemove $((list_x + 100)) $((list_y + 36 + 18)) click 3
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "a right click did not open the properties"
[ "$(zv_window_text "$prop")" = 'Edit shortcut "app"' ] || zv_fail "properties titled '$(zv_window_text "$prop")'"
zv_screenshot "$prop" "$shots/unicode-properties.png" || zv_fail "properties screenshot"
edits=$(zv_children "$prop" | awk -F'\t' '$2 == "Edit" && $5 == "visible" { print $1 }')
zv_set_text "$(sed -n 3p <<<"$edits")" 'C:\launched.txt'
zv_click "$(zv_child "$prop" TZvLabel OK)"
zv_wait_gone "$prop" 5000 || zv_fail "OK did not close the properties"

import_list legacy.shl
[ "$(rows)" = 7 ] || zv_fail "$(rows) rows after the Windows-1252 import"
import_list uni.shl
[ "$(rows)" = 8 ] || zv_fail "$(rows) rows after the UTF-8 import"
zv_screenshot "$ed" "$shots/unicode-editor-imports.png" || zv_fail "editor screenshot"

export_list out.shl
root=$(tr -d '\r' <"$drive_c/out.shl" | sed -n '1,/^\[Item0\]/p' | tr '\n' ' ')
[ "$root" = '[Root] SavedByClass=tzvshortcutlist Count=8 Encoding=UTF-8 [Item0] ' ] || zv_fail "root section: $root"
for line in 'Caption=app' "Path=C:\\$data\\$omega\\app.exe" "WorkingDir=C:\\$data\\$omega" \
  'Parameters=C:\launched.txt' 'Caption=Übersicht' "Caption=$privet" "Path=C:\\$data"; do
  tr -d '\r' <"$drive_c/out.shl" | grep -qxF "$line" || zv_fail "no line '$line' in the UTF-8 export"
done

# OK stores it: the registry holds the letters, read back in UTF-16.
zv_click "$(zv_child "$ed" TZvLabel OK)"
zv_wait_gone "$ed" 5000 || zv_fail "OK did not close the editor"
sleep 0.5
reg=$(stored_reg)
for line in '"Caption"="app"' "\"Path\"=\"C:\\\\$data\\\\$omega\\\\app.exe\"" \
  "\"WorkingDir\"=\"C:\\\\$data\\\\$omega\"" "\"Caption\"=\"$privet\"" '"Caption"="Übersicht"'; do
  grep -qxF "$line" <<<"$reg" || zv_fail "no $line in the registry"
done

# Send To: one link per application and folder, named by the caption.
sendto_win=$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' SendTo)
sendto=$(wine winepath -u "$sendto_win" 2>/dev/null | tr -d '\r')
for link in app.lnk "$privet.lnk" Übersicht.lnk; do
  [ -f "$sendto/Zorvane/$link" ] || zv_fail "no Send To link $link: $(ls "$sendto/Zorvane" | tr '\n' ' ')"
done

# The menu shows the entries with their letters; the second starts app.exe.
zv_tray_click 'Zorvane (Active)' left || zv_fail "tray click failed"
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click"
sleep 0.3
zv_screenshot "$menu" "$shots/unicode-menu.png" || zv_fail "menu screenshot"
zv_key "$menu" down && zv_key "$menu" down && zv_key "$menu" enter || zv_fail "could not choose app"
for _ in $(seq 100); do [ -f "$drive_c/launched.txt" ] && break; sleep 0.1; done
[ -f "$drive_c/launched.txt" ] || zv_fail "choosing app did not start C:\\$data\\$omega\\app.exe"

# Export then import gives the same list; a list of Windows-1252 texts
# exports byte for byte as the earlier version wrote it.
zv_open_editor
[ "$(rows)" = 8 ] || zv_fail "editor reopened with $(rows) rows"
for pair in out.shl:again.shl legacy.shl:legacy-again.shl; do
  zv_click "$(zv_child "$ed" TZvLabel 'Clear the shortcut list')"
  zv_answer_msgbox 'Clear List' 'Do you really want to delete all shortcuts?' '&Yes'
  sleep 0.3
  import_list "${pair%%:*}"
  export_list "${pair##*:}"
  cmp -s "$drive_c/${pair%%:*}" "$drive_c/${pair##*:}" || zv_fail "${pair##*:} differs from ${pair%%:*}"
done
zv_key "$ed" escape
zv_answer_msgbox Warning $'All your changes will be lost.\r\nAre you sure you want to close this window without saving?' '&Yes'
zv_wait_gone "$ed" 5000 || zv_fail "Yes did not close the editor"

zv_post "$main" WM_COMMAND 0x103 0
zv_wait_exit $zorvane
[ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
echo PASS
