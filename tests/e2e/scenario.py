#!/usr/bin/env python3
"""Runs one section of a steps file against the real program on a private desktop:
    scenario.py STEPS SECTION PROGRAM SAMPLES DATA [TOOL=PATH ...]
A steps file holds sections "[name]" of lines "verb arguments" ("#" starts a comment). "desktop"
starts a fresh desktop, ending the one before; a condition as a step waits until it holds. The
desktop (X11, Wayland or Windows under Wine, after the file's name) adds its own verbs and may take
one of these its own way."""
import faulthandler
import os
import re
import signal
import subprocess
import sys
import time

MAIN_TITLE = "Цитата"


class Scenario:
    def __init__(self, desktop_class, program, samples, data, tools):
        self.desktop_class, self.program, self.samples, self.tools = desktop_class, program, samples, tools
        self.desktop = self.app = None
        self.names = {"MODULES": os.path.join(samples, "modules"), "DATA": data,
                      "LONG_ROOT": "/nonexistent/" + "modules" * 1500}

    def expand(self, text):
        """$NAME, {MODULE BOOK CHAPTER VERSE} (the sample's verse) and \\n in a step's text."""
        text = re.sub(r"\$(\w+)", lambda name: self.names[name[1]], text)
        return re.sub(r"\{(\w+) (\d+) (\d+) (\d+)\}", lambda verse: self.verse(*verse.groups()), text).replace("\\n", "\n")

    def verse(self, module, *place):
        with open(os.path.join(self.samples, "expected", module + ".tsv"), encoding="utf-8") as expected:
            for line in expected:
                fields = line.rstrip("\n").split("\t")
                if fields[:3] == list(place):
                    return fields[3].encode("cp1251", errors="replace").decode("cp1251")
        raise KeyError((module, place))

    def run(self, lines):
        try:
            for number, line in lines:
                print(f"{number}: {line}", flush=True)
                verb, _, rest = line.partition(" ")
                self.step(verb, self.expand(rest))
        finally:
            self.end_desktop()

    def step(self, verb, rest):
        name = verb.replace("-", "_")
        for owner in (self.desktop, self):
            if hasattr(owner, "when_" + name):
                return self.wait_for(lambda: getattr(owner, "when_" + name)(rest), verb + " " + rest)
            if hasattr(owner, "do_" + name):
                return getattr(owner, "do_" + name)(rest)
        raise AssertionError("no such step: " + verb)

    def wait_for(self, condition, what):
        deadline = time.monotonic() + getattr(self.desktop, "patience", 10.0)
        while not condition():
            if time.monotonic() > deadline:
                raise AssertionError("still not so: " + what)
            time.sleep(0.05)

    # --- the desktop -----------------------------------------------------------------------------------

    def do_desktop(self, options):
        self.end_desktop()
        self.desktop = self.desktop_class(options.split(), self.tools).__enter__()
        self.host_log = os.path.join(self.desktop.home, "host.log")

    def end_desktop(self):
        if self.app is not None and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        if self.desktop is not None:
            self.desktop.__exit__(None, None, None)
        self.desktop = self.app = None

    def do_pause(self, seconds):
        time.sleep(float(seconds))

    def do_key(self, keys):
        for combination in keys.split():
            self.desktop.key(combination)

    def do_type(self, text):
        self.desktop.type_text(text)

    def do_press_until(self, rest):
        """Presses the keys until the condition holds: a desktop takes new shortcuts a moment after being asked."""
        keys, verb, argument = (rest.split(" ", 2) + [""])[:3]
        condition = getattr(self.desktop, "when_" + verb.replace("-", "_"), None) or getattr(self, "when_" + verb.replace("-", "_"))

        def attempt():
            self.desktop.key(keys)
            time.sleep(0.3)
            return condition(argument)
        self.wait_for(attempt, rest)

    def do_hide(self, _):
        """Escape in the main window hides it."""
        self.desktop.focus(MAIN_TITLE)
        self.desktop.key("Escape")
        self.wait_for(lambda: not self.when_shown(), "hidden")

    def do_focus(self, title):
        self.desktop.focus(title)

    def when_shown(self, title=MAIN_TITLE):
        return self.desktop.count(title or MAIN_TITLE) > 0

    def when_hidden(self, title):
        return not self.when_shown(title)

    def when_count(self, rest):
        title, count = rest.rsplit(" ", 1)
        return self.desktop.count(title) == int(count)

    def when_clipboard(self, text):
        return self.desktop.clipboard("UTF8_STRING") == text

    def when_clipboard_html(self, part):
        return part in self.desktop.clipboard("text/html")

    # --- the program -----------------------------------------------------------------------------------

    def do_profile(self, values):
        """profile KEY=VALUE ...: of the Settings group, or of another as GROUP/KEY=VALUE."""
        groups = {"Settings": []}
        for value in values.split():
            group, _, value = value.partition("/") if "/" in value.split("=", 1)[0] else ("Settings", "", value)
            groups.setdefault(group, []).append(value + "\n")
        folder = os.path.join(self.desktop.config, "Sorvanta")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "sorvanta.conf"), "w", encoding="utf-8") as profile:
            profile.write("".join(f"[{group}]\n" + "".join(lines) for group, lines in groups.items()))

    def do_fake_host(self, _):
        """A stand-in host on the PATH that notes each start."""
        host = os.path.join(self.desktop.bin, "orvanel.exe")
        with open(host, "w") as script:
            script.write(f"#!/bin/sh\necho started >> '{self.host_log}'\n")
        os.chmod(host, 0o700)

    def when_host_starts(self, count):
        if not os.path.exists(self.host_log):
            return int(count) == 0
        with open(self.host_log) as log:
            return len(log.readlines()) == int(count)

    def do_launch(self, args):
        # The program's errors go to a file: a pipe nobody reads could fill and stop it.
        self.app_log = os.path.join(self.desktop.home, "program.log")
        with open(self.app_log, "w") as log:
            self.app = subprocess.Popen([*self.command(), *args.split()], env=self.desktop.env,
                                        stdout=subprocess.DEVNULL, stderr=log)

    def command(self):
        return getattr(self.desktop, "command", lambda program: [program])(self.program)

    def do_start(self, _):
        self.do_launch("")
        self.wait_for(self.when_shown, "the main window")

    def do_run(self, rest):
        """Another start of the program to its end: run [ARGS] -> CODE."""
        args, code = rest.split("->")
        ended = subprocess.run([*self.command(), *args.split()], env=self.desktop.env, capture_output=True, timeout=60)
        assert ended.returncode == int(code), ended

    def do_signal(self, name):
        self.app.send_signal(getattr(signal, "SIG" + name))
        if name == "KILL":
            self.app.wait()

    def do_exits(self, code):
        status = self.app.wait(timeout=10)
        if status != int(code):
            print(self.program_log()[-6000:])
        assert status == int(code), status

    def do_alive(self, _):
        assert self.app.poll() is None, "the program has ended"

    def program_log(self):
        with open(self.app_log, encoding="utf-8", errors="replace") as log:
            return log.read()

    def do_log_has(self, text):
        assert text in self.program_log(), self.program_log()

    def do_idle(self, _):
        """Hidden or minimised, the program rests: under 0.2 s of processor time in a second."""
        ticks = self.cpu_ticks()
        time.sleep(1)
        assert self.cpu_ticks() - ticks < 20

    def cpu_ticks(self):
        with open(f"/proc/{self.app.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])

    def read_profile(self, group):
        values, current = {}, None
        with open(os.path.join(self.desktop.config, "Sorvanta", "sorvanta.conf"), encoding="utf-8") as profile:
            for line in map(str.strip, profile):
                if line.startswith("["):
                    current = line[1:-1]
                elif current == group and "=" in line:
                    key, value = line.split("=", 1)
                    values[key] = value
        return values

    def do_settings(self, values):
        """The profile's settings are these, no more."""
        expected = dict(value.split("=", 1) for value in values.split())
        assert self.read_profile("Settings") == expected, self.read_profile("Settings")

    def do_history(self, references):
        assert list(self.read_profile("History").values()) == references.split(" | "), self.read_profile("History")


def sections(path):
    """The numbered step lines of each section of a steps file."""
    found, current = {}, None
    with open(path, encoding="utf-8") as steps:
        for number, line in enumerate(steps, 1):
            line = line.split("#", 1)[0].strip()
            if line.startswith("["):
                current = found.setdefault(line[1:-1], [])
            elif line:
                current.append((number, line))
    return found


def main():
    steps, section, program, samples, data = sys.argv[1:6]
    tools = dict(argument.split("=", 1) for argument in sys.argv[6:])
    faulthandler.dump_traceback_later(240, exit=True)  # a step that hangs shows where
    if os.path.basename(steps).startswith("wayland"):
        from wayland import WaylandDesktop as desktop
    elif os.path.basename(steps).startswith("windows"):
        from wine import WineDesktop as desktop
    else:
        from x11 import X11Desktop as desktop
    Scenario(desktop, program, samples, data, tools).run(sections(steps)[section])


if __name__ == "__main__":
    main()
