#!/usr/bin/env bash
# The options and about windows of the running program: what they show,
# Enter, Escape, the close button, Cancel and OK, and what OK leaves in the
# registry. Pictures of both go to the build's screenshots folder.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
settings='HKCU\Software\Halvorix\Zorvane'
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
BM_GETCHECK=0xF0
HKM_GETHOTKEY=0x402

zv_start "$exe" /justinstalled
prog=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "no active tray icon"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog)

checked() { [ "$(zv_send_message "$(zv_child "$1" Button "$2")" $BM_GETCHECK 0 0)" = 1 ]; }
no_values() { [ -z "$(wine reg query "$settings" 2>/dev/null | tr -d '\r' | grep REG_)" ]; }
open_options() {
  zv_post "$main" WM_COMMAND 0x101 0 || zv_fail "could not ask for the options"
  zv_wait_visible toptionsdialog Options 10000 || zv_fail "no options window"
}

# About: the texts, the tray gate, Enter and Escape close it.
zv_post "$main" WM_COMMAND 0x102 0
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window"
kids=$(zv_children "$about" | tr -d '&')  # the links' texts as shown, without their access keys
for text in Zorvane 'Version 2.3' 'Copyright (c) 2026 Halvorix' www.halvorix.example OK; do
  grep -qF "	$text" <<<"$kids" || zv_fail "about window lacks '$text'"
done
zv_driver wait-tray 'Zorvane (Disabled)' 3000 >/dev/null || zv_fail "tray not disabled during about"
zv_screenshot "$about" "$shots/about.png" || zv_fail "about screenshot"
zv_key "$about" enter
zv_wait_gone "$about" 5000 || zv_fail "Enter did not close the about window"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after about"
zv_post "$main" WM_COMMAND 0x102 0
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window the second time"
zv_key "$about" escape
zv_wait_gone "$about" 5000 || zv_fail "Escape did not close the about window"
zv_post "$main" WM_COMMAND 0x102 0
about=$(zv_wait_visible taboutdialog About 10000) || zv_fail "no about window the third time"
zv_click "$(zv_child "$about" TZvLabel OK)"
zv_wait_gone "$about" 5000 || zv_fail "OK did not close the about window"

# Options with the first start's defaults.
opt=$(open_options)
zv_screenshot "$opt" "$shots/options.png" || zv_fail "options screenshot"
checked "$opt" '&Display large icons in shortcut menu' && zv_fail "large menu icons on by default"
checked "$opt" 'Di&splay hotkeys in shortcut menu' || zv_fail "hotkeys display off by default"
checked "$opt" 'Displa&y large icons in shortcut editor' || zv_fail "large editor icons off by default"
checked "$opt" '&Load on startup' && zv_fail "autoload on by default"
checked "$opt" '&Integrate into "Send to" menu' || zv_fail "Send To off by default"
checked "$opt" '&Register shortcut menu hotkey' || zv_fail "menu hotkey off by default"
hk=$(zv_send_message "$(zv_child "$opt" msctls_hotkey32 '*')" $HKM_GETHOTKEY 0 0)
[ "$hk" = 81 ] || zv_fail "hotkey control holds $hk, expected Q (81)"
zv_child "$opt" TZvLabel 'Win+' >/dev/null

# Escape, the close button and Cancel write nothing.
zv_key "$opt" escape
zv_wait_gone "$opt" 5000 || zv_fail "Escape did not close the options"
opt=$(open_options)
zv_close_window "$opt" >/dev/null
zv_wait_gone "$opt" 5000 || zv_fail "the close button did not close the options"
opt=$(open_options)
zv_click "$(zv_child "$opt" TZvLabel Cancel)"
zv_wait_gone "$opt" 5000 || zv_fail "Cancel did not close the options"
zv_driver wait-tray 'Zorvane (Active)' 3000 >/dev/null || zv_fail "tray not active after the options"
no_values || zv_fail "cancelled options wrote settings"
[ -z "$(zv_reg_value "$run" Zorvane)" ] || zv_fail "cancelled options wrote the Run value"

# OK: load on startup checked, Send To cleared; everything is written.
opt=$(open_options)
zv_click "$(zv_child "$opt" Button '&Load on startup')"
zv_click "$(zv_child "$opt" Button '&Integrate into "Send to" menu')"
zv_click "$(zv_child "$opt" TZvLabel OK)"
zv_wait_gone "$opt" 5000 || zv_fail "OK did not close the options"
sleep 0.5
[ "$(zv_reg_value "$settings" UseSendToMenu)" = 0x0 ] || zv_fail "UseSendToMenu not stored as 0"
[ "$(zv_reg_value "$settings" DisplayHotkeys)" = 0x1 ] || zv_fail "DisplayHotkeys not stored"
[ "$(zv_reg_value "$settings" MenuHotKey)" = 0x51 ] || zv_fail "MenuHotKey not stored as 0x51"
winexe=$(wine winepath -w "$exe" 2>/dev/null | tr -d '\r')
autorun=$(zv_reg_value "$run" Zorvane)
[ "${autorun,,}" = "${winexe,,}" ] || zv_fail "Run value '$autorun', expected '$winexe'"

# Enter in the window acts as OK: the box checked by the last OK shows
# checked, and clearing it again removes the Run value.
opt=$(open_options)
checked "$opt" '&Load on startup' || zv_fail "load on startup not shown as stored"
zv_click "$(zv_child "$opt" Button '&Load on startup')"
zv_key "$opt" enter
zv_wait_gone "$opt" 5000 || zv_fail "Enter did not close the options"
sleep 0.5
[ -z "$(zv_reg_value "$run" Zorvane)" ] || zv_fail "the Run value stayed after clearing the box"

# The session ends while the options are open: the window goes as if
# cancelled and the program still ends cleanly.
opt=$(open_options)
zv_click "$(zv_child "$opt" Button '&Display large icons in shortcut menu')"
zv_send_message "$main" WM_QUERYENDSESSION 0 0 >/dev/null || zv_fail "no answer to the session end"
zv_wait_exit $prog
[ "$ZV_EXIT" = 0 ] || zv_fail "session end with the options open: exit code $ZV_EXIT"
[ "$(zv_reg_value "$settings" UseLargeIcons)" = 0x0 ] || zv_fail "the interrupted options were stored"
echo PASS
