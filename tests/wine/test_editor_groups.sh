#!/usr/bin/env bash
# The shortcut editor over a stored list with nested groups: the rows
# (photographed), Tab and Shift+Tab from the keyboard in the list, a new
# group named in its properties (name only), the question before a group is
# deleted, and OK storing the groups as the list
# stores them: Group and Caption on the groups, Level on the entries inside,
# and no Level where it is 0.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts'
LB_GETCOUNT=0x18B
mkdir -p "$WINEPREFIX/drive_c/Docs"
echo hello >"$WINEPREFIX/drive_c/Docs/readme.txt"
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"

# Tools holds Notepad and Deep, Deep holds Read me; Empty holds nothing.
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000007

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000000
"Group"=dword:00000001
"Caption"="Tools"

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000001
"Caption"="Notepad"
"Path"="C:\\windows\\notepad.exe"
"WorkingDir"="C:\\windows"
"ViewStyle"=dword:00000001
"Level"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item2]
"ShortcutType"=dword:00000000
"Group"=dword:00000001
"Caption"="Deep"
"Level"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item3]
"ShortcutType"=dword:00000002
"Caption"="Read me"
"Path"="C:\\Docs\\readme.txt"
"Level"=dword:00000002

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item4]
"ShortcutType"=dword:00000003
"Caption"="Windows"
"Path"="C:\\windows"
"FullExplorer"=dword:00000000
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item5]
"ShortcutType"=dword:00000000
"Group"=dword:00000001
"Caption"="Empty"

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item6]
"ShortcutType"=dword:00000001
"Caption"="Marker"
"Path"="C:\\markerapp.exe"
"WorkingDir"="C:\\"
"ViewStyle"=dword:00000001
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

zv_start_active
rows() { zv_send_message "$list" $LB_GETCOUNT 0 0; }
stored() { zv_reg_value "$key$1" "$2"; }
# Real key strokes into the list, which a click on a row (36 high) focuses.
click_row() { xdotool mousemove $((list_x + 150)) $((list_y + $1 * 36 + 18)) click 1; sleep 0.3; }
keys() {
  xdotool windowfocus --sync "$(xdotool search --name '^Shortcut Editor$' | head -n 1)" 2>/dev/null
  xdotool key "$@"
  sleep 0.3
}

zv_open_editor
[ "$(rows)" = 7 ] || zv_fail "editor opened with $(rows) rows"
zv_screenshot "$ed" "$shots/editor-groups.png" || zv_fail "editor screenshot"

# Tab: Windows goes into Tools, the group above it, as its last entry.
click_row 4
keys Tab
# Shift+Tab: Deep leaves Tools with Read me, right after Tools' end.
click_row 2
keys shift+Tab
[ "$(rows)" = 7 ] || zv_fail "$(rows) rows after Tab and Shift+Tab"

# A new group before Deep, where the caret went with it: its name only.
zv_click "$(zv_child "$ed" TZvLabel 'Insert a group')"
prop=$(zv_wait_visible tzvshortcutdialog 'New group "New Group"' 5000) || zv_fail "no properties for the new group"
edits=$(zv_children "$prop" | awk -F'\t' '$2 == "Edit" && $5 == "visible" { print $1 }')
[ "$(wc -l <<<"$edits")" = 1 ] || zv_fail "a group's properties show $(wc -l <<<"$edits") fields"
zv_children "$prop" | awk -F'\t' '$5 == "visible"' | grep -q msctls_hotkey32 && zv_fail "a group's properties show a hotkey"
zv_set_text "$edits" 'Games'
zv_screenshot "$prop" "$shots/properties-group.png" || zv_fail "group properties screenshot"
zv_click "$(zv_child "$prop" TZvLabel OK)"
zv_wait_gone "$prop" 5000 || zv_fail "OK did not close the group's properties"
sleep 0.3
[ "$(rows)" = 8 ] || zv_fail "$(rows) rows after the new group"
zv_screenshot "$ed" "$shots/editor-groups-moved.png" || zv_fail "editor screenshot after the moves"

# Deleting a group asks, naming it and its entries; No keeps it.
click_row 0
keys Delete
zv_answer_msgbox 'Delete Group' 'Do you really want to delete the group "Tools" and the 2 entries in it?' '&No'
sleep 0.3
[ "$(rows)" = 8 ] || zv_fail "No to the group's question left $(rows) rows"

zv_editor_ok
[ "$(stored '' Count)" = 0x8 ] || zv_fail "stored count $(stored '' Count)"
got=""
for i in 0 1 2 3 4 5 6 7; do
  got+="$(stored "\\Item$i" ShortcutType)|$(stored "\\Item$i" Group)|$(stored "\\Item$i" Caption)|$(stored "\\Item$i" Level) "
done
[ "$got" = '0x0|0x1|Tools| 0x1||Notepad|0x1 0x3||Windows|0x1 0x0|0x1|Games| 0x0|0x1|Deep| 0x2||Read me|0x1 0x0|0x1|Empty| 0x1||Marker| ' ] ||
  zv_fail "stored list: $got"

zv_post "$main" WM_COMMAND 0x103 0
zv_wait_exit $zorvane
[ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
echo PASS
