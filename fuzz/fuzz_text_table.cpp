// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes the interface text loader with arbitrary file contents: every load
// ends in a count or in one of the documented faults, with a message.
#include "FuzzSupport.h"
#include "platform/TextLibrary.h"
#include "text/Texts.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString strFolder = qal::fuzz::WriteInput(data, size, QStringLiteral("qal.dat"));
    const qal::TextLoadResult result = qal::LoadProgramTexts(strFolder, QStringLiteral("qal.dat"));
    if (!result.ok() && result.strMessage.isEmpty())
        std::abort(); // every failure is explained
    if (result.intLine < 0)
        std::abort();
    for (int n = 0; n < 40; ++n)
        (void)qal::GetText(n);
    return 0;
}
