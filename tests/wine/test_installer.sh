#!/usr/bin/env bash
# The installer and its uninstaller, both silent: the per-user install puts
# the program into the user's programs folder, enters it into the autostart
# list and the installed programs, and starts it; installing again replaces
# a running copy; the uninstall closes the program and leaves nothing of it
# behind. "Load on startup" can be left off.
if ! command -v makensis >/dev/null 2>&1; then
  echo "SKIP: makensis (NSIS) is not installed, so there is no installer to test"
  exit 0
fi
. "$(dirname "$0")/lib.sh"
# The build's own installer, named by version and architecture.
setup=$(ls "$build"/installer/Zorvane-*-setup.exe 2>/dev/null | head -n 1)
[ -n "$setup" ] || zv_fail "no installer in $build/installer: the installer target was not built"
[ "$(ls "$build"/installer/Zorvane-*-setup.exe | wc -l)" = 1 ] || zv_fail "more than one installer in $build/installer"
version=${setup##*/Zorvane-}
arch=${version%-setup.exe}
arch=${arch##*-}
version=${version%-"$arch"-setup.exe}
case $arch in
  x64 | x86) ;;
  *) zv_fail "installer $setup is named for no architecture" ;;
esac
# A 64-bit installer for the x64 program.
[ "$(zv_pe_machine "$setup")" = "$arch" ] || zv_fail "$setup is not an $arch program ($(zv_pe_machine "$setup"))"
[ "$(zv_pe_machine "$exe")" = "$arch" ] || zv_fail "$exe is not an $arch program ($(zv_pe_machine "$exe"))"
zv_fresh_prefix

RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
UNINST='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvane'
winenv() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unixpath() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
instwin="$(winenv LOCALAPPDATA)\\Programs\\Zorvane"
inst=$(unixpath "$instwin")
startmenu=$(unixpath "$(winenv APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
tray_count() { zv_tray_icons 2>/dev/null | grep -c 'Zorvane'; }
# The uninstaller copies itself to the temporary folder (~nsu*.tmp\Un.exe)
# and goes on from there, so its first process ends early. Done means that
# copy has ended as well (it removes the Uninstall key last), not only that
# the files and the key are gone: an install started while it still runs
# would have its new key taken away.
uninstaller_running() {
  local pid
  for pid in $(pgrep -f '~nsu.*_\?=' 2>/dev/null); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}
wait_uninstalled() {
  local i
  for i in $(seq 600); do
    if ! uninstaller_running && [ ! -e "$inst" ] && ! wine reg query "$UNINST" >/dev/null 2>&1; then return; fi
    sleep 0.2
  done
  uninstaller_running && zv_fail "the uninstaller still runs after two minutes"
}
uninstall() {
  zv_wine "$inst/uninstall.exe" /S || zv_fail "uninstaller exit code $?"
  wait_uninstalled
}

# Silent install with nothing stored yet: the program starts without the
# first-run warning.
zv_wine "$setup" /S || zv_fail "installer exit code $?"
[ -f "$inst/zorvane.exe" ] || zv_fail "no zorvane.exe in $inst"
cmp -s "$exe" "$inst/zorvane.exe" || zv_fail "installed zorvane.exe differs from the built one"
[ -f "$inst/uninstall.exe" ] || zv_fail "no uninstaller in $inst"
[ -f "$startmenu/Zorvane.lnk" ] || zv_fail "no Start menu entry"
run=$(zv_reg_value "$RUN" zorvane)
[ "${run,,}" = "${instwin,,}\\zorvane.exe" ] || zv_fail "Run value '$run', expected '$instwin\\zorvane.exe'"
expect_value() {
  local got
  got=$(zv_reg_value "$UNINST" "$1")
  [ "$got" = "$2" ] && return
  zv_fail "Uninstall value $1 is '$got', expected '$2'; the key now: $(wine reg query "$UNINST" 2>&1 | tr -d '\r' | tr '\n' ' '; echo " (exit ${PIPESTATUS[0]})")"
}
expect_value DisplayName Zorvane
expect_value DisplayVersion "$version"
expect_value Publisher Halvorix
expect_value UninstallString "\"$instwin\\uninstall.exe\""
expect_value QuietUninstallString "\"$instwin\\uninstall.exe\" /S"
expect_value DisplayIcon "$instwin\\zorvane.exe,0"
expect_value NoModify 0x1
expect_value NoRepair 0x1
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon after the install"
zv_msgbox_text 'Load Shortcuts' 500 >/dev/null 2>&1 && zv_fail "load warning shown after the install"

# Installing again over the running copy: the old copy is asked to exit,
# the file replaced, one new copy started. It finds a stored shortcut and
# mirrors it into the Send To menu.
cat >"$ZV_TEST_WORK/installer-list.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts]
"SavedByClass"="tzvshortcutlist"
"Count"=dword:00000001

[HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts\Item0]
"ShortcutType"=dword:00000001
"Caption"="Notepad"
"Path"="C:\\windows\\notepad.exe"
"Parameters"=""
"WorkingDir"="C:\\windows"
"Hotkey"=dword:00000000
"ViewStyle"=dword:00000001
REG
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/installer-list.reg")"
zv_wine "$setup" /S || zv_fail "second installer run exit code $?"
zv_driver wait-tray 'Zorvane (Active)' 15000 >/dev/null || zv_fail "no active tray icon after installing again"
sleep 1
[ "$(tray_count)" = 1 ] || zv_fail "$(tray_count) Zorvane tray icons after installing again"
sendto=$(unixpath "$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' SendTo)")
[ -n "$sendto" ] || zv_fail "no SendTo folder in this prefix"
for _ in $(seq 50); do [ -f "$sendto/Zorvane/Notepad.lnk" ] && break; sleep 0.1; done
[ -f "$sendto/Zorvane/Notepad.lnk" ] || zv_fail "the new copy made no Send To link"

# Silent uninstall: the program's own clean-up still offers the export.
zv_start "$inst/uninstall.exe" /S
zv_answer_msgbox 'Export Shortcuts' 'You have defined 1 shortcut(s). Would you like to export these shortcuts to a file before uninstalling Zorvane?' No
zv_wait_exit $ZV_PID
[ "$ZV_EXIT" = 0 ] || zv_fail "uninstaller exit code $ZV_EXIT"
wait_uninstalled
[ -e "$inst" ] && zv_fail "install folder left: $(ls "$inst" | tr '\n' ' ')"
[ -e "$startmenu/Zorvane.lnk" ] && zv_fail "Start menu entry left"
wine reg query 'HKCU\Software\Halvorix' >/dev/null 2>&1 && zv_fail "HKCU\\Software\\Halvorix left"
wine reg query "$UNINST" >/dev/null 2>&1 && zv_fail "Uninstall key left"
[ -z "$(zv_reg_value "$RUN" zorvane)" ] || zv_fail "Run value left"
[ -e "$sendto/Zorvane" ] && zv_fail "Send To subfolder left"
[ -d "$sendto" ] || zv_fail "the SendTo folder itself was removed"
zv_driver wait-tray 'Zorvane' 300 >/dev/null 2>&1 && zv_fail "tray icon left after the uninstall"

# Without "Load on startup", without the start at the end, into a folder
# of the user's choice; its uninstaller finds that folder by itself.
instwin='C:\Tools\Zorvane'
inst=$(unixpath "$instwin")
zv_wine "$setup" /S /NOAUTORUN /NOSTART "/D=$instwin" || zv_fail "installer /NOAUTORUN exit code $?"
[ -f "$inst/zorvane.exe" ] || zv_fail "/D: no zorvane.exe in $inst"
[ -z "$(zv_reg_value "$RUN" zorvane)" ] || zv_fail "/NOAUTORUN wrote the Run value"
expect_value UninstallString "\"$instwin\\uninstall.exe\""
zv_driver wait-tray 'Zorvane' 2000 >/dev/null 2>&1 && zv_fail "/NOSTART started the program"
uninstall
[ -e "$inst" ] && zv_fail "install folder left after the second uninstall"
[ -d "$(dirname "$inst")" ] || zv_fail "the uninstall removed the folder above the install folder"
wine reg query "$UNINST" >/dev/null 2>&1 && zv_fail "Uninstall key left after the second uninstall"
wine reg query 'HKCU\Software\Halvorix' >/dev/null 2>&1 && zv_fail "HKCU\\Software\\Halvorix left after the second uninstall"
echo PASS
