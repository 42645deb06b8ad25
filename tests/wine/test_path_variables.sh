#!/usr/bin/env bash
# A shortcut written with environment variables, %SystemRoot%\system32\cmd.exe
# in the working directory %TEMP%: it launches and leaves its marker file
# there, its Send To link holds the expanded path, and the registry entry
# (stored again by the editor's OK) and the export keep the % form.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
key='HKCU\Software\Halvorix\Zorvane\Shortcuts\Item0'
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="Command"
"Path"="%SystemRoot%\\system32\\cmd.exe"
"Parameters"="/c echo done>zvmarker.txt"
"WorkingDir"="%TEMP%"
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000000
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
temp=$(wine winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null | tr -d '\r')
[ -d "$temp" ] || zv_fail "no TEMP folder ('$temp')"
rm -f "$temp/zvmarker.txt"
sendto=$(wine winepath -u "$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' SendTo)" 2>/dev/null | tr -d '\r')

zv_start "$exe" /justinstalled
zorvane=$ZV_PID
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"

zv_driver tray-click 'Zorvane (Active)' left || zv_fail "tray click failed"
menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu"
zv_key "$menu" down && zv_key "$menu" enter || zv_fail "could not choose the shortcut"
for _ in $(seq 100); do [ -f "$temp/zvmarker.txt" ] && break; sleep 0.1; done
[ -f "$temp/zvmarker.txt" ] || zv_fail "cmd.exe left no marker in %TEMP%"
zv_msgbox_text Fehler 300 >/dev/null 2>&1 && zv_fail "a launch error for the expanded paths"

# The Send To link points at the real program.
link="$sendto/Zorvane/Command.lnk"
[ -f "$link" ] || zv_fail "no Send To link"
grep -aqi 'system32\\cmd.exe' "$link" || zv_fail "the link does not name cmd.exe"
grep -aq '%SystemRoot%' "$link" && zv_fail "the link holds the unexpanded path"

# The editor's OK stores the list again: still as written.
zv_post "$main" WM_COMMAND 0x100 0
ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no editor window"
zv_editor_ok
[ "$(zv_reg_value "$key" Path)" = '%SystemRoot%\system32\cmd.exe' ] ||
  zv_fail "stored path: $(zv_reg_value "$key" Path)"
[ "$(zv_reg_value "$key" WorkingDir)" = '%TEMP%' ] ||
  zv_fail "stored working directory: $(zv_reg_value "$key" WorkingDir)"
zv_post "$main" WM_COMMAND 0x103 0
zv_wait_exit $zorvane

# The export keeps them as written too.
zv_start "$exe" /uninstall
uninstall=$ZV_PID
zv_answer_msgbox 'Export Shortcuts' 'You have defined 1 shortcut(s). Would you like to export these shortcuts to a file before uninstalling Zorvane?' Yes
zv_wait_visible '#32770' 'Export List' >/dev/null || zv_fail "no Export List dialog"
zv_file_dialog 'Export List' 'C:\backup' || zv_fail "could not choose the export file"
zv_wait_exit $uninstall
backup="$WINEPREFIX/drive_c/backup.shl"
tr -d '\r' <"$backup" | grep -qx 'Path=%SystemRoot%\\system32\\cmd.exe' || zv_fail "exported: $(head -c 400 "$backup")"
tr -d '\r' <"$backup" | grep -qx 'WorkingDir=%TEMP%' || zv_fail "exported: $(head -c 400 "$backup")"
echo PASS
