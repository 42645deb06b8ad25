#!/usr/bin/env bash
# The running program: the load warning, one instance per user and the
# second start's request, the windows other copies find, the menu hotkey,
# the installer's switches beside a running copy, and both ways to end.
. "$(dirname "$0")/lib.sh"
probe="$build/tests/hotkeyprobe.exe"
zv_fresh_prefix
winexe=$(wine winepath -w "$exe" 2>/dev/null | tr -d '\r')
hotkey_free() { wine "$probe" "$@" </dev/null >/dev/null 2>&1; }
NO_SHORTCUTS=$'You haven\'t defined any shortcuts yet. To do so, right-click on the tray icon and select "Shortcut Editor".\r\rWould you like to open the shortcut editor now?'

# First start, nothing stored: the warning once, then the active tray icon.
zv_start "$exe"
first=$ZV_PID
zv_answer_msgbox 'Load Shortcuts' $'An error occured while loading the shortcuts.\r\rPlease ignore this error if you are running Zorvane for the first time.' 'OK'
zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "no active tray icon"
zv_window_exists TApplication Zorvane || zv_fail "no application window titled Zorvane"
zv_window_exists tzorvanemaindialog zorvanemaindialog || zv_fail "no main window"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog)
hotkey_free 8 0x51 && zv_fail "Win+Q is not held by the program"

# A second start asks the running copy for its menu (with no shortcuts, the
# question) and ends without waiting for the answer; it shows no icon of
# its own.
zv_start "$exe"
second=$ZV_PID
zv_wait_exit $second
[ "$ZV_EXIT" = 0 ] || zv_fail "second start ended with $ZV_EXIT"
zv_answer_msgbox 'No Shortcuts' "$NO_SHORTCUTS" 'No'

# Another letter case is not the installer's switch: a normal second start.
zv_start "$exe" /UNINSTALL
second=$ZV_PID
zv_wait_exit $second
zv_answer_msgbox 'No Shortcuts' "$NO_SHORTCUTS" 'No'
wine reg query 'HKCU\Software\Halvorix\Zorvane' >/dev/null 2>&1 ||
  zv_fail "/UNINSTALL removed the settings"

# The installer's switches work beside the running copy and leave it alone.
zv_wine "$exe" /setautorun || zv_fail "/setautorun failed"
run=$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' zorvane)
[ "${run,,}" = "${winexe,,}" ] || zv_fail "Run value '$run', expected '$winexe'"
zv_wine "$exe" /uninstall || zv_fail "/uninstall failed"
wine reg query 'HKCU\Software\Halvorix' >/dev/null 2>&1 && zv_fail "/uninstall left the maker key"
[ -z "$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' zorvane)" ] ||
  zv_fail "/uninstall left the Run value"
zv_driver wait-tray 'Zorvane (Active)' 2000 >/dev/null || zv_fail "the running copy lost its icon"

# Exit: icon gone, hotkeys free, exit code 0.
zv_post "$main" WM_COMMAND 0x103 0 || zv_fail "could not send Exit"
zv_wait_exit $first
[ "$ZV_EXIT" = 0 ] || zv_fail "Exit ended with $ZV_EXIT"
zv_driver wait-tray 'Zorvane' 300 >/dev/null 2>&1 && zv_fail "tray icon left behind after Exit"
hotkey_free 8 0x51 || zv_fail "Win+Q still held after Exit"

# Just installed: no warning. The end of the session ends the program.
zv_start "$exe" /justinstalled
first=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "no tray icon after /justinstalled"
zv_msgbox_text 'Load Shortcuts' 300 >/dev/null 2>&1 && zv_fail "warning shown after /justinstalled"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog)
answer=$(zv_send_message "$main" WM_QUERYENDSESSION 0 0) || zv_fail "no answer to the session end"
[ "$answer" = 1 ] || zv_fail "session end answered $answer"
zv_wait_exit $first
[ "$ZV_EXIT" = 0 ] || zv_fail "session end: exit code $ZV_EXIT"
zv_driver wait-tray 'Zorvane' 300 >/dev/null 2>&1 && zv_fail "tray icon left behind at session end"
hotkey_free 8 0x51 || zv_fail "Win+Q still held after the session end"
echo PASS
