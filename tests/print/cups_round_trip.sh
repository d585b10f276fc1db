#!/usr/bin/env bash
# Runs the round-trip program given as $1 against a private CUPS spooler: a
# cupsd of its own whose configuration, spool, logs and socket live in one
# temporary folder, with a cups-pdf queue as its default printer that writes
# its PDFs there too. Clients reach it through CUPS_SERVER; the system's
# spooler, queues and default printer are never read or changed, and the
# folder is removed when the script ends, also on failure or interruption.
# cups-pdf reads its settings from /etc/cups/cups-pdf.conf alone, so the
# spooler runs in a mount namespace of its own where our settings are mounted
# over that file; nothing outside the namespace sees them. The backend runs
# only as root, so this needs root or password-less sudo; without them the
# script exits 77 (skipped), unless ZENLITH_REQUIRE_CUPS=1 asks for a
# failure instead, as CI does.
set -euo pipefail
program=$1
queue=ZenlithRoundTrip

skip() {
  if [ "${ZENLITH_REQUIRE_CUPS:-0}" = 1 ]; then
    echo "FAILED: $* (ZENLITH_REQUIRE_CUPS=1 does not allow skipping)" >&2
    exit 1
  fi
  echo "SKIPPED: $*" >&2
  exit 77
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -n "$@"; fi
}

for needed in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
  [ -e "$needed" ] || skip "$needed is missing (scripts/install-deps.sh test installs CUPS and cups-pdf)"
done
as_root true 2>/dev/null || skip "the spooler's cups-pdf backend runs only as root: needs root or password-less sudo"

base=""
# The scheduler writes no pid file in the foreground: its wrapper notes its
# pid, which the scheduler keeps when the wrapper execs it.
stop_cupsd() {
  local pid
  pid=$(cat "$base/state/cupsd.pid" 2>/dev/null) || return 0
  as_root kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 100); do
    [ -d "/proc/$pid" ] || return 0
    sleep 0.1
  done
  as_root kill -KILL "$pid" 2>/dev/null || true
}
cleanup() {
  [ -n "$base" ] || return 0
  stop_cupsd
  as_root rm -rf "$base"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The spooler runs its filters as the user lp, which must reach the folder;
# a private $TMPDIR does not let it, /tmp does.
base=$(mktemp -d)
chmod 0755 "$base"
if ! as_root runuser -u lp -- test -x "$base"; then
  rm -rf "$base"
  base=$(mktemp -d -p /tmp)
  chmod 0755 "$base"
fi

mkdir -p "$base"/{conf,log,home,client,pdf,gs,requests/tmp,cache,state}
socket=$base/cupsd.sock
cat >"$base/conf/cups-files.conf" <<EOF
ServerRoot $base/conf
RequestRoot $base/requests
TempDir $base/requests/tmp
CacheDir $base/cache
StateDir $base/state
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
Printcap $base/state/printcap
SystemGroup root
EOF
cat >"$base/conf/cupsd.conf" <<EOF
Listen $socket
LogLevel info
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$base/cups-pdf.conf" <<EOF
Out $base/pdf
AnonDirName $base/pdf
Spool $base/spool
Log $base/log
GSTmp $base/gs
Grp lp
DecodeHexStrings 1
EOF

as_root unshare --mount --propagation private sh -c '
  mount --bind "$1/cups-pdf.conf" /etc/cups/cups-pdf.conf || exit 1
  echo $$ >"$1/state/cupsd.pid"
  exec /usr/sbin/cupsd -f -c "$1/conf/cupsd.conf" -s "$1/conf/cups-files.conf"' sh "$base" \
  </dev/null >"$base/log/cupsd.out" 2>&1 &

export CUPS_SERVER=$socket
private_spooler_up() {
  lpstat -r 2>/dev/null | grep -q "is running"
}
for _ in $(seq 100); do
  private_spooler_up && break
  [ -n "$(jobs -r)" ] || break
  sleep 0.1
done
if ! private_spooler_up; then
  cat "$base/log/cupsd.out" "$base/log/error_log" >&2 || true
  skip "the private cupsd did not start"
fi

# pdftocairo keeps the text of the PDF readable through the PostScript step.
as_root env CUPS_SERVER="$socket" lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo
as_root env CUPS_SERVER="$socket" lpadmin -d "$queue"

# The program sees only the private spooler: no user or system lpoptions, no
# LPDEST or PRINTER naming another queue, and a home of its own.
status=0
env -u LPDEST -u PRINTER CUPS_SERVERROOT="$base/client" HOME="$base/home" "$program" "$base/pdf" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- spooler log ---" >&2
  as_root cat "$base/log/error_log" "$base/log/cups-pdf-${queue}_log" >&2 2>/dev/null || true
fi
exit "$status"
