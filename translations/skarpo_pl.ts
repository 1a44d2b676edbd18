<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <source>Your start place %1</source>
        <translation>Twoja baza, miejsce %1</translation>
    </message>
    <message>
        <source>Cyan start place %1</source>
        <translation>Baza błękitnych, miejsce %1</translation>
    </message>
    <message>
        <source>Magenta start place %1</source>
        <translation>Baza purpurowych, miejsce %1</translation>
    </message>
    <message>
        <source>Green start place %1</source>
        <translation>Baza zielonych, miejsce %1</translation>
    </message>
    <message>
        <source>Your home column %1</source>
        <translation>Twoja kolumna domowa, miejsce %1</translation>
    </message>
    <message>
        <source>Cyan home column %1</source>
        <translation>Kolumna domowa błękitnych, miejsce %1</translation>
    </message>
    <message>
        <source>Magenta home column %1</source>
        <translation>Kolumna domowa purpurowych, miejsce %1</translation>
    </message>
    <message>
        <source>Green home column %1</source>
        <translation>Kolumna domowa zielonych, miejsce %1</translation>
    </message>
    <message>
        <source>Your final place %1</source>
        <translation>Twoje miejsce końcowe %1</translation>
    </message>
    <message>
        <source>Cyan final place %1</source>
        <translation>Miejsce końcowe błękitnych %1</translation>
    </message>
    <message>
        <source>Magenta final place %1</source>
        <translation>Miejsce końcowe purpurowych %1</translation>
    </message>
    <message>
        <source>Green final place %1</source>
        <translation>Miejsce końcowe zielonych %1</translation>
    </message>
    <message>
        <source>your counter</source>
        <translation>twój pionek</translation>
    </message>
    <message>
        <source>cyan counter</source>
        <translation>błękitny pionek</translation>
    </message>
    <message>
        <source>magenta counter</source>
        <translation>purpurowy pionek</translation>
    </message>
    <message>
        <source>green counter</source>
        <translation>zielony pionek</translation>
    </message>
    <message>
        <source>your entry square</source>
        <translation>twoje pole wejścia</translation>
    </message>
    <message>
        <source>cyan entry square</source>
        <translation>pole wejścia błękitnych</translation>
    </message>
    <message>
        <source>magenta entry square</source>
        <translation>pole wejścia purpurowych</translation>
    </message>
    <message>
        <source>green entry square</source>
        <translation>pole wejścia zielonych</translation>
    </message>
    <message>
        <source>your way into the home column</source>
        <translation>twoje pole skrętu do kolumny domowej</translation>
    </message>
    <message>
        <source>cyan way into the home column</source>
        <translation>pole skrętu błękitnych do kolumny domowej</translation>
    </message>
    <message>
        <source>magenta way into the home column</source>
        <translation>pole skrętu purpurowych do kolumny domowej</translation>
    </message>
    <message>
        <source>green way into the home column</source>
        <translation>pole skrętu zielonych do kolumny domowej</translation>
    </message>
    <message>
        <source>Click me to move the counter</source>
        <translation>Kliknij, aby przesunąć pionek</translation>
    </message>
    <message>
        <source>Click me to roll the dice</source>
        <translation>Kliknij, aby rzucić kostką</translation>
    </message>
    <message>
        <source>Click me to start the game</source>
        <translation>Kliknij, aby rozpocząć grę</translation>
    </message>
    <message>
        <source>doubling square</source>
        <translation>pole x2</translation>
    </message>
    <message>
        <source>corner, jumps to square %1</source>
        <translation>narożnik, skok na pole %1</translation>
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
        <translation>czeka na twój rzut</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>znak zapytania</translation>
    </message>
    <message>
        <source>rolling</source>
        <translation>toczy się</translation>
    </message>
    <message>
        <source>shows %1</source>
        <translation>pokazuje %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, can move</source>
        <translation>%1, może się ruszyć</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
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
        <translation>Ł&amp;atwy</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normalny</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <translation>&amp;Silny</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Komputer</translation>
    </message>
    <message>
        <source>Moves a counter chosen at random among those that can move.</source>
        <translation>Rusza pionkiem wybranym losowo spośród tych, które mogą się ruszyć.</translation>
    </message>
    <message>
        <source>Follows simple rules: brings a counter into its home column, takes a doubling square or a corner that carries it forward, otherwise moves the counter farthest along.</source>
        <translation>Trzyma się prostych zasad: wprowadza pionek do jego kolumny domowej, korzysta z pola podwajającego lub rogu, który niesie go naprzód, a w przeciwnym razie rusza pionkiem, który jest najdalej.</translation>
    </message>
    <message>
        <source>Looks ahead over the throws to come, weighing progress, captures and the danger to its counters.</source>
        <translation>Patrzy naprzód na nadchodzące rzuty, ważąc postęp, bicia i zagrożenie dla swoich pionków.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Throwing the die</source>
        <translation>Rzut kostką</translation>
    </message>
    <message>
        <source>When the die in the middle of the board shows a question mark, it is your turn: click it to throw. The die rolls across the middle and shows your throw where it stops. The coloured frames round the middle show whose turn it is.</source>
        <translation>Gdy kostka na środku planszy pokazuje znak zapytania, jest twoja kolej: kliknij ją, aby rzucić. Kostka toczy się przez środek planszy, a gdy się zatrzyma, pokazuje wynik twojego rzutu. Kolorowe ramki wokół środka pokazują, czyja jest kolej.</translation>
    </message>
    <message>
        <source>A six always earns another throw, as often as it comes. A new game begins with every counter in the final places: your first click on the die marches them into the start areas before it throws.</source>
        <translation>Szóstka zawsze daje dodatkowy rzut, za każdym razem, gdy wypadnie. Nowa gra zaczyna się ze wszystkimi pionkami na miejscach końcowych: po twoim pierwszym kliknięciu w kostkę pionki przechodzą do baz, a dopiero potem następuje rzut.</translation>
    </message>
    <message>
        <source>Moving your counters</source>
        <translation>Przesuwanie pionków</translation>
    </message>
    <message>
        <source>After your throw, each of your counters that can move turns yellow. Click one to move it on by the throw. A counter cannot move if its move would end on one of your own counters, but it may pass over any counter. If none can move, the turn passes on by itself (after a six you throw again).</source>
        <translation>Po rzucie każdy z twoich pionków, który może się ruszyć, zmienia kolor na żółty. Kliknij jeden z nich, aby przesunąć go o wyrzuconą liczbę oczek. Pionek nie może się ruszyć, jeśli jego ruch skończyłby się na jednym z twoich własnych pionków, ale może przeskakiwać nad dowolnymi pionkami. Jeśli żaden nie może się ruszyć, kolej sama przechodzi dalej (po szóstce rzucasz ponownie).</translation>
    </message>
    <message>
        <source>A counter leaves the start area only with a six. It comes onto the ring on its player&apos;s entry square, the one with an arrow in the player&apos;s colour pointing the way round. After a six, click the yellow place of your start area to bring in a counter, or move one already on the ring. No counter can come in while one of the player&apos;s own counters stands on the entry square.</source>
        <translation>Pionek opuszcza bazę tylko po wyrzuceniu szóstki. Wchodzi na tor na polu wejścia swojego gracza, oznaczonym strzałką w kolorze gracza, która wskazuje kierunek ruchu. Po szóstce kliknij żółte miejsce w swojej bazie, aby wprowadzić pionek na tor, albo przesuń pionek, który już jest na torze. Żaden pionek nie może wejść na tor, dopóki na polu wejścia stoi pionek tego samego gracza.</translation>
    </message>
    <message>
        <source>Special squares</source>
        <translation>Pola specjalne</translation>
    </message>
    <message>
        <source>A counter whose move ends on a square marked x2 moves on once more by the same throw. If that second move ends on another x2 square or on a corner, that square counts too.</source>
        <translation>Pionek, którego ruch kończy się na polu oznaczonym x2, przesuwa się jeszcze raz o tę samą liczbę oczek. Jeśli ten drugi ruch skończy się na kolejnym polu x2 lub na narożniku, to pole również działa.</translation>
    </message>
    <message>
        <source>A counter whose move ends on a corner jumps diagonally across the board to the opposite corner, the way the arrow points. On the first half of a counter&apos;s journey the jump takes it 30 squares ahead; on the second half, 30 squares back.</source>
        <translation>Pionek, którego ruch kończy się na narożniku, przeskakuje po przekątnej przez planszę na przeciwległy narożnik, w kierunku wskazanym przez strzałkę. W pierwszej połowie drogi pionka skok przenosi go o 30 pól do przodu, a w drugiej połowie o 30 pól do tyłu.</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Zbijanie</translation>
    </message>
    <message>
        <source>A counter that lands on an opponent&apos;s counter captures it, also on either corner of a jump. No square is safe, not even an entry square: a counter coming in captures an opponent standing there. A counter that reaches a corner from an x2 square captures whatever stands on that corner, even a counter of its own colour, and the computer&apos;s counters now and then land on one of their own. The captured counter runs back round the ring to its start area and must come in again with a six.</source>
        <translation>Pionek, który stanie na pionku przeciwnika, zbija go, również na każdym z dwóch narożników skoku. Żadne pole nie jest bezpieczne, nawet pole wejścia: pionek wchodzący na tor zbija stojący tam pionek przeciwnika. Pionek, który dotrze na narożnik z pola x2, zbija wszystko, co stoi na tym narożniku, nawet pionek własnego koloru, a pionki komputera od czasu do czasu stają na którymś ze swoich. Zbity pionek wraca dookoła toru do swojej bazy i musi ponownie wejść na tor po wyrzuceniu szóstki.</translation>
    </message>
    <message>
        <source>The home column</source>
        <translation>Kolumna domowa</translation>
    </message>
    <message>
        <source>After a full lap a counter turns into its home column. The column starts beside the last square before the player&apos;s entry square, which shows an arrow pointing into it. Steps beyond that square go on into the column: from the square itself a 1 reaches the column&apos;s first place and a 6 its last. A counter cannot move if the place it would reach is taken.</source>
        <translation>Po pełnym okrążeniu pionek skręca do swojej kolumny domowej. Kolumna zaczyna się obok ostatniego pola przed polem wejścia gracza; na tym polu jest strzałka skierowana w stronę kolumny. Kroki poza to pole prowadzą dalej w głąb kolumny: z samego tego pola jedynka prowadzi na pierwsze miejsce kolumny, a szóstka na ostatnie. Pionek nie może się ruszyć, jeśli miejsce, na które by doszedł, jest zajęte.</translation>
    </message>
    <message>
        <source>In the column a counter moves on by the throw to a free place, and into a final place only with the exact throw: a 1 from the last place of the column, a 6 from the first.</source>
        <translation>W kolumnie pionek przesuwa się o wyrzuconą liczbę oczek na wolne miejsce, a na miejsce końcowe tylko dokładnym rzutem: jedynką z ostatniego miejsca kolumny, szóstką z pierwszego.</translation>
    </message>
    <message>
        <source>When all four of a player&apos;s counters are home, the whole ring flashes with that player&apos;s counters. Then they go back to the start area and that player begins again, while the others play on. The game never ends by itself; %1 starts afresh.</source>
        <translation>Gdy wszystkie cztery pionki gracza dotrą na miejsca końcowe, cały tor rozbłyskuje pionkami tego gracza. Potem pionki wracają do bazy i ten gracz zaczyna od nowa, a pozostali grają dalej. Gra nigdy nie kończy się sama; polecenie %1 rozpoczyna ją od nowa.</translation>
    </message>
    <message>
        <source>Automatic play and sound</source>
        <translation>Gra automatyczna i dźwięk</translation>
    </message>
    <message>
        <source>%1 lets the computer play for you as well: once a second it throws for you and moves one of your yellow counters. With a throw below six it moves the counter farthest along; with a six it brings in a new counter if it can, otherwise it moves the one farthest behind; a counter in the home column only when none on the ring can move. Choose %2 again to play yourself.</source>
        <translation>Polecenie %1 pozwala komputerowi grać także za ciebie: co sekundę rzuca za ciebie kostką i przesuwa jeden z twoich żółtych pionków. Przy rzucie poniżej szóstki przesuwa pionek, który zaszedł najdalej; przy szóstce wprowadza nowy pionek na tor, jeśli może, a w przeciwnym razie przesuwa ten, który jest najbardziej w tyle; pionek w kolumnie domowej przesuwa tylko wtedy, gdy żaden pionek na torze nie może się ruszyć. Wybierz ponownie polecenie %2, aby grać samodzielnie.</translation>
    </message>
    <message>
        <source>Mouse, keyboard and screen reader</source>
        <translation>Mysz, klawiatura i czytnik ekranu</translation>
    </message>
    <message>
        <source>With the mouse, click the die, then one of your yellow counters.</source>
        <translation>Myszą: kliknij kostkę, a potem jeden ze swoich żółtych pionków.</translation>
    </message>
    <message>
        <source>With the keyboard, %1 and %2 move among the things that can be clicked now, the arrow keys move along the board, and %3 or %4 chooses, exactly like a click. %5 starts a new game, %6 quits, %7 switches full screen on and off, and %8 opens this help. Alt and the underlined letter of a menu open it.</source>
        <translation>Przy użyciu klawiatury klawiszami %1 i %2 przechodzisz między elementami, które można teraz kliknąć, klawiszami strzałek poruszasz się po planszy, a klawiszem %3 lub %4 wybierasz, dokładnie jak kliknięciem. %5 rozpoczyna nową grę, %6 zamyka grę, %7 włącza i wyłącza tryb pełnoekranowy, a %8 otwiera tę pomoc. Alt razem z podkreśloną literą menu otwiera to menu.</translation>
    </message>
    <message>
        <source>A screen reader can follow the game: the status line below the board says what is happening and what you can do, and every place on the board tells what stands on it when the focus reaches it.</source>
        <translation>Czytnik ekranu może śledzić grę: wiersz stanu pod planszą mówi, co się dzieje i co możesz zrobić, a każde pole i miejsce na planszy podaje, co na nim stoi, gdy trafi na nie fokus.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Skarpo is free software under the GNU General Public License, version 3 or (at your choice) any later version (GPL-3.0-or-later): you may share and change it under the terms of that licence.</source>
        <translation>Skarpo jest wolnym oprogramowaniem udostępnianym na licencji GNU General Public License w wersji 3 lub (według twojego wyboru) dowolnej późniejszej wersji (GPL-3.0-or-later): możesz je rozpowszechniać i zmieniać na warunkach tej licencji.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind, as far as the law allows.</source>
        <translation>Program jest dostarczany bez jakiejkolwiek gwarancji, w zakresie dopuszczonym przez prawo.</translation>
    </message>
    <message>
        <source>The full text of the licence comes with the game&apos;s source code, in the file LICENSE, and is published at %1.</source>
        <translation>Pełny tekst licencji jest dołączony do kodu źródłowego gry w pliku LICENSE i opublikowany pod adresem %1.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>&amp;About Skarpo</source>
        <translation>&amp;O grze Skarpo</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About Skarpo</source>
        <translation>O grze Skarpo</translation>
    </message>
    <message>
        <source>With %1 on, a beep sounds whenever a counter is captured. %2 lays out a new game at any moment and keeps both settings; at the next start both are off again.</source>
        <translation>Gdy opcja %1 jest włączona, przy każdym zbiciu pionka rozlega się sygnał dźwiękowy. Polecenie %2 w dowolnej chwili rozstawia nową grę i zachowuje oba ustawienia; przy następnym uruchomieniu oba są znów wyłączone.</translation>
    </message>
    <message>
        <source>Skarpo keeps one file on your computer, %1: its options, the window&apos;s size and the statistics. Every game itself lives in memory, and is gone when the window closes.</source>
        <translation>Skarpo zapisuje na twoim komputerze jeden plik, %1: swoje opcje, rozmiar okna i statystyki. Każda gra istnieje tylko w pamięci i znika po zamknięciu okna.</translation>
    </message>
    <message>
        <source>A person or the computer plays each colour, as chosen in %1; unless chosen otherwise, you play red and the computer plays the other three. Each player has four counters. They wait in the player&apos;s start area, travel once round the ring, clockwise, then turn into the player&apos;s own home column and end in its four final places.</source>
        <translatorcomment>glossary: counter = pionek; die = kostka; throw (noun) = rzut; throw (verb) = rzucić kostką; move on by the throw = przesunąć o wyrzuconą liczbę oczek; six = szóstka; a 1 = jedynka; square = pole; ring = (okrężny) tor; board = plansza; start area = baza; entry square = pole wejścia; come in = wejść na tor; bring in = wprowadzić pionek na tor; home column = kolumna domowa; place (start area, home column) = miejsce; final place = miejsce końcowe; capture = zbić, zbicie, zbity pionek; opponent = przeciwnik; another throw = dodatkowy rzut; x2 square = pole x2; special squares = pola specjalne; corner = narożnik; lap = okrążenie; turn (whose turn) = kolej; move (noun) = ruch; counter can move = pionek może się ruszyć; turns yellow = zmienia kolor na żółty; red, cyan, magenta, green = czerwone, błękitne, purpurowe, zielone (grasz czerwonymi); computer = komputer; automatic play = gra automatyczna; sound = dźwięk; beep = sygnał dźwiękowy; menu item in a text = polecenie %1, a check item = opcja %1 (so the name needs no declension); menu = menu; status line = wiersz stanu; screen reader = czytnik ekranu; focus = fokus; full screen = tryb pełnoekranowy; the player is addressed as &quot;ty&quot; (kliknij), wording kept free of grammatical gender. Menu captions: &amp;Pomoc (&amp;Jak grać, &amp;O grze Skarpo); on the bar: &amp;Nowa gra, Gra &amp;automatyczna (item &amp;Auto), &amp;Opcje (&amp;Dźwięk; P kept free for &amp;Pełny ekran); the window action Quit = &amp;Zakończ. Status line and board: a player named by colour = błękitnych etc. in the genitive (Rzut błękitnych: %1, Baza błękitnych, miejsce %1), a happening told by the counter (Błękitny pionek zbił twój pionek; pionek stays pionek in the accusative); your throw = twój rzut; last throw = ostatni rzut; none yet = na razie brak; no move = brak ruchu / żaden pionek nie może się ruszyć; reach a final place = dotrzeć na miejsce końcowe; doubling square = pole x2; way into the home column = pole skrętu do kolumny domowej; place in a start area or column = Baza/Kolumna domowa, miejsce %1; empty = puste; rolling (die) = toczy się; on/off = włączony/wyłączony; the joiner &quot;%1. %2&quot; stays as in English; tooltips &quot;Click me to ...&quot; = Kliknij, aby ...; shapes = koło (czerwony), kwadrat (błękitny), trójkąt (purpurowy), gwiazda (zielony); shape = kształt</translatorcomment>
        <translation>Każdym kolorem gra człowiek albo komputer, zależnie od wyboru w poleceniu %1; jeśli nie wybrano inaczej, grasz czerwonymi, a komputer pozostałymi trzema kolorami. Każdy gracz ma cztery pionki. Czekają one w bazie gracza, raz okrążają tor zgodnie z ruchem wskazówek zegara, a następnie skręcają do własnej kolumny domowej gracza i kończą drogę na jej czterech miejscach końcowych.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>In this game: %1.</source>
        <translation>W tej grze: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Then the turn passes on round the board: the computer throws and moves for each colour it plays, and the die waits for each colour a person plays. While counters move, the board takes no clicks; the menus always answer.</source>
        <translation>Potem kolejka przechodzi dookoła planszy: komputer rzuca i rusza za każdy kolor, którym gra, a kostka czeka na każdy kolor, którym gra człowiek. Gdy pionki się ruszają, plansza nie przyjmuje kliknięć; menu zawsze odpowiadają.</translation>
    </message>
    <message>
        <source>%1 sets how strong the computer plays, from its next move on. %2: %3 %4: %5 %6: %7</source>
        <translation>%1 ustala, jak silnie gra komputer, począwszy od jego następnego ruchu. %2: %3 %4: %5 %6: %7</translation>
    </message>
    <message>
        <source>%1 shows how often each colour has brought all four counters home and how often each face of the die has come up, with a verdict on whether the die looks fair. The strength, the window&apos;s size and these counts are remembered from one start to the next.</source>
        <translation>%1 pokazuje, ile razy każdy kolor wprowadził do domu wszystkie cztery pionki i jak często wypadała każda liczba oczek, z oceną, czy kostka wygląda na uczciwą. Siła, rozmiar okna i te liczby są zapamiętywane od jednego uruchomienia do następnego.</translation>
    </message>
    <message>
        <source>A dice race for four colours round a ring of 60 squares, each colour played by a person or by the computer: one person against the computer, several people together, or the computer alone.</source>
        <translation>Wyścig z kostką dla czterech kolorów dookoła pierścienia z 60 pól, każdym kolorem gra człowiek albo komputer: jedna osoba przeciw komputerowi, kilka osób razem albo sam komputer.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Lays out a new game; every option stays as it is</source>
        <translation>Rozstawia nową grę; wszystkie opcje zostają bez zmian</translation>
    </message>
    <message>
        <source>The computer also throws and moves for the people, once a second</source>
        <translation>Komputer rzuca i rusza także za ludzi, raz na sekundę</translation>
    </message>
    <message>
        <source>A beep whenever a counter is captured</source>
        <translation>Sygnał dźwiękowy przy każdym zbiciu pionka</translation>
    </message>
    <message>
        <source>Chooses for each colour whether a person or the computer plays it, from the next new game</source>
        <translation>Wybiera dla każdego koloru, czy gra nim człowiek, czy komputer, od następnej nowej gry</translation>
    </message>
    <message>
        <source>The computer plays at its usual pace</source>
        <translation>Komputer gra w swoim zwykłym tempie</translation>
    </message>
    <message>
        <source>The computer&apos;s pauses are a quarter as long</source>
        <translation>Przerwy komputera są czterokrotnie krótsze</translation>
    </message>
    <message>
        <source>Each throw of the computer&apos;s, and its move, is shown for a tenth of a second</source>
        <translation>Każdy rzut komputera wraz z jego ruchem jest pokazywany przez jedną dziesiątą sekundy</translation>
    </message>
    <message>
        <source>The board fills the whole screen</source>
        <translation>Plansza wypełnia cały ekran</translation>
    </message>
    <message>
        <source>Says the game aloud, also without a screen reader</source>
        <translation>Czyta grę na głos, także bez czytnika ekranu</translation>
    </message>
    <message>
        <source>How often each colour brought all four counters home, and how fair the die is</source>
        <translation>Ile razy każdy kolor wprowadził do domu wszystkie cztery pionki i jak uczciwa jest kostka</translation>
    </message>
    <message>
        <source>Where every counter stands: said aloud, or shown without speech</source>
        <translation>Gdzie stoi każdy pionek: powiedziane na głos albo pokazane bez mowy</translation>
    </message>
    <message>
        <source>The last round again, in full: aloud, or shown without speech</source>
        <translation>Ostatnia runda jeszcze raz, w całości: na głos albo pokazana bez mowy</translation>
    </message>
    <message>
        <source>Shares this game with people at other machines, through a chat server</source>
        <translation>Udostępnia tę grę ludziom przy innych komputerach przez serwer czatu</translation>
    </message>
    <message>
        <source>Takes a seat at a table someone else hosts, by its code or link</source>
        <translation>Zajmuje miejsce przy stole, który otworzył ktoś inny, po jego kodzie lub odnośniku</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>captures your own counter</source>
        <translation>zbija twój własny pionek</translation>
    </message>
    <message>
        <source>captures cyan</source>
        <translation>zbija błękitnego</translation>
    </message>
    <message>
        <source>captures magenta</source>
        <translation>zbija purpurowego</translation>
    </message>
    <message>
        <source>captures green</source>
        <translation>zbija zielonego</translation>
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
        <translation>Twoja baza</translation>
    </message>
    <message>
        <source>Home column %1</source>
        <translation>Kolumna domowa %1</translation>
    </message>
    <message>
        <source>cannot move</source>
        <translation>nie może się ruszyć</translation>
    </message>
    <message>
        <source>enters on square %1</source>
        <translation>wchodzi na pole %1</translation>
    </message>
    <message>
        <source>to the corner %1</source>
        <translation>na narożnik %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>na %1</translation>
    </message>
    <message>
        <source>doubling on to the corner %1</source>
        <translation>podwojenie dalej na narożnik %1</translation>
    </message>
    <message>
        <source>doubling on to %1</source>
        <translation>podwojenie dalej na %1</translation>
    </message>
    <message>
        <source>across to %1</source>
        <translation>skok na %1</translation>
    </message>
    <message>
        <source>into your home column, place %1</source>
        <translation>do twojej kolumny domowej, miejsce %1</translation>
    </message>
    <message>
        <source>up to place %1</source>
        <translation>w górę na miejsce %1</translation>
    </message>
    <message>
        <source>into a final place</source>
        <translation>na miejsce końcowe</translation>
    </message>
    <message>
        <source>all four home</source>
        <translation>wszystkie cztery w domu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a move starts, and its steps</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>to home column place %1</source>
        <translation>na miejsce %1 kolumny domowej</translation>
    </message>
    <message>
        <source>to square %1 by doubling and the corner</source>
        <translation>na pole %1 przez podwojenie i narożnik</translation>
    </message>
    <message>
        <source>to square %1 by the corner</source>
        <translation>na pole %1 przez narożnik</translation>
    </message>
    <message>
        <source>to square %1 by doubling</source>
        <translation>na pole %1 przez podwojenie</translation>
    </message>
    <message>
        <source>to square %1</source>
        <translation>na pole %1</translation>
    </message>
    <message>
        <source>You can see where a move lands before you make it: put the keyboard focus on one of your yellow counters, or rest the mouse on it. The board then shows a target where the counter would end, a circle round each x2 square or corner that carries it on, dots on the squares it passes and a cross on any counter it would capture. The status line and the tooltip say the same in words.</source>
        <translation>Zanim wykonasz ruch, możesz zobaczyć, gdzie się skończy: ustaw fokus klawiatury na jednym ze swoich żółtych pionków albo zatrzymaj na nim wskaźnik myszy. Plansza pokaże wtedy tarczę strzelniczą tam, gdzie pionek by się zatrzymał, okrąg wokół każdego pola x2 lub narożnika przenoszącego go dalej, kropki na polach, przez które przejdzie, i krzyżyk na każdym pionku, który by zbił. Wiersz stanu i podpowiedź mówią to samo słowami.</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>the game in %1 is kept by another window of the game; this window&apos;s game is not saved</source>
        <translation>grę w %1 trzyma inne okno gry; gra w tym oknie nie jest zapisywana</translation>
    </message>
    <message>
        <source>the saved game in %1 cannot be used (%2); a new game begins</source>
        <translation>zapisanej gry w %1 nie można użyć (%2); zaczyna się nowa gra</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game; it is kept as %2 and a new game begins</source>
        <translation>zapisana gra w %1 pochodzi z nowszej wersji gry; została zachowana jako %2 i zaczyna się nowa gra</translation>
    </message>
    <message>
        <source>the saved game in %1 is from a newer version of the game and is left as it is; a new game begins and is not saved</source>
        <translation>zapisana gra w %1 pochodzi z nowszej wersji gry i zostaje bez zmian; zaczyna się nowa gra, która nie jest zapisywana</translation>
    </message>
    <message>
        <source>the game cannot be saved in %1; it goes on without saving</source>
        <translation>nie można zapisać gry w %1; gra toczy się dalej bez zapisywania</translation>
    </message>
    <message>
        <source>Game resumed: your turn</source>
        <translation>Gra wznowiona: twoja kolej</translation>
    </message>
    <message>
        <source>Game resumed: cyan&apos;s turn</source>
        <translation>Gra wznowiona: kolej błękitnych</translation>
    </message>
    <message>
        <source>Game resumed: magenta&apos;s turn</source>
        <translation>Gra wznowiona: kolej purpurowych</translation>
    </message>
    <message>
        <source>Game resumed: green&apos;s turn</source>
        <translation>Gra wznowiona: kolej zielonych</translation>
    </message>
    <message>
        <source>Game resumed: red&apos;s turn</source>
        <translation>Gra wznowiona: kolej czerwonych</translation>
    </message>
    <message>
        <source>The saved game could not be used: a new game begins</source>
        <translation>Nie można było użyć zapisanej gry: zaczyna się nowa gra</translation>
    </message>
    <message>
        <source>The saved game is from a newer version and was put aside: a new game begins</source>
        <translation>Zapisana gra pochodzi z nowszej wersji i została odłożona: zaczyna się nowa gra</translation>
    </message>
    <message>
        <source>Another window keeps its game: this game is not saved</source>
        <translation>Inne okno trzyma swoją grę: ta gra nie jest zapisywana</translation>
    </message>
    <message>
        <source>not a game this version can take up</source>
        <translation>to nie jest gra, którą ta wersja może wznowić</translation>
    </message>
</context>
<context>
    <name>Seats</name>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Who plays each colour. The change takes effect with a new game.</source>
        <translation>Kto gra którym kolorem. Zmiana obowiązuje od nowej gry.</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Czerwone:</translation>
    </message>
    <message>
        <source>&amp;Cyan:</source>
        <translation>&amp;Błękitne:</translation>
    </message>
    <message>
        <source>&amp;Magenta:</source>
        <translation>&amp;Purpurowe:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Zielone:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Sz&amp;ybkość</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normalna</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Szybka</translation>
    </message>
    <message>
        <source>Fa&amp;stest</source>
        <translation>Na&amp;jszybsza</translation>
    </message>
    <message>
        <source>Red threw %1</source>
        <translation>Rzut czerwonych: %1</translation>
    </message>
    <message>
        <source>Red cannot move with %1</source>
        <translation>Żaden czerwony pionek nie może się ruszyć przy rzucie %1</translation>
    </message>
    <message>
        <source>Red captured a cyan counter</source>
        <translation>Czerwony pionek zbił błękitny pionek</translation>
    </message>
    <message>
        <source>Red captured a magenta counter</source>
        <translation>Czerwony pionek zbił purpurowy pionek</translation>
    </message>
    <message>
        <source>Red captured a green counter</source>
        <translation>Czerwony pionek zbił zielony pionek</translation>
    </message>
    <message>
        <source>Cyan captured a red counter</source>
        <translation>Błękitny pionek zbił czerwony pionek</translation>
    </message>
    <message>
        <source>Magenta captured a red counter</source>
        <translation>Purpurowy pionek zbił czerwony pionek</translation>
    </message>
    <message>
        <source>Green captured a red counter</source>
        <translation>Zielony pionek zbił czerwony pionek</translation>
    </message>
    <message>
        <source>A red counter reached a final place</source>
        <translation>Czerwony pionek dotarł na miejsce końcowe</translation>
    </message>
    <message>
        <source>Red has all four counters home</source>
        <translation>Wszystkie cztery czerwone pionki dotarły na miejsca końcowe</translation>
    </message>
    <message>
        <source>Red&apos;s last throw: %1</source>
        <translation>Ostatni rzut czerwonych: %1</translation>
    </message>
    <message>
        <source>Red start place %1</source>
        <translation>Baza czerwonych, miejsce %1</translation>
    </message>
    <message>
        <source>Red home column %1</source>
        <translation>Kolumna domowa czerwonych, miejsce %1</translation>
    </message>
    <message>
        <source>Red final place %1</source>
        <translation>Miejsce końcowe czerwonych %1</translation>
    </message>
    <message>
        <source>red counter</source>
        <translation>czerwony pionek</translation>
    </message>
    <message>
        <source>red entry square</source>
        <translation>pole wejścia czerwonych</translation>
    </message>
    <message>
        <source>red way into the home column</source>
        <translation>pole skrętu czerwonych do kolumny domowej</translation>
    </message>
    <message>
        <source>Red: click the die</source>
        <translation>Czerwone: kliknij kostkę</translation>
    </message>
    <message>
        <source>Cyan: click the die</source>
        <translation>Błękitne: kliknij kostkę</translation>
    </message>
    <message>
        <source>Magenta: click the die</source>
        <translation>Purpurowe: kliknij kostkę</translation>
    </message>
    <message>
        <source>Green: click the die</source>
        <translation>Zielone: kliknij kostkę</translation>
    </message>
    <message>
        <source>Red: click the die to throw again</source>
        <translation>Czerwone: kliknij kostkę, aby rzucić ponownie</translation>
    </message>
    <message>
        <source>Cyan: click the die to throw again</source>
        <translation>Błękitne: kliknij kostkę, aby rzucić ponownie</translation>
    </message>
    <message>
        <source>Magenta: click the die to throw again</source>
        <translation>Purpurowe: kliknij kostkę, aby rzucić ponownie</translation>
    </message>
    <message>
        <source>Green: click the die to throw again</source>
        <translation>Zielone: kliknij kostkę, aby rzucić ponownie</translation>
    </message>
    <message>
        <source>waiting for red&apos;s throw</source>
        <translation>czeka na rzut czerwonych</translation>
    </message>
    <message>
        <source>waiting for cyan&apos;s throw</source>
        <translation>czeka na rzut błękitnych</translation>
    </message>
    <message>
        <source>waiting for magenta&apos;s throw</source>
        <translation>czeka na rzut purpurowych</translation>
    </message>
    <message>
        <source>waiting for green&apos;s throw</source>
        <translation>czeka na rzut zielonych</translation>
    </message>
    <message>
        <source>captures red</source>
        <translation>zbija czerwonego</translation>
    </message>
    <message>
        <source>%1 sets how fast the computer plays. %2 is its usual pace; with %3 its pauses are a quarter as long; with %4 each of its throws, and the move that follows, is shown for only a tenth of a second. Your own throws and moves keep their pace. The players and the speed are remembered from one start to the next.</source>
        <translation>Menu %1 ustala, jak szybko gra komputer. %2 to jego zwykłe tempo; przy opcji %3 jego przerwy są czterokrotnie krótsze; przy opcji %4 każdy jego rzut wraz z następującym po nim ruchem jest pokazywany tylko przez jedną dziesiątą sekundy. Twoje własne rzuty i ruchy zachowują swoje tempo. Ustawienia graczy i szybkości są zachowywane od jednego uruchomienia do następnego.</translation>
    </message>
    <message>
        <source>An invited seat waits for a person at another machine when you host a table; until then the computer plays it.</source>
        <translation>Miejsce dla zaproszonego czeka na osobę przy innym komputerze, gdy otwierasz stół; do tego czasu gra na nim komputer.</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Zaproszony</translation>
    </message>
    <message>
        <source>%1 chooses for each colour whether a person or the computer plays it; the change takes effect with a new game. Several people can play on one screen: the die then waits for each person&apos;s colour in turn, and the status line names it (&quot;Red: click the die&quot;). The boxes of the last throws beside it are framed in black for the colours people play. When the die passes from one person to another, the keyboard waits %2 seconds before it throws, so that the keys of the one who just played do not throw for the next.</source>
        <translation>%1 wybiera dla każdego koloru, czy gra nim człowiek, czy komputer; zmiana obowiązuje od nowej gry. Na jednym ekranie może grać kilka osób: kostka czeka wtedy po kolei na kolor każdej z nich, a wiersz stanu go nazywa („Czerwone: kliknij kostkę”). Pola ostatnich rzutów obok mają czarną ramkę przy kolorach, którymi grają ludzie. Gdy kostka przechodzi od jednej osoby do drugiej, klawiatura czeka %2 s, zanim rzuci, aby klawisze tego, kto właśnie grał, nie rzuciły za następnego.</translation>
    </message>
    <message>
        <source>Red: click the die to start</source>
        <translation>Czerwone: kliknij kostkę, aby zacząć</translation>
    </message>
    <message>
        <source>Cyan: click the die to start</source>
        <translation>Błękitne: kliknij kostkę, aby zacząć</translation>
    </message>
    <message>
        <source>Magenta: click the die to start</source>
        <translation>Purpurowe: kliknij kostkę, aby zacząć</translation>
    </message>
    <message>
        <source>Green: click the die to start</source>
        <translation>Zielone: kliknij kostkę, aby zacząć</translation>
    </message>
    <message>
        <source>played by a person</source>
        <translation>gra człowiek</translation>
    </message>
    <message>
        <source>played by the computer</source>
        <translation>gra komputer</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Gracze…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the settings in %1 cannot be used (%2); the game starts with its defaults</source>
        <translation>nie można użyć ustawień z %1 (%2); gra startuje z ustawieniami domyślnymi</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>far too large</source>
        <translation>o wiele za duży</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nie można odczytać</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>to nie jest plik ustawień</translation>
    </message>
    <message>
        <source>of another version</source>
        <translation>z innej wersji</translation>
    </message>
    <message>
        <source>incomplete or out of place</source>
        <translation>niepełne lub błędne</translation>
    </message>
    <message>
        <source>the settings cannot be saved in %1; the game goes on without saving them</source>
        <translation>nie można zapisać ustawień w %1; gra toczy się dalej bez zapisywania</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Skarpo is a dice race for four players round a ring of 60 squares: red, the circle; cyan, the square; magenta, the triangle; and green, the star. Each colour&apos;s shape stands on its counters and its places, so that whose they are shows even without the colour.</source>
        <translation>Skarpo to wyścig z kostką dla czterech graczy po okrężnym torze z 60 pól: czerwony to koło, błękitny – kwadrat, purpurowy – trójkąt, a zielony – gwiazda. Kształt każdego koloru widnieje na jego pionkach i miejscach, więc widać, czyje są, nawet bez koloru.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>While a screen reader runs, the game also speaks: your throw and what can move, each computer player&apos;s turn in one sentence when it ends, every capture, every counter reaching a final place, and &quot;Your turn&quot; whenever the die waits for you. A key pressed while counters move is not taken, and you hear that the board is moving. %1 reads where every counter stands, %2 says the last thing again, and %3 switches the speech on or off, also without a screen reader.</source>
        <translation>Gdy działa czytnik ekranu, gra także mówi: twój rzut i co może się ruszyć, turę każdego gracza komputerowego jednym zdaniem, gdy się skończy, każde zbicie, każdy pionek, który dotrze na miejsce końcowe, oraz „Twoja kolej”, gdy tylko kostka na ciebie czeka. Klawisz naciśnięty, gdy pionki się ruszają, nie jest przyjmowany i słyszysz, że plansza jest w ruchu. %1 odczytuje, gdzie stoi każdy pionek, %2 powtarza ostatni komunikat, a %3 włącza lub wyłącza mowę, także bez czytnika ekranu.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>captured a red counter</source>
        <translation>zbija czerwony pionek</translation>
    </message>
    <message>
        <source>captured a cyan counter</source>
        <translation>zbija błękitny pionek</translation>
    </message>
    <message>
        <source>captured a magenta counter</source>
        <translation>zbija purpurowy pionek</translation>
    </message>
    <message>
        <source>captured a green counter</source>
        <translation>zbija zielony pionek</translation>
    </message>
    <message>
        <source>moved into the home column, place %1</source>
        <translation>wchodzi do kolumny domowej, miejsce %1</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>idzie na %1</translation>
    </message>
    <message>
        <source>threw %1</source>
        <translation>wyrzuca %1</translation>
    </message>
    <message>
        <source>no move</source>
        <translation>nie ma ruchu</translation>
    </message>
    <message>
        <source>entered on %1</source>
        <translation>wchodzi na %1</translation>
    </message>
    <message>
        <source>captured your counter</source>
        <translation>zbija twój pionek</translation>
    </message>
    <message>
        <source>reached a final place</source>
        <translation>dociera na miejsce końcowe</translation>
    </message>
    <message>
        <source>has all four counters home</source>
        <translation>ma wszystkie cztery pionki w domu</translation>
    </message>
    <message>
        <source>Speech off</source>
        <translation>Mowa wyłączona</translation>
    </message>
    <message>
        <source>Speech on</source>
        <translation>Mowa włączona</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Wyrzuciłeś %1</translation>
    </message>
    <message>
        <source>You threw %1, no move</source>
        <translation>Wyrzuciłeś %1, brak ruchu</translation>
    </message>
    <message>
        <source>You threw %1, %2 counters can move</source>
        <translation>Wyrzuciłeś %1, pionki, które mogą ruszyć: %2</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Twoja kolej</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 at the start</source>
        <translation>%1 na starcie</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>pole %1</translation>
    </message>
    <message>
        <source>home column %1</source>
        <translation>kolumna domowa %1</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 w domu</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Wait, the board is moving</source>
        <translation>Zaczekaj, plansza jest w ruchu</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>the language of the voice that speaks the game, as a locale name (de, pt_BR ...)</extracomment>
        <translation>pl</translation>
    </message>
    <message>
        <source>Speak the &amp;Game</source>
        <translation>&amp;Czytaj grę na głos</translation>
    </message>
    <message>
        <source>&amp;Where the Counters Stand</source>
        <translation>&amp;Gdzie stoją pionki</translation>
    </message>
    <message>
        <source>Sa&amp;y Again</source>
        <translation>Powtó&amp;rz</translation>
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
        <translation>miejsce końcowe</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>You threw %1: %2, Enter moves it</source>
        <translation>Wyrzuciłeś %1: %2, Enter wykonuje ruch</translation>
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
        <translation>Twój rzut: %1</translation>
    </message>
    <message>
        <source>Cyan threw %1</source>
        <translation>Rzut błękitnych: %1</translation>
    </message>
    <message>
        <source>Magenta threw %1</source>
        <translation>Rzut purpurowych: %1</translation>
    </message>
    <message>
        <source>Green threw %1</source>
        <translation>Rzut zielonych: %1</translation>
    </message>
    <message>
        <source>No move with %1</source>
        <translation>Brak ruchu przy rzucie %1</translation>
    </message>
    <message>
        <source>Cyan cannot move with %1</source>
        <translation>Żaden błękitny pionek nie może się ruszyć przy rzucie %1</translation>
    </message>
    <message>
        <source>Magenta cannot move with %1</source>
        <translation>Żaden purpurowy pionek nie może się ruszyć przy rzucie %1</translation>
    </message>
    <message>
        <source>Green cannot move with %1</source>
        <translation>Żaden zielony pionek nie może się ruszyć przy rzucie %1</translation>
    </message>
    <message>
        <source>You captured a cyan counter</source>
        <translation>Twój pionek zbił błękitny pionek</translation>
    </message>
    <message>
        <source>You captured a magenta counter</source>
        <translation>Twój pionek zbił purpurowy pionek</translation>
    </message>
    <message>
        <source>You captured a green counter</source>
        <translation>Twój pionek zbił zielony pionek</translation>
    </message>
    <message>
        <source>Cyan captured your counter</source>
        <translation>Błękitny pionek zbił twój pionek</translation>
    </message>
    <message>
        <source>Cyan captured a magenta counter</source>
        <translation>Błękitny pionek zbił purpurowy pionek</translation>
    </message>
    <message>
        <source>Cyan captured a green counter</source>
        <translation>Błękitny pionek zbił zielony pionek</translation>
    </message>
    <message>
        <source>Magenta captured your counter</source>
        <translation>Purpurowy pionek zbił twój pionek</translation>
    </message>
    <message>
        <source>Magenta captured a cyan counter</source>
        <translation>Purpurowy pionek zbił błękitny pionek</translation>
    </message>
    <message>
        <source>Magenta captured a green counter</source>
        <translation>Purpurowy pionek zbił zielony pionek</translation>
    </message>
    <message>
        <source>Green captured your counter</source>
        <translation>Zielony pionek zbił twój pionek</translation>
    </message>
    <message>
        <source>Green captured a cyan counter</source>
        <translation>Zielony pionek zbił błękitny pionek</translation>
    </message>
    <message>
        <source>Green captured a magenta counter</source>
        <translation>Zielony pionek zbił purpurowy pionek</translation>
    </message>
    <message>
        <source>Your counter reached a final place</source>
        <translation>Twój pionek dotarł na miejsce końcowe</translation>
    </message>
    <message>
        <source>A cyan counter reached a final place</source>
        <translation>Błękitny pionek dotarł na miejsce końcowe</translation>
    </message>
    <message>
        <source>A magenta counter reached a final place</source>
        <translation>Purpurowy pionek dotarł na miejsce końcowe</translation>
    </message>
    <message>
        <source>A green counter reached a final place</source>
        <translation>Zielony pionek dotarł na miejsce końcowe</translation>
    </message>
    <message>
        <source>All four of your counters are home</source>
        <translation>Wszystkie cztery twoje pionki dotarły na miejsca końcowe</translation>
    </message>
    <message>
        <source>Cyan has all four counters home</source>
        <translation>Wszystkie cztery błękitne pionki dotarły na miejsca końcowe</translation>
    </message>
    <message>
        <source>Magenta has all four counters home</source>
        <translation>Wszystkie cztery purpurowe pionki dotarły na miejsca końcowe</translation>
    </message>
    <message>
        <source>Green has all four counters home</source>
        <translation>Wszystkie cztery zielone pionki dotarły na miejsca końcowe</translation>
    </message>
    <message>
        <source>Your last throw: %1</source>
        <translation>Twój ostatni rzut: %1</translation>
    </message>
    <message>
        <source>Cyan&apos;s last throw: %1</source>
        <translation>Ostatni rzut błękitnych: %1</translation>
    </message>
    <message>
        <source>Magenta&apos;s last throw: %1</source>
        <translation>Ostatni rzut purpurowych: %1</translation>
    </message>
    <message>
        <source>Green&apos;s last throw: %1</source>
        <translation>Ostatni rzut zielonych: %1</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>The counters march to their start areas</source>
        <translation>Pionki przechodzą do swoich baz</translation>
    </message>
    <message>
        <source>Automatic play is on</source>
        <translation>Gra automatyczna jest włączona</translation>
    </message>
    <message>
        <source>Automatic play is off</source>
        <translation>Gra automatyczna jest wyłączona</translation>
    </message>
    <message>
        <source>Sound is on</source>
        <translation>Dźwięk jest włączony</translation>
    </message>
    <message>
        <source>Sound is off</source>
        <translation>Dźwięk jest wyłączony</translation>
    </message>
    <message>
        <source>Choose a yellow counter</source>
        <translation>Wybierz żółty pionek</translation>
    </message>
    <message>
        <source>Click the die to start</source>
        <translation>Kliknij kostkę, aby zacząć</translation>
    </message>
    <message>
        <source>Click the die to throw again</source>
        <translation>Kliknij kostkę, aby rzucić ponownie</translation>
    </message>
    <message>
        <source>Your turn: click the die</source>
        <translation>Twoja kolej: kliknij kostkę</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>two parts of the status line, one after the other</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>na razie brak</translation>
    </message>
    <message>
        <source>What is happening in the game</source>
        <translation>Co dzieje się w grze</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Red</source>
        <translation>Czerwoni</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Błękitni</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurowi</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zieloni</translation>
    </message>
    <message>
        <source>The host %1 revealed a throw that does not match its commitment</source>
        <translation>Gospodarz %1 ujawnił rzut niezgodny ze swoim zobowiązaniem</translation>
    </message>
    <message>
        <source>The table stopped: the game of %1 differs from the host&apos;s</source>
        <translation>Stół się zatrzymał: gra gracza %1 różni się od gry gospodarza</translation>
    </message>
    <message>
        <source>The seats of table %1</source>
        <translation>Miejsca przy stole %1</translation>
    </message>
    <message>
        <source>%1 asks for a seat</source>
        <translation>%1 proszą o miejsce</translation>
    </message>
    <message>
        <source>%1 throws the die</source>
        <translation>%1 rzucają kostką</translation>
    </message>
    <message>
        <source>The dice of throw %1</source>
        <translation>Kostka rzutu %1</translation>
    </message>
    <message>
        <source>%1 threw %2: %3</source>
        <translation>%1 wyrzucili %2: %3</translation>
    </message>
    <message>
        <source>My game differs from the host&apos;s at throw %1</source>
        <translation>Moja gra różni się od gry gospodarza przy rzucie %1</translation>
    </message>
    <message>
        <source>The server was not found</source>
        <translation>Nie znaleziono serwera</translation>
    </message>
    <message>
        <source>The server&apos;s certificate does not match: not connected</source>
        <translation>Certyfikat serwera się nie zgadza: brak połączenia</translation>
    </message>
    <message>
        <source>The server refused the sign-in</source>
        <translation>Serwer odrzucił logowanie</translation>
    </message>
    <message>
        <source>The connection to the server dropped</source>
        <translation>Połączenie z serwerem zostało przerwane</translation>
    </message>
    <message>
        <source>The table is full</source>
        <translation>Stół jest pełny</translation>
    </message>
    <message>
        <source>The table&apos;s code is unknown</source>
        <translation>Kod stołu jest nieznany</translation>
    </message>
    <message>
        <source>Someone at the table has that name</source>
        <translation>Ktoś przy stole ma już to imię</translation>
    </message>
    <message>
        <source>Waiting for the dice of %1...</source>
        <translation>Czekanie na kostkę dla: %1…</translation>
    </message>
    <message>
        <source>Waiting for %1 (%2)...</source>
        <translation>Czekanie na: %1 (%2)…</translation>
    </message>
    <message>
        <source>%1 (%2) left; the computer plays %1</source>
        <translation>%1 (%2) opuszcza stół; %1 gra komputer</translation>
    </message>
    <message>
        <source>%1 (%2) is back</source>
        <translation>%1 (%2) wraca</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The computer plays %1</source>
        <translation>Komputer gra jako %1</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 gra jako %2</translation>
    </message>
    <message>
        <source>I take %1 back</source>
        <translation>Odbieram %1</translation>
    </message>
    <message>
        <source>The key of %1</source>
        <translation>Klucz dla %1</translation>
    </message>
    <message>
        <source>The game so far</source>
        <translation>Dotychczasowa gra</translation>
    </message>
    <message>
        <source>The host left; the table has stopped. Your game is kept.</source>
        <translation>Gospodarz wyszedł; stół się zatrzymał. Twoja gra jest zachowana.</translation>
    </message>
    <message>
        <source>You were away: the computer plays %1. Press a key to play again.</source>
        <translation>Nie było cię: %1 gra komputer. Naciśnij klawisz, aby grać dalej.</translation>
    </message>
    <message>
        <source>%1 is yours again at its next turn</source>
        <translation>%1: grasz znowu od następnego ruchu</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serwer:</translation>
    </message>
    <message>
        <source>example.org</source>
        <translation>example.org</translation>
    </message>
    <message>
        <source>Connect &amp;to:</source>
        <translation>Połą&amp;cz z:</translation>
    </message>
    <message>
        <source>host:port, when not the server&apos;s own</source>
        <translation>host:port, jeśli inny niż serwera</translation>
    </message>
    <message>
        <source>&amp;Group chat:</source>
        <translation>Czat &amp;grupowy:</translation>
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
        <translation>puste: zaloguj anonimowo</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>asked each time, never kept</source>
        <translation>pytane za każdym razem, nigdy nie zapisywane</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Twoje &amp;imię:</translation>
    </message>
    <message>
        <source>Table &amp;code or link:</source>
        <translation>&amp;Kod lub link stołu:</translation>
    </message>
    <message>
        <source>K7Q-3MX, or xmpp:...?join</source>
        <translation>K7Q-3MX lub xmpp:…?join</translation>
    </message>
    <message>
        <source>&amp;Host a Table…</source>
        <translation>&amp;Otwórz stół…</translation>
    </message>
    <message>
        <source>&amp;Join a Table…</source>
        <translation>Dołącz do s&amp;tołu…</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Miejsca</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Co się dzieje</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>jeszcze nieznane</translation>
    </message>
    <message>
        <source>the computer</source>
        <translation>komputer</translation>
    </message>
    <message>
        <source>invited, free</source>
        <translation>zaproszony, wolne</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Everyone is seated: the game begins</source>
        <translation>Wszyscy siedzą: gra się zaczyna</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Otwórz stół</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Table &amp;link:</source>
        <translation>&amp;Link do stołu:</translation>
    </message>
    <message>
        <source>&amp;Play on from the last table&apos;s game</source>
        <translation>Graj &amp;dalej w grę z ostatniego stołu</translation>
    </message>
    <message>
        <source>Choose Invited for a colour in Options &gt; Players... first</source>
        <translation>Najpierw wybierz Zaproszony dla jednego koloru w Opcje &gt; Gracze…</translation>
    </message>
    <message>
        <source>Give the server and your name</source>
        <translation>Podaj serwer i swoje imię</translation>
    </message>
    <message>
        <source>Table %1 is open: send its code or its link to the others</source>
        <translation>Stół %1 jest otwarty: wyślij innym jego kod lub link</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Logowanie…</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Dołącz do stołu</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Dołącz</translation>
    </message>
    <message>
        <source>S&amp;eat:</source>
        <translation>&amp;Miejsce:</translation>
    </message>
    <message>
        <source>Ta&amp;ke the Seat</source>
        <translation>&amp;Zajmij miejsce</translation>
    </message>
    <message>
        <source>That is neither a table&apos;s code nor its link</source>
        <translation>To nie jest ani kod, ani link stołu</translation>
    </message>
    <message>
        <source>Choose a free seat, then take it</source>
        <translation>Wybierz wolne miejsce i je zajmij</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nie ustawiono ani zmiennej DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display answers at %1</source>
        <translation>pod adresem %1 nie odpowiada żaden ekran</translation>
    </message>
    <message>
        <source>skarpo: the game needs a screen to show its window, and there is none (%1)</source>
        <translation>skarpo: gra potrzebuje ekranu, aby wyświetlić swoje okno, a żadnego nie ma (%1)</translation>
    </message>
</context>
<context>
    <name>skarpo::StatisticsDialog</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>All four counters home</source>
        <translation>Wszystkie cztery pionki w domu</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Razy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Błękitne</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurowe</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielone</translation>
    </message>
    <message>
        <source>Faces of the die</source>
        <translation>Oczka kostki</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Oczka</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udział</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>Sets every count back to zero</source>
        <translation>Ustawia wszystkie liczniki na zero</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>Wyzeruj statystyki</translation>
    </message>
    <message>
        <source>Set every count back to zero? This cannot be undone.</source>
        <translation>Wyzerować wszystkie liczniki? Tego nie da się cofnąć.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Too few throws yet to judge the die.</source>
        <translation>Wciąż za mało rzutów, by ocenić kostkę.</translation>
    </message>
    <message>
        <source>As fair as a real die: p = %1.</source>
        <translation>Uczciwa jak prawdziwa kostka: p = %1.</translation>
    </message>
    <message>
        <source>Somewhat uneven, as a fair die is now and then: p = %1.</source>
        <translation>Nieco nierówna, jak uczciwej kostce zdarza się od czasu do czasu: p = %1.</translation>
    </message>
    <message>
        <source>Far more uneven than a fair die throws: p = %1.</source>
        <translation>O wiele bardziej nierówna, niż wypada uczciwa kostka: p = %1.</translation>
    </message>
    <message>
        <source>Throws counted: %1.</source>
        <translation>Policzone rzuty: %1.</translation>
    </message>
    <message>
        <source>Share of each face as bars; the line marks a fair die&apos;s share</source>
        <translation>Udział każdej liczby oczek jako słupki; linia oznacza udział uczciwej kostki</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statystyki…</translation>
    </message>
</context>
<context>
    <name>skarpo::StatusLine</name>
    <message>
        <source>Status line</source>
        <translation>Wiersz stanu</translation>
    </message>
</context>
<context>
    <name>skarpo::Window</name>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;AutoPlay</source>
        <translation>Gra &amp;automatyczna</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
</context>
</TS>
