// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmPlace.h"

#include "dates/PlaceSearch.h"
#include "platform/ZoneHistory.h"
#include "text/Texts.h"
#include "ui/ControlNames.h"
#include "ui/Keys.h"
#include "ui/MessageBoxes.h"
#include "ui/ScreenFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qal {

QString PlaceDescription(const DateSetPlace& place)
{
    QStringList parts;
    QStringList names;
    for (const QString& strPart : { place.strName, place.strRegion, place.strCountry }) {
        if (!strPart.isEmpty())
            names << strPart;
    }
    if (!names.isEmpty())
        parts << names.join(QStringLiteral(", "));
    if (place.blnHasCoordinates)
        parts << CoordinatesText(place.dblLatitude, place.dblLongitude);
    if (place.HasZone())
        parts << place.strZoneId;
    return parts.join(QStringLiteral(" · "));
}

frmPlace::frmPlace(QWidget* owner)
    : QDialog(owner)
{
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    lblSearch = ui::Named(new QLabel(this), "lblSearch");
    lblSearch->setWordWrap(true);
    txtSearch = ui::Named(new QLineEdit(this), "txtSearch");
    txtSearch->setClearButtonEnabled(true);
    lstPlaces = ui::Named(new QListWidget(this), "lstPlaces");
    lstPlaces->setMinimumHeight(160);
    layout->addWidget(lblSearch);
    layout->addWidget(txtSearch);
    layout->addWidget(lstPlaces, 1);

    auto* fields = new QGridLayout;
    lblCoordinates = ui::Named(new QLabel(this), "lblCoordinates");
    lblCoordinates->setWordWrap(true);
    txtCoordinates = ui::Named(new QLineEdit(this), "txtCoordinates");
    lblZone = ui::Named(new QLabel(this), "lblZone");
    cboZone = ui::Named(new QComboBox(this), "cboZone");
    cboZone->setEditable(true); // typed, the zone's name is completed from the database's
    cboZone->setInsertPolicy(QComboBox::NoInsert);
    cboZone->addItem(QString());
    cboZone->addItems(platform::KnownZones());
    cboZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cboZone->completer()->setFilterMode(Qt::MatchContains);
    cboZone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    lblName = ui::Named(new QLabel(this), "lblName");
    txtName = ui::Named(new QLineEdit(this), "txtName");
    fields->addWidget(lblCoordinates, 0, 0, 1, 2);
    fields->addWidget(txtCoordinates, 1, 0, 1, 2);
    fields->addWidget(lblZone, 2, 0);
    fields->addWidget(cboZone, 2, 1);
    fields->addWidget(lblName, 3, 0);
    fields->addWidget(txtName, 3, 1);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);
    chkJulian = ui::Named(new QCheckBox(this), "chkJulian");
    layout->addWidget(chkJulian);
    lblCredit = ui::Named(new QLabel(this), "lblCredit");
    layout->addWidget(lblCredit);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    cmdNoPlace = ui::Named(buttons->addButton(QString(), QDialogButtonBox::ResetRole), "cmdNoPlace");
    layout->addWidget(buttons);
    resize(560, 520);

    connect(txtSearch, &QLineEdit::textEdited, this, [this] { txtSearch_Change(); });
    connect(lstPlaces, &QListWidget::currentRowChanged, this, [this] { lstPlaces_Click(); });
    connect(lstPlaces, &QListWidget::itemActivated, this, [this] { cmdOK_Click(); });
    connect(txtName, &QLineEdit::textEdited, this, [this] { m_strRegion.clear(), m_strCountry.clear(); });
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, [this] { reject(); });
    connect(cmdNoPlace, &QPushButton::clicked, this, [this] { cmdNoPlace_Click(); });
    ui::EnterPressesFocusedButton(this);
    SetLanguageDependentText();
}

void frmPlace::SetLanguageDependentText()
{
    lblSearch->setText(GetText(TextId::PlaceSearch));
    lblCoordinates->setText(GetText(TextId::PlaceCoordinates));
    lblZone->setText(GetText(TextId::PlaceZone));
    lblName->setText(GetText(TextId::PlaceName));
    chkJulian->setText(GetText(TextId::PlaceJulian));
    lblCredit->setText(GetText(TextId::PlaceCredit));
    cmdNoPlace->setText(GetText(TextId::PlaceNone));
}

void frmPlace::Show(const PlaceChoice& choice, const QString& strDateSet)
{
    m_choice = choice;
    m_blnAccepted = false;
    setWindowTitle(GetText(TextId::PlaceTitle) + QStringLiteral(" - ") + strDateSet);
    SetLanguageDependentText();
    const DateSetPlace& place = choice.place;
    txtSearch->clear();
    lstPlaces->clear();
    m_found.clear();
    ShowCoordinates(place);
    cboZone->setCurrentIndex(std::max(0, cboZone->findText(place.strZoneId)));
    txtName->setText(place.strName);
    m_strRegion = place.strRegion;
    m_strCountry = place.strCountry;
    chkJulian->setChecked(choice.blnJulian);
    txtSearch->setFocus();
    ui::FitOnScreen(this);
}

void frmPlace::ShowCoordinates(const DateSetPlace& place)
{
    m_strExactText = place.blnHasCoordinates ? CoordinatesText(place.dblLatitude, place.dblLongitude) : QString();
    m_dblExact[0] = place.dblLatitude;
    m_dblExact[1] = place.dblLongitude;
    txtCoordinates->setText(m_strExactText);
}

void frmPlace::txtSearch_Change()
{
    // The list follows every keystroke: the atlas' matches, the larger cities first.
    m_found = SearchPlaces(txtSearch->text(), 50);
    lstPlaces->clear();
    for (const platform::AtlasCity& city : m_found)
        lstPlaces->addItem(PlaceDescription(PlaceOfCity(city)));
    if (m_found.empty() && !txtSearch->text().trimmed().isEmpty())
        lstPlaces->addItem(GetText(TextId::PlaceNoMatch));
}

void frmPlace::lstPlaces_Click()
{
    const int i = lstPlaces->currentRow();
    if (i < 0 || i >= static_cast<int>(m_found.size()))
        return;
    const DateSetPlace place = PlaceOfCity(m_found[static_cast<std::size_t>(i)]);
    ShowCoordinates(place);
    cboZone->setCurrentIndex(std::max(0, cboZone->findText(place.strZoneId)));
    txtName->setText(place.strName);
    m_strRegion = place.strRegion;
    m_strCountry = place.strCountry;
}

bool frmPlace::ReadFields(PlaceChoice& choice)
{
    choice.blnJulian = chkJulian->isChecked();
    DateSetPlace& place = choice.place;
    place = {};
    const QString strZone = cboZone->currentText().trimmed();
    const QString strCoordinates = txtCoordinates->text().trimmed();
    if (strZone.isEmpty() && strCoordinates.isEmpty())
        return true; // no place: the zone list's offset counts
    if (!platform::IsKnownZone(strZone)) {
        ui::MsgBox(GetText(TextId::PlaceZoneMissing), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, windowTitle(), 1,
            this);
        cboZone->setFocus();
        return false;
    }
    place.strZoneId = strZone;
    if (!strCoordinates.isEmpty() && strCoordinates == m_strExactText) {
        place.blnHasCoordinates = true; // as the atlas or the date set had them, not rounded to the minute
        place.dblLatitude = m_dblExact[0];
        place.dblLongitude = m_dblExact[1];
    } else if (!strCoordinates.isEmpty()) {
        const std::optional<Coordinates> at = ParseCoordinates(strCoordinates);
        if (!at) {
            ui::MsgBox(GetText(TextId::PlaceCoordinatesBad), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
                windowTitle(), 1, this);
            txtCoordinates->setFocus();
            return false;
        }
        place.blnHasCoordinates = true;
        place.dblLatitude = at->dblLatitude;
        place.dblLongitude = at->dblLongitude;
    }
    place.strName = txtName->text().trimmed();
    if (place.strName.isEmpty() && place.blnHasCoordinates)
        place.strName = CoordinatesText(place.dblLatitude, place.dblLongitude);
    place.strRegion = m_strRegion;
    place.strCountry = m_strCountry;
    return true;
}

void frmPlace::cmdOK_Click()
{
    PlaceChoice choice;
    if (!ReadFields(choice))
        return;
    m_choice = choice;
    m_blnAccepted = true;
    accept();
}

void frmPlace::cmdNoPlace_Click()
{
    m_choice = { DateSetPlace(), chkJulian->isChecked() };
    m_blnAccepted = true;
    accept();
}

} // namespace qal
