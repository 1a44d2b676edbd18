#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A seeded game at the real pace, played by a listener who acts as soon as the words allow.

Run by spoken_test.sh inside a private session with Orca and speech-dispatcher running. The player presses Space
once it has heard "Your turn" or Orca's reading of the waiting die, whichever ends first; Enter once it has heard
where its counter would go, in the game's sentence about the throw or in Orca's reading of the focused counter. From
speech-dispatcher's log (when each text began and ended, and whether it was cut) and the status line's changes
(through the accessibility bus) it measures how late the words come, prints the figures and fails past the limits:
computer turns heard 1 s after the status line at the median and 2 s at the 90th percentile, none unheard; "Your
turn" within 1.5 s of the die waiting in 95 % of turns, never once the player has thrown; 95 % of the player's throws
within 2 s; 90 % of the moves made once their destination was heard; every capture and final place heard; a round
of the computer's turns at most 1.5 times as long as the board alone makes it (the game says how long its computers
waited for the words).
Usage: spoken_eager.py GAME LOG_DIR LANGUAGE TURNS
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
SEED, PAUSE_SCALE = "23", "1"
STEP_LIMIT = 40.0  # seconds for anything to be heard before the test gives up
DESTINATION_LIMIT = 6.0  # a player who has not heard where the counter goes moves it anyway

WORDS = {
    "en": dict(
        turn=r"^Your turn\.$", die=r"waiting for your throw", throw=r"^You threw (\d)", enter=r"Enter moves it",
        many=r"counters can move", destination=r"^(to |enters |into |doubling )", from_=r", from ",
        own=r"^(Your |No move with|You |The counters march|New game|Game resumed|Choose a|Click the die|Automatic)",
        status_throw=r"^Your throw: (\d)$", waiting=r"^(Your turn: click the die|Click the die to throw again)$",
        outcome=r"^(Square \d+|Your start place|Home column \d+): ", ending=r"captured|final place|all four",
        # a part of a computer's turn on the status line, and what says it aloud
        parts=[(r"^(Cyan|Magenta|Green) threw (\d)$", r"^({1} {2}|threw {2})\b"),
               (r"^entered on (\d+)$", r"(start to|entered on) {1}\b"), (r"^moved to (\d+)$", r"\bto {1}\b"),
               (r"^moved into the home column, place (\d)$", r"home column {1}\b"), (r"cannot move", r"no move"),
               (r"captured", r"captured"), (r"final place", r"final place"), (r"all four", r"all four")]),
    "de": dict(
        turn=r"^Du bist am Zug\.$", die=r"wartet auf deinen Wurf", throw=r"^Du hast eine (\d) gewürfelt",
        enter=r"Eingabe zieht", many=r"Figuren können ziehen", destination=r"^(auf |kommt |in |verdoppelt )",
        from_=r", von ",
        own=r"^(Dein |Deine |Mit einer \d ist kein|Du |Die Figuren marschieren|Neues Spiel|Spiel fortgesetzt|Wähle|"
            r"Klicke|Das automatische)",
        status_throw=r"^Dein Wurf: (\d)$",
        waiting=r"^(Du bist am Zug: Klicke auf den Würfel|Klicke auf den Würfel, um noch einmal zu würfeln)$",
        outcome=r"^(Feld \d+|Dein Startbereich|Zielbahn \d+): ", ending=r"schlägt|geschlagen|Endplatz|alle vier",
        parts=[(r"^(Cyan|Magenta|Grün) hat eine (\d) gewürfelt$", r"^({1} {2}|würfelt eine {2})\b"),
               (r"^setzt auf (\d+) ein$", r"(Start auf|setzt auf) {1}\b"), (r"^zieht auf (\d+)$", r"\bauf {1}\b"),
               (r"^zieht in die Zielbahn, Platz (\d)$", r"Zielbahn {1}\b"), (r"nicht ziehen", r"nicht ziehen"),
               (r"geschlagen|schlägt", r"geschlagen|schlägt"), (r"Endplatz", r"Endplatz"), (r"alle vier", r"alle vier")]),
}[lang]


def fail(why):
    print(f"FAIL: {lang}: {why}", file=sys.stderr)
    sys.exit(1)


def key(name):
    """Presses a key; when it was pressed."""
    at = time.time()
    subprocess.run(["xdotool", "key", name], check=True)
    return at


class Status:
    """The status line's changes: (time, parts new since the last change)."""

    def __init__(self):
        self.changes, self.last = [], []
        pyatspi.Registry.registerEventListener(self.changed, "object:property-change:accessible-name")

    def changed(self, event):
        try:
            if event.source.getRole() != pyatspi.ROLE_STATUS_BAR or \
                    not event.host_application.name.startswith("skarpo"):
                return
        except Exception:
            return
        name = event.any_data if isinstance(event.any_data, str) else event.source.name
        parts = []
        for sentence in (p for p in re.split(r"\. |\n", name or "") if p):
            if re.match(WORDS["outcome"], sentence):
                continue
            # a sentence grown by a part ("Cyan threw 5" then "Cyan threw 5, moved to 17"): the part is the news
            grown = next((s for s in self.last if sentence.startswith(s + ", ")), None)
            if grown:
                parts += [(p, True) for p in sentence[len(grown) + 2:].split(", ")]
            elif sentence not in self.last:
                parts.append((sentence, False))
        self.last = [p for p in re.split(r"\. |\n", name or "") if p]
        if parts:
            self.changes.append((time.time(), parts))


spoken = SpeechLog(os.path.join(logdir, "speech-dispatcher.log"))
started = time.monotonic()
while not spoken.orca:
    if time.monotonic() - started > 90:
        fail("Orca said nothing within 90 s of its start")
    time.sleep(0.1)
    spoken.pull()
status = Status()
err = open(f"{logdir}/eager-game.err", "w")
player = subprocess.Popen([game, SEED, PAUSE_SCALE], stdout=subprocess.DEVNULL, stderr=err)
state = dict(step="turn", since=time.time(), own=0, error=None, done=False, keys=[], moves=0, destinations=0)


def go(step):
    state["step"], state["since"] = step, time.time()


def act():
    try:
        spoken.pull()
        s = state
        if s["step"] == "turn":
            heard = spoken.heard(WORDS["turn"], s["since"], True) or spoken.heard(WORDS["die"], s["since"], False)
            # once, an impatient player: Space as soon as "Your turn" begins to sound, which ends it
            if s["own"] == 1 and not heard:
                heard = next((t for t in spoken.texts if t["ours"] and t["key"] and t["began"] >= s["since"] and
                              re.search(WORDS["turn"], t["text"]) and time.time() - t["began"] > 0.1), None)
            if heard:
                if s["own"] >= turns:
                    s["done"] = True
                else:
                    s["keys"].append(("space", key("space")))
                    go("throw")
        elif s["step"] == "throw":
            threw = next((t for t in spoken.texts if t["ours"] and t["began"] >= s["since"] - 0.05 and
                          re.search(WORDS["throw"], t["text"])), None)
            if threw and re.search(WORDS["enter"], threw["text"]):
                if threw["ended"]:
                    move(not threw["cut"])
            elif threw and re.search(WORDS["many"], threw["text"]):
                go("destination")
            elif threw:
                s["own"] += 1  # no move
                go("turn")
        elif s["step"] == "destination":
            # heard once Orca's reading of the focused counter has come past where its move ends
            if spoken.heard(WORDS["destination"], s["since"] - 0.5, False, WORDS["from_"]):
                move(True)
            elif time.time() - s["since"] > DESTINATION_LIMIT:
                move(False)
        if time.time() - state["since"] > STEP_LIMIT:
            s["error"] = f"nothing heard for {STEP_LIMIT:.0f} s waiting for '{s['step']}'; last: " \
                         f"{[t['text'] for t in spoken.texts[-4:]]}"
        if s["done"] or s["error"] or player.poll() is not None:
            pyatspi.Registry.stop()
            return False
    except Exception as e:  # noqa: BLE001 - reported as the test's failure
        state["error"] = repr(e)
        pyatspi.Registry.stop()
        return False
    return True


def move(heard):
    state["moves"] += 1
    state["destinations"] += heard
    state["keys"].append(("return", key("Return")))
    state["own"] += 1
    go("turn")


GLib.timeout_add(30, act)
pyatspi.Registry.start()
time.sleep(1.0)
spoken.pull()
player.terminate()
player.wait(10)
err.close()
if state["error"]:
    subprocess.run(["import", "-window", "root", f"{logdir}/eager-stalled.png"], check=False)
    fail(state["error"])

ours = [t for t in spoken.texts if t["ours"]]
with open(f"{logdir}/eager-heard.txt", "w") as f:
    for t in spoken.texts:
        f.write(f"{t['began']:.3f} {'game' if t['ours'] else 'orca'} {'cut' if t['cut'] else ''} {t['text']} "
                f"(ended {t['ended'] or 0:.3f})\n")
    for k, t in state["keys"]:
        f.write(f"{t:.3f} key {k}\n")
with open(f"{logdir}/eager-shown.txt", "w") as f:
    for at, parts in status.changes:
        f.write(f"{at:.3f} {parts}\n")


def percentile(values, p):
    values = sorted(values)
    return values[min(len(values) - 1, int(p * len(values)))] if values else 0


figures, failures = [], []


def check(name, ok, figure):
    figures.append(f"{name}: {figure}")
    if not ok:
        failures.append(name)


# the computers' news: each part the status line gained, to the game's text that says it (which may come first, said
# as the turn was decided)
lags, unheard = [], []
endings_shown = endings_heard = 0
for when, parts in status.changes:
    for part, _ in parts:
        for shown, said in WORDS["parts"]:
            m = re.search(shown, part)
            if not m:
                continue
            pattern = said.format(*[m.group(0)] + [re.escape(g) for g in m.groups()])
            # said as the turn was decided, up to its pauses before the board shows the move
            texts = [t for t in ours if when - 8.0 <= t["began"] and re.search(pattern, t["text"])]
            text = min(texts, key=lambda t: abs(t["began"] - when), default=None)
            if text is None or text["cut"] or not text["ended"]:
                unheard.append(part)
            else:
                lags.append(max(0.0, text["began"] - when))
            break
        if re.search(WORDS["ending"], part):
            endings_shown += 1
            endings_heard += bool(spoken.heard(WORDS["ending"], when - 8.0, True))
check("computer turns", lags and statistics.median(lags) <= 1.0 and percentile(lags, 0.9) <= 2.0 and not unheard,
      f"{len(lags)} heard, {len(unheard)} unheard {unheard[:3]}, lag median {statistics.median(lags) if lags else 0:.2f} s, "
      f"90th percentile {percentile(lags, 0.9):.2f} s, longest {max(lags, default=0):.2f} s")

# "Your turn" from the die waiting; never begun once the player has thrown
spaces = [t for k, t in state["keys"] if k == "space"]
waits = [when for when, parts in status.changes for p, _ in parts if re.match(WORDS["waiting"], p)]
in_time = stale = 0
for i, when in enumerate(waits):
    until = waits[i + 1] if i + 1 < len(waits) else float("inf")
    thrown = next((t for t in spaces if when <= t < until), float("inf"))
    said = next((t["began"] for t in ours if re.search(WORDS["turn"], t["text"]) and when - 0.3 <= t["began"] < until),
                float("inf"))
    stale += said < float("inf") and said > thrown
    in_time += min(said, thrown) - when <= 1.5
check("\"your turn\"", waits and in_time >= 0.95 * len(waits) and not stale,
      f"{in_time} of {len(waits)} within 1.5 s of the die waiting (or thrown by then), {stale} after the throw")

# the player's own throws, from the status line
own_lags = []
for when, parts in status.changes:
    for p, _ in parts:
        m = re.match(WORDS["status_throw"], p)
        if m:
            said = next((t for t in ours if t["began"] >= when - 0.3 and re.search(WORDS["throw"], t["text"])), None)
            own_lags.append(said["began"] - when if said else float("inf"))
check("own throws", own_lags and sum(lag <= 2.0 for lag in own_lags) >= 0.95 * len(own_lags),
      f"{sum(lag <= 2.0 for lag in own_lags)} of {len(own_lags)} within 2 s")
check("destinations", (lang != "en" or state["moves"]) and state["destinations"] >= 0.9 * state["moves"],
      f"heard before the move in {state['destinations']} of {state['moves']}")
check("captures and final places", endings_heard == endings_shown, f"{endings_heard} of {endings_shown} heard")

# a round: from the player's move to the die waiting again, against the same less the computers' waits for words
held = []
with open(f"{logdir}/eager-game.err") as f:
    for line in f:
        m = re.match(r"^waited for words ([\d.]+) ([\d.]+)$", line)
        if m:
            held.append((float(m.group(1)), float(m.group(2))))
rounds = []
for k, t in state["keys"]:
    if k != "return":
        continue
    end = next((w for w in waits if w > t), None)
    if end:
        waited = sum(d for start, d in held if t <= start <= end)
        rounds.append((end - t, end - t - waited))
with_speech, without = sum(r[0] for r in rounds), sum(r[1] for r in rounds)
check("rounds", (lang != "en" or rounds) and with_speech <= 1.5 * without,
      f"{len(rounds)} rounds: {with_speech / max(1, len(rounds)):.2f} s each with speech, "
      f"{without / max(1, len(rounds)):.2f} s without the waits for words: {with_speech / max(without, 1e-9):.2f} times")

# what was cut: the game's words only when the player acted (the game ends its own), never the screen reader's by
# the game (Orca ends its own at a key)
keys_at = [t for _, t in state["keys"]]
# (a key reaches the game, and its stop the service, within a second or so on a busy machine)
acted = lambda t: any(-0.1 <= t["ended"] - k <= 1.5 for k in keys_at)  # noqa: E731
game_cut = [t for t in ours if t["cut"] and t["reached"] >= 0 and t["key"]]
orca_cut = [t for t in spoken.texts if t["cut"] and not t["ours"] and t["key"]]
check("words cut", all(acted(t) for t in game_cut) and (game_cut or lang != "en"),
      f"of the game's {len(ours)} texts {len(game_cut)} cut, {sum(acted(t) for t in game_cut)} of them by the "
      f"player's key; of Orca's {len(spoken.texts) - len(ours)} {len(orca_cut)} cut (by Orca, at a key: "
      f"{sum(acted(t) for t in orca_cut)})")

print(f"{lang}: the eager player, {state['own']} turns at the real pace:")
for line in figures:
    print(f"  {line}")
if failures:
    fail(f"past the limits: {', '.join(failures)}")
