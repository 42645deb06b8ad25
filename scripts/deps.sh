# Installs what building and testing need, on Debian, as root. Sourced.
zv_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

zv_apt_install() {
  echo "Installing: $*"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq || return 1
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

zv_install_deps() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v ninja >/dev/null || need+=(ninja-build)
  command -v g++ >/dev/null || need+=(g++)
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xdotool >/dev/null || need+=(xdotool)
  command -v makensis >/dev/null || need+=(nsis)
  command -v xwininfo >/dev/null || need+=(x11-utils)
  # The end-to-end tests build a native XDND drag source.
  [ -f /usr/include/X11/Xlib.h ] || need+=(libx11-dev)
  command -v convert >/dev/null && convert -version 2>/dev/null | grep -q ImageMagick || need+=(imagemagick)
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
  command -v wineserver >/dev/null || need+=(wine)
  [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
  # Wine's own Tahoma, the font the dialogs are laid out for.
  [ -f /usr/share/wine/fonts/tahoma.ttf ] || need+=(fonts-wine)
  if [ ${#need[@]} -gt 0 ]; then
    zv_apt_install "${need[@]}" || { echo "Could not install: ${need[*]}" >&2; return 1; }
  fi
  # Only the x86 program needs the 32-bit loader; without it that
  # architecture is skipped, with the reason.
  if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    zv_apt_install wine32:i386 || echo "Could not install wine32:i386: the x86 program cannot run here." >&2
  fi
  return 0
}

# Puts the `wine` of one architecture (x64 or x86) first on PATH. Both run
# in 64-bit prefixes, as on 64-bit Windows.
zv_use_wine() {
  export PATH="$zv_scripts/wine/$1:$PATH" WINEARCH=win64
}

# Empty when this host can run the x86 program; else why not. Found by
# starting the 32-bit loader, not by guessing from the kernel.
zv_x86_unavailable() {
  local out
  if [ ! -e /usr/lib/wine/wine ]; then
    echo "the 32-bit Wine loader (wine32:i386) is not installed"
  elif ! out=$(/usr/lib/wine/wine --version 2>&1); then
    echo "this host cannot execute 32-bit programs (/usr/lib/wine/wine: ${out##*: })"
  fi
}

# A display of our own: the first free number from 90 up.
zv_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    ZV_XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      sleep 0.1
    done
    if kill -0 $ZV_XVFB_PID 2>/dev/null; then
      export DISPLAY=:$n
      zv_set_xresources || return 1
      zv_start_wmstate || return 1
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

# Wine asks the display's resources at every font selection (Xft.antialias)
# and, where the display has none at all, reads the resource files again
# each time: a 500-item menu then takes four times as long. A desktop
# session always loads resources; this display gets one that nothing reads,
# before any program connects. (The server runs with -noreset: the last
# client leaving would otherwise take the resources with it.)
zv_set_xresources() {
  local _
  for _ in $(seq 30); do
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'zorvane.display:\ttest\n' 2>/dev/null && return 0
    sleep 0.1
  done
  echo "could not set the X resources of $DISPLAY" >&2
  return 1
}

# A bare X server has no window manager to set WM_STATE, and Wine waits 2 s
# for it each time it hides a window. A small helper sets it; it ends with
# the X server.
zv_start_wmstate() {
  local src="$zv_scripts/../tools/x11wmstate.cpp" bin="$zv_scripts/../build/tools/x11wmstate"
  if [ ! -x "$bin" ] || [ "$src" -nt "$bin" ]; then
    mkdir -p "$(dirname "$bin")"
    g++ -std=c++17 -O1 -o "$bin.$$" "$src" -lX11 && mv -f "$bin.$$" "$bin" ||
      { echo "could not build $src" >&2; return 1; }
  fi
  "$bin" >/dev/null 2>&1 </dev/null &
}

# A fresh Wine prefix, made once; later copies of it are cheap.
zv_make_prefix() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEPREFIX="$1"
  wine wineboot -i >/dev/null 2>&1
  wineserver -w
  zv_add_tahoma "$1"
  zv_warm_prefix
}

# A new prefix does not load Wine's own Tahoma: copied into its fonts folder
# it is found, and the dialogs show in the font they are laid out for.
zv_add_tahoma() {
  cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$1/drive_c/windows/Fonts/"
}

# Fails loudly when Wine cannot run a program in the prefix at all.
zv_check_wine() {
  local out
  if ! out=$(wine cmd /c echo ok </dev/null 2>&1) || [ "$(printf %s "$out" | tr -d '\r' | tail -n 1)" != ok ]; then
    echo "Wine cannot start a program ($(command -v wine)): $out" >&2
    return 1
  fi
}

# Starts the prefix's wineserver and services with their output going nowhere:
# started from inside a test they would inherit its pipes and keep the test
# runner waiting after the test has ended.
zv_warm_prefix() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}
