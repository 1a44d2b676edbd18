<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Tu casa, posición %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Casa cian, posición %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Casa magenta, posición %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Casa verde, posición %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Tu pasillo de llegada, posición %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Pasillo de llegada cian, posición %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Pasillo de llegada magenta, posición %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Pasillo de llegada verde, posición %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Tu posición final %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Posición final cian %1</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Posición final magenta %1</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Posición final verde %1</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>ficha tuya</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>ficha cian</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>ficha magenta</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>ficha verde</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>tu casilla de salida</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>casilla de salida cian</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>casilla de salida magenta</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>casilla de salida verde</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>desvío a tu pasillo de llegada</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>desvío al pasillo de llegada cian</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>desvío al pasillo de llegada magenta</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>desvío al pasillo de llegada verde</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Haz clic aquí para mover la ficha</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Haz clic aquí para tirar el dado</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Haz clic aquí para empezar la partida</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>casilla x2</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>esquina, salta a la casilla %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>espera tu tirada</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>rodando</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>muestra un %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, puede moverse</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, desde %2</translation>
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
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>F&amp;uerte</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordenador</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Mueve una ficha elegida al azar entre las que pueden moverse.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Sigue reglas sencillas: lleva una ficha a su columna de casa, aprovecha una casilla doble o una esquina que la hace avanzar y, si no, mueve la ficha más adelantada.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Mira por adelantado las tiradas que vendrán y sopesa el avance, las capturas y el peligro para sus fichas.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Tirar el dado</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Cuando el dado del centro del tablero muestra un signo de interrogación, es tu turno: haz clic en él para tirar. El dado rueda por el centro y, donde se detiene, muestra tu tirada. Los marcos de color alrededor del centro indican de quién es el turno.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Un seis da siempre otra tirada, tantas veces como salga. Una partida nueva empieza con todas las fichas en las posiciones finales: tu primer clic en el dado las lleva a sus casas antes de tirar.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Mover tus fichas</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Tras tu tirada, cada una de tus fichas que puede moverse se vuelve amarilla. Haz clic en una para avanzarla según la tirada. Una ficha no puede moverse si su movimiento terminaría en una de tus propias fichas, pero puede pasar por encima de cualquier ficha. Si ninguna puede moverse, el turno pasa solo (después de un seis vuelves a tirar).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Una ficha solo sale de casa con un seis. Entra en el circuito por la casilla de salida de su jugador, la que tiene una flecha del color del jugador que señala el sentido de la marcha. Tras un seis, haz clic en la posición amarilla de tu casa para sacar una ficha, o mueve una que ya esté en el circuito. No puede salir ninguna ficha mientras una ficha del propio jugador ocupe su casilla de salida.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Casillas especiales</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Una ficha cuyo movimiento termina en una casilla marcada con x2 vuelve a avanzar según la misma tirada. Si ese segundo movimiento termina en otra casilla x2 o en una esquina, esa casilla también cuenta.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Una ficha cuyo movimiento termina en una esquina salta en diagonal a través del tablero hasta la esquina opuesta, en el sentido que indica la flecha. En la primera mitad del recorrido de una ficha, el salto la lleva 30 casillas hacia delante; en la segunda mitad, 30 casillas hacia atrás.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Una ficha que cae sobre una ficha rival la captura, también en cualquiera de las dos esquinas de un salto. Ninguna casilla es segura, ni siquiera una casilla de salida: una ficha que sale captura a un rival que esté allí. Una ficha que llega a una esquina desde una casilla x2 captura la ficha que haya en esa esquina, aunque sea de su mismo color, y las fichas del ordenador a veces caen sobre una de las suyas. La ficha capturada vuelve corriendo por el circuito hasta su casa y tiene que volver a salir con un seis.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>El pasillo de llegada</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Tras una vuelta completa, una ficha entra en su pasillo de llegada. El pasillo empieza junto a la última casilla antes de la casilla de salida del jugador; esa casilla muestra una flecha que apunta hacia el pasillo. Los pasos que van más allá de esa casilla continúan dentro del pasillo: desde la propia casilla, un 1 llega a la primera posición del pasillo y un 6, a la última. Una ficha no puede moverse si la posición a la que llegaría está ocupada.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>En el pasillo, una ficha avanza según la tirada hasta una posición libre, y solo llega a una posición final con la tirada exacta: un 1 desde la última posición del pasillo, un 6 desde la primera.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Cuando las cuatro fichas de un jugador están en las posiciones finales, todo el circuito parpadea con las fichas de ese jugador. Después vuelven a casa y ese jugador empieza de nuevo mientras los demás siguen jugando. La partida nunca termina sola; con %1 se vuelve a empezar.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Juego automático y sonido</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>La opción %1 hace que el ordenador juegue también por ti: una vez por segundo tira por ti y mueve una de tus fichas amarillas. Con una tirada menor que seis mueve la ficha más adelantada; con un seis saca una ficha nueva si puede y, si no, mueve la más retrasada; mueve una ficha del pasillo de llegada solo cuando no puede moverse ninguna del circuito. Vuelve a elegir %2 para jugar tú.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Ratón, teclado y lector de pantalla</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Con el ratón, haz clic en el dado y luego en una de tus fichas amarillas.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Con el teclado, %1 y %2 llevan de un elemento a otro entre los que ahora admiten un clic, las teclas de flecha recorren el tablero, y %3 o %4 elige, exactamente igual que un clic. %5 empieza una partida nueva, %6 sale del juego, %7 activa y desactiva la pantalla completa y %8 abre esta ayuda. Alt y la letra subrayada de un menú abren ese menú.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Un lector de pantalla puede seguir la partida: la línea de estado bajo el tablero dice qué está pasando y qué puedes hacer, y cada posición del tablero indica qué hay en ella cuando recibe el foco.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo es software libre bajo la Licencia Pública General de GNU (GNU General Public License), versión 3 o (a tu elección) cualquier versión posterior (GPL-3.0-or-later): puedes compartirlo y modificarlo según los términos de esa licencia.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Se ofrece sin ninguna garantía, en la medida en que lo permita la ley.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>El texto completo de la licencia acompaña al código fuente del juego, en el archivo LICENSE, y está publicado en %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>&amp;Acerca de Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>Acerca de Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Con la opción %1 activada suena un pitido cada vez que se captura una ficha. La orden %2 prepara una partida nueva en cualquier momento y conserva las dos opciones; al volver a abrir el juego, las dos están desactivadas.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo guarda un solo archivo en tu ordenador, %1: sus opciones, el tamaño de la ventana y las estadísticas. Cada partida vive en la memoria y desaparece al cerrar la ventana.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: counter = ficha; die = dado; to throw = tirar (el dado); a throw = tirada; a six gives another throw = un seis da otra tirada; square = casilla; ring = circuito; lap = vuelta; board = tablero; start area = casa (sacar una ficha de casa, salir, volver a casa); entry square = casilla de salida; home column = pasillo de llegada (el pasillo); final places = posiciones finales; place = posición; to move (a counter) = mover; to move on by the throw = avanzar según la tirada; to land on = caer en (una casilla), caer sobre (una ficha); to capture = capturar; capture = captura; opponent = rival; x2 square = casilla x2; corner = esquina; jump = salto; turn = turno; game = partida; new game = partida nueva; player = jugador; the computer = el ordenador; marked (yellow) = amarilla; automatic play = juego automático; sound = sonido; beep = pitido; setting/menu toggle = opción; menu command = orden; full screen = pantalla completa; screen reader = lector de pantalla; status line = línea de estado; focus = foco; help = ayuda; click = clic, hacer clic; the player is addressed as tú; mnemonics: menu bar Ay&amp;uda (U), leaving N, A, O free for the other three; Help menu &amp;Cómo se juega (C), &amp;Acerca de Skarpo (A); status line and board: the other players are named Cian, Magenta, Verde (capitalised, no article); Cian ha sacado un 4; No puedes mover con un 3; Has capturado una ficha cian; Cian ha capturado una ficha tuya; all four counters home = las cuatro fichas en las posiciones finales (never &quot;en casa&quot;, casa is the start area); start place = casa, posición N; home column place = pasillo de llegada, posición N; way into the home column (square before the entry square) = desvío al pasillo de llegada; doubling square = casilla x2; counter as a description = ficha tuya / ficha cian; empty = vacía; can move = puede moverse; tooltips &quot;Click me to ...&quot; = Haz clic aquí para ...; menus: Partida &amp;nueva (N), Juego &amp;automático (A) ▸ &amp;Automático (A), &amp;Opciones (O) ▸ &amp;Sonido (S), P left free in Opciones for &amp;Pantalla completa; &amp;Salir (Ctrl+Q, not in a menu); shapes = círculo (rojo), cuadrado (cian), triángulo (magenta), estrella (verde); shape = forma</translatorcomment>
        <translation>Cada color lo juega una persona o el ordenador, según se elija con la orden %1; si no se elige otra cosa, tú juegas con el rojo y el ordenador con los otros tres. Cada jugador tiene cuatro fichas. Las fichas esperan en la casa de su jugador, dan una sola vuelta al circuito en el sentido de las agujas del reloj, después entran en el pasillo de llegada de su jugador y terminan en sus cuatro posiciones finales.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>En esta partida: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Después el turno pasa alrededor del tablero: el ordenador tira y mueve por cada color que juega, y el dado espera a cada color que juega una persona. Mientras las fichas se mueven, el tablero no acepta clics; los menús siempre responden.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>%1 fija la fuerza con que juega el ordenador, a partir de su próximo movimiento. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>%1 muestra cuántas veces cada color ha llevado sus cuatro fichas a casa y cuántas veces ha salido cada cara del dado, con un juicio sobre si el dado parece justo. La fuerza, el tamaño de la ventana y estas cuentas se recuerdan de un inicio al siguiente.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Una carrera de dados para cuatro colores alrededor de un anillo de 60 casillas; cada color lo juega una persona o el ordenador: una persona contra el ordenador, varias personas juntas o el ordenador solo.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Prepara una partida nueva; todas las opciones quedan como están</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>El ordenador también tira y mueve por las personas, una vez por segundo</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Un pitido cada vez que se captura una ficha</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Elige para cada color si lo juega una persona o el ordenador, desde la próxima partida nueva</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>El ordenador juega a su ritmo de siempre</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>Las pausas del ordenador duran la cuarta parte</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Cada tirada del ordenador, con su movimiento, se muestra una décima de segundo</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>El tablero llena toda la pantalla</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Lee el juego en voz alta, también sin lector de pantalla</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Cuántas veces cada color llevó sus cuatro fichas a casa y cuán justo es el dado</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Dónde está cada ficha: dicho en voz alta, o mostrado sin voz</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>La última ronda otra vez, completa: en voz alta, o mostrada sin voz</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Comparte esta partida con personas en otros equipos a través de un servidor de chat</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Ocupa un asiento en una mesa que abre otra persona, con su código o su enlace</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>captura tu propia ficha</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>captura cian</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>captura magenta</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>captura verde</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>Tu casa</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Pasillo de llegada %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>no puede moverse</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>entra en la casilla %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>a la esquina %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>doble hasta la esquina %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>doble hasta %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>salta a %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>a tu pasillo de llegada, posición %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>sube a la posición %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>a una posición final</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>las cuatro en la meta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>a la posición %1 del pasillo de llegada</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>a la casilla %1 por doble y esquina</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>a la casilla %1 por la esquina</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>a la casilla %1 por doble</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>a la casilla %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Puedes ver adónde llega un movimiento antes de hacerlo: pon el foco del teclado en una de tus fichas amarillas o deja el ratón quieto sobre ella. El tablero muestra entonces una diana donde terminaría la ficha, un círculo alrededor de cada casilla x2 o esquina que la lleva más lejos, puntos en las casillas por las que pasa y una cruz sobre cada ficha que capturaría. La línea de estado y la información emergente lo dicen también con palabras.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>la partida de %1 la guarda otra ventana del juego; la partida de esta ventana no se guarda</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>la partida guardada en %1 no se puede usar (%2); empieza una partida nueva</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>la partida guardada en %1 es de una versión más nueva del juego; se conserva como %2 y empieza una partida nueva</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>la partida guardada en %1 es de una versión más nueva del juego y se deja como está; empieza una partida nueva que no se guarda</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>la partida no se puede guardar en %1; sigue sin guardarse</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Partida reanudada: es tu turno</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Partida reanudada: turno de Cian</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Partida reanudada: turno de Magenta</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Partida reanudada: turno de Verde</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Partida reanudada: turno de Rojo</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>No se pudo usar la partida guardada: empieza una partida nueva</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>La partida guardada es de una versión más nueva y se ha apartado: empieza una partida nueva</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Otra ventana guarda su partida: esta partida no se guarda</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>no es una partida que esta versión pueda reanudar</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Quién juega cada color. El cambio se aplica en una partida nueva.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rojo:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Cian:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Magenta:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Verde:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>Muy rápi&amp;da</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Rojo ha sacado un %1</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Rojo no puede mover con un %1</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Rojo ha capturado una ficha cian</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Rojo ha capturado una ficha magenta</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Rojo ha capturado una ficha verde</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Cian ha capturado una ficha roja</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Magenta ha capturado una ficha roja</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Verde ha capturado una ficha roja</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Una ficha roja ha llegado a una posición final</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Rojo tiene sus cuatro fichas en las posiciones finales</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Última tirada de Rojo: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Casa roja, posición %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Pasillo de llegada rojo, posición %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Posición final roja %1</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>ficha roja</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>casilla de salida roja</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>desvío al pasillo de llegada rojo</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Rojo: haz clic en el dado</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Cian: haz clic en el dado</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Magenta: haz clic en el dado</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Verde: haz clic en el dado</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Rojo: haz clic en el dado para volver a tirar</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Cian: haz clic en el dado para volver a tirar</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Magenta: haz clic en el dado para volver a tirar</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Verde: haz clic en el dado para volver a tirar</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>espera la tirada de Rojo</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>espera la tirada de Cian</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>espera la tirada de Magenta</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>espera la tirada de Verde</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>captura rojo</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>El menú %1 fija la rapidez con que juega el ordenador. %2 es su ritmo de siempre; con %3 sus pausas duran la cuarta parte; con %4 cada una de sus tiradas, con el movimiento que le sigue, se muestra solo durante una décima de segundo. Tus propias tiradas y movimientos conservan su ritmo. Los jugadores y la velocidad se conservan de una vez a la siguiente.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Un asiento para un invitado espera a una persona en otro ordenador cuando abres una mesa; hasta entonces lo juega el ordenador.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Invitado</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>%1 elige para cada color si lo juega una persona o el ordenador; el cambio vale desde una partida nueva. Varias personas pueden jugar en una misma pantalla: el dado espera entonces por turno al color de cada persona, y la línea de estado lo nombra («Rojo: haz clic en el dado»). Las casillas de las últimas tiradas a su lado tienen un marco negro en los colores que juegan personas. Cuando el dado pasa de una persona a otra, el teclado espera %2 segundos antes de tirar, para que las teclas de quien acaba de jugar no tiren por el siguiente.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Rojo: haz clic en el dado para empezar</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Cian: haz clic en el dado para empezar</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Magenta: haz clic en el dado para empezar</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Verde: haz clic en el dado para empezar</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>lo juega una persona</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>lo juega el ordenador</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Jugadores…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>la configuración de %1 no se puede usar (%2); el juego empieza con los valores predeterminados</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>no es un archivo de configuración</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>de otra versión</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>incompleta o incorrecta</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>no se puede guardar la configuración en %1; el juego sigue sin guardarla</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo es una carrera de dados para cuatro jugadores alrededor de un circuito de 60 casillas: el rojo, el círculo; el cian, el cuadrado; el magenta, el triángulo; y el verde, la estrella. La forma de cada color está en sus fichas y en sus posiciones, de modo que se ve de quién son incluso sin el color.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Mientras funciona un lector de pantalla, el juego también habla: tu tirada y lo que puede mover, el turno de cada jugador del ordenador en una frase cuando termina, cada captura, cada ficha que llega a una posición final y «Es tu turno» siempre que el dado te espera. Una tecla pulsada mientras se mueven las fichas no se acepta, y oyes que el tablero se está moviendo. %1 lee dónde está cada ficha, %2 repite lo último dicho y %3 activa o desactiva la voz, también sin lector de pantalla.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
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
        <translation>Tú</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>captura una ficha roja</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>captura una ficha cian</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>captura una ficha magenta</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>captura una ficha verde</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>entra en el pasillo de llegada, posición %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>va a la %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>saca un %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>no puede mover</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>entra en la %1</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>captura una ficha tuya</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>llega a una posición final</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>tiene las cuatro fichas en casa</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Voz desactivada</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Voz activada</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Has sacado un %1</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Has sacado un %1, no puedes mover</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Has sacado un %1, pueden mover %2 fichas</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Es tu turno</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 en la salida</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>casilla %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>pasillo de llegada %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 en casa</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Espera, el tablero se está moviendo</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>&amp;Leer el juego en voz alta</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Dónde están las fichas</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>a la %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>un lugar final</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Has sacado un %1: %2, Intro la mueve</translation>
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
        <translation>Tu tirada: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Cian ha sacado un %1</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Magenta ha sacado un %1</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Verde ha sacado un %1</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>No puedes mover con un %1</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Cian no puede mover con un %1</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Magenta no puede mover con un %1</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Verde no puede mover con un %1</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Has capturado una ficha cian</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Has capturado una ficha magenta</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Has capturado una ficha verde</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Cian ha capturado una ficha tuya</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Cian ha capturado una ficha magenta</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Cian ha capturado una ficha verde</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Magenta ha capturado una ficha tuya</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Magenta ha capturado una ficha cian</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Magenta ha capturado una ficha verde</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Verde ha capturado una ficha tuya</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Verde ha capturado una ficha cian</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Verde ha capturado una ficha magenta</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Una ficha tuya ha llegado a una posición final</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Una ficha cian ha llegado a una posición final</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Una ficha magenta ha llegado a una posición final</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Una ficha verde ha llegado a una posición final</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Tus cuatro fichas están en las posiciones finales</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Cian tiene sus cuatro fichas en las posiciones finales</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Magenta tiene sus cuatro fichas en las posiciones finales</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Verde tiene sus cuatro fichas en las posiciones finales</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Tu última tirada: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Última tirada de Cian: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Última tirada de Magenta: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Última tirada de Verde: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Las fichas van a sus casas</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Juego automático activado</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Juego automático desactivado</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Elige una ficha amarilla</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Haz clic en el dado para empezar</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Haz clic en el dado para volver a tirar</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Es tu turno: haz clic en el dado</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>todavía ninguna</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Lo que pasa en la partida</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
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
        <translation>El anfitrión %1 reveló una tirada que no coincide con su compromiso</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>La mesa se ha detenido: la partida de %1 difiere de la del anfitrión</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>Los asientos de la mesa %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 pide un asiento</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 tira el dado</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>El dado de la tirada %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 ha sacado un %2: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Mi partida difiere de la del anfitrión en la tirada %1</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>No se ha encontrado el servidor</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>El certificado del servidor no coincide: sin conexión</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>El servidor ha rechazado el inicio de sesión</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>Se ha perdido la conexión con el servidor</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>La mesa está llena</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>El código de la mesa es desconocido</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Alguien en la mesa ya tiene ese nombre</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>Esperando el dado de %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>Esperando a %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) se fue; el ordenador juega con %1</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) ha vuelto</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>El ordenador juega con %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 juega con %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Recupero %1</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>La clave de %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>La partida hasta ahora</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>El anfitrión se fue; la mesa se ha detenido. Tu partida se conserva.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Estabas ausente: el ordenador juega con %1. Pulsa una tecla para volver a jugar.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1 vuelve a ser tuyo en su próximo turno</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>example.org</source>
        <translation>example.org</translation>
    </message>
    <message>
        <source>Connect &amp;to:</source>
        <translation>Conec&amp;tar a:</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>equipo:puerto, si no es el del servidor</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>Chat de &amp;grupo:</translation>
    </message>
    <message>
        <source>conference.example.org</source>
        <translation>conference.example.org</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;uenta:</translation>
    </message>
    <message>
        <source>empty: sign in anonymously</source>
        <translation>vacío: entrar de forma anónima</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Contrase&amp;ña:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>se pide cada vez, nunca se guarda</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>&amp;Código o enlace de la mesa:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX, o xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>&amp;Abrir una mesa…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>&amp;Unirse a una mesa…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Asientos</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué pasa</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>aún no se sabe</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>el ordenador</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>invitado, libre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Todos están sentados: empieza la partida</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Abrir una mesa</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>&amp;Enlace de la mesa:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>&amp;Seguir con la partida de la última mesa</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Primero elige Invitado para un color en Opciones &gt; Jugadores…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Indica el servidor y tu nombre</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>La mesa %1 está abierta: envía su código o su enlace a los demás</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Iniciando sesión…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Unirse a una mesa</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Un&amp;irse</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>As&amp;iento:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>&amp;Ocupar el asiento</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>Eso no es ni el código ni el enlace de una mesa</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Elige un asiento libre y ocúpalo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>ninguna pantalla responde en %1</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: el juego necesita una pantalla para mostrar su ventana y no hay ninguna (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Las cuatro fichas en las posiciones finales</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
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
        <translation>Caras del dado</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Pone todos los contadores a cero</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Restablecer las estadísticas</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>¿Poner todos los contadores a cero? No se puede deshacer.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Aún hay pocas tiradas para juzgar el dado.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Tan justo como un dado de verdad: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Algo desigual, como le pasa de vez en cuando a un dado justo: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Mucho más desigual de lo que sale un dado justo: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Tiradas contadas: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Proporción de cada cara en barras; la línea marca la proporción de un dado justo</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>Partida &amp;nueva</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>Juego &amp;automático</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
</context>
</TS>
