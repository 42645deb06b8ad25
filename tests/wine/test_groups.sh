#!/usr/bin/env bash
# Groups in the running program: their entries are started from the
# keyboard (Win+Q, the group's letter, the entry's letter; the arrows, Right
# into a group, Left out of it, Enter) and with the mouse; an entry two
# groups deep starts by its own hotkey; two matches of a letter in a submenu
# are chosen between; an empty group shows "(Empty)". The
# open submenus are photographed small and large at 96 and 144 DPI.
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
cp "$build/tests/markerapp.exe" "$WINEPREFIX/drive_c/markerapp.exe"
key='HKEY_CURRENT_USER\Software\Halvorix\Zorvane\Shortcuts'

app() { zv_reg_marker_app "$@"; }
group() {  # $1 item, $2 caption, $3 level
  printf '[%s\\Item%s]\n"ShortcutType"=dword:00000000\n"Group"=dword:00000001\n"Caption"="%s"\n' \
    "$key" "$1" "$2"
  [ "${3:-0}" -gt 0 ] && printf '"Level"=dword:%08x\n' "$3"
  echo
}
{
  printf 'REGEDIT4\n\n[%s]\n"SavedByClass"="tzvshortcutlist"\n"Count"=dword:00000008\n\n' "$key"
  app 0 Marker marker
  group 1 Tools
  app 2 Editor editor 1
  group 3 Remote 1
  app 4 Probe probe 2 $((0xc050))  # Ctrl+Alt+P
  app 5 Proxy proxy 2
  group 6 Spare 1
  app 7 Last last
} >"$ZV_TEST_WORK/list.reg"
zv_wine regedit /S "$(zv_winpath "$ZV_TEST_WORK/list.reg")"
settings='HKCU\Software\Halvorix\Zorvane'

menu_by_key() {
  xdotool mousemove 40 40
  xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
  xdotool key super+q
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "Win+Q did not pop up the menu"
  # Wine's keys go to the X window with the focus, and nothing here moves
  # it to the program's menu as Windows moves it to the foreground window.
  # The X window where the menu is: the program's other windows (the find
  # window, made ahead and hidden) may be mapped too.
  local xmenu= mx my mw mh w X Y WIDTH HEIGHT
  read -r mx my mw mh < <(zv_window_rect "$menu")
  for _ in $(seq 30); do
    for w in $(xdotool search --onlyvisible --classname zorvane.exe 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
      [ "$X,$Y,$WIDTH,$HEIGHT" = "$mx,$my,$mw,$mh" ] && xmenu=$w
    done
    [ -n "$xmenu" ] && break
    sleep 0.1
  done
  [ -n "$xmenu" ] || zv_fail "no X window for the menu"
  xdotool windowfocus --sync "$xmenu" 2>/dev/null
  sleep 0.4
}
open_menus() {  # $1: how many menus should be open
  local n
  for _ in $(seq 50); do
    n=$(zv_menus | wc -l)
    [ "$n" = "$1" ] && return 0
    sleep 0.1
  done
  zv_fail "$n menus open, expected $1"
}
started() {  # $1: marker name
  local f="$WINEPREFIX/drive_c/$1.txt"
  for _ in $(seq 100); do [ -f "$f" ] && break; sleep 0.1; done
  [ -f "$f" ] || zv_fail "$2 did not start $1"
  rm -f "$f"
  for _ in $(seq 30); do [ -z "$(zv_menus)" ] && return 0; sleep 0.1; done
  zv_fail "menus stayed open after $2"
}

zv_start_zorvane
# T opens Tools, its only match; E then starts Editor, the only E in it.
menu_by_key
xdotool key t
open_menus 2
xdotool key e
started editor "Win+Q, T, E"

# Down to Tools, Right into it, Down to Remote, Right into it, Enter. Wine
# makes the pointer's entering a newly shown menu a mouse move over it,
# which may come after the keys and take the highlight to the item under
# the pointer: a try that lost its highlight so is made again.
cascaded=0
for _ in 1 2 3; do
  menu_by_key
  xdotool key Down Right Down Right
  if [ "$(zv_menus | wc -l)" = 3 ]; then cascaded=1; break; fi
  xdotool key Escape Escape Escape
  open_menus 0
done
[ "$cascaded" = 1 ] || zv_fail "Win+Q, Down, Right, Down, Right did not open Remote"
open_menus 3
zv_cascade_shot groups-menu-small
xdotool key Return
started probe "Win+Q, Down, Right, Down, Right, Enter"

# Left leaves a group for the level above; Enter opens a group.
menu_by_key
xdotool key t
open_menus 2
xdotool key Left
open_menus 1
xdotool key Down Return
started last "Win+Q, T, Left, Down, Enter"
menu_by_key
xdotool key Down Return
open_menus 2
xdotool key Return
started editor "Win+Q, Down, Enter, Enter"

# Two matches in a submenu, opened with its first entry highlighted: P
# highlights the next of them, Enter starts it.
menu_by_key
xdotool key t r
open_menus 3
xdotool key p Return
started proxy "Win+Q, T, R, P, Enter"

# An empty group: one grey "(Empty)"; Escape closes one menu at a time.
menu_by_key
xdotool key t s
open_menus 3
zv_cascade_shot groups-menu-empty
xdotool key Escape
open_menus 2
xdotool key Escape Escape
open_menus 0

# The mouse: a click on Tools opens it, a click on Editor starts it.
zv_menu_by_click
xdotool mousemove $((mx + mw / 2)) $((my + 3 + 20 + 10)) click 1
open_menus 2
sub=$(zv_menus | grep -vx "$menu" | head -n 1)
read -r sx sy sw _ < <(zv_window_rect "$sub")
xdotool mousemove $((sx + sw / 2)) $((sy + 3 + 10)) click 1
started editor "a click on Tools, then on Editor"

# Ctrl+Shift+Enter chooses in a submenu as Enter does. Last of the menu's
# keys: under Wine the releases of Ctrl and Shift go to the X window of the
# menu that closed on them, and the program may hold them as pressed until
# they are pressed again.
menu_by_key
xdotool key t
open_menus 2
xdotool key ctrl+shift+Return
started editor "Win+Q, T, Ctrl+Shift+Enter"

# Probe's own hotkey, two groups deep.
xdotool windowfocus --sync "$(xdotool search --name "Wine System Tray" | head -n 1)" 2>/dev/null
xdotool key ctrl+alt+p
started probe "Ctrl+Alt+P"
zv_stop_zorvane

# The cascade large, and at 144 DPI small and large.
for look in "96 1 large" "144 0 small" "144 1 large"; do
  read -r dpi large name <<<"$look"
  zv_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
  zv_wine reg add "$settings" /v UseLargeIcons /t REG_DWORD /d "$large" /f
  zv_start_zorvane
  menu_by_key
  xdotool key t r
  open_menus 3
  zv_cascade_shot "groups-menu-$name-$dpi"
  xdotool key Escape Escape Escape
  open_menus 0
  zv_stop_zorvane
done
echo PASS
