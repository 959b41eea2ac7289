"""End-to-end tests of the built install-reporter program.

Each test runs the program in a scratch working folder holding an
install.txt, answers its question through standard input and checks the exit
status, what it printed and, where a report is sent, the mail as a real SMTP
server (aiosmtpd) on loopback received it, parsed with Python's email
package.

    install_reporter_test.py --program P --relay-host H --relay-port N
        --mailbox M --unresolvable-program Q

P is built with relay H:N and download host localhost, Q with a relay host
that never resolves.
"""

import argparse
import email
import errno
import email.policy
import os
import subprocess
import sys
import tempfile
import time
import unittest

from aiosmtpd.controller import Controller

QUESTION = ("Installation failed: We're very sorry, but the installation failed. Would you like "
            "to send an error report to help resolve this problem? [y/N] \n")
SUBMITTED = "Report submitted: Thank you. The error report has been submitted.\n"
NOT_SUBMITTED = "Report not submitted: "

options = None


def os_version():
    """Major and minor of the running kernel's release, as the program reads them."""
    parts = os.uname().release.split(".")

    def number(text):
        digits = ""
        for c in text:
            if not c.isdigit():
                break
            digits += c
        return int(digits or 0)

    return number(parts[0]), number(parts[1]) if len(parts) > 1 else 0


class Relay:
    """Collects every envelope that reaches the SMTP server."""

    def __init__(self):
        self.envelopes = []

    async def handle_DATA(self, server, session, envelope):
        self.envelopes.append(envelope)
        return "250 OK"


class ReporterCase(unittest.TestCase):
    """What the tests of the program share on Linux and under Wine: the
    scratch folder with its install.txt, the relay, and the checks of the
    mail that arrived."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.relay = Relay()
        self.controller = None

    def start_relay(self):
        # The relay's address is this build's own; a server of an earlier
        # test that is still closing gets a few seconds to let it go.
        for attempt in range(50):
            self.controller = Controller(self.relay, hostname=options.relay_host,
                                         port=options.relay_port)
            try:
                self.controller.start()
                break
            except OSError as error:
                if error.errno != errno.EADDRINUSE or attempt == 49:
                    raise
                time.sleep(0.2)
        self.addCleanup(self.controller.stop)

    def write_log(self, data):
        with open(os.path.join(self.folder.name, "install.txt"), "wb") as log:
            log.write(data)

    def received_mail(self):
        """The one mail that the relay received, parsed; its envelope checked."""
        self.assertEqual(len(self.relay.envelopes), 1)
        envelope = self.relay.envelopes[0]
        self.assertEqual(envelope.mail_from, "<>")  # the null reverse path
        self.assertEqual(envelope.rcpt_tos, [options.mailbox])
        return email.message_from_bytes(envelope.content, policy=email.policy.compat32)

    def check_headers(self, mail, subject):
        """The headers in their order; subject is the text itself or, as a
        compiled pattern, what it must match."""
        self.assertEqual(mail.keys(), ["Subject", "To", "Content-Transfer-Encoding",
                                       "Content-Type"])
        if isinstance(subject, str):
            self.assertEqual(mail["Subject"], subject)
        else:
            self.assertRegex(mail["Subject"], subject)
        self.assertEqual(mail["To"], '"Installation Support" <%s>' % options.mailbox)
        self.assertEqual(mail["Content-Transfer-Encoding"], "base64")
        self.assertEqual(mail["Content-Type"], 'text/plain; charset="utf-8"')


class ReporterTest(ReporterCase):
    def run_program(self, *args, answer="", program=None, locale="C"):
        """Runs the program and gives its exit status and standard output; it
        must write nothing on standard error (a sanitizer's report included)."""
        environment = dict(os.environ, LC_ALL=locale)
        result = subprocess.run([program or options.program, *args], cwd=self.folder.name,
                                input=answer.encode(), stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, env=environment, timeout=120)
        self.assertEqual(result.stderr.decode("utf-8", "replace"), "")
        return result.returncode, result.stdout.decode("utf-8", "replace")

    # Nothing to report: no file is read, no box is shown.
    def test_codes_without_report(self):
        for args in (["0"], ["1602"], ["3010"], [], ["1602", "/quiet"], ["  3010x"]):
            with self.subTest(args=args):
                self.assertEqual(self.run_program(*args, answer="y\n"), (0, ""))

    def test_missing_log(self):
        self.assertEqual(self.run_program("1603", answer="y\n"), (1, ""))

    def test_short_logs(self):
        for data in (b"", b"ab", b"\xff\xfe"):
            with self.subTest(data=data):
                self.write_log(data)
                self.assertEqual(self.run_program("1603", answer="y\n"), (0, ""))

    def test_three_bytes_lead_to_the_question(self):
        self.write_log(b"abc")
        self.assertEqual(self.run_program("-1", answer="n\n"), (0, QUESTION))

    def test_answer_no_sends_nothing(self):
        self.start_relay()
        self.write_log(b"ProductVersion = 6.2.8\n")
        for answer in ("n\n", "", "nein\n"):
            with self.subTest(answer=answer):
                self.assertEqual(self.run_program("1603", answer=answer), (0, QUESTION))
        self.assertEqual(self.relay.envelopes, [])

    def test_relay_that_does_not_resolve(self):
        self.write_log(b"ProductVersion = 6.2.8\n")
        status, output = self.run_program("1603", answer="y\n",
                                          program=options.unresolvable_program)
        self.assertEqual(status, 0)
        self.assertTrue(output.startswith(QUESTION + NOT_SUBMITTED +
                                          "internet.address.host_not_found["), output)
        self.assertTrue(output.endswith("]\n"), output)

    def test_refused_connection(self):
        self.write_log(b"ProductVersion = 6.2.8\n")
        status, output = self.run_program("1603", answer="y\n")
        self.assertEqual(status, 0)
        self.assertEqual(output, QUESTION + NOT_SUBMITTED +
                         "internet.transport.connection_failed.connection_refused"
                         "[connect() failed]\n")

    def deliver(self, log_data, exit_code="1603", locale="C"):
        self.relay.envelopes.clear()
        self.write_log(log_data)
        self.assertEqual(self.run_program(exit_code, answer="yes\n", locale=locale),
                         (0, QUESTION + SUBMITTED))
        return self.received_mail()

    def test_delivered_8bit_log(self):
        self.start_relay()
        text = ("MSI (c) download http://example.com/web/812/setup.exe\r\n"
                ".a line that starts with a dot\r\n"
                "Action: dialog SetupError: Error 1935. An error occurred\r\n") * 40
        mail = self.deliver(text.encode("ascii"))
        major, minor = os_version()
        self.check_headers(mail, "KV:812  OS:%i.%i  ExitCode:1603 (Error:1935) "
                                 "(download IP: 127.0.0.1)" % (major, minor))
        self.assertEqual(mail.get_payload(decode=True), text.encode("utf-8"))

    def test_delivered_8bit_log_in_the_ansi_code_page(self):
        # In the C locale the ANSI code page is 1252: 0xE4 0xF6 0x80 are "äö€".
        self.start_relay()
        mail = self.deliver(b"ProductVersion = 3.1\nGr\xe4\xdfe \x80 5\n")
        self.assertEqual(mail.get_payload(decode=True),
                         "ProductVersion = 3.1\nGräße € 5\n".encode("utf-8"))

    def test_delivered_utf16_log(self):
        # The mark and a character without a form in the ANSI code page come
        # before the markers: the analysis reads on past both.
        self.start_relay()
        text = ("\ufeffProductVersion = 6.2.8\r\n"
                "Fehler beim Kopieren: C:\\Programme\\Größe \u20ac \u4e2d\r\n"
                "Action: dialog SetupError: Error 2203. Database\r\n") * 40
        major, minor = os_version()
        for locale in ("C", "C.UTF-8"):
            with self.subTest(locale=locale):
                mail = self.deliver(text.encode("utf-16-le"), locale=locale)
                self.check_headers(mail, "KV:628  OS:%i.%i  ExitCode:1603 (Error:2203) "
                                         "(download IP: 127.0.0.1)" % (major, minor))
                body = mail.get_payload(decode=True)
                self.assertTrue(body.startswith(b"\xef\xbb\xbf"))
                self.assertEqual(body, text.encode("utf-8"))

    def test_delivered_utf16_log_of_odd_length(self):
        self.start_relay()
        text = "ProductVersion = 1.0\r\n"
        mail = self.deliver(text.encode("utf-16-le") + b"x", exit_code="-1")
        major, minor = os_version()
        self.check_headers(mail, "KV:10  OS:%i.%i  ExitCode:-1 (download IP: 127.0.0.1)"
                           % (major, minor))
        self.assertEqual(mail.get_payload(decode=True), text.encode("utf-8"))


def main():
    global options
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--unresolvable-program", required=True)
    parser.add_argument("--relay-host", required=True)
    parser.add_argument("--relay-port", type=int, required=True)
    parser.add_argument("--mailbox", required=True)
    options, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
