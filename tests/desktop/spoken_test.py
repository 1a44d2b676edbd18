#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A seeded game played by keys alone, deciding only from what was spoken.

Run by spoken_test.sh inside a private session with Orca and speech-dispatcher
running. Waits until Orca has started, starts the game, waits for "Your turn",
throws with Space, hears the throw and how many counters can move, visits them
with Tab, listening each time until Orca has read the counter, as a player
does, and moves the last with Enter; asks once where the counters stand and once for the last
thing again, and once presses a key while the board moves. What was spoken is
read from speech-dispatcher's log; what the game showed, from its status line
through the accessibility bus. Prints the counts and fails below the targets.
Usage: spoken_test.py GAME LOG_DIR LANGUAGE TURNS
"""
import os
import re
import statistics
import subprocess
import sys
import time

from speechlog import SpeechLog, accessibility

pyatspi, GLib = accessibility()

game, logdir, lang, turns = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
SEED, PAUSE_SCALE = "17", "0.1"
STEP_LIMIT = 40.0  # seconds for any one thing to be heard
# Orca reads a counter a fraction of a second after the focus reaches it on a quiet machine; beside two busy
# processes it has taken several seconds. Past this, the next key is pressed anyway and the counter counts as unread.
READ_LIMIT = 15.0
# Orca, a Python program, says it is on about 2 s after it starts on a quiet machine, over 20 s on a busy one.
ORCA_START_LIMIT = 90.0

# What the game says, by language: the patterns the player listens for.
WORDS = {
    "en": dict(
        turn=r"^Your turn\.$", die=r"^Die push button", throw=r"^You threw (\d)", one=r"Enter moves it", many=r"(\d) counters can move",
        nomove=r"no move", busy=r"board is moving", standings=r"You: [^:]*\. Cyan: [^:]*\. Magenta: [^:]*\. Green: [^:]*\.",
        round=r"\b(Cyan|Magenta|Green) threw \d",
        computer=r"^(Cyan|Magenta|Green) threw", canmove=r"can move", destination=r"^(to |enters |into |doubling )"),
    "de": dict(
        turn=r"^Du bist am Zug\.$", die=r"^Würfel", throw=r"^Du hast eine (\d) gewürfelt", one=r"Eingabe zieht",
        many=r"(\d) Figuren können ziehen", nomove=r"kein Zug", busy=r"Brett bewegt sich",
        standings=r"Du: [^:]*\. Cyan: [^:]*\. Magenta: [^:]*\. Grün: [^:]*\.", round=r"\b(Cyan|Magenta|Grün) würfelt eine \d", computer=r"^(Cyan|Magenta|Grün) würfelt",
        canmove=r"kann ziehen", destination=r"^(auf |kommt |in )"),
}[lang]
# The status line's English (the first run), for what the game showed.
PROMPTS = {"Choose a yellow counter", "Click the die to throw again", "Your turn: click the die",
           "Click the die to start", "Automatic play is on"}
OUTCOME = re.compile(r"^(Square \d+|Your start place|Home column \d+): ")
WAITING = {"Click the die to throw again", "Your turn: click the die", "Click the die to start"}


def fail(why):
    print(f"FAIL: {why}", file=sys.stderr)
    sys.exit(1)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


class Shown:
    """The status line's news as the game showed it: each new batch of sentences, prompts left out."""

    def __init__(self):
        self.news, self.last = [], ()
        self.waits = 0  # times the status line began to ask for the die
        self.waiting = False
        pyatspi.Registry.registerEventListener(self.changed, "object:property-change:accessible-name")

    def changed(self, event):
        try:
            if event.source.getRole() != pyatspi.ROLE_STATUS_BAR or not event.host_application.name.startswith("skarpo"):
                return
        except Exception:
            return
        name = event.any_data if isinstance(event.any_data, str) else event.source.name
        parts = [p for p in re.split(r"\. |\n", name or "") if p]
        waiting = any(p in WAITING for p in parts)
        if waiting and not self.waiting:
            self.waits += 1
        self.waiting = waiting
        # what a focused yellow counter would do is no news either
        news = tuple(p for p in parts if p not in PROMPTS and not OUTCOME.match(p))
        if news and news != self.last:
            # a computer's throw told again with where its counter went ("Cyan threw 5, moved to 17") is one event
            if self.last and self.news and news[0].startswith(self.news[-1] + ", "):
                self.news[-1] = news[0]
                news_after = news[1:]
            else:
                news_after = news
            self.news.extend(news_after)
            self.last = news


speech = SpeechLog(os.path.join(logdir, "speech-dispatcher.log"))
# the game starts once Orca listens: a window that takes the focus before that is never read out
started = time.monotonic()
while not speech.orca:
    if time.monotonic() - started > ORCA_START_LIMIT:
        fail(f"Orca said nothing within {ORCA_START_LIMIT:.0f} s of its start")
    time.sleep(0.1)
    speech.pull()
print(f"{lang}: Orca spoke {time.monotonic() - started:.1f} s after the test began: {speech.orca[0]}")
shown = Shown() if lang == "en" else None
player = subprocess.Popen([game, SEED, PAUSE_SCALE], stdout=subprocess.DEVNULL, stderr=open(f"{logdir}/game.err", "w"))

state = dict(step="turn", pending=False, since=time.monotonic(), own=0, keys=[], turn_keys=0, asked=None, busy_at=None,
             heard=dict(turn=0, throw=0, standings=0, round=0, busy=0), done=False, error=None,
             tabs=0, read_from=0, visits=0, reads=0)


def go(step):
    state["step"], state["since"] = step, time.monotonic()


def act():
    """One look at what was said, and the keys it calls for."""
    try:
        for text in speech.read():
            hear(text)
        turn()
        choose()
        if time.monotonic() - state["since"] > STEP_LIMIT:
            state["error"] = f"nothing heard for {STEP_LIMIT:.0f} s waiting for '{state['step']}'; last said: " \
                             f"{speech.ours[-3:]}"
        if state["done"] or state["error"] or player.poll() is not None:
            pyatspi.Registry.stop()
            return False
    except Exception as e:  # noqa: BLE001 - reported as the test's failure
        state["error"] = repr(e)
        pyatspi.Registry.stop()
        return False
    return True


def hear(text):
    s = state
    # where every counter stands, asked for and then asked again
    s["heard"]["standings"] += len(re.findall(WORDS["standings"], text))
    # the last round again in full: a computer's turn in the words the game says it in only then
    s["heard"]["round"] += bool(re.search(WORDS["round"], text))
    if re.search(WORDS["busy"], text):
        s["heard"]["busy"] += 1
    for sentence in re.split(r"(?<=\.) ", text):
        listen(sentence)


def listen(sentence):
    s = state
    if re.search(WORDS["turn"], sentence):
        s["heard"]["turn"] += 1
        if s["step"] == "turn":
            s["pending"] = True
        return
    throw(sentence)


def turn():
    """The die waits: throw (asking first, now and then, where the counters stand or what was said)."""
    s = state
    # the first key only once Orca has told that the die has the focus: the window is active
    if not s["pending"] or not any(re.match(WORDS["die"], t) for t in speech.orca):
        return
    s["pending"] = False
    if s["own"] >= turns:
        s["done"] = True
        return
    if s["own"] == 2:
        key("ctrl+b", "ctrl+r")  # where does everyone stand? and what happened in the last round, in full
    listen_from_here()
    key("space")
    s["turn_keys"] = 1
    go("throw")


def throw(sentence):
    s = state
    m = re.search(WORDS["throw"], sentence)
    if not m:
        return
    s["pending"] = False  # thrown: whatever came before it is past
    s["heard"]["throw"] += 1
    many = re.search(WORDS["many"], sentence)
    if many or re.search(WORDS["one"], sentence):
        # the focus is on the first; Tab visits the others once Orca has read each, Enter moves the last
        s["tabs"], s["six"] = (int(many.group(1)) if many else 1) - 1, m.group(1) == "6"
        s["visits"] += 1
        go("choose")
        return
    ended()


def listen_from_here():
    """Orca's reading of the focus after the next key is what counts: what it said before is past."""
    speech.pull()
    state["read_from"] = len(speech.orca)


def choose():
    """Among the counters that can move: the next key once Orca has read the focused one (or has taken too long)."""
    s = state
    if s["step"] != "choose":
        return
    read = any(re.search(WORDS["canmove"], t) for t in speech.orca[s["read_from"]:])
    if not read and time.monotonic() - s["since"] < READ_LIMIT:
        return
    s["reads"] += read
    listen_from_here()
    s["turn_keys"] += 1
    if s["tabs"]:
        s["tabs"] -= 1
        s["visits"] += 1
        key("Tab")
        go("choose")
        return
    key("Return")
    if s["busy_at"] is None and lang == "en" and not s["six"]:
        # the computers play next: the board moves for a while
        s["busy_at"] = s["own"]
        time.sleep(0.05)
        key("space")  # while the counter moves: the board is busy
    ended()


def ended():
    s = state
    s["keys"].append(s["turn_keys"])
    s["own"] += 1
    go("turn")


GLib.timeout_add(30, act)
pyatspi.Registry.start()
time.sleep(1.0)
speech.read()
if state["error"]:
    subprocess.run(["import", "-window", "root", f"{logdir}/stalled.png"], check=False)
player.terminate()
player.wait(10)
if state["error"]:
    fail(state["error"])

ours, orca = speech.ours, speech.orca
print(f"{lang}: the game said {len(ours)} texts, Orca {len(orca)}")
sentences = [p for t in ours for p in re.split(r"(?<=\.) ", t)]
if lang != "en":
    english = [t for t in ours if re.search(r"\b(You|Your|threw|captured)\b", t)]
    if english or not state["heard"]["turn"] or not state["heard"]["throw"]:
        fail(f"not spoken in {lang}: {english[:3] or ours[:5]}")
    print(f"{lang}: {state['own']} turns played; \"your turn\" heard {state['heard']['turn']} times; e.g. "
          f"{' | '.join(ours[:4])}")
    sys.exit(0)


def ratio(name, heard, shown_, target):
    print(f"{name}: heard {heard} / shown {shown_}")
    if shown_ and heard < target * shown_:
        fail(f"{name}: {heard} of {shown_} heard, below {target:.0%}")


news = shown.news
with open(f"{logdir}/shown.txt", "w") as f:
    f.write("\n".join(news) + "\n")
with open(f"{logdir}/spoken.txt", "w") as f:
    f.write("\n".join(ours) + "\n")
# a computer's turn is said a part at a time, as it happens ("Cyan threw 6." "Entered on 16." "Threw 2." "To 18.")
computer_parts = [t.rstrip(".") for t in sentences
                  if not re.match(r"^(You|Your|Wait|New game|Speech|Game resumed)\b", t)]
ratio("own throws", sum(1 for t in sentences if re.match(WORDS["throw"], t)),
      sum(1 for n in news if n.startswith("Your throw:")), 0.9)
shown_computer = [n for n in news if re.match(r"^(Cyan|Magenta|Green) |^An? (cyan|magenta|green) counter", n)]
# a throw ("Cyan 6: start to 16.", "threw 2: to 18."), and what it did besides, each an event as the status line shows it
ratio("computer events", sum(len(re.findall(r"^(Cyan|Magenta|Green) \d|^threw \d|no move|captured|final place|all four", p))
                             for p in computer_parts),
      len(shown_computer), 0.9)
shown_ends = [n for n in news if re.search(r"captured|final place|all four", n)]
own_sentences = [t for t in sentences if t.rstrip(".") not in computer_parts]
heard_ends = [p for p in computer_parts + own_sentences if re.search(r"captured|final place|all four", p)]
ratio("captures and final places", len(heard_ends), len(shown_ends), 1.0)
ratio("\"your turn\"", state["heard"]["turn"], shown.waits, 1.0)
if not state["visits"]:
    fail(f"no counter could move in {state['own']} turns: the reading of counters went unchecked")
ratio("movable counters read by Orca before the next key (of those focused)", state["reads"], state["visits"], 0.9)
# a counter that can move is named by where its move ends, before its role and state
focused = [t for t in orca if re.search(WORDS["canmove"], t)]
destinations = [t for t in orca if re.search(WORDS["destination"], t)]
ratio("destinations (of the movable counters read)", len(destinations), len(focused), 0.9)
print(f"keys per own turn: median {statistics.median(state['keys'])}, max {max(state['keys'])} "
      f"over {len(state['keys'])} turns")
print(f"where the counters stand, asked for: heard {state['heard']['standings']} times; the last round again in full: "
      f"{state['heard']['round']} times")
if not state["heard"]["standings"] or not state["heard"]["round"]:
    fail("where the counters stand, or the last round again: not heard")
print(f"a key while the board moves: \"busy\" heard {state['heard']['busy']} times")
if not state["heard"]["busy"]:
    fail("a key pressed while the board moved was not answered")
if state["own"] < turns:
    fail(f"only {state['own']} of {turns} turns played")
