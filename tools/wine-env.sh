# Shared by tools/run, tools/test and tools/bench: the Wine environment, the
# prefix and the virtual screen. Source it; it defines functions only.

horavel_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# Builds the Windows program and its tests into build/win.
horavel_build_windows() {
  local root; root=$(horavel_root)
  cmake -S "$root" -B "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$root/build/win" -j"$(nproc)" >/dev/null
}

# The environment every Wine command here runs in, for the prefix given.
horavel_wine_env() {
  export WINEPREFIX="$1"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Code page 932, dates yyyy/MM/dd and times H:mm:ss inside Wine.
  export LC_ALL=ja_JP.UTF-8
}

# Creates the prefix once: the Japanese short date and long time formats,
# Japanese fonts for the program's faces and for
# Wine's own menus, captions and message boxes; no crash dialog. With
# "desktop" as $1 every program runs in a virtual desktop of 1024 x 768, where
# title bars are drawn without a window manager.
horavel_prepare_prefix() {
  local ready="$WINEPREFIX/.horavel-ready"
  [ -f "$ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  local reg="$WINEPREFIX/horavel-setup.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"@ＭＳ Ｐゴシック"="@IPAPGothic"\r\n'
    printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
    printf '"MS Shell Dlg"="IPAPGothic"\r\n"MS Shell Dlg 2"="IPAPGothic"\r\n"Tahoma"="IPAPGothic"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Control Panel\\International]\r\n'
    printf '"sShortDate"="yyyy/MM/dd"\r\n"sTimeFormat"="H:mm:ss"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    if [ "${1:-}" = desktop ]; then
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
    fi
  } | iconv -f UTF-8 -t UTF-16 >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$ready"
}

# Starts Xvfb on a free display when there is no display, and points DISPLAY
# at it; horavel_stop_xvfb ends it again.
horavel_start_xvfb() {
  HORAVEL_XVFB_PID=""
  [ -n "${DISPLAY:-}" ] && return 0
  local number=90
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  HORAVEL_XVFB_PID=$!
  export DISPLAY=":$number"
  local tries=0
  until [ -e "/tmp/.X11-unix/X$number" ] || [ $tries -ge 100 ]; do sleep 0.05; tries=$((tries + 1)); done
}

horavel_stop_xvfb() {
  [ -n "${HORAVEL_XVFB_PID:-}" ] && kill "$HORAVEL_XVFB_PID" 2>/dev/null
  HORAVEL_XVFB_PID=""
}
