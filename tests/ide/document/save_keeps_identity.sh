#!/usr/bin/env bash
# A save under Wine keeps the file it writes, seen from Linux: a symbolic
# link stays a link and its target gets the text, a hard link's other name
# sees the text, permission bits stay, a read-only file is refused and kept.
# Run by the test suite in a Windows build tree (KELVO_BUILD), on the
# suite's Wine server.
set -uo pipefail
source "$(dirname "$0")/../../../scripts/environment.sh"
source "$KELVO_ROOT/scripts/windows-programs.sh"
probe="$KELVO_BUILD/tests/ide/save_probe.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Each case: the name of the file saved, how it is made, and what must hold
# afterwards (the save's status is $saved).
prepare_link() { mkdir sub; printf old >sub/target; chmod 640 sub/target; ln -s "$work/sub/target" doc; }
check_link() {
  [ $saved = 0 ] && [ -L doc ] && [ "$(readlink doc)" = "$work/sub/target" ] && [ "$(cat sub/target)" = new ] &&
    [ "$(stat -c %a sub/target)" = 640 ] && [ "$(ls sub)" = target ]
}
prepare_private() { printf old >doc; chmod 600 doc; }
check_private() { [ $saved = 0 ] && [ "$(stat -c %a doc)" = 600 ] && [ "$(cat doc)" = new ]; }
prepare_program() { printf old >doc; chmod 750 doc; }
check_program() { [ $saved = 0 ] && [ "$(stat -c %a doc)" = 750 ] && [ "$(cat doc)" = new ]; }
prepare_hard_link() { printf old >doc; ln doc other; }
check_hard_link() { [ $saved = 0 ] && [ "$(stat -c %h doc)" = 2 ] && [ "$(cat other)" = new ]; }
prepare_read_only() { printf old >doc; chmod 444 doc; }
check_read_only() { [ $saved = 1 ] && [ "$(stat -c %a doc)" = 444 ] && [ "$(cat doc)" = old ]; }

failed=0
for case in link private program hard_link read_only; do
  rm -rf "$work"/*
  "prepare_$case"
  kelvo_wine "$probe" "$(kelvo_winepath "$work/doc")" new </dev/null >/dev/null 2>&1
  saved=$?
  # Nothing but the case's own files is left behind.
  leftovers=$(ls "$work" | grep -v -x -e doc -e sub -e other || true)
  if "check_$case" && [ -z "$leftovers" ]; then
    echo "ok: $case"
  else
    echo "FAIL: $case (status $saved): $(ls -l "$work" | tail -n +2 | tr '\n' ';')"
    failed=1
  fi
done
exit $failed
