// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DodajGolebiaTab1.h"

#include "register/ChooserCandidates.h"
#include "register/LookupListDialog.h"
#include "register/WybierzPsaZListy.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "ui/Artwork.h"
#include "ui/DateFields.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* Edit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QComboBox* Box(QWidget* parent, const QString& name, bool editable = false) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    KeepComboNarrow(box);
    return box;
}

// A box with its "..." button beside it, which opens the list's manager.
// The box and its button stay siblings of the row's label, which screen readers need to name
// the box by it.
QHBoxLayout* WithManager(QWidget* parent, QComboBox* box, const QString& buttonName,
                         const std::function<void()>& manage) {
    auto* layout = new QHBoxLayout;
    layout->addWidget(box, 1);
    auto* button = new QPushButton(u"..."_s, parent);
    button->setObjectName(buttonName);
    button->setMaximumWidth(28);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent, manage);
    layout->addWidget(button);
    QWidget::setTabOrder(box, button);
    return layout;
}

std::vector<std::pair<int, QString>> Entries(const LookupMap& map) {
    return {map.begin(), map.end()};
}

std::vector<std::pair<int, QString>> Contacts(const std::map<int, ContactRecord>& contacts) {
    std::vector<std::pair<int, QString>> entries{{0, u" "_s}};
    for (const auto& [id, contact] : contacts)
        entries.emplace_back(id, (contact.firstName + u' ' + contact.lastName).trimmed());
    return entries;
}

} // namespace

CDodajGolebiaTab1::CDodajGolebiaTab1(AppData& appData, PigeonRecord& working, QWidget* parent)
    : CEditorPage(appData, working, parent)
    , m_country(Edit(this, u"country"_s))
    , m_union(Edit(this, u"union"_s))
    , m_year(Edit(this, u"year"_s))
    , m_band(Edit(this, u"band"_s))
    , m_name(Edit(this, u"name"_s))
    , m_sex(Box(this, u"sex"_s))
    , m_colour(Box(this, u"colour"_s, true))
    , m_variety(Box(this, u"variety"_s))
    , m_line(Box(this, u"line"_s))
    , m_eyeColour(Box(this, u"eyeColour"_s))
    , m_status(Box(this, u"status"_s))
    , m_breeder(Box(this, u"breeder"_s))
    , m_owner(Box(this, u"owner"_s))
    , m_sire(new ElidedLabel(this))
    , m_dam(new ElidedLabel(this))
    , m_photo(new PictureBox(this, PictureBox::Mode::Stretched))
    , m_hideInSearch(new QCheckBox(u"Don't show in the search pigeon dialog box"_s, this))
    , m_ignoreInPrint(new QCheckBox(u"Ignore during print category"_s, this)) {
    setObjectName(u"pigeonInformation"_s);
    m_sex->addItems({u"N/A"_s, u"Cock"_s, u"Hen"_s});
    const char16_t* const rateNames[] = {u"healthRate", u"featheringRate", u"racingRate",
                                         u"generalRate"};
    for (size_t i = 0; i < m_rates.size(); ++i) {
        m_rates[i] = Box(this, QString::fromUtf16(rateNames[i]));
        m_rates[i]->addItem(u" "_s);
        for (int rate = 1; rate <= 10; ++rate)
            m_rates[i]->addItem(QString::number(rate));
    }
    const char16_t* const dateLabels[] = {u"Date of purchase", u"Sale Date", u"Date of hatching",
                                          u"Gone"};
    const char16_t* const dateNames[] = {u"datePurchased", u"dateSold", u"dateOfBirth",
                                         u"dateLeft"};
    for (size_t i = 0; i < m_dates.size(); ++i) {
        m_dates[i] = new DateFields(QString::fromUtf16(dateLabels[i]), true, this);
        m_dates[i]->setObjectName(QString::fromUtf16(dateNames[i]));
    }
    m_sire->setObjectName(u"sireText"_s);
    m_dam->setObjectName(u"damText"_s);
    m_photo->setObjectName(u"photoPreview"_s);
    m_photo->setFixedSize(214, 148);

    auto* ring = new QGroupBox(u"Ring"_s, this);
    auto* ringForm = new QFormLayout(ring);
    ringForm->addRow(u"Country"_s, m_country);
    ringForm->addRow(u"Union"_s, m_union);
    ringForm->addRow(u"Year"_s, m_year);
    ringForm->addRow(u"Band. No"_s, m_band);
    ringForm->addRow(u"Name/Alias"_s, m_name);
    ringForm->addRow(u"Sex"_s, m_sex);

    auto* looks = new QGroupBox(u"Appearance and origin"_s, this);
    auto* looksForm = new QFormLayout(looks);
    const auto manager = [this](int mode) {
        return [this, mode] {
            ManageLookup(mode);
        };
    };
    const std::tuple<const char16_t*, QComboBox*, const char16_t*, int> managed[] = {
        {u"Color", m_colour, u"manageColours", 1},
        {u"Variety", m_variety, u"manageVarieties", 2},
        {u"Line", m_line, u"manageLines", 3},
        {u"Eye Color", m_eyeColour, u"manageEyeColours", 4},
        {u"Pigeon Status", m_status, u"manageStatuses", 0}};
    for (const auto& [label, box, name, mode] : managed) {
        QHBoxLayout* row = WithManager(looks, box, QString::fromUtf16(name), manager(mode));
        static_cast<QPushButton*>(row->itemAt(1)->widget())
            ->setAccessibleName(u"Manage "_s + QString::fromUtf16(label) + u" list"_s);
        auto* caption = new QLabel(QString::fromUtf16(label), looks);
        caption->setBuddy(box);
        looksForm->addRow(caption, row);
    }
    looksForm->addRow(u"Breeder"_s, m_breeder);
    looksForm->addRow(u"Owner"_s, m_owner);

    auto* rates = new QGroupBox(u"Ratings"_s, this);
    auto* ratesForm = new QFormLayout(rates);
    ratesForm->addRow(u"Health Rate"_s, m_rates[0]);
    ratesForm->addRow(u"Feathering rate"_s, m_rates[1]);
    ratesForm->addRow(u"Racing Rate"_s, m_rates[2]);
    ratesForm->addRow(u"General Rate"_s, m_rates[3]);

    auto* dates = new QGroupBox(u"Dates"_s, this);
    auto* datesLayout = new QVBoxLayout(dates);
    for (DateFields* date : m_dates)
        datesLayout->addWidget(date);

    auto* parents = new QGroupBox(u"Parents"_s, this);
    auto* parentsLayout = new QGridLayout(parents);
    parentsLayout->addWidget(new QLabel(u"Sire"_s, parents), 0, 0);
    parentsLayout->addWidget(m_sire, 0, 1);
    parentsLayout->addWidget(new QLabel(u"Dam"_s, parents), 1, 0);
    parentsLayout->addWidget(m_dam, 1, 1);
    for (const auto& [row, name] : {std::pair{0, u"chooseSire"_s}, std::pair{1, u"chooseDam"_s}}) {
        auto* choose = new QPushButton(u"..."_s, parents);
        choose->setObjectName(name);
        choose->setAccessibleName(row == 0 ? u"Choose sire"_s : u"Choose dam"_s);
        choose->setMaximumWidth(28);
        choose->setAutoDefault(false);
        const bool sire = row == 0;
        connect(choose, &QPushButton::clicked, this, [this, sire] { ChooseParent(sire); });
        parentsLayout->addWidget(choose, row, 2);
    }
    parentsLayout->setColumnStretch(1, 1);

    auto* photo = new QGroupBox(u"Photo preview"_s, this);
    auto* photoLayout = new QVBoxLayout(photo);
    photoLayout->addWidget(m_photo, 0, Qt::AlignCenter);
    photoLayout->addWidget(m_hideInSearch);
    photoLayout->addWidget(m_ignoreInPrint);

    auto* grid = new QGridLayout(this);
    grid->addWidget(ring, 0, 0);
    grid->addWidget(looks, 0, 1);
    grid->addWidget(photo, 0, 2, 2, 1);
    grid->addWidget(rates, 1, 0);
    grid->addWidget(dates, 1, 1);
    grid->addWidget(parents, 2, 0, 1, 3);
    Load();
}

void CDodajGolebiaTab1::FillMapBox(QComboBox* box,
                                   const std::vector<std::pair<int, QString>>& entries, int id) {
    const QSignalBlocker blocker(box);
    box->clear();
    int selected = -1;
    for (const auto& [entryId, name] : entries) {
        if (entryId == id)
            selected = box->count();
        box->addItem(name, entryId);
    }
    box->setCurrentIndex(selected);
}

int CDodajGolebiaTab1::IdOfBox(const QComboBox* box, int fallback) const {
    if (box->isEditable()) {
        // A typed text that names an entry chooses it, a cleared box chooses "none"; any other
        // text keeps the id until AddTypedColour gives it one of its own.
        const QString typed = box->currentText().trimmed();
        int named = box->currentIndex();
        if (named < 0 || box->itemText(named) != box->currentText())
            named = typed.isEmpty() ? box->findData(0) : box->findText(typed, Qt::MatchFixedString);
        return named >= 0 ? box->itemData(named).toInt() : fallback;
    }
    const int index = box->currentIndex();
    return index < 0 ? fallback : box->itemData(index).toInt();
}

DbResult CDodajGolebiaTab1::AddTypedColour() {
    const QString typed = m_colour->currentText().trimmed();
    if (typed.isEmpty() || m_colour->findText(typed, Qt::MatchFixedString) >= 0)
        return DbResult::Done();
    int id = 0;
    const DbResult result = m_data.AddLookup(Lookup::Colours, m_data.CurrentLoftId(), typed, &id);
    if (!result.ok())
        return result;
    m_colour->addItem(typed, id);
    m_colour->setCurrentIndex(m_colour->count() - 1);
    m_working.idColour = id;
    m_working.phenotype = typed;
    return result;
}

void CDodajGolebiaTab1::RefillLookups() {
    // The colour box takes typed text too; its "none" entry is empty so that a typed colour
    // does not start with the blank the lookup list holds for it.
    std::vector<std::pair<int, QString>> colours = Entries(m_data.colours);
    for (auto& [id, name] : colours)
        if (id == 0)
            name.clear();
    FillMapBox(m_colour, colours, m_working.idColour);
    if (m_colour->currentIndex() < 0)
        m_colour->setEditText(m_working.phenotype);
    FillMapBox(m_variety, Entries(m_data.varieties), m_working.idVariety);
    FillMapBox(m_line, Entries(m_data.lines), m_working.idLine);
    FillMapBox(m_eyeColour, Entries(m_data.eyeColours), m_working.idEyeColour);
    FillMapBox(m_status, Entries(m_data.statuses), m_working.idStatus);
    FillMapBox(m_breeder, Contacts(m_data.breeders), m_working.idBreeder);
    FillMapBox(m_owner, Contacts(m_data.clients), m_working.idOwner);
}

void CDodajGolebiaTab1::Load() {
    const PigeonRecord& p = m_working;
    m_country->setText(p.country);
    m_union->setText(p.branch);
    m_year->setText(p.year);
    m_band->setText(p.ringNumber);
    m_name->setText(p.name);
    m_sex->setCurrentIndex(p.sex >= 0 && p.sex <= 2 ? p.sex : 0);
    const int rates[] = {p.ratingHealth, p.ratingPlumage, p.ratingRacing, p.ratingOverall};
    for (size_t i = 0; i < m_rates.size(); ++i)
        m_rates[i]->setCurrentIndex(rates[i] >= 0 && rates[i] <= 10 ? rates[i] : 0);
    const qint64 dates[] = {p.datePurchased, p.dateSold, p.dateOfBirth, p.dateLeft};
    for (size_t i = 0; i < m_dates.size(); ++i)
        m_dates[i]->SetTime(dates[i]);
    RefillLookups();
    ShowParents();
    ShowPigeonPhoto(m_photo, p);
}

void CDodajGolebiaTab1::ManageLookup(int mode) {
    // Choices made so far are kept while the lists are read again.
    Store();
    if (mode == 0) {
        CZarzadzajStatusami manager(m_data, this);
        manager.exec();
    } else {
        CWyborKoloru manager(m_data, mode, this);
        manager.exec();
    }
    if (const DbResult result = m_data.LoadExtra(m_data.CurrentLoftId()); result.failed())
        MessageBox::ShowReadFailure(this, result);
    RefillLookups();
}

void CDodajGolebiaTab1::ChooseParent(bool sire) {
    CWybierzPsaZListy chooser(m_data, sire ? ChooseCocks : ChooseHens, this);
    if (chooser.exec() != QDialog::Accepted || chooser.ResultFlag() != 1)
        return;
    if (m_working.id >= 1 && chooser.ChosenId() == m_working.id) {
        MessageBox::ShowMessage(this,
                                sire ? u"A pigeon cannot be its own sire."_s
                                     : u"A pigeon cannot be its own dam."_s,
                                {}, QMessageBox::Warning);
        return;
    }
    (sire ? m_working.idSire : m_working.idDam) = chooser.ChosenId();
    ShowParents();
}

void CDodajGolebiaTab1::ShowParents() {
    m_sire->setText(m_working.idSire >= 1 ? BandLabel(m_data.FindPigeon(m_working.idSire))
                                          : u"No sire information"_s);
    m_dam->setText(m_working.idDam >= 1 ? BandLabel(m_data.FindPigeon(m_working.idDam))
                                        : u"No dam information"_s);
}

std::optional<QString> CDodajGolebiaTab1::Problem() const {
    for (const DateFields* date : m_dates)
        if (auto problem = date->Problem())
            return problem;
    return std::nullopt;
}

void CDodajGolebiaTab1::Store() {
    PigeonRecord& p = m_working;
    p.country = m_country->text();
    p.branch = m_union->text();
    p.year = m_year->text();
    p.ringNumber = m_band->text();
    p.name = m_name->text();
    p.sex = m_sex->currentIndex();
    p.phenotype = m_colour->currentText();
    p.idColour = IdOfBox(m_colour, p.idColour);
    p.idVariety = IdOfBox(m_variety, p.idVariety);
    p.idLine = IdOfBox(m_line, p.idLine);
    p.idEyeColour = IdOfBox(m_eyeColour, p.idEyeColour);
    p.idStatus = IdOfBox(m_status, p.idStatus);
    p.idBreeder = IdOfBox(m_breeder, p.idBreeder);
    p.idOwner = IdOfBox(m_owner, p.idOwner);
    p.ratingHealth = std::max(0, m_rates[0]->currentIndex());
    p.ratingPlumage = std::max(0, m_rates[1]->currentIndex());
    p.ratingRacing = std::max(0, m_rates[2]->currentIndex());
    p.ratingOverall = std::max(0, m_rates[3]->currentIndex());
    // Dates are kept at 01:01:01 of the day typed.
    p.datePurchased = m_dates[Purchase]->Compose(1, 1, 1);
    p.dateSold = m_dates[Sale]->Compose(1, 1, 1);
    p.dateOfBirth = m_dates[Hatching]->Compose(1, 1, 1);
    p.dateLeft = m_dates[Gone]->Compose(1, 1, 1);
}
