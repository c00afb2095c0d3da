// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes the saved-state reader: a text is either accepted or refused with a
// short message naming what is wrong and leaving everything as it was, and an
// accepted state written out again reads back to the same state.
#include "FuzzSupport.h"
#include "aspects/Orbs.h"
#include "settings/Configuration.h"
#include "settings/StateFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qal::fuzz::LoadInterfaceTexts(); // the reasons of a refusal are interface texts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > static_cast<size_t>(qal::intMaxStateFileBytes))
        return 0; // larger files are refused before they are read
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    qal::WindowInputs inputs;
    qal::ConfigurationSettings config;
    qal::OrbTable orbs;
    const QByteArray before = qal::StateFileText(inputs, config);
    const QString strError = qal::ReadStateText(text, inputs, config, orbs);
    if (!strError.isEmpty()) {
        if (strError.isEmpty() || strError.size() > 200)
            std::abort(); // a refusal is explained, briefly
        if (qal::StateFileText(inputs, config) != before || orbs.dblOrb[1][0] != 0)
            std::abort(); // and changes nothing
        return 0;
    }
    // Written and read back: the written text settles after one round. (A
    // saved file ends after line 51, so reading it gives the synastry orb
    // proportion the personal one: the first round may change line 50.)
    const auto round = [](const QByteArray& before) {
        qal::WindowInputs roundInputs;
        qal::ConfigurationSettings roundConfig;
        qal::OrbTable roundOrbs;
        if (!qal::ReadStateText(before, roundInputs, roundConfig, roundOrbs).isEmpty())
            std::abort(); // what was written reads back
        return qal::StateFileText(roundInputs, roundConfig);
    };
    const QByteArray settled = round(qal::StateFileText(inputs, config));
    if (round(settled) != settled)
        std::abort();
    return 0;
}
