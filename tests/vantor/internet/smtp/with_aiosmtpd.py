"""Runs a test program against Debian's aiosmtpd on a free loopback port.

Usage: with_aiosmtpd.py OUTPUT COMMAND...

Starts the server, runs COMMAND (the program, under an emulator if one
leads it) with VANTOR_SMTP_PORT set to the server's port and
VANTOR_SMTP_OUTPUT to OUTPUT, stops the server and ends with the command's
status. Every message received is written to OUTPUT: a line with the
reverse path as the server holds it ("<>" for the null path), a line with
the recipients, then the data exactly as received after the server removed
the dot-stuffing.
"""

import os
import socket
import subprocess
import sys

from aiosmtpd.controller import Controller


class Sink:
    def __init__(self, path):
        self.path = path

    async def handle_DATA(self, server, session, envelope):
        with open(self.path, "wb") as output:
            output.write(b"MAIL FROM:%s\n" % envelope.mail_from.encode())
            output.write(b"RCPT TO:%s\n" % ",".join(envelope.rcpt_tos).encode())
            output.write(envelope.original_content)
        return "250 OK"


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def run(output, command, timeout=120):
    """Runs command with the server up; returns its status."""
    controller = Controller(Sink(output), hostname="127.0.0.1", port=free_port())
    controller.start()
    try:
        environment = dict(os.environ, VANTOR_SMTP_PORT=str(controller.port),
                           VANTOR_SMTP_OUTPUT=output)
        return subprocess.run(command, env=environment, timeout=timeout).returncode
    finally:
        controller.stop()


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(run(sys.argv[1], sys.argv[2:]))


if __name__ == "__main__":
    main()
