#include "test_support.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

namespace qal::test {

QString DataFolder()
{
    return QStringLiteral(QAL_DATA_DIR);
}

void LoadTextsAndTables()
{
    static bool blnDone = false;
    if (!blnDone) {
        const TextLoadResult result = LoadProgramTexts(DataFolder(), QStringLiteral("qal.dat"));
        ASSERT_TRUE(result.ok()) << result.strMessage.toStdString();
        blnDone = true;
    }
    intCurrentLanguage = intLangEnglish;
    InitAstroTables(DataFolder());
}

double Rad(double dblDegrees)
{
    return dblDegrees / 360.0 * dblTwoPi;
}

double RadDM(double dblDegrees, double dblMinutes)
{
    return Rad(dblDegrees + dblMinutes / 60.0);
}

void ChartTest::SetUp()
{
    LoadTextsAndTables();
    udtConfig = ConfigurationSettings();
    SetOrbs();
}

void ChartTest::TearDown()
{
    udtConfig = ConfigurationSettings();
    intCurrentLanguage = intLangEnglish;
    SetAstroNames();
    intNumBodies = 10;
}

} // namespace qal::test
