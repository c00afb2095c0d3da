// The six chart modes and which date sets each one uses.
#pragma once

namespace qal {

enum ChartMode {
    modeNone = 0,
    modePlanetary = 1, // the sky at one moment (date set 0)
    modeNatal1 = 2, // natal chart 1 (date set 1)
    modeNatal2 = 3, // natal chart 2 (date set 2)
    modePersonal1 = 4, // transits (date set 0) to natal chart 1
    modePersonal2 = 5, // transits (date set 0) to natal chart 2
    modeSynastry = 6, // natal chart 1 against natal chart 2
};

inline bool IsSingleChartMode(int intMode)
{
    return intMode >= modePlanetary && intMode <= modeNatal2;
}

inline bool IsPersonalMode(int intMode)
{
    return intMode == modePersonal1 || intMode == modePersonal2;
}

// Whether the mode reads date set k (0 current moment, 1 and 2 natal charts).
inline bool ModeUsesDateSet(int intMode, int k)
{
    switch (k) {
    case 0: return intMode == modePlanetary || IsPersonalMode(intMode);
    case 1: return intMode == modeNatal1 || intMode == modePersonal1 || intMode == modeSynastry;
    case 2: return intMode == modeNatal2 || intMode == modePersonal2 || intMode == modeSynastry;
    default: return false;
    }
}

} // namespace qal
