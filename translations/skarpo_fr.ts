<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Votre zone de départ, place %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Zone de départ cyan, place %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Zone de départ magenta, place %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Zone de départ verte, place %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Votre colonne d&apos;arrivée, place %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Colonne d&apos;arrivée cyan, place %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Colonne d&apos;arrivée magenta, place %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Colonne d&apos;arrivée verte, place %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Votre place finale %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Place finale cyan %1</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Place finale magenta %1</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Place finale verte %1</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>votre pion</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>pion cyan</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>pion magenta</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>pion vert</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>votre case d&apos;entrée</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>case d&apos;entrée cyan</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>case d&apos;entrée magenta</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>case d&apos;entrée verte</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>votre bifurcation vers la colonne d&apos;arrivée</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>bifurcation vers la colonne d&apos;arrivée cyan</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>bifurcation vers la colonne d&apos;arrivée magenta</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>bifurcation vers la colonne d&apos;arrivée verte</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Cliquez ici pour déplacer le pion</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Cliquez ici pour lancer le dé</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Cliquez ici pour commencer la partie</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>case x2</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>coin, saut vers la case %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>attend votre lancer</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>en train de rouler</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>affiche un %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, peut se déplacer</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, depuis %2</translation>
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
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>&amp;Fort</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordinateur</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Déplace un pion choisi au hasard parmi ceux qui peuvent bouger.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Suit des règles simples&#xa0;: fait entrer un pion dans sa colonne d&apos;arrivée, prend une case double ou un coin qui le fait avancer, sinon déplace le pion le plus avancé.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Anticipe les lancers à venir en pesant la progression, les prises et le danger pour ses pions.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Lancer le dé</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Quand le dé au centre du plateau affiche un point d&apos;interrogation, c&apos;est à vous de jouer&#xa0;: cliquez dessus pour le lancer. Le dé roule à travers le centre et montre votre lancer là où il s&apos;arrête. Les cadres colorés autour du centre indiquent quel joueur doit jouer.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Un six donne toujours droit à un nouveau lancer, aussi souvent qu&apos;il sort. Une nouvelle partie commence avec tous les pions sur les places finales&#xa0;: votre premier clic sur le dé les fait d&apos;abord défiler jusqu&apos;aux zones de départ, puis lance le dé.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Déplacer vos pions</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Après votre lancer, chacun de vos pions qui peut se déplacer devient jaune. Cliquez sur l&apos;un d&apos;eux pour le faire avancer de la valeur du dé. Un pion ne peut pas se déplacer si son déplacement devait s&apos;achever sur l&apos;un de vos propres pions, mais il peut passer par-dessus n&apos;importe quel pion. Si aucun ne peut se déplacer, le tour passe de lui-même au joueur suivant (après un six, vous relancez le dé).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Un pion ne quitte la zone de départ qu&apos;avec un six. Il entre sur le circuit par la case d&apos;entrée de son joueur, celle qui porte une flèche de la couleur du joueur indiquant le sens de la course. Après un six, cliquez sur la place jaune de votre zone de départ pour faire entrer un pion, ou déplacez un pion déjà sur le circuit. Un joueur ne peut faire entrer aucun pion tant que l&apos;un de ses propres pions occupe sa case d&apos;entrée.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Cases spéciales</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Un pion dont le déplacement s&apos;achève sur une case marquée x2 avance encore une fois de la même valeur. Si ce second déplacement s&apos;achève sur une autre case x2 ou sur un coin, cette case compte aussi.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Un pion dont le déplacement s&apos;achève sur un coin saute en diagonale à travers le plateau jusqu&apos;au coin opposé, dans le sens de la flèche. Sur la première moitié de son parcours, le saut fait avancer le pion de 30 cases&#xa0;; sur la seconde moitié, il le fait reculer de 30 cases.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Prises</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Un pion qui arrive sur un pion adverse le prend, y compris sur chacun des deux coins d&apos;un saut. Aucune case n&apos;est protégée, pas même une case d&apos;entrée&#xa0;: un pion qui entre prend le pion adverse qui s&apos;y trouve. Un pion qui atteint un coin depuis une case x2 prend tout ce qui se trouve sur ce coin, même un pion de sa propre couleur, et il arrive que les pions de l&apos;ordinateur tombent sur l&apos;un des leurs. Le pion pris repart le long du circuit jusqu&apos;à sa zone de départ et doit de nouveau entrer avec un six.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>La colonne d&apos;arrivée</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Après un tour complet, un pion entre dans sa colonne d&apos;arrivée. Juste avant la case d&apos;entrée du joueur se trouve une case marquée d&apos;une flèche qui pointe vers la colonne&#xa0;; la colonne commence à côté de cette case. Les pas qui vont au-delà de cette case continuent dans la colonne&#xa0;: depuis cette case même, un 1 atteint la première place de la colonne et un 6 la dernière. Un pion ne peut pas se déplacer si la place qu&apos;il atteindrait est occupée.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>Dans la colonne, un pion avance de la valeur du dé jusqu&apos;à une place libre, et n&apos;atteint une place finale qu&apos;avec la valeur exacte&#xa0;: un 1 depuis la dernière place de la colonne, un 6 depuis la première.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Quand les quatre pions d&apos;un joueur sont sur les places finales, tout le circuit clignote avec les pions de ce joueur. Puis ils retournent dans la zone de départ et ce joueur recommence, tandis que les autres continuent de jouer. La partie ne se termine jamais d&apos;elle-même&#xa0;; «&#xa0;%1&#xa0;» en commence une nouvelle.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Jeu automatique et son</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>Avec «&#xa0;%1&#xa0;», l&apos;ordinateur joue aussi pour vous&#xa0;: une fois par seconde, il lance le dé à votre place et déplace l&apos;un de vos pions jaunes. Avec un lancer inférieur à six, il déplace le pion le plus avancé&#xa0;; avec un six, il fait entrer un nouveau pion s&apos;il le peut, sinon il déplace le pion le plus en retard&#xa0;; il ne déplace un pion de la colonne d&apos;arrivée que si aucun pion du circuit ne peut se déplacer. Choisissez de nouveau «&#xa0;%2&#xa0;» pour jouer vous-même.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Souris, clavier et lecteur d&apos;écran</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>À la souris, cliquez sur le dé, puis sur l&apos;un de vos pions jaunes.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Au clavier, %1 et %2 font passer d&apos;un élément cliquable à l&apos;autre, les touches fléchées permettent de parcourir le plateau, et %3 ou %4 choisit, exactement comme un clic. %5 lance une nouvelle partie, %6 quitte le jeu, %7 active ou désactive le plein écran et %8 ouvre cette aide. La touche Alt combinée à la lettre soulignée d&apos;un menu ouvre ce menu.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Un lecteur d&apos;écran peut suivre la partie&#xa0;: la ligne d&apos;état sous le plateau dit ce qui se passe et ce que vous pouvez faire, et chaque emplacement du plateau annonce ce qui s&apos;y trouve quand le focus l&apos;atteint.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo est un logiciel libre distribué sous la GNU General Public License, version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later)&#xa0;: vous pouvez le partager et le modifier selon les termes de cette licence.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Il est fourni sans aucune garantie, dans la mesure permise par la loi.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>Le texte complet de la licence accompagne le code source du jeu, dans le fichier LICENSE, et est publié à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>À &amp;propos de Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>À propos de Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Lorsque «&#xa0;%1&#xa0;» est coché, un bip retentit chaque fois qu&apos;un pion est pris. «&#xa0;%2&#xa0;» met en place une nouvelle partie à tout moment, en conservant les deux réglages&#xa0;; au prochain démarrage, les deux sont de nouveau désactivés.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo conserve un seul fichier sur votre ordinateur, %1&#xa0;: ses options, la taille de la fenêtre et les statistiques. Chaque partie n&apos;existe qu&apos;en mémoire et disparaît à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: address the player as vous; counter = pion; die = dé; to throw = lancer le dé; throw (event) = lancer (n.); the number thrown = la valeur du dé; a six = un six (a 1 = un 1); another throw = un nouveau lancer; to move a counter = déplacer (a counter moves = se déplace, moves on = avance); move = déplacement; your turn = c&apos;est à vous de jouer; square (on the ring) = case; place (start area, home column, final) = place; ring = circuit; board = plateau; start area = zone de départ; entry square = case d&apos;entrée; bring in / come in = faire entrer / entrer; home column = colonne d&apos;arrivée; final place = place finale; doubling square = case x2; corner = coin; jump = saut; capture = prendre (heading Prises), captured counter = pion pris; opponent&apos;s counter = pion adverse; player = joueur; colours = rouge, cyan, magenta, vert; automatic play = jeu automatique; sound = son; beep = bip; full screen = plein écran; status line = ligne d&apos;état; screen reader = lecteur d&apos;écran; game (one match) = partie; menu items named in running text in « … » quotes; no-break space before ; : ! ? and inside « »; How to Play = Comment jouer; About = À propos de; menu bar mnemonics: A is taken by &amp;Aide, so the AutoPlay menu needs another letter (Help menu: &amp;Comment jouer, À &amp;propos de Skarpo); way into the home column = bifurcation vers la colonne d&apos;arrivée; a player&apos;s places and squares by the colour adjective after the noun (zone de départ verte, place 2; case d&apos;entrée cyan; pion vert), the players as subjects capitalised at the start of a sentence (Vert a fait un 6), otherwise lower case (dernier lancer de vert); a number thrown = un %1 (Cyan a fait un 6; affiche un 6); status line parts joined as «&#xa0;%1. %2&#xa0;»; on/off = activé/désactivé; quit = Quitter; menu captions: &amp;Nouvelle partie, &amp;Jeu automatique ▸ &amp;Jouer à ma place, &amp;Options ▸ &amp;Son (P left for &amp;Plein écran); shapes = rond (rouge), carré (cyan), triangle (magenta), étoile (vert); shape = forme</translatorcomment>
        <translation>Chaque couleur est jouée par une personne ou par l&apos;ordinateur, selon le choix fait dans «&#xa0;%1&#xa0;»&#xa0;; sauf autre choix, vous jouez en rouge et l&apos;ordinateur joue les trois autres. Chaque joueur a quatre pions. Ils attendent dans la zone de départ de leur joueur, font une fois le tour du circuit dans le sens des aiguilles d&apos;une montre, puis entrent dans la colonne d&apos;arrivée de leur joueur et finissent sur ses quatre places finales.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>Dans cette partie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Puis le tour passe autour du plateau&#xa0;: l&apos;ordinateur lance et joue pour chaque couleur qu&apos;il joue, et le dé attend chaque couleur jouée par une personne. Pendant que des pions bougent, le plateau ne prend aucun clic&#xa0;; les menus répondent toujours.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>«&#xa0;%1&#xa0;» règle la force de jeu de l&apos;ordinateur, dès son prochain coup. %2&#xa0;: %3 %4&#xa0;: %5 %6&#xa0;: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>«&#xa0;%1&#xa0;» montre combien de fois chaque couleur a ramené ses quatre pions et combien de fois chaque face du dé est sortie, avec un verdict sur l&apos;équité du dé. La force, la taille de la fenêtre et ces comptes sont gardés d&apos;un lancement à l&apos;autre.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Une course de dés pour quatre couleurs autour d&apos;un anneau de 60 cases, chaque couleur jouée par une personne ou par l&apos;ordinateur&#xa0;: une personne contre l&apos;ordinateur, plusieurs personnes ensemble, ou l&apos;ordinateur seul.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Met en place une nouvelle partie&#xa0;; chaque option reste telle quelle</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>L&apos;ordinateur lance et joue aussi pour les personnes, une fois par seconde</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Un bip chaque fois qu&apos;un pion est pris</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Choisit pour chaque couleur si une personne ou l&apos;ordinateur la joue, dès la prochaine nouvelle partie</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>L&apos;ordinateur joue à son rythme habituel</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>Les pauses de l&apos;ordinateur durent quatre fois moins longtemps</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Chaque lancer de l&apos;ordinateur, avec son déplacement, s&apos;affiche un dixième de seconde</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>Le plateau remplit tout l&apos;écran</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Lit le jeu à voix haute, même sans lecteur d&apos;écran</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Combien de fois chaque couleur a ramené ses quatre pions, et si le dé est équitable</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Où se trouve chaque pion&#xa0;: dit à voix haute, ou affiché sans la voix</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>Le dernier tour à nouveau, en entier : à voix haute, ou affiché sans la parole</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Partage cette partie avec des personnes sur d&apos;autres machines, par un serveur de discussion</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Prend place à une table qu&apos;une autre personne héberge, par son code ou son lien</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>prend votre propre pion</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>prend cyan</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>prend magenta</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>prend vert</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>Votre zone de départ</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Colonne d&apos;arrivée %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>ne peut pas bouger</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>entre sur la case %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>vers le coin %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>vers %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>doublé jusqu&apos;au coin %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>doublé jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>saut vers %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>dans votre colonne d&apos;arrivée, place %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>monte à la place %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>vers une place finale</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>les quatre arrivés</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>vers la place %1 de la colonne d&apos;arrivée</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>vers la case %1 par doublement et le coin</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>vers la case %1 par le coin</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>vers la case %1 par doublement</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>vers la case %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Vous pouvez voir où aboutit un déplacement avant de le faire&#xa0;: placez le focus du clavier sur l&apos;un de vos pions jaunes, ou laissez la souris immobile dessus. Le plateau montre alors une cible là où le pion s&apos;arrêterait, un cercle autour de chaque case x2 ou coin qui le fait aller plus loin, des points sur les cases par lesquelles il passe et une croix sur tout pion qu&apos;il prendrait. La ligne d&apos;état et l&apos;info-bulle le disent aussi en toutes lettres.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>la partie dans %1 est gardée par une autre fenêtre du jeu ; la partie de cette fenêtre n’est pas enregistrée</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>la partie enregistrée dans %1 est inutilisable (%2) ; une nouvelle partie commence</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>la partie enregistrée dans %1 vient d’une version plus récente du jeu ; elle est conservée sous %2 et une nouvelle partie commence</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>la partie enregistrée dans %1 vient d’une version plus récente du jeu et reste telle quelle ; une nouvelle partie commence et n’est pas enregistrée</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>la partie ne peut pas être enregistrée dans %1 ; elle continue sans être enregistrée</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Partie reprise&#xa0;: à vous de jouer</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Partie reprise&#xa0;: au tour de cyan</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Partie reprise&#xa0;: au tour de magenta</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Partie reprise&#xa0;: au tour de vert</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Partie reprise&#xa0;: au tour de rouge</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>La partie enregistrée était inutilisable&#xa0;: une nouvelle partie commence</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>La partie enregistrée vient d’une version plus récente et a été mise de côté&#xa0;: une nouvelle partie commence</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Une autre fenêtre garde sa partie&#xa0;: cette partie n’est pas enregistrée</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>ce n’est pas une partie que cette version peut reprendre</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Qui joue chaque couleur. Le changement prend effet à la prochaine nouvelle partie.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rouge&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Cyan&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Magenta&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Vert&#xa0;:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>&amp;Très rapide</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Rouge a fait un %1</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Rouge ne peut déplacer aucun pion avec un %1</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Rouge a pris un pion cyan</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Rouge a pris un pion magenta</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Rouge a pris un pion vert</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Cyan a pris un pion rouge</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Magenta a pris un pion rouge</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Vert a pris un pion rouge</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Un pion rouge a atteint une place finale</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Rouge a ses quatre pions sur les places finales</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Dernier lancer de rouge&#xa0;: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Zone de départ rouge, place %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Colonne d&apos;arrivée rouge, place %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Place finale rouge %1</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>pion rouge</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>case d&apos;entrée rouge</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>bifurcation vers la colonne d&apos;arrivée rouge</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Rouge&#xa0;: cliquez sur le dé</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Cyan&#xa0;: cliquez sur le dé</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Magenta&#xa0;: cliquez sur le dé</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Vert&#xa0;: cliquez sur le dé</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Rouge&#xa0;: cliquez sur le dé pour relancer</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Cyan&#xa0;: cliquez sur le dé pour relancer</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Magenta&#xa0;: cliquez sur le dé pour relancer</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Vert&#xa0;: cliquez sur le dé pour relancer</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>attend le lancer de rouge</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>attend le lancer de cyan</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>attend le lancer de magenta</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>attend le lancer de vert</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>prend rouge</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>«&#xa0;%1&#xa0;» règle la vitesse de jeu de l&apos;ordinateur. «&#xa0;%2&#xa0;» est son rythme habituel&#xa0;; avec «&#xa0;%3&#xa0;», ses pauses durent quatre fois moins longtemps&#xa0;; avec «&#xa0;%4&#xa0;», chacun de ses lancers, avec le déplacement qui suit, ne s&apos;affiche qu&apos;un dixième de seconde. Vos propres lancers et déplacements gardent leur rythme. Les joueurs et la vitesse sont conservés d&apos;un démarrage à l&apos;autre.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Une place d&apos;invité attend une personne sur une autre machine quand vous hébergez une table ; en attendant, l&apos;ordinateur la joue.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Invité</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>«&#xa0;%1&#xa0;» choisit pour chaque couleur si une personne ou l&apos;ordinateur la joue&#xa0;; le changement prend effet avec une nouvelle partie. Plusieurs personnes peuvent jouer sur un même écran&#xa0;: le dé attend alors tour à tour la couleur de chaque personne, et la ligne d&apos;état la nomme («&#xa0;Rouge&#xa0;: cliquez sur le dé&#xa0;»). Les cases des derniers lancers à côté sont encadrées de noir pour les couleurs jouées par des personnes. Quand le dé passe d&apos;une personne à une autre, le clavier attend %2 secondes avant de lancer, pour que les touches de celle qui vient de jouer ne lancent pas pour la suivante.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Rouge&#xa0;: cliquez sur le dé pour commencer</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Cyan&#xa0;: cliquez sur le dé pour commencer</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Magenta&#xa0;: cliquez sur le dé pour commencer</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Vert&#xa0;: cliquez sur le dé pour commencer</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>jouée par une personne</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>jouée par l&apos;ordinateur</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Joueurs…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>les réglages de %1 sont inutilisables (%2)&#xa0;; le jeu démarre avec ses réglages par défaut</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>beaucoup trop grand</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>pas un fichier de réglages</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>d&apos;une autre version</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>incomplet ou incorrect</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>impossible d&apos;enregistrer les réglages dans %1&#xa0;; le jeu continue sans les enregistrer</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo est une course de dés pour quatre joueurs sur un circuit de 60 cases&#xa0;: rouge, le rond&#xa0;; cyan, le carré&#xa0;; magenta, le triangle&#xa0;; et vert, l&apos;étoile. La forme de chaque couleur figure sur ses pions et ses places, si bien qu&apos;on voit à qui ils sont même sans la couleur.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Pendant qu&apos;un lecteur d&apos;écran fonctionne, le jeu parle aussi : votre lancer et ce qui peut avancer, le tour de chaque joueur de l&apos;ordinateur en une phrase quand il se termine, chaque prise, chaque pion qui atteint une place finale, et « À vous de jouer » chaque fois que le dé vous attend. Une touche pressée pendant que les pions avancent n&apos;est pas prise en compte, et vous entendez que le plateau bouge. %1 lit où se trouve chaque pion, %2 répète la dernière annonce et %3 active ou coupe la voix, même sans lecteur d&apos;écran.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
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
        <translation>Vert</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>prend un pion rouge</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>prend un pion cyan</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>prend un pion magenta</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>prend un pion vert</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>entre dans sa colonne d&apos;arrivée, place %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>va en %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>fait un %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>ne peut pas jouer</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>entre en %1</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>prend votre pion</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>atteint une place finale</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>a ses quatre pions arrivés</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Voix coupée</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Voix activée</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Vous avez fait un %1</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Vous avez fait un %1, aucun déplacement</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Vous avez fait un %1, %2 pions peuvent avancer</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 au départ</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>case %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>colonne d&apos;arrivée %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 arrivés</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Attendez, le plateau bouge</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>&amp;Lire le jeu à voix haute</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Où sont les pions</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>une place finale</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Vous avez fait un %1 : %2, Entrée le déplace</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Your throw: %1</source>
        <translation>Votre lancer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Cyan a fait un %1</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Magenta a fait un %1</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Vert a fait un %1</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Aucun déplacement possible avec un %1</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Cyan ne peut déplacer aucun pion avec un %1</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Magenta ne peut déplacer aucun pion avec un %1</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Vert ne peut déplacer aucun pion avec un %1</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Vous avez pris un pion cyan</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Vous avez pris un pion magenta</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Vous avez pris un pion vert</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Cyan a pris l&apos;un de vos pions</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Cyan a pris un pion magenta</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Cyan a pris un pion vert</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Magenta a pris l&apos;un de vos pions</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Magenta a pris un pion cyan</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Magenta a pris un pion vert</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Vert a pris l&apos;un de vos pions</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Vert a pris un pion cyan</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Vert a pris un pion magenta</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Votre pion a atteint une place finale</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Un pion cyan a atteint une place finale</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Un pion magenta a atteint une place finale</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Un pion vert a atteint une place finale</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Vos quatre pions sont sur les places finales</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Cyan a ses quatre pions sur les places finales</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Magenta a ses quatre pions sur les places finales</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Vert a ses quatre pions sur les places finales</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Votre dernier lancer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Dernier lancer de cyan&#xa0;: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Dernier lancer de magenta&#xa0;: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Dernier lancer de vert&#xa0;: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Les pions défilent jusqu&apos;à leurs zones de départ</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Le jeu automatique est activé</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Le jeu automatique est désactivé</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Le son est activé</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Le son est désactivé</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Choisissez un pion jaune</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Cliquez sur le dé pour commencer</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Cliquez sur le dé pour relancer</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>C&apos;est à vous de jouer&#xa0;: cliquez sur le dé</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Ce qui se passe dans la partie</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
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
        <translation>Vert</translation>
    </message>
    <message>
        <source>The host %1 revealed a throw that does not match its commitment</source>
        <translation>L&apos;hôte %1 a révélé un lancer qui ne correspond pas à son engagement</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>La table s&apos;est arrêtée : la partie de %1 diffère de celle de l&apos;hôte</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>Les places de la table %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 demande une place</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 lance le dé</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>Le dé du lancer %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 a fait un %2 : %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Ma partie diffère de celle de l&apos;hôte au lancer %1</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>Le serveur est introuvable</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>Le certificat du serveur ne correspond pas : pas de connexion</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>Le serveur a refusé la connexion</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>La connexion au serveur a été perdue</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>La table est complète</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>Le code de la table est inconnu</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Quelqu&apos;un à la table porte déjà ce nom</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>En attente du dé de %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>En attente de %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) est parti&#xa0;; l&apos;ordinateur joue %1</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) est de retour</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>L&apos;ordinateur joue %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 joue %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Je reprends %1</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>La clé de %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>La partie jusqu&apos;ici</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>L&apos;hôte est parti&#xa0;; la table s&apos;est arrêtée. Votre partie est conservée.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Vous étiez absent&#xa0;: l&apos;ordinateur joue %1. Appuyez sur une touche pour rejouer.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1 est de nouveau à vous à son prochain tour</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>example.org</source>
        <translation>example.org</translation>
    </message>
    <message>
        <source>Connect &amp;to:</source>
        <translation>Se connec&amp;ter à :</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>hôte:port, si ce n&apos;est pas celui du serveur</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>Salon de &amp;groupe :</translation>
    </message>
    <message>
        <source>conference.example.org</source>
        <translation>conference.example.org</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;ompte :</translation>
    </message>
    <message>
        <source>empty: sign in anonymously</source>
        <translation>vide : connexion anonyme</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Mot de pa&amp;sse :</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>demandé à chaque fois, jamais conservé</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom :</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>&amp;Code ou lien de la table :</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX, ou xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>&amp;Héberger une table…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>&amp;Rejoindre une table…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>pas encore connu</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>l&apos;ordinateur</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>invité, libre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Tout le monde est assis&#xa0;: la partie commence</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Héberger une table</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Héberger</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>&amp;Lien de la table&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>&amp;Poursuivre la partie de la dernière table</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Choisissez d&apos;abord Invité pour une couleur dans Options &gt; Joueurs…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Indiquez le serveur et votre nom</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>La table %1 est ouverte&#xa0;: envoyez son code ou son lien aux autres</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Rejoindre une table</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>Pl&amp;ace&#xa0;:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>&amp;Prendre la place</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>Ce n&apos;est ni le code ni le lien d&apos;une table</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Choisissez une place libre, puis prenez-la</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>aucun serveur d&apos;affichage ne répond sur %1</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo&#xa0;: le jeu a besoin d&apos;un écran pour afficher sa fenêtre, et il n&apos;y en a aucun (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Les quatre pions arrivés</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
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
        <translation>Vert</translation>
    </message>
    <message>
        <source>Faces of the die</source>
        <translation>Faces du dé</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Remet tous les comptes à zéro</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Remettre tous les comptes à zéro&#xa0;? C&apos;est irréversible.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Encore trop peu de lancers pour juger le dé.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Aussi honnête qu&apos;un vrai dé&#xa0;: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Un peu irrégulier, comme un dé honnête l&apos;est parfois&#xa0;: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Bien plus irrégulier qu&apos;un dé honnête&#xa0;: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Lancers comptés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Part de chaque face en barres&#xa0;; la ligne marque la part d&apos;un dé équitable</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiques…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Ligne d&apos;état</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>&amp;Jeu automatique</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Jouer à ma place</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
</context>
</TS>
