// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the system's language, chosen as the program chooses it. ctest runs this under the locale of each
// shipped translation (LANG=de_DE.UTF-8 ...) and under LANG=C, where the game speaks English.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <map>

#include "window/language.h"
#include "window/status.h"
#include "window/window.h"

using namespace skarpo;

namespace {

struct Captions {
    const char* bar;    // the menu bar
    const char* items;  // the items of its menus
    const char* close;  // the toolkit's own Close button, translated by the toolkit's words
};

// Written out by hand from the translations, so that a translation lost, not compiled in or not chosen shows here.
const std::map<QString, Captions> expected = {
    {"en", {"&New Game, &AutoPlay, &Options, &Help", "&Auto; &Sound, &Full Screen; &How to Play, &About Skarpo", "Close"}},
    {"cs", {"&Nová hra, &Automatická hra, &Možnosti, Nápo&věda", "&Auto; &Zvuk, &Celá obrazovka; &Jak hrát, &O hře Skarpo", "Zavřít"}},
    {"de", {"&Neues Spiel, &Automatik, &Optionen, &Hilfe", "&Für mich spielen; &Ton, &Vollbildmodus; &Spielanleitung, Ü&ber Skarpo",
            "Schließen"}},
    {"es", {"Partida &nueva, Juego &automático, &Opciones, Ay&uda", "&Automático; &Sonido, &Pantalla completa; &Cómo se juega, &Acerca de Skarpo",
            "Cerrar"}},
    {"fr", {"&Nouvelle partie, &Jeu automatique, &Options, &Aide",
            "&Jouer à ma place; &Son, &Plein écran; &Comment jouer, À &propos de Skarpo", "Fermer"}},
    {"it", {"&Nuova partita, Gioco &automatico, &Opzioni, A&iuto",
            "&Automatico; &Suono, Schermo &intero; &Come si gioca, &Informazioni su Skarpo", "Chiudi"}},
    {"nl", {"&Nieuw spel, &Automatisch spelen, &Opties, &Help", "&Automatisch; &Geluid, &Volledig scherm; &Spelregels, &Over Skarpo",
            "Sluiten"}},
    {"pl", {"&Nowa gra, Gra &automatyczna, &Opcje, &Pomoc", "&Auto; &Dźwięk, &Pełny ekran; &Jak grać, &O grze Skarpo", "Zamknij"}},
    {"pt_BR", {"&Novo jogo, &Jogo automático, &Opções, &Ajuda", "&Automático; &Som, &Tela cheia; &Como jogar, &Sobre o Skarpo",
               "Fechar"}},
};

QString joined(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << a->text();
    return out.join(", ");
}

}  // namespace

TEST(Language, EveryShippedTranslationIsCompiledIn) {
    QStringList want;
    for (const auto& [name, captions] : expected)
        if (name != "en") want << name;
    EXPECT_EQ(Language::shipped(), want);
}

// The menus, the dialog buttons and the title as a player in this locale sees them.
TEST(Language, TheWindowSpeaksTheSystemsLanguage) {
    const Language language;  // from the system's locale, as the program's entry does
    const QString system = QLocale::system().name();
    const QString name = language.name();
    // a translation is chosen exactly when one is shipped for the locale's language
    const auto shipped = expected.find(expected.count(system) ? system : system.section('_', 0, 0));
    ASSERT_EQ(name, shipped == expected.end() ? QString("en") : shipped->first) << system.toStdString();
    const Captions& want = expected.at(name);

    Window window;
    window.exitProgram = [] {};
    EXPECT_EQ(window.windowTitle(), "Skarpo");
    const auto bar = window.menuBar()->actions();
    EXPECT_EQ(joined(bar), want.bar);
    QStringList items;
    for (int i = 1; i < bar.size(); ++i) items << joined(bar[i]->menu()->actions());
    EXPECT_EQ(items.join("; "), want.items);
    // the status line's words, English only where no translation fits
    EXPECT_EQ(window.status().text() == "Click the die to start", name == "en") << window.status().text().toStdString();

    // the toolkit's own words come with the game's, where the system has them
    bar.last()->menu()->actions().first()->trigger();
    auto* box = window.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    const QString close = box->button(QDialogButtonBox::Close)->text();
    if (name == "en" || QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + name + ".qm")) {
        EXPECT_EQ(close.toStdString(), want.close);
    }
}
