// Fuzzes the Pluto table loader: a table is either refused with a short
// message or accepted whole, and then every day of its range reads back as a
// longitude of one turn.
#include "FuzzSupport.h"
#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qal::strDataFolder = qal::fuzz::WriteInput(data, size, QStringLiteral("pluto.slx"));
    QString strError;
    if (!qal::LoadPlutoTable(QStringLiteral("pluto.slx"), strError)) {
        if (strError.isEmpty() || strError.size() > 200)
            std::abort(); // a refusal is explained, briefly
        return 0;
    }
    for (double t = qal::intFirstTableDay - 0.5; t < qal::intLastTableDay + 1; t += 997.3) {
        const double L = qal::PlutoLongitude(t);
        if (!(L >= 0 && L < qal::dblTwoPi))
            std::abort();
    }
    return 0;
}
