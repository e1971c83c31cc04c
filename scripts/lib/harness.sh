# shellcheck shell=bash
# Shared by scripts/test, scripts/run, scripts/bench and scripts/release:
# tools, builds, Xvfb, Wine prefixes and the test programs' output.
# Source it after setting `root` to the repository's top folder. Builds go to
# $BUILD_DIR, by default build/ of the repository.

build="${BUILD_DIR:-$root/build}"

# shellcheck source=scripts/lib/test_account.sh
source "$root/scripts/lib/test_account.sh"

export WINEDEBUG=-all
# A fresh prefix would offer to download Wine's .NET and HTML engines in a
# dialog nobody can answer under Xvfb; the wizard needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The packages are listed once, in scripts/setup, which only looks when all
# of them are there (a tenth of a second).
ensure_tools() {
  "$root/scripts/setup"
}

# The builds are CMakePresets.json's, in $build rather than the presets' build/.
build_windows() {
  cmake -S "$root" --preset windows -B "$build/windows" >/dev/null &&
    cmake --build "$build/windows" -j "$(nproc)"
}

# The native build also runs, through its CTest, the tests of the other builds.
# The preset builds under AddressSanitizer and UBSan, so that every unit test
# is also a sanitizer run, and unoptimised: it compiles in two thirds of the
# time, and the unit tests take about a second either way.
configure_native() {
  cmake -S "$root" --preset native -B "$build/native" -DBRIVANE_BUILD_ROOT="$build" >/dev/null
}

build_native() {
  configure_native && cmake --build "$build/native" -j "$(nproc)"
}

# Starts Xvfb on a free display and exports DISPLAY; stop_xvfb ends it. Xvfb
# picks the display itself and names it once it takes connections, so tests
# that start their own side by side never reach for the same one. On two
# cores at a load of 12 it took up to 3.4 s to get there; it has 30.
xvfb_pid=""
start_xvfb() {
  local named deadline=$((SECONDS + 30))
  named=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$named" >/dev/null 2>&1 &
  xvfb_pid=$!
  until [ -s "$named" ]; do
    if [ "$SECONDS" -ge "$deadline" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "Xvfb did not start within 30 s" >&2
      rm -f "$named"
      return 1
    fi
    sleep 0.05
  done
  export DISPLAY=":$(head -n 1 "$named")"
  rm -f "$named"
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}

# screenshot FILE: the display, cropped to the windows on it (the empty
# desktop around them is cut away, which keeps the pictures small).
screenshot() {
  local desktop
  import -window root -display "$DISPLAY" "$1" &&
    desktop=$(convert "$1" -format '%[pixel:p{1023,767}]' info:) &&
    convert "$1" -bordercolor "$desktop" -border 1 -trim +repage "$1"
}

# Writes a .reg file in UTF-16, the form regedit reads whatever the locale,
# from the UTF-8 lines given on standard input.
import_registry() {
  local prefix=$1 file="$1/drive_c/import.reg" status
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; sed 's/$/\r/'; } | iconv -f UTF-8 -t UTF-16 >"$file" &&
    WINEPREFIX="$prefix" wine regedit /S 'C:\import.reg' >/dev/null 2>&1
  status=$?
  rm -f "$file"
  return $status
}

# make_prefix DIR win64|win32 WINDOWS: a new prefix that runs the Windows
# named WINDOWS in winecfg's words (win7, win10) rather than the default of
# the Wine at hand (Wine 8 makes Windows 7, Wine 10 Windows 10), with the
# templates' Chinese font mapped to one that is installed, so the wizard's
# texts do not show as boxes, and without Wine's crash dialog: a program that
# crashes then ends at once, its backtrace on standard error, where the
# dialog would hold it open until its test's timeout.
make_prefix() {
  local prefix=$1 arch=$2 windows=$3
  rm -rf "$prefix" && mkdir -p "$(dirname "$prefix")" || return 1
  WINEPREFIX="$prefix" WINEARCH="$arch" wineboot -i >/dev/null 2>&1 || return 1
  WINEPREFIX="$prefix" winecfg /v "$windows" >/dev/null 2>&1 || return 1
  import_registry "$prefix" <<'REG' || return 1
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"宋体"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  WINEPREFIX="$prefix" wineserver -w
}

# use_desktop_window PREFIX: every program of the prefix runs inside one Wine
# desktop window of 1024x768. Without a window manager (Xvfb has none) Wine
# waits 2 s for one to withdraw each top-level window a program hides, and
# windows have no title bar; inside its own desktop window Wine manages the
# windows itself, draws their captions and waits for nothing. The desktop is
# the prefix's setting, and programs start with `wine` itself: under
# `wine explorer /desktop=...` the status is the explorer's, not the
# program's, and under Wine 10 a console program gets a console of its own,
# so its output never reaches the caller's pipe.
use_desktop_window() {
  import_registry "$1" <<'REG' && WINEPREFIX="$1" wineserver -w
[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
}

# follow_program SHOTS LOG: the lines a test program prints, from standard
# input. "SHOT <name>" saves the display as SHOTS/<name>.png and is answered
# with a line on descriptor 3; every other line goes into LOG, a FAIL line
# also to standard output.
follow_program() {
  local shots=$1 log=$2 line
  while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
      "SHOT "*)
        screenshot "$shots/${line#SHOT }.png"
        echo taken >&3
        ;;
      FAIL*) printf '%s\n' "$line" | tee -a "$log" ;;
      *) printf '%s\n' "$line" >>"$log" ;;
    esac
  done
}

# program_verdict NAME PROGRAM LOG STATUS WHERE: whether the test program
# PROGRAM passed, from its PASS and FAIL lines in LOG and its exit STATUS. A
# program that ended with an error status before it printed a FAIL line, or
# printed no check, fails with a line of its own, which names WHERE to look.
# Prints the count; fails when a check failed.
program_verdict() {
  local name=$1 program=$2 log=$3 status=$4 where=$5 checks failures
  checks=$(grep -c -E '^(PASS|FAIL) ' "$log")
  failures=$(grep -c '^FAIL ' "$log")
  if [ "$status" -ne 0 ] && [ "$failures" -eq 0 ]; then
    echo "FAIL $name: $program ended with status $status (see $where)"
    failures=1 checks=$((checks + 1))
  elif [ "$checks" -eq 0 ]; then
    echo "FAIL $name: $program reported no check (see $where)"
    failures=1 checks=1
  fi
  if [ "$failures" -eq 0 ]; then
    echo "$name: $checks checks passed (log: $log)"
    return 0
  fi
  echo "$name: $failures of $checks checks failed"
  return 1
}

# clone_prefix TEMPLATE DEST: a prefix is over a gigabyte, nearly all of it
# Wine's own binaries, which nothing writes to. Those are hard-linked; every
# other file (registry, ini files, the spooler's folders) is a real copy.
# Fails when a link or a copy fails: a half-made clone would share files with
# the template.
clone_prefix() {
  local template=$1 dest=$2
  rm -rf "$dest" && mkdir -p "$(dirname "$dest")" && cp -al "$template" "$dest" || return 1
  find "$dest" -type f \( -path '*/spool/*' -o ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.nls' \
    -o -iname '*.drv' -o -iname '*.sys' -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.vxd' \) \) \
    -exec sh -c 'for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f" || exit 1; done' sh {} +
}

# install_app PREFIX [EXE]: the wizard (the build's, or EXE) and the demo
# package (scripts/make-demo-package, in $build/demo-package), in C:\brivane of
# the prefix. Prints the wizard's Windows path; fails, printing nothing, when
# either is missing or a copy fails.
install_app() {
  local app="$1/drive_c/brivane"
  mkdir -p "$app" && cp "${2:-$build/windows/BrivaneSetup.exe}" "$app/BrivaneSetup.exe" &&
    cp -r "$build/demo-package/." "$app/" || return 1
  printf '%s' 'C:\brivane\BrivaneSetup.exe'
}
