// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/DodajLotnika.h"

#include "racing/NumberFields.h"
#include "register/ChooserCandidates.h"
#include "register/WybierzPsaZListy.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "ui/DateTimeFields.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kNoPigeon = u"Nie wybrano"_s;
const QString kNoPigeonDetails =
    u"Nie wybrano żadnego \ngołębia lotowego.\n\nKliknij w poniżej, aby dodać ptaka do lotu."_s;

QGroupBox* UnionAndClub(QWidget* parent, const QString& title, QLineEdit* union_, QLineEdit* club) {
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->addRow(u"Union"_s, union_);
    form->addRow(u"Club"_s, club);
    return group;
}

} // namespace

CDodajLotnika::CDodajLotnika(AppData& appData, int editFlag, int raceId, int loftId,
                             int unionPrizes, int clubPrizes, const FlyerRecord& flyer,
                             QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_editing(editFlag == 1)
    , m_flyer(m_editing ? flyer : FlyerRecord())
    , m_unionPrizes(unionPrizes)
    , m_clubPrizes(clubPrizes)
    , m_select(new QPushButton(u"Select pigeon"_s, this))
    , m_band(new ElidedLabel(this))
    , m_details(new QLabel(this))
    , m_arrival(new DateTimeFields(this, u"Arrival date"_s, u"Arrival time"_s))
    , m_comments(new QPlainTextEdit(this)) {
    setObjectName(u"flyerEditor"_s);
    m_details->setTextFormat(Qt::PlainText);
    setWindowTitle(u"Add racing pigeon"_s);
    setBannerTitle(m_editing ? u"Edit Racing Pigeon"_s : u"Add Racing Pigeon"_s);
    m_flyer.id_lotu = raceId;
    m_flyer.id_hodowli = loftId;
    if (!m_editing)
        m_flyer.id_golebia = -1;

    auto* heading = new QLabel(u"P I G E O N"_s, this);
    heading->setFont(CaptionFont(20));
    heading->setStyleSheet(u"color: rgb(63, 172, 255);"_s);
    m_band->setObjectName(u"chosenBand"_s);
    m_band->setFont(CaptionFont(20));
    m_details->setObjectName(u"chosenDetails"_s);
    m_details->setFont(CaptionFont(18, false));
    m_details->setWordWrap(true);
    m_details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LetLabelWrapAnywhere(m_details);
    m_select->setObjectName(u"selectPigeon"_s);
    m_select->setAutoDefault(false);
    connect(m_select, &QPushButton::clicked, this, &CDodajLotnika::SelectPigeon);
    if (m_editing) {
        // The stored entry keeps its pigeon: the entry's update does not carry one.
        m_select->setEnabled(false);
        m_select->setToolTip(
            u"To enter another pigeon, delete this entry and add the other pigeon."_s);
    }
    auto* photos = new QHBoxLayout;
    for (size_t i = 0; i < m_photos.size(); ++i) {
        m_photos[i] = new PictureBox(this, PictureBox::Mode::Stretched);
        m_photos[i]->setObjectName(u"photo%1"_s.arg(i + 1));
        m_photos[i]->setFixedSize(110, 82);
        photos->addWidget(m_photos[i]);
    }
    auto* panel = new QVBoxLayout;
    panel->addWidget(heading);
    panel->addWidget(m_band);
    panel->addWidget(m_details, 1);
    panel->addLayout(photos);
    panel->addWidget(m_select);

    m_arrival->setObjectName(u"arrival"_s);
    m_positionUnion = NumberEdit(u"positionUnion"_s, QString::number(m_flyer.nr_konkursu));
    m_positionClub = NumberEdit(u"positionClub"_s, QString::number(m_flyer.nr_konkursu_sekcja));
    m_pointsUnion = NumberEdit(u"pointsUnion"_s, FormatNumber(m_flyer.PunktyOddzial));
    m_pointsClub = NumberEdit(u"pointsClub"_s, FormatNumber(m_flyer.PunktySekcja));
    m_coefficientUnion =
        NumberEdit(u"coefficientUnion"_s, FormatNumber(m_flyer.CoefficientOddzialowy));
    m_coefficientClub = NumberEdit(u"coefficientClub"_s, FormatNumber(m_flyer.CoefficientSekcyjny));
    m_comments->setObjectName(u"comments"_s);
    m_comments->setPlainText(m_flyer.notatki);
    m_comments->setPlaceholderText(u"Comments..."_s);
    m_comments->setTabChangesFocus(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cancel"_s);
    QWidget* order[] = {m_select,
                        m_arrival->DateEdit(),
                        m_arrival->TimeEdit(),
                        m_positionUnion,
                        m_positionClub,
                        m_pointsUnion,
                        m_pointsClub,
                        m_coefficientUnion,
                        m_coefficientClub,
                        m_comments,
                        ok,
                        cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDodajLotnika::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(UnionAndClub(this, u"Positions"_s, m_positionUnion, m_positionClub));
    numbers->addWidget(UnionAndClub(this, u"Points earned"_s, m_pointsUnion, m_pointsClub));
    numbers->addWidget(UnionAndClub(this, u"Coefficient"_s, m_coefficientUnion, m_coefficientClub));
    auto* entry = new QVBoxLayout;
    entry->addWidget(m_arrival);
    entry->addLayout(numbers);
    entry->addWidget(new QLabel(u"Comments..."_s, this));
    entry->addWidget(m_comments, 1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 70, 12, 12);
    grid->addLayout(panel, 0, 0);
    grid->addLayout(entry, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    // A new entry starts at the race's release, the day most birds come home.
    const auto race = std::find_if(m_data.races.begin(), m_data.races.end(),
                                   [raceId](const RaceRecord& r) { return r.id == raceId; });
    const qint64 release = race == m_data.races.end() ? -1 : race->czasodlotu;
    if (m_editing) {
        m_arrival->SetTime(m_flyer.DataCzasPrzylotu, release);
        ShowPigeon(m_flyer.id_golebia);
    } else {
        m_arrival->SetTime(release != -1 ? release : QDateTime::currentSecsSinceEpoch() / 60 * 60);
        m_band->setText(kNoPigeon);
        m_details->setText(kNoPigeonDetails);
    }
    m_select->setFocus();
    resize(820, 520);
}

QLineEdit* CDodajLotnika::NumberEdit(const QString& name, const QString& text) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setMinimumWidth(60);
    return edit;
}

void CDodajLotnika::SelectPigeon() {
    CWybierzPsaZListy chooser(m_data, ChooseAll, this);
    if (chooser.exec() != QDialog::Accepted || chooser.ResultFlag() != 1 || chooser.ChosenId() < 1)
        return;
    m_flyer.id_golebia = chooser.ChosenId();
    ShowPigeon(m_flyer.id_golebia);
}

void CDodajLotnika::ShowPigeon(int pigeonId) {
    PigeonRecord pigeon = m_data.FindPigeon(pigeonId);
    m_band->setText(BandLabel(pigeon));
    const auto colour = m_data.colours.find(pigeon.idColour);
    const QString colourName = colour == m_data.colours.end() ? QString() : colour->second;
    m_details->setText(colourName + u"\n\n"_s + pigeon.shortDescription);
    for (PictureBox* box : m_photos)
        box->Clear();
    for (size_t i = 0; i < m_photos.size() && i < pigeon.photos.size(); ++i)
        m_photos[i]->LoadFile(PhotoPath(pigeon.photos[i]));
}

void CDodajLotnika::accept() {
    NumberFields numbers(this);
    FlyerRecord flyer = m_flyer;
    flyer.nr_konkursu = numbers.Whole(m_positionUnion, u"Positions (Union)"_s);
    flyer.nr_konkursu_sekcja = numbers.Whole(m_positionClub, u"Positions (Club)"_s);
    flyer.PunktyOddzial =
        static_cast<float>(numbers.Real(m_pointsUnion, u"Points earned (Union)"_s));
    flyer.PunktySekcja = static_cast<float>(numbers.Real(m_pointsClub, u"Points earned (Club)"_s));
    flyer.CoefficientOddzialowy =
        static_cast<float>(numbers.Real(m_coefficientUnion, u"Coefficient (Union)"_s));
    flyer.CoefficientSekcyjny =
        static_cast<float>(numbers.Real(m_coefficientClub, u"Coefficient (Club)"_s));
    if (numbers.Refused())
        return;
    if (flyer.id_golebia < 1) {
        MessageBox::ShowMessage(this, u"Musisz wybrać gołębia"_s);
        return;
    }
    flyer.DataCzasPrzylotu = m_arrival->Time();
    flyer.notatki = m_comments->toPlainText();
    const DbResult result = m_data.SaveFlyer(m_editing ? flyer.id : -1, flyer);
    if (!result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_flyer = flyer;
    QDialog::accept();
}
