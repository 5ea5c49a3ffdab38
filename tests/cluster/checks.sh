# Named checks for the scheduler tests: each prints "ok:" or "FAILED:" and
# the failures are counted, so one run reports every check.
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
