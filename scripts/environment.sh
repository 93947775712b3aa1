# Shared set-up of the test and main-job commands; sourced, not run.
# Installs what is missing, and starts what the Windows programs need (an X
# display and a Wine server) unless it is already there. Stops only what it
# started, when the calling script exits.

KELVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

kelvo_packages=(cmake ninja-build g++ libgtest-dev googletest
  g++-multilib qemu-user
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine32:i386 wine64 xvfb xdotool imagemagick fonts-liberation locales
  clang-14 libclang-rt-14-dev)

kelvo_install_packages() {
  local missing=()
  for package in "${kelvo_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  dpkg --add-architecture i386
  apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" >/dev/null
}

kelvo_started_xvfb=""
kelvo_started_wineserver=""

kelvo_stop_services() {
  if [ -n "$kelvo_started_wineserver" ]; then
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "$kelvo_started_xvfb" ]; then
    kill "$kelvo_started_xvfb" 2>/dev/null || true
    wait "$kelvo_started_xvfb" 2>/dev/null || true
  fi
}

# A display that no other X server uses: neither its socket nor its lock exists.
kelvo_free_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
  done
  echo "$n"
}

kelvo_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    return 0
  fi
  local n
  n=$(kelvo_free_display)
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  kelvo_started_xvfb=$!
  export DISPLAY=":$n"
  # A bare display has no resource database, and Xlib then looks for the
  # user's resource files again on every lookup: Wine's X11 driver asks for
  # two resources each time it selects a font, four file opens a control.
  # An empty resource file of our own ends the search.
  export XENVIRONMENT="$KELVO_ROOT/scripts/empty.Xresources"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on display :$n" >&2
  return 1
}

kelvo_start_wine() {
  export WINEPREFIX="${WINEPREFIX:-$KELVO_ROOT/build/wineprefix}"
  export WINEDEBUG=-all
  # No debugger on a crash: it would wait for a person, and the test with it.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  mkdir -p "$WINEPREFIX"
  # Keep one server alive for the whole run: each program then starts fast.
  # A server that already runs for this prefix belongs to someone else.
  local server
  server="/tmp/.wine-$(id -u)/server-$(printf '%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))"
  # A server this check misses refuses to start a second time; it is then
  # someone else's, and stays.
  if [ ! -S "$server/socket" ] && wineserver -p; then
    kelvo_started_wineserver=yes
  fi
  # Wine's services start with the first program of a new server. Started
  # here with no pipes, they cannot hold the output of the first test open
  # until they end.
  local first=(cmd /c exit)
  if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    first=(wineboot -i)
  fi
  "$KELVO_ROOT/cmake/wine-run.sh" "${first[@]}" </dev/null >/dev/null 2>&1 || true
  kelvo_configure_wine
}

# Registry values of the prefix that the programs and screenshots need:
# Wine has no "Courier New", so the editor's font maps to the metrically
# equal "Liberation Mono" (fonts-liberation) instead of a proportional
# face; and without a window manager Wine draws frames and captions itself
# only for windows it is told are not managed. Written once per prefix.
kelvo_wine_settings=(
  'HKCU\Software\Wine\Fonts\Replacements|Courier New|Liberation Mono'
  'HKCU\Software\Wine\X11 Driver|Managed|N'
)

kelvo_configure_wine() {
  local setting key name data
  for setting in "${kelvo_wine_settings[@]}"; do
    IFS='|' read -r key name data <<<"$setting"
    grep -qF "\"$name\"=\"$data\"" "$WINEPREFIX/user.reg" 2>/dev/null && continue
    "$KELVO_ROOT/cmake/wine-run.sh" reg add "$key" /v "$name" /t REG_SZ /d "$data" /f </dev/null >/dev/null 2>&1 ||
      echo "Could not set $key\\$name in the Wine prefix" >&2
  done
}

# Whether this machine executes 32-bit programs, which Wine needs for 32-bit
# Windows programs; some sandboxed kernels refuse them ("Exec format error").
kelvo_runs_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Configures PRESET and builds TARGETs (everything when none is named) with
# two jobs; the logs go beside the build tree (build/PRESET.configure.log and
# build/PRESET.build.log), and the end of the one that failed is shown.
# --dir DIRECTORY builds into another tree than the preset's; -DNAME=VALUE
# passes a cache setting to the configure step. Status 1 when the configure
# step failed, 2 when the build did.
#   kelvo_build PRESET [--dir DIRECTORY] [-DNAME=VALUE...] [TARGET...]
kelvo_build() {
  local preset=$1
  shift
  local tree="$KELVO_ROOT/build/$preset" settings=() targets=()
  while [ $# -gt 0 ]; do
    case $1 in
      --dir) tree=$(realpath -m "$2"); shift 2 ;;
      -D*) settings+=("$1"); shift ;;
      *) targets+=(--target "$1"); shift ;;
    esac
  done
  mkdir -p "$(dirname "$tree")"
  if ! (cd "$KELVO_ROOT" && cmake --preset "$preset" -B "$tree" "${settings[@]}") >"$tree.configure.log" 2>&1; then
    cat "$tree.configure.log" >&2
    return 1
  fi
  if ! cmake --build "$tree" -j2 "${targets[@]}" >"$tree.build.log" 2>&1; then
    tail -n 60 "$tree.build.log" >&2
    return 2
  fi
}

kelvo_setup() {
  kelvo_install_packages
  trap kelvo_stop_services EXIT
  kelvo_start_display
  kelvo_start_wine
}
