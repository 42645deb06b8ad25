#!/usr/bin/env bash
# The installer's autostart switch writes the Run value with the full path
# of the executable and keeps the stored settings.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
winexe=$(wine winepath -w "$exe" 2>/dev/null | tr -d '\r')

zv_wine reg add 'HKCU\Software\Halvorix\Zorvane' /v UseLargeIcons /t REG_DWORD /d 1 /f
zv_wine "$exe" /setautorun || zv_fail "/setautorun exit code $?"
zv_wine "$exe" /setautorun || zv_fail "second /setautorun exit code $?"
run=$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' zorvane)
[ "$run" = "$winexe" ] || zv_fail "Run value is '$run', expected '$winexe'"
[ "$(zv_reg_value 'HKCU\Software\Halvorix\Zorvane' UseLargeIcons)" = "0x1" ] ||
  zv_fail "stored setting was not kept"
[ "$(zv_reg_value 'HKCU\Software\Halvorix\Zorvane' MenuHotKey)" = "0x51" ] ||
  zv_fail "MenuHotKey not written"

# An argument in other letter case is a normal run, not the installer's switch.
zv_wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v zorvane /f
timeout 20 wine "$exe" /SETAUTORUN </dev/null >/dev/null 2>&1 &
pid=$!
sleep 3
[ -z "$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' zorvane)" ] ||
  zv_fail "/SETAUTORUN acted as the installer switch"
kill $pid 2>/dev/null
echo "PASS"
