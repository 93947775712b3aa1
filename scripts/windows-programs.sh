# Shared by the scripts that start the Windows programs (main job, editor
# end-to-end run, editor benchmark); sourced after environment.sh.

# The Windows build this machine can run: win32, or win64 where the kernel
# executes no 32-bit programs.
kelvo_windows_preset() {
  if kelvo_runs_32bit; then echo win32; else echo win64; fi
}

# Runs a Windows program under Wine with the loader that works here.
kelvo_wine() {
  "$KELVO_ROOT/cmake/wine-run.sh" "$@"
}

# The Windows name of a file: a new prefix maps drive Z: to the root. (Wine's
# own winepath starts through the launcher that fails where 32-bit programs
# cannot run.)
kelvo_winepath() {
  local path
  path=$(realpath -m "$1")
  printf 'Z:%s\n' "${path//\//\\}"
}

# Runs a command every 50 ms until it succeeds (0) or the time limit in
# seconds passes (1).
kelvo_poll() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

kelvo_visible_window() { # pattern: prints the first visible window's id
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] && echo "$id"
}

kelvo_no_visible_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

kelvo_process_ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits until a visible window whose name matches the pattern exists and
# prints its id; fails after the time limit in seconds (default 30).
kelvo_wait_window() {
  local pattern=$1 limit=${2:-30}
  kelvo_poll "$limit" kelvo_visible_window "$pattern" && return 0
  echo "no window named '$pattern' within $limit s" >&2
  return 1
}

# Waits until no visible window matches the pattern.
kelvo_wait_no_window() {
  local pattern=$1 limit=${2:-30}
  kelvo_poll "$limit" kelvo_no_visible_window "$pattern" && return 0
  echo "the window named '$pattern' is still there after $limit s" >&2
  return 1
}

# Waits up to the time limit for a process to end; kills it when it does
# not, and fails then.
kelvo_wait_exit() {
  local pid=$1 limit=${2:-30}
  if kelvo_poll "$limit" kelvo_process_ended "$pid"; then
    wait "$pid" 2>/dev/null || true
    return 0
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "process $pid did not end within $limit s" >&2
  return 1
}
