#!/usr/bin/env bash
# Runs a command beside a private CUPS server with two PDF queues, TessarinPDF (the default printer) and
# TessarinPDF2. The command finds the server through CUPS_SERVER and the folders where the queues write each job's
# PDF in TESSARIN_CUPS_OUT and TESSARIN_CUPS_OUT2.
# The server, its files and the queue's configuration are removed again when the command ends.
#   with-cups.sh COMMAND [ARGS...]
set -euo pipefail
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for need in "$cupsd" "$lpadmin" /usr/lib/cups/backend/cups-pdf "$ppd"; do
    [[ -e "$need" ]] || { echo "with-cups.sh: $need is missing (packages cups, printer-driver-cups-pdf)" >&2; exit 1; }
done

root=$(mktemp -d /tmp/tessarin-cups.XXXXXX)
chmod 755 "$root"
instance="tessarin-test-$$"
instance_conf="/etc/cups/cups-pdf-$instance.conf"
instance_conf2="/etc/cups/cups-pdf-$instance-2.conf"
mkdir -p "$root"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,run,out,out2,pdf-spool}
chmod 1777 "$root/spool/tmp" "$root/pdf-spool"
chmod 777 "$root/out" "$root/out2"

cat >"$root/etc/cupsd.conf" <<EOF
Listen $root/run/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
cat >"$root/etc/cups-files.conf" <<EOF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
ServerKeychain $root/etc/ssl
SystemGroup root
EOF
# The PDF queue's own configuration, found by cups-pdf through the instance name in the device address.
cat >"$instance_conf" <<EOF
Out $root/out
AnonDirName $root/out
Spool $root/pdf-spool
Grp root
UserUMask 0000
Log $root/log
EOF
sed -e "s|^Out .*|Out $root/out2|" -e "s|^AnonDirName .*|AnonDirName $root/out2|" "$instance_conf" >"$instance_conf2"

cleanup() {
    if [[ -n "${cupsd_pid:-}" ]]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$instance_conf" "$instance_conf2"
    rm -rf "$root"
}
trap cleanup EXIT

"$cupsd" -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$root/run/cups.sock"
for _ in $(seq 1 100); do
    [[ -S "$CUPS_SERVER" ]] && break
    sleep 0.1
done
[[ -S "$CUPS_SERVER" ]] || { echo "with-cups.sh: cupsd did not start" >&2; cat "$root/log/error_log" >&2 || true; exit 1; }
"$lpadmin" -p TessarinPDF -E -v "cups-pdf:/$instance" -P "$ppd"
"$lpadmin" -p TessarinPDF2 -E -v "cups-pdf:/$instance-2" -P "$ppd"
"$lpadmin" -d TessarinPDF
export TESSARIN_CUPS_OUT="$root/out"
export TESSARIN_CUPS_OUT2="$root/out2"
status=0
"$@" || status=$?
if [[ $status -ne 0 ]]; then
    cat "$root/log/error_log" >&2 2>/dev/null || true
fi
exit $status
