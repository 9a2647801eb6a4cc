#!/usr/bin/env bash
# Runs a command with CUPS_SERVER at a cupsd of its own whose default printer is a cups-pdf queue,
# as on a desktop with a printer: results that hang on the machine's printers show here. The
# scheduler's configuration, spool and socket live in a temporary folder; the queue's jobs end
# as PDF files there. Usage: scripts/with_default_printer.sh COMMAND [ARGS...]
set -euo pipefail
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if [ ! -x /usr/sbin/cupsd ] || [ ! -f "$ppd" ]; then
  echo "with_default_printer: no cupsd or cups-pdf driver here, running without" >&2
  exec "$@"
fi
d="$(mktemp -d)"
chmod 755 "$d"   # cupsd runs its filters as lp, which must reach them
mkdir -p "$d"/conf "$d"/spool/tmp "$d"/cache "$d"/state "$d"/log "$d"/bin/backend "$d"/out
for f in filter cgi-bin daemon driver monitor notifier; do ln -s /usr/lib/cups/$f "$d"/bin/$f; done
chmod 777 "$d"/out
cat >"$d"/bin/backend/tagora-pdf <<'SH'
#!/bin/sh
[ $# -eq 0 ] && { echo 'file tagora-pdf "Unknown" "PDF file"'; exit 0; }
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile="${DEVICE_URI#tagora-pdf:}/job-$1.pdf" "${6:--}"
SH
chmod 700 "$d"/bin/backend/tagora-pdf
sed "s|@|$d|g" >"$d"/conf/cups-files.conf <<'CONF'
ServerRoot @/conf
ServerBin @/bin
DataDir /usr/share/cups
RequestRoot @/spool
TempDir @/spool/tmp
CacheDir @/cache
StateDir @/state
AccessLog @/log/access_log
ErrorLog @/log/error_log
PageLog @/log/page_log
Sandboxing relaxed
CONF
printf 'Listen %s/cups.sock\nBrowsing No\nWebInterface No\nErrorPolicy abort-job\nDefaultAuthType None\n<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n' "$d" >"$d"/conf/cupsd.conf
/usr/sbin/cupsd -f -c "$d"/conf/cupsd.conf -s "$d"/conf/cups-files.conf &
cupsd=$!
trap 'kill "$cupsd" 2>/dev/null; wait "$cupsd" 2>/dev/null; rm -rf "$d"' EXIT
for _ in $(seq 100); do lpstat -h "$d"/cups.sock -r 2>/dev/null | grep -qv 'not running' && break; sleep 0.2; done
lpadmin -h "$d"/cups.sock -p Desk_Printer -E -v tagora-pdf:"$d"/out -P "$ppd"
lpadmin -h "$d"/cups.sock -d Desk_Printer
export CUPS_SERVER="$d"/cups.sock
lpstat -d
"$@"
