#!/bin/sh
# Runs a test program with a CUPS server of its own whose default queue prints to a PDF file:
# the program prints through CUPS as on a school's computer, and the paper can be read back.
# The test finds the file in VELMORA_CUPS_PDF and the queue's name in VELMORA_CUPS_QUEUE.
# The server lives in a temporary folder, listens only on a socket there, and is stopped and
# removed at the end. Skips (exit 77) where cupsd is not installed or will not start.
cupsd=/usr/sbin/cupsd
if [ ! -x "$cupsd" ]; then
    echo "skipped: cupsd (cups-daemon) is not installed, so there is no print server to test against"
    exit 77
fi
for tool in lpadmin lpstat; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool (cups-client) is not installed, so no queue can be set up"
        exit 77
    fi
done

# A Unix socket's path must stay short, so the folder goes in /tmp whatever TMPDIR is.
dir=$(mktemp -d /tmp/velmora-cups.XXXXXX) || exit 1
server=""
stop_server() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        # cupsd ends its jobs before it goes; give it a while, then make sure.
        tries=0
        while kill -0 "$server" 2>/dev/null && [ $tries -lt 50 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        kill -9 "$server" 2>/dev/null
        wait "$server" 2>/dev/null
        server=""
    fi
}
trap 'stop_server; rm -rf "$dir"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$dir/conf" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/home" \
    "$dir/out"
socket=$dir/cups.sock
queue=velmora
pdf=$dir/out/printed.pdf

if [ "$(id -u)" -eq 0 ]; then
    # As root cupsd runs its filters as lp, who must reach the spooled jobs; the queue's file is
    # written by cupsd itself.
    chmod 0711 "$dir"
    people="User lp
Group lp
SystemGroup root"
else
    # As anyone else everything runs as that user, who is also the server's administrator.
    people="SystemGroup $(id -gn)"
fi
cat >"$dir/conf/cups-files.conf" <<EOF
$people
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerKeychain $dir/conf/ssl
CreateSelfSignedCerts no
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
FileDevice Yes
EOF
cat >"$dir/conf/cupsd.conf" <<EOF
LogLevel info
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
PreserveJobFiles No
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# The clients, the program under test among them, see this server alone: no user's own
# settings, no other default printer.
printf 'ServerName %s\n' "$socket" >"$dir/conf/client.conf"
export CUPS_SERVER="$socket" CUPS_SERVERROOT="$dir/conf" HOME="$dir/home"
unset PRINTER LPDEST CUPS_USER CUPS_ENCRYPTION

"$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
    >>"$dir/log/cupsd.out" 2>&1 &
server=$!
tries=0
# lpstat says whether the scheduler runs, but exits 0 either way.
until LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; do
    if ! kill -0 "$server" 2>/dev/null || [ $tries -ge 100 ]; then
        echo "skipped: cupsd would not start here:"
        cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -n 5
        exit 77
    fi
    sleep 0.1
    tries=$((tries + 1))
done

# A raw queue would send a job nowhere, as cupsd writes a file only from a filter's output; this
# queue's one filter copies the PDF that Qt makes to the file as it is.
ppd=$(dirname "$0")/pdf-file.ppd
# lpadmin warns that drivers are deprecated; its words are shown only when it fails.
if ! { lpadmin -p "$queue" -v "file:$pdf" -P "$ppd" -E && lpadmin -d "$queue"; } \
    >"$dir/log/lpadmin.out" 2>&1; then
    echo "FAIL: the print server would not take a queue that prints to a file:"
    cat "$dir/log/lpadmin.out"
    tail -n 5 "$dir/log/error_log" 2>/dev/null
    exit 1
fi

VELMORA_CUPS_PDF="$pdf" VELMORA_CUPS_QUEUE="$queue" "$@"
status=$?
if [ $status -ne 0 ] && [ $status -ne 77 ]; then
    echo "The print server's log:"
    tail -n 30 "$dir/log/error_log" 2>/dev/null
fi
exit $status
