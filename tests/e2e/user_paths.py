# Tessivo's user paths, one row each: the steps a person takes and what is then seen from outside
# (colours on the screen, the clipboard, window titles, the exit status), or heard by a screen reader.
# A row runs on X11 and on Wayland, each time with its own display server and program.
#   user_paths.py --binary PATH [--scale N] DISPLAY.ROW       user_paths.py --list
#   (the reader's rows: dbus-run-session -- /usr/bin/python3 user_paths.py ..., for Debian's pyatspi)
import re, signal, sys, time
from collections import Counter
from drivers import X11, Wayland, Reader, wait_until

TITLES = dict(main="Marvanta V 0.04", xl="FarbenXL, Click Speichern")
# Where the controls are, in pixels at scale 1 (the design's twips / 15, rounded): left, top, width,
# height. "xl" is the large window's whole client area; every other control is in the main window.
CONTROLS = dict(red=(216, 16, 33, 19), red_up=(248, 12, 25, 13), code=(232, 88, 137, 19), xl=(0, 0, 375, 203),
                display=(232, 112, 137, 35), save=(200, 113, 33, 33), large=(372, 94, 17, 49),
                decimal=(200, 153, 57, 19), vga_text=(0, 153, 14, 17), vga_name=(128, 153, 65, 17),
                **{f"chart{i}": (56 + i % 8 * 16, 16 + i // 8 * 16, 17, 19) for i in range(64)},
                **{f"vga{i}": (8 + i // 8 * 16, 16 + i % 8 * 16, 17, 19) for i in range(16)})

# NAME: STEP; STEP; ... (indented lines continue a row). "CONTROL CODE": the control's centre shows that
# colour, a code RRGGBB in which .. is any value. "counts CONTROL CODE": a counter runs, the control showing
# three colours of the code within 1.5 s, ++ being one that rises. "still [CONTROL]": it (the display)
# stands still for 0.6 s. "shows CODE": the display's colour and the code that Alt+C copies ("copy TEXT":
# Alt+C, then the clipboard holds TEXT). "click CONTROL 2" double-clicks. "window W [WIDTH HEIGHT]": W is
# shown (that big); "active W": it has the focus. "close W": the window manager asks W to close, and it
# goes ("gone W": it goes).
# "over W OWNER": W is shown with its centre on OWNER; "modal W OWNER": W carries the hints of a modal
# window over OWNER; "destroy W": another client destroys W outright; "move W X Y": W is moved there.
# "xl" is the large window, "chart48" the first custom slot, "vga_text" the square of the text mode check
# box, "vga_name" the label that shows a VGA colour's name in text mode ("label ... empty": one colour
# only). In pasted text, \n is a line break. "hears DISPLAY CODE DECIMAL RED GREEN BLUE [SLOT ...]": a
# screen reader hears the display's colour, the fields' texts ("-": empty) and the slots not white, and all
# that HEARD holds; "press BUTTON": it presses the button so named; "focus NAME": it puts the focus on it;
# "frame W": it finds W as a frame. A row marked "(DISPLAY only: why)" runs on that display alone.
TABLE = r"""
start: window main 392 173; display FFFFFF; chart17 FF0000; chart46 000040; chart56 FFFFFF; vga0 000000;
  vga4 000080; vga12 0000FF; vga13 FF00FF
decimal: enter decimal 12345678; shows 4E61BC
code_with_enter: enter code ff8000; key Return; shows FF8000; enter code 12345; key Return; shows 123405
vga_box_text_mode: label vga_name empty; click vga4; shows 000080; click vga_text; click vga12;
  label vga_name text; still; display 000080; click vga_text; click vga12; display 0000FF; label vga_name empty
custom_slots: chart48 FFFFFF; click chart20; click save; chart48 00FF00; chart49 FFFFFF; click chart22;
  display 0000FF; click chart48 2; chart48 FFFFFF; display 00FF00; click chart17; click save; chart48 FF0000
counters_stop_start: click red_up; counts display ++0000; key alt+s; still; key alt+a; counts display ......
copy_all_and_selection: clip; enter code 1a2b3c; key Return; shows 1A2B3C; click code;
  key Home Right Right shift+Right shift+Right; copy 2B; click chart20; display 00FF00; clip 2B
large_window: click chart27; click large; xl C0C000; click xl; close xl; chart48 C0C000;
  click red_up; counts display ..C000; click large; same xl display; counts xl ..C000;
  click xl; close xl; chart49 ..C000; still chart49; key alt+s; click chart20; display 00FF00
end_button: window main; key alt+e; exit 0
close_main_with_large_open: click red_up; click large; window xl; close main; exit 0
large_window_alt_f4: click large; active xl; key alt+F4; gone xl; click chart17; shows FF0000
large_window_destroyed (x11 only: no Wayland client can destroy another's window or read its hints, and sway
  places a dialog at the centre of the screen, wherever its parent is): move main 600 500; click large;
  over xl main; modal xl main; destroy xl; click chart17; shows FF0000; click large; window xl; close xl
typed_component_alt_keys: enter red 200; key End alt+x alt+q; display C80000; key ctrl+a ctrl+c; clip 200; copy C80000;
  enter code ff8000; key alt+z Return; shows FF8000
pasted_code: paste #ff8000\n; click code; key ctrl+a ctrl+v Return; shows FF8000
screen_reader (reader only: the accessibility bus is read beside X11): frame main; hears FFFFFF - - 0 0 0;
  focus FF0000; key space; hears FF0000 FF0000 255 255 0 0; press Farbe Speichern;
  hears FF0000 FF0000 255 255 0 0 FF0000; click chart30; press Farbe Speichern;
  hears 0000C0 0000C0 12582912 0 0 192 FF0000 0000C0; press Copy; clip 0000C0; press Blau: Runterzählen/Stoppen;
  counts display 0000..; press Stopp; still; press X L; frame xl
"""
DISPLAYS = dict(x11=X11, wayland=Wayland, reader=Reader)
# What a screen reader hears in the main window, every time: how many nodes have each role (the window
# itself a frame), which are nameless, the push buttons' and check boxes' names and descriptions (their
# tooltips); and the fields by name.
RGB = ("Rot", "Grün", "Blau")
HEARD = dict(roles=Counter({"frame": 1, "panel": 2, "text": 86, "label": 4, "push button": 12, "check box": 7}),
             nameless=["panel", "panel", "label"],
             controls=[("Copy", "In Zwischen-Ablage Kopieren"), ("Farbe Speichern",) * 2,
                       *((f"{c}: {tip}", tip) for c in RGB for tip in ("Hochzählen/Stoppen", "Runterzählen/Stoppen")),
                       ("Stopp", "Alles Stoppen"), ("Start", "Alles Starten"), ("X L", "FarbenXL"), ("Ende", ""),
                       ("VGA-Farbe-Text", "Text nur bei VGA-Farben möglich"),
                       *((f"{c}: {tip}", tip) for tip in ("5-er Schritte", "Tippen") for c in RGB)])
FIELDS = ("RGB-Farb-Code, Eingabe+Return", "Decimal Zeigen/Eingeben", *RGB)


def spot(d, name, whole=False):  # a control's centre in screen pixels, or its area: left, top, width, height
    left, top = STEPS["window"](d, "xl" if name == "xl" else "main")[:2]
    x, y, w, h = (d.scale * v for v in CONTROLS[name])
    return (left + x, top + y, w, h) if whole else (left + x + w // 2, top + y + h // 2)


def look(d, *names):  # reads the colours at the controls' centres, from one screenshot
    return lambda: tuple(pixel(*spot(d, name)) for pixel in [d.shot()] for name in names)


def watch(d, name, seconds):  # the colours a control shows over some seconds, each once, in order
    read, end = look(d, name), time.monotonic() + seconds
    return list(dict.fromkeys(read()[0] for _ in iter(lambda: time.monotonic() < end, False)))


def counts(d, name, code):  # three colours of the code within 1.5 s, in the order seen; ++ must rise
    found = wait_until(lambda: [c for c in watch(d, name, 1.5) if re.fullmatch(code.replace("+", "."), c)],
                       lambda found: len(found) >= 3)
    assert "+" not in code or found == sorted(found), f"not rising: {found}"


def over(d, name, owner):  # the window is shown with its centre on its owner
    def centred(seen):
        (x, y, width, height), (left, top, owner_width, owner_height) = seen
        return left < x + width / 2 < left + owner_width and top < y + height / 2 < top + owner_height
    wait_until(lambda: (d.window(TITLES[name]), d.window(TITLES[owner])), lambda seen: all(seen) and centred(seen))


def hears(d, display, *texts_and_slots):  # the display's colour, the fields' texts ("-": none), the slots
    def wrong():  # by topic, what is heard wrong; every colour is heard as the screen shows it
        pixel, seen = d.shot(), [(n.getRoleName(), n.name, n.description, n) for n in d.tree(TITLES["main"])]
        centre = lambda n: (lambda box: (box.x + box.width // 2, box.y + box.height // 2))(
            n.queryComponent().getExtents(0))
        boxes = [name for _, name, _, _ in seen if re.fullmatch("[0-9A-F]{6}", name)]
        heard = dict(roles=Counter(s[0] for s in seen), nameless=[s[0] for s in seen if not s[1]],
                     controls=[s[1:3] for s in seen if s[0] in ("push button", "check box")],
                     slots=boxes[48:],
                     display=[s[1] for s in seen if s[2] == "Ausgewählte Farbe"],
                     texts=[s[3].queryText().getText(0, -1) or "-" for f in FIELDS for s in seen
                            if s[:2] == ("text", f)],
                     unlike_screen=[(c, pixel(*centre(n))) for _, name, _, n in seen
                                    for c in re.findall("(?:^|: )([0-9A-F]{6})$", name) if pixel(*centre(n)) != c])
        wanted = HEARD | dict(slots=[*texts_and_slots[5:], *["FFFFFF"] * 16][:16],
                              display=["Ausgewählte Farbe: " + display],
                              texts=list(texts_and_slots[:5]), unlike_screen=[])
        return {topic: heard[topic] for topic in heard if heard[topic] != wanted[topic]}
    wait_until(wrong, lambda heard_wrong: not heard_wrong)


def node(d, *name):  # the first in the main window so named
    return next(n for n in d.tree(TITLES["main"]) if n.name == " ".join(name))


def press(d, *name):  # a button's action "Press", as a screen reader offers it
    action = node(d, *name).queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def flat(d, name):  # whether the control shows one colour only
    x, y, w, h = spot(d, name, whole=True)
    return lambda: len({pixel(x + i % w, y + i // w) for pixel in [d.shot()] for i in range(w * h)}) == 1


STEPS = {
    "click": lambda d, name, times="1": d.click(*spot(d, name), times),
    "enter": lambda d, name, text: (d.click(*spot(d, name)), d.keys("ctrl+a", *text)),
    "key": lambda d, *keys: d.keys(*keys),
    "paste": lambda d, text: d.offer(text.replace(r"\n", "\n")),
    "close": lambda d, w: (d.close(TITLES[w]), STEPS["gone"](d, w)),
    "gone": lambda d, w: wait_until(lambda: not d.window(TITLES[w])),
    "active": lambda d, w: wait_until(lambda: d.active(TITLES[w])),
    "destroy": lambda d, w: d.destroy(TITLES[w]),
    "move": lambda d, w, x, y: d.move(TITLES[w], x, y),
    "modal": lambda d, w, owner: wait_until(lambda: d.modal(TITLES[w], TITLES[owner])),
    "over": over,
    "clip": lambda d, text="": wait_until(d.clipboard, lambda seen: seen == text.encode()),
    "copy": lambda d, text: (STEPS["key"](d, "alt+c"), STEPS["clip"](d, text)),
    "shows": lambda d, code: (STEPS["see"](d, "display", code), STEPS["copy"](d, code)),
    "window": lambda d, window, *size: wait_until(lambda: d.window(TITLES[window]), lambda seen: seen and (
        not size or seen[2:] == tuple(d.scale * int(v) for v in size))),
    "see": lambda d, name, code: wait_until(look(d, name), lambda seen: re.fullmatch(code, *seen)),
    "same": lambda d, *names: wait_until(look(d, *names), lambda seen: len(set(seen)) == 1),
    "counts": counts,
    "still": lambda d, name="display": wait_until(lambda: watch(d, name, 0.6), lambda seen: len(seen) == 1),
    "label": lambda d, name, shows: wait_until(flat(d, name), lambda one: one == (shows == "empty")),
    "hears": hears,
    "press": press,
    "focus": lambda d, *name: node(d, *name).queryComponent().grabFocus(),
    "frame": lambda d, w: wait_until(lambda: [n.getRoleName() for n in d.tree(TITLES[w])[:1]] == ["frame"]),
    "exit": lambda d, status: wait_until(d.app.poll, lambda seen: seen == int(status)),
}

ROWS, ONLY = {}, {}  # a row's steps, and the one display it can run on, if it is marked so
for name, ONLY[name], steps in (re.fullmatch(r"(\w+)(?: \((\w+) only: [^)]*\))?: (.*)", row).groups()
                                for row in TABLE.replace("\n  ", " ").strip().splitlines()):
    ROWS[name] = [words if words[0] in STEPS else ["see", *words] for words in map(str.split, steps.split(";"))]


def main(args):
    if args == ["--list"]:
        assert set(ONLY.values()) <= {None, *DISPLAYS}, "a row marked for no display"
        return print(*(f"{name}.{row}" for name in DISPLAYS for row in ROWS
                       if ONLY[row] == name or (ONLY[row] is None and name != "reader")), sep="\n")
    options, (display, row) = dict(zip(args[:-1:2], args[1:-1:2])), args[-1].split(".")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))  # terminated: stop the servers too
    d = DISPLAYS[display](int(options.get("--scale", 1)))
    try:
        d.boot()
        d.app = d.spawn(options["--binary"], stdout=None, stderr=None)  # its output goes to ours
        for verb, *words in ROWS[row]:
            print(verb, *words, flush=True)  # a failure comes after the step that failed
            STEPS[verb](d, *words)
    finally:
        d.stop()


if __name__ == "__main__":
    main(sys.argv[1:])
