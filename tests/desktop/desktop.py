"""Real desktop parts for the desktop tests, and the program seen and driven from outside.

A Desktop starts what a test asks for: an X server (Xvfb, or Xorg for several monitors) with the
openbox or xfwm4 window manager and perhaps a panel, or a Wayland compositor (weston, sway); a
session bus; the accessibility bus that screen readers use. Each part runs in a process group of
its own, and the test ends every process it started, with their children, by the ids it recorded.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

SCREEN = (1280, 1024)
NESTED = ("mutter", "gnome-shell", "kwin-wayland")  # desktops nested in an X server
MAIN, MAP = "Meridian Political Quiz", "The Political Map"
WESTON_MARGIN = 40  # rows of the X screen below weston's window
# Xorg's dummy driver; xrandr turns its outputs into monitors.
XORG_CONF = """Section "Device" Identifier "d" Driver "dummy" VideoRam 256000 EndSection
Section "Monitor" Identifier "m" HorizSync 5-1000 VertRefresh 5-200 EndSection
Section "Screen" Identifier "s" Device "d" Monitor "m" SubSection "Display" Virtual {} {}
EndSubSection EndSection"""


def wait_until(condition, timeout=10.0, interval=0.05):
    """Polls until condition() is true and returns its value; None after the timeout."""
    deadline = time.monotonic() + timeout
    while not (value := condition()) and time.monotonic() < deadline:
        time.sleep(interval)
    return value or None


def processes(having=None):
    """{pid: parent pid} of living processes (not zombies), only those whose environment has
    `having`."""
    found = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                state, parent = stat.read().rsplit(")", 1)[1].split()[:2]
            if state == "Z":
                continue
            if having:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    if having.encode() not in environ.read().split(b"\0"):
                        continue
            found[int(pid)] = int(parent)
        except OSError:
            pass
    return found


class Orca:
    """Orca, the screen reader, with its speech server off: each utterance lands in its debug
    file. It runs from a copy of its launcher that writes that file line by line and neither
    ends, nor looks for, nor names itself as other Orcas."""

    PREFERENCES = ("import orca.settings\norca.settings.speechServerFactory = 'none'\n"
                   "orca.settings.speechFactoryModules = []\n")
    LAUNCHER = [("    setProcessName('orca')\n", ""),
                ("open(args.debug_file, 'w')", "open(args.debug_file, 'w', buffering=1)"),
                # Utterances are information; finer detail would slow its answers to keys.
                ("debugLevel = debug.LEVEL_ALL", "debugLevel = debug.LEVEL_INFO"),
                ("    if args.replace:\n        cleanup(signal.SIGKILL)\n", ""),
                ("    if otherOrcas():\n        print(messages.CLI_OTHER_ORCAS_ERROR)\n"
                 "        return 1\n", "")]

    def __init__(self, desktop):
        folder, self.log, self.heard = f"{desktop.tmp}/orca", f"{desktop.tmp}/orca.log", 0
        os.makedirs(folder)
        with open("/usr/bin/orca") as original:
            launcher = original.read()
        for old, new in self.LAUNCHER:
            assert old in launcher, f"Orca's launcher has changed: no {old!r}"
            launcher = launcher.replace(old, new)
        for path, text in [(f"{folder}/__init__.py", ""), (self.log, ""),
                           (f"{folder}/orca-customizations.py", self.PREFERENCES),
                           (f"{folder}/launcher.py", launcher)]:
            with open(path, "w") as file:
                file.write(text)
        self.process = desktop.spawn(["/usr/bin/python3", f"{folder}/launcher.py", "-u",
                                      folder, "--debug-file", self.log])
        self.hear("Screen reader on", timeout=20)

    def speech(self):
        with open(self.log, errors="replace") as log:  # records start with a time of day
            records = re.split(r"^(?=\d\d:\d\d:\d\d\.\d+ - )", log.read(), flags=re.M)
        said = [r.split("SPEECH OUTPUT: '", 1)[1] for r in records if "SPEECH OUTPUT: '" in r]
        return [re.sub(r"'\s*(\{[^{}]*\})?\s*$", "", s) for s in said]  # less the voice

    def hear(self, *phrases, timeout=10):
        """Waits until Orca has said every phrase and then nothing for 0.7 s (it then answers the
        next key at once: Qt hands it each key first, and waits only briefly); returns all it
        said since the last call."""
        said = lambda: " | ".join(self.speech()[self.heard:])
        wait_until(lambda: all(phrase in said() for phrase in phrases), timeout)
        count, since = len(self.speech()), time.monotonic()
        while time.monotonic() - since < 0.7:  # the silence it stands for, polled
            time.sleep(0.1)
            if len(self.speech()) != count:
                count, since = len(self.speech()), time.monotonic()
        heard, self.heard = said(), count
        return heard


class Desktop:
    """The parts of one desktop session. platform: "x11" (Xvfb and openbox, unless wm is false or
    "xfwm4"; Xorg with monitors, their sizes from left to right and the last one primary; a panel
    of that height along the top), "wayland" (headless weston, which has no seat and so no
    clipboard), "wayland-seat" (weston in a window of its own X server, which gives it a keyboard,
    a pointer and a clipboard) or "sway" (headless, with these lines of configuration; sway
    refuses to run as root, so it and every program run as an unprivileged user), or a desktop
    nested in an X server of its own: "mutter", "gnome-shell" or "kwin-wayland", whose Xwayland
    serves the program's X11 runs (see xwayland). On x11, wm may also be "kwin_x11"."""

    def __init__(self, platform="x11", wm=True, bus=True, a11y=False, theme=None, monitors=(),
                 panel=0, sway=""):
        self.platform, self.processes, self.monitors = platform, [], monitors
        self.compositor = None
        self.xdisplay, self.user = None, []
        if platform == "sway":
            self.user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        self.tmp = tempfile.mkdtemp(prefix="quiz-desktop-")
        self.home, self.runtime = f"{self.tmp}/home", f"{self.tmp}/runtime"
        os.makedirs(self.home)
        os.makedirs(self.runtime, mode=0o700)
        self.env = {"PATH": "/usr/bin:/bin", "HOME": self.home, "XDG_RUNTIME_DIR": self.runtime,
                    "LANG": "C.UTF-8"}
        # The sanitizers' settings reach a sanitized build of the program.
        self.env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
        try:
            if platform == "sway":
                self._sway(sway)
            self._start(wm, bus or a11y, a11y, theme)
            if panel:  # a window that reserves a strip along the top: a panel to openbox
                self.spawn(["xmessage", "-name", "panel", "-geometry",
                            f"{SCREEN[0]}x{panel}+0+0", "."])
                self.run("xprop", "-id", str(wait_until(lambda: self.window("panel"))), "-f",
                         "_NET_WM_STRUT_PARTIAL", "32c", "-set", "_NET_WM_STRUT_PARTIAL",
                         f"0,0,{panel},0,0,0,0,0,0,{SCREEN[0] - 1},0,0")
                assert wait_until(lambda: f", {panel}, " in self.run(
                    "xprop", "-root", "_NET_WORKAREA")), "no panel"
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def spawn(self, argv, env=None, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(self.user + argv, env={**self.env, **(env or {})},
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def _x_server(self):
        read, write = os.pipe()
        # Under weston, rows below its window let the pointer leave it (see click).
        rows = SCREEN[1] + WESTON_MARGIN * (self.platform == "wayland-seat")
        server = ["Xvfb", "-screen", "0", f"{SCREEN[0]}x{rows}x24"]
        if self.monitors:
            with open(f"{self.tmp}/xorg.conf", "w") as config:
                config.write(XORG_CONF.format(*map(sum, zip(*self.monitors))))
            server = ["Xorg", "-noreset", "-config", f"{self.tmp}/xorg.conf", "-configdir",
                      f"{self.tmp}/none", "-logfile", f"{self.tmp}/xorg.log"]
        self.spawn(server + ["-displayfd", str(write), "-nolisten", "tcp"], pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as displayfd:
            self.xdisplay = ":" + displayfd.readline().strip()
        for n, (width, height) in enumerate(self.monitors):
            self.run("xrandr", "--addmode", f"DUMMY{n}", f"{width}x{height}")
            self.run("xrandr", "--output", f"DUMMY{n}", "--mode", f"{width}x{height}",
                     *(["--right-of", f"DUMMY{n - 1}"] if n else []), "--primary")
        return self.xdisplay

    def _sway(self, config):
        os.chmod(self.tmp, 0o755)
        for folder in (self.runtime, self.home):
            os.chown(folder, 65534, 65534)
        with open(f"{self.tmp}/sway.conf", "w") as file:
            file.write(f"output HEADLESS-1 resolution {SCREEN[0]}x{SCREEN[1]}\n{config}\n")
        self.spawn(["sway", "-c", f"{self.tmp}/sway.conf"],
                   env={"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1"})
        socket = lambda prefix: next((name for name in os.listdir(self.runtime)
                                      if name.startswith(prefix) and "lock" not in name), None)
        self.env["SWAYSOCK"] = f"{self.runtime}/" + wait_until(lambda: socket("sway-ipc."))
        self.env["WAYLAND_DISPLAY"] = wait_until(lambda: socket("wayland-"))
        self.spawn(["wtype", "-s", "600000"])  # a keyboard on the seat before the program starts

    def _start(self, wm, bus, a11y, theme):
        if self.platform == "x11":
            self.env["DISPLAY"] = self._x_server()
            if wm == "xfwm4":
                self.spawn(["xfwm4", "--compositor=off"])
                assert wait_until(lambda: "window id" in self.run(
                    "xprop", "-root", "_NET_SUPPORTING_WM_CHECK")), "no xfwm4"
            elif wm == "kwin_x11":
                self._bus()
                self.compositor = self.spawn(["kwin_x11"], stderr=open(f"{self.tmp}/kwin.log", "w"))
                assert wait_until(lambda: "window id" in self.run(
                    "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20), "no kwin_x11"
            elif wm:  # openbox runs its start-up command once it manages windows
                self.spawn(["openbox", "--startup", f"touch {self.tmp}/wm"])
                assert wait_until(lambda: os.path.exists(f"{self.tmp}/wm")), "no openbox"
        elif self.platform in NESTED:
            self._nested()
        elif self.platform != "sway":
            backend = ["--backend=headless-backend.so"]
            if self.platform == "wayland-seat":
                backend = ["--backend=x11-backend.so", "--use-pixman"]
            display = self._x_server() if self.platform == "wayland-seat" else ""
            self.spawn(["weston", *backend, "--socket=wayland-quiz", f"--width={SCREEN[0]}",
                        f"--height={SCREEN[1]}", "--idle-time=0"], env={"DISPLAY": display})
            self.env["WAYLAND_DISPLAY"] = "wayland-quiz"
            assert wait_until(lambda: os.path.exists(f"{self.runtime}/wayland-quiz")), "no weston"
        if bus:
            self._bus()
        if a11y:
            self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        if theme:  # "dark", or the name of a GTK theme
            self.env.update(QT_QPA_PLATFORMTHEME="gtk3",
                            GTK_THEME="Adwaita:dark" if theme == "dark" else theme)

    def _bus(self, variable="DBUS_SESSION_BUS_ADDRESS"):
        if variable in self.env:
            return
        daemon = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                            stdout=subprocess.PIPE, text=True)
        self.env[variable] = daemon.stdout.readline().strip()
        daemon.stdout.close()

    def _nested(self):
        """A desktop in a window of an X server of its own, which gives it a keyboard and a pointer
        that xdotool drives. Each brings an Xwayland, on the first display free."""
        self.env["DISPLAY"] = self._x_server()
        self._bus()
        if self.platform == "kwin-wayland":
            # The installed binary has file capabilities, which a container refuses to start.
            shutil.copy("/usr/bin/kwin_wayland", f"{self.tmp}/kwin_wayland")
            argv = [f"{self.tmp}/kwin_wayland", "--x11-display", self.xdisplay, "--width",
                    str(SCREEN[0]), "--height", str(SCREEN[1]), "--socket", "wayland-quiz",
                    "--xwayland"]
        else:
            # GNOME Shell gives up without a system bus; a second session bus stands in.
            self._bus("DBUS_SYSTEM_BUS_ADDRESS")
            argv = [self.platform, "--nested", "--wayland", "--wayland-display=wayland-quiz"]
        self.compositor = self.spawn(argv, env={"MUTTER_DEBUG_DUMMY_MODE_SPECS": "{}x{}".format(
            *SCREEN)}, stderr=open(f"{self.tmp}/compositor.log", "w"))
        self.env["WAYLAND_DISPLAY"] = "wayland-quiz"
        assert wait_until(lambda: os.path.exists(f"{self.runtime}/wayland-quiz") and
                          self.xwayland(), 30), f"no {self.platform}"
        if self.platform == "gnome-shell":  # it starts in the overview
            # Its start-up animation and extensions take over 30 s now and then on a busy
            # machine (seen once, in a sanitized run of the whole suite).
            assert wait_until(lambda: "GNOME Shell started" in self.log(), 60), \
                "no GNOME Shell: " + self.log()[-2000:]
            self.key("Escape")

    def log(self):
        with open(f"{self.tmp}/compositor.log", errors="replace") as log:
            return log.read()

    def xwayland(self):
        """The compositor's Xwayland as {DISPLAY, XAUTHORITY}: the display whose socket the
        compositor listens on (it starts Xwayland only for the first X client)."""
        inodes = set()
        for fd in os.listdir(f"/proc/{self.compositor.pid}/fd"):
            try:
                link = os.readlink(f"/proc/{self.compositor.pid}/fd/{fd}")
            except OSError:
                continue
            if link.startswith("socket:["):
                inodes.add(link[8:-1])
        with open("/proc/net/unix") as table:
            sockets = [line.split() for line in table.readlines()[1:]]
        display = next((row[7].rsplit("/X", 1)[1] for row in sockets if len(row) > 7 and
                        row[6] in inodes and "/tmp/.X11-unix/X" in row[7]), None)
        if display is None:
            return None
        found = {"DISPLAY": ":" + display}
        for name in os.listdir(self.runtime):  # mutter's and KWin's cookies
            if name.startswith((".mutter-Xwaylandauth.", "xauth_")):
                found["XAUTHORITY"] = f"{self.runtime}/{name}"
        return found

    def stop(self):
        family = processes()
        pids = [p.pid for p in self.processes]
        for pid in pids:  # with every descendant, daemons started by the bus included
            pids += [child for child, parent in family.items() if parent == pid]
        for pid in pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        if not wait_until(lambda: not set(pids) & set(processes()), timeout=5):
            for pid in set(pids) & set(processes()):
                os.kill(pid, signal.SIGKILL)
        for process in self.processes:
            process.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def quiz(self, binary, env=None, xwayland=False):
        """Starts the program, on its native platform or through the compositor's Xwayland."""
        native = {"QT_QPA_PLATFORM": "xcb" if self.platform == "x11" else "wayland"}
        if xwayland:
            native = {"QT_QPA_PLATFORM": "xcb", **self.xwayland()}
        if native["QT_QPA_PLATFORM"] == "wayland" and "ASAN_OPTIONS" in self.env:
            # The Wayland plug-in is unloaded before the leak check runs, so what it leaves can
            # be neither traced nor suppressed; the other platforms' runs check for leaks.
            native["ASAN_OPTIONS"] = self.env["ASAN_OPTIONS"] + ":detect_leaks=0"
        return self.spawn([binary], env={**native, **(env or {})}, stderr=None)

    # --- X11: the windows as the window manager shows them, and a user's keys and clicks ---

    def run(self, *argv, env=None):
        """Runs a command; X clients reach the X server that weston runs in as well."""
        return subprocess.run(self.user + list(argv), env={**self.env, "DISPLAY": self.xdisplay,
                                                           **(env or {})}
                              if self.xdisplay else {**self.env, **(env or {})},
                              capture_output=True, text=True).stdout

    def managed(self):
        """{id: title} of the windows the window manager shows now."""
        rows = [line.split(None, 3) for line in self.run("wmctrl", "-l").splitlines()]
        return {int(row[0], 16): row[3] if len(row) > 3 else "" for row in rows}

    def window(self, title):
        return next((wid for wid, name in self.managed().items() if name == title), None)

    def client(self, wid):
        """The client area: (left, top, width, height) on the screen."""
        info = dict(line.strip().split(": ", 1) for line in
                    self.run("xwininfo", "-id", str(wid)).splitlines() if ": " in line)
        return tuple(int(info[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                "Width", "Height"))

    def frame(self, wid):
        """The frame around a client window, from the extents its window manager publishes."""
        left, top, width, height = self.client(wid)
        extents = self.run("xprop", "-id", str(wid), "_NET_FRAME_EXTENTS").split("=")[1]
        el, er, et, eb = (int(n) for n in extents.split(","))
        return (left - el, top - et, width + el + er, height + et + eb)

    def viewable(self, wid):
        return "IsViewable" in self.run("xwininfo", "-id", str(wid))

    def click(self, x, y):
        """Clicks with the X pointer. Weston follows its moves from where it last entered
        weston's window, so it enters afresh; it shows no sign of having taken a move, so the
        moves are paced."""
        for point in ((x, SCREEN[1] + WESTON_MARGIN // 2), (x, y)):
            self.run("xdotool", "mousemove", str(point[0]), str(point[1]))
            time.sleep(0.3)
        self.run("xdotool", "click", "1")

    def screenshot(self, path, area):
        self.run("import", "-window", "root", "-crop", "{2}x{3}+{0}+{1}".format(*area),
                 "+repage", path)
        return path

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "30", *keys)

    def orca(self):
        return Orca(self)

    def opened(self, title, *keys, click=None):
        """Presses keys or clicks a point, and returns the window that opens (with this title,
        unless it is None)."""
        before = self.managed()
        self.key(*keys) if keys else self.run("xdotool", "mousemove", "--sync", *map(str, click),
                                              "click", "1")
        wid = wait_until(lambda: next((w for w, name in self.managed().items()
                                       if w not in before and title in (None, name)), None))
        assert wid, f"no window {title!r} after {keys or click}"
        return wid

    def closed(self, wid, *keys):
        """Closes a window by keys, or by the window manager's close request."""
        self.key(*keys) if keys else self.run("wmctrl", "-i", "-c", hex(wid))
        assert wait_until(lambda: not self.viewable(wid)), f"window {wid:#x} did not close"
