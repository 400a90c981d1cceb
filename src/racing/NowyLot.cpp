// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/NowyLot.h"

#include "racing/NumberFields.h"
#include "racing/RaceLists.h"
#include "storage/AppData.h"
#include "ui/AccessibleNames.h"
#include "ui/DateTimeFields.h"
#include "ui/MessageBox.h"

#include <QComboBox>
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

using namespace Qt::StringLiterals;

namespace {

// Three small fields in a row, with a word after each.
QWidget* Row(QWidget* parent, std::initializer_list<std::pair<QWidget*, QString>> parts) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto& [field, word] : parts) {
        layout->addWidget(field, 1);
        if (!word.isEmpty())
            layout->addWidget(new QLabel(word, row));
    }
    return row;
}

void SelectIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

// The chosen item; a box left without a choice keeps a stored value it could not show.
int ChosenIndex(const QComboBox* box, int stored) {
    const int index = box->currentIndex();
    if (index < 0 && (stored < 0 || stored >= box->count()))
        return stored;
    return index;
}

qint64 NowToTheMinute() {
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    return now - now % 60;
}

} // namespace

CNowyLot::CNowyLot(AppData& appData, int editFlag, int loftId, const RaceRecord& race,
                   QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_editing(editFlag == 1)
    , m_race(race)
    , m_release(new DateTimeFields(this))
    , m_first(new DateTimeFields(this))
    , m_last(new DateTimeFields(this))
    , m_type(new QComboBox(this))
    , m_category1(new QComboBox(this))
    , m_category2(new QComboBox(this))
    , m_remarks(new QPlainTextEdit(this)) {
    setObjectName(u"raceEditor"_s);
    setWindowTitle(m_editing ? u"Edit race"_s : u"Add new race"_s);
    setBannerTitle(m_editing ? u"Edit Race"_s : u"Add New Race"_s);
    if (!m_editing) {
        m_race = RaceRecord();
        m_race.kategoria = -1;
        m_race.kategoria2 = -1;
        const qint64 now = NowToTheMinute();
        m_race.czasodlotu = now;
        // Left as shown (the release), the first and last arrivals stay unknown.
        m_race.czas_pierwszego_w_konk = -1;
        m_race.czas_ostatniego_w_konk = -1;
    }
    m_race.id_hodowli = loftId;
    const RaceRecord& r = m_race;

    m_release->setObjectName(u"release"_s);
    m_first->setObjectName(u"firstPigeon"_s);
    m_last->setObjectName(u"lastPigeon"_s);
    m_release->SetTime(r.czasodlotu);
    m_first->SetTime(r.czas_pierwszego_w_konk, r.czasodlotu);
    m_last->SetTime(r.czas_ostatniego_w_konk, r.czasodlotu);

    // Whole kilometres; a stored fraction stays unless the field is changed.
    m_shownKm = QString::number(static_cast<qint64>(r.odleglosckm));
    m_km = new QLineEdit(m_shownKm, this);
    m_km->setObjectName(u"distanceKm"_s);
    m_m = NumberEdit(u"distanceM"_s, r.odlegloscm);
    m_place = new QLineEdit(r.miejscowosc, this);
    m_place->setObjectName(u"place"_s);
    m_weather = new QLineEdit(r.pogodawmiejscuwypuszczenia, this);
    m_weather->setObjectName(u"weather"_s);
    m_localWeather = new QLineEdit(r.pogodalokalna, this);
    m_localWeather->setObjectName(u"localWeather"_s);
    m_clubPigeons = NumberEdit(u"clubPigeons"_s, r.golebi_sekcja);
    m_unionPigeons = NumberEdit(u"unionPigeons"_s, r.golebi_oddzial);
    m_clubWinning = NumberEdit(u"clubWinning"_s, r.konkursow_sekcja);
    m_unionWinning = NumberEdit(u"unionWinning"_s, r.konkursow_oddzial);
    m_breeders = NumberEdit(u"breeders"_s, r.liczba_hodowcow);
    m_basketed = NumberEdit(u"birdsInRace"_s, r.wlozonychgolebi);
    m_scored = NumberEdit(u"birdsScored"_s, r.iloscwkonkursie);
    const int longitude[] = {r.DL_stopnie, r.DL_minuty, r.DL_sekundy};
    const int latitude[] = {r.SZ_stopnie, r.SZ_minuty, r.SZ_sekundy};
    const int duration[] = {r.czas_trwania_konkursu_g, r.czas_trwania_konkursu_m,
                            r.czas_trwania_konkursu_s};
    const char16_t* const parts[] = {u"Degrees", u"Minutes", u"Seconds"};
    for (int i = 0; i < 3; ++i) {
        m_longitude[i] = NumberEdit(u"longitude"_s + QString::fromUtf16(parts[i]), longitude[i]);
        m_latitude[i] = NumberEdit(u"latitude"_s + QString::fromUtf16(parts[i]), latitude[i]);
        m_duration[i] = NumberEdit(u"raceTime"_s + QString::number(i), duration[i]);
    }

    m_type->setObjectName(u"raceType"_s);
    m_type->addItems(RaceTypeNames());
    SelectIndex(m_type, m_editing ? r.typ : 0);
    for (QComboBox* box : {m_category1, m_category2})
        box->addItems(RaceCategoryNames());
    m_category1->setObjectName(u"category1"_s);
    m_category2->setObjectName(u"category2"_s);
    SelectIndex(m_category1, r.kategoria);
    SelectIndex(m_category2, r.kategoria2);
    m_remarks->setObjectName(u"remarks"_s);
    m_remarks->setPlainText(r.notatki);
    m_remarks->setTabChangesFocus(true);

    auto* raceGroup = new QGroupBox(u"Race"_s, this);
    auto* raceForm = new QFormLayout(raceGroup);
    raceForm->addRow(u"Place"_s, m_place);
    raceForm->addRow(u"Release date and time"_s, m_release);
    raceForm->addRow(u"First pigeon time"_s, m_first);
    raceForm->addRow(u"Last pigeon time"_s, m_last);
    raceForm->addRow(u"Race time(H:M:S)"_s, Row(raceGroup, {{m_duration[0], u":"_s},
                                                            {m_duration[1], u":"_s},
                                                            {m_duration[2], QString()}}));
    raceForm->addRow(u"Distance"_s, Row(raceGroup, {{m_km, u"km"_s}, {m_m, u"m"_s}}));
    raceForm->addRow(u"Race type"_s, m_type);
    raceForm->addRow(u"Category 1"_s, m_category1);
    raceForm->addRow(u"Category 2"_s, m_category2);

    auto* weather = new QGroupBox(u"Weather"_s, this);
    auto* weatherForm = new QFormLayout(weather);
    weatherForm->addRow(u"Weather"_s, m_weather);
    weatherForm->addRow(u"Local weather"_s, m_localWeather);

    auto* association = new QGroupBox(u"Union and Club"_s, this);
    auto* associationForm = new QFormLayout(association);
    associationForm->addRow(u"All pigeons in union"_s, m_unionPigeons);
    associationForm->addRow(u"All pigeons in club"_s, m_clubPigeons);
    associationForm->addRow(u"Winning Birds in Union"_s, m_unionWinning);
    associationForm->addRow(u"Winning Birds in Club"_s, m_clubWinning);
    associationForm->addRow(u"Number of breeders"_s, m_breeders);

    auto* mine = new QGroupBox(u"My Pigeons"_s, this);
    auto* mineForm = new QFormLayout(mine);
    mineForm->addRow(u"Birds in race"_s, m_basketed);
    mineForm->addRow(u"Birds that earned points"_s, m_scored);

    auto* position = new QGroupBox(u"Longitude/Latitude"_s, this);
    auto* positionForm = new QFormLayout(position);
    positionForm->addRow(u"Longitude"_s, Row(position, {{m_longitude[0], u"°"_s},
                                                        {m_longitude[1], u"'"_s},
                                                        {m_longitude[2], u"\""_s}}));
    positionForm->addRow(u"Latitude"_s, Row(position, {{m_latitude[0], u"°"_s},
                                                       {m_latitude[1], u"'"_s},
                                                       {m_latitude[2], u"\""_s}}));

    NameParts({{m_duration[0], u"hours"_s},
               {m_duration[1], u"minutes"_s},
               {m_duration[2], u"seconds"_s},
               {m_km, u"km"_s},
               {m_m, u"m"_s}});
    for (auto* angle : {&m_longitude, &m_latitude})
        NameParts({{(*angle)[0], u"degrees"_s},
                   {(*angle)[1], u"minutes"_s},
                   {(*angle)[2], u"seconds"_s}});
    for (QFormLayout* form : {raceForm, positionForm})
        NameRowParts(form);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNowyLot::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 70, 12, 12);
    grid->addWidget(raceGroup, 0, 0, 3, 1);
    grid->addWidget(weather, 0, 1);
    grid->addWidget(association, 1, 1);
    auto* pair = new QHBoxLayout;
    pair->addWidget(mine);
    pair->addWidget(position);
    grid->addLayout(pair, 2, 1);
    auto* remarks = new QLabel(u"Remarks"_s, this);
    remarks->setBuddy(m_remarks);
    grid->addWidget(remarks, 3, 0, 1, 2);
    grid->addWidget(m_remarks, 4, 0, 1, 2);
    grid->addWidget(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    // Tab walks the fields as they stand, column by column.
    QWidget* order[] = {m_place,
                        m_release->DateEdit(),
                        m_release->TimeEdit(),
                        m_first->DateEdit(),
                        m_first->TimeEdit(),
                        m_last->DateEdit(),
                        m_last->TimeEdit(),
                        m_duration[0],
                        m_duration[1],
                        m_duration[2],
                        m_km,
                        m_m,
                        m_type,
                        m_category1,
                        m_category2,
                        m_weather,
                        m_localWeather,
                        m_unionPigeons,
                        m_clubPigeons,
                        m_unionWinning,
                        m_clubWinning,
                        m_breeders,
                        m_basketed,
                        m_scored,
                        m_longitude[0],
                        m_longitude[1],
                        m_longitude[2],
                        m_latitude[0],
                        m_latitude[1],
                        m_latitude[2],
                        m_remarks,
                        ok,
                        cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_place->setFocus();
    resize(860, 600);
}

QLineEdit* CNowyLot::NumberEdit(const QString& name, int value) {
    auto* edit = new QLineEdit(QString::number(value), this);
    edit->setObjectName(name);
    edit->setMinimumWidth(50);
    return edit;
}

void CNowyLot::accept() {
    NumberFields numbers(this);
    RaceRecord race = m_race;
    const int km = numbers.Whole(m_km, u"Distance (km)"_s);
    if (m_km->text().trimmed() != m_shownKm)
        race.odleglosckm = km;
    race.odlegloscm = numbers.Whole(m_m, u"Distance (m)"_s);
    race.golebi_sekcja = numbers.Whole(m_clubPigeons, u"All pigeons in club"_s);
    race.golebi_oddzial = numbers.Whole(m_unionPigeons, u"All pigeons in union"_s);
    race.konkursow_sekcja = numbers.Whole(m_clubWinning, u"Winning Birds in Club"_s);
    race.konkursow_oddzial = numbers.Whole(m_unionWinning, u"Winning Birds in Union"_s);
    race.liczba_hodowcow = numbers.Whole(m_breeders, u"Number of breeders"_s);
    race.wlozonychgolebi = numbers.Whole(m_basketed, u"Birds in race"_s);
    race.iloscwkonkursie = numbers.Whole(m_scored, u"Birds that earned points"_s);
    race.DL_stopnie = numbers.Whole(m_longitude[0], u"Longitude (degrees)"_s);
    race.DL_minuty = numbers.Whole(m_longitude[1], u"Longitude (minutes)"_s);
    race.DL_sekundy = numbers.Whole(m_longitude[2], u"Longitude (seconds)"_s);
    race.SZ_stopnie = numbers.Whole(m_latitude[0], u"Latitude (degrees)"_s);
    race.SZ_minuty = numbers.Whole(m_latitude[1], u"Latitude (minutes)"_s);
    race.SZ_sekundy = numbers.Whole(m_latitude[2], u"Latitude (seconds)"_s);
    race.czas_trwania_konkursu_g = numbers.Whole(m_duration[0], u"Race time (hours)"_s);
    race.czas_trwania_konkursu_m = numbers.Whole(m_duration[1], u"Race time (minutes)"_s);
    race.czas_trwania_konkursu_s = numbers.Whole(m_duration[2], u"Race time (seconds)"_s);
    if (numbers.Refused())
        return;
    race.miejscowosc = m_place->text();
    race.pogodawmiejscuwypuszczenia = m_weather->text();
    race.pogodalokalna = m_localWeather->text();
    race.notatki = m_remarks->toPlainText();
    race.czasodlotu = m_release->Time();
    race.czas_pierwszego_w_konk = m_first->Time();
    race.czas_ostatniego_w_konk = m_last->Time();
    race.typ = ChosenIndex(m_type, m_race.typ);
    race.kategoria = ChosenIndex(m_category1, m_race.kategoria);
    race.kategoria2 = ChosenIndex(m_category2, m_race.kategoria2);

    const DbResult result = m_data.SaveRace(m_editing ? race.id : -1, race);
    if (!result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_race = race;
    QDialog::accept();
}
