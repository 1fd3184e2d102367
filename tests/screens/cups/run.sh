#!/usr/bin/env bash
# run.sh TEST-BINARY: the printing tests against a private cupsd (configuration,
# spool, logs and PDFs in a temporary folder, a unix socket there) with CUPS-PDF
# queues, stopped at the end whatever happens. Needs root (as CUPS-PDF does);
# exits 77 (skipped) only when cups or printer-driver-cups-pdf is not installed.
set -euo pipefail
test_binary=$1
umask 022 # cupsd refuses configuration files that others may write
export PATH=$PATH:/usr/sbin:/sbin

skip() { echo "cups tests skipped: $*" >&2; exit 77; }
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$cupsd" ] && [ -x "$lpadmin" ] || skip "cupsd not installed (package cups)"
[ -e "$backend" ] && [ -e "$ppd" ] || skip "CUPS-PDF not installed (package printer-driver-cups-pdf)"
# From here on every problem is a failure: the packages are there.
[ "$(id -u)" -eq 0 ] || { echo "cups tests: must run as root (CUPS-PDF needs it)" >&2; exit 1; }

root=$(mktemp -d /tmp/dishwright-cups.XXXXXX)
chmod 755 "$root" # the filters run as lp and read the spool
name=dishwright-$$
queue=${name}-pdf
spare=${name}-spare
cupsd_pid=
stop_cupsd() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  cupsd_pid=
}
cleanup() {
  status=$?
  stop_cupsd || true
  rm -f "/etc/cups/cups-pdf-$queue.conf" "/etc/cups/cups-pdf-$spare.conf"
  [ $status -eq 0 ] || tail -n 40 "$root/log/error_log" >&2 2>/dev/null || true
  rm -rf "$root"
  exit $status
}
trap cleanup EXIT INT TERM

mkdir -p "$root"/{conf/ppd,spool/tmp,cache,state,log,out,home}
socket=$root/cups.sock
cat > "$root/conf/cupsd.conf" <<CONF
LogLevel warn
Listen $socket
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat > "$root/conf/cups-files.conf" <<CONF
ServerRoot $root/conf
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FatalErrors all
CONF
for q in "$queue" "$spare"; do
  cat > "/etc/cups/cups-pdf-${q}.conf" <<CONF
Out $root/out
AnonDirName $root/out
Spool $root/spool/cups-pdf
Grp root
Label 1
CONF
done

"$cupsd" -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 100); do
  [ -S "$socket" ] && break
  kill -0 "$cupsd_pid" 2>/dev/null || { echo "cupsd exited at start" >&2; exit 1; }
  sleep 0.1
done
[ -S "$socket" ] || { echo "cupsd did not open $socket" >&2; exit 1; }

# The clients (libcups in the test, lpadmin, lpstat) talk to this scheduler only
# and read no system-wide lpoptions or client.conf.
export CUPS_SERVER=$socket CUPS_SERVERROOT=$root/conf HOME=$root/home QT_QPA_PLATFORM=offscreen
export DISHWRIGHT_CUPS_QUEUE=$queue DISHWRIGHT_CUPS_SPARE=$spare DISHWRIGHT_CUPS_OUT=$root/out
unset PRINTER LPDEST
status=0
"$test_binary" "failsWithout:no printers" || status=1

# CUPS-PDF turns the job into PostScript and back; Ghostscript's PostScript
# keeps the glyphs but not the text behind them, cairo's keeps both.
for q in "$queue" "$spare"; do
  "$lpadmin" -p "$q" -E -v "cups-pdf:/$q" -P "$ppd" -o pdftops-renderer-default=pdftocairo
done
"$lpadmin" -d "$queue"
"$test_binary" printsEveryRow failuresSayWhy || status=1

stop_cupsd || true
"$test_binary" "failsWithout:no print system" || status=1
exit $status
