// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/LeczenieSuplementacjaDodajZmien.h"

#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "ui/DateFields.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kCategories[] = {u"", u"Szczepionka", u"Lek", u"Suplement"};

} // namespace

QString CLeczenieSuplementacjaDodajZmien::CategoryText(int category) {
    return category >= 1 && category <= 3 ? QString::fromUtf16(kCategories[category]) : QString();
}

CLeczenieSuplementacjaDodajZmien::CLeczenieSuplementacjaDodajZmien(AppData& appData,
                                                                   const TreatmentRecord& record,
                                                                   QWidget* parent)
    : QDialog(parent)
    , m_data(appData)
    , m_record(record)
    , m_editing(record.id >= 1)
    , m_category(new QComboBox(this))
    , m_date(new DateFields(u"Data podania"_s, false, this))
    , m_name(new QLineEdit(this))
    , m_dose(new QLineEdit(this))
    , m_effect(new QLineEdit(this))
    , m_remarks(new QPlainTextEdit(this)) {
    setObjectName(u"treatmentDialog"_s);
    setWindowTitle(u"Leczenie/Suplementacja"_s);
    m_category->setObjectName(u"category"_s);
    m_name->setObjectName(u"name"_s);
    m_dose->setObjectName(u"dose"_s);
    m_effect->setObjectName(u"effect"_s);
    m_remarks->setObjectName(u"remarks"_s);
    m_date->setObjectName(u"dateGiven"_s);
    for (const char16_t* text : kCategories)
        m_category->addItem(QString::fromUtf16(text));
    m_category->setCurrentIndex(-1);

    // The time of day is kept from the record, or taken from now for a new treatment.
    qint64 when = m_editing ? m_record.dateGiven : QDateTime::currentSecsSinceEpoch();
    LocalFields fields;
    if (!SplitLocalTime(when, fields))
        SplitLocalTime(QDateTime::currentSecsSinceEpoch(), fields);
    m_hour = fields.hour;
    m_minute = fields.minute;
    m_second = fields.second;
    m_date->SetDate(fields.day, fields.month, fields.year);
    if (m_editing) {
        m_category->setCurrentIndex(
            m_record.category >= 0 && m_record.category <= 3 ? m_record.category : -1);
        m_name->setText(m_record.name);
        m_dose->setText(m_record.dose);
        m_effect->setText(m_record.effect);
        m_remarks->setPlainText(m_record.remarks);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    buttons->addButton(u"Anuluj"_s, QDialogButtonBox::RejectRole)->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLeczenieSuplementacjaDodajZmien::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(u"Kategoria leku"_s, m_category);
    form->addRow(m_date);
    form->addRow(u"Nazwa leku/suplementu"_s, m_name);
    form->addRow(u"Podana dawka"_s, m_dose);
    form->addRow(u"Działanie"_s, m_effect);
    form->addRow(u"Uwagi"_s, m_remarks);
    form->addRow(buttons);
    resize(460, 380);
}

void CLeczenieSuplementacjaDodajZmien::accept() {
    if (m_name->text().size() < 2) {
        MessageBox::ShowMessage(this, u"Wprowadź nazwę leku"_s);
        return;
    }
    if (const auto problem = m_date->Problem()) {
        MessageBox::ShowMessage(this, *problem, {}, QMessageBox::Warning);
        return;
    }
    TreatmentRecord edited = m_record;
    edited.kind = 0;
    edited.category = m_category->currentIndex();
    edited.name = m_name->text();
    edited.dose = m_dose->text();
    edited.effect = m_effect->text();
    edited.remarks = m_remarks->toPlainText();
    edited.dateGiven = m_date->Compose(m_hour, m_minute, m_second);
    const DbResult result = m_data.SaveTreatment(m_editing ? edited.id : -1, edited);
    if (!result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_record = edited;
    QDialog::accept();
}
