// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Shared helpers of the fuzz targets.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace qal::fuzz {

// Writes the input to a file of this process's own temporary folder and
// returns the folder (with a trailing "/"); the file is named strFileName.
QString WriteInput(const uint8_t* data, size_t size, const QString& strFileName);

// Loads the program's interface texts from the build's data folder.
void LoadInterfaceTexts();

// Reads the input a piece at a time; past its end every piece is zero.
class InputReader {
public:
    InputReader(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    int Byte();
    int Int(int intMin, int intMax);
    double Double();
    QString Text(int intMaxBytes);

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace qal::fuzz
