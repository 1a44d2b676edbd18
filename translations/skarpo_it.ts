<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>La tua zona di partenza, posto %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Zona di partenza ciano, posto %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Zona di partenza magenta, posto %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Zona di partenza verde, posto %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>La tua colonna d&apos;arrivo, posto %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Colonna d&apos;arrivo ciano, posto %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Colonna d&apos;arrivo magenta, posto %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Colonna d&apos;arrivo verde, posto %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Il tuo posto finale %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Posto finale ciano %1</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Posto finale magenta %1</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Posto finale verde %1</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>pedina tua</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>pedina ciano</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>pedina magenta</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>pedina verde</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>la tua casella d&apos;ingresso</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>casella d&apos;ingresso ciano</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>casella d&apos;ingresso magenta</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>casella d&apos;ingresso verde</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>svolta verso la tua colonna d&apos;arrivo</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>svolta verso la colonna d&apos;arrivo ciano</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>svolta verso la colonna d&apos;arrivo magenta</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>svolta verso la colonna d&apos;arrivo verde</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Fai clic qui per muovere la pedina</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Fai clic qui per lanciare il dado</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Fai clic qui per iniziare la partita</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>casella x2</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>angolo, salta alla casella %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casella %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>aspetta il tuo lancio</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>sta rotolando</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>mostra un %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>nessuna pedina</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, può muoversi</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, da %2</translation>
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
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>F&amp;orte</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Muove una pedina scelta a caso fra quelle che possono muoversi.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Segue regole semplici: porta una pedina nella sua colonna di casa, sfrutta una casella doppia o un angolo che la porta avanti, altrimenti muove la pedina più avanzata.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Guarda avanti ai lanci che verranno, soppesando l&apos;avanzamento, le catture e il pericolo per le sue pedine.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Lanciare il dado</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Quando il dado al centro del tabellone mostra un punto interrogativo, tocca a te: fai clic sul dado per lanciarlo. Il dado rotola attraverso il centro e, dove si ferma, mostra il tuo lancio. Le cornici colorate intorno al centro indicano di chi è il turno.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Un sei dà sempre diritto a un altro lancio, tutte le volte che esce. Una nuova partita comincia con tutte le pedine nei posti finali: il tuo primo clic sul dado le porta nelle zone di partenza prima del lancio.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Muovere le tue pedine</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Dopo il tuo lancio, ogni tua pedina che può muoversi diventa gialla. Fai clic su una di esse per farla avanzare secondo il lancio. Una pedina non può muoversi se la sua mossa terminerebbe su una delle tue pedine, ma può scavalcare qualsiasi pedina. Se nessuna può muoversi, il turno passa da solo (dopo un sei lanci di nuovo).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Una pedina esce dalla zona di partenza solo con un sei. Entra nel percorso dalla casella d&apos;ingresso del suo giocatore, quella con una freccia del colore del giocatore che indica il senso di marcia. Dopo un sei, fai clic sul posto giallo della tua zona di partenza per far entrare una pedina, oppure muovi una pedina che è già sul percorso. Nessuna pedina può entrare finché una pedina dello stesso giocatore occupa la sua casella d&apos;ingresso.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Caselle speciali</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Una pedina la cui mossa termina su una casella contrassegnata con x2 avanza ancora una volta secondo lo stesso lancio. Se questa seconda mossa termina su un&apos;altra casella x2 o su un angolo, anche quella casella conta.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Una pedina la cui mossa termina su un angolo salta in diagonale attraverso il tabellone fino all&apos;angolo opposto, nella direzione indicata dalla freccia. Nella prima metà del cammino di una pedina il salto la porta 30 caselle avanti; nella seconda metà, 30 caselle indietro.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Catture</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Una pedina che finisce su una pedina avversaria la cattura, anche su ciascuno dei due angoli di un salto. Nessuna casella è sicura, nemmeno una casella d&apos;ingresso: una pedina che entra cattura un avversario che si trova lì. Una pedina che raggiunge un angolo da una casella x2 cattura la pedina che si trova su quell&apos;angolo, anche se è del suo stesso colore, e le pedine del computer ogni tanto finiscono su una delle proprie. La pedina catturata torna di corsa lungo il percorso fino alla sua zona di partenza e deve entrare di nuovo con un sei.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>La colonna d&apos;arrivo</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Dopo un giro completo una pedina entra nella sua colonna d&apos;arrivo. La colonna inizia accanto all&apos;ultima casella prima della casella d&apos;ingresso del giocatore; quella casella mostra una freccia che punta verso la colonna. I passi oltre quella casella proseguono nella colonna: dalla casella stessa un 1 raggiunge il primo posto della colonna e un 6 l&apos;ultimo. Una pedina non può muoversi se il posto che raggiungerebbe è occupato.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>Nella colonna una pedina avanza secondo il lancio fino a un posto libero, e raggiunge un posto finale solo con il lancio esatto: un 1 dall&apos;ultimo posto della colonna, un 6 dal primo.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Quando tutte e quattro le pedine di un giocatore sono nei posti finali, l&apos;intero percorso lampeggia con le pedine di quel giocatore. Poi tornano nella zona di partenza e quel giocatore ricomincia, mentre gli altri continuano a giocare. La partita non finisce mai da sola; con %1 si ricomincia da capo.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Gioco automatico e suono</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>L&apos;opzione %1 fa giocare il computer anche al posto tuo: una volta al secondo lancia per te e muove una delle tue pedine gialle. Con un lancio inferiore a sei muove la pedina più avanti; con un sei fa entrare una nuova pedina se può, altrimenti muove quella più indietro; muove una pedina nella colonna d&apos;arrivo solo quando nessuna sul percorso può muoversi. Scegli di nuovo %2 per tornare a giocare tu.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Mouse, tastiera e lettore di schermo</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Con il mouse, fai clic sul dado, poi su una delle tue pedine gialle.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Da tastiera, con %1 e %2 ci si sposta tra gli elementi su cui ora si può fare clic, con i tasti freccia ci si sposta sul tabellone e con %3 o %4 si sceglie, esattamente come con un clic. %5 avvia una nuova partita, %6 esce dal gioco, %7 attiva e disattiva lo schermo intero e %8 apre questa guida. Alt e la lettera sottolineata di un menu aprono quel menu.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Un lettore di schermo può seguire la partita: la riga di stato sotto il tabellone dice che cosa sta succedendo e che cosa puoi fare, e ogni posto del tabellone dice che cosa vi si trova quando riceve il focus.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo è software libero distribuito secondo la GNU General Public License, versione 3 o (a tua scelta) qualsiasi versione successiva (GPL-3.0-or-later): puoi condividerlo e modificarlo secondo i termini di quella licenza.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Viene fornito senza alcuna garanzia, nei limiti consentiti dalla legge.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>Il testo completo della licenza accompagna il codice sorgente del gioco, nel file LICENSE, ed è pubblicato su %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>&amp;Informazioni su Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>Informazioni su Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Con l&apos;opzione %1 attiva, si sente un bip ogni volta che una pedina viene catturata. Il comando %2 prepara una nuova partita in qualsiasi momento e mantiene entrambe le opzioni; al prossimo avvio sono di nuovo entrambe disattivate.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo salva un solo file sul tuo computer, %1: le sue opzioni, la dimensione della finestra e le statistiche. Ogni partita vive in memoria e scompare quando si chiude la finestra.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: counter = pedina; die = dado; to throw = lanciare (il dado); a throw = lancio; a six gives another throw = un sei dà diritto a un altro lancio; square = casella; ring = percorso (ad anello); lap = giro; board = tabellone; start area = zona di partenza; entry square = casella d&apos;ingresso; to bring in / to come in = far entrare / entrare; home column = colonna d&apos;arrivo (la colonna); final places = posti finali; place = posto; to move (a counter) = muovere; to move on by the throw = avanzare secondo il lancio; to land on = finire su; to capture = catturare; capture = cattura; opponent = avversario; x2 square = casella x2; corner = angolo; jump = salto; turn = turno (tocca a te); game = partita; new game = nuova partita; player = giocatore; the computer = il computer; marked (yellow) = gialla; automatic play = gioco automatico; sound = suono; beep = bip; setting/menu toggle = opzione; menu command = comando; full screen = schermo intero; screen reader = lettore di schermo; status line = riga di stato; focus = focus; help = guida (menu: aiuto); click = clic, fare clic; the player is addressed as tu; mnemonics: menu bar A&amp;iuto (I), leaving N, A, O free for the other three; Help menu &amp;Come si gioca (C), &amp;Informazioni su Skarpo (I); status line and board: the other players are named Ciano, Magenta, Verde (capitalised, no article); Ciano ha fatto 4; Nessuna mossa possibile con un 3; Hai catturato una pedina ciano; Ciano ha catturato una tua pedina; all four counters home = tutte e quattro le pedine nei posti finali; start place = zona di partenza, posto N; home column place = colonna d&apos;arrivo, posto N; way into the home column (square before the entry square) = svolta verso la colonna d&apos;arrivo; doubling square = casella x2; counter as a description = pedina tua / pedina ciano; empty = nessuna pedina (fits both casella and posto); can move = può muoversi; tooltips &quot;Click me to ...&quot; = Fai clic qui per ...; menus: &amp;Nuova partita (N), Gioco &amp;automatico (A) ▸ &amp;Automatico (A), &amp;Opzioni (O) ▸ &amp;Suono (S), I left free in Opzioni for Schermo &amp;intero; &amp;Esci (Ctrl+Q, not in a menu); shapes = cerchio (rosso), quadrato (ciano), triangolo (magenta), stella (verde); shape = forma</translatorcomment>
        <translation>Ogni colore è giocato da una persona o dal computer, come scelto con il comando %1; salvo scelte diverse, tu giochi con il rosso e il computer con gli altri tre. Ogni giocatore ha quattro pedine. Le pedine aspettano nella zona di partenza del loro giocatore, fanno un solo giro del percorso in senso orario, poi entrano nella colonna d&apos;arrivo del loro giocatore e finiscono nei suoi quattro posti finali.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>In questa partita: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Poi il turno passa intorno al tabellone: il computer lancia e muove per ogni colore che gioca, e il dado aspetta ogni colore giocato da una persona. Mentre le pedine si muovono, il tabellone non accetta clic; i menu rispondono sempre.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>%1 stabilisce quanto forte gioca il computer, dalla sua prossima mossa. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>%1 mostra quante volte ogni colore ha portato a casa tutte e quattro le pedine e quante volte è uscita ogni faccia del dado, con un giudizio su quanto il dado sembri equo. La forza, le dimensioni della finestra e questi conteggi restano da un avvio all&apos;altro.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Una corsa di dadi per quattro colori intorno a un anello di 60 caselle, ogni colore giocato da una persona o dal computer: una persona contro il computer, più persone insieme, o il computer da solo.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Prepara una nuova partita; ogni opzione resta com&apos;è</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>Il computer lancia e muove anche per le persone, una volta al secondo</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Un segnale acustico ogni volta che una pedina viene catturata</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Sceglie per ogni colore se lo gioca una persona o il computer, dalla prossima nuova partita</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>Il computer gioca al suo ritmo abituale</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>Le pause del computer durano un quarto</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Ogni lancio del computer, con la sua mossa, resta visibile un decimo di secondo</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>Il tabellone riempie tutto lo schermo</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Legge il gioco ad alta voce, anche senza lettore di schermo</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Quante volte ogni colore ha portato a casa tutte e quattro le pedine, e quanto è equo il dado</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Dove si trova ogni pedina: detto ad alta voce, o mostrato senza voce</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>L&apos;ultimo giro di nuovo, per intero: ad alta voce, o mostrato senza voce</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Condivide questa partita con persone su altri computer, tramite un server di chat</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Prende posto a un tavolo ospitato da qualcun altro, con il suo codice o il suo link</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>cattura la tua stessa pedina</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>cattura ciano</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>cattura magenta</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>cattura verde</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casella %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>La tua zona di partenza</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Colonna d&apos;arrivo %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>non può muoversi</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>entra sulla casella %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>all&apos;angolo %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>raddoppia fino all&apos;angolo %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>raddoppia fino a %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>salta a %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>nella tua colonna d&apos;arrivo, posto %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>sale al posto %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>in un posto finale</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>tutte e quattro arrivate</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>al posto %1 della colonna d&apos;arrivo</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>alla casella %1 raddoppiando e dall&apos;angolo</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>alla casella %1 dall&apos;angolo</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>alla casella %1 raddoppiando</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>alla casella %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Puoi vedere dove arriva una mossa prima di farla: porta il focus della tastiera su una delle tue pedine gialle, oppure tieni fermo il mouse sopra di essa. Il tabellone mostra allora un bersaglio dove la pedina finirebbe, un cerchio intorno a ogni casella x2 o angolo che la porta più avanti, dei puntini sulle caselle che attraversa e una croce su ogni pedina che catturerebbe. La riga di stato e il suggerimento lo dicono anche a parole.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>la partita in %1 è tenuta da un&apos;altra finestra del gioco; la partita di questa finestra non viene salvata</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>la partita salvata in %1 non si può usare (%2); inizia una nuova partita</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>la partita salvata in %1 viene da una versione più recente del gioco; è conservata come %2 e inizia una nuova partita</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>la partita salvata in %1 viene da una versione più recente del gioco e resta com&apos;è; inizia una nuova partita che non viene salvata</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>la partita non si può salvare in %1; continua senza salvare</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Partita ripresa: tocca a te</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Partita ripresa: tocca a Ciano</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Partita ripresa: tocca a Magenta</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Partita ripresa: tocca a Verde</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Partita ripresa: tocca a Rosso</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>Non è stato possibile usare la partita salvata: inizia una nuova partita</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>La partita salvata viene da una versione più recente ed è stata messa da parte: inizia una nuova partita</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Un&apos;altra finestra tiene la sua partita: questa partita non viene salvata</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>non è una partita che questa versione può riprendere</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Chi gioca ogni colore. La modifica vale da una nuova partita.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rosso:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Ciano:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Magenta:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>V&amp;erde:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Veloce</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>Velocissi&amp;ma</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Rosso ha fatto %1</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Rosso non può muovere con un %1</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Rosso ha catturato una pedina ciano</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Rosso ha catturato una pedina magenta</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Rosso ha catturato una pedina verde</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Ciano ha catturato una pedina rossa</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Magenta ha catturato una pedina rossa</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Verde ha catturato una pedina rossa</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Una pedina rossa ha raggiunto un posto finale</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Rosso ha tutte e quattro le pedine nei posti finali</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Ultimo lancio di Rosso: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Zona di partenza rossa, posto %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Colonna d&apos;arrivo rossa, posto %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Posto finale rosso %1</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>pedina rossa</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>casella d&apos;ingresso rossa</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>svolta verso la colonna d&apos;arrivo rossa</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Rosso: fai clic sul dado</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Ciano: fai clic sul dado</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Magenta: fai clic sul dado</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Verde: fai clic sul dado</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Rosso: fai clic sul dado per lanciare di nuovo</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Ciano: fai clic sul dado per lanciare di nuovo</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Magenta: fai clic sul dado per lanciare di nuovo</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Verde: fai clic sul dado per lanciare di nuovo</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>aspetta il lancio di Rosso</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>aspetta il lancio di Ciano</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>aspetta il lancio di Magenta</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>aspetta il lancio di Verde</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>cattura rosso</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>Il menu %1 stabilisce quanto veloce gioca il computer. %2 è il suo ritmo abituale; con %3 le sue pause durano un quarto; con %4 ogni suo lancio, con la mossa che segue, resta visibile solo per un decimo di secondo. I tuoi lanci e le tue mosse mantengono il loro ritmo. I giocatori e la velocità vengono conservati da un avvio all&apos;altro.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Un posto per un invitato aspetta una persona su un altro computer quando ospiti un tavolo; fino ad allora lo gioca il computer.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Invitato</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>%1 sceglie per ogni colore se lo gioca una persona o il computer; la modifica vale da una nuova partita. Più persone possono giocare sullo stesso schermo: il dado aspetta allora a turno il colore di ogni persona, e la riga di stato lo nomina («Rosso: fai clic sul dado»). Le caselle degli ultimi lanci accanto hanno una cornice nera per i colori giocati da persone. Quando il dado passa da una persona a un&apos;altra, la tastiera aspetta %2 secondi prima di lanciare, così che i tasti di chi ha appena giocato non lancino per il successivo.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Rosso: fai clic sul dado per cominciare</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Ciano: fai clic sul dado per cominciare</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Magenta: fai clic sul dado per cominciare</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Verde: fai clic sul dado per cominciare</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>giocato da una persona</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>giocato dal computer</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Giocatori…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>le impostazioni in %1 non si possono usare (%2); il gioco parte con le impostazioni predefinite</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>troppo grande</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>non è un file di impostazioni</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>di un&apos;altra versione</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>incomplete o errate</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>non è possibile salvare le impostazioni in %1; il gioco continua senza salvarle</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo è una corsa a dadi per quattro giocatori lungo un percorso ad anello di 60 caselle: il rosso, il cerchio; il ciano, il quadrato; il magenta, il triangolo; e il verde, la stella. La forma di ogni colore è sulle sue pedine e sui suoi posti, così si vede di chi sono anche senza il colore.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Mentre è attivo un lettore di schermo, anche il gioco parla: il tuo tiro e cosa può muovere, il turno di ogni giocatore del computer in una frase quando finisce, ogni cattura, ogni pedina che raggiunge un posto finale e «Tocca a te» ogni volta che il dado ti aspetta. Un tasto premuto mentre le pedine si muovono non viene accettato, e senti che il tabellone si sta muovendo. %1 legge dove si trova ogni pedina, %2 ripete l&apos;ultima cosa detta e %3 attiva o disattiva la voce, anche senza lettore di schermo.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>cattura una pedina rossa</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>cattura una pedina ciano</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>cattura una pedina magenta</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>cattura una pedina verde</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>entra nella colonna d&apos;arrivo, posto %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>va sulla %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>fa %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>non può muovere</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>entra sulla %1</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>cattura una tua pedina</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>raggiunge un posto finale</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>ha tutte e quattro le pedine a casa</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Voce disattivata</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Voce attivata</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Hai fatto %1</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Hai fatto %1, nessuna mossa</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Hai fatto %1, %2 pedine possono muovere</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Tocca a te</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 alla partenza</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>casella %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>colonna d&apos;arrivo %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 a casa</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Aspetta, il tabellone si sta muovendo</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>&amp;Leggi il gioco ad alta voce</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Dove sono le pedine</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>sulla %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>partenza</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>un posto finale</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Hai fatto %1: %2, Invio la muove</translation>
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
        <translation>Il tuo lancio: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Ciano ha fatto %1</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Magenta ha fatto %1</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Verde ha fatto %1</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Nessuna mossa possibile con un %1</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Ciano non può muovere con un %1</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Magenta non può muovere con un %1</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Verde non può muovere con un %1</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Hai catturato una pedina ciano</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Hai catturato una pedina magenta</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Hai catturato una pedina verde</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Ciano ha catturato una tua pedina</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Ciano ha catturato una pedina magenta</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Ciano ha catturato una pedina verde</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Magenta ha catturato una tua pedina</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Magenta ha catturato una pedina ciano</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Magenta ha catturato una pedina verde</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Verde ha catturato una tua pedina</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Verde ha catturato una pedina ciano</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Verde ha catturato una pedina magenta</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Una tua pedina ha raggiunto un posto finale</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Una pedina ciano ha raggiunto un posto finale</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Una pedina magenta ha raggiunto un posto finale</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Una pedina verde ha raggiunto un posto finale</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Tutte e quattro le tue pedine sono nei posti finali</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Ciano ha tutte e quattro le pedine nei posti finali</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Magenta ha tutte e quattro le pedine nei posti finali</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Verde ha tutte e quattro le pedine nei posti finali</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Il tuo ultimo lancio: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Ultimo lancio di Ciano: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Ultimo lancio di Magenta: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Ultimo lancio di Verde: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Le pedine vanno nelle loro zone di partenza</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Gioco automatico attivato</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Gioco automatico disattivato</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Suono attivato</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Suono disattivato</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Scegli una pedina gialla</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Fai clic sul dado per cominciare</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Fai clic sul dado per lanciare di nuovo</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Tocca a te: fai clic sul dado</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ancora nessuno</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Che cosa succede nella partita</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The host %1 revealed a throw that does not match its commitment</source>
        <translation>L&apos;ospite %1 ha rivelato un lancio che non corrisponde al suo impegno</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>Il tavolo si è fermato: la partita di %1 è diversa da quella dell&apos;ospite</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>I posti del tavolo %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 chiede un posto</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 lancia il dado</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>Il dado del lancio %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 ha fatto %2: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>La mia partita differisce da quella dell&apos;ospite al lancio %1</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>Il server non è stato trovato</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>Il certificato del server non corrisponde: non connesso</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>Il server ha rifiutato l&apos;accesso</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>La connessione al server si è interrotta</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>Il tavolo è al completo</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>Il codice del tavolo è sconosciuto</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Qualcuno al tavolo ha già quel nome</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>In attesa del dado di %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>In attesa di %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) se n&apos;è andato; il computer gioca %1</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) è tornato</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>Il computer gioca %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 gioca %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Riprendo %1</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>La chiave di %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>La partita finora</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>L&apos;ospite se n&apos;è andato; il tavolo si è fermato. La tua partita è conservata.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Eri assente: il computer gioca %1. Premi un tasto per tornare a giocare.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1 torna tuo al prossimo turno</translation>
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
        <translation>Connet&amp;ti a:</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>host:porta, se non è quello del server</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>Chat di &amp;gruppo:</translation>
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
        <translation>vuoto: accesso anonimo</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>chiesta ogni volta, mai conservata</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Il tuo &amp;nome:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>&amp;Codice o collegamento del tavolo:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX, o xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>&amp;Ospitare un tavolo…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>&amp;Unirsi a un tavolo…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Posti</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Che cosa succede</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>non ancora noto</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>il computer</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>invitato, libero</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Tutti sono seduti: la partita comincia</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Ospitare un tavolo</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Ospita</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>&amp;Link del tavolo:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>&amp;Prosegui la partita dell&apos;ultimo tavolo</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Prima scegli Invitato per un colore in Opzioni &gt; Giocatori…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Indica il server e il tuo nome</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>Il tavolo %1 è aperto: invia agli altri il suo codice o il suo link</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Accesso in corso…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Unirsi a un tavolo</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unisciti</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>Po&amp;sto:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>Prendi il pos&amp;to</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>Questo non è né il codice né il link di un tavolo</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Scegli un posto libero, poi prendilo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>non è impostata né DISPLAY né WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>nessuno schermo risponde su %1</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: il gioco ha bisogno di uno schermo per mostrare la sua finestra, e non ce n&apos;è nessuno (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Tutte e quattro le pedine arrivate</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Volte</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Faces of the die</source>
        <translation>Facce del dado</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Faccia</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Riporta tutti i conteggi a zero</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Azzera le statistiche</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Riportare tutti i conteggi a zero? Non si può annullare.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Ancora troppo pochi lanci per giudicare il dado.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Onesto come un dado vero: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Un po&apos; irregolare, come capita ogni tanto a un dado onesto: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Molto più irregolare di un dado onesto: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Lanci contati: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Quota di ogni faccia in barre; la linea segna la quota di un dado equo</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiche…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Riga di stato</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>Gioco &amp;automatico</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automatico</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
</context>
</TS>
