#!/usr/bin/env bash
# A long list: 500 stored shortcuts. The first start writes their Send To
# links and a second start with nothing changed leaves every one of them as
# it was; the menu clicked open right after a start comes up taller than the
# screen would allow, scrolling, and shows the rows' icons (photographed);
# the editor opens with all 500 rows and its count, and its OK with nothing
# changed writes no link either.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix

count=500
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts]\n'
  printf '"SavedByClass"="tzvshortcutlist"\n"Count"=dword:%08x\n' "$count"
  for i in $(seq 0 $((count - 1))); do
    printf '\n[HKEY_CURRENT_USER\\Software\\Halvorix\\Zorvane\\Shortcuts\\Item%d]\n' "$i"
    if [ $((i % 10)) = 9 ]; then
      printf '"ShortcutType"=dword:00000000\n'
      continue
    fi
    case $((i % 3)) in
      0) printf '"ShortcutType"=dword:00000001\n"Path"="C:\\\\windows\\\\notepad.exe"\n' ;;
      1) printf '"ShortcutType"=dword:00000003\n"Path"="C:\\\\windows"\n' ;;
      2) printf '"ShortcutType"=dword:00000002\n"Path"="C:\\\\windows\\\\win.ini"\n' ;;
    esac
    printf '"Caption"="Shortcut %03d"\n"Hotkey"=dword:00000000\n"ViewStyle"=dword:00000001\n' "$i"
  done
} >"$ZV_TEST_WORK/long.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/long.reg")"
sendto_win=$(zv_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' SendTo)
[ -n "$sendto_win" ] || zv_fail "no SendTo folder in this prefix"
links="$(wine winepath -u "$sendto_win" 2>/dev/null | tr -d '\r')/Zorvane"

start_zorvane() {
  zv_start "$exe"
  zorvane=$ZV_PID
  zv_driver wait-tray 'Zorvane (Active)' 60000 >/dev/null || zv_fail "no active tray icon"
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
}
stop_zorvane() {
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
  [ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
}

# First start: one link per application and folder shortcut. They are
# written in the background, and Exit waits for them only so long: on a
# busy machine the test waits for them itself.
wanted=$(seq 0 $((count - 1)) | awk '$1 % 10 != 9 && $1 % 3 != 2' | wc -l)
start_zorvane
for _ in $(seq 300); do
  [ "$(ls "$links" 2>/dev/null | wc -l)" = "$wanted" ] && break
  sleep 0.1
done
stop_zorvane
[ "$(ls "$links" | wc -l)" = "$wanted" ] || zv_fail "$(ls "$links" | wc -l) links, not $wanted"
before=$(cd "$links" && stat -c '%n %y %s' -- *.lnk | sort)
sleep 1.1  # a link written again would show a later time

# Second start, nothing changed: the tray icon is clicked as soon as it is
# active; the menu comes up with its icons.
start_zorvane
zv_driver tray-click 'Zorvane (Active)' left || zv_fail "tray click failed"
menu=$(zv_wait_visible '#32768' '*' 10000) || zv_fail "no menu after the tray click"
sleep 1
zv_screenshot "$menu" "$shots/shortcutmenu-long.png" || zv_fail "menu screenshot"
read -r _ _ _ menu_h < <(zv_window_rect "$menu")
read -r _ screen_h < <(xdotool getdisplaygeometry)
# 450 rows of 20 and 50 separators would be 9,250 pixels high.
[ "$menu_h" -le "$screen_h" ] || zv_fail "menu is $menu_h high on a $screen_h screen: no scrolling"
zv_key "$menu" escape
zv_wait_gone "$menu" 3000 || zv_fail "menu stayed open"
after=$(cd "$links" && stat -c '%n %y %s' -- *.lnk | sort)
[ "$before" = "$after" ] || zv_fail "a start with nothing changed wrote links: $(diff <(echo "$before") <(echo "$after") | head -4)"

# The editor with every row, counted.
zv_post "$main" WM_COMMAND 0x100 0
ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 20000) || zv_fail "no editor window"
zv_children "$ed" | awk -F'\t' '$2 == "TZvLabel" && $7 == "500 Shortcuts"' | grep -q . ||
  zv_fail "count label: $(zv_children "$ed" | awk -F'\t' '$7 ~ / Shortcuts?$/ { print $7 }')"
sleep 0.5
zv_screenshot "$ed" "$shots/editor-long.png" || zv_fail "editor screenshot"
# OK with nothing changed: the list is stored again, the menu and the links
# rebuilt, and still no link is written.
zv_click "$(zv_child "$ed" TZvLabel OK)"
zv_wait_gone "$ed" 20000 || zv_fail "OK did not close the editor"
zv_driver wait-tray 'Zorvane (Active)' 20000 >/dev/null || zv_fail "tray not active after the editor"
after=$(cd "$links" && stat -c '%n %y %s' -- *.lnk | sort)
[ "$before" = "$after" ] || zv_fail "OK with nothing changed wrote links"
stop_zorvane
echo PASS
