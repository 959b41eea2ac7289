"""End-to-end tests of the Windows program, install-reporter.exe, under Wine.

Each test runs the program under Wine in a scratch working folder holding an
install.txt, on a private X display (Xvfb), and answers its message boxes
with key presses (xdotool): "y" or "n" for the question, Return for the
notice. Where a report is sent, the mail as a real SMTP server (aiosmtpd) on
loopback received it is checked with Python's email package, as on Linux.
The question box and the notice are kept as screenshots.

    windows_reporter_test.py --program P --unresolvable-program Q
        --relay-host H --relay-port N --mailbox M
        --wine-run scripts/wine-run.sh --wine-prefix DIR --screenshots DIR

P is built with relay H:N and download host localhost, Q with a relay host
that never resolves. DIR of --wine-prefix is a Wine prefix of these tests'
own (made on first use), so that its desktop process, which holds on to the
X display, belongs to them alone.
"""

import argparse
import os
import re
import subprocess
import sys
import unittest

import install_reporter_test
from install_reporter_test import ReporterCase
from x_session import XSession

QUESTION = "Installation failed"
SUBMITTED = "Report submitted"
NOT_SUBMITTED = "Report not submitted"

options = None
x_session = None


def wine_environment():
    return dict(x_session.environment(), LC_ALL="C", WINEPREFIX=options.wine_prefix)


class WindowsReporterTest(ReporterCase):
    def start_program(self, *args, program=None):
        return subprocess.Popen([options.wine_run, options.wine_prefix,
                                 program or options.program, *args],
                                cwd=self.folder.name, env=wine_environment(),
                                stdin=subprocess.DEVNULL)

    def run_without_boxes(self, *args):
        """Exit status of a run that shows no box (one that did would wait
        for an answer until the time-out)."""
        process = self.start_program(*args)
        try:
            return process.wait(timeout=60)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()

    def answer(self, process, caption, key, screenshot=None):
        """Waits for the box with this caption, keeps its screenshot and
        presses the key."""
        window = x_session.wait_for_window(caption)
        if window is None:
            process.kill()
            process.wait()
            self.fail('no box "%s" appeared' % caption)
        if screenshot:
            x_session.screenshot(os.path.join(options.screenshots, screenshot))
        if not x_session.press(window, key):
            self.fail('the box "%s" did not take the key %s' % (caption, key))

    def run_with_answers(self, *args, answers, program=None):
        """Runs the program and answers its boxes: (caption, key,
        screenshot) in turn. Gives the exit status."""
        process = self.start_program(*args, program=program)
        try:
            for caption, key, screenshot in answers:
                self.answer(process, caption, key, screenshot)
            return process.wait(timeout=60)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()

    # Nothing to report: no file is read, no box is shown.
    def test_codes_without_report(self):
        self.write_log(b"ProductVersion = 6.2.8\n")
        for args in (["0"], ["1602"], ["3010"], [], ["1602", "/quiet"]):
            with self.subTest(args=args):
                self.assertEqual(self.run_without_boxes(*args), 0)

    def test_missing_log(self):
        self.assertEqual(self.run_without_boxes("1603"), 1)

    def test_answer_no_sends_nothing(self):
        self.start_relay()
        self.write_log(b"ProductVersion = 6.2.8\n")
        self.assertEqual(self.run_with_answers("1603", answers=[(QUESTION, "n", None)]), 0)
        self.assertEqual(self.relay.envelopes, [])

    def test_refused_connection(self):
        self.write_log(b"ProductVersion = 6.2.8\n")
        answers = [(QUESTION, "y", None), (NOT_SUBMITTED, "Return", "not_submitted_box.png")]
        self.assertEqual(self.run_with_answers("1603", answers=answers), 0)

    def test_relay_that_does_not_resolve(self):
        self.write_log(b"ProductVersion = 6.2.8\n")
        answers = [(QUESTION, "y", None), (NOT_SUBMITTED, "Return", None)]
        self.assertEqual(self.run_with_answers("1603", answers=answers,
                                               program=options.unresolvable_program), 0)

    def deliver(self, log_data, exit_code="1603", question_screenshot=None):
        self.relay.envelopes.clear()
        self.write_log(log_data)
        answers = [(QUESTION, "y", question_screenshot), (SUBMITTED, "Return",
                                                         "submitted_box.png")]
        self.assertEqual(self.run_with_answers(exit_code, answers=answers), 0)
        return self.received_mail()

    def test_delivered_utf16_log(self):
        self.start_relay()
        text = ("\ufeffProductVersion = 6.2.8\r\n"
                "Fehler beim Kopieren: C:\\Programme\\Größe \u20ac \u4e2d\r\n"
                "Action: dialog SetupError: Error 2203. Database\r\n") * 40
        mail = self.deliver(text.encode("utf-16-le"), question_screenshot="question_box.png")
        # The system's version as GetVersionExA reports it to the program.
        self.check_headers(mail, re.compile(r"^KV:628  OS:\d+\.\d+  ExitCode:1603 \(Error:2203\) "
                                            r"\(download IP: 127\.0\.0\.1\)$"))
        self.assertEqual(mail.get_payload(decode=True), text.encode("utf-8"))

    def test_delivered_8bit_log_in_the_ansi_code_page(self):
        # Wine in the C locale has the ANSI code page 1252: 0xE4 0xDF 0x80 are "äß€".
        self.start_relay()
        mail = self.deliver(b"ProductVersion = 3.1\nGr\xe4\xdfe \x80 5\n", exit_code="-1")
        self.check_headers(mail, re.compile(r"^KV:31  OS:\d+\.\d+  ExitCode:-1 "
                                            r"\(download IP: 127\.0\.0\.1\)$"))
        self.assertEqual(mail.get_payload(decode=True),
                         "ProductVersion = 3.1\nGräße € 5\n".encode("utf-8"))


def main():
    global options, x_session
    parser = argparse.ArgumentParser()
    for name in ("--program", "--unresolvable-program", "--relay-host", "--mailbox",
                 "--wine-run", "--wine-prefix", "--screenshots"):
        parser.add_argument(name, required=True)
    parser.add_argument("--relay-port", type=int, required=True)
    options, rest = parser.parse_known_args()
    install_reporter_test.options = options
    os.makedirs(options.screenshots, exist_ok=True)
    # The prefix is made before the first test, so that its first boot does
    # not eat into a test's time-out.
    subprocess.run([options.wine_run, options.wine_prefix, "--boot"], check=True)
    with XSession() as session:
        x_session = session
        try:
            result = unittest.main(argv=[sys.argv[0], *rest], verbosity=2, exit=False).result
        finally:
            # Wine's desktop process leaves with the last program; the
            # display goes after it.
            subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=wine_environment(),
                           timeout=60)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
