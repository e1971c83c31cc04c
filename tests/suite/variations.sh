# shellcheck shell=bash
# Variations of an existing scenario: a change to its prefix before the run
# and the checks that it asks for after the run, printed as PASS and FAIL
# lines like the driver's. Sourced by tests/suite/wine-run, which calls each
# with the variation's name, the prefix, the test's name and the prefix's
# architecture. prepare_variation fails when it could not make its change, so
# that a scenario never passes without it.
# The library names planted beside the programs. Not version.dll: Wine's own
# user32 imports it, so under a native-first override every window program
# loads it from its folder before any code of its own runs.
planted_names=(winspool.drv uxtheme.dll wtsapi32.dll)
# The Windows Runtime class that tells whether Windows protected print mode is
# on (Windows 11 24H2 and later), and the notes of its stand-in, which
# records each activation and each question beside itself.
protected_print_class=Windows.Graphics.Printing.ProtectedPrint.WindowsProtectedPrintInfo
protected_print_notes=drive_c/tests/protected-print.txt

# expect_line TEST OK CHECK [DETAIL]: one PASS or FAIL line.
expect_line() {
  if [ "$2" = true ]; then
    echo "PASS $1: $3"
  else
    echo "FAIL $1: $3: ${4:-no}"
  fi
}

# staging_folder PREFIX ARCH: the spooler's driver folder the wizard stages
# into: x86 in a 32-bit system, x64 under WOW64.
staging_folder() {
  local name=w32x86
  [ "$2" = win32 ] || name=x64
  printf '%s' "$1/drive_c/windows/system32/spool/drivers/$name"
}

prepare_variation() {
  local prefix=$2 test=$3 arch=$4 folder name
  case $1 in
    "") ;;
    # The package as a read-only medium (a CD, a write-protected share)
    # gives it: every file read-only, which a copy passes on.
    read-only-package)
      chmod a-w "$prefix"/drive_c/brivane/x86/* "$prefix"/drive_c/brivane/x64/*
      ;;
    # An earlier install, or another vendor's, left a read-only file under a
    # name the package stages.
    read-only-in-driver-folder)
      folder=$(staging_folder "$prefix" "$arch")
      mkdir -p "$folder" && printf 'left read-only by an earlier install\r\n' >"$folder/UNIRES.DLL" &&
        chmod a-w "$folder/UNIRES.DLL"
      ;;
    # Libraries that leave a marker when a loader maps them, planted beside
    # the wizard and beside a control program, with Wine told to load those
    # names from the program's folder first, as Windows searches (Wine
    # prefers its built-ins otherwise). The control program imports the
    # spooler's library the ordinary way and must leave a marker, or the
    # check could not see planting at all.
    planted-libraries)
      local planted="$build/windows/tests/e2e/planted" control="$prefix/drive_c/control"
      mkdir -p "$control" && cp "$build/windows/tests/e2e/naive_importer.exe" "$control/" || return 1
      for name in "${planted_names[@]}"; do
        cp "$planted/$name" "$prefix/drive_c/brivane/" && cp "$planted/$name" "$control/" || return 1
      done
      export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winspool.drv,uxtheme,wtsapi32=n,b"
      WINEPREFIX="$prefix" timeout 60 wine 'C:\control\naive_importer.exe' </dev/null >/dev/null 2>&1
      WINEPREFIX="$prefix" wineserver -w
      expect_line "$test" "$([ -n "$(find "$control" -maxdepth 1 -iname 'planted-winspool.drv.txt')" ] && echo true)" \
        "a program importing the spooler library directly loads the planted winspool.drv" "no marker"
      ;;
    # The templates run Windows 7; this clone runs Windows 10, and the
    # driver learns from BRIVANE_PREFIX_WINDOWS which page to expect.
    windows-10)
      WINEPREFIX="$prefix" winecfg /v win10 >/dev/null 2>&1 && WINEPREFIX="$prefix" wineserver -w || return 1
      export BRIVANE_PREFIX_WINDOWS=10
      ;;
    # The class registered as Windows 11 24H2 has it, answering on or off;
    # Wine's combase activates it from the DllPath named under its name.
    protected-print-on | protected-print-off)
      import_registry "$prefix" <<REG || return 1
[HKEY_LOCAL_MACHINE\Software\Microsoft\WindowsRuntime\ActivatableClassId\\$protected_print_class]
"DllPath"="C:\\\\tests\\\\protected_print_${1#protected-print-}.dll"
REG
      export BRIVANE_PROTECTED_PRINT=${1#protected-print-}
      ;;
    # Without its local spooler provider, Wine's spooler answers every call
    # with 1722, as a stopped or disabled Print Spooler does. Disabled for the
    # wizard alone, so that the checks still reach the spooler: Wine takes no
    # WINEDLLOVERRIDES from a parent's changed environment, but a program's
    # own overrides from the prefix.
    spooler-not-answering)
      import_registry "$prefix" <<'REG' || return 1
[HKEY_CURRENT_USER\Software\Wine\AppDefaults\BrivaneSetup.exe\DllOverrides]
"localspl"=""
REG
      export BRIVANE_SPOOLER=not-answering
      ;;
    # The Local Port monitor's dialogs come from localui, which Wine keeps
    # from the wizard alone here: AddPortA and ConfigurePortA fail with 50.
    monitor-dialogs-refused)
      import_registry "$prefix" <<'REG' || return 1
[HKEY_CURRENT_USER\Software\Wine\AppDefaults\BrivaneSetup.exe\DllOverrides]
"localui"=""
REG
      export BRIVANE_PORT_MONITOR=refused
      ;;
    # Started as Explorer starts a setup opened inside a zip file; the
    # scenario copies it to the temporary folder itself.
    opened-from-zip)
      export BRIVANE_START_FOLDER=zip
      ;;
    *)
      echo "FAIL $test: no variation named $1"
      return 1
      ;;
  esac
}

check_variation() {
  local prefix=$2 test=$3 arch=$4 folder name read_only marker
  case $1 in
    read-only-package | read-only-in-driver-folder)
      # Windows refuses to replace a read-only file, so a staged file left
      # read-only would stop the next install; the files a driver is
      # registered with also go into the version folders below.
      folder=$(staging_folder "$prefix" "$arch")
      read_only=$(cd "$folder" && find . -type f ! -perm -u+w | sed 's|^\./||' | sort | tr '\n' ' ')
      expect_line "$test" "$([ -z "$read_only" ] && echo true)" \
        "no file in ${folder##*/} or its version folders is left read-only" "read-only: $read_only"
      ;;
    protected-print-on | protected-print-off)
      expect_line "$test" "$(grep -qi '^asked by .*BrivaneSetup\.exe' "$prefix/$protected_print_notes" 2>/dev/null && echo true)" \
        "the wizard asked Windows whether protected print mode is on" "the class was not asked"
      ;;
    planted-libraries)
      for name in "${planted_names[@]}"; do
        marker=$(find "$prefix/drive_c/brivane" -maxdepth 1 -iname "planted-$name.txt")
        expect_line "$test" "$([ -z "$marker" ] && echo true)" "the wizard loads no $name from its own folder" \
          "$([ -z "$marker" ] || tr -d '\r' <"$marker" | head -n 1)"
      done
      ;;
  esac
}
