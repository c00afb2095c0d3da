// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Why a file could not be written, in the interface language.
#pragma once

#include "platform/Files.h"

#include <QString>

namespace qal {

// "" when the write succeeded; otherwise a sentence naming the cause (no
// space left, file too large, no permission, not an ordinary file, no such
// folder) or, for any other cause, the system's own words.
QString WriteFailureText(const platform::FileWriteResult& result);

} // namespace qal
