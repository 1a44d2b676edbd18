// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language. The game's own translations are compiled into the
// program; the toolkit's (standard buttons, key names) come from the system
// when it has them. Both are chosen from the system's locale, and the game
// speaks English when no translation fits.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace skarpo {

class Language {
public:
    // Installs the translations for `locale` in the running application;
    // they stay in force while this object lives.
    explicit Language(const QLocale& locale = QLocale::system());
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // The language the game's texts are shown in, as a locale name ("de",
    // "pt_BR"), or "en" when no translation fitted.
    QString name() const;

    // The languages the game ships translations for, as locale names.
    static QStringList shipped();

private:
    QTranslator game_;
    QTranslator toolkit_;
    bool gameInstalled_ = false;
    bool toolkitInstalled_ = false;
};

}  // namespace skarpo
