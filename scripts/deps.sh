# Installs what building and testing need, on Debian, as root. Sourced.
zv_install_deps() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v ninja >/dev/null || need+=(ninja-build)
  command -v g++ >/dev/null || need+=(g++)
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xdotool >/dev/null || need+=(xdotool)
  command -v makensis >/dev/null || need+=(nsis)
  command -v xwininfo >/dev/null || need+=(x11-utils)
  # The end-to-end tests build a native XDND drag source.
  [ -f /usr/include/X11/Xlib.h ] || need+=(libx11-dev)
  command -v convert >/dev/null && convert -version 2>/dev/null | grep -q ImageMagick || need+=(imagemagick)
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
  command -v wine >/dev/null || need+=(wine wine64)
  dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
  if [ ${#need[@]} -gt 0 ]; then
    echo "Installing: ${need[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      dpkg --add-architecture i386
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  fi
}

# A display of our own: the first free number from 90 up.
zv_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ZV_XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      sleep 0.1
    done
    if kill -0 $ZV_XVFB_PID 2>/dev/null; then
      export DISPLAY=:$n
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

# A fresh Wine prefix, made once; later copies of it are cheap.
zv_make_prefix() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEPREFIX="$1"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  zv_warm_prefix
}

# Starts the prefix's wineserver and services with their output going nowhere:
# started from inside a test they would inherit its pipes and keep the test
# runner waiting after the test has ended.
zv_warm_prefix() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}
