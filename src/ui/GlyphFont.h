// The font the chart glyphs are drawn with.
#pragma once

#include <QFont>

namespace qal::ui {

// A font that draws the astrological symbols of GlyphSymbols as text glyphs.
QFont GlyphFont(qreal dblPointSize);

} // namespace qal::ui
