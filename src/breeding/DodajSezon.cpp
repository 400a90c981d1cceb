// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/DodajSezon.h"

#include "storage/AppData.h"
#include "ui/DateFields.h"
#include "ui/MessageBox.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Seasons begin and end at this time of their days.
constexpr int kHour = 1;
constexpr int kMinute = 1;
constexpr int kSecond = 1;

} // namespace

CDodajSezon::CDodajSezon(AppData& appData, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_name(new QLineEdit(this))
    , m_description(new QPlainTextEdit(this))
    , m_start(new DateFields(u"Start date"_s, false, this))
    , m_end(new DateFields(u"End date"_s, false, this)) {
    setObjectName(u"seasonDialog"_s);
    setWindowTitle(u"Add news seazon"_s);
    setBannerTitle(u"Add news seazon"_s);
    m_name->setObjectName(u"name"_s);
    m_description->setObjectName(u"description"_s);
    m_description->setTabChangesFocus(true);
    m_start->setObjectName(u"start"_s);
    m_end->setObjectName(u"end"_s);
    const QDate today = QDate::currentDate();
    for (DateFields* date : {m_start, m_end})
        date->SetDate(today.day(), today.month(), today.year());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* add = buttons->addButton(u"Add season"_s, QDialogButtonBox::AcceptRole);
    add->setObjectName(u"addSeason"_s);
    add->setDefault(true);
    QPushButton* cancel = buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDodajSezon::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(u"Name"_s, m_name);
    form->addRow(u"Description"_s, m_description);
    form->addRow(m_start);
    form->addRow(m_end);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 72, 16, 12);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    resize(460, 330);
    m_name->setFocus();
}

void CDodajSezon::accept() {
    if (m_name->text().size() < 4) {
        MessageBox::ShowMessage(this, u"Wprowadź nazwę sezonu"_s);
        m_name->setFocus();
        return;
    }
    for (DateFields* date : {m_start, m_end}) {
        if (const auto problem = date->Problem()) {
            MessageBox::ShowMessage(this, *problem);
            return;
        }
    }
    SeasonRecord season;
    season.idLoft = m_data.CurrentLoftId();
    season.name = m_name->text();
    season.description = m_description->toPlainText();
    // Daylight saving is that of the season's own days, whenever the season is stored.
    season.dateBegin = m_start->Compose(kHour, kMinute, kSecond);
    season.dateEnd = m_end->Compose(kHour, kMinute, kSecond);
    if (season.dateBegin == -1 || season.dateEnd == -1) {
        MessageBox::ShowMessage(this, u"These days cannot be stored."_s);
        return;
    }
    if (season.dateEnd < season.dateBegin) {
        MessageBox::ShowMessage(this, u"The season cannot end before it begins."_s);
        return;
    }
    if (const DbResult result = m_data.AddSeason(season); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_season = season;
    QDialog::accept();
}
