<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Tvůj startovní prostor, místo %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Startovní prostor azurových, místo %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Startovní prostor purpurových, místo %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Startovní prostor zelených, místo %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Tvůj domácí sloupec, místo %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Domácí sloupec azurových, místo %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Domácí sloupec purpurových, místo %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Domácí sloupec zelených, místo %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Tvoje cílové místo %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Cílové místo azurových %1</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Cílové místo purpurových %1</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Cílové místo zelených %1</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>tvoje figurka</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>azurová figurka</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>purpurová figurka</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>zelená figurka</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>tvoje vstupní pole</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>vstupní pole azurových</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>vstupní pole purpurových</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>vstupní pole zelených</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>tvoje odbočka do domácího sloupce</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>odbočka azurových do domácího sloupce</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>odbočka purpurových do domácího sloupce</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>odbočka zelených do domácího sloupce</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Kliknutím táhneš figurkou</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Kliknutím hodíš kostkou</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Kliknutím začneš hru</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>pole x2</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>roh, skok na pole %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Pole %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Kostka</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>čeká na tvůj hod</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>otazník</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>kutálí se</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>ukazuje %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, může táhnout</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací plán</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, z: %2</translation>
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
        <translation>&amp;Snadný</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normální</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>Si&amp;lný</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Počítač</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Táhne kamenem vybraným náhodně z těch, které mohou táhnout.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Drží se jednoduchých pravidel: přivede kámen do domácího sloupce, využije pole zdvojení nebo roh, který ho posune dopředu, jinak táhne kamenem, který je nejdál.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Hledí dopředu na hody, které přijdou, a váží postup, vyhazování i nebezpečí pro své kameny.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Házení kostkou</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Když kostka uprostřed hracího plánu ukazuje otazník, jsi na tahu: klikni na ni a hoď. Kostka se kutálí přes střed a tam, kde se zastaví, ukáže tvůj hod. Barevné rámečky kolem středu ukazují, kdo je na tahu.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Šestka vždy dává hod navíc, a to pokaždé, když padne. Nová hra začíná se všemi figurkami na cílových místech: po tvém prvním kliknutí na kostku figurky nejprve přejdou do startovních prostorů a teprve potom se hází.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Tahy figurkami</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Po hodu zežloutne každá tvoje figurka, která může táhnout. Kliknutím na některou z nich ji posuneš o hozený počet polí. Figurka nemůže táhnout, pokud by její tah skončil na některé z tvých vlastních figurek, ale přes jakékoli figurky přeskakovat smí. Pokud nemůže táhnout žádná, hra sama přejde na dalšího hráče (po šestce házíš znovu).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Figurka opouští startovní prostor jen po šestce. Na okruh vstupuje na vstupním poli svého hráče, na tom se šipkou v barvě hráče, která ukazuje směr cesty. Po šestce buď klikni na žluté místo ve svém startovním prostoru a nasaď tak figurku, nebo táhni figurkou, která už je na okruhu. Žádná figurka nemůže vstoupit na okruh, dokud na vstupním poli stojí figurka téhož hráče.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Zvláštní pole</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Figurka, jejíž tah skončí na poli označeném x2, se posune ještě jednou o stejný počet polí. Pokud i tento druhý posun skončí na dalším poli x2 nebo na rohu, platí i toto pole.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Figurka, jejíž tah skončí na rohu, přeskočí úhlopříčně přes hrací plán na protější roh, ve směru šipky. V první polovině cesty figurky ji skok posune o 30 polí dopředu, ve druhé polovině o 30 polí zpět.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Vyhazování</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Figurka, která skončí na figurce soupeře, ji vyhodí, a to i na kterémkoli z obou rohů skoku. Žádné pole není bezpečné, ani vstupní pole: figurka vstupující na okruh vyhodí soupeřovu figurku, která tam stojí. Figurka, která se dostane na roh z pole x2, vyhodí cokoli, co na tom rohu stojí, dokonce i figurku vlastní barvy, a figurky počítače občas skončí na některé ze svých vlastních. Vyhozená figurka doběhne po okruhu zpět do svého startovního prostoru a musí být znovu nasazena šestkou.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>Domácí sloupec</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Po celém kole odbočí figurka do svého domácího sloupce. Sloupec začíná vedle posledního pole před vstupním polem hráče; na tomto poli je šipka, která do sloupce ukazuje. Kroky za toto pole pokračují do sloupce: přímo z tohoto pole vede jednička na první místo sloupce a šestka na poslední. Figurka nemůže táhnout, pokud je místo, kam by došla, obsazené.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>Ve sloupci se figurka posouvá o hozený počet míst na volné místo a na cílové místo jen přesným hodem: jedničkou z posledního místa sloupce, šestkou z prvního.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Když jsou všechny čtyři figurky hráče na cílových místech, celý okruh zabliká figurkami tohoto hráče. Potom se figurky vrátí do startovního prostoru a tento hráč začíná znovu, zatímco ostatní hrají dál. Hra nikdy neskončí sama; příkaz %1 ji začne od začátku.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Automatická hra a zvuk</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>Příkaz %1 nechá počítač hrát i za tebe: jednou za sekundu za tebe hodí kostkou a táhne jednou z tvých žlutých figurek. Při hodu menším než šest táhne figurkou, která je nejdál; při šestce nasadí novou figurku, pokud to jde, jinak táhne tou, která je nejvíc vzadu; figurkou v domácím sloupci táhne jen tehdy, když žádná figurka na okruhu táhnout nemůže. Chceš-li opět hrát bez pomoci počítače, zvol znovu příkaz %2.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Myš, klávesnice a čtečka obrazovky</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Myší klikni na kostku a potom na jednu ze svých žlutých figurek.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Na klávesnici se klávesami %1 a %2 přesouváš mezi vším, na co lze právě kliknout, šipkami se pohybuješ po hracím plánu a klávesou %3 nebo %4 volíš, přesně jako kliknutím. %5 začne novou hru, %6 hru ukončí, %7 zapíná a vypíná režim celé obrazovky a %8 otevře tuto nápovědu. Klávesa Alt s podtrženým písmenem nabídky tuto nabídku otevře.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Hru může sledovat čtečka obrazovky: stavový řádek pod hracím plánem říká, co se děje a co můžeš udělat, a každé pole i místo na hracím plánu sdělí, co na něm stojí, když na něj přejde fokus.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo je svobodný software šířený pod licencí GNU General Public License, verze 3 nebo (podle tvé volby) kterékoli pozdější verze (GPL-3.0-or-later): můžeš ho šířit a upravovat za podmínek této licence.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Program je poskytován bez jakékoli záruky v rozsahu, který připouští zákon.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>Úplný text licence je přiložen ke zdrojovému kódu hry v souboru LICENSE a je zveřejněn na adrese %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Jak hrát</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>&amp;O hře Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak hrát</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>O hře Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Když je zapnutá volba %1, při každém vyhození figurky zazní pípnutí. Příkaz %2 kdykoli rozestaví novou hru a obě nastavení ponechá; při příštím spuštění jsou obě opět vypnutá.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo si na tvém počítači vede jediný soubor, %1: své možnosti, velikost okna a statistiku. Každá hra sama existuje jen v paměti a po zavření okna zmizí.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: counter = figurka; die = kostka; throw (noun) = hod; throw (verb) = hodit kostkou, házet; move on by the throw = posunout o hozený počet polí (in the column: míst); six = šestka; a 1 = jednička; square = pole; ring = okruh; board = hrací plán; start area = startovní prostor; entry square = vstupní pole; come in = vstoupit na okruh; bring in = nasadit figurku; home column = domácí sloupec; place (start area, home column) = místo; final place = cílové místo; capture = vyhodit, vyhození, vyhozená figurka; opponent = soupeř; another throw = hod navíc; x2 square = pole x2; special squares = zvláštní pole; corner = roh; lap = kolo; whose turn = kdo je na tahu; move (noun) = tah; counter can move = figurka může táhnout; turns yellow = zežloutne; red, cyan, magenta, green = červené, azurové, purpurové, zelené (hraješ za červené); computer = počítač; automatic play = automatická hra; sound = zvuk; beep = pípnutí; menu = nabídka; menu item in a text = příkaz %1, a check item = volba %1 (so the name needs no declension); status line = stavový řádek; screen reader = čtečka obrazovky; focus = fokus; full screen = režim celé obrazovky; the player is addressed as &quot;ty&quot; (klikni), wording kept free of grammatical gender. Menu captions: Nápo&amp;věda (&amp;Jak hrát, &amp;O hře Skarpo); on the bar: &amp;Nová hra, &amp;Automatická hra (item &amp;Auto), &amp;Možnosti (&amp;Zvuk; C kept free for &amp;Celá obrazovka); the window action Quit = &amp;Ukončit. Status line and board: a player named by colour = azurových etc. in the genitive (Hod azurových: %1, Startovní prostor azurových, místo %1), a happening told by the counter (Azurová figurka vyhodila tvou figurku); your throw = tvůj hod; last throw = poslední hod; none yet = zatím žádný; no move = nemůžeš táhnout / figurky nemohou táhnout; reach a final place = dorazit na cílové místo; doubling square = pole x2; way into the home column = odbočka do domácího sloupce; place in a start area or column = Startovní prostor/Domácí sloupec, místo %1; empty = prázdné; rolling (die) = kutálí se; on/off = zapnutý/vypnutý; the joiner &quot;%1. %2&quot; stays as in English; tooltips &quot;Click me to ...&quot; = Kliknutím ... (Kliknutím hodíš kostkou).; shapes = kruh (červená), čtverec (azurová), trojúhelník (purpurová), hvězda (zelená); shape = tvar</translatorcomment>
        <translation>Každou barvu hraje člověk, nebo počítač, jak určí příkaz %1; pokud nezvolíš jinak, hraješ za červené a počítač za ostatní tři. Každý hráč má čtyři figurky. Figurky čekají ve startovním prostoru hráče, jednou oběhnou okruh ve směru hodinových ručiček, potom odbočí do hráčova vlastního domácího sloupce a skončí na jeho čtyřech cílových místech.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>V této hře: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Pak tah postupuje kolem desky: počítač hází a táhne za každou barvu, kterou hraje, a kostka čeká na každou barvu, kterou hraje člověk. Zatímco se kameny pohybují, deska nepřijímá kliknutí; nabídky odpovídají vždy.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>%1 nastavuje, jak silně počítač hraje, a to od jeho příštího tahu. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>%1 ukazuje, kolikrát která barva dovedla domů všechny čtyři kameny a jak často padlo které číslo kostky, s posudkem, zda kostka vypadá poctivě. Síla, velikost okna a tyto počty se pamatují od jednoho spuštění k dalšímu.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Závod s kostkou pro čtyři barvy po okruhu 60 polí, každou barvu hraje člověk nebo počítač: jeden člověk proti počítači, několik lidí spolu, nebo počítač sám.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Rozestaví novou hru; všechna nastavení zůstanou, jak jsou</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>Počítač hází a táhne i za lidi, jednou za sekundu</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Pípnutí při každém vyhození kamene</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Určuje u každé barvy, zda ji hraje člověk, nebo počítač, a to od příští nové hry</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>Počítač hraje svým obvyklým tempem</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>Pauzy počítače jsou čtyřikrát kratší</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Každý hod počítače i jeho tah se ukáže na desetinu sekundy</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>Deska zaplní celou obrazovku</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Předčítá hru nahlas, i bez čtečky obrazovky</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Kolikrát která barva dovedla domů všechny čtyři kameny a jak poctivá je kostka</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Kde stojí každý kámen: řečeno nahlas, nebo bez řeči ukázáno</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>Poslední kolo znovu a celé: nahlas, nebo bez řeči zobrazené</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Sdílí tuto hru s lidmi u jiných počítačů přes chatovací server</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Zasedne ke stolu, který pořádá někdo jiný, podle jeho kódu nebo odkazu</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>vyhodí tvou vlastní figurku</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>vyhodí azurovou</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>vyhodí purpurovou</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>vyhodí zelenou</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Pole %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>Tvůj startovní prostor</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Domácí sloupec %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>nemůže táhnout</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>vstoupí na pole %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>na roh %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>na %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>zdvojením dál na roh %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>zdvojením dál na %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>skokem na %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>do tvého domácího sloupce, místo %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>nahoru na místo %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>na cílové místo</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>všechny čtyři doma</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>na místo %1 domácího sloupce</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>na pole %1 zdvojením a rohem</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>na pole %1 přes roh</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>na pole %1 zdvojením</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>na pole %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Kam tah dopadne, uvidíš ještě předtím, než ho uděláš: přesuň fokus klávesnice na některou ze svých žlutých figurek, nebo na ní podrž ukazatel myši. Hrací plán pak ukáže terč tam, kde by figurka skončila, kroužek kolem každého pole x2 nebo rohu, jež ji posune dál, tečky na polích, přes která přejde, a křížek na každé figurce, kterou by vyhodila. Stavový řádek a bublinová nápověda říkají totéž slovy.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>hru v %1 si drží jiné okno hry; hra tohoto okna se neukládá</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>uloženou hru v %1 nelze použít (%2); začíná nová hra</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>uložená hra v %1 pochází z novější verze hry; je uschována jako %2 a začíná nová hra</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>uložená hra v %1 pochází z novější verze hry a zůstává beze změny; začíná nová hra, která se neukládá</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>hru nelze uložit do %1; pokračuje bez ukládání</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Hra obnovena: jsi na tahu</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Hra obnovena: na tahu jsou azuroví</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Hra obnovena: na tahu jsou purpuroví</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Hra obnovena: na tahu jsou zelení</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Hra obnovena: na tahu jsou červení</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>Uloženou hru nešlo použít: začíná nová hra</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>Uložená hra pochází z novější verze a byla odložena stranou: začíná nová hra</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Jiné okno si drží svou hru: tato hra se neukládá</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>není to hra, kterou tato verze umí obnovit</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Hráči</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Kdo hraje za kterou barvu. Změna platí od nové hry.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>Č&amp;ervené:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Azurové:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Purpurové:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Zelené:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>R&amp;ychlost</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normální</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rychlá</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>N&amp;ejrychlejší</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Hod červených: %1</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Červené figurky při hodu %1 nemohou táhnout</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Červená figurka vyhodila azurovou figurku</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Červená figurka vyhodila purpurovou figurku</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Červená figurka vyhodila zelenou figurku</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Azurová figurka vyhodila červenou figurku</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Purpurová figurka vyhodila červenou figurku</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Zelená figurka vyhodila červenou figurku</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Červená figurka dorazila na cílové místo</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Všechny čtyři červené figurky jsou na cílových místech</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Poslední hod červených: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Startovní prostor červených, místo %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Domácí sloupec červených, místo %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Cílové místo červených %1</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>červená figurka</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>vstupní pole červených</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>odbočka červených do domácího sloupce</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Červené: klikni na kostku</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Azurové: klikni na kostku</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Purpurové: klikni na kostku</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Zelené: klikni na kostku</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Červené: klikni na kostku a hoď znovu</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Azurové: klikni na kostku a hoď znovu</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Purpurové: klikni na kostku a hoď znovu</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Zelené: klikni na kostku a hoď znovu</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>čeká na hod červených</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>čeká na hod azurových</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>čeká na hod purpurových</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>čeká na hod zelených</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>vyhodí červenou</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>Nabídka %1 nastavuje, jak rychle hraje počítač. %2 je jeho obvyklé tempo; při volbě %3 jsou jeho pauzy čtyřikrát kratší; při volbě %4 se každý jeho hod i tah, který po něm následuje, ukáže jen na desetinu sekundy. Tvoje vlastní hody a tahy si zachovají své tempo. Hráči a rychlost se uchovají od jednoho spuštění k dalšímu.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Místo pro pozvaného čeká na člověka u jiného počítače, když pořádáte stůl; do té doby za něj hraje počítač.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Pozvaný</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>%1 určuje u každé barvy, zda ji hraje člověk, nebo počítač; změna platí od nové hry. Na jedné obrazovce může hrát několik lidí: kostka pak čeká postupně na barvu každého z nich a stavový řádek ji jmenuje („Červené: klikni na kostku“). Políčka posledních hodů vedle něj jsou u barev, které hrají lidé, orámována černě. Když kostka přejde od jednoho člověka k druhému, klávesnice počká %2 sekundy, než hodí, aby klávesy toho, kdo právě hrál, nehodily za dalšího.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Červené: začni kliknutím na kostku</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Azurové: začni kliknutím na kostku</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Purpurové: začni kliknutím na kostku</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Zelené: začni kliknutím na kostku</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>hraje člověk</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>hraje počítač</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Hráči…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>nastavení v %1 nelze použít (%2); hra začíná s výchozím nastavením</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>příliš velký</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nelze přečíst</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>není to soubor nastavení</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>z jiné verze</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>neúplné nebo chybné</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>nastavení nelze uložit do %1; hra pokračuje bez ukládání</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo je závod s kostkou pro čtyři hráče po okruhu o 60 polích: červená je kruh, azurová čtverec, purpurová trojúhelník a zelená hvězda. Tvar každé barvy je na jejích figurkách i místech, takže je poznat, komu patří, i bez barvy.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Když běží čtečka obrazovky, hra také mluví: tvůj hod a co může táhnout, tah každého počítačového hráče jednou větou, když skončí, každé vyhození, každou figurku, která dojde do cílového místa, a „Jsi na tahu“, kdykoli na tebe kostka čeká. Klávesa stisknutá, zatímco se figurky pohybují, se nepřijme a uslyšíš, že se deska pohybuje. %1 přečte, kde stojí všechny figurky, %2 zopakuje to poslední řečené a %3 zapíná a vypíná řeč, i bez čtečky obrazovky.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červený</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Azurový</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurový</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelený</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>vyhodil červenou figurku</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>vyhodil azurovou figurku</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>vyhodil purpurovou figurku</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>vyhodil zelenou figurku</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>táhl do domácího sloupce, místo %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>táhl na %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>hodil %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>nemůže táhnout</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>nasadil na %1</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>vyhodil tvoji figurku</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>došel do cílového místa</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>má všechny čtyři figurky doma</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Řeč vypnuta</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Řeč zapnuta</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Hodil jsi %1</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Hodil jsi %1, nemůžeš táhnout</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Hodil jsi %1, může táhnout figurek: %2</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Jsi na tahu</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 na startu</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>pole %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>domácí sloupec %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 v cíli</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Počkej, deska se pohybuje</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>cs</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>Př&amp;edčítat hru</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Kde stojí figurky</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>Ř&amp;íct znovu</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>na %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>cílové místo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Hodil jsi %1: %2, Enter táhne</translation>
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
        <translation>Tvůj hod: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Hod azurových: %1</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Hod purpurových: %1</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Hod zelených: %1</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Při hodu %1 nemůžeš táhnout</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Azurové figurky při hodu %1 nemohou táhnout</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Purpurové figurky při hodu %1 nemohou táhnout</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Zelené figurky při hodu %1 nemohou táhnout</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Tvoje figurka vyhodila azurovou figurku</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Tvoje figurka vyhodila purpurovou figurku</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Tvoje figurka vyhodila zelenou figurku</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Azurová figurka vyhodila tvou figurku</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Azurová figurka vyhodila purpurovou figurku</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Azurová figurka vyhodila zelenou figurku</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Purpurová figurka vyhodila tvou figurku</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Purpurová figurka vyhodila azurovou figurku</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Purpurová figurka vyhodila zelenou figurku</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Zelená figurka vyhodila tvou figurku</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Zelená figurka vyhodila azurovou figurku</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Zelená figurka vyhodila purpurovou figurku</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Tvoje figurka dorazila na cílové místo</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Azurová figurka dorazila na cílové místo</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Purpurová figurka dorazila na cílové místo</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Zelená figurka dorazila na cílové místo</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Všechny čtyři tvoje figurky jsou na cílových místech</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Všechny čtyři azurové figurky jsou na cílových místech</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Všechny čtyři purpurové figurky jsou na cílových místech</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Všechny čtyři zelené figurky jsou na cílových místech</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Tvůj poslední hod: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Poslední hod azurových: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Poslední hod purpurových: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Poslední hod zelených: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Figurky přecházejí do svých startovních prostorů</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Automatická hra je zapnutá</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Automatická hra je vypnutá</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Zvuk je zapnutý</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Zvuk je vypnutý</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Vyber žlutou figurku</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Začni kliknutím na kostku</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Klikni na kostku a hoď znovu</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Jsi na tahu: klikni na kostku</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>zatím žádný</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Co se děje ve hře</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Červení</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Azuroví</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpuroví</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelení</translation>
    </message>
    <message>
        <source>The host %1 revealed a throw that does not match its commitment</source>
        <translation>Hostitel %1 odhalil hod, který neodpovídá jeho závazku</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>Stůl se zastavil: hra hráče %1 se liší od hry hostitele</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>Místa u stolu %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 žádají o místo</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 házejí kostkou</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>Kostka hodu %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 hodili %2: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Moje hra se u hodu %1 liší od hry hostitele</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>Server nebyl nalezen</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>Certifikát serveru neodpovídá: nepřipojeno</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>Server odmítl přihlášení</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>Spojení se serverem se přerušilo</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>Stůl je plný</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>Kód stolu je neznámý</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Někdo u stolu už má toto jméno</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>Čeká se na kostku pro %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>Čeká se na: %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) opustil(a) stůl; %1 hraje počítač</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) je zpět</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>%1 hraje počítač</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%2 hraje %1</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Beru si %1 zpět</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>Klíč pro %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>Dosavadní hra</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>Hostitel odešel; stůl se zastavil. Vaše hra je uložena.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Byli jste pryč: %1 hraje počítač. Stiskněte klávesu a hrajte znovu.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1: hrajete znovu od příštího tahu</translation>
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
        <translation>&amp;Připojit k:</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>počítač:port, je-li jiný než serveru</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>S&amp;kupinový chat:</translation>
    </message>
    <message>
        <source>conference.example.org</source>
        <translation>conference.example.org</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>Ú&amp;čet:</translation>
    </message>
    <message>
        <source>empty: sign in anonymously</source>
        <translation>prázdné: přihlásit anonymně</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Heslo:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>ptáme se pokaždé, nikdy se neukládá</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Vaše &amp;jméno:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>&amp;Kód nebo odkaz stolu:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX nebo xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>&amp;Uspořádat stůl…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>Přip&amp;ojit se ke stolu…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Místa</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Co se děje</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>zatím neznámé</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>počítač</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>pozvaný, volné</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Všichni sedí: hra začíná</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Uspořádat stůl</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Uspořádat</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>O&amp;dkaz na stůl:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>Pokračo&amp;vat ve hře posledního stolu</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Nejprve zvolte Pozvaný pro některou barvu v Možnosti &gt; Hráči…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Zadejte server a své jméno</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>Stůl %1 je otevřený: pošlete ostatním jeho kód nebo odkaz</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Přihlašování…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Připojit se ke stolu</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Připojit s&amp;e</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>&amp;Místo:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>&amp;Zasednout</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>To není kód ani odkaz stolu</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Vyberte volné místo a zasedněte</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>není nastavena proměnná DISPLAY ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>na adrese %1 neodpovídá žádný displej</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: hra potřebuje obrazovku, na které by zobrazila své okno, a žádná tu není (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Všechny čtyři figurky v cíli</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Kolikrát</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červené</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Azurové</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurové</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelené</translation>
    </message>
    <message>
        <source>Faces of the die</source>
        <translation>Čísla na kostce</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Podíl</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Vynulovat</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Vynuluje všechny počty</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Vynulovat statistiku</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Vynulovat všechny počty? Tuto akci nelze vrátit.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Zatím je příliš málo hodů na posouzení kostky.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Poctivá jako skutečná kostka: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Trochu nerovnoměrná, jak se to u poctivé kostky občas stane: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Mnohem nerovnoměrnější, než padá poctivá kostka: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Započítané hody: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Podíl každého čísla jako sloupce; čára značí podíl poctivé kostky</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistika…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Stavový řádek</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>&amp;Automatická hra</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Zvuk</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Celá obrazovka</translation>
    </message>
</context>
</TS>
