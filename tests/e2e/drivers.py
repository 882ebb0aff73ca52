# Display servers for Tessivo's end-to-end tests, which use the program from outside as a person would.
# A driver's boot() starts its servers; spawn(*command) starts a client of them, such as the program, and
# run(*command) runs one to its end; stop() ends the clients it started, then the servers. window(title)
# -> (left, top, width, height) of the shown window of that title in screen pixels, else None; shot() ->
# pixel(x, y) -> "RRGGBB" of a screenshot; scale, the device pixel ratio.
import os, re, subprocess, tempfile, time


def wait_until(read, accept=bool, timeout=15.0):  # generous: the machine may be busy building
    deadline = time.monotonic() + timeout
    while not accept(value := read()):
        assert time.monotonic() < deadline, f"still not so after {timeout:.0f} s; last seen: {value!r}"
        time.sleep(0.05)
    return value


def picture(ppm):  # a binary PPM's pixels are its last 3 * width * height bytes
    width, height = map(int, ppm.split(maxsplit=3)[1:3])
    return lambda x, y: ppm[(at := len(ppm) - 3 * (width * (height - y) - x)):at + 3].hex().upper()


class Display:  # what the drivers share; what spawn() starts is quiet unless told otherwise
    def __init__(self, scale=1):
        self.scale, self.children, self.dir = scale, [], tempfile.TemporaryDirectory(prefix="tessivo-e2e-")
        self.env = {key: value for key, value in os.environ.items()  # not the host's display or Qt settings
                    if not re.match("QT_|WAYLAND_|XDG_SESSION|SESSION_MANAGER$|DISPLAY$|XAUTHORITY$", key)}
        self.env |= {"XDG_RUNTIME_DIR": self.dir.name, "QT_SCALE_FACTOR": str(scale)}

    def spawn(self, *args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **popen):
        self.children.append(subprocess.Popen(args, env=self.env, stdout=stdout, stderr=stderr, **popen))
        return self.children[-1]

    def run(self, *args, cwd=None):
        return subprocess.run(args, env=self.env, cwd=cwd, capture_output=True, timeout=10)

    def stop(self):
        for child in reversed(self.children):
            child.terminate()
            child.wait(5)


class X11(Display):  # Xvfb, and openbox, which turns close requests into WM_DELETE_WINDOW
    # -noreset: else the server resets whenever a probe's connection closes, dropping openbox's connection
    def boot(self):
        xvfb = self.spawn(*"Xvfb -displayfd 1 -noreset -screen 0 1024x768x24".split(), stdout=subprocess.PIPE)
        self.env |= {"DISPLAY": ":" + xvfb.stdout.readline().decode().strip(), "QT_QPA_PLATFORM": "xcb"}
        self.spawn("openbox")
        wait_until(lambda: self.run("wmctrl", "-m").returncode == 0)

    def window(self, title):
        info = self.run("xwininfo", "-name", title).stdout.decode()
        found = re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info)
        return tuple(map(int, found)) if "IsViewable" in info else None

    def shot(self):
        return picture(self.run("import", "-window", "root", "-depth", "8", "ppm:-").stdout)


class Wayland(Display):  # weston's headless backend has no seat: no input, no clipboard
    def boot(self):  # --debug allows screenshots; the socket is in our own runtime folder
        self.env |= {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-0"}
        self.spawn(*"weston --backend=headless-backend.so --use-pixman --debug --socket=wayland-0".split())
        wait_until(lambda: os.path.exists(os.path.join(self.dir.name, "wayland-0")))

    def window(self, title):  # from weston's scene graph: the opaque part of the window's view
        found = re.findall(rf"window '{re.escape(title)}' .*\n.*\n.*opaque: \((\d+)\D+(\d+)\D+(\d+)\D+(\d+)",
                           self.run("weston-debug", "scene-graph").stdout.decode())
        return next(((int(l), int(t), int(r) - int(l), int(b) - int(t)) for l, t, r, b in found), None)

    def shot(self):  # weston-screenshooter writes its picture into the folder it runs in: a new one each time
        return picture(self.run("sh", "-c", "weston-screenshooter && convert *.png -depth 8 ppm:-",
                                cwd=tempfile.mkdtemp(dir=self.dir.name)).stdout)
