"""Tessivo on Wayland: weston's headless backend, Qt's Wayland platform.

Usage: wayland_test.py --binary build/tessivo [unittest arguments]

The headless backend has no seat: no keyboard, no pointer and no data device,
so no input can reach the window and no client can set or read the clipboard
("wl-paste: Missing a seat"). What can be seen from outside is checked: the
title in weston's scene graph and the window's colours in a screenshot.
"""

import glob
import os
import re
import shutil
import subprocess
import tempfile
import unittest

import desktop
from desktop import (CONTROLS, MAIN_TITLE, WHITE, Picture, centre, chart_box, clean_environment, require,
                     run, stop, vga_box, wait_until)

CLIENT_SIZE = (392, 173)  # the design's 5880 x 2595 twips


class WaylandTest(unittest.TestCase):
    def setUp(self):
        require("weston", "weston-debug", "weston-screenshooter", "convert")
        self.tmp = tempfile.mkdtemp(prefix="tessivo-wayland-")
        os.chmod(self.tmp, 0o700)
        self.addCleanup(shutil.rmtree, self.tmp, True)
        self.env = clean_environment(self.tmp)
        self.env["WAYLAND_DISPLAY"] = "wayland-tessivo"
        log = open(os.path.join(self.tmp, "weston.log"), "w")
        self.addCleanup(log.close)
        # --debug lets clients take screenshots and read the scene graph.
        self.weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug", "--idle-time=0",
             "--width=1024", "--height=768", "--socket=" + self.env["WAYLAND_DISPLAY"]],
            env=self.env, stdout=log, stderr=subprocess.STDOUT)
        self.addCleanup(stop, self.weston)
        wait_until("weston's socket", lambda: os.path.exists(os.path.join(self.tmp, "wayland-tessivo")), bool)
        self.app = subprocess.Popen([desktop.BINARY], env=dict(self.env, QT_QPA_PLATFORM="wayland"),
                                    stdout=log, stderr=subprocess.STDOUT)
        self.addCleanup(stop, self.app)

    def client_area(self):
        """(left, top) of the main window's client area, from weston's scene graph, or None."""
        scene = run(["weston-debug", "scene-graph"], self.env, check=False).stdout
        found = re.search(r"top-level window '" + re.escape(MAIN_TITLE) + r"' of tessivo.*?\n"
                          r"(?:\s+position:.*\n)\s+\[opaque: \((\d+), (\d+)\) -> \((\d+), (\d+)\)\]", scene)
        if not found:
            return None
        left, top, right, bottom = map(int, found.groups())
        return (left, top) if (right - left, bottom - top) == CLIENT_SIZE else None

    def screenshot(self):
        for old in glob.glob(os.path.join(self.tmp, "wayland-screenshot-*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.tmp, capture_output=True, timeout=10)
        shots = glob.glob(os.path.join(self.tmp, "wayland-screenshot-*.png"))
        if not shots:
            return None
        return Picture(subprocess.run(["convert", shots[0], "-depth", "8", "ppm:-"], capture_output=True,
                                      timeout=10, check=True).stdout)

    def test_title_and_window_colours(self):
        origin = wait_until(f"a window titled {MAIN_TITLE!r} in weston's scene graph", self.client_area, bool)
        expected = {"display": WHITE, "chart swatch 17": (255, 0, 0), "chart swatch 46": (0, 0, 0x40),
                    "VGA box 4": (0, 0, 128), "VGA box 13": (255, 0, 255)}
        places = {"display": CONTROLS["display"], "chart swatch 17": chart_box(17),
                  "chart swatch 46": chart_box(46), "VGA box 4": vga_box(4), "VGA box 13": vga_box(13)}

        def colours():
            shot = self.screenshot()
            if shot is None:
                return None
            return {name: shot.pixel(origin[0] + centre(place)[0], origin[1] + centre(place)[1])
                    for name, place in places.items()}

        wait_until("the window's colours in a screenshot", colours, lambda seen: seen == expected)
        self.assertIsNone(self.app.poll(), "Tessivo runs on")


if __name__ == "__main__":
    desktop.main(__doc__)
