// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DodajSerieObraczek.h"

#include "register/RingSeries.h"
#include "ui/MessageBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* Edit(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

// A ring number as the field holds it: a whole number from 0 to kMaxRingNumber, or nothing.
std::optional<qint64> RingNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > kMaxRingNumber)
        return std::nullopt;
    return value;
}

} // namespace

CDodajSerieObraczek::CDodajSerieObraczek(std::function<DbResult(const CDodajSerieObraczek&)> store,
                                         QWidget* parent)
    : BannerDialog(parent)
    , m_country(Edit(this, u"country"_s))
    , m_union(Edit(this, u"union"_s))
    , m_year(Edit(this, u"year"_s))
    , m_startEdit(Edit(this, u"startNumber"_s, u"0"_s))
    , m_endEdit(Edit(this, u"endNumber"_s, u"0"_s))
    , m_store(std::move(store)) {
    setObjectName(u"ringSeriesDialog"_s);
    setWindowTitle(u"Add new serie of rings"_s);
    setBannerTitle(u"Add new serie of rings"_s);

    auto* primary = new QGroupBox(u"Primary informations"_s, this);
    auto* primaryForm = new QFormLayout(primary);
    primaryForm->addRow(u"Country"_s, m_country);
    primaryForm->addRow(u"Union"_s, m_union);
    primaryForm->addRow(u"Year"_s, m_year);
    auto* band = new QGroupBox(u"Band information"_s, this);
    auto* bandForm = new QFormLayout(band);
    bandForm->addRow(u"Start Number"_s, m_startEdit);
    bandForm->addRow(u"End Number"_s, m_endEdit);
    auto* confirm = new QPushButton(u"Add new serie of pigeon rings"_s, this);
    confirm->setObjectName(u"confirm"_s);
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &CDodajSerieObraczek::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    layout->addWidget(primary);
    layout->addWidget(band);
    layout->addWidget(confirm);
    resize(470, 340);
}

QString CDodajSerieObraczek::Country() const {
    return m_country->text();
}
QString CDodajSerieObraczek::Union() const {
    return m_union->text();
}
QString CDodajSerieObraczek::Year() const {
    return m_year->text();
}

void CDodajSerieObraczek::accept() {
    const std::optional<qint64> start = RingNumber(m_startEdit->text());
    const std::optional<qint64> end = RingNumber(m_endEdit->text());
    if (!start || !end) {
        MessageBox::ShowMessage(
            this,
            u"Start Number and End Number must be whole numbers from 0 to %1."_s.arg(
                kMaxRingNumber),
            {}, QMessageBox::Warning);
        (start ? m_endEdit : m_startEdit)->setFocus();
        return;
    }
    if (const QString problem = RingSeriesProblem(*start, *end); !problem.isEmpty()) {
        MessageBox::ShowMessage(this, problem, u"Error! Too much rings"_s);
        m_endEdit->setFocus();
        return;
    }
    m_start = *start;
    m_end = *end;
    if (m_store) {
        if (const DbResult result = m_store(*this); !result.ok()) {
            MessageBox::ShowFailure(this, result);
            return;
        }
    }
    QDialog::accept();
}
