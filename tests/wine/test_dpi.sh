#!/usr/bin/env bash
# The running program at 150 and 200 % display scale (LogPixels 144 and 192
# in the prefix before it starts): the tray icon, the shortcut menu small and
# large, the context menu, the options, about, editor (both modes, with rows),
# properties and progress windows and a message box, each photographed into the
# build's screenshots folder as <name>-<dpi>.png; the menus' and rows'
# heights and the windows' sizes grow with the scale.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
mkdir -p "$WINEPREFIX/drive_c/Docs" "$shots"
echo hello >"$WINEPREFIX/drive_c/Docs/readme.txt"
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"
LB_GETITEMHEIGHT=0x1A1
LB_SETSEL=0x185

cat >"$ZV_TEST_WORK/dpilist.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000004

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="Marker"
"Path"="C:\\markerapp.exe"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000000

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item2]
"ShortcutType"=dword:00000002
"Caption"="Read me"
"Path"="C:\\Docs\\readme.txt"
"Hotkey"=dword:00000000

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item3]
"ShortcutType"=dword:00000003
"Caption"="Documents"
"Path"="C:\\Docs"
"FullExplorer"=dword:00000000
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000001
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/dpilist.reg")"
zv_wine reg add 'HKCU\Software\Halvorix\Zorvane' /v DisplayHotkeys /t REG_DWORD /d 1 /f

settings='HKCU\Software\Halvorix\Zorvane'
scaled() { echo $((($1 * dpi * 2 + 96) / 192)); }  # a 96-DPI figure at $dpi

start_zorvane() {
  zv_start "$exe" /justinstalled
  zorvane=$ZV_PID
  zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon at $dpi DPI"
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
}
stop_zorvane() {
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
}
# The shortcut menu from a tray click: photographed, then closed.
shortcut_menu() {  # $1: picture name
  zv_driver tray-click 'Zorvane (Active)' left || zv_fail "tray click failed"
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click at $dpi DPI"
  sleep 0.5
  zv_screenshot "$menu" "$shots/$1-$dpi.png" || zv_fail "menu screenshot"
  read -r _ _ menu_w menu_h < <(zv_window_rect "$menu")
  zv_key "$menu" escape
  zv_wait_gone "$menu" 5000 || xdotool key Escape
}

for dpi in 144 192; do
  zv_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f
  # The progress window at the prefix's own DPI, as the program makes it
  # (the unit tests' binary shows and photographs it), and moved to the
  # other DPI.
  log="$ZV_TEST_WORK/progress-$dpi.log"
  (cd "$shots" && wine "$build/tests/zvtests.exe" --gtest_color=no \
    --gtest_filter='DpiSystem.*:DpiChange.TheProgressWindow*' </dev/null >"$log" 2>&1) ||
    zv_fail "progress window at $dpi DPI: $(grep -m3 -A3 'Failure' "$log")"
  convert "$shots/progress-$dpi.bmp" "$shots/progress-$dpi.png" || zv_fail "no progress picture at $dpi DPI"
  for to in 144 192; do
    convert "$shots/progress-moved-$to.bmp" "$shots/progress-moved-$to-from-$dpi.png"
  done
  rm -f "$shots"/progress-*.bmp
  rm -f "$shots/messagebox-$dpi.bmp"
  zv_wine reg add "$settings" /v UseLargeIcons /t REG_DWORD /d 0 /f
  zv_wine reg add "$settings" /v UseLargeEditorIcons /t REG_DWORD /d 1 /f
  start_zorvane
  icon=$(zv_wait_tray 'Zorvane (Active)' 3000) && zv_screenshot "$icon" "$shots/trayicon-$dpi.png"

  # Shortcut menu, small icons: three rows at least 16 + 4 design pixels,
  # a separator of 5 design pixels.
  shortcut_menu shortcutmenu-small
  small_h=$menu_h
  [ "$small_h" -ge $((3 * $(scaled 20) + $(scaled 5))) ] ||
    zv_fail "small shortcut menu is $small_h high at $dpi DPI"

  # The context menu from a right click on the icon.
  zv_driver tray-click 'Zorvane (Active)' right || zv_fail "right click failed"
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no context menu at $dpi DPI"
  sleep 0.5
  zv_screenshot "$menu" "$shots/contextmenu-$dpi.png" || zv_fail "context menu screenshot"
  read -r _ _ _ ctx_h < <(zv_window_rect "$menu")
  [ "$ctx_h" -ge $((5 * $(scaled 20) + 2 * $(scaled 5))) ] || zv_fail "context menu is $ctx_h high at $dpi DPI"
  zv_key "$menu" escape
  zv_wait_gone "$menu" 5000 || xdotool key Escape

  # Options and about.
  zv_post "$main" WM_COMMAND 0x101 0
  opt=$(zv_wait_visible toptionsdialog Options 10000) || zv_fail "no options window at $dpi DPI"
  sleep 0.3
  zv_screenshot "$opt" "$shots/options-$dpi.png" || zv_fail "options screenshot"
  read -r _ _ opt_w opt_h < <(zv_window_rect "$opt")
  [ "$opt_w" -gt "$(scaled 381)" ] && [ "$opt_h" -gt "$(scaled 263)" ] ||
    zv_fail "options window is $opt_w x $opt_h at $dpi DPI"
  zv_key "$opt" escape
  zv_wait_gone "$opt" 5000 || zv_fail "Escape did not close the options"
  zv_post "$main" WM_COMMAND 0x102 0
  about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window at $dpi DPI"
  sleep 0.3
  zv_screenshot "$about" "$shots/about-$dpi.png" || zv_fail "about screenshot"
  zv_key "$about" escape
  zv_wait_gone "$about" 5000 || zv_fail "Escape did not close the about window"

  # The editor in large mode: rows of two lines, a message box, and the
  # properties of each type.
  zv_post "$main" WM_COMMAND 0x100 0
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no editor at $dpi DPI"
  list=$(zv_child "$ed" ListBox '*')
  sleep 0.5
  zv_screenshot "$ed" "$shots/editor-large-$dpi.png" || zv_fail "editor screenshot"
  row=$(zv_send_message "$list" $LB_GETITEMHEIGHT 0 0)
  [ "$row" -ge "$(scaled 36)" ] || zv_fail "large rows are $row high at $dpi DPI"
  read -r ed_x ed_y ed_w ed_h < <(zv_window_rect "$ed")
  [ "$ed_w" -gt "$(scaled 629)" ] || zv_fail "editor is $ed_w wide at $dpi DPI"
  zv_send_message "$list" $LB_SETSEL 1 0 >/dev/null
  zv_key "$list" delete
  zv_msgbox_text 'Delete Shortcut' 10000 >/dev/null || zv_fail "no question on Delete at $dpi DPI"
  box=$(zv_wait_visible '#32770' 'Delete Shortcut' 5000)
  sleep 0.3
  zv_screenshot "$box" "$shots/messagebox-$dpi.png" || zv_fail "message box screenshot"
  zv_press 'Delete Shortcut' '&No' >/dev/null || zv_press 'Delete Shortcut' 'No' >/dev/null ||
    zv_fail "could not answer the question"
  zv_wait_gone "$box" 5000 || zv_fail "the question stayed"
  # WM_CONTEXTMENU takes a point on the screen.
  read -r lx ly lw lh < <(zv_driver rect --screen "$list")
  captions=(Marker '' 'Read me' Documents)
  for item in 0:application 2:file 3:folder; do
    index=${item%%:*}
    top=0
    for ((i = 0; i < index; i++)); do top=$((top + $(zv_send_message "$list" $LB_GETITEMHEIGHT $i 0))); done
    zv_post "$ed" 0x7B "$list" $(((ly + top + 6) * 65536 + lx + 20))
    props=$(zv_wait_visible tzvshortcutdialog '*' 10000) || zv_fail "no properties for row $index at $dpi DPI"
    zv_find_child "$props" Edit "${captions[$index]}" >/dev/null ||
      zv_fail "the properties at $dpi DPI are not those of row $index (${captions[$index]})"
    sleep 0.5
    zv_screenshot "$props" "$shots/properties-${item#*:}-$dpi.png" || zv_fail "properties screenshot"
    zv_key "$props" escape
    zv_wait_gone "$props" 5000 || zv_fail "Escape did not close the properties"
  done
  # Closing after the properties asks whether to drop the changes.
  zv_key "$ed" escape
  zv_msgbox_text Warning 3000 >/dev/null && zv_press Warning '&Yes' >/dev/null
  zv_wait_gone "$ed" 10000 || zv_fail "Escape did not close the editor"
  stop_zorvane

  # Small editor rows and large menu icons, in a new run.
  zv_wine reg add "$settings" /v UseLargeIcons /t REG_DWORD /d 1 /f
  zv_wine reg add "$settings" /v UseLargeEditorIcons /t REG_DWORD /d 0 /f
  start_zorvane
  shortcut_menu shortcutmenu-large
  [ "$menu_h" -gt "$small_h" ] || zv_fail "large shortcut menu ($menu_h) not higher than the small one at $dpi DPI"
  zv_post "$main" WM_COMMAND 0x100 0
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no small editor at $dpi DPI"
  list=$(zv_child "$ed" ListBox '*')
  sleep 0.5
  zv_screenshot "$ed" "$shots/editor-small-$dpi.png" || zv_fail "small editor screenshot"
  row=$(zv_send_message "$list" $LB_GETITEMHEIGHT 0 0)
  [ "$row" -ge "$(scaled 20)" ] || zv_fail "small rows are $row high at $dpi DPI"
  zv_key "$ed" escape
  zv_msgbox_text Warning 3000 >/dev/null && zv_press Warning '&Yes' >/dev/null
  zv_wait_gone "$ed" 10000 || zv_fail "Escape did not close the small editor"
  stop_zorvane
done
echo "PASS"
