// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "FuzzSupport.h"
#include "text/Texts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace qal::fuzz {

QString WriteInput(const uint8_t* data, size_t size, const QString& strFileName)
{
    // One folder for the whole run, removed when the run ends (libFuzzer
    // ends a run with exit(), which destroys it).
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/qal-fuzz-XXXXXX"));
    static const QString strFolder = folder.path() + QLatin1Char('/');
    QFile file(strFolder + strFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return strFolder;
}

void LoadInterfaceTexts()
{
    if (!LoadProgramTexts(QStringLiteral(QAL_DATA_DIR), QStringLiteral("qal.dat")).ok())
        std::abort();
}

int InputReader::Byte()
{
    return m_pos < m_size ? m_data[m_pos++] : 0;
}

int InputReader::Int(int intMin, int intMax)
{
    const int intSpan = intMax - intMin + 1;
    const int intRaw = Byte() | (Byte() << 8);
    return intMin + intRaw % intSpan;
}

double InputReader::Double()
{
    double dblValue = 0;
    unsigned char bytes[sizeof(double)] = {};
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(Byte());
    std::memcpy(&dblValue, bytes, sizeof(double));
    return dblValue;
}

QString InputReader::Text(int intMaxBytes)
{
    const int intLength = Byte() % (intMaxBytes + 1);
    QByteArray bytes;
    for (int i = 0; i < intLength; ++i)
        bytes += static_cast<char>(Byte());
    return QString::fromUtf8(bytes);
}

} // namespace qal::fuzz
