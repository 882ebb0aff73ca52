"""Running Tessivo as its own process on a real display server and using it
from outside, as a user would: pointer and keys through xdotool, titles and
window places through xdotool and xwininfo, colours from screenshots, the
clipboard through xclip.

Every wait polls a condition with a deadline; nothing waits a fixed time.
"""

import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

BINARY = None  # the tessivo under test, from --binary
POLL_INTERVAL = 0.05
WAIT = 15.0  # generous: the machine may be busy building

MAIN_TITLE = "Marvanta V 0.04"
LARGE_TITLE = "FarbenXL, Click Speichern"
WHITE = (255, 255, 255)

# Places of the controls in twips (Left, Top, Width, Height), taken from the
# window design in main_window/frm_farben_design.h. Boxes of the chart and of
# the VGA palette are placed inside their frames: Frame1 (chart and custom
# slots) at Left 720, Frame2 (VGA palette) at 0, both at Top 0.
FRAME1_LEFT = 720
CONTROLS = {
    "red": (3240, 240, 495, 285),
    "red_up": (3720, 180, 375, 195),
    "code": (3480, 1320, 2055, 285),
    "display": (3480, 1680, 2055, 525),
    "save": (3000, 1695, 495, 495),
    "large": (5580, 1410, 255, 735),
    "decimal": (3000, 2295, 855, 285),
    "vga_text": (0, 2295, 1695, 255),
    "label3": (1920, 2295, 975, 255),
}
BOX_WIDTH, BOX_HEIGHT = 255, 285


def chart_box(index):
    """Swatch or custom slot `index` (0 to 63): 8 columns, index = 8 * row + column."""
    column, row = index % 8, index // 8
    return (FRAME1_LEFT + 120 + 240 * column, 240 + 240 * row, BOX_WIDTH, BOX_HEIGHT)


def vga_box(index):
    """VGA box `index` (0 to 15): two columns of eight, top to bottom."""
    return (120 + 240 * (index // 8), 240 + 240 * (index % 8), BOX_WIDTH, BOX_HEIGHT)


def pixels(twips):
    """Twips to pixels at 96 dpi, 15 twips a pixel, rounded as the window does."""
    return (twips + 7) // 15


def centre(place):
    left, top, width, height = (pixels(v) for v in place)
    return left + width // 2, top + height // 2


def wait_until(what, read, accept, timeout=WAIT):
    """Reads until `accept` takes the value; fails with the last value read."""
    deadline = time.monotonic() + timeout
    while True:
        value = read()
        if accept(value):
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"after {timeout:.0f} s still waiting for {what}; last seen: {value!r}")
        time.sleep(POLL_INTERVAL)


def observe(read, seconds):
    """The values read over a bounded time, for checks that something does not happen."""
    seen = []
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        seen.append(read())
        time.sleep(POLL_INTERVAL)
    return seen


def run(args, env, timeout=10.0, check=True):
    result = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        raise AssertionError(f"{' '.join(args)} failed ({result.returncode}): {result.stderr.strip()}")
    return result


def require(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise AssertionError("missing tools (scripts/common.sh installs them): " + ", ".join(missing))


def read_ppm(data):
    """(width, height, rgb bytes) of a binary PPM with 8-bit samples."""
    fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    if not fields or int(fields.group(3)) != 255:
        raise AssertionError("screenshot is not an 8-bit PPM")
    width, height = int(fields.group(1)), int(fields.group(2))
    return width, height, data[fields.end():]


class Picture:
    """A screenshot; pixel() gives (r, g, b) at absolute screen coordinates."""

    def __init__(self, ppm):
        self.width, self.height, self.rgb = read_ppm(ppm)

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.rgb[offset:offset + 3])

    def region(self, left, top, width, height):
        return {self.pixel(x, y) for y in range(top, top + height) for x in range(left, left + width)}


def clean_environment(runtime_dir):
    """The environment of a child: no inherited display, platform or scaling."""
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("QT_", "WAYLAND_", "XDG_SESSION", "SESSION_MANAGER"))
           and key not in ("DISPLAY", "XAUTHORITY")}
    env["XDG_RUNTIME_DIR"] = runtime_dir
    return env


def stop(process, grace=5.0):
    """Ends a child we started, politely first."""
    if process is None or process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(grace)


class X11Desktop:
    """A private Xvfb with openbox, which turns close requests into WM_DELETE_WINDOW."""

    def __init__(self):
        require("Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "xclip", "import", "wmctrl")
        self.tmp = tempfile.mkdtemp(prefix="tessivo-e2e-")
        os.chmod(self.tmp, 0o700)
        self.xvfb = self.wm = None
        self.env = clean_environment(self.tmp)
        self.xvfb_log = open(os.path.join(self.tmp, "xvfb.log"), "w")
        reader, writer = os.pipe()
        # -displayfd: the server takes a free display number and reports it.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
            pass_fds=(writer,), stdout=self.xvfb_log, stderr=subprocess.STDOUT, env=self.env)
        os.close(writer)
        try:
            number = b""
            deadline = time.monotonic() + WAIT
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([reader], [], [], max(0.0, deadline - time.monotonic()))
                chunk = os.read(reader, 16) if ready else b""
                if not chunk:
                    raise AssertionError("Xvfb did not report a display number")
                number += chunk
        finally:
            os.close(reader)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_until("openbox to manage the screen",
                   lambda: self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False).stdout,
                   lambda out: "window id" in out)

    def close(self):
        stop(self.wm)
        stop(self.xvfb)
        self.xvfb_log.close()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def x(self, args, check=True, timeout=10.0):
        return run(args, self.env, timeout=timeout, check=check)

    def screenshot(self):
        return Picture(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                                      env=self.env, capture_output=True, timeout=10, check=True).stdout)

    def clipboard(self):
        """The clipboard's text as another program reads it, or None."""
        result = self.x(["xclip", "-o", "-selection", "clipboard"], check=False)
        return result.stdout if result.returncode == 0 else None

    def windows(self, pid, title):
        found = self.x(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                        "--name", "^" + re.escape(title) + "$"], check=False)
        return found.stdout.split()

    def geometry(self, window):
        """Absolute (left, top, width, height) of the client area, without the frame."""
        info = self.x(["xwininfo", "-id", window]).stdout
        value = lambda label: int(re.search(label + r":\s+(-?\d+)", info).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"),
                value("Width"), value("Height"))

    def close_request(self, window):
        """The window manager's close, as from the title bar's close button."""
        self.x(["wmctrl", "-i", "-c", window])


class Tessivo:
    """The program, started as its own process, and a user in front of it."""

    def __init__(self, desktop, binary):
        self.desktop = desktop
        env = dict(desktop.env, QT_QPA_PLATFORM="xcb")
        self.log = open(os.path.join(desktop.tmp, "tessivo.log"), "w")
        self.process = subprocess.Popen([binary], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.window = wait_until("the main window", lambda: self.desktop.windows(self.process.pid, MAIN_TITLE),
                                 bool)[0]
        self.desktop.x(["xdotool", "windowactivate", "--sync", self.window])
        self.origin = self.desktop.geometry(self.window)[:2]
        self.last_click = (None, 0.0)

    def close(self):
        stop(self.process)
        self.log.close()

    # The user's hands.
    def click_at(self, x, y, double=False):
        # Two clicks on one spot in quick succession would make a double-click.
        spot, when = self.last_click
        if spot == (x, y):
            time.sleep(max(0.0, when + 0.6 - time.monotonic()))
        args = ["xdotool", "mousemove", str(x), str(y), "click"]
        args += ["--repeat", "2", "--delay", "60", "1"] if double else ["1"]
        self.desktop.x(args)
        self.last_click = ((x, y), time.monotonic())

    def click(self, place, double=False):
        x, y = centre(place)
        self.click_at(self.origin[0] + x, self.origin[1] + y, double)

    def tick_box(self, place):
        """A click on the check box's square, at the left end of the control."""
        left, top, _, height = (pixels(v) for v in place)
        self.click_at(self.origin[0] + left + 7, self.origin[1] + top + height // 2)

    def type(self, text):
        self.desktop.x(["xdotool", "type", "--delay", "40", text])

    def key(self, *keys):
        self.desktop.x(["xdotool", "key", "--delay", "40", *keys])

    def enter_text(self, place, text):
        """Click into a field, select what it holds and type over it."""
        self.click(place)
        self.key("ctrl+a")
        self.type(text)

    # The user's eyes.
    def colour(self, place, picture=None):
        x, y = centre(place)
        return (picture or self.desktop.screenshot()).pixel(self.origin[0] + x, self.origin[1] + y)

    def wait_colour(self, place, expected, what):
        return wait_until(f"{what} to show {expected}", lambda: self.colour(place), lambda c: c == expected)

    def region(self, place, picture=None):
        left, top, width, height = (pixels(v) for v in place)
        return (picture or self.desktop.screenshot()).region(self.origin[0] + left, self.origin[1] + top,
                                                             width, height)

    def copied(self, expected):
        """Presses "&Copy" and reads the clipboard from another program."""
        self.key("alt+c")
        return wait_until(f"the clipboard to hold {expected!r}", self.desktop.clipboard,
                          lambda text: text == expected)

    def exit_status(self, timeout=5.0):
        """The status the process ends with within `timeout`, or None if it keeps running."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None


def main(usage):
    """Runs the tests of __main__: --binary PATH, then unittest's own arguments."""
    global BINARY
    args = sys.argv[1:]
    if len(args) < 2 or args[0] != "--binary":
        sys.exit(usage)
    BINARY = args[1]
    # A ctest time-out ends us with SIGTERM: let the clean-ups stop our children.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    unittest.main(module="__main__", argv=[sys.argv[0], *args[2:]], verbosity=2)
