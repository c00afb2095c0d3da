// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The place dialog of a date set: the place found in the atlas as one types
// (the larger cities first, narrowed by country or region), or a latitude
// and longitude with the time zone whose clocks the place kept, a name of
// one's own, and whether the date is in the Julian calendar. It is handed
// the date set's place and calendar and gives back what the user chose.
#pragma once

#include "dates/BirthPlace.h"
#include "platform/Atlas.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qal {

// What the dialog shows and gives back.
struct PlaceChoice {
    DateSetPlace place; // no zone: no place
    bool blnJulian = false;
    bool operator==(const PlaceChoice&) const = default;
};

class frmPlace : public QDialog {
    Q_OBJECT
public:
    explicit frmPlace(QWidget* owner);

    // Fills the dialog with choice, for the date set named strDateSet.
    void Show(const PlaceChoice& choice, const QString& strDateSet);
    // What the user chose when the dialog closed with OK or "No place";
    // the choice it was handed otherwise.
    const PlaceChoice& Choice() const { return m_choice; }
    bool Accepted() const { return m_blnAccepted; }

    void txtSearch_Change();
    void lstPlaces_Click();
    void cmdOK_Click();
    void cmdNoPlace_Click();
    void SetLanguageDependentText();

private:
    QLabel* lblSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    QListWidget* lstPlaces = nullptr;
    QLabel* lblCoordinates = nullptr;
    QLineEdit* txtCoordinates = nullptr;
    QLabel* lblZone = nullptr;
    QComboBox* cboZone = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QCheckBox* chkJulian = nullptr;
    QLabel* lblCredit = nullptr;
    QPushButton* cmdNoPlace = nullptr;
    QDialogButtonBox* buttons = nullptr;

    std::vector<platform::AtlasCity> m_found; // the cities listed
    PlaceChoice m_choice;
    QString m_strRegion, m_strCountry; // of the city chosen from the list, while its name stands
    // The exact coordinates of the city chosen (or the place handed in),
    // while the field shows them as they were put there (to the arc minute).
    double m_dblExact[2] = { 0, 0 };
    QString m_strExactText;
    void ShowCoordinates(const DateSetPlace& place);
    bool m_blnAccepted = false;

    // The place in the fields: the city's, or typed; false (and the user
    // told why) when they do not make one.
    bool ReadFields(PlaceChoice& choice);
};

// "Ulm, Baden-Württemberg, Germany · 48°24'N 9°59'E · Europe/Berlin".
QString PlaceDescription(const DateSetPlace& place);

} // namespace qal
