#!/usr/bin/env bash
# Runs the program's main job on this machine: builds install-reporter
# against a mail relay on loopback, starts a real SMTP server there (Debian's
# python3-aiosmtpd, `python3 -m aiosmtpd`, keeping what it takes in a
# Maildir), writes a sample failed-installation log (UTF-16 with a
# byte-order mark, a product version line and a SetupError line) into a
# scratch folder, runs the program there with exit code 1603 and answers Yes,
# then shows the mail as the server received it and its body decoded. The
# server is stopped at the end, whatever happened.
set -eu
cd "$(dirname "$0")/.."

. scripts/install-packages.sh
install_missing_packages scripts/packages.txt

scratch=$(mktemp -d)
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# A free port on loopback for the relay; the program is built for it.
port=$(/usr/bin/python3 -c 'import socket
s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

echo "== building install-reporter for the relay 127.0.0.1:$port (build/demo)"
cmake -S . -B build/demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTOR_BUILD_TESTS=OFF -DVANTOR_BUILD_BENCHMARKS=OFF \
    -DREPORTER_SUPPORT_MAILBOX=support@example.com -DREPORTER_RELAY_HOST=127.0.0.1 \
    -DREPORTER_RELAY_PORT="$port" -DREPORTER_DOWNLOAD_HOST=localhost >/dev/null
cmake --build build/demo --target install-reporter >/dev/null
program=$PWD/build/demo/app/install-reporter

echo "== starting aiosmtpd on 127.0.0.1:$port"
/usr/bin/python3 -c 'import mailbox, sys; mailbox.Maildir(sys.argv[1], create=True)' \
    "$scratch/maildir"
/usr/bin/python3 -m aiosmtpd -n -l "127.0.0.1:$port" -c aiosmtpd.handlers.Mailbox \
    "$scratch/maildir" &
server_pid=$!
for _ in $(seq 50); do
    if /usr/bin/python3 -c 'import socket, sys
socket.create_connection(("127.0.0.1", int(sys.argv[1])), 1).close()' "$port" 2>/dev/null; then
        break
    fi
    sleep 0.1
done

echo "== writing $scratch/work/install.txt (UTF-16 with a byte-order mark)"
mkdir -p "$scratch/work"
/usr/bin/python3 - "$scratch/work/install.txt" <<'PY'
import sys
text = ("\ufeff=== Verbose logging started: 11.12.2026  09:41:07  Build type: SHIP UNICODE ===\r\n"
        "MSI (c) (A4:B8) [09:41:07:112]: Resetting cached policy values\r\n"
        "Property(C): ProductVersion = 6.2.8\r\n"
        "MSI (c) (A4:B8) [09:41:09:431]: Doing action: CostFinalize\r\n"
        "Action 09:41:12: SetupError.\r\n"
        "Info 2898.For dialog SetupError 1935. An error occurred during the installation of "
        "assembly component {97F81AF1-0E47-DC99-A01F-C8B3B9A1E18E}.\r\n"
        "MSI (c) (A4:B8) [09:41:15:020]: Product: Beispiel Größe \u20ac -- Installation failed.\r\n"
        "=== Logging stopped: 11.12.2026  09:41:15 ===\r\n")
open(sys.argv[1], "wb").write(text.encode("utf-16-le"))
PY

echo "== running install-reporter 1603 there, answering y"
status=0
(cd "$scratch/work" && echo y | "$program" 1603) || status=$?
echo "== exit status $status"

# The server writes the mail once the dialogue has ended.
for _ in $(seq 50); do
    if [ -n "$(ls -A "$scratch/maildir/new" 2>/dev/null)" ]; then
        break
    fi
    sleep 0.1
done
/usr/bin/python3 - "$scratch/maildir" <<'PY'
import email, email.policy, mailbox, sys
mails = list(mailbox.Maildir(sys.argv[1], factory=None, create=False))
if not mails:
    sys.exit("== the server received no mail")
for mail in mails:
    raw = mail.as_bytes()
    print("== the mail as aiosmtpd received it (%d bytes; the server adds X-Peer and the like)"
          % len(raw))
    lines = raw.decode("ascii", "replace").splitlines()
    print("\n".join(lines if len(lines) <= 40 else lines[:40] + ["..."]))
    parsed = email.message_from_bytes(raw, policy=email.policy.compat32)
    body = parsed.get_payload(decode=True)
    print("== its body decoded (%s, %d bytes)" % (parsed.get_content_charset(), len(body)))
    print(body.decode(parsed.get_content_charset() or "ascii", "replace"))
PY
