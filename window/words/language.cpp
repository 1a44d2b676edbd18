// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/words/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace skarpo {

namespace {
// where the build puts the compiled translations among the program's resources
const QString resources = QStringLiteral(":/i18n");
}  // namespace

Language::Language(const QLocale& locale) {
    if (game_.load(locale, QStringLiteral("skarpo"), QStringLiteral("_"), resources))
        gameInstalled_ = QCoreApplication::installTranslator(&game_);
    // The toolkit's words only with a translation of the game's own, so that
    // a dialog never mixes two languages.
    if (gameInstalled_ && toolkit_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        toolkitInstalled_ = QCoreApplication::installTranslator(&toolkit_);
}

Language::~Language() {
    if (toolkitInstalled_) QCoreApplication::removeTranslator(&toolkit_);
    if (gameInstalled_) QCoreApplication::removeTranslator(&game_);
}

QString Language::name() const {
    return gameInstalled_ ? game_.language().replace(QLatin1Char('-'), QLatin1Char('_')) : QStringLiteral("en");
}

QStringList Language::shipped() {
    QStringList out;
    for (const QString& file : QDir(resources).entryList({QStringLiteral("skarpo_*.qm")}, QDir::Files, QDir::Name))
        out << file.mid(7, file.size() - 7 - 3);
    return out;
}

}  // namespace skarpo
