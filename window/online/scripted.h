// SPDX-License-Identifier: GPL-3.0-or-later
// For the tests of a shared table: a window that hosts or joins a table by itself, clicks for its own seats as soon
// as the board takes a click, and writes to standard output what the test compares. Set by the test-only
// environment variable SKARPO_TEST_TABLE, space-separated key=value:
//   role=host|join server=HOST port=N domain=D service=S name=NICK  (both)
//   seats=me,+,+,- strength=0..2 resume=1                              (host: me, "+" invited, "-" the computer;
//                                                                       on from the game kept in table.txt)
//   room=ROOM@SERVICE seat=N                                           (join)
//   pace=F speed=0..2                                                  (pauses F times as long; the speed)
//   stall=N                                                            (no click after N throws seen)
//   tamper=N                                                           (after N throws, a wrong reveal (host) or an
//                                                                       illegal move said twice (guest))
//   times=1                                                            (the moments of each click, rest and start
//                                                                       of a decision, for the bench)
// It writes "code K7Q-3MX" and "link xmpp:..." (host) or "entered" (join) once in the room, "started", "throw N
// CHECK" before each throw is made, "stalled" when it first leaves a click undone, "tampered", and "trouble WORDS";
// with times=1 also "click|rest|shown D T CPU" (see Timeline in scripted.cpp).
#pragma once

#include <QString>

namespace skarpo {

class Window;

// Whether the script could be read (it says why not on standard error).
bool scriptTable(Window& window, const QString& script);

}  // namespace skarpo
