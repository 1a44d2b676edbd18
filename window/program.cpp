// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/program.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace skarpo {

Program::Program() {
    // ties the window to its desktop entry (and so to its icon and name)
    QGuiApplication::setDesktopFileName(QStringLiteral(SKARPO_APP_ID));
    QCoreApplication::setOrganizationName(QStringLiteral("skarpo"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("skarpo.github.io"));
    QCoreApplication::setApplicationName(QStringLiteral("Skarpo"));
    language_ = std::make_unique<Language>();
    // ~/.config/skarpo/Skarpo.conf and ~/.local/state/skarpo/game.txt
    window_ = std::make_unique<Window>(nullptr, SettingsFile::standardPath(), GameFile::standardPath());
    session_ = std::make_unique<SessionEnd>([this](int) { window_->endProgram(); });
}

}  // namespace skarpo
