// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes the Pluto table loader. The input is spliced into a valid table of a
// few years (its first two bytes choose where), so that both ways are
// reached: a table refused with a short message, and a table accepted whole
// whose every look-up within its range reads a longitude of one turn.
#include "FuzzSupport.h"
#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"

#include <cstdlib>

namespace {

constexpr int kEntries = 1000; // from 1600-01-01, not quite three years

// A valid table: a slow, smooth course crossing 0° within its range.
QByteArray ValidTable()
{
    QByteArray text;
    for (int k = 0; k < kEntries; ++k) {
        const int intMinutes = (360 * 60 - 300 + k) % (360 * 60);
        text += qal::EncodePlutoEntry(k, intMinutes / 60, intMinutes % 60).toLatin1() + "\r\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray valid = ValidTable();
    qal::fuzz::InputReader in(data, size);
    const qsizetype intAt = in.Int(0, static_cast<int>(valid.size()));
    const qsizetype intReplaced = in.Int(0, 64);
    const QByteArray spliced = valid.left(intAt)
        + QByteArray(reinterpret_cast<const char*>(data) + std::min<size_t>(size, 4),
            static_cast<qsizetype>(size - std::min<size_t>(size, 4)))
        + valid.mid(intAt + intReplaced);
    QString strError;
    if (!qal::LoadPlutoTableText(spliced, kEntries, strError)) {
        if (strError.isEmpty() || strError.size() > 200)
            std::abort(); // a refusal is explained, briefly
        return 0;
    }
    const double dblLastLookUp = qal::intFirstTableDay + kEntries - 1.5; // the last day with a next one
    for (double t = qal::intFirstTableDay - 0.5; t < dblLastLookUp; t += 0.37) {
        const double L = qal::PlutoLongitude(t);
        if (!(L >= 0 && L < qal::dblTwoPi))
            std::abort();
    }
    if (qal::PlutoLongitude(qal::intFirstTableDay - 1) >= 0 || qal::PlutoLongitude(dblLastLookUp + 1) >= 0)
        std::abort(); // outside the table nothing is read
    return 0;
}
