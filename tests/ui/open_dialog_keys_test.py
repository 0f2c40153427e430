#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Escape leaves the Open dialog, with real key events on a private X server
(Xvfb, through the XTest extension), before and after a click into it."""
import ctypes
import os
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM, LOG = sys.argv[1], sys.argv[2]
del sys.argv[1:3]


class X:
    """Real input and the top-level windows' names, through Xlib and XTest."""

    def __init__(self):
        self.x = ctypes.CDLL("libX11.so.6")
        self.xtest = ctypes.CDLL("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XStringToKeysym.restype = ctypes.c_ulong
        self.display = ctypes.c_void_p(self.x.XOpenDisplay(None))

    def keys(self, *names):
        codes = [self.x.XKeysymToKeycode(self.display, ctypes.c_ulong(self.x.XStringToKeysym(n.encode())))
                 for n in names]
        for code in codes:
            self.xtest.XTestFakeKeyEvent(self.display, code, True, 0)
        for code in reversed(codes):
            self.xtest.XTestFakeKeyEvent(self.display, code, False, 0)
        self.x.XFlush(self.display)

    def click(self, x, y):
        self.xtest.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtest.XTestFakeButtonEvent(self.display, 1, True, 0)
        self.xtest.XTestFakeButtonEvent(self.display, 1, False, 0)
        self.x.XFlush(self.display)


def windows():
    """Each named top-level window's name and absolute place."""
    tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout
    found = {}
    for line in tree.splitlines():
        parts = line.strip().split('"')
        if len(parts) >= 3 and parts[0].startswith("0x"):
            place = line.split()[-1].lstrip("+").split("+")
            found[parts[1]] = (int(place[0]), int(place[1]))
    return found


def wait_for(condition, what, seconds=15):
    ends = time.monotonic() + seconds
    while time.monotonic() < ends:
        if condition():
            return
        time.sleep(0.05)
    raise AssertionError(what + " within %d s; windows: %s" % (seconds, windows()))


class OpenDialogKeys(unittest.TestCase):
    def setUp(self):
        self.home = tempfile.TemporaryDirectory()
        read, write = os.pipe()
        self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                        "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            os.environ["DISPLAY"] = ":" + display.readline().strip()
        environment = dict(os.environ, HOME=self.home.name, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb")
        self.window = subprocess.Popen([PROGRAM, LOG], env=environment, stderr=subprocess.DEVNULL)
        wait_for(lambda: "Kellvar for Windows" in windows(), "the window opened")
        self.x = X()

    def tearDown(self):
        self.window.kill()
        self.window.wait()
        self.server.kill()
        self.server.wait()
        self.home.cleanup()

    def open_dialog(self):
        # Without a window manager the keys go to the window under the
        # pointer; the window takes them once its start-up has read the log.
        left, top = windows()["Kellvar for Windows"]
        self.x.click(left + 400, top + 300)

        def opened():
            self.x.keys("Control_L", "o")
            ends = time.monotonic() + 1
            while time.monotonic() < ends:
                if "Load Modem Log File" in windows():
                    return True
                time.sleep(0.05)
            return False

        wait_for(opened, "Ctrl+O opened the dialog")

    def test_escape_cancels_the_open_dialog(self):
        self.open_dialog()
        self.x.keys("Escape")
        wait_for(lambda: "Load Modem Log File" not in windows(), "Escape closed the dialog")

    def test_escape_cancels_it_after_a_click_into_it(self):
        self.open_dialog()
        left, top = windows()["Load Modem Log File"]
        self.x.click(left + 300, top + 150)
        self.x.keys("Escape")
        wait_for(lambda: "Load Modem Log File" not in windows(), "Escape closed the dialog after a click")
        self.assertIsNone(self.window.poll(), "the window stays open")


if __name__ == "__main__":
    unittest.main()
