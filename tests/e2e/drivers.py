# Display servers for Tessivo's end-to-end tests, which use the program from outside as a person would.
# A driver's boot() starts its servers; spawn(*command) starts a client of them, such as the program, and
# run(*command) runs one to its end; stop() ends the clients it started, then the servers. window(title)
# -> (left, top, width, height) of the shown window of that title in screen pixels, else None; shot() ->
# pixel(x, y) -> "RRGGBB" of a screenshot; scale, the device pixel ratio. The person's hands: click(x, y,
# times, button), keys(*keys) in X keysym names with "+" after modifiers ("ctrl+a", "Return"), drag(x, y,
# to_x, to_y) with the left button, offer(text, primary) puts text on the clipboard (or makes it the
# selection that the middle button pastes), clipboard(primary) reads it, close(title) asks the window manager to
# close a window, move(title, x, y) moves it.
import glob, json, os, re, shutil, subprocess, tempfile, time

SCREEN = (1024, 768)  # every display's size, in pixels


def wait_until(read, accept=bool, timeout=15.0):  # generous: the machine may be busy building
    deadline = time.monotonic() + timeout
    while not accept(value := read()):
        assert time.monotonic() < deadline, f"still not so after {timeout:.0f} s; last seen: {value!r}"
        time.sleep(0.05)
    return value


def picture(ppm):  # a binary PPM's pixels are its last 3 * width * height bytes
    width, height = map(int, ppm.split(maxsplit=3)[1:3])
    return lambda x, y: ppm[(at := len(ppm) - 3 * (width * (height - y) - x)):at + 3].hex().upper()


def bgrx_picture(data, width, left=0, top=0):  # an X image of 32 bits a pixel, blue first
    return lambda x, y: data[(at := 4 * ((y - top) * width + x - left)):at + 3][::-1].hex().upper()


class Display:  # what the drivers share; what spawn() starts is quiet unless told otherwise
    def __init__(self, scale=1):
        self.scale, self.children, self.dir = scale, [], tempfile.TemporaryDirectory(prefix="tessivo-e2e-")
        self.env = {key: value for key, value in os.environ.items()  # not the host's display or Qt settings
                    if not re.match("QT_|WAYLAND_|XDG_SESSION|SESSION_MANAGER$|DISPLAY$|XAUTHORITY$|SWAYSOCK$", key)}
        self.env |= {"XDG_RUNTIME_DIR": self.dir.name, "QT_SCALE_FACTOR": str(scale)}

    def spawn(self, *args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **popen):
        self.children.append(subprocess.Popen(args, env=self.env, stdout=stdout, stderr=stderr, **popen))
        return self.children[-1]

    def run(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, timeout=10)

    def stop(self):
        if hasattr(self, "x"):
            self.x.close()
        for child in reversed(self.children):
            child.terminate()
            child.wait(5)


class X11(Display):  # Xvfb, and openbox, which turns close requests into WM_DELETE_WINDOW
    # -noreset: else the server resets whenever a probe's connection closes, dropping openbox's connection
    def boot(self):
        xvfb = self.spawn(*"Xvfb -displayfd 1 -noreset -screen 0".split(), "%dx%dx24" % SCREEN, stdout=subprocess.PIPE)
        self.env |= {"DISPLAY": ":" + xvfb.stdout.readline().decode().strip(), "QT_QPA_PLATFORM": "xcb"}
        self.spawn("openbox")
        wait_until(lambda: self.run("wmctrl", "-m").returncode == 0)
        # The first key xdotool sends to a new server can miss openbox's key bindings (Alt+F4 was lost in
        # 3 or 4 of 20 rows under load); after one harmless key, none was.
        self.keys("shift")
        # A key of the German menus (ü) lasting on the keyboard: xdotool would map it only while it types it,
        # and a busy program may read the key after the mapping is gone.
        from Xlib import XK, display  # Debian's python3-xlib; the connection serves the screenshots too
        self.x = display.Display(self.env["DISPLAY"])
        spare = next(code for code in range(255, 7, -1) if not any(self.x.keycode_to_keysym(code, i) for i in range(4)))
        self.x.change_keyboard_mapping(spare, [(XK.string_to_keysym("udiaeresis"), XK.string_to_keysym("Udiaeresis"))])
        self.x.sync()

    def window(self, title):
        info = self.run("xwininfo", "-name", title).stdout.decode()
        found = re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info)
        return tuple(map(int, found)) if "IsViewable" in info else None

    def shot(self, area=None):  # the screen, or an area of it (left, top, width, height): a few ms
        from Xlib import X
        left, top, width, height = area or (0, 0, *SCREEN)
        image = self.x.screen().root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF)
        return bgrx_picture(image.data, width, left, top)

    def click(self, x, y, times=1, button=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(times), "--delay", "60", str(button))

    def drag(self, x, y, to_x, to_y):  # the pointer moves on in steps, as a hand does
        steps = [str(v) for i in range(1, 6) for v in ("mousemove", x + (to_x - x) * i // 5, y + (to_y - y) * i // 5,
                                                        "sleep", "0.1")]
        self.run("xdotool", "mousemove", str(x), str(y), "mousedown", "1", "sleep", "0.2", *steps, "mouseup", "1")

    def keys(self, *keys):
        self.run("xdotool", "key", "--delay", "40", *keys)

    def offer(self, text, primary=False):  # xclip goes on holding the text in the background
        self.spawn("xclip", "-sel", "primary" if primary else "clip", stdin=subprocess.PIPE).communicate(text.encode())

    def clipboard(self, primary=False):  # or the selection
        return self.run("xclip", "-o", "-sel", "primary" if primary else "clip").stdout

    def close(self, title):
        self.run("wmctrl", "-c", title)

    def active(self, title):  # whether it has the focus
        return self.window_id(title) == hex(int(self.run("xdotool", "getactivewindow").stdout or 0))

    def window_id(self, title):  # or "" while there is none
        found = re.search(r"Window id: (0x[0-9a-f]+)", self.run("xwininfo", "-name", title).stdout.decode())
        return found[1] if found else ""

    def move(self, title, x, y):
        self.run("xdotool", "windowmove", self.window_id(title), str(x), str(y))

    def destroy(self, title):  # as any client may: the window is gone, with no close request before
        self.run("xdotool", "windowclose", self.window_id(title))

    def modal(self, title, owner):  # the hints by which a window manager keeps a window above its owner
        hints = self.run("xprop", "-id", self.window_id(title), "_NET_WM_STATE", "WM_TRANSIENT_FOR").stdout
        return "_NET_WM_STATE_MODAL" in hints.decode() and f"window id # {self.window_id(owner)}\n" in hints.decode()


class Wayland(Display):  # sway's headless backend, with wayvnc's virtual pointer and keyboard on its seat
    CONFIG = (f"output HEADLESS-1 resolution {SCREEN[0]}x{SCREEN[1]} position 0 0\nxwayland disable\n"
              "default_floating_border none\nbindsym Mod1+F4 kill\n")

    def boot(self):  # sway refuses to run as root: then it runs as nobody, in a folder of its own
        os.mkdir(home := os.path.join(self.dir.name, "sway"), 0o700)
        with open(os.path.join(home, "config"), "w") as config:
            config.write(self.CONFIG)
        user = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if os.getuid() == 0 else []
        if user:  # nobody may pass through our folder to its own; ours moves one down
            os.chmod(self.dir.name, 0o711)
            os.mkdir(ours := os.path.join(self.dir.name, "run"), 0o700)
            self.env["XDG_RUNTIME_DIR"] = ours
            for path in (home, config.name):
                shutil.chown(path, "nobody", "nogroup")
        self.env |= {"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
        self.spawn(*user, "env", f"XDG_RUNTIME_DIR={home}", f"HOME={home}", "sway", "-c", config.name)
        socket, ipc = (wait_until(lambda: glob.glob(os.path.join(home, name)))[0]
                       for name in ("wayland-[0-9]", "sway-ipc.*.sock"))
        self.env |= {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": socket, "SWAYSOCK": ipc}
        self.spawn("wayvnc", "--unix-socket", os.path.join(self.dir.name, "vnc"))
        wait_until(lambda: len(self.sway("-t", "get_inputs")) == 2)

    def sway(self, *message):
        return json.loads(self.run("swaymsg", "-r", *message).stdout or "null")

    def shown(self, title):  # sway's records of the shown windows of that title
        nodes = lambda node: [node, *(n for child in node["nodes"] + node["floating_nodes"] for n in nodes(child))]
        return [w for w in nodes(self.sway("-t", "get_tree")) if w["name"] == title and w["visible"]]

    def window(self, title):  # the window's place on the screen: its frame's, then its own within the frame
        return next(((w["rect"]["x"] + w["window_rect"]["x"], w["rect"]["y"] + w["window_rect"]["y"],
                      w["window_rect"]["width"], w["window_rect"]["height"]) for w in self.shown(title)), None)

    def active(self, title):
        return any(w["focused"] for w in self.shown(title))

    def shot(self, area=None):  # the whole screen: grim takes as long for a part of it
        return picture(self.run("grim", "-t", "ppm", "-").stdout)

    def click(self, x, y, times=1, button=1):  # the pointer comes to rest before it presses, as a hand's does
        self.sway(f"seat seat0 cursor set {x} {y}")
        time.sleep(0.05)
        for _ in range(int(times)):
            self.sway(f"seat seat0 cursor press button{button}")
            self.sway(f"seat seat0 cursor release button{button}")
        self.sway("seat seat0 cursor set 0 0")  # out of the way: screenshots here show the pointer

    def drag(self, x, y, to_x, to_y):
        self.sway(f"seat seat0 cursor set {x} {y}")
        time.sleep(0.05)
        self.sway("seat seat0 cursor press button1")
        for i in range(1, 6):
            time.sleep(0.1)
            self.sway(f"seat seat0 cursor set {x + (to_x - x) * i // 5} {y + (to_y - y) * i // 5}")
        time.sleep(0.1)
        self.sway("seat seat0 cursor release button1")
        self.sway("seat seat0 cursor set 0 0")

    def keys(self, *keys):  # one wtype keyboard for the lot; modifiers held around their key
        self.run("wtype", *(word for *modifiers, key in (key.split("+") for key in keys) for word in (
            *(f for m in modifiers for f in ("-M", m)), "-k", key, *(f for m in modifiers for f in ("-m", m)),
            "-s", "40")))

    def offer(self, text, primary=False):  # wl-copy, too, goes on holding the text in the background
        self.spawn("wl-copy", *["--primary"][:primary], stdin=subprocess.PIPE).communicate(text.encode())

    def clipboard(self, primary=False):
        return self.run("wl-paste", "--no-newline", *["--primary"][:primary]).stdout

    def close(self, title):
        self.sway(f'[title="^{re.escape(title)}$"] kill')

    def move(self, title, x, y):
        self.sway(f'[title="^{re.escape(title)}$"] move position {x} {y}')


class Schemed(X11):  # X11 with a colour scheme, as a desktop's settings hand it to Qt (qt6ct, with Fusion)
    def boot(self):
        os.mkdir(config := os.path.join(self.dir.name, "qt6ct"))
        with open(os.path.join(config, "qt6ct.conf"), "w") as conf:
            conf.write(f"[Appearance]\ncustom_palette=true\ncolor_scheme_path={self.SCHEME}\nstyle=Fusion\n")
        self.env |= {"XDG_CONFIG_HOME": self.dir.name, "QT_QPA_PLATFORMTHEME": "qt6ct"}
        super().boot()


class Dark(Schemed):
    SCHEME = "/usr/share/qt6ct/colors/darker.conf"


class HighContrast(Schemed):  # white and yellow on black
    SCHEME = os.path.join(os.path.dirname(os.path.abspath(__file__)), "high_contrast.conf")


class Reader(X11):  # X11 with the accessibility bus of the D-Bus session it runs in, read as a screen reader does
    def boot(self):
        super().boot()
        self.spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def tree(self, title):  # the program's window of that name and every node below it, in the tree's order
        import pyatspi  # only now: imported sooner, it would have the session bus start a launcher of its own
        self.atspi, nodes = pyatspi, lambda node: [node, *(below for child in node for below in nodes(child))]
        return next((nodes(window) for app in pyatspi.Registry.getDesktop(0) if app.name == "Tessivo"
                     for window in app if window.name == title), [])
