// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Checks the shipped interface text file "qal.dat": every text the program
// asks for is there in English, German and Spanish, the placeholders the
// program fills in survive in every language, and the captions the program
// compares or joins with its own punctuation have the shape it relies on.
#include "platform/TextLibrary.h"
#include "text/TextIds.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QString>

#ifndef QAL_DATA_DIR
#error "QAL_DATA_DIR must name the folder that holds qal.dat"
#endif

namespace {

using namespace qal::platform;

constexpr int kLanguageCount = 3;
const char* const kLanguageCode[kLanguageCount] = { "EN", "DE", "ES" };
constexpr int kGerman = 1;

QString Text(int intNumber, int intLanguage)
{
    QString strText;
    TextLibraryGet(intNumber, intLanguage, strText, kTextBufferLength);
    return strText;
}

class InterfaceTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_intLoaded = TextLibraryLoad(QString::fromUtf8(QAL_DATA_DIR "/qal.dat")).intResult;
        ASSERT_GT(m_intLoaded, 0) << "qal.dat did not load, result " << m_intLoaded;
    }

    int m_intLoaded = 0;
};

TEST_F(InterfaceTexts, EveryUsedTextExistsInEveryLanguageAndNothingElse)
{
    // The file holds exactly the texts the program names: a missing or an
    // extra record changes the count (a doubled one already fails the load).
    EXPECT_EQ(m_intLoaded, static_cast<int>(qal::kAllTextIds.size()));

    for (const qal::TextId id : qal::kAllTextIds) {
        const int intN = qal::TextNumber(id);
        for (int intLang = 0; intLang < kLanguageCount; ++intLang) {
            SCOPED_TRACE(::testing::Message() << "text " << intN << " " << kLanguageCode[intLang]);
            QString strText;
            EXPECT_GT(TextLibraryGet(intN, intLang, strText, kTextBufferLength), 0);
            EXPECT_NE(strText, QStringLiteral("~"));
            // Invisible blanks at the end are always a slip; only the two orb
            // phrases, which follow a ")" directly, start with one: they open
            // the parenthesis that the clause closes.
            EXPECT_FALSE(strText.endsWith(QLatin1Char(' ')));
            const bool blnOrbPhrase = intN == 80 || intN == 86;
            EXPECT_EQ(strText.startsWith(QLatin1Char(' ')), blnOrbPhrase);
            EXPECT_TRUE(!blnOrbPhrase || strText.startsWith(QStringLiteral(" (")));
        }
    }
}

TEST_F(InterfaceTexts, PlaceholdersAndCaptionsHaveTheShapeTheProgramReliesOn)
{
    struct Placeholder {
        int intNumber;
        const char* szMarker;
    };
    // A marker occurring twice would be replaced twice (the aspect total "N"
    // is replaced wherever a capital N stands), so the count must be exactly 1.
    const Placeholder kPlaceholders[]
        = { { 127, "N" }, { 53, "12" }, { 157, "12" }, { 73, "20" }, { 72, "[natal chart]" }, { 73, "[natal chart]" },
              { 80, "[5 degrees]" }, { 158, "[8 degrees]" }, { 158, "[start date]" }, { 158, "[end date]" },
              { 348, "[time]" }, { 348, "[date]" }, { 348, "[exactness]" }, { 391, "NEW_ORB" } };
    // Pieces the program follows with its own ": ", ".", "?" or a blank and
    // more words: they must not bring punctuation of their own.
    const int kPieces[] = { 7, 33, 34, 35, 44, 45, 46, 47, 89, 90, 91, 131, 133, 154, 155, 156, 162, 165, 166, 389 };
    // German synastry reports turn "diesem" of the opening into "dieser".
    EXPECT_TRUE(Text(72, kGerman).contains(QStringLiteral("diesem")));
    EXPECT_TRUE(Text(73, kGerman).contains(QStringLiteral("diesem")));

    for (int intLang = 0; intLang < kLanguageCount; ++intLang) {
        const char* szLang = kLanguageCode[intLang];
        for (const Placeholder& udtP : kPlaceholders) {
            const QString strText = Text(udtP.intNumber, intLang);
            EXPECT_EQ(strText.count(QString::fromUtf8(udtP.szMarker)), 1)
                << "text " << udtP.intNumber << " " << szLang << ": \"" << strText.toStdString() << "\" needs "
                << udtP.szMarker;
        }
        for (int intN : kPieces) {
            const QString strText = Text(intN, intLang);
            ASSERT_FALSE(strText.isEmpty()) << "text " << intN;
            EXPECT_FALSE(strText.endsWith(QLatin1Char('.')) || strText.endsWith(QLatin1Char(':'))
                || strText.endsWith(QLatin1Char('?')))
                << "text " << intN << " " << szLang << ": " << strText.toStdString();
        }

        // The registry key path is built from these; it must not change with
        // the language.
        EXPECT_EQ(Text(273, intLang), QStringLiteral("Software")) << szLang;
        EXPECT_EQ(Text(310, intLang), QStringLiteral("Brenvale")) << szLang;
        // The language options name each language in its own tongue.
        EXPECT_EQ(Text(200, intLang), QStringLiteral("English")) << szLang;
        EXPECT_EQ(Text(201, intLang), QStringLiteral("Deutsch")) << szLang;
        EXPECT_TRUE(Text(1, intLang).startsWith(QStringLiteral("QAL"))) << szLang;

        // Button captions are compared to tell the view and the run state.
        EXPECT_NE(Text(37, intLang), Text(41, intLang)) << szLang;
        EXPECT_NE(Text(36, intLang), Text(43, intLang)) << szLang;

        // The five step intervals are list entries picked by index.
        QSet<QString> setIntervals;
        for (int intN = 170; intN <= 174; ++intN)
            setIntervals.insert(Text(intN, intLang));
        EXPECT_EQ(setIntervals.size(), 5) << szLang;
        // "1 day" and "1 year" double as whole durations; the plural words
        // follow a number and carry none themselves.
        EXPECT_TRUE(Text(171, intLang).startsWith(QStringLiteral("1 "))) << szLang;
        EXPECT_TRUE(Text(174, intLang).startsWith(QStringLiteral("1 "))) << szLang;
        const QRegularExpression reDigit(QStringLiteral("\\d"));
        EXPECT_FALSE(Text(175, intLang).contains(reDigit) || Text(176, intLang).contains(reDigit)) << szLang;

        // The natal marker stands in a column two characters wide, like "tr."
        // of the transiting planet in a column three wide.
        EXPECT_EQ(Text(56, intLang).size(), 2) << szLang;
    }
}

} // namespace
