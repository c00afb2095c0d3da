// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The time map window: the aspects of the chart shown over a span of months
// or years, one row each, with their stretches within orb as bars and their
// exact passes as marks (chart/TimeMap.h, drawing/TimeMapPicture.h). The
// span, the order of the rows, the Moon and the slow bodies are chosen above
// the map; pointing at a bar names its moments; a double click opens a
// transit's graph (through transitChosen) or an aspect's details. The map
// can be saved as an image or a drawing.
#pragma once

#include "aspects/Orbs.h"
#include "chart/AspectQuestion.h"
#include "drawing/TimeMapPicture.h"
#include "settings/Configuration.h"
#include "util/WorkPool.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace qal {

class PictureBox;
namespace ui {
class JobProgress;
}

// What the time map shows: the chart of the durations window, its title,
// and the configuration and orbs in force.
struct TimeMapContent {
    DurationInputs chart;
    double dblNatalDayValue = -1; // the natal date set's local day (the graph's title)
    QString strChartTitle; // the chart, its orbs and its zodiac
    ConfigurationSettings config;
    OrbTable orbs;
};

class frmTimeMap : public QWidget {
    Q_OBJECT
public:
    explicit frmTimeMap(QWidget* owner);

    // Shows the map of content over the span chosen (at first thirteen months).
    void Show(const TimeMapContent& content);
    // The texts again, in the interface language.
    void SetLanguageDependentText();

    void cboSpan_Click();
    void cboSortBy_Click();
    void cmdSaveImage_Click();
    void picMap_MouseMove(int x, int y);
    // A map being computed (its progress shown below the map).
    bool Computing() const { return m_job.Valid(); }
    void picMap_DblClick(int x, int y);
    // Up and Down choose a row, Left and Right a stretch in it, Enter opens
    // it as a double click does.
    bool picMap_KeyPress(int intKey);

    // The chart of the map, and its natal day (for a transit's graph).
    const DurationInputs& Chart() const { return m_content.chart; }
    double NatalDayValue() const { return m_content.dblNatalDayValue; }

    const TimeMapDrawing& Drawing() const { return m_drawing; }
    const TimeMapLayout& Layout() const { return m_layout; }
    const PictureBox* Map() const { return picMap; }
    // What pointing at (x, y) of the map shows; "" beside the bars.
    QString PointedText(int x, int y) const;

Q_SIGNALS:
    // A transit's stretch was double-clicked: its graph is wanted.
    void transitChosen(const qal::CellAspect& aspect, const qal::OrbStretch& stretch);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* lblSpan = nullptr;
    QComboBox* cboSpan = nullptr;
    QLabel* lblSortBy = nullptr;
    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkMovingMoon = nullptr;
    QCheckBox* chkSlowOnly = nullptr;
    QLabel* lblHint = nullptr;
    QScrollArea* scrMap = nullptr;
    PictureBox* picMap = nullptr;
    QPushButton* cmdSaveImage = nullptr;
    QPushButton* cmdClose = nullptr;
    ui::JobProgress* jobProgress = nullptr;

    TimeMapContent m_content;
    TimeMapRequest m_shownRequest; // what the map shown was computed for
    struct Choices {
        int intSpan = intDefaultTimeMapSpan;
        bool blnMoon = false;
        bool blnSlowOnly = false;
    } m_shown; // the choices of the map shown
    Job<TimeMapComputed> m_job; // the map being computed, on the work pool
    TimeMapRequest m_jobRequest;
    TimeMapDrawing m_drawing;
    TimeMapLayout m_layout;
    bool m_blnFilling = false; // the lists are being filled: their changes are not the user's
    int m_intChosenRow = -1; // chosen with the keyboard; −1 none
    int m_intChosenStretch = -1;

    // Opens a stretch of a row: a transit's graph, or an aspect's details.
    void OpenStretch(int intRow, const OrbStretch& stretch);
    // Frames the chosen stretch, scrolls it into view and names it in the hint.
    void ShowChosen();

    // The map of the choices made, computed on the work pool; the map shown
    // stays until it is done (ShowComputedMap) or cancelled (the choices then
    // go back to those of the map shown).
    void Recompute();
    void ShowComputedMap();
    void CancelComputation();
    void Redraw();
    QString HintText() const;
    // The map drawn for saving: as shown, on white when the configuration asks.
    std::unique_ptr<RecordedPicture> PictureForSaving() const;
};

} // namespace qal
