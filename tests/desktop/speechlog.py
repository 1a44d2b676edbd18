# SPDX-License-Identifier: GPL-3.0-or-later
"""speech-dispatcher's log as the screen-reader tests read it, as it grows: what each client gave it to say (the
game's plain texts apart from Orca's, which carry a mark before every word), and for every text that began to sound,
when it began, when it ended or was cut, and how far its sound got (Orca's word marks)."""
import datetime
import html
import os
import re
import sys


def accessibility():
    """pyatspi and GLib, through which the tests watch the game's accessible objects; the test is skipped (77)
    without them."""
    try:
        import pyatspi
        from gi.repository import GLib
    except ImportError as missing:
        print(f"{missing}: (Debian package python3-pyatspi): skipped", file=sys.stderr)
        sys.exit(77)
    return pyatspi, GLib


def plain(raw):
    return html.unescape(re.sub(r"<[^>]*>", "", raw.split("</speak>")[0])).strip()


class SpeechLog:
    QUEUED = re.compile(r"Queueing message \|(.*)\| with priority")
    GIVEN = re.compile(r"Command sent to output module: \|(<speak>.*)$")
    # what the service tells its clients: a text began to sound (701), ended (702) or was cut (703)
    TOLD = re.compile(r"(\d+):REPLY:\|70([123])-(\d+)")
    MARK = re.compile(r"speak_queue reporting index mark \|(\d+):(\d+)\|")
    STAMP = re.compile(r"^\[(\w+ \w+ +\d+ [\d:]+ \d+) : (\d+)\]")

    def __init__(self, path):
        self.path, self.offset, self.rest = path, 0, ""
        self.ours, self.orca = [], []  # every text given, in order
        self.unheard = []  # the game's texts given and not yet taken by read()
        self.texts = []  # every text that began to sound: dict(text, ours, began, ended, cut, key, reached)

    def read(self):
        """The game's new texts given since the last call."""
        self.pull()
        fresh, self.unheard = self.unheard, []
        return fresh

    def pull(self):
        """Takes in what the log has gained."""
        if not os.path.exists(self.path):
            return
        with open(self.path, "rb") as f:
            f.seek(self.offset)
            chunk = f.read()
        self.offset += len(chunk)
        lines = (self.rest + chunk.decode("utf-8", "replace")).split("\n")
        self.rest = lines.pop()
        for line in lines:
            self.take(line)

    def take(self, line):
        queued = self.QUEUED.search(line)
        if queued:
            raw = queued.group(1)
            if "<mark" in raw or raw.startswith("<speak>"):
                self.orca.append(plain(raw))
            else:
                self.ours.append(plain(raw))
                self.unheard.append(plain(raw))
            return
        stamp = self.STAMP.match(line)
        if not stamp:
            return
        at = datetime.datetime.strptime(stamp.group(1), "%a %b %d %H:%M:%S %Y").timestamp() + int(stamp.group(2)) / 1e6
        given = self.GIVEN.search(line)
        if given:
            raw = given.group(1)
            ours = not re.search(r'<mark name="\d', raw)
            self.texts.append(dict(text=plain(raw), ours=ours, began=at, ended=None, cut=False, key=None, reached=0))
            return
        mark = self.MARK.search(line)
        if mark and self.texts and self.texts[-1]["ended"] is None:
            self.texts[-1]["reached"] = int(mark.group(1))
            return
        told = self.TOLD.search(line)
        if not told:
            return
        key = (told.group(1), told.group(3))
        if told.group(2) == "1" and self.texts and self.texts[-1]["key"] is None:
            self.texts[-1].update(key=key, began=at)
        elif told.group(2) != "1":
            for t in self.texts[::-1][:20]:
                if t["key"] == key and t["ended"] is None:
                    t.update(ended=at, cut=told.group(2) == "3")
                    break

    def heard(self, pattern, after, ours=None, upto=None):
        """The first text matching `pattern` that began after `after` and has ended uncut, or whose sound has reached
        the word that matches `upto`."""
        for t in self.texts:
            if t["began"] < after or not re.search(pattern, t["text"]) or (ours is not None and t["ours"] != ours):
                continue
            if t["ended"] and not t["cut"]:
                return t
            far = re.search(upto, t["text"]) if upto else None
            if far and t["reached"] >= far.start():
                return t
        return None
