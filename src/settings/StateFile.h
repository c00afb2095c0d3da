// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Saved state files: the three date sets, the chart mode, the step interval
// and the configuration, as 51 lines of text (CR LF line ends, UTF-8).
//
// Every line holds one item, in one of two styles: printed (an integer with
// one blank before it when it is not negative and one blank after it, " 5 "
// or "-1 "; a text unchanged) or written (a boolean as "#TRUE#" or
// "#FALSE#", an integer as bare digits). The layout is fixed to the byte,
// so files move between computers unchanged:
//
//   1..15   per date set: month, day (printed), year text, hour, zone (printed)
//   16..21  the six chart modes (written booleans)
//   22      step interval; 23, 24 the first two orb lists; 25 use colour;
//           26 use bold face; 27 bold-face factor (printed)
//   28..31  "1 degree", proportion of orb, sidereal, tropical (written booleans)
//   32      personal-transit orb proportion (printed)
//   33..40  accepted orb indices 0..7; 41..47 aspect colours (written integers)
//   48      keep zodiac; 49 midpoint orb; 50 synastry orb proportion;
//   51      include transiting Moon (printed)
//   52      optional: the synastry orb proportion again (printed)
#pragma once

#include "dates/DatePr2.h"

#include <QByteArray>
#include <QString>

namespace qal {

struct ConfigurationSettings;
struct OrbTable;

// What a state holds besides the configuration record: the window's inputs.
struct WindowInputs {
    DateSetInput udtDateSet[3];
    bool blnMode[6] = { true, false, false, false, false, false }; // Planetary .. Synastry
    int intForwardBack = 1; // step interval list index
};

// The file's text of a state. Saving also selects the zodiac option that
// matches the zodiac in use, so that lines 30 and 31 tell it.
QByteArray StateFileText(const WindowInputs& inputs, ConfigurationSettings& config);

// Reads a state's text into inputs, config and orbs (the orbs of the first
// two orb lists stand in orbs until the next computation rebuilds them from
// the accepted orbs). Returns "" on success, else what went wrong and at which
// line, in the interface language; a state is taken whole or not at all, so a
// refused text changes nothing. Negative
// indices in lines 27, 32, 49 and 52 become 2, 1, 3 and 1; a zone beyond the
// list becomes the empty zone; a colour of 0 keeps the colour; a file that
// ends after line 51 gives the synastry proportion the personal one.
QString ReadStateText(const QByteArray& text, WindowInputs& inputs, ConfigurationSettings& config, OrbTable& orbs);

// Writes a state file so that an old file is only replaced by a complete new
// one; "" on success, else why it failed (nothing is changed then).
QString WriteStateFile(const QString& strPath, const QByteArray& text);

// Reads a state file whole; "" on success, else why not.
QString ReadStateFile(const QString& strPath, QByteArray& text);

constexpr qint64 intMaxStateFileBytes = 64 * 1024;

} // namespace qal
