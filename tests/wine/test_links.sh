#!/usr/bin/env bash
# Links in the running program: a file shortcut whose path is a URL of a
# protocol registered under HKEY_CLASSES_ROOT starts that protocol's command
# with the URL, though no such file exists; one of a scheme nothing handles
# gets the missing file's message, naming the shortcut. A ".url" file dropped
# on the editor becomes the link it holds. Links show their protocol's icon,
# or the program's globe; an entry's own icon (named through a variable)
# shows in the menu and the editor, and one that cannot be loaded gives the
# path's icon.
. "$(dirname "$0")/lib.sh"
# Before the prefix: the test driver that starts the program passes it on.
export ZVICONS='C:\Icons'
zv_fresh_prefix
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"
mkdir -p "$WINEPREFIX/drive_c/Icons"
cp "$build/art/cross.ico" "$build/art/typefolder.ico" "$WINEPREFIX/drive_c/Icons/"
key='HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts'
file_entry() {  # $1 item, $2 caption, $3 path, $4 icon (backslashes doubled)
  printf '[%s\\Item%s]\n"ShortcutType"=dword:00000002\n"Caption"="%s"\n"Path"="%s"\n' "$key" "$1" "$2" "$3"
  [ -n "${4:-}" ] && printf '"Icon"="%s"\n' "$4"
  echo
}
{
  printf 'REGEDIT4\n\n[%s]\n"SavedByClass"="tzvshortcutlist"\n"Count"=dword:00000005\n\n' "$key"
  file_entry 0 'Test link' 'zvtest:hello/world'
  file_entry 1 'Nowhere' 'zvnothing:room/7'
  file_entry 2 'Own icon' 'C:\\Docs\\readme.txt' '%ZVICONS%\\cross.ico,0'
  file_entry 3 'Broken icon' 'C:\\Docs\\b.txt' 'C:\\Icons\\gone.ico,0'
  file_entry 4 'Plain' 'C:\\Docs\\c.txt'
  # The protocol as programs register theirs, with its icon.
  printf '[HKEY_CLASSES_ROOT\\zvtest]\n@="URL:zvtest"\n"URL Protocol"=""\n\n'
  printf '[HKEY_CLASSES_ROOT\\zvtest\\DefaultIcon]\n@="C:\\\\Icons\\\\typefolder.ico,0"\n\n'
  printf '[HKEY_CLASSES_ROOT\\zvtest\\shell\\open\\command]\n@="\\"C:\\\\markerapp.exe\\" \\"C:\\\\link.txt\\" \\"%%1\\""\n\n'
} >"$ZV_TEST_WORK/list.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"

click_row() {  # $1: the row, from 0
  zv_menu_by_click
  xdotool mousemove $((mx + mw / 2)) $((my + 3 + 20 * $1 + 10)) click 1
}

# The colour most pixels of a part of a screenshot clearly have: yellow, red
# or blue, with 20 pixels at least; else plain.
colour_of() {  # $1 file, $2 x, $3 y, $4 width, $5 height
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | awk -F'[(),]' 'NR > 1 {
    r = $3; g = $4; b = $5
    if (r > b + 60 && g > b + 40) n["yellow"]++
    else if (r > g + 60 && r > b + 60) n["red"]++
    else if (b > r + 60) n["blue"]++
  } END {
    best = "plain"; most = 19
    for (c in n) if (n[c] > most) { best = c; most = n[c] }
    print best
  }'
}

zv_start_zorvane
zv_menu_by_click
zv_cascade_shot links-menu
row_colour() { colour_of "$shots/links-menu.png" 2 $((3 + 20 * $1)) 24 20; }
for want in '0 yellow' '1 blue' '2 red' '3 plain' '4 plain'; do
  set -- $want
  [ "$(row_colour "$1")" = "$2" ] || zv_fail "menu row $1 shows a $(row_colour "$1") icon, not $2 (links-menu.png)"
done
convert "$shots/links-menu.png" -crop 24x20+2+63 +repage "$ZV_TEST_WORK/broken.png"
convert "$shots/links-menu.png" -crop 24x20+2+83 +repage "$ZV_TEST_WORK/plain.png"
[ "$(compare -metric AE "$ZV_TEST_WORK/broken.png" "$ZV_TEST_WORK/plain.png" null: 2>&1)" = 0 ] ||
  zv_fail "an icon that cannot be loaded does not give the path's icon"
xdotool key Escape
sleep 0.3
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
# The dropped link has its protocol's icon, the entry its own.
zv_screenshot "$ed" "$shots/links-editor.png" || zv_fail "editor screenshot"
read -r ed_x ed_y _ < <(zv_window_rect "$ed")
top=0
for i in 0 1 2 3; do
  height=$(zv_send_message "$list" 0x1A1 $i 0)
  case $i in 0) want=yellow ;; 3) want=red ;; *) want= ;; esac
  if [ -n "$want" ]; then
    got=$(colour_of "$shots/links-editor.png" $((list_x - ed_x)) $((list_y - ed_y + top)) 48 "$height")
    [ "$got" = "$want" ] || zv_fail "editor row $i shows a $got icon, not $want (links-editor.png)"
  fi
  top=$((top + height))
done

# The properties of the entry with its own icon: the icon beside the
# command that changes it. Wine's icon picker is a stub that shows nothing,
# so the file dialog the program falls back to chooses another icon file,
# whose first icon the menu then shows; the default icon comes back with
# its command.
xdotool mousemove $((list_x + 100)) $((list_y + 36 * 3 + 18)) click 3
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "no properties for the entry with an icon"
zv_child "$prop" Edit 'Own icon' >/dev/null
zv_screenshot "$prop" "$shots/links-properties.png" || zv_fail "properties screenshot"
# The picture beside the command, at (4, 228) in the client area.
icon_colour() {
  local w h frame
  read -r w h < <(identify -format '%w %h' "$1")
  frame=$(((w - 445) / 2))
  colour_of "$1" $((frame + 4)) $((h - 333 - frame + 228)) 24 16
}
[ "$(icon_colour "$shots/links-properties.png")" = red ] || zv_fail "the properties show no own icon"
zv_click "$(zv_child "$prop" TZvLabel 'Change &icon...')"
zv_file_dialog 'Icon Selection' 'C:\Icons\typefolder.ico' || zv_fail "no icon file dialog"
sleep 0.3
zv_screenshot "$prop" "$shots/links-properties-changed.png" || zv_fail "properties screenshot"
[ "$(icon_colour "$shots/links-properties-changed.png")" = yellow ] ||
  zv_fail "the chosen icon is not shown (links-properties-changed.png)"
zv_click "$(zv_child "$prop" TZvLabel OK)"
zv_wait_gone "$prop" 5000 || zv_fail "OK did not close the properties"
xdotool mousemove $((list_x + 100)) $((list_y + 36 * 4 + 18)) click 3
prop=$(zv_wait_visible tzvshortcutdialog '*' 5000) || zv_fail "no properties for the broken icon"
zv_click "$(zv_child "$prop" TZvLabel '&Default icon')"
sleep 0.2
[ "$(zv_children "$prop" | awk -F'\t' '$2 == "TZvLabel" && $7 == "&Default icon" { print $5 }')" = hidden ] ||
  zv_fail "the default icon can still be chosen"
zv_click "$(zv_child "$prop" TZvLabel OK)"
zv_wait_gone "$prop" 5000 || zv_fail "OK did not close the properties"
zv_editor_ok
[ "$(zv_reg_value "$key\Item0" Path)" = 'zvtest:from/file' ] || zv_fail "stored as '$(zv_reg_value "$key\Item0" Path)'"
[ "$(zv_reg_value "$key\Item3" Icon)" = 'C:\Icons\typefolder.ico,0' ] ||
  zv_fail "the chosen icon is stored as '$(zv_reg_value "$key\Item3" Icon)'"
wine reg query "$key\Item4" /v Icon >/dev/null 2>&1 && zv_fail "the default icon is still stored"
zv_menu_by_click
zv_cascade_shot links-menu-changed
[ "$(colour_of "$shots/links-menu-changed.png" 2 $((3 + 20 * 3)) 24 20)" = yellow ] ||
  zv_fail "the menu does not show the chosen icon (links-menu-changed.png)"
xdotool key Escape
sleep 0.3
rm -f "$marker"
click_row 0
for _ in $(seq 100); do grep -q 'zvtest:from/file' "$marker" 2>/dev/null && break; sleep 0.1; done
grep -q 'zvtest:from/file' "$marker" || zv_fail "the dropped link did not start"
zv_stop_zorvane
echo PASS
