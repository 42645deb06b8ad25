#!/usr/bin/env bash
# The tray icon driven with the real mouse and keyboard (xdotool): a right
# click pops up the context menu, whose items are chosen with either button;
# the about window closes on Enter and Escape typed; while a window of the
# program is open neither the menu nor a posted command opens another one;
# with no shortcuts repeated left clicks ask "No Shortcuts" only once; a right
# click on "Exit" ends the program.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix

zv_start "$exe" /justinstalled
prog=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"

# The icon's centre on the screen.
read -r tx ty < <(zv_tray_icons | awk -F'\t' '$4 ~ /^Zorvane/ { split($3, r, ","); print r[1] + int(r[3] / 2), r[2] + int(r[4] / 2); exit }')
[ -n "${tx:-}" ] || zv_fail "no Zorvane icon in the tray"

# Rows of the context menu from the top: five items of 20, separators of 5.
tops=(0 20 40 45 65 85 90)
heights=(20 20 5 20 20 5 20)
popup_menu() {
  xdotool mousemove "$tx" "$ty" click 3
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no context menu after a right click on the icon"
  sleep 0.3
  read -r mx my mw mh < <(zv_window_rect "$menu")
  border=$(((mh - 110) / 2))
  [ "$border" -ge 0 ] && [ "$border" -le 4 ] || zv_fail "context menu is $mh high"
}
choose() {  # $1: row, $2: X button
  xdotool mousemove $((mx + mw / 2)) $((my + border + tops[$1] + heights[$1] / 2))
  sleep 0.3
  xdotool click "$2"
  zv_wait_gone "$menu" 3000 || zv_fail "the menu stayed open after a click on row $1"
}
focus() {  # $1: title of the window to type into
  local xwin
  xwin=$(xdotool search --name "^$1\$" | head -n 1)
  [ -n "$xwin" ] || zv_fail "no X window titled '$1'"
  xdotool windowactivate --sync "$xwin" 2>/dev/null
  xdotool windowfocus --sync "$xwin" 2>/dev/null
}
visible_count() { zv_driver list "$1" "$2" | awk -F'\t' '$4 == "visible"' | wc -l; }

# About..., with the left button; the window answers keys typed on the keyboard.
popup_menu
zv_screenshot "$menu" "$shots/contextmenu-popup.png" || zv_fail "context menu screenshot"
choose 4 1
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "a left click on About... opened nothing"
zv_driver wait-tray 'Zorvane (Disabled)' 3000 >/dev/null || zv_fail "tray not disabled during about"
focus About
xdotool key a space
sleep 0.5
zv_window_exists taboutdialog About || zv_fail "other keys closed the about window"
xdotool key Return
zv_wait_gone "$about" 5000 || zv_fail "Enter typed did not close the about window"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after about"
popup_menu
choose 4 3
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "a right click on About... opened nothing"
focus About
xdotool key Escape
zv_wait_gone "$about" 5000 || zv_fail "Escape typed did not close the about window"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after about"

# Options..., with the right button. While the options are open the icon
# and the commands other programs post are ignored.
popup_menu
choose 3 3
opt=$(zv_wait_visible toptionsdialog Options 10000) || zv_fail "a right click on Options... opened nothing"
zv_driver wait-tray 'Zorvane (Disabled)' 3000 >/dev/null || zv_fail "tray not disabled during the options"
xdotool mousemove "$tx" "$ty" click 3
zv_post "$main" WM_COMMAND 0x102 0
zv_post "$main" WM_COMMAND 0x100 0
sleep 1
[ "$(visible_count '#32768' '*')" = 0 ] || zv_fail "the menu came up behind the options"
[ "$(visible_count taboutdialog About)" = 0 ] || zv_fail "a posted About... opened behind the options"
[ "$(visible_count teditordialog 'Shortcut Editor')" = 0 ] || zv_fail "a posted editor command opened behind the options"
zv_click "$(zv_child "$opt" TZvLabel Cancel)"
zv_wait_gone "$opt" 5000 || zv_fail "Cancel did not close the options"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after the options"
sleep 0.5
[ "$(visible_count taboutdialog About)" = 0 ] || zv_fail "a command posted during the options ran afterwards"

# No shortcuts: the question comes once however often the icon is clicked.
xdotool mousemove "$tx" "$ty" click 1
zv_msgbox_text 'No Shortcuts' >/dev/null || zv_fail "no 'No Shortcuts' question"
zv_driver wait-tray 'Zorvane (Disabled)' 3000 >/dev/null || zv_fail "tray not disabled during the question"
xdotool mousemove "$tx" "$ty" click 1
sleep 0.5
xdotool mousemove "$tx" "$ty" click 1
sleep 1
[ "$(visible_count '#32770' 'No Shortcuts')" = 1 ] || zv_fail "the question was asked $(visible_count '#32770' 'No Shortcuts') times"
zv_press 'No Shortcuts' '&No' >/dev/null || zv_fail "could not answer No"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after the question"
sleep 0.5
[ "$(visible_count '#32770' 'No Shortcuts')" = 0 ] || zv_fail "a second question came after the first"

# Exit, with the right button, ends the program.
popup_menu
choose 6 3
zv_wait_exit $prog
[ "$ZV_EXIT" = 0 ] || zv_fail "a right click on Exit: exit code $ZV_EXIT"
zv_tray_icons | grep -q Zorvane && zv_fail "tray icon left behind"
echo PASS
