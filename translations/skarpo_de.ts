<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Dein Startbereich, Platz %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Startbereich von Cyan, Platz %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Startbereich von Magenta, Platz %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Startbereich von Grün, Platz %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Deine Zielbahn, Platz %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Zielbahn von Cyan, Platz %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Zielbahn von Magenta, Platz %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Zielbahn von Grün, Platz %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Dein Endplatz %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Endplatz %1 von Cyan</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Endplatz %1 von Magenta</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Endplatz %1 von Grün</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>deine Figur</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>cyanfarbene Figur</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>magentafarbene Figur</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>grüne Figur</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>dein Einsetzfeld</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>Einsetzfeld von Cyan</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>Einsetzfeld von Magenta</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>Einsetzfeld von Grün</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>deine Abzweigung in die Zielbahn</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>Abzweigung in die Zielbahn von Cyan</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>Abzweigung in die Zielbahn von Magenta</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>Abzweigung in die Zielbahn von Grün</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Klicke hier, um die Figur zu ziehen</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Klicke hier, um zu würfeln</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Klicke hier, um das Spiel zu beginnen</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>x2-Feld</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>Eckfeld, springt auf Feld %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>wartet auf deinen Wurf</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>rollt</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>zeigt eine %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, kann ziehen</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, von %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>&amp;Stark</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Zieht eine Figur, zufällig gewählt unter denen, die ziehen können.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Folgt einfachen Regeln: bringt eine Figur in ihre Zielspalte, nutzt ein Verdopplungsfeld oder eine Ecke, die sie vorwärts trägt, und zieht sonst die Figur, die am weitesten ist.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Schaut voraus auf die kommenden Würfe und wägt Fortschritt, Schlagen und die Gefahr für seine Figuren ab.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Zeigt der Würfel in der Mitte des Bretts ein Fragezeichen, bist du am Zug: Klicke ihn an, um zu würfeln. Der Würfel rollt über die Mitte und zeigt deinen Wurf dort, wo er liegen bleibt. Die farbigen Rahmen um die Mitte zeigen, wer am Zug ist.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Eine Sechs bringt immer einen weiteren Wurf, so oft sie auch fällt. Ein neues Spiel beginnt mit allen Figuren auf den Endplätzen: Dein erster Klick auf den Würfel lässt sie in die Startbereiche marschieren, bevor gewürfelt wird.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Figuren ziehen</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Nach deinem Wurf wird jede deiner Figuren, die ziehen kann, gelb. Klicke eine davon an, um sie um die gewürfelte Augenzahl weiterzuziehen. Eine Figur kann nicht ziehen, wenn ihr Zug auf einer deiner eigenen Figuren enden würde, sie darf aber über jede Figur hinwegziehen. Kann keine Figur ziehen, ist von selbst der Nächste an der Reihe (nach einer Sechs würfelst du noch einmal).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Eine Figur verlässt den Startbereich nur mit einer Sechs. Sie kommt auf dem Einsetzfeld ihres Spielers auf den Ring, dem Feld, auf dem ein Pfeil in der Farbe des Spielers die Laufrichtung zeigt. Klicke nach einer Sechs auf den gelben Platz deines Startbereichs, um eine Figur einzusetzen, oder ziehe eine Figur, die schon auf dem Ring steht. Solange eine eigene Figur des Spielers auf seinem Einsetzfeld steht, kann er keine Figur einsetzen.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Sonderfelder</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Endet der Zug einer Figur auf einem mit x2 markierten Feld, zieht sie noch einmal um dieselbe Augenzahl weiter. Endet dieser zweite Zug auf einem weiteren x2-Feld oder auf einem Eckfeld, zählt auch dieses Feld.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Endet der Zug einer Figur auf einem Eckfeld, springt sie diagonal über das Brett auf das gegenüberliegende Eckfeld, in die Richtung, in die der Pfeil zeigt. Auf der ersten Hälfte ihres Weges bringt der Sprung die Figur 30 Felder voran, auf der zweiten Hälfte 30 Felder zurück.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Schlagen</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Eine Figur, die auf eine gegnerische Figur zieht, schlägt sie, auch auf jedem der beiden Eckfelder eines Sprungs. Kein Feld ist sicher, nicht einmal ein Einsetzfeld: Eine Figur, die eingesetzt wird, schlägt eine gegnerische Figur, die dort steht. Eine Figur, die von einem x2-Feld aus ein Eckfeld erreicht, schlägt alles, was auf diesem Eckfeld steht, sogar eine Figur der eigenen Farbe, und die Figuren des Computers landen hin und wieder auf einer eigenen. Die geschlagene Figur läuft über den Ring zurück in ihren Startbereich und muss mit einer Sechs neu eingesetzt werden.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>Die Zielbahn</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Nach einer vollen Runde biegt eine Figur in ihre Zielbahn ein. Direkt vor dem Einsetzfeld des Spielers liegt ein Feld mit einem Pfeil, der in die Zielbahn zeigt; neben diesem Feld beginnt die Zielbahn. Schritte über dieses Feld hinaus führen in die Zielbahn hinein: Von diesem Feld aus erreicht eine Eins den ersten Platz der Zielbahn und eine Sechs ihren letzten. Eine Figur kann nicht ziehen, wenn der Platz, den sie erreichen würde, besetzt ist.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>In der Zielbahn zieht eine Figur um die gewürfelte Augenzahl auf einen freien Platz weiter, auf einen Endplatz aber nur mit genau passendem Wurf: mit einer Eins vom letzten Platz der Zielbahn, mit einer Sechs vom ersten.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Stehen alle vier Figuren eines Spielers auf den Endplätzen, blinkt der ganze Ring mit den Figuren dieses Spielers. Dann kehren sie in den Startbereich zurück und der Spieler beginnt von vorn, während die anderen weiterspielen. Das Spiel endet nie von selbst; mit „%1“ beginnt es neu.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Automatisches Spiel und Ton</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>Mit „%1“ spielt der Computer auch für dich: Einmal pro Sekunde würfelt er für dich und zieht eine deiner gelben Figuren. Bei einer Eins bis Fünf zieht er die Figur, die am weitesten vorn ist; bei einer Sechs setzt er eine neue Figur ein, wenn das geht, sonst zieht er die Figur, die am weitesten zurückliegt; eine Figur in der Zielbahn zieht er nur, wenn keine Figur auf dem Ring ziehen kann. Wähle „%2“ erneut, um selbst zu spielen.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Maus, Tastatur und Screenreader</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Mit der Maus: Klicke auf den Würfel, dann auf eine deiner gelben Figuren.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Mit der Tastatur springst du mit %1 und %2 zwischen allem, was gerade angeklickt werden kann, bewegst dich mit den Pfeiltasten über das Brett und wählst mit %3 oder %4 aus, genau wie mit einem Klick. %5 beginnt ein neues Spiel, %6 beendet das Programm, %7 schaltet den Vollbildmodus ein und aus, und %8 öffnet diese Hilfe. Alt zusammen mit dem unterstrichenen Buchstaben eines Menüs öffnet dieses Menü.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Ein Screenreader kann dem Spiel folgen: Die Statuszeile unter dem Brett meldet, was gerade geschieht und was du tun kannst, und jede Stelle auf dem Brett sagt an, was dort steht, sobald der Fokus sie erreicht.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo ist freie Software unter der GNU General Public License, Version 3 oder (nach deiner Wahl) jeder späteren Version (GPL-3.0-or-later): Du darfst es unter den Bedingungen dieser Lizenz weitergeben und verändern.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Soweit gesetzlich zulässig, wird keinerlei Gewährleistung übernommen.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>Der vollständige Text der Lizenz liegt dem Quellcode des Spiels in der Datei LICENSE bei und ist unter %1 veröffentlicht.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>Ü&amp;ber Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>Über Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Ist „%1“ eingeschaltet, ertönt ein Piepton, sobald eine Figur geschlagen wird. Mit „%2“ baust du jederzeit ein neues Spiel auf; beide Einstellungen bleiben dabei erhalten. Beim nächsten Start sind beide wieder ausgeschaltet.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo legt eine einzige Datei auf deinem Computer an, %1: seine Optionen, die Größe des Fensters und die Statistik. Jedes Spiel selbst existiert nur im Arbeitsspeicher und ist fort, sobald das Fenster geschlossen wird.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: address the player as du; counter = Figur (always, never Stein/Spielstein); die = Würfel; to throw = würfeln; throw (event) = Wurf; the number thrown = Augenzahl (um die gewürfelte Augenzahl ziehen); a six = eine Sechs (a 1 = eine Eins); another throw = ein weiterer Wurf / noch einmal würfeln; to move a counter = ziehen; move = Zug; whose turn = wer am Zug ist; square (on the ring) = Feld; place (start area, home column, final) = Platz; ring = Ring; board = Brett; start area = Startbereich; entry square = Einsetzfeld; bring in / come in = einsetzen / eingesetzt werden; home column = Zielbahn; final place = Endplatz; doubling square = x2-Feld; corner = Eckfeld; jump = Sprung; capture = schlagen (heading Schlagen), captured counter = geschlagene Figur; opponent&apos;s counter = gegnerische Figur; player = Spieler; colours = Rot, Cyan, Magenta, Grün; automatic play = automatisches Spiel; sound = Ton; beep = Piepton; full screen = Vollbildmodus; status line = Statuszeile; screen reader = Screenreader; menu items named in running text in „…“ quotes; How to Play = Spielanleitung; About = Über; menu bar mnemonics: H is taken by &amp;Hilfe (Help menu: &amp;Spielanleitung, Ü&amp;ber Skarpo); way into the home column = Abzweigung in die Zielbahn; a player named as owner = von Cyan/Magenta/Grün (Startbereich von Cyan, Platz 2; Letzter Wurf von Grün), a counter by its colour = deine/cyanfarbene/magentafarbene/grüne Figur; a number thrown in running text = eine %1 (Cyan hat eine 6 gewürfelt; zeigt eine 6); status line parts joined as „%1. %2“; on/off = eingeschaltet/ausgeschaltet; quit = Beenden; menu captions: &amp;Neues Spiel, &amp;Automatik ▸ &amp;Für mich spielen, &amp;Optionen ▸ &amp;Ton (V left for &amp;Vollbildmodus); shapes = Kreis (Rot), Quadrat (Cyan), Dreieck (Magenta), Stern (Grün); shape = Form</translatorcomment>
        <translation>Jede Farbe spielt ein Mensch oder der Computer, wie unter „%1“ gewählt; wenn nichts anderes gewählt ist, spielst du Rot und der Computer die anderen drei. Jeder Spieler hat vier Figuren. Sie warten im Startbereich ihres Spielers, laufen einmal im Uhrzeigersinn um den Ring, biegen dann in die eigene Zielbahn ihres Spielers ein und kommen auf deren vier Endplätzen an.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>In diesem Spiel: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Dann geht der Zug reihum weiter: Der Computer würfelt und zieht für jede Farbe, die er spielt, und der Würfel wartet auf jede Farbe, die ein Mensch spielt. Solange Figuren ziehen, nimmt das Brett keine Klicks an; die Menüs antworten immer.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>„%1“ legt fest, wie stark der Computer spielt, ab seinem nächsten Zug. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>„%1“ zeigt, wie oft jede Farbe alle vier Figuren heimgebracht hat und wie oft jede Augenzahl gefallen ist, mit einem Urteil darüber, ob der Würfel fair wirkt. Die Spielstärke, die Fenstergröße und diese Zahlen bleiben von einem Start zum nächsten erhalten.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Ein Würfelrennen für vier Farben um einen Ring aus 60 Feldern, jede Farbe gespielt von einem Menschen oder vom Computer: ein Mensch gegen den Computer, mehrere Menschen miteinander oder der Computer allein.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Baut ein neues Spiel auf; alle Einstellungen bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>Der Computer würfelt und zieht auch für die Menschen, einmal pro Sekunde</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Ein Piepton, wann immer eine Figur geschlagen wird</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Legt für jede Farbe fest, ob ein Mensch oder der Computer sie spielt, ab dem nächsten neuen Spiel</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>Der Computer spielt in seinem gewohnten Tempo</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>Die Pausen des Computers dauern nur ein Viertel so lang</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Jeder Wurf des Computers samt seinem Zug wird eine Zehntelsekunde lang gezeigt</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>Das Brett füllt den ganzen Bildschirm</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Liest das Spiel laut vor, auch ohne Bildschirmleser</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Wie oft jede Farbe alle vier Figuren heimgebracht hat und wie fair der Würfel ist</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Wo jede Figur steht: laut gesagt, oder ohne Sprachausgabe gezeigt</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>Die letzte Runde noch einmal, vollständig: vorgelesen oder ohne Sprache angezeigt</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Teilt dieses Spiel über einen Chat-Server mit Menschen an anderen Rechnern</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Nimmt an einem Tisch Platz, den jemand anderes eröffnet hat, über seinen Code oder Link</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>schlägt deine eigene Figur</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>schlägt Cyan</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>schlägt Magenta</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>schlägt Grün</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>Dein Startbereich</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Zielbahn %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>kann nicht ziehen</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>kommt auf Feld %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>auf das Eckfeld %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>per x2 weiter auf das Eckfeld %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>per x2 weiter auf %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>hinüber auf %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>in deine Zielbahn, Platz %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>hinauf auf Platz %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>auf einen Endplatz</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>alle vier im Ziel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>auf Platz %1 der Zielbahn</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>auf Feld %1 per x2 und Eckfeld</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>auf Feld %1 über das Eckfeld</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>auf Feld %1 per x2</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>auf Feld %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Wohin ein Zug führt, siehst du, bevor du ihn machst: Setze den Tastaturfokus auf eine deiner gelben Figuren oder lass die Maus auf ihr ruhen. Das Brett zeigt dann eine Zielscheibe, wo die Figur landen würde, einen Kreis um jedes x2-Feld und Eckfeld, das sie weiterbringt, Punkte auf den Feldern, über die sie zieht, und ein Kreuz auf jeder Figur, die sie schlagen würde. Die Statuszeile und der Tooltip sagen dasselbe in Worten.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>das Spiel in %1 gehört einem anderen Fenster des Spiels; das Spiel dieses Fensters wird nicht gespeichert</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>das gespeicherte Spiel in %1 ist nicht verwendbar (%2); ein neues Spiel beginnt</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>das gespeicherte Spiel in %1 stammt aus einer neueren Version des Spiels; es wird als %2 aufbewahrt und ein neues Spiel beginnt</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>das gespeicherte Spiel in %1 stammt aus einer neueren Version des Spiels und bleibt unverändert; ein neues Spiel beginnt und wird nicht gespeichert</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>das Spiel kann nicht in %1 gespeichert werden; es geht ohne Speichern weiter</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Spiel fortgesetzt: Du bist am Zug</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Spiel fortgesetzt: Cyan ist am Zug</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Spiel fortgesetzt: Magenta ist am Zug</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Spiel fortgesetzt: Grün ist am Zug</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Spiel fortgesetzt: Rot ist am Zug</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>Das gespeicherte Spiel war nicht verwendbar: Ein neues Spiel beginnt</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>Das gespeicherte Spiel stammt aus einer neueren Version und wurde beiseitegelegt: Ein neues Spiel beginnt</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Ein anderes Fenster bewahrt sein Spiel auf: Dieses Spiel wird nicht gespeichert</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>kein Spiel, das diese Version fortsetzen kann</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Wer welche Farbe spielt. Die Änderung gilt ab einem neuen Spiel.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rot:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Cyan:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Magenta:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Grün:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Te&amp;mpo</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>&amp;Am schnellsten</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Rot hat eine %1 gewürfelt</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Rot kann mit einer %1 nicht ziehen</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Rot hat eine cyanfarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Rot hat eine magentafarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Rot hat eine grüne Figur geschlagen</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Cyan hat eine rote Figur geschlagen</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Magenta hat eine rote Figur geschlagen</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Grün hat eine rote Figur geschlagen</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Eine rote Figur hat einen Endplatz erreicht</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Rot hat alle vier Figuren auf den Endplätzen</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Letzter Wurf von Rot: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Startbereich von Rot, Platz %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Zielbahn von Rot, Platz %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Endplatz %1 von Rot</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>rote Figur</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>Einsetzfeld von Rot</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>Abzweigung in die Zielbahn von Rot</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Rot: Klicke auf den Würfel</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Cyan: Klicke auf den Würfel</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Magenta: Klicke auf den Würfel</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Grün: Klicke auf den Würfel</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Rot: Klicke auf den Würfel, um noch einmal zu würfeln</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Cyan: Klicke auf den Würfel, um noch einmal zu würfeln</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Magenta: Klicke auf den Würfel, um noch einmal zu würfeln</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Grün: Klicke auf den Würfel, um noch einmal zu würfeln</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>wartet auf den Wurf von Rot</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>wartet auf den Wurf von Cyan</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>wartet auf den Wurf von Magenta</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>wartet auf den Wurf von Grün</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>schlägt Rot</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>„%1“ legt fest, wie schnell der Computer spielt. „%2“ ist sein gewohntes Tempo; mit „%3“ dauern seine Pausen nur ein Viertel so lang; mit „%4“ wird jeder seiner Würfe samt dem Zug, der darauf folgt, nur eine Zehntelsekunde lang gezeigt. Deine eigenen Würfe und Züge behalten ihr Tempo. Die Spieler und das Tempo bleiben von einem Start zum nächsten erhalten.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Ein Platz für Eingeladene wartet auf eine Person an einem anderen Rechner, wenn du einen Tisch eröffnest; bis dahin spielt der Computer ihn.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Eingeladen</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>„%1“ legt für jede Farbe fest, ob ein Mensch oder der Computer sie spielt; die Änderung gilt ab einem neuen Spiel. Mehrere Menschen können an einem Bildschirm spielen: Der Würfel wartet dann der Reihe nach auf die Farbe jedes Menschen, und die Statuszeile nennt sie („Rot: Klicke auf den Würfel“). Die Kästchen der letzten Würfe daneben sind bei den Farben, die Menschen spielen, schwarz umrahmt. Wenn der Würfel von einem Menschen zum anderen geht, wartet die Tastatur %2 Sekunden, bevor sie würfelt, damit die Tasten dessen, der gerade gespielt hat, nicht für den nächsten würfeln.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Rot: Klicke auf den Würfel, um zu beginnen</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Cyan: Klicke auf den Würfel, um zu beginnen</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Magenta: Klicke auf den Würfel, um zu beginnen</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Grün: Klicke auf den Würfel, um zu beginnen</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>gespielt von einem Menschen</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>gespielt vom Computer</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Spieler …</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>die Einstellungen in %1 sind unbrauchbar (%2); das Spiel beginnt mit seinen Voreinstellungen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>viel zu groß</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>von einer anderen Version</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>unvollständig oder fehlerhaft</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>die Einstellungen können nicht in %1 gespeichert werden; das Spiel geht weiter, ohne sie zu speichern</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo ist ein Würfelrennen für vier Spieler auf einem Ring aus 60 Feldern: Rot, der Kreis; Cyan, das Quadrat; Magenta, das Dreieck; und Grün, der Stern. Die Form jeder Farbe steht auf ihren Figuren und Plätzen, sodass man auch ohne die Farbe sieht, wem sie gehören.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Während ein Screenreader läuft, spricht auch das Spiel: deinen Wurf und was ziehen kann, jeden Zug eines Computerspielers in einem Satz, sobald er zu Ende ist, jedes Schlagen, jede Figur, die einen Endplatz erreicht, und „Du bist am Zug“, sobald der Würfel auf dich wartet. Eine Taste, die du drückst, während Figuren ziehen, wird nicht angenommen, und du hörst, dass sich das Brett bewegt. %1 liest vor, wo jede Figur steht, %2 wiederholt das zuletzt Gesagte, und „%3“ schaltet die Sprachausgabe ein oder aus, auch ohne Screenreader.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>schlägt eine rote Figur</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>schlägt eine cyanfarbene Figur</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>schlägt eine magentafarbene Figur</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>schlägt eine grüne Figur</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>zieht in die Zielbahn, Platz %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>zieht auf %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>würfelt eine %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>kann nicht ziehen</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>setzt auf %1 ein</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>schlägt deine Figur</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>erreicht einen Endplatz</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>hat alle vier Figuren im Ziel</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Sprachausgabe aus</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Sprachausgabe ein</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Du hast eine %1 gewürfelt</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Du hast eine %1 gewürfelt, kein Zug möglich</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Du hast eine %1 gewürfelt, %2 Figuren können ziehen</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Du bist am Zug</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 im Startbereich</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>Zielbahn %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 im Ziel</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Warte, das Brett bewegt sich</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>Spiel vor&amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Wo die Figuren stehen</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>&amp;Noch einmal sagen</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>einen Endplatz</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Du hast eine %1 gewürfelt: %2, Eingabe zieht</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Your throw: %1</source>
        <translation>Dein Wurf: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Cyan hat eine %1 gewürfelt</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Magenta hat eine %1 gewürfelt</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Grün hat eine %1 gewürfelt</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Mit einer %1 ist kein Zug möglich</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Cyan kann mit einer %1 nicht ziehen</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Magenta kann mit einer %1 nicht ziehen</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Grün kann mit einer %1 nicht ziehen</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Du hast eine cyanfarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Du hast eine magentafarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Du hast eine grüne Figur geschlagen</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Cyan hat eine deiner Figuren geschlagen</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Cyan hat eine magentafarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Cyan hat eine grüne Figur geschlagen</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Magenta hat eine deiner Figuren geschlagen</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Magenta hat eine cyanfarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Magenta hat eine grüne Figur geschlagen</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Grün hat eine deiner Figuren geschlagen</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Grün hat eine cyanfarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Grün hat eine magentafarbene Figur geschlagen</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Deine Figur hat einen Endplatz erreicht</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Eine cyanfarbene Figur hat einen Endplatz erreicht</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Eine magentafarbene Figur hat einen Endplatz erreicht</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Eine grüne Figur hat einen Endplatz erreicht</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Alle vier deiner Figuren stehen auf den Endplätzen</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Cyan hat alle vier Figuren auf den Endplätzen</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Magenta hat alle vier Figuren auf den Endplätzen</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Grün hat alle vier Figuren auf den Endplätzen</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Dein letzter Wurf: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Letzter Wurf von Cyan: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Letzter Wurf von Magenta: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Letzter Wurf von Grün: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Die Figuren marschieren in ihre Startbereiche</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Das automatische Spiel ist eingeschaltet</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Das automatische Spiel ist ausgeschaltet</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Der Ton ist eingeschaltet</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Der Ton ist ausgeschaltet</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Wähle eine gelbe Figur</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Klicke auf den Würfel, um zu beginnen</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Klicke auf den Würfel, um noch einmal zu würfeln</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Du bist am Zug: Klicke auf den Würfel</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keiner</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Was im Spiel gerade geschieht</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>The host %1 revealed a throw that does not match its commitment</source>
        <translation>Der Gastgeber %1 hat einen Wurf aufgedeckt, der nicht zu seiner Zusage passt</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>Der Tisch ist angehalten: das Spiel von %1 weicht von dem des Gastgebers ab</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>Die Plätze an Tisch %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 bittet um einen Platz</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 würfelt</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>Der Würfel des Wurfs %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 hat eine %2 gewürfelt: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Mein Spiel weicht beim Wurf %1 von dem des Gastgebers ab</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>Der Server wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>Das Zertifikat des Servers passt nicht: nicht verbunden</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>Der Server hat die Anmeldung abgelehnt</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>Die Verbindung zum Server ist abgebrochen</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>Der Tisch ist voll</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>Der Code des Tisches ist unbekannt</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Jemand am Tisch hat diesen Namen schon</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>Warten auf den Würfel für %1 …</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>Warten auf %1 (%2) …</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) ist gegangen; der Computer spielt %1</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) ist zurück</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>Der Computer spielt %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 spielt %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Ich übernehme %1 wieder</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>Der Schlüssel für %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>Das Spiel bis jetzt</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>Der Gastgeber ist gegangen; der Tisch ist angehalten. Dein Spiel bleibt erhalten.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Du warst weg: der Computer spielt %1. Drück eine Taste, um wieder zu spielen.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1 gehört ab dem nächsten Zug wieder dir</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>example.org</source>
        <translation>example.org</translation>
    </message>
    <message>
        <source>Connect &amp;to:</source>
        <translation>Verbinden &amp;mit:</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>Rechner:Port, falls nicht der des Servers</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>&amp;Gruppenchat:</translation>
    </message>
    <message>
        <source>conference.example.org</source>
        <translation>conference.example.org</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>empty: sign in anonymously</source>
        <translation>leer: anonym anmelden</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>wird jedes Mal erfragt, nie gespeichert</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>Tisch-&amp;Code oder Link:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX oder xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>Tisch &amp;eröffnen …</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>Tisch &amp;beitreten …</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>noch nicht bekannt</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>der Computer</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>eingeladen, frei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Alle sitzen: Das Spiel beginnt</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Tisch eröffnen</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Eröffnen</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>Tisch-&amp;Link:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>Mit dem Spiel des letzten Tisches &amp;weiterspielen</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Wähle zuerst Eingeladen für eine Farbe unter Optionen &gt; Spieler …</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Gib den Server und deinen Namen an</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>Tisch %1 ist offen: Schick den anderen seinen Code oder Link</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Anmelden …</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Tisch beitreten</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>&amp;Platz:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>Platz &amp;einnehmen</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>Das ist weder der Code noch der Link eines Tisches</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Wähle einen freien Platz und nimm ihn ein</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>unter %1 antwortet kein Display</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: Das Spiel braucht einen Bildschirm, um sein Fenster anzuzeigen, aber es ist keiner da (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Alle vier Figuren auf den Endplätzen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Faces of the die</source>
        <translation>Augenzahlen des Würfels</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Augenzahl</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Setzt alle Zählungen auf null zurück</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Alle Zählungen auf null zurücksetzen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Noch zu wenige Würfe, um den Würfel zu beurteilen.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>So fair wie ein echter Würfel: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Etwas ungleichmäßig, wie es bei einem fairen Würfel ab und zu vorkommt: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Weit ungleichmäßiger, als ein fairer Würfel fällt: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Gezählte Würfe: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Anteil jeder Augenzahl als Balken; die Linie zeigt den Anteil eines fairen Würfels</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>St&amp;atistik …</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>&amp;Automatik</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Für mich spielen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbildmodus</translation>
    </message>
</context>
</TS>
