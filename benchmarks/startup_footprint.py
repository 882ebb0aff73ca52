#!/usr/bin/env python3
"""Start-up time, memory and CPU of Tessivo against a bare Qt Widgets window.

Runs both programs alternately on a virtual X display of its own and prints
the medians and the Tessivo/baseline ratios of:

- exec to first mapped window: the MapNotify of the first top-level window,
  read from the X server as it arrives (this script speaks the X protocol
  itself, on the display's socket; timestamps from the monotonic clock when
  the event is read, so the resolution is that of a select() wake-up, well
  below a millisecond);
- exec to first paint: the first drawing into that window, reported by the
  X DAMAGE extension on the windows the program creates;
- resident memory 2 s after exec (VmRSS of /proc/PID/status);
- CPU while waiting with the deferred update armed: a digit typed into a
  component field (into the first line edit of the baseline), then the CPU
  time of all threads (/proc/PID/task/*/schedstat, nanoseconds) over the
  period, as a percentage of one core, and the wake-ups per second
  (context switches of all threads);
- CPU while sweeping: the three up buttons and "X L" pressed, so that all
  three counters run with the large window open (Tessivo only).

Needs Xvfb and xdotool; only the Python standard library.
"""

import argparse
import os
import select
import signal
import socket
import statistics
import struct
import subprocess
import sys
import time

# Places in the main window, in pixels from its top-left corner (the window
# design in twips divided by 15, centre of the control).
RED_FIELD = (232, 25)
UP_BUTTONS = ((260, 18), (316, 18), (372, 18))
LARGE_BUTTON = (380, 118)
BASELINE_FIELD = (56, 26)

MAP_NOTIFY = 19
CREATE_NOTIFY = 16
SUBSTRUCTURE_NOTIFY_MASK = 0x80000
DAMAGE_REPORT_NON_EMPTY = 3


class XConnection:
    """Just enough of the X protocol: root window events and DAMAGE."""

    def __init__(self, display_number):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(f"/tmp/.X11-unix/X{display_number}")
        self.buffer = b""
        self.events = []
        self.sequence = 0
        self.sock.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
        head = self._read(8)
        if head[0] != 1:
            raise RuntimeError("the X server refused the connection")
        body = self._read(struct.unpack_from("<H", head, 6)[0] * 4)
        self.id_base, self.id_mask = struct.unpack_from("<II", body, 4)
        vendor_length = struct.unpack_from("<H", body, 16)[0]
        format_count = body[21]
        screen = 32 + (vendor_length + 3) // 4 * 4 + 8 * format_count
        self.root = struct.unpack_from("<I", body, screen)[0]
        self.next_id = 0
        self._request(struct.pack("<BxHIII", 2, 4, self.root, 0x800, SUBSTRUCTURE_NOTIFY_MASK))
        self.damage_opcode, self.damage_event = self._query_extension(b"DAMAGE")
        if self.damage_opcode:
            self._request(struct.pack("<BBHII", self.damage_opcode, 0, 3, 1, 1))
            self._reply()

    def _read(self, n):
        while len(self.buffer) < n:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise RuntimeError("the X server closed the connection")
            self.buffer += chunk
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data

    def _request(self, data):
        self.sequence += 1
        self.sock.sendall(data)

    def _reply(self):
        while True:
            unit = self._read(32)
            if unit[0] == 1:
                return unit + self._read(struct.unpack_from("<I", unit, 4)[0] * 4)
            if unit[0] == 0:
                raise RuntimeError(f"X error {unit[1]} for request {unit[10]}")
            self.events.append((time.monotonic_ns(), unit))

    def _query_extension(self, name):
        padded = name + b"\0" * (-len(name) % 4)
        self._request(struct.pack("<BxHHxx", 98, 2 + len(padded) // 4, len(name)) + padded)
        reply = self._reply()
        return (reply[9], reply[10]) if reply[8] else (0, 0)

    def _new_id(self):
        self.next_id += 1
        return self.id_base | (self.next_id & self.id_mask)

    def watch_drawing(self, window):
        if self.damage_opcode:
            self._request(struct.pack("<BBHIIB3x", self.damage_opcode, 1, 4, self._new_id(),
                                      window, DAMAGE_REPORT_NON_EMPTY))

    def poll(self, timeout):
        """Events that arrive within timeout seconds: (time in ns, type, window)."""
        ready, _, _ = select.select([self.sock], [], [], timeout)
        if ready:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise RuntimeError("the X server closed the connection")
            now = time.monotonic_ns()
            self.buffer += chunk
            while len(self.buffer) >= 32:
                self.events.append((now, self._read(32)))
        found, self.events = self.events, []
        result = []
        for when, unit in found:
            code = unit[0] & 0x7F
            if code == 0:
                continue  # an error: a window gone before its damage was created
            if code == CREATE_NOTIFY:
                window = struct.unpack_from("<I", unit, 8)[0]
                self.watch_drawing(window)
                result.append((when, "create", window))
            elif code == MAP_NOTIFY:
                result.append((when, "map", struct.unpack_from("<I", unit, 8)[0]))
            elif self.damage_opcode and code == self.damage_event:
                result.append((when, "paint", struct.unpack_from("<I", unit, 4)[0]))
        return result


def start_xvfb():
    """A virtual X display of our own; Xvfb picks a free display number."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, number, XConnection(number)


def cpu_ns_and_switches(pid):
    """CPU time of all threads in ns and their context switches."""
    cpu = switches = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                cpu += int(f.read().split()[0])
            with open(f"/proc/{pid}/task/{task}/status") as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return cpu, switches


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise RuntimeError("no VmRSS")


def measure_cpu(pid, period):
    """Percent of one core and wake-ups per second over the period."""
    cpu0, switches0 = cpu_ns_and_switches(pid)
    wall0 = time.monotonic_ns()
    time.sleep(period)
    cpu1, switches1 = cpu_ns_and_switches(pid)
    wall1 = time.monotonic_ns()
    seconds = (wall1 - wall0) / 1e9
    return 100 * (cpu1 - cpu0) / (wall1 - wall0), (switches1 - switches0) / seconds


def xdotool(env, *args):
    subprocess.run(["xdotool", *map(str, args)], env=env, check=True, stdout=subprocess.DEVNULL,
                   timeout=20)


def click(env, window, place):
    xdotool(env, "mousemove", "--window", window, place[0], place[1], "click", "1")


def run_once(program, x, env, period, sweep):
    result = {}
    x.poll(0)
    started = time.monotonic_ns()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    mapped = []
    try:
        deadline = time.monotonic() + 20
        while "paint_ms" not in result:
            if time.monotonic() > deadline or process.poll() is not None:
                raise RuntimeError(f"{program} showed no painted window")
            for when, kind, win in x.poll(0.5):
                if kind == "map":
                    mapped.append(win)
                    if window is None:
                        window = win
                        result["map_ms"] = (when - started) / 1e6
                elif kind == "paint" and win == window:
                    result["paint_ms"] = (when - started) / 1e6
            if not x.damage_opcode and window is not None:
                result["paint_ms"] = float("nan")
        time.sleep(max(0.0, 2 - (time.monotonic_ns() - started) / 1e9))
        result["rss_mib"] = resident_mib(process.pid)

        xdotool(env, "windowfocus", "--sync", window)
        click(env, window, RED_FIELD if sweep else BASELINE_FIELD)
        xdotool(env, "key", "7")
        time.sleep(1)
        result["idle_cpu"], result["idle_wakeups"] = measure_cpu(process.pid, period)

        if sweep:
            for place in UP_BUTTONS:
                click(env, window, place)
            click(env, window, LARGE_BUTTON)
            time.sleep(1)
            mapped += [win for _, kind, win in x.poll(0) if kind == "map"]
            if len(set(mapped)) < 2:
                raise RuntimeError("the large window did not open")
            result["sweep_cpu"], result["sweep_wakeups"] = measure_cpu(process.pid, period)
            # Three counters at 5 and two follow timers at 20 ticks a second.
            if period >= 2 and result["sweep_wakeups"] < result["idle_wakeups"] + 20:
                print("warning: few wake-ups while sweeping; did the counters start?", file=sys.stderr)
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        x.poll(0.2)
    return result


ROWS = [
    # key, label, format, how Tessivo compares, target
    ("map_ms", "exec to first mapped window (ms)", "{:.1f}", "ratio", "<= 1.3 x"),
    ("paint_ms", "exec to first paint (ms)", "{:.1f}", "ratio", "<= 1.3 x"),
    ("rss_mib", "resident memory after 2 s (MiB)", "{:.1f}", "difference", "<= +4 MiB"),
    ("idle_cpu", "CPU waiting, Timer4 armed (% core)", "{:.3f}", "none", "< 0.3 %"),
    ("idle_wakeups", "wake-ups waiting (1/s)", "{:.1f}", "none", ""),
    ("sweep_cpu", "CPU sweeping, X L open (% core)", "{:.3f}", "none", "< 3 %"),
    ("sweep_wakeups", "wake-ups sweeping (1/s)", "{:.1f}", "none", ""),
]


def verdict(key, tessivo, baseline):
    if key in ("map_ms", "paint_ms"):
        return tessivo <= 1.3 * baseline
    if key == "rss_mib":
        return tessivo <= baseline + 4
    if key == "idle_cpu":
        return tessivo < 0.3
    if key == "sweep_cpu":
        return tessivo < 3
    return None


def table(results, runs, period):
    lines = [f"Medians of {runs} runs each, alternating; CPU over {period:g} s.",
             "",
             "| Measure | Tessivo | Baseline | Tessivo/baseline | Target | Met |",
             "|---|---:|---:|---:|---|---|"]
    for key, label, fmt, compare, target in ROWS:
        t_values = [r[key] for r in results["tessivo"] if key in r]
        b_values = [r[key] for r in results["baseline"] if key in r]
        if not t_values:
            continue
        t = statistics.median(t_values)
        b = statistics.median(b_values) if b_values else None
        if b is None:
            relation = "n/a"
        elif compare == "ratio":
            relation = f"{t / b:.2f} x"
        elif compare == "difference":
            relation = f"{t - b:+.1f} MiB"
        else:
            relation = f"{t / b:.2f} x" if b else "n/a"
        met = verdict(key, t, b if b is not None else 0)
        lines.append(f"| {label} | {fmt.format(t)} | {fmt.format(b) if b is not None else 'n/a'} | "
                     f"{relation} | {target} | {'' if met is None else ('yes' if met else 'NO')} |")
    return "\n".join(lines)


def machine():
    with open("/proc/cpuinfo") as f:
        model = next((line.split(":", 1)[1].strip() for line in f if line.startswith("model name")), "?")
    return f"{os.cpu_count()} x {model}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default=os.path.join(os.path.dirname(__file__), "..", "build-bench"))
    parser.add_argument("--runs", type=int, default=7, help="runs of each program (default 7)")
    parser.add_argument("--period", type=float, default=30, help="seconds of each CPU measurement (default 30)")
    parser.add_argument("--warm-up", type=int, default=1, help="unrecorded runs of each program first (default 1)")
    args = parser.parse_args()

    programs = {
        "tessivo": os.path.abspath(os.path.join(args.build_dir, "tessivo")),
        "baseline": os.path.abspath(os.path.join(args.build_dir, "benchmarks", "baseline_window")),
    }
    for path in programs.values():
        if not os.access(path, os.X_OK):
            sys.exit(f"missing {path}: build it first (scripts/bench.sh)")

    xvfb, number, x = start_xvfb()
    env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb")
    if not x.damage_opcode:
        print("The X server has no DAMAGE extension: first paint is not measured.", file=sys.stderr)
    results = {"tessivo": [], "baseline": []}
    load_before = os.getloadavg()
    try:
        for run in range(-args.warm_up, args.runs):
            for name, path in programs.items():
                result = run_once(path, x, env, args.period if run >= 0 else 0.1, name == "tessivo")
                if run >= 0:
                    results[name].append(result)
                    print(f"run {run + 1} {name}: " +
                          ", ".join(f"{k} {v:.3f}" for k, v in result.items()), file=sys.stderr)
    finally:
        xvfb.terminate()
        xvfb.wait()
    load_after = os.getloadavg()
    print(f"{time.strftime('%Y-%m-%d')}, {machine()}, load average (1 min) "
          f"{load_before[0]:.2f} before, {load_after[0]:.2f} after")
    print(table(results, args.runs, args.period))


if __name__ == "__main__":
    main()
