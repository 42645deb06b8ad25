#!/usr/bin/env bash
# The shortcut editor of the running program over a stored list whose two
# shortcuts share one hotkey: the rows and the warning (photographed in large
# and small icon mode), a shortcut made with New, files dropped from the
# shell, Cancel's question, and OK storing the list that the menu then shows.
# Another program reads each row's text, as screen readers do.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts'
LB_GETCOUNT=0x18B
LB_GETITEMHEIGHT=0x1A1
LB_SETSEL=0x185
LB_GETSEL=0x187
mkdir -p "$WINEPREFIX/drive_c/Docs"
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
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
}
stop_zorvane() {
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
  [ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
}
# The shared hotkey fails at every registration: the offer to open the editor.
hotkey_error() {  # $1: the answer
  zv_msgbox_text 'Hotkey Error' 15000 | grep -q '^1 hotkey(s) could not be registered' ||
    zv_fail "no hotkey error for the shared hotkey"
  zv_press 'Hotkey Error' "$1" >/dev/null || zv_fail "could not answer the hotkey error"
}
editor_shown() {
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no editor window"
  list=$(zv_child "$ed" ListBox '*')
  sleep 0.3
}
rows() { zv_send_message "$list" $LB_GETCOUNT 0 0; }
heights() { for ((i = 0; i < $(rows); i++)); do zv_send_message "$list" $LB_GETITEMHEIGHT $i 0; done | tr '\n' ' '; }
count_label() { zv_children "$ed" | awk -F'\t' '$2 == "TZvLabel" && $7 ~ / Shortcuts?$/ { print $7 }'; }
visible_label() { zv_children "$ed" | awk -F'\t' -v t="$1" '$7 == t { print $5 }'; }
stored() { zv_reg_value "$key$1" "$2"; }
close_question() {  # $1: the answer
  zv_answer_msgbox Warning $'All your changes will be lost.\r\nAre you sure you want to close this window without saving?' "$1"
}

# Accepting the offer opens the editor in large mode: the later of the two
# shortcuts on one hotkey is marked, and the warning panel shows.
start_zorvane
hotkey_error '&Yes'
editor_shown
[ "$(rows)" = 3 ] || zv_fail "editor shows $(rows) rows, expected 3"
[ "$(heights)" = '36 17 36 ' ] || zv_fail "large rows are $(heights) high"
[ "$(count_label)" = '3 Shortcuts' ] || zv_fail "count label '$(count_label)'"
[ "$(visible_label 'One or more shortcuts are using invalid hotkeys.')" = visible ] ||
  zv_fail "no hotkey warning"
zv_child "$ed" TZvLabel 'Drag a shortcut to move it; Tab/Shift+Tab: into/out of a group.' >/dev/null
zv_screenshot "$ed" "$shots/editor-large.png" || zv_fail "editor screenshot"
# What a screen reader reads of the rows, from another process.
read_rows=$(zv_driver list-rows "$list")
[ "$(sed -n 1p <<<"$read_rows")" = 'Marker, Application, C:\\markerapp.exe, Strg+Alt+M' ] &&
  [ "$(sed -n 2p <<<"$read_rows")" = Separator ] &&
  [ "$(sed -n 3p <<<"$read_rows")" = 'Read me, File, C:\\Docs\\readme.txt, Strg+Alt+M, invalid hotkey' ] ||
  zv_fail "the rows read as: $read_rows"

# A right click selects the row under the pointer and edits it: nothing for
# the separator, the properties dialog for a shortcut.
read -r ed_x ed_y ed_w ed_h < <(zv_window_rect "$ed")
frame=$(((ed_w - 629) / 2))
list_x=$((ed_x + frame + 200 + 2)) list_y=$((ed_y + ed_h - 449 - frame + 8 + 2))
xdotool mousemove $((list_x + 100)) $((list_y + 36 + 8)) click 3
sleep 0.5
[ "$(zv_send_message "$list" $LB_GETSEL 1 0)" = 1 ] || zv_fail "right click did not select the separator"
zv_window_exists tzvshortcutdialog '*' && zv_fail "a separator got the properties dialog"
xdotool mousemove $((list_x + 100)) $((list_y + 36 + 17 + 18)) click 3
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "right click did not edit the shortcut"
zv_child "$prop" Edit 'Read me' >/dev/null
[ "$(zv_send_message "$list" $LB_GETSEL 1 0)" = 0 ] || zv_fail "the separator stayed selected"
zv_key "$prop" escape
zv_wait_gone "$prop" 5000 || zv_fail "Escape did not close the properties"

# Cancel asks; No keeps the editor, Yes leaves it and nothing is stored.
zv_click "$(zv_child "$ed" TZvLabel Cancel)"
close_question '&No'
sleep 0.3
zv_window_exists teditordialog 'Shortcut Editor' || zv_fail "No closed the editor"
zv_key "$ed" escape
close_question '&Yes'
zv_wait_gone "$ed" 5000 || zv_fail "Yes did not close the editor"
hotkey_error '&No'
[ "$(stored '' Count)" = 0x3 ] || zv_fail "cancelled editor changed the count"

# New: the properties dialog makes a shortcut at the top. A drop block
# posted by another program is no drop here: it is ignored.
zv_post "$main" WM_COMMAND 0x100 0 || zv_fail "could not ask for the editor"
editor_shown
zv_click "$(zv_child "$ed" TZvLabel 'Create a new shortcut')"
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "no properties dialog"
edits=$(zv_children "$prop" | awk -F'\t' '$2 == "Edit" && $5 == "visible" { print $1 }')
zv_set_text "$(sed -n 1p <<<"$edits")" 'Notepad'
zv_set_text "$(sed -n 2p <<<"$edits")" 'C:\windows\notepad.exe'
zv_click "$(zv_child "$prop" TZvLabel OK)"
zv_wait_gone "$prop" 5000 || zv_fail "OK did not close the properties"
sleep 0.3
[ "$(rows)" = 4 ] || zv_fail "$(rows) rows after New"
[ "$(count_label)" = '4 Shortcuts' ] || zv_fail "count label '$(count_label)' after New"
zv_wine "$build/tests/dropfiles.exe" "$list" 10 300 'C:\Docs\readme.txt'
sleep 0.5
[ "$(rows)" = 4 ] || zv_fail "a foreign drop block gave $(rows) rows"

# OK stores the list; the menu then shows it.
zv_click "$(zv_child "$ed" TZvLabel OK)"
zv_wait_gone "$ed" 5000 || zv_fail "OK did not close the editor"
hotkey_error '&No'
[ "$(stored '' Count)" = 0x4 ] || zv_fail "stored count '$(stored '' Count)'"
[ "$(stored '\Item0' Caption)" = Notepad ] || zv_fail "stored first caption '$(stored '\Item0' Caption)'"
[ "$(stored '\Item0' Path)" = 'C:\windows\notepad.exe' ] || zv_fail "stored first path"
[ "$(stored '\Item1' Caption)" = Marker ] || zv_fail "stored second caption"
zv_driver tray-click '*' left || zv_fail "tray click failed"
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click"
read -r _ _ _ menu_h < <(zv_window_rect "$menu")
# Three rows of 20 and a separator of 5, plus the frame.
[ "$menu_h" -ge 65 ] && [ "$menu_h" -le 75 ] || zv_fail "menu of the new list is $menu_h high"
zv_key "$menu" escape
stop_zorvane

# Small mode; maximised, the list grows and the hotkeys move right.
zv_wine reg add 'HKCU\Software\Halvorix\Zorvane' /v UseLargeEditorIcons /t REG_DWORD /d 0 /f
start_zorvane
hotkey_error '&Yes'
editor_shown
[ "$(heights)" = '20 20 17 20 ' ] || zv_fail "small rows are $(heights) high"
zv_send_message "$list" $LB_SETSEL 1 3 >/dev/null
zv_screenshot "$ed" "$shots/editor-small.png" || zv_fail "small editor screenshot"
# Resized through its X window: the list follows the edges, the window
# keeps its least size, and maximised the list takes the screen.
list_rect() { zv_children "$ed" | awk -F'\t' '$2 == "ListBox" { print $4 }'; }
xwin=$(xdotool search --name '^Shortcut Editor$' | head -n 1)
xdotool windowsize "$xwin" 900 520
sleep 0.5
[ "$(list_rect)" = 200,8,692,488 ] || zv_fail "widened list at $(list_rect)"
zv_child "$ed" TZvLabel OK | grep -q . || zv_fail "no OK after widening"
zv_children "$ed" | grep -qP '\t28,475,\d+,16\tvisible\tenabled\t&OK$' || zv_fail "OK did not follow the bottom"
zv_screenshot "$ed" "$shots/editor-small-wide.png" || zv_fail "widened editor screenshot"
xdotool windowsize "$xwin" 300 200
sleep 0.5
read -r _ _ ed_w ed_h < <(zv_window_rect "$ed")
[ "$ed_w $ed_h" = '637 476' ] || zv_fail "shrunk editor is $ed_w x $ed_h"
zv_post "$ed" WM_SYSCOMMAND 0xF030 0
sleep 0.5
list_w=$(list_rect | cut -d, -f3)
[ "$list_w" -gt 1000 ] || zv_fail "maximised list is $list_w wide"
zv_key "$ed" escape
close_question '&Yes'
zv_wait_gone "$ed" 5000 || zv_fail "Escape and Yes did not close the editor"
hotkey_error '&No'
stop_zorvane
echo PASS
