#!/usr/bin/env bash
# The colour mode of the running program: started light, the menu is light;
# AppsUseLightTheme set to 0 and "ImmersiveColorSet" broadcast as Windows
# does, the next menu is dark, and so are the submenus, the context menu and
# the windows, the find window too; set back, the menu is light again.
# Started dark: the hotkey error (the system's box), the editor with the row
# of the refused hotkey in red, and the properties. Photographed at 96 and
# 144 DPI.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"
key='HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts'
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'

app() { zv_reg_marker_app "$@"; }
store_list() {  # $1: the hotkey of the last two entries (0: none)
  {
    printf 'REGEDIT4\n\n[%s]\n"SavedByClass"="tzvshortcutlist"\n"Count"=dword:00000006\n\n' "$key"
    app 0 Marker marker
    printf '[%s\\Item1]\n"ShortcutType"=dword:00000000\n"Group"=dword:00000001\n"Caption"="Tools"\n\n' "$key"
    app 2 Editor editor 1
    printf '[%s\\Item3]\n"ShortcutType"=dword:00000000\n\n' "$key"
    app 4 'Twin One' one 0 "$1"
    app 5 'Twin Two' two 0 "$1"
  } >"$ZV_TEST_WORK/list.reg"
  zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
}
app_mode() {  # $1: 1 light, 0 dark; told to the running windows as Windows tells them
  zv_wine reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$1" /f
  zv_driver setting-change ImmersiveColorSet || zv_fail "no broadcast"
  sleep 0.3
}
grey_of() { convert "$1" -colorspace Gray -format '%[fx:int(255*mean)]' info:; }
shot() {  # $1: window, $2: picture name; its mean grey printed
  zv_screenshot "$1" "$shots/$2.png" || zv_fail "screenshot $2"
  grey_of "$shots/$2.png"
}
cascade_shot() {  # $1: picture name; its mean grey printed
  zv_cascade_shot "$1"
  grey_of "$shots/$1.png"
}
close_menus() {
  local m
  for _ in 1 2 3; do
    m=$(zv_menus | tail -n 1)
    [ -z "$m" ] && return 0
    zv_key "$m" escape
    sleep 0.2
  done
  [ -z "$(zv_menus)" ] || zv_fail "menus stayed open"
}
# The menu by a click on the icon, then Tools opened by the mouse.
menu_with_tools() {  # $1: picture name; the cascade's mean grey printed
  zv_menu_by_click
  xdotool mousemove $((mx + mw / 2)) $((my + 3 + 20 + 10)) click 1
  for _ in $(seq 30); do [ "$(zv_menus | wc -l)" = 2 ] && break; sleep 0.1; done
  [ "$(zv_menus | wc -l)" = 2 ] || zv_fail "Tools did not open"
  cascade_shot "$1"
  close_menus
}
# Escape in the editor, and Yes to its question whether to leave.
leave_editor() {
  zv_key "$ed" escape
  zv_msgbox_text Warning 5000 >/dev/null || zv_fail "no question on leaving the editor"
  zv_press Warning '&Yes' >/dev/null || zv_fail "could not answer the question"
  zv_wait_gone "$ed" 5000 || zv_fail "Yes did not close the editor"
}
dark() { [ "$1" -le 90 ] || zv_fail "$2 not dark: mean grey $1"; }
light() { [ "$1" -ge 120 ] || zv_fail "$2 not light: mean grey $1"; }

store_list 0
zv_start_zorvane
light "$(menu_with_tools darkmode-before-light)" "the menu at start"

# Dark from the broadcast on: both menus and every window.
app_mode 0
dark "$(menu_with_tools darkmode-menu-96)" "the menu after the switch"
zv_tray_click 'Zorvane (Active)' right || zv_fail "right click on the tray icon failed"
context=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no context menu"
dark "$(shot "$context" darkmode-contextmenu-96)" "the context menu"
close_menus
zv_post "$main" WM_COMMAND 0x101 0
opt=$(zv_wait_visible toptionsdialog Options 10000) || zv_fail "no options window"
sleep 0.3
dark "$(shot "$opt" darkmode-options-96)" "the options window"
zv_key "$opt" escape
zv_wait_gone "$opt" 5000 || zv_fail "Escape did not close the options"
zv_post "$main" WM_COMMAND 0x102 0
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window"
sleep 0.3
dark "$(shot "$about" darkmode-about-96)" "the about window"
zv_key "$about" escape
zv_wait_gone "$about" 5000 || zv_fail "Escape did not close the about window"

zv_post "$main" WM_COMMAND 0x104 0
find=$(zv_wait_visible tfindwindow 'Find Shortcut' 5000) || zv_fail "no find window"
sleep 0.3
dark "$(shot "$find" darkmode-find-96)" "the find window"
zv_driver close "$find" 3000 >/dev/null 2>&1

# An open window follows the switch back at once.
zv_open_editor
dark "$(shot "$ed" darkmode-editor-open-96)" "the editor"
app_mode 1
sleep 0.5
light "$(shot "$ed" darkmode-editor-back-96)" "the editor after the switch back"
leave_editor
light "$(menu_with_tools darkmode-after-light)" "the menu after the switch back"
zv_stop_zorvane

# Started dark, with two entries sharing a hotkey: the system's question,
# then the editor with the refused one in red, and its properties.
for dpi in 96 144; do
  zv_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
  zv_wine reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d 0 /f
  store_list $((0xc04a))  # Ctrl+Alt+J, twice
  zv_start "$exe" /justinstalled
  zorvane=$ZV_PID
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
  zv_msgbox_text 'Hotkey Error' 15000 >/dev/null || zv_fail "no hotkey error"
  box=$(zv_wait_visible '#32770' 'Hotkey Error' 5000) || zv_fail "no hotkey error window"
  shot "$box" "darkmode-messagebox-$dpi" >/dev/null
  zv_press 'Hotkey Error' '&Yes' >/dev/null || zv_fail "could not answer the hotkey error"
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no editor window"
  sleep 0.5
  dark "$(shot "$ed" "darkmode-editor-$dpi")" "the editor at $dpi DPI"
  # The refused hotkey's row in the dark palette's deep red.
  red=$(convert "$shots/darkmode-editor-$dpi.png" -fuzz 8% -fill black +opaque 'rgb(112,28,28)' \
    -fill white -opaque 'rgb(112,28,28)' -format '%[fx:mean > 0.003 ? 1 : 0]' info:)
  [ "$red" = 1 ] || zv_fail "no red row in the dark editor at $dpi DPI"
  # A right click on the first row edits it.
  list=$(zv_child "$ed" ListBox '*')
  read -r lx ly _ < <(zv_driver rect --screen "$list")
  xdotool mousemove $((lx + 100)) $((ly + 10)) click 3
  prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "no properties dialog"
  sleep 0.3
  dark "$(shot "$prop" "darkmode-properties-$dpi")" "the properties at $dpi DPI"
  zv_key "$prop" escape
  zv_wait_gone "$prop" 5000 || zv_fail "Escape did not close the properties"
  leave_editor
  # The hotkey is refused again when the list is taken up again.
  zv_msgbox_text 'Hotkey Error' 15000 >/dev/null || zv_fail "no second hotkey error"
  zv_press 'Hotkey Error' '&No' >/dev/null || zv_fail "could not answer the hotkey error"
  zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "tray not active"
  if [ "$dpi" = 144 ]; then
    dark "$(menu_with_tools darkmode-menu-144)" "the menu at 144 DPI"
    zv_post "$main" WM_COMMAND 0x101 0
    opt=$(zv_wait_visible toptionsdialog Options 10000) || zv_fail "no options window at 144 DPI"
    sleep 0.3
    dark "$(shot "$opt" darkmode-options-144)" "the options window at 144 DPI"
    zv_key "$opt" escape
    zv_wait_gone "$opt" 5000 || zv_fail "Escape did not close the options"
    zv_post "$main" WM_COMMAND 0x102 0
    about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window at 144 DPI"
    sleep 0.3
    dark "$(shot "$about" darkmode-about-144)" "the about window at 144 DPI"
    zv_key "$about" escape
    zv_wait_gone "$about" 5000 || zv_fail "Escape did not close the about window"
  fi
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
done
echo PASS
