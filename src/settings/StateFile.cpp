// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "settings/StateFile.h"

#include "aspects/Orbs.h"
#include "astro/AstroTables.h"
#include "platform/Files.h"
#include "text/FileMessages.h"
#include "astro/ChartAngles.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

// --- Writing ---

class StateWriter {
public:
    void Printed(int intValue) { Line((intValue >= 0 ? " " : "") + QByteArray::number(intValue) + " "); }
    void Printed(const QString& strText) { Line(strText.toUtf8()); }
    void Written(bool blnValue) { Line(blnValue ? "#TRUE#" : "#FALSE#"); }
    void Written(int intValue) { Line(QByteArray::number(intValue)); }
    void Line(const QByteArray& line) { text += line + "\r\n"; }
    QByteArray text;
};

// --- Reading ---

// A fault while reading: what and where, in the interface language.
struct StateFault {
    QString strMessage;
};

class StateReader {
public:
    explicit StateReader(const QByteArray& text)
        : m_lines(text.split('\n'))
    {
        if (!m_lines.isEmpty() && m_lines.last().isEmpty())
            m_lines.removeLast(); // the line end of the last line
    }
    bool AtEnd() const { return m_intNext >= m_lines.size(); }
    QString Text() { return QString::fromUtf8(NextLine()); }
    int Integer()
    {
        const QByteArray item = NextLine().trimmed();
        bool blnOk = false;
        const int intValue = item.toInt(&blnOk);
        if (!blnOk)
            throw Fault(TextId::StateFaultWholeNumber);
        return intValue;
    }
    bool Boolean()
    {
        const QByteArray item = NextLine().trimmed();
        if (item == "#TRUE#")
            return true;
        if (item == "#FALSE#")
            return false;
        throw Fault(TextId::StateFaultBoolean);
    }
    // A whole number from intLow to intHigh; the text says what is wrong otherwise.
    int InRange(int intLow, int intHigh, TextId whatIsWrong)
    {
        const int intValue = Integer();
        if (intValue < intLow || intValue > intHigh)
            throw Fault(whatIsWrong);
        return intValue;
    }
    // A list index up to intLast; −1 (nothing chosen) becomes intInstead.
    int Index(int intLast, int intInstead = 0)
    {
        const int intValue = InRange(-1, intLast, TextId::StateFaultOutsideList);
        return intValue < 0 ? intInstead : intValue;
    }
    // A check box: 0 clear, 1 ticked (2, greyed, counts as ticked).
    bool Check() { return InRange(0, 2, TextId::StateFaultCheckBox) != 0; }
    // The fault of the line just read.
    StateFault Fault(TextId whatIsWrong) const
    {
        return { GetTextWithMarkers(whatIsWrong, QString::number(m_intNext)) };
    }

private:
    QByteArray NextLine()
    {
        if (AtEnd())
            throw StateFault { GetTextWithMarkers(TextId::StateFaultEnds, QString::number(m_intNext + 1)) };
        QByteArray line = m_lines[m_intNext++];
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    QList<QByteArray> m_lines;
    qsizetype m_intNext = 0;
};

// --- Birth data beyond the lists ---
// After line 52 (the synastry proportion, which a reader of the 51 lines
// takes as its optional last item and then stops), a marker line and one
// line per item: "<date set> <name>=<value>", the configuration's houses as "c".

const QByteArray kBirthDataMarker = "#BIRTH DATA#";

QString RepeatedName(RepeatedTime which)
{
    return which == RepeatedTime::Earlier ? QStringLiteral("earlier") : QStringLiteral("later");
}

// The zone list's entry of the offset a place's clock had for the date set
// (the empty entry when there is none, or the date set cannot be read).
int ListZoneNearest(const DateSetInput& set)
{
    DateSetInput read = set;
    const DateSetReading reading = ReadDateSet(read, 0);
    if (reading.dblMoment < 0 || reading.intOffsetSeconds % 60 != 0)
        return 0;
    return TimezoneIndexOfMinutes(reading.intOffsetSeconds / 60);
}

void WriteBirthData(StateWriter& out, const WindowInputs& inputs, const ConfigurationSettings& config)
{
    out.Line(kBirthDataMarker);
    // The houses of the charts with a place, as the configuration has them.
    out.Line(QByteArray("c houses=") + HouseSystemLetter(config.intHouseSystem));
    out.Line(QByteArray("c cusps=") + (config.blnShowHouseCusps ? "1" : "0"));
    for (int k = 0; k < 3; ++k) {
        const DateSetInput& set = inputs.udtDateSet[k];
        const auto item = [&](const char* strName, const QString& strValue) {
            out.Line(QByteArray::number(k) + ' ' + strName + '=' + strValue.toUtf8());
        };
        if (set.intClockSeconds >= 0)
            item("clock", ClockText(set.intClockSeconds));
        if (set.blnJulian)
            item("calendar", QStringLiteral("julian"));
        const DateSetPlace& place = set.place;
        if (place.HasZone())
            item("zone", place.strZoneId);
        if (!place.strName.isEmpty())
            item("place", place.strName);
        if (!place.strRegion.isEmpty())
            item("region", place.strRegion);
        if (!place.strCountry.isEmpty())
            item("country", place.strCountry);
        if (place.blnHasCoordinates) {
            item("latitude", QString::number(place.dblLatitude, 'f', 6));
            item("longitude", QString::number(place.dblLongitude, 'f', 6));
        }
        if (set.repeated != RepeatedTime::Ask)
            item("repeated", RepeatedName(set.repeated));
    }
}

double Degrees(StateReader& in, const QString& strValue, double dblLimit)
{
    bool blnOk = false;
    const double dblValue = strValue.toDouble(&blnOk);
    if (!blnOk || !(std::fabs(dblValue) <= dblLimit))
        throw in.Fault(TextId::StateFaultBirthValue);
    return dblValue;
}

void ReadBirthData(StateReader& in, WindowInputs& inputs, ConfigurationSettings& config)
{
    if (in.Text().toUtf8() != kBirthDataMarker)
        throw in.Fault(TextId::StateFaultBirthItem);
    static const QRegularExpression itemLine(QStringLiteral("^([0-2c]) ([a-z]+)=(.*)$"));
    bool blnLatitude[3] = {}, blnLongitude[3] = {};
    while (!in.AtEnd()) {
        const QRegularExpressionMatch m = itemLine.match(in.Text());
        if (!m.hasMatch())
            throw in.Fault(TextId::StateFaultBirthItem);
        const QString strName = m.captured(2), strValue = m.captured(3);
        if (m.captured(1) == QLatin1String("c")) { // the configuration's houses
            if (strName == QLatin1String("houses") && strValue.size() == 1 && HouseSystemOfLetter(strValue.at(0)) >= 0)
                config.intHouseSystem = HouseSystemOfLetter(strValue.at(0));
            else if (strName == QLatin1String("cusps") && (strValue == QLatin1String("0") || strValue == QLatin1String("1")))
                config.blnShowHouseCusps = strValue == QLatin1String("1");
            else
                throw in.Fault(TextId::StateFaultBirthValue);
            continue;
        }
        const int k = m.captured(1).toInt();
        DateSetInput& set = inputs.udtDateSet[k];
        if (strName == QLatin1String("clock")) {
            set.intClockSeconds = ParseClockText(strValue);
            if (set.intClockSeconds < 0)
                throw in.Fault(TextId::StateFaultBirthValue);
        } else if (strName == QLatin1String("calendar")) {
            if (strValue != QLatin1String("julian") && strValue != QLatin1String("gregorian"))
                throw in.Fault(TextId::StateFaultBirthValue);
            set.blnJulian = strValue == QLatin1String("julian");
        } else if (strName == QLatin1String("zone")) {
            if (strValue.isEmpty())
                throw in.Fault(TextId::StateFaultBirthValue);
            set.place.strZoneId = strValue; // a zone the computer lacks is named when the date set is read
        } else if (strName == QLatin1String("place")) {
            set.place.strName = strValue;
        } else if (strName == QLatin1String("region")) {
            set.place.strRegion = strValue;
        } else if (strName == QLatin1String("country")) {
            set.place.strCountry = strValue;
        } else if (strName == QLatin1String("latitude")) {
            set.place.dblLatitude = Degrees(in, strValue, 90);
            blnLatitude[k] = true;
        } else if (strName == QLatin1String("longitude")) {
            set.place.dblLongitude = Degrees(in, strValue, 180);
            blnLongitude[k] = true;
        } else if (strName == QLatin1String("repeated")) {
            if (strValue != RepeatedName(RepeatedTime::Earlier) && strValue != RepeatedName(RepeatedTime::Later))
                throw in.Fault(TextId::StateFaultBirthValue);
            set.repeated = strValue == RepeatedName(RepeatedTime::Earlier) ? RepeatedTime::Earlier : RepeatedTime::Later;
        } else {
            throw in.Fault(TextId::StateFaultBirthItem);
        }
    }
    for (int k = 0; k < 3; ++k)
        inputs.udtDateSet[k].place.blnHasCoordinates = blnLatitude[k] && blnLongitude[k];
}

void ReadItems(StateReader& in, WindowInputs& inputs, ConfigurationSettings& config, OrbTable& orbs)
{
    for (DateSetInput& set : inputs.udtDateSet) {
        set.intMonth = in.Index(12);
        set.intDay = in.Index(31);
        set.strYear = in.Text();
        set.intHour = in.Index(intHourListCount - 1);
        const int intZone = in.Integer();
        set.intTimezone = (intZone >= 0 && intZone < intTimezoneListCount) ? intZone : 0;
    }
    for (bool& blnMode : inputs.blnMode)
        blnMode = in.Boolean();
    inputs.intForwardBack = in.Index(4, 1);
    config.cboOrb[0] = in.Index(intMaxOrbDegrees);
    config.cboOrb[1] = in.Index(intMaxOrbDegrees);
    // The orbs of the first two lists stand in the orb table until the next
    // computation rebuilds it from the accepted orbs.
    for (int k = 1; k <= 6; ++k) {
        for (int c = 0; c <= 1; ++c)
            orbs.dblOrb[k][c] = OrbListItemData(config.cboOrb[c]) / 60.0 / 360.0 * dblTwoPi;
    }
    config.chkUseColor = in.Check();
    config.chkUseBoldface = in.Check();
    config.cboBoldfaceFactor = in.Index(8, 2);
    // Each pair of options one after the other: a chosen option clears its partner.
    config.opt1DegOfOrb = in.Boolean();
    if (in.Boolean())
        config.opt1DegOfOrb = false;
    config.optVedicAstrology = config.blnSidereal = in.Boolean();
    if (in.Boolean())
        config.optVedicAstrology = false;
    config.cboPersonalOrbsProportion[0] = in.Index(4, 1);
    for (int i = 0; i < intNumOrbLists; ++i) {
        config.intOrbIndex[i] = config.cboOrb[i] = in.InRange(0, intMaxOrbDegrees, TextId::StateFaultOrb);
    }
    for (int k = 1; k <= 7; ++k) {
        const int intColor = in.InRange(0, 0xFFFFFF, TextId::StateFaultColour);
        if (intColor != 0)
            config.dblAspectColor[k] = intColor;
    }
    config.chkSaveGraphicWithWhiteBackground = false; // not stored
    config.chkKeepZodiac = in.Check();
    config.cboOrbForMidpoints = in.Index(7, 3);
    config.cboPersonalOrbsProportion[1] = in.Index(4);
    config.chkIncludeTransitingMoon = in.Check();
    if (in.AtEnd())
        config.cboPersonalOrbsProportion[1] = config.cboPersonalOrbsProportion[0];
    else
        config.cboPersonalOrbsProportion[1] = in.Index(4, 1);
    if (!in.AtEnd())
        ReadBirthData(in, inputs, config);
}

} // namespace

QByteArray StateFileText(const WindowInputs& inputs, ConfigurationSettings& config)
{
    StateWriter out;
    for (const DateSetInput& set : inputs.udtDateSet) {
        out.Printed(set.intMonth);
        out.Printed(set.intDay);
        out.Printed(set.strYear);
        // Beyond the lists, lines 4 and 5 hold what the lists come nearest
        // to for a reader of the 51 lines: the half hour before the clock
        // time, the zone entry of the same offset.
        out.Printed(set.intClockSeconds >= 0 ? set.intClockSeconds / 1800 + 1 : set.intHour);
        out.Printed(set.place.HasZone() ? ListZoneNearest(set) : set.intTimezone);
    }
    for (bool blnMode : inputs.blnMode)
        out.Written(blnMode);
    out.Printed(inputs.intForwardBack);
    out.Printed(config.cboOrb[0]);
    out.Printed(config.cboOrb[1]);
    out.Printed(config.chkUseColor ? 1 : 0);
    out.Printed(config.chkUseBoldface ? 1 : 0);
    out.Printed(config.cboBoldfaceFactor);
    out.Written(config.opt1DegOfOrb);
    out.Written(!config.opt1DegOfOrb);
    config.optVedicAstrology = config.blnSidereal; // lines 30 and 31 tell the zodiac in use
    out.Written(config.optVedicAstrology);
    out.Written(!config.optVedicAstrology);
    out.Printed(config.cboPersonalOrbsProportion[0]);
    for (int i = 0; i < intNumOrbLists; ++i)
        out.Written(config.intOrbIndex[i]);
    for (int k = 1; k <= 7; ++k)
        out.Written(static_cast<int>(config.dblAspectColor[k]));
    out.Printed(config.chkKeepZodiac ? 1 : 0);
    out.Printed(config.cboOrbForMidpoints);
    out.Printed(config.cboPersonalOrbsProportion[1]);
    out.Printed(config.chkIncludeTransitingMoon ? 1 : 0);
    const ConfigurationSettings defaults;
    if (std::any_of(std::begin(inputs.udtDateSet), std::end(inputs.udtDateSet), HasBirthData)
        || config.intHouseSystem != defaults.intHouseSystem || config.blnShowHouseCusps != defaults.blnShowHouseCusps) {
        out.Printed(config.cboPersonalOrbsProportion[1]);
        WriteBirthData(out, inputs, config);
    }
    return out.text;
}

QString ReadStateText(const QByteArray& text, WindowInputs& inputs, ConfigurationSettings& config, OrbTable& orbs)
{
    // Read into copies: only a state that is valid to its end replaces anything.
    WindowInputs readInputs = inputs;
    ConfigurationSettings readConfig = config;
    OrbTable readOrbs = orbs;
    StateReader in(text);
    try {
        ReadItems(in, readInputs, readConfig, readOrbs);
    } catch (const StateFault& fault) {
        return fault.strMessage;
    }
    inputs = readInputs;
    config = readConfig;
    orbs = readOrbs;
    return {};
}

QString WriteStateFile(const QString& strPath, const QByteArray& text)
{
    return WriteFailureText(platform::ReplaceFile(strPath, text));
}

QString ReadStateFile(const QString& strPath, QByteArray& text)
{
    const platform::FileContent file = platform::ReadWholeFile(strPath, intMaxStateFileBytes);
    if (!file.ok())
        return file.strError;
    text = file.bytes;
    return {};
}

} // namespace qal
