"""End-to-end tests of Tessivo on a real X server (Xvfb with openbox).

Usage: x11_test.py --binary build/tessivo [unittest arguments, e.g. X11Test.test_copy]
Each test gets its own X server, window manager and Tessivo process.
"""

import unittest

import desktop
from desktop import (CONTROLS, LARGE_TITLE, MAIN_TITLE, WHITE, X11Desktop, Tessivo, chart_box,
                     observe, vga_box, wait_until)

RED, GREEN, BLUE, NAVY, OLIVE_YELLOW = (255, 0, 0), (0, 255, 0), (0, 0, 255), (0, 0, 128), (192, 192, 0)
DISPLAY = CONTROLS["display"]


class X11Test(unittest.TestCase):
    def setUp(self):
        self.desktop = X11Desktop()
        self.addCleanup(self.desktop.close)
        self.app = Tessivo(self.desktop, desktop.BINARY)
        self.addCleanup(self.app.close)

    def display(self):
        return self.app.colour(DISPLAY)

    def wait_display(self, expected, what):
        self.app.wait_colour(DISPLAY, expected, what)

    def colours_while_counting(self, count, read=None, accept=lambda colour: True):
        """Reads colours while a counter runs, until `count` different ones passed `accept`."""
        seen = []
        read = read or self.display
        wait_until(f"{count} different colours while counting",
                   lambda: seen.append(read()) or [c for c in seen if accept(c)],
                   lambda taken: len(set(taken)) >= count)
        return [c for c in seen if accept(c)]

    def test_typed_entries(self):
        self.assertEqual(self.desktop.x(["xdotool", "getwindowname", self.app.window]).stdout.strip(), MAIN_TITLE)
        self.wait_display(WHITE, "the display at start")

        # Each entry shows in the display and is written into the code field in its six-digit form.
        entries = [  # field, typed keys, Enter, display, code
            ("red", "200", False, (200, 0, 0), "C80000"),
            ("decimal", "12345678", False, (0x4E, 0x61, 0xBC), "4E61BC"),
            ("code", "ff8000", True, (255, 128, 0), "FF8000"),
            ("code", "12345", True, (0x12, 0x34, 0x05), "123405"),
        ]
        for field, typed, enter, shown, code in entries:
            with self.subTest(field=field, typed=typed):
                self.app.enter_text(CONTROLS[field], typed)
                if enter:
                    self.app.key("Return")
                self.wait_display(shown, f"the display after {typed!r} in {field}")
                self.app.copied(code)

    def test_picking_and_vga_text_mode(self):
        self.app.click(chart_box(17))
        self.wait_display(RED, "the display after a click on chart swatch 17")
        self.app.copied("FF0000")
        label = CONTROLS["label3"]
        self.assertEqual(len(self.app.region(label)), 1, "the VGA name label is empty at start")

        self.app.click(vga_box(4))
        self.wait_display(NAVY, "the display after a click on VGA box 4 (navy)")
        self.app.copied("000080")

        # Text mode: a VGA box shows its name and leaves the colour alone.
        self.app.tick_box(CONTROLS["vga_text"])
        self.wait_display(NAVY, "the display back from the components after ticking text mode")
        self.app.click(vga_box(12))
        wait_until("the name of VGA box 12 in the label", lambda: len(self.app.region(label)), lambda n: n > 1)
        self.assertNotIn(BLUE, observe(self.display, 0.8), "text mode must not pick the VGA colour")
        self.assertEqual(self.display(), NAVY)

        self.app.tick_box(CONTROLS["vga_text"])
        self.app.click(vga_box(12))
        self.wait_display(BLUE, "the display after a click on VGA box 12 with text mode off")
        wait_until("the label to be emptied", lambda: len(self.app.region(label)), lambda n: n == 1)

    def test_copy_whole_code_and_selection(self):
        self.assertIsNone(self.desktop.clipboard(), "a new X server's clipboard is empty")
        self.app.enter_text(CONTROLS["code"], "1a2b3c")
        self.app.key("Return")
        self.wait_display((0x1A, 0x2B, 0x3C), "the display after the code 1A2B3C")
        self.app.copied("1A2B3C")

        self.app.click(CONTROLS["code"])
        self.app.key("Home", "Right", "Right", "shift+Right", "shift+Right")
        self.app.copied("2B")

        # The clipboard stays readable by other programs while Tessivo goes on working.
        self.app.click(chart_box(20))
        self.wait_display(GREEN, "the display after a click on chart swatch 20")
        self.assertEqual(self.desktop.clipboard(), "2B")

    def test_save_and_clear_a_slot(self):
        first_slot = chart_box(48)
        self.app.wait_colour(first_slot, WHITE, "the first custom slot at start")
        self.app.click(chart_box(20))
        self.wait_display(GREEN, "the display after a click on chart swatch 20")
        self.app.click(CONTROLS["save"])
        self.app.wait_colour(first_slot, GREEN, "the first custom slot after saving")
        self.assertEqual(self.app.colour(chart_box(49)), WHITE, "only the first free slot is filled")

        # A double-click picks the slot's colour with its first click, then empties the slot.
        self.app.click(chart_box(22))
        self.wait_display(BLUE, "the display after a click on chart swatch 22")
        self.app.click(first_slot, double=True)
        self.app.wait_colour(first_slot, WHITE, "the slot after a double-click")
        self.wait_display(GREEN, "the display with the colour of the emptied slot")

        self.app.click(chart_box(17))
        self.wait_display(RED, "the display after a click on chart swatch 17")
        self.app.click(CONTROLS["save"])
        self.app.wait_colour(first_slot, RED, "the emptied slot, free again, after saving")

    def test_counter_stop_and_start(self):
        self.app.click(CONTROLS["red_up"])
        reds = [r for r, _, _ in self.colours_while_counting(3, accept=lambda c: c[1:] == (0, 0))]
        self.assertEqual(reds, sorted(reds), "the red counter counts upward")

        self.app.key("alt+s")
        halted = wait_until("the display to stand still after Stopp", lambda: observe(self.display, 0.6),
                            lambda seen: len(set(seen)) == 1)[0]

        self.app.key("alt+a")
        wait_until("the display to move again after Start", self.display, lambda c: c != halted)
        self.app.key("alt+s")

    def open_large_window(self):
        self.app.click(CONTROLS["large"])
        window = wait_until("the large window", lambda: self.desktop.windows(self.app.process.pid, LARGE_TITLE),
                            bool)[0]
        left, top, width, height = self.desktop.geometry(window)
        main = self.desktop.geometry(self.app.window)
        if left < main[0] + main[2] and main[0] < left + width and top < main[1] + main[3] and main[1] < top + height:
            # Keep the main window in sight: move the large window below it.
            self.desktop.x(["xdotool", "windowmove", window, "0", str(main[1] + main[3] + 40)])
            wait_until("the large window to move", lambda: self.desktop.geometry(window)[1],
                       lambda y: y > main[1] + main[3])
            left, top, width, height = self.desktop.geometry(window)
        colour = lambda picture=None: (picture or self.desktop.screenshot()).pixel(left + width // 2,
                                                                                top + height // 2)
        return window, (left + width // 2, top + height // 2), colour

    def close_large_window(self, window):
        self.desktop.close_request(window)
        wait_until("the large window to close", lambda: self.desktop.windows(self.app.process.pid, LARGE_TITLE),
                   lambda found: not found)
        self.assertIsNone(self.app.process.poll(), "Tessivo goes on after the large window closes")

    def test_large_window(self):
        self.app.click(chart_box(27))
        self.wait_display(OLIVE_YELLOW, "the display after a click on chart swatch 27")
        window, middle, colour = self.open_large_window()
        wait_until("the large window in the display's colour", colour, lambda c: c == OLIVE_YELLOW)
        self.app.click_at(*middle)
        self.app.wait_colour(chart_box(48), OLIVE_YELLOW, "the first slot after a click on the large window")
        self.close_large_window(window)
        self.assertEqual(self.app.colour(chart_box(48)), OLIVE_YELLOW)

        # Back in the main window, which takes input again: a counter runs and the large window follows it.
        self.app.click(CONTROLS["red_up"])
        wait_until("the counter to change the display", self.display, lambda c: c != OLIVE_YELLOW)
        window, middle, colour = self.open_large_window()
        def large_and_display():
            shot = self.desktop.screenshot()
            return colour(shot), self.app.colour(DISPLAY, shot)

        wait_until("the large window and the display in one colour", large_and_display,
                   lambda pair: pair[0] == pair[1])
        followed = self.colours_while_counting(3, read=colour)
        self.assertTrue(all(c[1:] == (192, 0) for c in followed), f"only red changes: {followed}")

        self.app.click_at(*middle)
        second_slot = chart_box(49)
        stored = wait_until("the second slot to take a colour", lambda: self.app.colour(second_slot),
                            lambda c: c != WHITE)
        self.assertEqual(stored[1:], (192, 0), "the slot holds a colour of the sweep")
        self.close_large_window(window)
        self.app.key("alt+s")
        self.assertEqual(self.app.colour(second_slot), stored)

    # Ending. Every way of closing the main window ends the process at once with status 0.
    def test_end_button(self):
        self.app.key("alt+e")
        self.assertEqual(self.app.exit_status(), 0)

    def test_close_request_while_counters_run(self):
        self.app.key("alt+a")  # all three counters: 0, 0, 5, 10, ...
        self.colours_while_counting(3, accept=lambda c: c != WHITE)
        self.desktop.close_request(self.app.window)
        self.assertEqual(self.app.exit_status(), 0)

    def test_close_request_while_large_window_is_open(self):
        self.app.click(CONTROLS["red_up"])
        self.open_large_window()
        self.desktop.close_request(self.app.window)
        status = self.app.exit_status()
        open_windows = [title for title in (MAIN_TITLE, LARGE_TITLE)
                        if self.desktop.windows(self.app.process.pid, title)]
        self.assertEqual(status, 0, f"still running 5 s after the close request; windows open: {open_windows}")


if __name__ == "__main__":
    desktop.main(__doc__)
