#!/usr/bin/env bash
# The test driver against a small program of known behaviour: it finds and
# reads a message box, answers it, fills in a file dialog, talks to a window
# by copy data, finds and clicks a tray icon, and photographs a window.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
app="$build/tests/msgboxapp.exe"

# A question box: its text byte for byte, its buttons, a picture, the answer.
zv_start "$app"
box=$(zv_wait_visible '#32770' 'Driver Check') || zv_fail "message box did not appear"
zv_expect_msgbox 'Driver Check' $'Zur\xfcck to the start?\r\rYes or no?'
buttons=$(zv_children "$box" | awk -F'\t' '$2 == "Button" { print $3 ":" $7 }' | tr '\n' ' ')
[ "$buttons" = "6:&Yes 7:&No " ] || zv_fail "buttons are '$buttons'"
zv_press 'Driver Check' 'Maybe' 2>/dev/null
[ $? -eq 1 ] || zv_fail "pressing a missing button did not report 'not found'"
zv_screenshot "$box" "$shots/driver-msgbox.png" || zv_fail "screenshot failed"
read -r _ _ w h < <(zv_window_rect "$box")
[ "$(identify -format '%w %h' "$shots/driver-msgbox.png")" = "$w $h" ] ||
  zv_fail "screenshot is not the size of the box ($w x $h)"
light=$(convert "$shots/driver-msgbox.png" -colorspace Gray -format '%[fx:mean>0.5]' info:)
[ "$light" = 1 ] || zv_fail "the screenshot does not show the box"
zv_press 'Driver Check' 'No' || zv_fail "could not press No"
zv_wait_gone "$box" 5000 || zv_fail "box still open after No"
zv_wait_exit $ZV_PID
[ "$ZV_EXIT" = 7 ] || zv_fail "the answer did not come back as No (exit code $ZV_EXIT)"

# Nothing there: a short wait ends with exit code 1, bad usage with 2.
zv_msgbox_text 'No Such Box' 300 >/dev/null 2>&1
[ $? -eq 1 ] || zv_fail "waiting for a missing box did not time out with 1"
zv_driver frobnicate >/dev/null 2>&1
[ $? -eq 2 ] || zv_fail "an unknown command did not give 2"
zv_window_text 0x7FFFFFF0 >/dev/null 2>&1
[ $? -eq 1 ] || zv_fail "a stale handle did not give 1"

# The open dialog: a folder keeps it open, a file name confirms it.
zv_start "$app" /open 'Pick A File'
zv_wait_visible '#32770' 'Pick A File' >/dev/null || zv_fail "file dialog did not appear"
zv_file_dialog 'Pick A File' 'C:\windows' 2>/dev/null
[ $? -eq 3 ] || zv_fail "a folder name closed the dialog"
zv_file_dialog 'Pick A File' 'C:\windows\win.ini' || zv_fail "the file name was not taken"
zv_answer_msgbox 'Chosen File' 'C:\windows\win.ini' 'OK'
zv_wait_exit $ZV_PID
[ "$ZV_EXIT" = 0 ] || zv_fail "the dialog did not report the file (exit code $ZV_EXIT)"

zv_start "$app" /open 'Pick A File'
zv_wait_visible '#32770' 'Pick A File' >/dev/null || zv_fail "file dialog did not appear again"
zv_press 'Pick A File' 'Cancel' || zv_fail "no Cancel button in the file dialog"
zv_wait_exit $ZV_PID
[ "$ZV_EXIT" = 1 ] || zv_fail "Cancel did not cancel the dialog (exit code $ZV_EXIT)"

# A window of its own with a tray icon.
zv_start "$app" /window
probe=$(zv_wait_visible zvdriverprobe 'Driver Probe') || zv_fail "probe window did not appear"
[ "$(zv_window_text "$probe")" = "Driver Probe" ] || zv_fail "window-text of the probe"
kids=$(zv_children "$probe" | cut -f2,3,4,5,6,7)
[ "$kids" = $'Static\t101\t10,10,100,16\tvisible\tenabled\tReady\nButton\t102\t10,40,60,22\thidden\tdisabled\t&Go' ] ||
  zv_fail "children of the probe: $(printf %q "$kids")"
[ "$(zv_find_child "$probe" Button Go)" = "$(zv_children "$probe" | awk -F'\t' '$3 == 102 { print $1 }')" ] ||
  zv_fail "find-child did not find the button by its caption"

zv_send_copydata zvdriverprobe 'Driver Probe' 41 hello >"$ZV_TEST_WORK/copydata.out" &
sender=$!
zv_answer_msgbox 'Copy Data' 'id 41, 6 bytes: hello' 'OK'
wait $sender || zv_fail "send-copydata failed"
[ "$(cat "$ZV_TEST_WORK/copydata.out")" = 42 ] || zv_fail "send-copydata result $(cat "$ZV_TEST_WORK/copydata.out")"

icon=$(zv_wait_tray 'Driver Probe' 10000) || zv_fail "tray icon not found by its tip"
zv_screenshot "$icon" "$shots/driver-trayicon.png" || zv_fail "no picture of the tray icon"
[ "$(zv_tray_icons | cut -f4)" = "Driver Probe" ] || zv_fail "tray listing: $(zv_tray_icons)"
zv_tray_click 'Driver Probe' left || zv_fail "tray-click failed"
zv_answer_msgbox 'Tray Click' 'Left click' 'OK'
# A right click pops up a menu: chosen with the keys, as a user would.
zv_tray_click 'Driver Probe' right || zv_fail "tray-click failed"
menu=$(zv_wait_visible '#32768' '*') || zv_fail "no menu after a right click"
zv_key "$menu" down && zv_key "$menu" enter || zv_fail "keys to the menu"
zv_answer_msgbox 'Tray Click' 'Right click' 'OK'
zv_wait_gone "$menu" 2000 || zv_fail "menu still open"

zv_close_window "$probe" 5000 || zv_fail "the probe did not close"
zv_wait_exit $ZV_PID
[ "$ZV_EXIT" = 5 ] || zv_fail "the probe did not end through WM_CLOSE (exit code $ZV_EXIT)"
zv_wait_tray 'Driver Probe' 200 >/dev/null 2>&1 && zv_fail "tray icon left behind"
echo "PASS"
