# shellcheck shell=bash
# The ordinary account that runs Wine when the tests run as root. Wine run as
# root writes files that carry the read-only attribute, where Windows answers
# "Access denied"; an ordinary account gets the refusal Windows gives. A
# developer's own account is ordinary already and runs Wine itself.
test_account=brivane-test

# become_tester FOLDER COMMAND [ARG...]: run as root, gives FOLDER (made if
# need be) to the test account and goes on as COMMAND run by that account,
# with this environment; otherwise returns. Wine makes a prefix only in a
# folder of its own user, and the files a test leaves are then its user's.
# Exits when it cannot give the folder: going on as root would hide the
# refusals the account is there for.
become_tester() {
  [ "$(id -u)" -eq 0 ] || return 0
  if ! { mkdir -p "$1" && chown "$test_account:" "$1"; }; then
    echo "FAIL: could not give $1 to the test account $test_account (scripts/setup makes the account)"
    exit 1
  fi
  shift
  exec runuser -u "$test_account" -- "$@"
}
