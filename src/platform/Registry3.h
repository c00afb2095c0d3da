// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The per-user store of a few string values (the registry on Windows).
//
// Values live under a key path such as "Software\Brenvale\QAL" of the
// current user. On Windows that is the registry key of the same path under
// HKEY_CURRENT_USER; elsewhere the per-user settings file that Qt keeps for
// the organisation and application the path names (for the path above:
// Brenvale/QAL.conf in the user's configuration folder). Only this module
// knows how the store is reached.
//
// Both wrappers answer with a status text whose first character is a digit;
// "0" is success.
#pragma once

#include <QString>

namespace qal::platform {

// The root of the store: the current user's values.
enum class RegistryRoot { CurrentUser };
constexpr RegistryRoot HkeyCurrentUser = RegistryRoot::CurrentUser; // HKEY_CURRENT_USER

// Stores strValue under strName, creating the key when needed. The status is
// "0 New key created.", "0 Key already exists." or, when the key cannot be
// made, "<code> Unable to create (or find) key.", followed by two blanks and
// the store's own short text for the outcome.
QString WriteRegistryString(
    RegistryRoot root, const QString& strKeyPath, const QString& strName, const QString& strValue);

// Reads the value strName into strValue ("" when nothing was read). The
// status is "0 OK", "1 Key not found or is empty." (empty key path, or no
// such key), "2 Name not specified.", "3 Name not found." (missing or empty
// value) or "4 " and the store's text for any other failure.
QString ReadRegistryString(RegistryRoot root, const QString& strKeyPath, const QString& strName, QString& strValue);

// Whether a status of WriteRegistryString says the value was stored.
bool RegistryWriteSucceeded(const QString& strStatus);

// The settings file behind a key path ("" on Windows, where the registry
// holds the values).
QString UserStoreFile(const QString& strKeyPath);

// What the check of the settings file before its first use found.
struct UserStoreCheck {
    QString strFile; // the file that could not be used; "" when all is well
    QString strSetAsideAs; // where it was moved; "" when it could not be moved
};

// Run before the store is first opened: removes what interrupted writes of
// the settings file left behind, and sets a settings file that is not an
// ordinary file, or is far larger than any real one, aside, so that it can
// neither block nor slow the start; the store then starts empty. Until it is
// set aside, such a file is never opened: reads fail and writes are refused.
UserStoreCheck CheckUserStore(const QString& strKeyPath);

} // namespace qal::platform
