# Tessivo as a screen reader meets it: the accessible tree read over AT-SPI on the accessibility bus of a
# private D-Bus session, buttons pressed through their action "Press", colour boxes clicked where the tree
# says they are; what is announced is held against the screen and the X11 clipboard.
#   dbus-run-session -- /usr/bin/python3 screen_reader.py --binary PATH     (Debian's python3, for pyatspi)
import re, sys, time
from collections import Counter
from drivers import X11, wait_until

RGB, DISPLAY = ("Rot", "Grün", "Blau"), "Ausgewählte Farbe"
FIELDS = ("RGB-Farb-Code, Eingabe+Return", "Decimal Zeigen/Eingeben", *RGB)  # the text fields, by name
# Push buttons, then check boxes: name, description (the tooltip); and how many controls have each role.
CONTROLS = [("Copy", "In Zwischen-Ablage Kopieren"), ("Farbe Speichern",) * 2,
            *((f"{c}: {tip}", tip) for c in RGB for tip in ("Hochzählen/Stoppen", "Runterzählen/Stoppen")),
            ("Stopp", "Alles Stoppen"), ("Start", "Alles Starten"), ("X L", "FarbenXL"), ("Ende", ""),
            ("VGA-Farbe-Text", "Text nur bei VGA-Farben möglich"),
            *((f"{c}: {tip}", tip) for tip in ("5-er Schritte", "Tippen") for c in RGB)]
ROLES = {"frame": 1, "panel": 2, "text": 86, "label": 4, "push button": 12, "check box": 7}
# What the user does (pick: clicks the colour box so named; press: the button's action "Press"), then what is
# heard: the display's colour (its description), the texts of the fields (one blank between two), the names
# of the custom slots that are not white.
STEPS = [("start", "", "FFFFFF", "  0 0 0", ""), ("pick", "FF0000", "FF0000", "FF0000 255 255 0 0", ""),
         ("press", "Farbe Speichern", "FF0000", "FF0000 255 255 0 0", "FF0000"),
         ("pick", "0000C0", "0000C0", "0000C0 12582912 0 0 192", "FF0000"),
         ("press", "Farbe Speichern", "0000C0", "0000C0 12582912 0 0 192", "FF0000 0000C0")]


def nodes(node):  # the node and every node below it, in the tree's order
    return [node, *(below for child in node for below in nodes(child))]


def centre(node):
    box = node.queryComponent().getExtents(0)  # in screen pixels
    return box.x + box.width // 2, box.y + box.height // 2


def faults(d, window, display, texts, slots):  # what a screen reader hears wrong now, by topic
    pixel, seen = d.shot(), [(n.getRoleName(), n.name, n.description, n) for n in nodes(window)]
    boxes = [(name, tip) for _, name, tip, _ in seen if re.fullmatch("[0-9A-F]{6}", name)]
    found = dict(roles=Counter(s[0] for s in seen), nameless=[s[0] for s in seen if not s[1]],
                 controls=[s[1:3] for s in seen if s[0] in ("push button", "check box")],
                 tips=[tip for _, tip in boxes], slots=[name for name, _ in boxes[48:]],
                 display=[s[2] for s in seen if s[1] == DISPLAY],
                 texts=[s[3].queryText().getText(0, -1) for name in FIELDS for s in seen if s[:2] == ("text", name)],
                 unlike_screen=[(c, pixel(*centre(n))) for _, *named, n in seen for c in named
                                if re.fullmatch("[0-9A-F]{6}", c) and pixel(*centre(n)) != c])
    wanted = dict(roles=ROLES, nameless=["panel", "panel", "label"], controls=CONTROLS,
                  tips=[""] * 48 + ["Mit Dbl-Click Löschen", "Selbstdefinierte Farben"] * 8,
                  slots=(slots + " FFFFFF" * 16).split()[:16], display=[display],
                  texts=texts.split(" "), unlike_screen=[])
    return {topic: found[topic] for topic in found if found[topic] != wanted[topic]}


def main(binary):
    d = X11()
    try:
        d.boot()
        d.spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        import pyatspi  # only now: importing it would have the session bus start a launcher of its own
        d.env |= {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        d.spawn(binary, stdout=None, stderr=None)
        app = wait_until(lambda: [a for a in pyatspi.Registry.getDesktop(0) if a.name == "Tessivo"])[0]
        window = lambda *shown: wait_until(lambda: [w for w in app if (w.getRoleName(), w.name) in shown])[0]
        main = window(("frame", "Marvanta V 0.04"))
        named = lambda name: next(n for n in nodes(main) if n.name == name)
        press = lambda name: (act := named(name).queryAction()).doAction(
            [act.getName(i) for i in range(act.nActions)].index("Press"))
        for verb, name, *heard in STEPS:
            print(verb, name, flush=True)  # a failure comes after the step that failed
            dict(start=str, pick=lambda name: d.click(*centre(named(name))), press=press)[verb](name)
            wait_until(lambda: faults(d, main, *heard), lambda wrong: not wrong)
        press("Copy")
        wait_until(d.clipboard, lambda clip: clip == b"0000C0")
        press("Blau: Runterzählen/Stoppen")
        wait_until(lambda: named(DISPLAY).description, lambda colour: colour != "0000C0")
        press("Stopp")  # from then on the display's colour stands still
        wait_until(lambda: (named(DISPLAY).description, time.sleep(0.6), named(DISPLAY).description)[::2],
                   lambda colours: len(set(colours)) == 1)
        press("X L")
        window(("frame", "FarbenXL, Click Speichern"), ("dialog", "FarbenXL, Click Speichern"))
    finally:
        d.stop()


if __name__ == "__main__":
    main(sys.argv[sys.argv.index("--binary") + 1])
