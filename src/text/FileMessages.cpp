// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "text/FileMessages.h"

#include "text/Texts.h"

namespace qal {

QString WriteFailureText(const platform::FileWriteResult& result)
{
    using platform::FileWriteStatus;
    switch (result.status) {
    case FileWriteStatus::Ok: return {};
    case FileWriteStatus::NoSpace: return GetText(TextId::WriteNoSpace);
    case FileWriteStatus::TooLarge: return GetText(TextId::WriteTooLarge);
    case FileWriteStatus::NoPermission: return GetText(TextId::WriteNoPermission);
    case FileWriteStatus::NotAFile: return GetText(TextId::WriteNotAFile);
    case FileWriteStatus::NoFolder: return GetText(TextId::WriteNoFolder);
    case FileWriteStatus::Other: break;
    }
    return result.strSystemText.isEmpty() ? GetText(TextId::WriteFailed) : result.strSystemText;
}

} // namespace qal
