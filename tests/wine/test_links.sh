#!/usr/bin/env bash
# Links in the running program: a file shortcut whose path is a URL of a
# protocol registered under HKEY_CLASSES_ROOT starts that protocol's command
# with the URL, though no such file exists; one of a scheme nothing handles
# gets the missing file's message, naming the shortcut. A ".url" file dropped
# on the editor becomes the link it holds.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"
key='HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts'
file_entry() {  # $1 item, $2 caption, $3 path (backslashes doubled)
  printf '[%s\\Item%s]\n"ShortcutType"=dword:00000002\n"Caption"="%s"\n"Path"="%s"\n\n' "$key" "$1" "$2" "$3"
}
{
  printf 'REGEDIT4\n\n[%s]\n"SavedByClass"="tzvshortcutlist"\n"Count"=dword:00000002\n\n' "$key"
  file_entry 0 'Test link' 'zvtest:hello/world'
  file_entry 1 'Nowhere' 'zvnothing:room/7'
  # The protocol as programs register theirs.
  printf '[HKEY_CLASSES_ROOT\\zvtest]\n@="URL:zvtest"\n"URL Protocol"=""\n\n'
  printf '[HKEY_CLASSES_ROOT\\zvtest\\shell\\open\\command]\n@="\\"C:\\\\markerapp.exe\\" \\"C:\\\\link.txt\\" \\"%%1\\""\n\n'
} >"$ZV_TEST_WORK/list.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

click_row() {  # $1: the row, from 0
  zv_menu_by_click
  xdotool mousemove $((mx + mw / 2)) $((my + 3 + 20 * $1 + 10)) click 1
}

zv_start_zorvane
click_row 0
marker="$WINEPREFIX/drive_c/link.txt"
for _ in $(seq 100); do [ -f "$marker" ] && break; sleep 0.1; done
[ -f "$marker" ] || zv_fail "the link did not start its protocol's command"
grep -q 'zvtest:hello/world' "$marker" || zv_fail "the command was not given the URL: $(head -n 1 "$marker")"
zv_msgbox_text Fehler 300 >/dev/null 2>&1 && zv_fail "an error for the registered link"

click_row 1
zv_answer_msgbox Fehler 'Could not open file "Nowhere". The file could not be found.' OK

# An Internet shortcut dropped from the desktop becomes the link it holds.
zv_build_xdnd
mkdir -p "$WINEPREFIX/drive_c/Links"
printf '[InternetShortcut]\r\nURL=zvtest:from/file\r\n' >"$WINEPREFIX/drive_c/Links/From file.url"
zv_open_editor
"$xdnd" $((list_x + 100)) $((list_y + 8)) "$WINEPREFIX/drive_c/Links/From file.url" ||
  zv_fail "the XDND drop was not taken (exit $?)"
sleep 0.5
[ "$(zv_driver list-rows "$list" | head -n 1)" = 'From file, File, zvtest:from/file' ] ||
  zv_fail "the dropped .url reads as: $(zv_driver list-rows "$list" | head -n 1)"
zv_editor_ok
[ "$(zv_reg_value "$key\Item0" Path)" = 'zvtest:from/file' ] || zv_fail "stored as '$(zv_reg_value "$key\Item0" Path)'"
rm -f "$marker"
click_row 0
for _ in $(seq 100); do grep -q 'zvtest:from/file' "$marker" 2>/dev/null && break; sleep 0.1; done
grep -q 'zvtest:from/file' "$marker" || zv_fail "the dropped link did not start"
zv_stop_zorvane
echo PASS
