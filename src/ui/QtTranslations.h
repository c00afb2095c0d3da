// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Qt's own texts (the buttons of message boxes: Yes, No, Cancel, OK; the
// file dialogs) in the interface language, from Qt's translations of the
// system (Debian: qt6-translations-l10n).
#pragma once

namespace qal::ui {

// Installs Qt's German texts for German and removes them for English.
// False when German was asked for and Qt's translation is not installed
// (Qt's texts then stay English).
bool UseQtTranslations(bool blnGerman);

} // namespace qal::ui
