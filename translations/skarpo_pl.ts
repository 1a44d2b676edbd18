<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Help</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares. You play red; the computer plays cyan, magenta and green. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throwing the die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then the computer throws and moves for cyan, magenta and green in turn, until the die waits for you again. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings. Nothing is kept once the window closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dice race round a ring of 60 squares: you against three computer players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skarpo keeps no files: it reads and writes nothing on your computer. Every game lives in memory, and is gone when the window closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
