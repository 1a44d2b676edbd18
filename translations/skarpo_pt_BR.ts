<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Sua área de partida, espaço %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Área de partida do ciano, espaço %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Área de partida do magenta, espaço %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Área de partida do verde, espaço %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Sua reta final, espaço %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Reta final do ciano, espaço %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Reta final do magenta, espaço %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Reta final do verde, espaço %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Seu espaço de chegada %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Espaço de chegada %1 do ciano</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Espaço de chegada %1 do magenta</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Espaço de chegada %1 do verde</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>seu peão</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>peão ciano</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>peão magenta</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>peão verde</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>sua casa de saída</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>casa de saída do ciano</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>casa de saída do magenta</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>casa de saída do verde</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>sua entrada para a reta final</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>entrada para a reta final do ciano</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>entrada para a reta final do magenta</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>entrada para a reta final do verde</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Clique aqui para mover o peão</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Clique aqui para lançar o dado</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Clique aqui para começar o jogo</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>casa x2</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>canto, salta para a casa %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>waiting for your throw</source>
        <translation>esperando o seu lançamento</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>ponto de interrogação</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>rolando</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>mostra %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, pode se mover</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, de %2</translation>
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
        <translation>F&amp;orte</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computador</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Move uma peça escolhida ao acaso entre as que podem se mover.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Segue regras simples: leva uma peça para a sua coluna de casa, aproveita uma casa dupla ou um canto que a leva adiante e, se não, move a peça mais adiantada.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Olha adiante para os lances que virão, pesando o avanço, as capturas e o perigo para as suas peças.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Lançar o dado</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Quando o dado no meio do tabuleiro mostra um ponto de interrogação, é a sua vez: clique nele para lançar. O dado rola pelo meio do tabuleiro e, onde para, mostra o número que você tirou. As molduras coloridas em volta do meio mostram de quem é a vez.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Um seis sempre dá direito a outro lançamento, quantas vezes ele sair. Um novo jogo começa com todos os peões nos espaços de chegada: o seu primeiro clique no dado os faz marchar até as áreas de partida antes de lançá-lo.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Mover os seus peões</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Depois do seu lançamento, cada peão seu que pode se mover fica amarelo. Clique em um deles para avançá-lo pelo número tirado. Um peão não pode se mover se o movimento terminar em um dos seus próprios peões, mas pode passar por cima de qualquer peão. Se nenhum puder se mover, a vez passa sozinha para o próximo jogador (depois de um seis, você lança de novo).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Um peão só sai da área de partida com um seis. Ele entra no circuito pela casa de saída do seu jogador, a que tem uma seta na cor do jogador apontando o sentido do circuito. Depois de um seis, clique no espaço amarelo da sua área de partida para colocar um peão no circuito, ou mova um que já esteja no circuito. Nenhum peão pode entrar no circuito enquanto um dos peões do próprio jogador estiver na casa de saída.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Casas especiais</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Um peão cujo movimento termina em uma casa marcada com x2 avança mais uma vez pelo mesmo número. Se esse segundo movimento terminar em outra casa x2 ou em um canto, essa casa também conta.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Um peão cujo movimento termina em um canto salta na diagonal pelo tabuleiro até o canto oposto, no sentido da seta. Na primeira metade do trajeto de um peão, o salto o leva 30 casas para a frente; na segunda metade, 30 casas para trás.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Um peão que cai em cima de um peão adversário o captura, também em qualquer um dos dois cantos de um salto. Nenhuma casa é segura, nem mesmo uma casa de saída: um peão que entra no circuito captura um adversário que esteja lá. Um peão que chega a um canto a partir de uma casa x2 captura o que estiver nesse canto, mesmo um peão da sua própria cor, e os peões do computador às vezes caem em cima de um dos seus próprios peões. O peão capturado volta pelo circuito até a sua área de partida e precisa entrar no circuito de novo com um seis.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>A reta final</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Depois de uma volta completa, um peão entra na sua reta final. A reta final começa ao lado da última casa antes da casa de saída do jogador; nessa última casa, uma seta aponta para dentro da reta final. Os passos além dessa casa continuam pela reta final: a partir da própria casa, um 1 alcança o primeiro espaço da reta final e um 6, o último. Um peão não pode se mover se o espaço que alcançaria estiver ocupado.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>Na reta final, um peão avança pelo número tirado até um espaço livre, e só entra em um espaço de chegada com o número exato: um 1 a partir do último espaço da reta final, um 6 a partir do primeiro.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Quando os quatro peões de um jogador estão nos espaços de chegada, o circuito inteiro pisca com os peões desse jogador. Então eles voltam para a área de partida e esse jogador começa de novo, enquanto os outros continuam jogando. O jogo nunca termina sozinho; %1 começa tudo de novo.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Jogo automático e som</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>%1 faz o computador jogar também por você: uma vez por segundo, ele lança o dado por você e move um dos seus peões amarelos. Com um número menor que seis, ele move o peão mais avançado; com um seis, coloca um novo peão no circuito se puder, senão move o peão mais atrasado; um peão na reta final, só quando nenhum peão no circuito pode se mover. Escolha %2 de novo para voltar a jogar você mesmo.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Mouse, teclado e leitor de tela</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Com o mouse, clique no dado e depois em um dos seus peões amarelos.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Com o teclado, %1 e %2 passam pelos itens que podem ser clicados agora, as teclas de seta percorrem o tabuleiro, e %3 ou %4 escolhe, exatamente como um clique. %5 começa um novo jogo, %6 sai do jogo, %7 liga e desliga a tela cheia, e %8 abre esta ajuda. Alt com a letra sublinhada de um menu abre esse menu.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Um leitor de tela pode acompanhar o jogo: a linha de status abaixo do tabuleiro diz o que está acontecendo e o que você pode fazer, e cada casa e cada espaço do tabuleiro diz o que há nele quando recebe o foco.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>O Skarpo é software livre sob a GNU General Public License, versão 3 ou (a seu critério) qualquer versão posterior (GPL-3.0-or-later): você pode compartilhá-lo e modificá-lo nos termos dessa licença.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Ele é fornecido sem nenhum tipo de garantia, na medida permitida pela lei.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>O texto completo da licença acompanha o código-fonte do jogo, no arquivo LICENSE, e está publicado em %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>&amp;Sobre o Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>Sobre o Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Com %1 ativado, um bipe toca sempre que um peão é capturado. %2 prepara um novo jogo a qualquer momento e mantém as duas configurações; na próxima vez que o jogo abrir, as duas estarão desativadas.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>O Skarpo guarda um único arquivo no seu computador, %1: as opções, o tamanho da janela e as estatísticas. Todo jogo em si existe só na memória e desaparece quando a janela é fechada.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: counter = peão (peões); die = dado; to throw = lançar (o dado); a throw = lançamento; the number thrown = o número tirado; square = casa; ring = circuito; a counter&apos;s journey = trajeto; place (in start area, home column) = espaço; start area = área de partida; entry square = casa de saída; home column = reta final; final place = espaço de chegada; x2 square = casa x2; corner = canto; to capture = capturar (captura); opponent = adversário; turn = vez; to move = mover, a move = movimento; to bring in = colocar no circuito; to come in = entrar no circuito; board = tabuleiro; game = jogo; the player is addressed as você; the program is o Skarpo; status line = linha de status; screen reader = leitor de tela. Menus: New Game = &amp;Novo jogo; AutoPlay = &amp;Jogo automático, its item Auto = Automático; Options = &amp;Opções, its items Sound = &amp;Som, Full Screen = &amp;Tela cheia; Help = &amp;Ajuda, its items How to Play = &amp;Como jogar, About Skarpo = &amp;Sobre o Skarpo; Quit = &amp;Sair. Board and status line: doubling square = casa x2; the square that leads into a home column = entrada para a reta final; a counter of a colour = peão ciano, peão magenta, peão verde; your counter (captured) = um peão seu; the players in the status line = o ciano, o magenta, o verde (with the article); Your throw = Você tirou; last throw = último lançamento; empty = livre; can move = pode se mover; on/off = ativado/desativado; die (its name on the board) = Dado.; shapes = círculo (vermelho), quadrado (ciano), triângulo (magenta), estrela (verde); shape = forma</translatorcomment>
        <translation>Cada cor é jogada por uma pessoa ou pelo computador, conforme escolhido em %1; salvo outra escolha, você joga com o vermelho e o computador com as outras três. Cada jogador tem quatro peões. Eles esperam na área de partida do jogador, dão uma volta no circuito, no sentido horário, depois entram na reta final do próprio jogador e terminam nos seus quatro espaços de chegada.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>Nesta partida: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Depois a vez passa ao redor do tabuleiro: o computador lança e move por cada cor que joga, e o dado espera cada cor que uma pessoa joga. Enquanto as peças se movem, o tabuleiro não aceita cliques; os menus sempre respondem.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>%1 define a força com que o computador joga, a partir do seu próximo movimento. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>%1 mostra quantas vezes cada cor levou as quatro peças para casa e quantas vezes saiu cada face do dado, com um veredito sobre se o dado parece justo. A força, o tamanho da janela e essas contagens são lembrados de uma vez para a outra.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Uma corrida de dados para quatro cores ao redor de um anel de 60 casas, cada cor jogada por uma pessoa ou pelo computador: uma pessoa contra o computador, várias pessoas juntas ou o computador sozinho.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Monta uma partida nova; todas as opções ficam como estão</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>O computador também lança e move pelas pessoas, uma vez por segundo</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Um bipe sempre que uma peça é capturada</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Escolhe para cada cor se uma pessoa ou o computador a joga, a partir da próxima partida nova</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>O computador joga no seu ritmo de sempre</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>As pausas do computador duram um quarto do tempo</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Cada lance do computador, com o seu movimento, aparece por um décimo de segundo</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>O tabuleiro ocupa a tela inteira</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Lê o jogo em voz alta, também sem leitor de tela</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Quantas vezes cada cor levou as quatro peças para casa, e quão justo é o dado</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Onde está cada peça: dito em voz alta, ou mostrado sem a fala</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>A última rodada de novo, completa: em voz alta, ou mostrada sem fala</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Compartilha esta partida com pessoas em outros computadores, por um servidor de bate-papo</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Ocupa um lugar em uma mesa que outra pessoa hospeda, pelo código ou pelo link dela</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>captura seu próprio peão</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>captura o ciano</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>captura o magenta</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>captura o verde</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>parts of a move, one after the other</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>Your start place</source>
        <translation>Sua área de partida</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Reta final %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>não pode se mover</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>entra na casa %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>para o canto %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>para %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>dobra até o canto %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>dobra até %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>salta para %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>para sua reta final, espaço %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>sobe para o espaço %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>para um espaço de chegada</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>os quatro chegaram</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>para o espaço %1 da reta final</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>para a casa %1 dobrando e pelo canto</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>para a casa %1 pelo canto</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>para a casa %1 dobrando</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>para a casa %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Você pode ver onde um movimento termina antes de fazê-lo: coloque o foco do teclado em um dos seus peões amarelos ou deixe o mouse parado sobre ele. O tabuleiro mostra então um alvo onde o peão terminaria, um círculo em volta de cada casa x2 ou canto que o leva adiante, pontos nas casas por onde ele passa e uma cruz em cada peão que ele capturaria. A linha de status e a dica dizem o mesmo em palavras.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>o jogo em %1 é mantido por outra janela do jogo; o jogo desta janela não é salvo</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>o jogo salvo em %1 não pode ser usado (%2); começa um novo jogo</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>o jogo salvo em %1 é de uma versão mais nova do jogo; ele foi guardado como %2 e começa um novo jogo</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>o jogo salvo em %1 é de uma versão mais nova do jogo e fica como está; começa um novo jogo, que não é salvo</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>o jogo não pode ser salvo em %1; ele continua sem salvar</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Jogo retomado: sua vez</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Jogo retomado: vez do ciano</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Jogo retomado: vez do magenta</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Jogo retomado: vez do verde</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Jogo retomado: vez do vermelho</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>Não foi possível usar o jogo salvo: começa um novo jogo</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>O jogo salvo é de uma versão mais nova e foi posto de lado: começa um novo jogo</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Outra janela mantém o seu jogo: este jogo não é salvo</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>não é um jogo que esta versão possa retomar</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Quem joga cada cor. A mudança vale a partir de um novo jogo.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Vermelho:</translation>
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
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocidade</translation>
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
        <translation>Mui&amp;to rápida</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>O vermelho tirou %1</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>O vermelho não tem movimento possível com %1</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>O vermelho capturou um peão ciano</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>O vermelho capturou um peão magenta</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>O vermelho capturou um peão verde</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>O ciano capturou um peão vermelho</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>O magenta capturou um peão vermelho</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>O verde capturou um peão vermelho</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Um peão vermelho alcançou um espaço de chegada</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Os quatro peões do vermelho estão nos espaços de chegada</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Último lançamento do vermelho: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Área de partida do vermelho, espaço %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Reta final do vermelho, espaço %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Espaço de chegada %1 do vermelho</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>peão vermelho</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>casa de saída do vermelho</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>entrada para a reta final do vermelho</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Vermelho: clique no dado</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Ciano: clique no dado</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Magenta: clique no dado</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Verde: clique no dado</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Vermelho: clique no dado para lançar de novo</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Ciano: clique no dado para lançar de novo</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Magenta: clique no dado para lançar de novo</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Verde: clique no dado para lançar de novo</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>esperando o lançamento do vermelho</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>esperando o lançamento do ciano</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>esperando o lançamento do magenta</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>esperando o lançamento do verde</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>captura o vermelho</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>%1 define a rapidez com que o computador joga. %2 é o seu ritmo de sempre; com %3, as pausas dele duram um quarto do tempo; com %4, cada lance dele, com o movimento que vem em seguida, aparece por apenas um décimo de segundo. Os seus próprios lances e movimentos mantêm o ritmo. Os jogadores e a velocidade são guardados de uma vez para a outra.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Um lugar de convidado espera uma pessoa em outro computador quando você hospeda uma mesa; até lá o computador o joga.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Convidado</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>%1 escolhe para cada cor se uma pessoa ou o computador a joga; a mudança vale a partir de uma partida nova. Várias pessoas podem jogar na mesma tela: o dado então espera, na vez de cada uma, a cor de cada pessoa, e a linha de status a nomeia (“Vermelho: clique no dado”). As caixas dos últimos lances ao lado têm moldura preta nas cores jogadas por pessoas. Quando o dado passa de uma pessoa para outra, o teclado espera %2 segundos antes de lançar, para que as teclas de quem acabou de jogar não lancem pelo próximo.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Vermelho: clique no dado para começar</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Ciano: clique no dado para começar</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Magenta: clique no dado para começar</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Verde: clique no dado para começar</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>jogada por uma pessoa</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>jogada pelo computador</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Jogadores…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>as configurações em %1 não podem ser usadas (%2); o jogo começa com os valores padrão</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>grande demais</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>não é um arquivo de configurações</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>de outra versão</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>incompletas ou incorretas</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>não é possível salvar as configurações em %1; o jogo continua sem salvá-las</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>O Skarpo é uma corrida de dados para quatro jogadores em um circuito de 60 casas: o vermelho, o círculo; o ciano, o quadrado; o magenta, o triângulo; e o verde, a estrela. A forma de cada cor aparece nos seus peões e nos seus espaços, para que se veja de quem são mesmo sem a cor.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Enquanto um leitor de tela está ativo, o jogo também fala: o seu lance e o que pode mover, a vez de cada jogador do computador em uma frase quando termina, cada captura, cada peão que chega a um espaço de chegada e “Sua vez” sempre que o dado espera por você. Uma tecla pressionada enquanto os peões se movem não é aceita, e você ouve que o tabuleiro está se movendo. %1 lê onde está cada peão, %2 repete a última coisa dita e %3 liga ou desliga a fala, também sem leitor de tela.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Você</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>captura um peão vermelho</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>captura um peão ciano</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>captura um peão magenta</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>captura um peão verde</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>entra na reta final, espaço %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>vai para a %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>tira %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>não pode mover</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>entra na %1</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>captura um peão seu</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>chega a um espaço de chegada</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>tem os quatro peões em casa</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Fala desligada</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Fala ligada</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Você tirou %1</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Você tirou %1, nenhum movimento</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Você tirou %1, %2 peões podem mover</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Sua vez</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 na saída</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>casa %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>reta final %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 em casa</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Espere, o tabuleiro está se movendo</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>&amp;Ler o jogo em voz alta</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Onde estão os peões</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>para a %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>saída</translation>
    </message>
    <message>
        <source>a final place</source>
        <translation>uma casa final</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Você tirou %1: %2, Enter move o peão</translation>
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
        <translation>Você tirou %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>O ciano tirou %1</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>O magenta tirou %1</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>O verde tirou %1</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Nenhum movimento possível com %1</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>O ciano não tem movimento possível com %1</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>O magenta não tem movimento possível com %1</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>O verde não tem movimento possível com %1</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Você capturou um peão ciano</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Você capturou um peão magenta</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Você capturou um peão verde</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>O ciano capturou um peão seu</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>O ciano capturou um peão magenta</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>O ciano capturou um peão verde</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>O magenta capturou um peão seu</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>O magenta capturou um peão ciano</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>O magenta capturou um peão verde</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>O verde capturou um peão seu</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>O verde capturou um peão ciano</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>O verde capturou um peão magenta</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Um peão seu alcançou um espaço de chegada</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Um peão ciano alcançou um espaço de chegada</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Um peão magenta alcançou um espaço de chegada</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Um peão verde alcançou um espaço de chegada</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Seus quatro peões estão nos espaços de chegada</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Os quatro peões do ciano estão nos espaços de chegada</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Os quatro peões do magenta estão nos espaços de chegada</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Os quatro peões do verde estão nos espaços de chegada</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Seu último lançamento: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Último lançamento do ciano: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Último lançamento do magenta: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Último lançamento do verde: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Os peões marcham até as suas áreas de partida</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Jogo automático ativado</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Jogo automático desativado</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Som ativado</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Som desativado</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Escolha um peão amarelo</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Clique no dado para começar</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Clique no dado para lançar de novo</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Sua vez: clique no dado</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ainda nenhum</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>O que está acontecendo no jogo</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>O anfitrião %1 revelou um lance que não confere com seu compromisso</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>A mesa parou: o jogo de %1 difere do do anfitrião</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>Os lugares da mesa %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 pede um lugar</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 joga o dado</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>O dado do lance %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 tirou %2: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Meu jogo difere do do anfitrião no lance %1</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>O servidor não foi encontrado</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>O certificado do servidor não confere: não conectado</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>O servidor recusou a entrada</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>A conexão com o servidor caiu</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>A mesa está cheia</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>O código da mesa é desconhecido</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Alguém na mesa já tem esse nome</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>Esperando o dado de %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>Esperando %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) saiu; o computador joga com %1</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) voltou</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>O computador joga com %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 joga com %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Retomo %1</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>A chave de %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>A partida até agora</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>O anfitrião saiu; a mesa parou. Sua partida foi guardada.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Você estava ausente: o computador joga com %1. Pressione uma tecla para voltar a jogar.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1 volta a ser seu na próxima vez</translation>
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
        <translation>host:porta, se não for o do servidor</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>Bate-papo em &amp;grupo:</translation>
    </message>
    <message>
        <source>conference.example.org</source>
        <translation>conference.example.org</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;onta:</translation>
    </message>
    <message>
        <source>empty: sign in anonymously</source>
        <translation>vazio: entrar anonimamente</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Se&amp;nha:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>pedida a cada vez, nunca guardada</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Seu &amp;nome:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>&amp;Código ou link da mesa:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX, ou xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>&amp;Hospedar uma mesa…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>&amp;Participar de uma mesa…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Lugares</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>O que acontece</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>ainda não se sabe</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>o computador</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>convidado, livre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Todos estão sentados: a partida começa</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Hospedar uma mesa</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Hospedar</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>&amp;Link da mesa:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>&amp;Continuar a partida da última mesa</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Escolha antes Convidado para uma cor em Opções &gt; Jogadores…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Informe o servidor e seu nome</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>A mesa %1 está aberta: envie o código ou o link dela aos outros</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Entrando…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Participar de uma mesa</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Participar</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>L&amp;ugar:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>Ocupar o lu&amp;gar</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>Isso não é nem o código nem o link de uma mesa</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Escolha um lugar livre e ocupe-o</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nem DISPLAY nem WAYLAND_DISPLAY estão definidas</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>nenhuma tela responde em %1</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: o jogo precisa de uma tela para mostrar a sua janela, e não há nenhuma (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Os quatro peões na chegada</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Vezes</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Faces do dado</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Zera todas as contagens</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Zerar as estatísticas</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Zerar todas as contagens? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Ainda há poucos lançamentos para julgar o dado.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Tão justo quanto um dado de verdade: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Um pouco desigual, como um dado justo às vezes é: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>Muito mais desigual do que um dado justo: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Lançamentos contados: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Parcela de cada face em barras; a linha marca a parcela de um dado justo</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Estatísticas…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Linha de status</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>&amp;Jogo automático</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
</context>
</TS>
