# Helpers over zvdriver.exe for the end-to-end scripts: find, read, answer
# and photograph the windows of the program under test. Sourced by lib.sh.
# Each helper prints what the driver prints and returns its exit code:
# 0 done, 1 not found or timed out, 2 bad usage, 3 the operation failed.

# The driver lives in the build's tests folder; without ZV_BUILD_DIR the
# folder of the program under test ($1 of the script) is the build folder.
zv_driver_exe() {
  if [ -n "${ZV_DRIVER:-}" ]; then
    echo "$ZV_DRIVER"
  elif [ -n "${ZV_BUILD_DIR:-}" ]; then
    echo "$ZV_BUILD_DIR/tests/zvdriver.exe"
  else
    echo "$(dirname "$(readlink -f "$0")")/../../build/x64/tests/zvdriver.exe"
  fi
}

# Starting a Windows program costs more than most commands, so one driver
# per prefix serves the script's commands in turn ("zvdriver serve").
# A command goes to a driver of its own when another command is still being
# served (one run in the background), when an argument holds a tab, a line
# break or a byte above 127, or when ZV_DRIVER_SERVER=0.
zv_driver() {
  local rc
  if [ "${ZV_DRIVER_SERVER:-1}" = 1 ] && zv_driver_servable "$@"; then
    {
      rc=255
      if flock -n 9 && zv_driver_serving; then
        zv_driver_served "$@"
        rc=$?
      fi
    } 9>>"${ZV_TEST_WORK:-/tmp}/zvdriver.lock"
    [ "$rc" != 255 ] && return "$rc"
  fi
  wine "$(zv_driver_exe)" "$@" </dev/null
}

zv_driver_servable() {
  local LC_ALL=C a
  for a in "$@"; do
    [[ $a =~ [^[:print:]] ]] && return 1
  done
  return 0
}

# Starts the serving driver for this prefix unless it runs already; 255
# from zv_driver_served means it has gone.
zv_driver_serving() {
  if [ -n "${zv_serve_pid:-}" ] && [ "$zv_serve_prefix" = "${WINEPREFIX:-}" ] &&
    kill -0 "$zv_serve_pid" 2>/dev/null; then
    return 0
  fi
  zv_driver_stop
  local exe dir
  exe=$(zv_driver_exe)
  [ -f "$exe" ] || return 1
  # Wine starts its desktop process for the first program that uses windows,
  # and that process inherits the program's output. Started here, by a
  # driver whose output goes nowhere, it never holds a pipe of the script's
  # (the serving driver keeps it running).
  wine "$exe" exists '*' '*' </dev/null >/dev/null 2>&1
  dir=$(mktemp -d "${ZV_TEST_WORK:-/tmp}/zvdriver-XXXXXX") || return 1
  mkfifo "$dir/in" "$dir/out" || return 1
  # Its output goes nowhere but the pipes and a file, so it never keeps the
  # test runner waiting on the script's own output.
  wine "$exe" serve <"$dir/in" >"$dir/out" 2>>"$dir/err" 9>&- &
  zv_serve_pid=$!
  exec {zv_serve_in}>"$dir/in" {zv_serve_out}<"$dir/out"
  zv_serve_prefix=${WINEPREFIX:-} zv_serve_dir=$dir
}

zv_driver_stop() {
  [ -n "${zv_serve_pid:-}" ] || return 0
  exec {zv_serve_in}>&- {zv_serve_out}<&-
  kill "$zv_serve_pid" 2>/dev/null
  rm -rf "$zv_serve_dir"
  zv_serve_pid=
}

zv_driver_served() {
  local IFS=$'\t' out rc
  (trap '' PIPE; printf '%s\n' "$*" >&"$zv_serve_in") 2>/dev/null || { zv_driver_stop; return 255; }
  if ! IFS= read -r -d $'\x01' out <&"$zv_serve_out" || ! read -r rc <&"$zv_serve_out"; then
    zv_driver_stop
    return 255
  fi
  if [ -s "$zv_serve_dir/err" ]; then
    cat "$zv_serve_dir/err" >&2
    : >"$zv_serve_dir/err"
  fi
  printf '%s' "$out"
  return "$rc"
}

# A Unix path as the driver (a Windows program) can open it: Wine's Z: drive
# is the Unix root.
zv_winpath() {
  case "$1" in
    /*) echo "Z:$1" ;;
    *) echo "$1" ;;
  esac
}

# zv_wait_window CLASS TITLE [TIMEOUT_MS]: prints the window handle; "*" for any.
zv_wait_window() { zv_driver wait-window "$@"; }
# The same, but the window must be visible too.
zv_wait_visible() { zv_driver wait-window --visible "$@"; }
zv_window_exists() { zv_driver exists "$1" "$2" >/dev/null; }
zv_wait_gone() { zv_driver wait-gone "$@"; }
zv_window_text() { zv_driver window-text "$1"; }
zv_window_rect() { zv_driver rect "$1"; }
# One line per descendant: handle, class, id, x,y,w,h, visible|hidden,
# enabled|disabled, text (control characters escaped); tab-separated.
zv_children() { zv_driver children "$1"; }
zv_find_child() { zv_driver find-child "$@"; }

# zv_msgbox_text TITLE [TIMEOUT_MS]: the text of the message box, once shown.
zv_msgbox_text() { zv_driver msgbox "$@"; }
# zv_press TITLE|HWND CAPTION: answers a dialog by its button's caption.
zv_press() { zv_driver press "$@"; }
zv_click() { zv_driver click "$@"; }
zv_key() { zv_driver key "$@"; }
zv_set_text() { zv_driver set-text "$@"; }
# zv_file_dialog TITLE PATH: types PATH into the file name field and confirms.
zv_file_dialog() { zv_driver file-dialog "$@"; }
# zv_send_copydata CLASS TITLE ID [TEXT]: blocks until the target has handled it.
zv_send_copydata() { zv_driver send-copydata "$@"; }
zv_post() { zv_driver post "$@"; }
zv_send_message() { zv_driver send "$@"; }
zv_close_window() { zv_driver close "$@"; }

# zv_expect_msgbox TITLE EXPECTED [TIMEOUT_MS]: fails the test unless a box
# of that title appears with exactly that text (use $'..\r..' for breaks).
zv_expect_msgbox() {
  local text
  text=$(zv_msgbox_text "$1" "${3:-10000}") || zv_fail "no message box titled '$1'"
  [ "$text" = "$2" ] ||
    zv_fail "message box '$1' says $(printf %q "$text"), expected $(printf %q "$2")"
}

# zv_answer_msgbox TITLE EXPECTED CAPTION: checks the box's text, then
# presses the button.
zv_answer_msgbox() {
  zv_expect_msgbox "$1" "$2"
  zv_press "$1" "$3" >/dev/null || zv_fail "could not press '$3' in '$1'"
}

# zv_screenshot HWND FILE: FILE ending in .png is converted from the BMP the
# driver writes (for looking at it afterwards).
zv_screenshot() {
  local file=$2 bmp
  case "$file" in
    *.png) bmp="${file%.png}.bmp" ;;
    *) bmp=$file ;;
  esac
  zv_driver screenshot "$1" "$(zv_winpath "$(readlink -f "$(dirname "$bmp")")/$(basename "$bmp")")" ||
    return $?
  if [ "$bmp" != "$file" ]; then
    convert "$bmp" "$file" && rm -f "$bmp"
  fi
}

# zv_start EXE [ARGS...]: starts a Windows program in the background; its
# process id is in ZV_PID.
zv_start() {
  wine "$@" </dev/null >/dev/null 2>&1 &
  ZV_PID=$!
}

# zv_wait_exit PID [TIMEOUT_S]: waits for a program started by zv_start and
# puts its exit code into ZV_EXIT; 124 (and the program killed) when it did
# not end in time. Call it directly, not in $(...): a subshell cannot wait
# for the script's own children.
zv_wait_exit() {
  local pid=$1 limit=$(( ${2:-20} * 10 )) i
  for ((i = 0; i < limit; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    ZV_EXIT=124
  else
    wait "$pid"
    ZV_EXIT=$?
  fi
}

# The notification area. Wine shows it as a window of its own on a display
# without a taskbar, one child window per icon; the driver finds an icon by
# its tip (or position, 0 first) and clicks it by posting the mouse messages
# the icon's owner then receives as its callback message.
# zv_tray_icons: one line per icon: index, window, rect, tip.
zv_tray_icons() { zv_driver tray; }
# zv_wait_tray TIP|INDEX|* [TIMEOUT_MS]: prints the icon's window (for
# zv_screenshot, to look at its picture).
zv_wait_tray() { zv_driver wait-tray "$@"; }
# zv_tray_click TIP|INDEX|* [left|right|double]
zv_tray_click() { zv_driver tray-click "$@"; }
