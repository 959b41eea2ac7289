"""Receives mail with aiosmtpd on a free loopback port.

Usage: aiosmtpd_sink.py OUTPUT

Prints the port on standard output, then serves until it is terminated (60
seconds at most). Every message is written to OUTPUT: a line with the
reverse path as the server holds it ("<>" for the null path), a line with
the recipients, then the data exactly as received after the server removed
the dot-stuffing.
"""

import socket
import sys
import time

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


def main():
    controller = Controller(Sink(sys.argv[1]), hostname="127.0.0.1", port=free_port())
    controller.start()
    print(controller.port, flush=True)
    try:
        time.sleep(60)
    finally:
        controller.stop()


if __name__ == "__main__":
    main()
