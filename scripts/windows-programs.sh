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

# Waits until a visible window whose name matches the pattern exists and
# prints its id; fails after the time limit in seconds (default 30).
kelvo_wait_window() {
  local pattern=$1 limit=${2:-30} id
  local deadline=$((SECONDS + limit))
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  echo "no window named '$pattern' within $limit s" >&2
  return 1
}

# Waits until no visible window matches the pattern.
kelvo_wait_no_window() {
  local pattern=$1 limit=${2:-30}
  local deadline=$((SECONDS + limit))
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  echo "the window named '$pattern' is still there after $limit s" >&2
  return 1
}

# Waits up to the time limit for a process to end; kills it when it does
# not, and fails then.
kelvo_wait_exit() {
  local pid=$1 limit=${2:-30}
  local deadline=$((SECONDS + limit))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "process $pid did not end within $limit s" >&2
  return 1
}
