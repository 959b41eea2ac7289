"""A private X display for the Windows program's message boxes under Wine.

Xvfb serves a display of its own (the first free number from 90 on), with
its screen kept as an XWD file; xdotool finds the boxes by their caption
and answers them with key presses; screenshots are written as PNG.
"""

import os
import shutil
import struct
import subprocess
import tempfile
import time
import zlib

XVFB = "/usr/bin/Xvfb"
XDOTOOL = "/usr/bin/xdotool"


def pixels_start(data):
    """Where the pixels of an XWD image begin: after the header and the
    colour map."""
    fields = struct.unpack(">25I", data[:100])
    return fields[0] + fields[19] * 12


def png_of_xwd(data):
    """PNG bytes of an XWD image of depth 24 in 32-bit pixels (Xvfb's screen)."""
    fields = struct.unpack(">25I", data[:100])
    width, height = fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    if bits_per_pixel != 32:
        raise ValueError("XWD image of %d bits a pixel" % bits_per_pixel)
    start = pixels_start(data)
    rows = bytearray()
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * 4]
        rows += b"\0"  # no filter
        for x in range(0, width * 4, 4):
            pixel = line[x:x + 4] if byte_order == 0 else line[x:x + 4][::-1]
            rows += bytes((pixel[2], pixel[1], pixel[0]))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body)))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows))) + chunk(b"IEND", b""))


class XSession:
    """Xvfb on a free display while the object is open (use it with "with")."""

    def __init__(self, width=800, height=600):
        self.size = "%dx%dx24" % (width, height)
        self.folder = None
        self.process = None
        self.display = None

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="vantor_x_")
        for number in range(90, 190):
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            self.process = subprocess.Popen(
                [XVFB, ":%d" % number, "-screen", "0", self.size, "-fbdir", self.folder,
                 "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.display = ":%d" % number
            if self.wait_until_served():
                self.xdotool("mousemove", "0", "0")  # the pointer off the boxes
                return self
            self.process.kill()
            self.process.wait()
        self.close()
        raise RuntimeError("no free X display for Xvfb")

    def __exit__(self, *error):
        self.close()

    def close(self):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            self.process.wait()
        if self.folder is not None:
            shutil.rmtree(self.folder, ignore_errors=True)

    def environment(self):
        return dict(os.environ, DISPLAY=self.display)

    def xdotool(self, *args, timeout=30):
        return subprocess.run([XDOTOOL, *args], env=self.environment(), stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=timeout)

    def wait_until_served(self, limit=10):
        ends = time.monotonic() + limit
        while time.monotonic() < ends:
            if self.process.poll() is not None:
                return False
            if self.xdotool("getmouselocation", timeout=5).returncode == 0:
                return True
            time.sleep(0.1)
        return False

    def windows(self, caption):
        """The X windows whose name is this caption."""
        found = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % caption, timeout=10)
        return [window.decode() for window in found.stdout.split()]

    def wait_for_window(self, caption, limit=60):
        """The X window of the first window with this caption, once the
        screen shows something; None when none appears within the time."""
        ends = time.monotonic() + limit
        while time.monotonic() < ends:
            windows = self.windows(caption)
            if windows:
                self.wait_until_drawn()
                return windows[0]
            time.sleep(0.2)
        return None

    def press(self, window, key, tries=5):
        """Gives the window the input focus and presses the key, again
        while the window stays (a key pressed before the window took input
        is lost). False when the window never went."""
        for _ in range(tries):
            self.xdotool("windowfocus", "--sync", window)
            self.xdotool("key", key)
            ends = time.monotonic() + 3
            while time.monotonic() < ends:
                if window not in self.windows_at_all():
                    return True
                time.sleep(0.1)
        return False

    def windows_at_all(self):
        found = self.xdotool("search", "--onlyvisible", "--name", ".", timeout=10)
        return [window.decode() for window in found.stdout.split()]

    def screen(self):
        with open(os.path.join(self.folder, "Xvfb_screen0"), "rb") as screen:
            return screen.read()

    def wait_until_drawn(self, limit=10):
        """Waits until the screen is no longer all black, the empty
        screen; gives the screen's XWD image."""
        ends = time.monotonic() + limit
        while True:
            data = self.screen()
            if data[pixels_start(data):].strip(b"\0") or time.monotonic() > ends:
                return data
            time.sleep(0.1)

    def screenshot(self, path):
        """Writes the screen as PNG, once something is drawn on it."""
        with open(path, "wb") as image:
            image.write(png_of_xwd(self.wait_until_drawn()))
