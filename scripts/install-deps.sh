#!/usr/bin/env bash
# Installs the Debian packages of the named groups (default: run), so that each
# make target pulls in only what it needs:
#   run      building and running the program
#   test     the test suite: GoogleTest, PDF reading, AppStream, a CUPS spooler
#   package  the Debian package: file and dpkg-shlibdeps
#   fuzz     clang and its fuzzer runtime
#   bench    Google Benchmark
# Idempotent: when everything is present it only asks dpkg and returns. Prints
# one line per step; apt's output goes to a log that is shown only on failure.
set -euo pipefail

packages_of() {
  case $1 in
    run) echo g++ cmake make pkg-config liberfa-dev qt6-base-dev qt6-qpa-plugins qt6-translations-l10n culmus fonts-dejavu-core xplanet qt6-svg-dev libicu-dev ;;
    test) echo libgtest-dev libgmock-dev python3 xvfb xauth poppler-utils appstream cups printer-driver-cups-pdf ;;
    package) echo file dpkg-dev ;;
    fuzz) echo clang libclang-rt-14-dev ;;
    bench) echo libbenchmark-dev ;;
    *) echo "install-deps: unknown group '$1' (groups: run test package fuzz bench)" >&2; return 1 ;;
  esac
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

[ $# -gt 0 ] || set -- run
missing=()
for group in "$@"; do
  group_packages=$(packages_of "$group") || exit 1
  for p in $group_packages; do
    installed "$p" || missing+=("$p")
  done
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

step() {
  local what=$1
  shift
  echo "install-deps: $what"
  if ! "$@" >>"$log" 2>&1; then
    echo "install-deps: failed: $what" >&2
    cat "$log" >&2
    exit 1
  fi
}

cups_was_installed=$(installed cups-daemon && echo yes || echo no)
step "updating the package lists" "${as_root[@]}" apt-get update
step "installing ${missing[*]} (${*})" \
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"

# The tests run a private spooler of their own: a CUPS that came only for
# them must not stay behind as a running, enabled system service.
turn_off_print_service='
  if [ -d /run/systemd/system ]; then
    systemctl disable --now cups.service cups.socket cups.path
  else
    invoke-rc.d cups stop || /etc/init.d/cups stop
    # Without systemd the links that would start it still go; the helper
    # acts only when it believes dpkg called it.
    DPKG_MAINTSCRIPT_PACKAGE=cups-daemon deb-systemd-helper disable cups.service cups.socket cups.path
    update-rc.d cups disable
  fi'
if [ "$cups_was_installed" = no ] && installed cups-daemon; then
  step "turning off the print service that came with CUPS" "${as_root[@]}" sh -c "$turn_off_print_service"
fi
