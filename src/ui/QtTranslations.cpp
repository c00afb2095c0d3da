// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qal::ui {

bool UseQtTranslations(bool blnGerman)
{
    // One translator for the whole program, installed while German is chosen.
    static QTranslator* translator = nullptr;
    if (!blnGerman) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        return true;
    }
    if (!translator) {
        translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            translator = nullptr;
            return false;
        }
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace qal::ui
