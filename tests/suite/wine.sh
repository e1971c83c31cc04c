# shellcheck shell=bash
# Shared by the Wine tests of the suite. Source it after setting `root`; the
# builds are in $BUILD_DIR, which CTest sets.
# shellcheck source=scripts/lib/harness.sh
source "$root/scripts/lib/harness.sh"

wine_area="$build/wine"
templates="$wine_area/templates"
