#!/usr/bin/env bash
# Makes a cups-pdf queue the system's default printer, runs the round-trip
# program given as $1 against it, and puts the machine back as it was.
# Exits 77 (skipped) when no spooler can be had, unless ZENLITH_REQUIRE_CUPS=1
# asks for a failure instead, as CI does.
set -euo pipefail
program=$1
queue=ZenlithRoundTrip

skip() {
  if [ "${ZENLITH_REQUIRE_CUPS:-0}" = 1 ]; then
    echo "FAILED: $* (ZENLITH_REQUIRE_CUPS=1 does not allow skipping)" >&2
    exit 1
  fi
  echo "SKIPPED: $* (the CUPS round trip needs root or password-less sudo)" >&2
  exit 77
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -n "$@"; fi
}

install_packages() {
  local missing=() p
  for p in cups printer-driver-cups-pdf poppler-utils; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  as_root apt-get update -qq &&
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

scheduler_running() {
  lpstat -r 2>/dev/null | grep -q "is running"
}

started_cupsd=""
start_cupsd() {
  scheduler_running && return 0
  # In the foreground of a background job, so that $! is the scheduler (or
  # the sudo that passes our signal on) and the cleanup can stop it.
  if [ "$(id -u)" -eq 0 ]; then
    /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
  else
    sudo -n /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
  fi
  started_cupsd=$!
  for _ in $(seq 50); do
    scheduler_running && return 0
    sleep 0.2
  done
  return 1
}

# Where cups-pdf writes the job of the user running this script.
output_folder() {
  local home out
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
  out=${out:-'${HOME}/PDF'}
  echo "${out//'${HOME}'/$home}"
}

previous_default=""
cleanup() {
  as_root lpadmin -x "$queue" 2>/dev/null || true
  if [ -n "$previous_default" ]; then
    as_root lpadmin -d "$previous_default" 2>/dev/null || true
  fi
  if [ -n "$started_cupsd" ]; then
    as_root kill "$started_cupsd" 2>/dev/null || true
    wait "$started_cupsd" 2>/dev/null || true
  fi
}

install_packages || skip "could not install cups, printer-driver-cups-pdf and poppler-utils"
start_cupsd || skip "could not start cupsd"
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
trap cleanup EXIT
# pdftocairo keeps the text of the PDF readable through the PostScript step;
# lpadmin -d, not lpoptions -d, which a user's own file would override.
as_root lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo || skip "could not create the cups-pdf queue"
as_root lpadmin -d "$queue"

folder=$(output_folder)
mkdir -p "$folder"
echo "cups-pdf writes into $folder"
"$program" "$folder"
