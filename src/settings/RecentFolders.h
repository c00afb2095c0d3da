// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The folder each kind of file was last saved to or opened from, kept in the
// per-user store beside the switches ("StateFolder", "PictureFolder",
// "CalendarFolder"), so that the next file dialog of that kind starts there.
#pragma once

#include <QString>

namespace qal {

enum class FileKind { State, Picture, Calendar };

// The folder to start a dialog of that kind in: the one last used while it
// still exists, otherwise the user's documents folder.
QString StartFolderFor(FileKind kind);

// Remembers the folder of strFile as the last used for that kind.
void RememberFolderOf(FileKind kind, const QString& strFile);

} // namespace qal
