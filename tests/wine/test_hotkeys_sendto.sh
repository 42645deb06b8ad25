#!/usr/bin/env bash
# Two shortcuts sharing one hotkey give one "Hotkey Error" question that
# reports 1; the Send To subfolder mirrors the application and folder
# shortcuts, those in groups in nested folders; the uninstall offers the
# export and removes folders and keys.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
mkdir -p "$WINEPREFIX/drive_c/Docs"
cat >"$ZV_TEST_WORK/list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000007

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="One"
"Path"="C:\\windows\\notepad.exe"
"Parameters"=""
"WorkingDir"="C:\\windows"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000002

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item1]
"ShortcutType"=dword:00000001
"Caption"="Two"
"Path"="C:\\windows\\regedit.exe"
"Parameters"="/s"
"WorkingDir"="C:\\"
"Hotkey"=dword:0000c04d
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item2]
"ShortcutType"=dword:00000003
"Caption"="Documents"
"Path"="C:\\Docs"
"FullExplorer"=dword:00000000
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item3]
"ShortcutType"=dword:00000000
"Caption"="Tools"
"Group"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item4]
"ShortcutType"=dword:00000001
"Caption"="Editor"
"Path"="C:\\windows\\notepad.exe"
"Level"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item5]
"ShortcutType"=dword:00000000
"Caption"="Remote"
"Group"=dword:00000001
"Level"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item6]
"ShortcutType"=dword:00000003
"Caption"="Server"
"Path"="C:\\Docs"
"Level"=dword:00000002
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
sendto_win=$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' SendTo)
[ -n "$sendto_win" ] || zv_fail "no SendTo folder in this prefix"
sendto=$(wine winepath -u "$sendto_win" 2>/dev/null | tr -d '\r')

zv_start "$exe" /justinstalled
zorvane=$ZV_PID
zv_answer_msgbox 'Hotkey Error' $'1 hotkey(s) could not be registered.\rThe shortcuts in question will be displayed highlighted in the shortcut editor.\r\rWould you like to open the shortcut editor now?' No
zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "tray not active after No"
zv_msgbox_text 'Hotkey Error' 500 >/dev/null 2>&1 && zv_fail "a second Hotkey Error question"

# The links are made in the background once the tray is active; a group's
# in its folder.
wanted="Documents.lnk One.lnk Tools/Editor.lnk Tools/Remote/Server.lnk Two.lnk "
for _ in $(seq 50); do
  links=$(cd "$sendto/Zorvane" 2>/dev/null && find . -type f -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')
  [ "$links" = "$wanted" ] && break
  sleep 0.1
done
[ "$links" = "$wanted" ] || zv_fail "Send To links: '$links'"
grep -aqi 'notepad.exe' "$sendto/Zorvane/Tools/Editor.lnk" || zv_fail "Tools/Editor.lnk does not name notepad.exe"
grep -aqi 'Docs' "$sendto/Zorvane/Tools/Remote/Server.lnk" || zv_fail "Tools/Remote/Server.lnk does not name C:\\Docs"
main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog)
zv_post "$main" WM_COMMAND 0x103 0
zv_wait_exit $zorvane
[ -d "$sendto/Zorvane" ] || zv_fail "Exit removed the Send To links"

# The uninstall counts the entries, exports them on Yes, and removes it all.
zv_start "$exe" /uninstall
uninstall=$ZV_PID
zv_answer_msgbox 'Export Shortcuts' 'You have defined 7 shortcut(s). Would you like to export these shortcuts to a file before uninstalling Zorvane?' Yes
zv_wait_visible '#32770' 'Export List' >/dev/null || zv_fail "no Export List dialog"
zv_file_dialog 'Export List' 'C:\backup' || zv_fail "could not choose the export file"
zv_wait_exit $uninstall
[ "$ZV_EXIT" = 0 ] || zv_fail "/uninstall ended with $ZV_EXIT"
backup="$WINEPREFIX/drive_c/backup.shl"
[ -f "$backup" ] || zv_fail "no exported list (the default extension is .shl)"
grep -q '^Count=7' "$backup" || zv_fail "exported list: $(head -c 300 "$backup")"
grep -q 'Caption=Documents' "$backup" || zv_fail "exported list lacks the folder"
[ -e "$sendto/Zorvane" ] && zv_fail "/uninstall left the Send To subfolder"
[ -d "$sendto" ] || zv_fail "/uninstall removed the SendTo folder itself"
wine reg query 'HKCU\Software\Halvorix' >/dev/null 2>&1 && zv_fail "/uninstall left the registry keys"
echo PASS
