// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's two dialogs (ctest runs them again at QT_SCALE_FACTOR 2), and the window in the system's language
// (ctest runs that under the locale of each shipped translation, LANG=de_DE.UTF-8 ..., and under LANG=C).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <array>
#include <map>

#include "tests/window/live.h"
#include "window/words/language.h"

using namespace skarpo;
using namespace skarpo::test;

namespace {

struct Help : Live {
    QAction* item(int i) { return window.menuBar()->actions().last()->menu()->actions().at(i); }
    // The dialog of that name on screen, the focus on the first character of its text; the text.
    QTextBrowser* opened(const char* name) {
        auto* d = window.findChild<QDialog*>(name);
        QTextBrowser* text = d ? d->findChild<QTextBrowser*>() : nullptr;
        EXPECT_TRUE(text && d->isVisible() && d->focusWidget() == text && text->textCursor().position() == 0) << name;
        return text;
    }
    // What a screen reader is given to read, from start to end.
    static QString spoken(QTextBrowser* text) {
        QAccessibleTextInterface* a = QAccessible::queryAccessibleInterface(text)->textInterface();
        return a->text(0, a->characterCount());
    }
};

std::string joined(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << a->text();
    return out.join(", ").toStdString();
}

}  // namespace

// How to Play: opened by F1 at the start of its text, the rules in order and the menus named as the menu bar names
// them, the artwork at twice its size in whole blocks of device pixels; the game goes on while it is open; Escape
// and Close close it, and it opens again at the start. Then About.
TEST_F(Help, HowToPlayAndAbout) {
    ASSERT_EQ(item(0)->shortcut(), QKeySequence(Qt::Key_F1));
    const auto pressF1 = [&] { keysReachTheWindow() ? QTest::keyClick(&window, Qt::Key_F1) : item(0)->trigger(); };
    pressF1();
    QTextBrowser* text = opened("howToPlay");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->window()->windowTitle() == "How to Play" && !text->window()->isModal());
    const QRegularExpression rules(
        "A six always earns.*AutoPlay \u25B8 Auto.*Options \u25B8 Players.*F1 opens this help",
        QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(rules.match(spoken(text)).hasMatch()) << "the menus named as the menu bar names them";
    int pictures = 0;
    const int block = qRound(2 * factor);
    for (const auto& img : QRegularExpression("<img src=\"(.+?)\"").globalMatch(text->document()->toHtml())) {
        const auto image = text->document()->resource(QTextDocument::ImageResource, img.captured(1)).value<QImage>();
        ASSERT_TRUE(image.size() == QSize(32, 32) * block && image.devicePixelRatio() == factor) << pictures;
        ++pictures;
        int uneven = 0, colours = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                uneven += image.pixel(x, y) != image.pixel(x - x % block, y - y % block);
                colours += image.pixel(x, y) != image.pixel(0, 0);
            }
        EXPECT_TRUE(uneven == 0 && colours > 0) << uneven << " uneven, " << colours << " not the first colour";
    }
    EXPECT_GE(pictures, 5);

    clickAt(rect(die).center());
    EXPECT_EQ(table.phase(), Phase::Animating) << "the board takes the click while the rules are open";
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(text->window()->isVisible());
    pressF1();
    ASSERT_EQ(opened("howToPlay"), text) << "made once, shown again";
    text->window()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    EXPECT_FALSE(text->window()->isVisible());

    // About: modal over the board, the version and the licence; Escape closes it
    item(1)->trigger();
    text = opened("aboutSkarpo");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->window()->windowTitle() == "About Skarpo" && text->window()->windowModality() == Qt::WindowModal);
    EXPECT_TRUE(spoken(text).contains("Version " SKARPO_VERSION) && spoken(text).contains("GPL-3.0-or-later"));
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(text->window()->isVisible());
}

// The menu bar; the items of its menus; the toolkit's own Close button, in the toolkit's words. Written out by hand
// from the translations, so that a translation lost, not compiled in or not chosen shows here.
const std::map<QString, std::array<const char*, 3>> captions = {
    {"en",
     {"&New Game, &AutoPlay, &Options, &Help",
      "&Auto; &Sound, &Players…, &Host a Table…, &Join a Table…, Spee&d, &Full Screen, Speak the &Game, &Computer, , "
      "S&tatistics…; &How to Play, "
      "&About Skarpo, , &Where the Counters Stand, Sa&y Again",
      "Close"}},
    {"cs",
     {"&Nová hra, &Automatická hra, &Možnosti, Nápo&věda",
      "&Auto; &Zvuk, &Hráči…, &Uspořádat stůl…, Přip&ojit se ke stolu…, R&ychlost, &Celá obrazovka, Př&edčítat hru, "
      "&Počítač, , &Statistika…; &Jak hrát, &O hře "
      "Skarpo, , &Kde stojí figurky, Ř&íct znovu",
      "Zavřít"}},
    {"de",
     {"&Neues Spiel, &Automatik, &Optionen, &Hilfe",
      "&Für mich spielen; &Ton, &Spieler …, Tisch &eröffnen …, Tisch &beitreten …, Te&mpo, &Vollbildmodus, Spiel "
      "vor&lesen, &Computer, , St&atistik …; "
      "&Spielanleitung, Ü&ber Skarpo, , &Wo die Figuren stehen, &Noch einmal sagen",
      "Schließen"}},
    {"es",
     {"Partida &nueva, Juego &automático, &Opciones, Ay&uda",
      "&Automático; &Sonido, &Jugadores…, &Abrir una mesa…, &Unirse a una mesa…, &Velocidad, &Pantalla completa, &Leer "
      "el juego en voz alta, &Ordenador, , "
      "&Estadísticas…; &Cómo se juega, &Acerca de Skarpo, , &Dónde están las fichas, &Repetir",
      "Cerrar"}},
    {"fr",
     {"&Nouvelle partie, &Jeu automatique, &Options, &Aide",
      "&Jouer à ma place; &Son, &Joueurs…, &Héberger une table…, &Rejoindre une table…, &Vitesse, &Plein écran, &Lire "
      "le jeu à voix haute, &Ordinateur, , "
      "S&tatistiques…; &Comment jouer, À &propos de Skarpo, , &Où sont les pions, &Répéter",
      "Fermer"}},
    {"it",
     {"&Nuova partita, Gioco &automatico, &Opzioni, A&iuto",
      "&Automatico; &Suono, &Giocatori…, &Ospitare un tavolo…, &Unirsi a un tavolo…, &Velocità, Schermo &intero, "
      "&Leggi il gioco ad alta voce, &Computer, , "
      "S&tatistiche…; &Come si gioca, &Informazioni su Skarpo, , &Dove sono le pedine, &Ripeti",
      "Chiudi"}},
    {"nl",
     {"&Nieuw spel, &Automatisch spelen, &Opties, &Help",
      "&Automatisch; &Geluid, S&pelers…, Tafel &openen…, Aan tafel &deelnemen…, Sn&elheid, &Volledig scherm, Spel "
      "voor&lezen, &Computer, , &Statistieken…; "
      "&Spelregels, &Over Skarpo, , &Waar de pionnen staan, &Nog eens zeggen",
      "Sluiten"}},
    {"pl",
     {"&Nowa gra, Gra &automatyczna, &Opcje, &Pomoc",
      "&Auto; &Dźwięk, &Gracze…, &Otwórz stół…, Dołącz do s&tołu…, Sz&ybkość, &Pełny ekran, &Czytaj grę na głos, "
      "&Komputer, , &Statystyki…; &Jak grać, "
      "&O "
      "grze Skarpo, , &Gdzie stoją pionki, Powtó&rz",
      "Zamknij"}},
    {"pt_BR",
     {"&Novo jogo, &Jogo automático, &Opções, &Ajuda",
      "&Automático; &Som, &Jogadores…, &Hospedar uma mesa…, &Participar de uma mesa…, &Velocidade, &Tela cheia, &Ler o "
      "jogo em voz alta, &Computador, , "
      "&Estatísticas…; &Como jogar, &Sobre o Skarpo, , &Onde estão os peões, &Repetir",
      "Fechar"}},
};

// The menus, the status line and the dialog buttons as a player in this locale sees them.
TEST(Language, TheWindowSpeaksTheSystemsLanguage) {
    for (const QString& lang : Language::shipped()) EXPECT_TRUE(captions.count(lang)) << qPrintable(lang) << " untried";
    const Language language;  // from the system's locale, as the program's entry does
    const QString system = QLocale::system().name(), name = language.name();
    // a translation is chosen exactly when one is shipped for the locale's language
    const auto shipped = captions.find(captions.count(system) ? system : system.section('_', 0, 0));
    ASSERT_EQ(name, shipped == captions.end() ? QString("en") : shipped->first) << system.toStdString();
    const auto& [bar, items, close] = captions.at(name);

    Window window;
    const auto menus = window.menuBar()->actions();
    EXPECT_EQ(joined(menus), bar);
    std::string all;
    for (int i = 1; i < menus.size(); ++i) all += (i > 1 ? "; " : "") + joined(menus[i]->menu()->actions());
    EXPECT_EQ(all, items);
    EXPECT_EQ(window.status().text() == "Click the die to start", name == "en") << window.status().text().toStdString();

    // the toolkit's own words come with the game's, where the system has them
    menus.last()->menu()->actions().first()->trigger();
    const QString toolkit = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + name + ".qm";
    const QString got = window.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->text();
    EXPECT_TRUE(got == close || (name != "en" && !QFile::exists(toolkit))) << got.toStdString();
}
