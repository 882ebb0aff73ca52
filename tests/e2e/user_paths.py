# Tessivo's user paths, one row each: the steps a person takes and what is then seen from outside
# (colours on the screen, the clipboard, window titles, the exit status, the pace of what moves), or
# heard by a screen reader. A row runs on X11 and on Wayland, each time with its own display server and
# program.
#   user_paths.py --binary PATH [--drag-source PATH] [--scale N] DISPLAY.ROW       user_paths.py --list
#   (the reader's rows: dbus-run-session -- /usr/bin/python3 user_paths.py ...)
import re, signal, statistics, sys, threading, time
from collections import Counter
from drivers import X11, Wayland, Reader, Dark, HighContrast, wait_until

TITLES = dict(main="Marvanta V 0.04", xl="FarbenXL, Click Speichern", source="Drag source")
# Where the controls are, in pixels at scale 1 (the design's twips / 15, rounded): left, top, width,
# height. "xl" is the large window's whole client area; every other control is in the main window.
CONTROLS = dict(red=(216, 16, 33, 19), green=(272, 16, 33, 19), blue=(328, 16, 33, 19), heading_red=(216, 0, 33, 17),
                red_up=(248, 12, 25, 13), green_up=(304, 12, 25, 13), blue_up=(360, 12, 25, 13),
                five_red=(224, 40, 49, 13), copy=(216, 72, 49, 17), code=(232, 88, 137, 19), xl=(0, 0, 375, 203),
                display=(232, 112, 137, 35), save=(200, 113, 33, 33), large=(372, 94, 17, 49),
                decimal=(200, 153, 57, 19), decimal_end=(248, 153, 6, 19), vga_text=(0, 153, 14, 17),
                vga_name=(128, 153, 65, 17), source=(0, 0, 120, 60),
                **{f"chart{i}": (56 + i % 8 * 16, 16 + i // 8 * 16, 17, 19) for i in range(64)},
                **{f"vga{i}": (8 + i // 8 * 16, 16 + i % 8 * 16, 17, 19) for i in range(16)})
# The window's design: the chart's colours by index, the VGA palette's colours and tooltips by index.
CHART = """FFFFFF FFC0C0 FFE0C0 FFFFC0 C0FFC0 C0FFFF C0C0FF FFC0FF E0E0E0 FF8080 FFC080 FFFF80 80FF80 80FFFF 8080FF
  FF80FF C0C0C0 FF0000 FF8000 FFFF00 00FF00 00FFFF 0000FF FF00FF 808080 C00000 C04000 C0C000 00C000 00C0C0 0000C0
  C000C0 404040 800000 804000 808000 008000 008080 000080 800080 000000 400000 804040 404000 004000 004040 000040
  400040""".split()
VGA = "000000 800000 008000 808000 000080 800080 008080 C0C0C0 808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF FFFFFF"
VGA_TIPS = [f"VGA-{german}/{english}" for german, english in (pair.split("/") for pair in """schwarz/black
  dunkelrot/maroon grün/green oliv/olive marineblau/navy lila/purple grünblau/teal silber/silver grau/gray rot/red
  hellgrün/lime gelb/yellow blau/blue rosa/fuchsia türkis/aqua weiß/white""".split())]

# NAME: STEP; STEP; ... (indented lines continue a row). "CONTROL CODE": the control's centre shows that
# colour, a code RRGGBB in which .. is any value. "counts CONTROL CODE": a counter runs, the control showing
# three colours of the code within 1.5 s, ++ being one that rises. "still [CONTROL]": it (the display)
# stands still for 0.6 s. "shows CODE": the display's colour and the code that Alt+C copies ("copy TEXT":
# Alt+C, then the clipboard holds TEXT; "selection TEXT": the selection that the middle button pastes).
# "click CONTROL [TIMES [BUTTON]]" clicks (2 times: a double-click;
# button 2 the middle, 3 the right one). "field FIELD TEXT": the field holds the text (Ctrl+A, Ctrl+C in
# it). "window W [WIDTH HEIGHT]": W is shown (that big); "active W": it has the focus. "close W": the
# window manager asks W to close, and it goes ("gone W": it goes). "args ...": the program is started with
# these arguments. "boxes": all 80 colour boxes show the design's colours, read from one screenshot.
# "lines CONTROL N": its caption shows N lines. "readable CONTROL [FROM [TO]]": its text (between those
# pixels from its left) contrasts with its background at least 4.5:1.
# "over W OWNER": W is shown with its centre on OWNER; "modal W OWNER": W carries the hints of a modal
# window over OWNER; "destroy W": another client destroys W outright; "move W X Y": W is moved there;
# "takes CONTROL CODE": clicks on the control, again until the display shows CODE, as a user does whose
# first click came before the program learnt of what another client did.
# "paste TEXT" offers text on the clipboard, "select TEXT" as the selection that the middle button pastes
# (\n is a line break); "drag TEXT CONTROL" drags the text from another program onto the control.
# "pace CONTROL CHANNEL STEP PERIOD": a counter steps the control's red, green or blue by STEP every
# PERIOD ms; "typed FIELD CONTROL PERIOD": each digit typed into the field shows on the control PERIOD ms
# later; "follows W CONTROL PERIOD": W takes the colours the control shows within PERIOD / 2 ms on average. "menu
# CONTROL": its context menu is open.
# (Measured from outside for a few seconds: a pace half or twice as fast fails, a busy machine not.)
# "xl" is the large window, "chart48" the first custom slot, "vga_text" the square of the text mode check
# box, "vga_name" the label that shows a VGA colour's name in text mode ("label ... empty": one colour
# only). "hears DISPLAY CODE DECIMAL RED GREEN BLUE [SLOT ...]": a screen reader hears the display's colour,
# the fields' texts ("-": empty) and the slots not white, and all that HEARD holds; "press BUTTON", "toggle
# CHECK BOX": it acts on the control so named; "ticked yes|no CHECK BOX"; "write FIELD TEXT", "insert FIELD
# AT TEXT": it writes into a field; "focus NAME": it puts the focus on it; "frame W": it finds W as a frame;
# "tabs": Tab takes the focus from control to control in the design's order, back to the first. A row marked
# "(DISPLAY, ... only: why)" runs on those displays alone; x11 and wayland are the others' own.
TABLE = r"""
start: window main 392 173; boxes; display FFFFFF; lines large 2
decimal: enter decimal 12345678; shows 4E61BC
code_with_enter: enter code ff8000; key Return; shows FF8000; enter code 12345; key Return; shows 123405
vga_box_text_mode: label vga_name empty; click vga4; shows 000080; click vga_text; click vga12;
  label vga_name text; still; display 000080; click vga_text; click vga12; display 0000FF; label vga_name empty
custom_slots: chart48 FFFFFF; click chart20; click save; chart48 00FF00; chart49 FFFFFF; click chart22;
  display 0000FF; click chart48 2; chart48 FFFFFF; display 00FF00; click chart17; click save; chart48 FF0000
counters_stop_start: click red_up; counts display ++0000; key alt+s; still; key alt+a; counts display ......
copy_all_and_selection: active main; paste old; key alt+c; clip; enter code 1a2b3c; key Return; shows 1A2B3C;
  click code 2; selection 1A2B3C; copy 1A2B3C; key Home Right Right shift+Right shift+Right; click copy; clip 2B; click copy; clip 2B;
  click chart20; display 00FF00; clip 2B; click copy; clip 00FF00
large_window: click chart27; click large; xl C0C000; click xl; close xl; chart48 C0C000;
  click red_up; counts display ..C000; click large; same xl display; counts xl ..C000;
  click xl; close xl; chart49 ..C000; still chart49; key alt+s; click chart20; display 00FF00
end_button: click chart17; shows FF0000; paste 12; click decimal; key ctrl+a ctrl+v; display 0C0000; copy 0C0000;
  paste 7; key alt+e; exit 0
close_main_with_large_open: click red_up; click large; window xl; close main; exit 0
large_window_alt_f4: click large; active xl; key alt+F4; gone xl; click chart17; shows FF0000
large_window_destroyed (x11 only: no Wayland client can destroy another's window or read its hints, and sway
  places a dialog at the centre of the screen, wherever its parent is): move main 600 500; click large;
  over xl main; modal xl main; destroy xl; takes chart17 FF0000; click large; window xl; close xl
typed_component_alt_keys: enter red 20; key End alt+1 alt+q; display 140000; key ctrl+a ctrl+c; clip 20;
  copy 140000; enter code ff800; key alt+b Return; shows FF8000
command_line: args -reverse -qwindowtitle Foo -style windows -platform offscreen --unknown; window main 392 173;
  vga_text FFFFFF; chart17 FF0000; key alt+e; exit 0
pasted_keys_and_buttons: click chart20; display 00FF00; paste 1a2\n; click decimal; key ctrl+a ctrl+v;
  field decimal 12; display 0C0000; key ctrl+z; field decimal 65280; display 00FF00; paste 3b4; click decimal;
  key ctrl+a shift+Insert; field decimal 34; display 220000; key ctrl+z; field decimal 65280; select 5c6;
  click decimal_end 1 2; field decimal 6528056; display 389C63; key ctrl+z; field decimal 65280; paste 7d8;
  click decimal; key ctrl+a; menu decimal; key udiaeresis; field decimal 78; display 4E0000; key ctrl+z;
  field decimal 65280; display 00FF00
dropped_text: click chart20; display 00FF00; drag 9e1 decimal_end; field decimal 6528091; display 5B9C63;
  key ctrl+z; field decimal 65280; display 00FF00; click code; key ctrl+a BackSpace; drag #ff8000\n code;
  click code; key End Return; shows FF8000
counter_pace: click five_red; click red_up; pace display red 1 200; click five_red; pace display red 5 200
typing_pace: click red; typed red display 50
large_window_pace: move main 20 20; click red_up; click green_up; click blue_up; click large; move xl 500 300;
  follows xl display 50; pace xl red 5 200
readable (x11, dark, contrast only: the colour schemes are a desktop's settings on X11): click chart17;
  display FF0000; readable red; readable green; readable blue; readable code; readable decimal;
  readable heading_red; readable copy; readable five_red 16; click code; key ctrl+a; readable code 0 22
screen_reader (reader only: the accessibility bus is read beside X11): frame main; hears FFFFFF - - 0 0 0;
  focus FF0000; key space; hears FF0000 FF0000 255 255 0 0; press Farbe Speichern;
  hears FF0000 FF0000 255 255 0 0 FF0000; click chart30; press Farbe Speichern;
  hears 0000C0 0000C0 12582912 0 0 192 FF0000 0000C0; click code; key End shift+Left shift+Left; press Copy;
  clip C0; press Blau: Runterzählen/Stoppen; counts display 0000..; press Stopp; still; press X L; frame xl
screen_reader_writes (reader only: the accessibility bus is read beside X11): click chart20; display 00FF00;
  write decimal 1x5; display 0F0000; hears 0F0000 0F0000 15 15 0 0; click decimal; key ctrl+z; display 00FF00;
  insert decimal 0 2; display 400C04; hears 400C04 400C04 265280 64 12 4; key ctrl+z; display 00FF00
blocked_for_screen_reader (reader only: the accessibility bus is read beside X11): click chart20; display 00FF00;
  paste before; press X L; frame xl; press Copy; press Rot: Hochzählen/Stoppen; toggle Rot: 5-er Schritte;
  write decimal 7; press X L; press Ende; still; clip before; ticked yes Rot: 5-er Schritte;
  close xl; hears 00FF00 00FF00 65280 0 255 0; click chart17; shows FF0000; press X L; frame xl
tab_chain (reader only: the accessibility bus tells where the focus is): frame main; tabs
"""
DISPLAYS = dict(x11=X11, wayland=Wayland, reader=Reader, dark=Dark, contrast=HighContrast)
# What a screen reader hears in the main window, every time: how many nodes have each role (the window
# itself a frame), which are nameless, the push buttons' and check boxes' names and descriptions (their
# tooltips), the descriptions of the text boxes (the tooltips of the VGA palette, the chart, the slots, the
# display, the code field, the components and the decimal field) and the names of the VGA boxes and the
# labels; and the fields by name.
RGB = ("Rot", "Grün", "Blau")
CODE_FIELD, DECIMAL_FIELD = "RGB-Farb-Code, Eingabe+Return", "Decimal Zeigen/Eingeben"
HEARD = dict(roles=Counter({"frame": 1, "panel": 2, "text": 86, "label": 4, "push button": 12, "check box": 7}),
             nameless=["panel", "panel", "label"],
             controls=[("Copy", "In Zwischen-Ablage Kopieren"), ("Farbe Speichern",) * 2,
                       *((f"{c}: {tip}", tip) for c in RGB for tip in ("Hochzählen/Stoppen", "Runterzählen/Stoppen")),
                       ("Stopp", "Alles Stoppen"), ("Start", "Alles Starten"), ("X L", "FarbenXL"), ("Ende", ""),
                       ("VGA-Farbe-Text", "Text nur bei VGA-Farben möglich"),
                       *((f"{c}: {tip}", tip) for tip in ("5-er Schritte", "Tippen") for c in RGB)],
             tooltips=[*VGA_TIPS, *[""] * 48, *["Mit Dbl-Click Löschen", "Selbstdefinierte Farben"] * 8,
                       "Ausgewählte Farbe", CODE_FIELD, "", "", "", DECIMAL_FIELD],
             named=[*VGA_TIPS, *RGB, ""])
FIELDS = dict(code=CODE_FIELD, decimal=DECIMAL_FIELD, red=RGB[0], green=RGB[1], blue=RGB[2])
# The focus's way through the window at Tab, by the names a screen reader hears, from the first control.
TAB_CHAIN = ["VGA-Farbe-Text", *reversed(VGA_TIPS), "Start", "Stopp",
             *(name for c in reversed(RGB) for name in (c, f"{c}: Runterzählen/Stoppen", f"{c}: Hochzählen/Stoppen")
               if c != "Rot"), *CHART, *["FFFFFF"] * 16, "Rot: Runterzählen/Stoppen", "Rot: Hochzählen/Stoppen",
             "Rot", "Farbe Speichern", "Copy", CODE_FIELD, "Ausgewählte Farbe: FFFFFF",
             *(f"{c}: {tip}" for tip in ("5-er Schritte", "Tippen") for c in RGB), "Ende", DECIMAL_FIELD, "X L"]


def spot(d, name, whole=False):  # a control's centre in screen pixels, or its area: left, top, width, height
    left, top = STEPS["window"](d, name if name in ("xl", "source") else "main")[:2]
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


def boxes(d):  # the design's colours in every colour box, from one screenshot
    wanted = dict(zip((f"chart{i}" for i in range(64)), CHART + ["FFFFFF"] * 16))
    wanted |= dict(zip((f"vga{i}" for i in range(16)), VGA.split()))
    wait_until(lambda: {name: seen for name, seen in zip(wanted, look(d, *wanted)()) if seen != wanted[name]},
               lambda wrong: not wrong)


def contrast(a, b):  # of two colours RRGGBB, as WCAG measures it: (lighter + 0.05) / (darker + 0.05)
    def luminance(code):
        linear = [(c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4)
                  for c in (int(code[i:i + 2], 16) / 255 for i in (0, 2, 4))]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def inside(d, name, start=0, end=None):  # a control's pixels within its frame (or from START to END on its
    x, y, w, h = spot(d, name, whole=True)  # left), by rows, and its ground: their most frequent colour
    pixel, inset = d.shot(), 3 * d.scale
    xs = range(max(inset, int(start) * d.scale), int(end) * d.scale if end else w - inset)
    rows = [[pixel(x + i, y + j) for i in xs] for j in range(inset, h - inset)]
    return rows, Counter(c for row in rows for c in row).most_common(1)[0][0]


def readable(d, name, *part):  # the text's colour against the ground's
    ratio = lambda rows, ground: max(contrast(ground, c) for row in rows for c in row)
    wait_until(lambda: ratio(*inside(d, name, *part)), lambda seen: seen >= 4.5)


def lines(d, name, count):  # bands of rows that hold the caption's pixels, which stand out from the face
    marks = lambda rows, face: "".join("x" if any(contrast(face, c) > 3 for c in row) else " " for row in rows)
    wait_until(lambda: len(marks(*inside(d, name)).split()), lambda seen: seen == int(count))


def text_strip(d, name):  # the points of a field where its first characters stand
    x, y, _, h = spot(d, name, whole=True)
    return [(x + i, y + j) for i in range(3 * d.scale, 15 * d.scale) for j in range(4 * d.scale, h - 4 * d.scale)]


def sample(d, probes, seconds):  # [(time, colours at each probe's points)], as fast as screenshots come
    points = [at for probe in probes for at in probe]
    left, top = min(x for x, _ in points), min(y for _, y in points)
    box = (left, top, max(x for x, _ in points) - left + 1, max(y for _, y in points) - top + 1)
    found, end = [], time.monotonic() + seconds
    while time.monotonic() < end:
        pixel = d.shot(box)
        found.append((time.monotonic(), tuple(tuple(pixel(*at) for at in probe) for probe in probes)))
    return found


def changes(samples, index=0):  # when the probe of that index changed, and what it showed then
    return [(t, seen[index]) for (_, before), (t, seen) in zip(samples, samples[1:]) if seen[index] != before[index]]


def within(value, expected, low, high):  # a pace near the expected one, not half or twice it
    print(f"  measured {value:.0f} ms, due {expected} ms", flush=True)
    assert low * expected <= value <= high * expected, f"{value:.0f} ms where {expected} ms is due"


def pace(d, name, channel, step, period):  # the channel's value over 2.6 s: how often it steps (up or down)
    at = "rgb".index(channel[0]) * 2
    steps = [(t, int(colour[0][at:at + 2], 16)) for t, colour in changes(sample(d, [[spot(d, name)]], 2.6))][1:]
    assert len(steps) >= 3, f"the value hardly changed: {steps}"  # (the first change may have been half seen)
    ticks = sum(abs(b - a) for (_, a), (_, b) in zip(steps, steps[1:])) / int(step)
    within(1000 * (steps[-1][0] - steps[0][0]) / ticks, int(period), 0.75, 1.4)


def typed(d, field, name, period):  # digits typed apart: how long after the field the control changes
    lags, probes = [], [text_strip(d, field), [spot(d, name)]]
    for digit in "12345678":
        d.keys("ctrl+a")
        time.sleep(0.2)  # the selection is shown, and the deferred update has gone quiet
        threading.Thread(target=d.keys, args=(digit,)).start()
        samples = sample(d, probes, 0.4)
        if (field_changed := changes(samples, 0)) and (shown := changes(samples, 1)):
            lags.append(1000 * (shown[0][0] - field_changed[0][0]))
    assert len(lags) >= 6, f"seen {len(lags)} of 8 digits arrive: {lags}"
    within(statistics.median(lags), int(period), 0.6, 1.6)  # sway shows the field's change late, by 14 ms


# The window takes the colours the control shows, on average within half its period: most at once, for its
# ticks and the display's deferred update fall together, the rest within a period. Twice the period fails.
def follows(d, window, name, period):
    samples = sample(d, [[spot(d, name)], [spot(d, window)]], 4)
    shown, taken = changes(samples, 0), dict(reversed([(colour, t) for t, colour in changes(samples, 1)]))
    lags = sorted(1000 * (taken[colour] - t) for t, colour in shown[1:] if colour in taken and taken[colour] >= t)
    print(f"  lags of {len(lags)} of {len(shown)} colours (ms): {[round(lag) for lag in lags]}", flush=True)
    assert len(lags) >= len(shown) // 2, "the window does not follow"
    within(statistics.mean(lags), int(period) / 2, 0, 1.2)


def menu(d, name):  # a right-click, and the menu shown where it opens, below and to the right
    x, y = spot(d, name)
    below = lambda: d.shot()(x + 30 * d.scale, y + 30 * d.scale)
    before = below()
    d.click(x, y, 1, 3)
    wait_until(below, lambda seen: seen != before)


def drag(d, text, name):  # another program's window, away from ours, and the text dragged from it
    if hasattr(d, "source"):  # the last one, whose text has landed by now
        d.source.terminate()
        STEPS["gone"](d, "source")
    d.source = d.spawn(d.drag_source, text.replace(r"\n", "\n"))
    STEPS["move"](d, "source", 700, 500)
    time.sleep(0.3)  # the hand reaches for it; a compositor may still be showing it at its new place
    d.drag(*spot(d, "source"), *spot(d, name))


def hears(d, display, *texts_and_slots):  # the display's colour, the fields' texts ("-": none), the slots
    def wrong():  # by topic, what is heard wrong; every colour is heard as the screen shows it
        pixel, seen = d.shot(), [(n.getRoleName(), n.name, n.description, n) for n in d.tree(TITLES["main"])]
        centre = lambda n: (lambda b: (b.x + b.width // 2, b.y + b.height // 2))(n.queryComponent().getExtents(0))
        boxes = [name for _, name, _, _ in seen if re.fullmatch("[0-9A-F]{6}", name)]
        heard = dict(roles=Counter(s[0] for s in seen), nameless=[s[0] for s in seen if not s[1]],
                     controls=[s[1:3] for s in seen if s[0] in ("push button", "check box")],
                     tooltips=[s[2] for s in seen if s[0] == "text"],
                     named=[s[1] for s in seen if s[0] == "label" or s[2].startswith("VGA-")],
                     slots=boxes[48:],
                     display=[s[1] for s in seen if s[2] == "Ausgewählte Farbe"],
                     texts=[s[3].queryText().getText(0, -1) or "-" for f in FIELDS.values() for s in seen
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


def act(verb):  # a control's action so named ("Press", "Toggle"), as a screen reader offers it
    def perform(d, *name):
        action = node(d, *name).queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index(verb))
    return perform


def ticked(d, answer, *name):
    wait_until(lambda: node(d, *name).getState().contains(d.atspi.STATE_CHECKED) == (answer == "yes"))


def tabs(d):  # Tab, step by step, and the name of the control that has the focus after each
    nodes = d.tree(TITLES["main"])
    focused = lambda: next((i for i, n in enumerate(nodes) if n.getState().contains(d.atspi.STATE_FOCUSED)), None)
    path = [wait_until(focused, lambda seen: seen is not None)]
    for _ in TAB_CHAIN:
        d.keys("Tab")
        path.append(wait_until(focused, lambda seen: seen not in (None, path[-1])))
    assert [nodes[i].name for i in path] == TAB_CHAIN + TAB_CHAIN[:1], [nodes[i].name for i in path]


def flat(d, name):  # whether the control shows one colour only
    x, y, w, h = spot(d, name, whole=True)
    return lambda: len({pixel(x + i % w, y + i // w) for pixel in [d.shot()] for i in range(w * h)}) == 1


STEPS = {
    "args": lambda d, *args: None,  # taken when the program starts
    "click": lambda d, name, times="1", button="1": d.click(*spot(d, name), times, button),
    "enter": lambda d, name, text: (d.click(*spot(d, name)), d.keys("ctrl+a", *text)),
    "key": lambda d, *keys: d.keys(*keys),
    "paste": lambda d, text: d.offer(text.replace(r"\n", "\n")),
    "select": lambda d, text: d.offer(text.replace(r"\n", "\n"), primary=True),
    "field": lambda d, name, text: (d.click(*spot(d, name)), d.keys("ctrl+a", "ctrl+c"), STEPS["clip"](d, text)),
    "close": lambda d, w: (d.close(TITLES[w]), STEPS["gone"](d, w)),
    "gone": lambda d, w: wait_until(lambda: not d.window(TITLES[w])),
    "active": lambda d, w: wait_until(lambda: d.active(TITLES[w])),
    "destroy": lambda d, w: d.destroy(TITLES[w]),
    "move": lambda d, w, x, y: wait_until(  # once it is shown: a window manager places a new window itself
        lambda: (d.window(TITLES[w]) and d.move(TITLES[w], x, y), d.window(TITLES[w]))[1],
        lambda seen: seen and abs(seen[0] - int(x)) + abs(seen[1] - int(y)) < 50),
    "modal": lambda d, w, owner: wait_until(lambda: d.modal(TITLES[w], TITLES[owner])),
    "clip": lambda d, text="": wait_until(d.clipboard, lambda seen: seen == text.encode()),
    "selection": lambda d, text: wait_until(lambda: d.clipboard(True), lambda seen: seen == text.encode()),
    "copy": lambda d, text: (STEPS["key"](d, "alt+c"), STEPS["clip"](d, text)),
    "shows": lambda d, code: (STEPS["see"](d, "display", code), STEPS["copy"](d, code)),
    "window": lambda d, window, *size: wait_until(lambda: d.window(TITLES[window]), lambda seen: seen and (
        not size or seen[2:] == tuple(d.scale * int(v) for v in size))),
    "takes": lambda d, name, code: wait_until(  # once the program has learnt of what happened: click again
        lambda: (d.click(*spot(d, name)), time.sleep(0.5), look(d, "display")())[2], lambda seen: seen == (code,)),
    "see": lambda d, name, code: wait_until(look(d, name), lambda seen: re.fullmatch(code, *seen)),
    "same": lambda d, *names: wait_until(look(d, *names), lambda seen: len(set(seen)) == 1),
    "still": lambda d, name="display": wait_until(lambda: watch(d, name, 0.6), lambda seen: len(seen) == 1),
    "label": lambda d, name, shows: wait_until(flat(d, name), lambda one: one == (shows == "empty")),
    "press": act("Press"),
    "toggle": act("Toggle"),
    "write": lambda d, name, text: node(d, FIELDS[name]).queryEditableText().setTextContents(text),
    "insert": lambda d, name, at, text: node(d, FIELDS[name]).queryEditableText().insertText(int(at), text, len(text)),
    "focus": lambda d, *name: node(d, *name).queryComponent().grabFocus(),
    "frame": lambda d, w: wait_until(lambda: [n.getRoleName() for n in d.tree(TITLES[w])[:1]] == ["frame"]),
    "exit": lambda d, status: wait_until(d.app.poll, lambda seen: seen == int(status)),
} | {step.__name__: step for step in (drag, menu, over, boxes, lines, readable, counts, pace, typed, follows, hears,
                                      ticked, tabs)}

ROWS, ONLY = {}, {}  # a row's steps, and the displays it alone runs on, if it is marked so
for name, only, steps in (re.fullmatch(r"(\w+)(?: \(([\w, ]+) only: [^)]*\))?: (.*)", row).groups()
                          for row in TABLE.replace("\n  ", " ").strip().splitlines()):
    ONLY[name] = only and only.split(", ")
    ROWS[name] = [words if words[0] in STEPS else ["see", *words] for words in map(str.split, steps.split(";"))]
    assert all(verb != "args" for verb, *_ in ROWS[name][1:]), f"{name}: the program's arguments come first"


def main(args):
    if args == ["--list"]:
        assert {d for only in ONLY.values() if only for d in only} <= set(DISPLAYS), "a row marked for no display"
        return print(*(f"{name}.{row}" for name in DISPLAYS for row in ROWS
                       if name in (ONLY[row] or ("x11", "wayland"))), sep="\n")
    options, (display, row) = dict(zip(args[:-1:2], args[1:-1:2])), args[-1].split(".")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))  # terminated: stop the servers too
    d = DISPLAYS[display](int(options.get("--scale", 1)))
    d.drag_source = options.get("--drag-source")
    try:
        d.boot()
        arguments = ROWS[row][0][1:] if ROWS[row][0][0] == "args" else []
        d.app = d.spawn(options["--binary"], *arguments, stdout=None, stderr=None)  # its output goes to ours
        for verb, *words in ROWS[row]:
            print(verb, *words, flush=True)  # a failure comes after the step that failed
            STEPS[verb](d, *words)
    finally:
        d.stop()


if __name__ == "__main__":
    main(sys.argv[1:])
