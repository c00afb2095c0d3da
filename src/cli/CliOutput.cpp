#include "cli/CliOutput.h"

#include "astro/Angles.h"
#include "dates/DatePr2.h"
#include "dates/TimeZones.h"

namespace qal::cli {

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (QString field : fields) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n'))
            || field.contains(QLatin1Char('\r'))) {
            field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        quoted << field;
    }
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString IsoMoment(double dblMoment, int intZoneMinutes)
{
    return LocalMomentText(dblMoment, intZoneMinutes).replace(QLatin1Char(' '), QLatin1Char('T'))
        + UtcOffsetText(intZoneMinutes);
}

QString Degrees(double dblRadians)
{
    return QString::number(RadToDeg(dblRadians), 'f', 4);
}

QString PlainLines(QString strText)
{
    return strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace qal::cli
