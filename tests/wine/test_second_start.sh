#!/usr/bin/env bash
# A second start while the running copy hangs: it gives up on its request
# after a few seconds and ends with 0, and so does every later start,
# instead of waiting for the hung copy forever.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/hungcopy.exe" "$WINEPREFIX/drive_c/hungcopy.exe"

zv_start 'C:\hungcopy.exe' 120
hung=$ZV_PID
zv_wait_window tzorvanemaindialog zorvanemaindialog 15000 >/dev/null || zv_fail "the hung copy shows no main window"

for start in 1 2; do
  zv_start "$exe"
  second=$ZV_PID
  zv_wait_exit $second 30
  [ "$ZV_EXIT" = 0 ] || zv_fail "start $start behind a hung copy ended with $ZV_EXIT"
done
zv_driver tray 2>/dev/null | grep -q Zorvane && zv_fail "a second start made a tray icon"
kill $hung 2>/dev/null
echo PASS
