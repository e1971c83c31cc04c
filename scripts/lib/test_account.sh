# shellcheck shell=bash
# The ordinary account that runs Wine when the tests run as root. Wine run as
# root writes files that carry the read-only attribute, where Windows answers
# "Access denied"; an ordinary account gets the refusal Windows gives. A
# developer's own account is ordinary already and runs Wine itself.
test_account=brivane-test

# as_tester COMMAND [ARG...]: COMMAND as the test account when run as root,
# else as it is. The environment (WINEPREFIX, DISPLAY, ...) goes along.
as_tester() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$test_account" -- "$@"
  else
    "$@"
  fi
}

# tester_folder DIR: DIR made if need be, and the test account's when run as
# root; Wine makes a prefix only in a folder of its own user.
tester_folder() {
  mkdir -p "$1"
  if [ "$(id -u)" -eq 0 ]; then chown "$test_account:" "$1"; fi
}
