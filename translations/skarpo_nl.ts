<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Jouw startplaats %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Startplaats %1 van cyaan</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Startplaats %1 van magenta</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Startplaats %1 van groen</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Jouw thuisrij, plaats %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Thuisrij van cyaan, plaats %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Thuisrij van magenta, plaats %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Thuisrij van groen, plaats %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Jouw eindplaats %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Eindplaats %1 van cyaan</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Eindplaats %1 van magenta</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Eindplaats %1 van groen</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>jouw pion</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>pion van cyaan</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>pion van magenta</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>pion van groen</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>jouw beginvakje</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>beginvakje van cyaan</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>beginvakje van magenta</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>beginvakje van groen</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>jouw afslag naar de thuisrij</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>afslag naar de thuisrij van cyaan</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>afslag naar de thuisrij van magenta</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>afslag naar de thuisrij van groen</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Klik hier om de pion te verzetten</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Klik hier om de dobbelsteen te gooien</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Klik hier om het spel te beginnen</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>x2-vakje</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>hoekvakje, springt naar vakje %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Vakje %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dobbelsteen</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>wacht op je worp</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>vraagteken</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>rolt</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>toont %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, kan verzet worden</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, vanaf %2</translation>
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
        <translation>&amp;Makkelijk</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>&amp;Sterk</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Zet een pion die willekeurig gekozen is uit de pionnen die kunnen zetten.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Volgt eenvoudige regels: brengt een pion in zijn thuiskolom, neemt een verdubbelvak of een hoek die hem vooruit brengt, en zet anders de pion die het verst is.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Kijkt vooruit naar de worpen die komen en weegt voortgang, slaan en het gevaar voor zijn pionnen.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>De dobbelsteen gooien</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Als de dobbelsteen midden op het bord een vraagteken toont, ben jij aan de beurt: klik erop om te gooien. De dobbelsteen rolt over het midden van het bord en toont je worp op de plek waar hij blijft liggen. De gekleurde kaders rond het midden tonen wie er aan de beurt is.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Een zes geeft altijd recht op nog een worp, hoe vaak hij ook valt. Een nieuw spel begint met alle pionnen op de eindplaatsen: je eerste klik op de dobbelsteen laat ze naar de startgebieden marcheren voordat er gegooid wordt.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Je pionnen verzetten</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Na je worp kleurt elke pion van jou die verzet kan worden geel. Klik op een ervan om hem het gegooide aantal vakjes vooruit te zetten. Een pion kan niet verzet worden als zijn zet op een van je eigen pionnen zou eindigen, maar hij mag elke pion passeren. Kan er geen enkele pion verzet worden, dan gaat de beurt vanzelf naar de volgende speler (na een zes gooi je opnieuw).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Een pion verlaat het startgebied alleen met een zes. Hij komt op de baan op het beginvakje van zijn speler: het vakje met een pijl in de kleur van die speler, die de looprichting aangeeft. Klik na een zes op de gele plaats in je startgebied om een pion op de baan te brengen, of verzet een pion die al op de baan staat. Geen enkele pion kan op de baan komen zolang er een eigen pion van die speler op het beginvakje staat.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Bijzondere vakjes</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Een pion waarvan de zet eindigt op een vakje met x2, gaat met dezelfde worp nog een keer vooruit. Eindigt die tweede zet op een ander x2-vakje of op een hoekvakje, dan telt dat vakje ook.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Een pion waarvan de zet eindigt op een hoekvakje, springt diagonaal over het bord naar het tegenoverliggende hoekvakje, in de richting van de pijl. Op de eerste helft van de tocht van een pion brengt de sprong hem 30 vakjes vooruit; op de tweede helft 30 vakjes terug.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Slaan</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Een pion die op een pion van een tegenstander terechtkomt, slaat die, ook op elk van beide hoekvakjes van een sprong. Geen enkel vakje is veilig, zelfs een beginvakje niet: een pion die op de baan komt, slaat een tegenstander die daar staat. Een pion die vanaf een x2-vakje een hoekvakje bereikt, slaat alles wat op dat hoekvakje staat, zelfs een pion van zijn eigen kleur, en de pionnen van de computer komen af en toe op een van hun eigen pionnen terecht. De geslagen pion loopt over de baan terug naar zijn startgebied en moet weer met een zes op de baan komen.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>De thuisrij</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Na een volledige ronde draait een pion zijn thuisrij in. De thuisrij begint naast het laatste vakje vóór het beginvakje van de speler; op dat laatste vakje wijst een pijl de thuisrij in. Stappen voorbij dat vakje gaan verder in de thuisrij: vanaf het vakje zelf bereikt een 1 de eerste plaats van de thuisrij en een 6 de laatste. Een pion kan niet verzet worden als de plaats die hij zou bereiken bezet is.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>In de thuisrij gaat een pion het gegooide aantal plaatsen vooruit naar een vrije plaats, en naar een eindplaats alleen met precies de juiste worp: een 1 vanaf de laatste plaats van de thuisrij, een 6 vanaf de eerste.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Als alle vier pionnen van een speler op hun eindplaatsen staan, knippert de hele baan met de pionnen van die speler. Daarna gaan ze terug naar het startgebied en begint die speler opnieuw, terwijl de anderen doorspelen. Het spel eindigt nooit vanzelf; met %1 begin je opnieuw.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Automatisch spelen en geluid</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>Met %1 speelt de computer ook voor jou: eens per seconde gooit hij voor je en verzet hij een van je gele pionnen. Bij een worp onder de zes verzet hij de pion die het verst gevorderd is; bij een zes brengt hij een nieuwe pion op de baan als dat kan, en anders verzet hij de pion die het verst achterligt; een pion in de thuisrij alleen als geen enkele pion op de baan verzet kan worden. Kies opnieuw %2 om weer zelf te spelen.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Muis, toetsenbord en schermlezer</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Met de muis klik je op de dobbelsteen en daarna op een van je gele pionnen.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Met het toetsenbord ga je met %1 en %2 langs alles waarop je nu kunt klikken, beweeg je met de pijltoetsen over het bord, en kies je met %3 of %4, precies zoals met een klik. %5 begint een nieuw spel, %6 sluit het spel af, %7 zet volledig scherm aan en uit, en %8 opent deze uitleg. Alt met de onderstreepte letter van een menu opent dat menu.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Een schermlezer kan het spel volgen: de statusregel onder het bord vertelt wat er gebeurt en wat je kunt doen, en elk vakje en elke plaats op het bord vertelt wat erop staat zodra de focus er komt.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo is vrije software onder de GNU General Public License, versie 3 of (naar jouw keuze) elke latere versie (GPL-3.0-or-later): je mag het delen en aanpassen volgens de voorwaarden van die licentie.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Het wordt geleverd zonder enige garantie, voor zover de wet dat toestaat.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>De volledige tekst van de licentie zit bij de broncode van het spel, in het bestand LICENSE, en is gepubliceerd op %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spelregels</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>&amp;Over Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>Over Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Als %1 aan staat, klinkt er een pieptoon telkens als een pion geslagen wordt. %2 zet op elk moment een nieuw spel klaar en behoudt beide instellingen; bij de volgende start staan ze allebei weer uit.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo bewaart één bestand op je computer, %1: de opties, de grootte van het venster en de statistieken. Elk spel zelf bestaat alleen in het geheugen en is verdwenen zodra het venster sluit.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: counter = pion (pionnen); die = dobbelsteen; to throw = gooien; a throw = worp; another throw after a six = nog een worp; square = vakje; ring = baan; place (in start area, home column) = plaats; start area = startgebied; entry square = beginvakje; home column = thuisrij; final place = eindplaats; x2 square = x2-vakje; corner = hoekvakje; to capture = slaan (geslagen); opponent = tegenstander; turn = beurt; to move a counter = verzetten, a move = zet; to bring in = op de baan brengen; to come in = op de baan komen; board = bord; game = spel; the player is addressed as je/jij; status line = statusregel; screen reader = schermlezer. Menus: New Game = &amp;Nieuw spel; AutoPlay = &amp;Automatisch spelen, its item Auto = Automatisch; Options = &amp;Opties, its items Sound = &amp;Geluid, Full Screen = &amp;Volledig scherm; Help = &amp;Help, its items How to Play = &amp;Spelregels, About Skarpo = &amp;Over Skarpo; Quit = &amp;Afsluiten. Board and status line: doubling square = x2-vakje; the square that leads into a home column = afslag naar de thuisrij; a counter of a colour = pion van cyaan, pion van magenta, pion van groen; the players in the status line = Cyaan, Magenta, Groen; what just happened in the perfect tense (heeft ... gegooid, heeft ... geslagen); last throw = laatste worp; empty = leeg; can move = kan verzet worden; on/off = staat aan/staat uit; die (its name on the board) = Dobbelsteen.; shapes = cirkel (rood), vierkant (cyaan), driehoek (magenta), ster (groen); shape = vorm</translatorcomment>
        <translation>Elke kleur wordt door een mens of door de computer gespeeld, zoals gekozen bij %1; tenzij anders gekozen speel jij rood en speelt de computer de andere drie. Elke speler heeft vier pionnen. Die wachten in het startgebied van hun speler, gaan één keer met de klok mee rond de baan, draaien dan de eigen thuisrij van hun speler in en eindigen op de vier eindplaatsen daarvan.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>In dit spel: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Daarna gaat de beurt rond het bord: de computer gooit en zet voor elke kleur die hij speelt, en de dobbelsteen wacht op elke kleur die een mens speelt. Zolang er pionnen bewegen, neemt het bord geen klikken aan; de menu&apos;s reageren altijd.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>%1 bepaalt hoe sterk de computer speelt, vanaf zijn volgende zet. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>%1 toont hoe vaak elke kleur alle vier pionnen thuis heeft gebracht en hoe vaak elk aantal ogen is gegooid, met een oordeel of de dobbelsteen eerlijk lijkt. De sterkte, de grootte van het venster en deze tellingen worden van de ene start tot de volgende onthouden.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Een dobbelrace voor vier kleuren rond een ring van 60 vakken, elke kleur gespeeld door een mens of door de computer: één mens tegen de computer, meerdere mensen samen, of de computer alleen.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Zet een nieuw spel klaar; alle instellingen blijven zoals ze zijn</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>De computer gooit en zet ook voor de mensen, eens per seconde</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Een piep telkens als er een pion geslagen wordt</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Kiest voor elke kleur of een mens of de computer hem speelt, vanaf het volgende nieuwe spel</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>De computer speelt in zijn gewone tempo</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>De pauzes van de computer duren een kwart zo lang</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Elke worp van de computer, met zijn zet, wordt een tiende seconde getoond</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>Het bord vult het hele scherm</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Leest het spel hardop voor, ook zonder schermlezer</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Hoe vaak elke kleur alle vier pionnen thuis bracht, en hoe eerlijk de dobbelsteen is</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Waar elke pion staat: hardop gezegd, of zonder spraak getoond</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>De laatste ronde nog eens, volledig: hardop, of getoond zonder spraak</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Deelt dit spel via een chatserver met mensen aan andere computers</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Neemt plaats aan een tafel die iemand anders opent, met de code of de link ervan</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>slaat je eigen pion</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>slaat cyaan</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>slaat magenta</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>slaat groen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Vakje %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>Jouw startplaats</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Thuisrij %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>kan niet verzet worden</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>komt op vakje %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>naar hoekvakje %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>naar %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>verdubbeld door naar hoekvakje %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>verdubbeld door naar %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>overgestoken naar %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>jouw thuisrij in, plaats %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>omhoog naar plaats %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>naar een eindplaats</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>alle vier thuis</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>naar plaats %1 van de thuisrij</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>naar vakje %1 via x2 en hoekvakje</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>naar vakje %1 via het hoekvakje</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>naar vakje %1 via x2</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>naar vakje %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Je kunt zien waar een zet uitkomt voordat je hem doet: zet de toetsenbordfocus op een van je gele pionnen, of laat de muis erop rusten. Het bord toont dan een schietschijf waar de pion zou eindigen, een cirkel om elk x2-vakje of hoekvakje dat hem verder brengt, stippen op de vakjes die hij passeert en een kruis op elke pion die hij zou slaan. De statusregel en de tooltip zeggen hetzelfde in woorden.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>het spel in %1 wordt bewaard door een ander venster van het spel; het spel van dit venster wordt niet opgeslagen</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>het opgeslagen spel in %1 is onbruikbaar (%2); een nieuw spel begint</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>het opgeslagen spel in %1 komt uit een nieuwere versie van het spel; het wordt bewaard als %2 en een nieuw spel begint</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>het opgeslagen spel in %1 komt uit een nieuwere versie van het spel en blijft zoals het is; een nieuw spel begint en wordt niet opgeslagen</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>het spel kan niet in %1 worden opgeslagen; het gaat verder zonder opslaan</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Spel hervat: jij bent aan de beurt</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Spel hervat: cyaan is aan de beurt</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Spel hervat: magenta is aan de beurt</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Spel hervat: groen is aan de beurt</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Spel hervat: rood is aan de beurt</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>Het opgeslagen spel was onbruikbaar: een nieuw spel begint</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>Het opgeslagen spel komt uit een nieuwere versie en is opzij gezet: een nieuw spel begint</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Een ander venster bewaart zijn spel: dit spel wordt niet opgeslagen</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>geen spel dat deze versie kan hervatten</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Wie elke kleur speelt. De wijziging geldt vanaf een nieuw spel.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rood:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Cyaan:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Magenta:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Groen:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Sn&amp;elheid</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>Sne&amp;lst</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Rood heeft %1 gegooid</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Rood kan met %1 geen zet doen</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Rood heeft een pion van cyaan geslagen</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Rood heeft een pion van magenta geslagen</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Rood heeft een pion van groen geslagen</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Cyaan heeft een pion van rood geslagen</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Magenta heeft een pion van rood geslagen</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Groen heeft een pion van rood geslagen</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Een pion van rood heeft een eindplaats bereikt</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Rood heeft alle vier pionnen op de eindplaatsen</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Laatste worp van rood: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Startplaats %1 van rood</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Thuisrij van rood, plaats %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Eindplaats %1 van rood</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>pion van rood</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>beginvakje van rood</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>afslag naar de thuisrij van rood</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Rood: klik op de dobbelsteen</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Cyaan: klik op de dobbelsteen</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Magenta: klik op de dobbelsteen</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Groen: klik op de dobbelsteen</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Rood: klik op de dobbelsteen om opnieuw te gooien</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Cyaan: klik op de dobbelsteen om opnieuw te gooien</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Magenta: klik op de dobbelsteen om opnieuw te gooien</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Groen: klik op de dobbelsteen om opnieuw te gooien</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>wacht op de worp van rood</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>wacht op de worp van cyaan</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>wacht op de worp van magenta</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>wacht op de worp van groen</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>slaat rood</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>%1 bepaalt hoe snel de computer speelt. %2 is zijn gewone tempo; met %3 duren zijn pauzes een kwart zo lang; met %4 wordt elk van zijn worpen, met de zet die volgt, maar een tiende seconde getoond. Je eigen worpen en zetten houden hun tempo. De spelers en de snelheid blijven van de ene start tot de volgende bewaard.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Een plaats voor een genodigde wacht op iemand aan een andere computer als je een tafel opent; tot dan speelt de computer hem.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Uitgenodigd</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>%1 kiest voor elke kleur of een mens of de computer hem speelt; de wijziging geldt vanaf een nieuw spel. Meerdere mensen kunnen op één scherm spelen: de dobbelsteen wacht dan om de beurt op de kleur van elke mens, en de statusregel noemt die („Rood: klik op de dobbelsteen”). De vakjes van de laatste worpen ernaast zijn zwart omrand bij de kleuren die mensen spelen. Als de dobbelsteen van de ene mens naar de andere gaat, wacht het toetsenbord %2 seconden voordat het gooit, zodat de toetsen van wie net speelde niet voor de volgende gooien.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Rood: klik op de dobbelsteen om te beginnen</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Cyaan: klik op de dobbelsteen om te beginnen</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Magenta: klik op de dobbelsteen om te beginnen</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Groen: klik op de dobbelsteen om te beginnen</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>gespeeld door een mens</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>gespeeld door de computer</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>S&amp;pelers…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>de instellingen in %1 zijn onbruikbaar (%2); het spel start met de standaardinstellingen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>veel te groot</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>onleesbaar</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>geen instellingenbestand</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>van een andere versie</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>onvolledig of onjuist</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>de instellingen kunnen niet in %1 bewaard worden; het spel gaat verder zonder ze te bewaren</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo is een race met de dobbelsteen voor vier spelers, over een ronde baan van 60 vakjes: rood, de cirkel; cyaan, het vierkant; magenta, de driehoek; en groen, de ster. De vorm van elke kleur staat op haar pionnen en plaatsen, zodat ook zonder de kleur te zien is van wie ze zijn.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Terwijl een schermlezer draait, spreekt ook het spel: jouw worp en wat kan zetten, de beurt van elke computerspeler in één zin als die voorbij is, elke slag, elke pion die een eindplaats bereikt, en „Jij bent aan de beurt” telkens als de dobbelsteen op je wacht. Een toets die je indrukt terwijl pionnen bewegen, wordt niet aangenomen, en je hoort dat het bord beweegt. %1 leest voor waar elke pion staat, %2 herhaalt het laatst gezegde en %3 zet de spraak aan of uit, ook zonder schermlezer.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Jij</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>slaat een rode pion</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>slaat een pion van cyaan</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>slaat een pion van magenta</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>slaat een groene pion</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>gaat de thuisrij in, plaats %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>gaat naar %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>gooit %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>kan niet zetten</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>komt op %1 in het spel</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>slaat jouw pion</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>bereikt een eindplaats</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>heeft alle vier pionnen thuis</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Spraak uit</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Spraak aan</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Je hebt %1 gegooid</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Je hebt %1 gegooid, geen zet mogelijk</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Je hebt %1 gegooid, %2 pionnen kunnen zetten</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Jij bent aan de beurt</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 bij de start</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>vakje %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>thuisrij %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 thuis</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Wacht, het bord beweegt</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>Spel voor&amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Waar de pionnen staan</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>&amp;Nog eens zeggen</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>naar %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>een eindplaats</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 naar %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Je hebt %1 gegooid: %2, Enter zet hem</translation>
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
        <translation>Jouw worp: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Cyaan heeft %1 gegooid</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Magenta heeft %1 gegooid</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Groen heeft %1 gegooid</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Geen zet mogelijk met %1</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Cyaan kan met %1 geen zet doen</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Magenta kan met %1 geen zet doen</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Groen kan met %1 geen zet doen</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Je hebt een pion van cyaan geslagen</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Je hebt een pion van magenta geslagen</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Je hebt een pion van groen geslagen</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Cyaan heeft je pion geslagen</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Cyaan heeft een pion van magenta geslagen</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Cyaan heeft een pion van groen geslagen</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Magenta heeft je pion geslagen</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Magenta heeft een pion van cyaan geslagen</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Magenta heeft een pion van groen geslagen</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Groen heeft je pion geslagen</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Groen heeft een pion van cyaan geslagen</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Groen heeft een pion van magenta geslagen</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Je pion heeft een eindplaats bereikt</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Een pion van cyaan heeft een eindplaats bereikt</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Een pion van magenta heeft een eindplaats bereikt</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Een pion van groen heeft een eindplaats bereikt</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Al je vier pionnen staan op hun eindplaatsen</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Cyaan heeft alle vier pionnen op de eindplaatsen</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Magenta heeft alle vier pionnen op de eindplaatsen</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Groen heeft alle vier pionnen op de eindplaatsen</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Jouw laatste worp: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Laatste worp van cyaan: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Laatste worp van magenta: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Laatste worp van groen: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>De pionnen marcheren naar hun startgebieden</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Automatisch spelen staat aan</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Automatisch spelen staat uit</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Geluid staat aan</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Geluid staat uit</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Kies een gele pion</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Klik op de dobbelsteen om te beginnen</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Klik op de dobbelsteen om opnieuw te gooien</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Jij bent aan de beurt: klik op de dobbelsteen</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nog geen</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Wat er in het spel gebeurt</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>The host %1 revealed a throw that does not match its commitment</source>
        <translation>De gastheer %1 onthulde een worp die niet bij zijn toezegging past</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>De tafel is gestopt: het spel van %1 wijkt af van dat van de gastheer</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>De plaatsen aan tafel %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 vraagt om een plaats</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 gooit de dobbelsteen</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>De dobbelsteen van worp %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 heeft %2 gegooid: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Mijn spel wijkt bij worp %1 af van dat van de gastheer</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>De server is niet gevonden</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>Het certificaat van de server klopt niet: niet verbonden</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>De server heeft de aanmelding geweigerd</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>De verbinding met de server is verbroken</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>De tafel is vol</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>De code van de tafel is onbekend</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Iemand aan de tafel heeft die naam al</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>Wachten op de dobbelsteen van %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>Wachten op %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) is weg; de computer speelt %1</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) is terug</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>De computer speelt %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 speelt %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Ik neem %1 terug</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>De sleutel van %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>Het spel tot nu toe</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>De gastheer is weg; de tafel is gestopt. Je spel blijft bewaard.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Je was weg: de computer speelt %1. Druk op een toets om weer te spelen.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1 is weer van jou bij de volgende beurt</translation>
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
        <translation>Verbinden &amp;met:</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>host:poort, als het niet die van de server is</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>&amp;Groepschat:</translation>
    </message>
    <message>
        <source>conference.example.org</source>
        <translation>conference.example.org</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Account:</translation>
    </message>
    <message>
        <source>empty: sign in anonymously</source>
        <translation>leeg: anoniem aanmelden</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>wordt elke keer gevraagd, nooit bewaard</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Je &amp;naam:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>Tafel&amp;code of link:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX, of xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>Tafel &amp;openen…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>Aan tafel &amp;deelnemen…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plaatsen</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Wat er gebeurt</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>nog niet bekend</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>de computer</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>uitgenodigd, vrij</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Iedereen zit: het spel begint</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Tafel openen</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>Tafel&amp;link:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>Verder s&amp;pelen met het spel van de laatste tafel</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Kies eerst Uitgenodigd voor een kleur in Opties &gt; Spelers…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Geef de server en je naam</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>Tafel %1 is open: stuur de anderen de code of de link</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Aanmelden…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Aan tafel deelnemen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Deelnemen</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>&amp;Plaats:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>Plaats &amp;innemen</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>Dat is geen code of link van een tafel</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Kies een vrije plaats en neem die in</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>DISPLAY noch WAYLAND_DISPLAY is ingesteld</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>geen beeldscherm reageert op %1</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: het spel heeft een beeldscherm nodig om zijn venster te tonen, en er is er geen (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Alle vier pionnen thuis</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Keren</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Faces of the die</source>
        <translation>Ogen van de dobbelsteen</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Ogen</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Aandeel</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Zet alle tellingen terug op nul</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Alle tellingen terugzetten op nul? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Nog te weinig worpen om de dobbelsteen te beoordelen.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Zo eerlijk als een echte dobbelsteen: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Wat ongelijk, zoals bij een eerlijke dobbelsteen af en toe gebeurt: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Veel ongelijker dan een eerlijke dobbelsteen valt: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Getelde worpen: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Aandeel van elk aantal ogen als staven; de lijn geeft het aandeel van een eerlijke dobbelsteen aan</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistieken…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Statusregel</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>&amp;Automatisch spelen</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
</context>
</TS>
