# shellcheck shell=bash
# Shared by the Wine tests of the suite. Source it after setting `root`; the
# builds are in $BUILD_DIR, which CTest sets.
# shellcheck source=scripts/lib/harness.sh
source "$root/scripts/lib/harness.sh"

wine_area="$build/wine"
templates="$wine_area/templates"

# become_tester FOLDER SCRIPT [ARG...]: run as root, makes FOLDER the test
# account's and starts SCRIPT again as that account; otherwise returns. Every
# Wine process of a test, and the files they leave, are then that account's.
become_tester() {
  local folder=$1
  shift
  [ "$(id -u)" -eq 0 ] || return 0
  mkdir -p "$wine_area"
  tester_folder "$folder"
  exec runuser -u "$test_account" -- "$@"
}
