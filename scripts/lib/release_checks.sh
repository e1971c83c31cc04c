# shellcheck shell=bash
# The release checks of scripts/test: the same bytes from two folders, a
# signature that verifies and leaves the wizard working, and refusals that
# leave dist/ empty. Sourced by scripts/test: uses its counters, fail_step and
# run_scenario.

# expect STATUS CHECK [WHY]: one PASS or FAIL line for CHECK, by exit STATUS.
expect() {
  if [ "$1" -eq 0 ]; then
    echo "PASS release: $2"
    passed=$((passed + 1))
  else
    fail_step "release: $2${3:+: $3}"
  fi
}

# copy_sources DEST: the work tree as it stands, without builds or history.
copy_sources() {
  rm -rf "$1"
  mkdir -p "$1"
  tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$1" -xf -
}

# release SOURCES LOG [ARG ...]: that copy's own release script, with its own
# build folder whatever this run's is.
release() {
  local sources=$1 log=$2
  shift 2
  env -u BUILD_DIR "$sources/scripts/release" "$@" >"$log" 2>&1 </dev/null
}

# make_certificate DIR DAYS: DIR/cert.pfx, self-signed, valid for DAYS from
# now (negative: expired), under $password; DIR/cert.pem is its certificate.
make_certificate() {
  local dir=$1 days=$2
  (umask 077 && mkdir -p "$dir")
  openssl req -new -newkey rsa:2048 -nodes -keyout "$dir/key.pem" -subj "/CN=Brivane test publisher" \
    -out "$dir/request.pem" 2>/dev/null &&
    openssl x509 -req -in "$dir/request.pem" -signkey "$dir/key.pem" -days "$days" -out "$dir/cert.pem" 2>/dev/null &&
    BRIVANE_CERT_PASSWORD=$password openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/cert.pem" \
      -out "$dir/cert.pfx" -passout env:BRIVANE_CERT_PASSWORD
}

# expect_refusal SOURCES CHECK PFX PASSWORD MESSAGE: the release stops with
# its own MESSAGE and leaves nothing in dist/.
expect_refusal() {
  local sources=$1 check=$2 log="$1/../refusal.log" status left
  BRIVANE_CERT_PASSWORD=$4 release "$sources" "$log" --cert "$3"
  status=$?
  left=$(ls -A "$sources/dist" 2>/dev/null | tr "\n" " ")
  [ "$status" -ne 0 ] && grep -qF "$5" "$log" && [ -z "$left" ]
  expect $? "$check" "status $status, left in dist/: ${left:-nothing}, said: $(tail -n 2 "$log")"
}

run_release_checks() {
  local dir="$build/release-check" one two exe stray password="throwaway $RANDOM"
  one="$dir/one/src"
  two="$dir/second-copy/sources"
  exe=BrivaneSetup.exe
  rm -rf "$dir"
  copy_sources "$one"
  copy_sources "$two"
  make_certificate "$dir/valid" 2 && make_certificate "$dir/expired" -1 ||
    { fail_step "release: the throwaway certificates could not be made"; return; }

  release "$one" "$dir/one.log" && grep -q 'NOT SIGNED' "$dir/one.log" &&
    (cd "$one/dist" && sha256sum --quiet -c SHA256SUMS)
  expect $? "an unsigned release says it is not signed, and its SHA256SUMS checks" "$(tail -n 3 "$dir/one.log")"
  release "$two" "$dir/two.log"
  cmp "$one/dist/$exe" "$two/dist/$exe" >"$dir/cmp.log" 2>&1
  expect $? "two builds from two folders give the same bytes" "$(head -1 "$dir/cmp.log")"
  stray=$(strings -a "$one/dist/$exe" | grep -F -e "$one" -e "$two" -e "$(date +'%b %e %Y')" -e "$(date +%F)")
  [ -z "$stray" ]
  expect $? "the exe holds no build folder and no build date" "$stray"

  BRIVANE_CERT_PASSWORD=$password release "$one" "$dir/signed.log" --cert "$dir/valid/cert.pfx" &&
    osslsigncode verify -CAfile "$dir/valid/cert.pem" -in "$one/dist/$exe" >"$dir/verify.log" 2>&1 &&
    grep -qE 'Message digest algorithm +: SHA256' "$dir/verify.log" &&
    (cd "$one/dist" && sha256sum --quiet -c SHA256SUMS)
  expect $? "a signed release verifies (SHA-256) and its SHA256SUMS checks" \
    "$(tail -n 2 "$dir/signed.log") $(grep -iE 'error|failed' "$dir/verify.log" | head -2)"
  osslsigncode remove-signature -in "$one/dist/$exe" -out "$dir/stripped.exe" >/dev/null 2>&1 &&
    cmp -s "$dir/stripped.exe" "$two/dist/$exe"
  expect $? "the signed exe less its signature is the unsigned build, byte for byte"
  if [ -d "$e2e/template-win64" ]; then
    run_scenario select-os-win64 win64 "$one/dist/$exe" "release: signed exe"
  else
    fail_step "release: no 64-bit prefix to run the signed exe in"
  fi

  expect_refusal "$one" "a wrong password stops the release and leaves dist/ empty" \
    "$dir/valid/cert.pfx" "not $password" "release: cannot open $dir/valid/cert.pfx with the password"
  expect_refusal "$one" "an expired certificate stops the release and leaves dist/ empty" \
    "$dir/expired/cert.pfx" "$password" "release: the certificate in $dir/expired/cert.pfx expired on"
  rm -rf "$dir"
}
