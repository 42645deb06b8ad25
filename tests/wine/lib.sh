# Shared by the end-to-end scripts: a private copy of the run's Wine prefix,
# removed again when the script ends. Sourced.
set -u
: "${ZV_WINE_TEMPLATE:?run the tests through scripts/test-all}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

zv_fresh_prefix() {
  local dir
  dir=$(mktemp -d "${ZV_TEST_WORK:-/tmp}/prefix-XXXXXX")
  # Hard links keep the copy instant; the registry files, which Wine rewrites,
  # are real copies.
  cp -al "$ZV_WINE_TEMPLATE/." "$dir/"
  rm -f "$dir/wineserver"
  for f in "$ZV_WINE_TEMPLATE"/*.reg; do cp --remove-destination "$f" "$dir/"; done
  export WINEPREFIX="$dir"
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  trap 'zv_driver_stop; wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"' EXIT
  # Started here, not inside the first $(...) that needs it.
  [ "${ZV_DRIVER_SERVER:-1}" = 1 ] && zv_driver_serving
  return 0
}

zv_fail() {
  echo "FAIL: $*"
  # What was on the screen, so a failure explains itself in the log.
  if [ -n "${WINEPREFIX:-}" ] && [ -f "$(zv_driver_exe)" ]; then
    echo "visible windows:"
    zv_driver list 2>/dev/null | awk -F'\t' '$4 == "visible"' | head -n 20
    echo "tray icons:"
    zv_driver tray 2>/dev/null | head -n 10
  fi
  exit 1
}

# A misspelt or missing command fails the test instead of passing unseen
# (the scripts do not stop on errors).
command_not_found_handle() { zv_fail "no command '$1'"; }

# A child window by class and caption ('*': any), or the test fails.
zv_child() { zv_find_child "$1" "$2" "$3" || zv_fail "no $2 '$3' in the window"; }

# Every script is run with the program as its argument; the build tree
# holds the helpers, and the pictures go to its screenshots folder.
exe=${1:-}
build=${ZV_BUILD_DIR:-$(dirname "${1:-.}")}
shots="$build/screenshots"
mkdir -p "$shots"

# Data of one registry value, as "wine reg query" shows it ("" when missing).
zv_reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" 'tolower($1) == tolower(name) { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}

# The architecture a program is built for, from the machine field of its PE
# header: x64 (8664) or x86 (14c, which od prints as 014c); else the field
# in hexadecimal as od prints it.
zv_pe_machine() {
  local at machine
  at=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  machine=$(od -An -t x2 -j $((at + 4)) -N 2 "$1" | tr -d ' ')
  case $machine in
    8664) echo x64 ;;
    14c | 014c) echo x86 ;;
    *) echo "$machine" ;;
  esac
}

# Runs a Windows program; the exit code comes back.
zv_wine() {
  wine "$@" </dev/null >/dev/null 2>&1
}

# --- window driver helpers (zv_wait_window, zv_expect_msgbox, zv_press, ...)
. "$(dirname "${BASH_SOURCE[0]}")/driver.sh"

# The drag source is a native X program, built here for this machine; its
# path goes into xdnd.
zv_build_xdnd() {
  xdnd="$build/tests/xdnd_drop"
  local src
  src="$(dirname "${BASH_SOURCE[0]}")/../helpers/xdnd_drop.cpp"
  if [ ! -x "$xdnd" ] || [ "$src" -nt "$xdnd" ]; then
    g++ -std=c++17 -O1 -o "$xdnd" "$src" -lX11 || zv_fail "could not build the XDND source"
  fi
}

# The program started with the arguments and its icon active: its process
# in zorvane, its main window in main.
zv_start_active() {
  zv_start "$exe" "$@"
  zorvane=$ZV_PID
  zv_driver wait-tray 'Zorvane (Active)' 30000 >/dev/null || zv_fail "no active tray icon"
  main=$(zv_wait_window tzorvanemaindialog zorvanemaindialog) || zv_fail "no main window"
}
# The same as after its setup.
zv_start_zorvane() { zv_start_active /justinstalled; }
# Exit, as the context menu sends it: the program ends with 0.
zv_stop_zorvane() {
  zv_post "$main" WM_COMMAND 0x103 0
  zv_wait_exit $zorvane
  [ "$ZV_EXIT" = 0 ] || zv_fail "exit code $ZV_EXIT"
}

# OK in the editor ed, and the list stored: the program stores it once the
# window has gone, and its icon is active again when that is done.
zv_editor_ok() {
  zv_click "$(zv_child "$ed" TZvLabel OK)"
  zv_wait_gone "$ed" 5000 || zv_fail "OK did not close the editor"
  zv_driver wait-tray 'Zorvane (Active)' 10000 >/dev/null || zv_fail "no active tray icon after the editor"
}

# An application of a stored list in REGEDIT4 form under the key in $key:
# markerapp.exe (copied to C:\) writing C:\<marker>.txt. $1 item, $2
# caption, $3 marker name, $4 level, $5 hotkey.
zv_reg_marker_app() {
  printf '[%s\\Item%s]\n"ShortcutType"=dword:00000001\n"Caption"="%s"\n' "$key" "$1" "$2"
  printf '"Path"="C:\\\\markerapp.exe"\n"Parameters"="C:\\\\%s.txt"\n"WorkingDir"="C:\\\\"\n' "$3"
  printf '"Hotkey"=dword:%08x\n"ViewStyle"=dword:00000001\n' "${5:-0}"
  [ "${4:-0}" -gt 0 ] && printf '"Level"=dword:%08x\n' "$4"
  echo
}

# The visible menu windows, one handle a line.
zv_menus() { zv_driver list '#32768' '*' | awk -F'\t' '$4 == "visible" { print $1 }'; }
# Every open menu in one picture: the part of the screen they cover, as
# $shots/$1.png.
zv_cascade_shot() {
  local x0=99999 y0=99999 x1=0 y1=0 x y w h m
  sleep 0.4
  for m in $(zv_menus); do
    read -r x y w h < <(zv_window_rect "$m")
    ((x < x0)) && x0=$x
    ((y < y0)) && y0=$y
    ((x + w > x1)) && x1=$((x + w))
    ((y + h > y1)) && y1=$((y + h))
  done
  import -display "$DISPLAY" -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage \
    "$shots/$1.png" || zv_fail "screenshot $1"
}
# The shortcut menu by a left click on the icon: its window in menu, its
# place in mx, my and width in mw. Its rows are 20 pixels high (small icons
# at 96 DPI) from 3 pixels down.
zv_menu_by_click() {
  xdotool mousemove 300 300
  zv_driver tray-click 'Zorvane (Active)' left || zv_fail "tray click failed"
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no menu after the tray click"
  sleep 0.4
  read -r mx my mw _ < <(zv_window_rect "$menu")
}

# The editor opened from the tray's context menu, at 96 DPI: its window in
# ed, its list in list, and the screen position of the list's client area
# (inside its 2-pixel border) in list_x and list_y.
zv_open_editor() {
  zv_tray_click 'Zorvane (Active)' right || zv_fail "right click on the tray icon failed"
  local menu frame
  menu=$(zv_wait_visible '#32768' '*' 5000) || zv_fail "no context menu"
  zv_key "$menu" down && zv_key "$menu" enter || zv_fail "could not choose the editor"
  ed=$(zv_wait_visible teditordialog 'Shortcut Editor' 10000) || zv_fail "no editor window"
  list=$(zv_child "$ed" ListBox '*')
  sleep 0.3
  read -r ed_x ed_y ed_w ed_h < <(zv_window_rect "$ed")
  frame=$(((ed_w - 629) / 2))
  list_x=$((ed_x + frame + 200 + 2)) list_y=$((ed_y + ed_h - 449 - frame + 8 + 2))
}
