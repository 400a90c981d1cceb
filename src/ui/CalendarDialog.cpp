// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CalendarDialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CalendarDialog::CalendarDialog(const QDate& initial, QWidget* parent)
    : QDialog(parent)
    , m_calendar(new QCalendarWidget(this)) {
    setObjectName(u"calendarDialog"_s);
    setWindowTitle(u"Calendar"_s);
    m_calendar->setObjectName(u"calendar"_s);
    m_calendar->setSelectedDate(initial.isValid() ? initial : QDate::currentDate());
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole)->setObjectName(u"ok"_s);
    buttons->addButton(u"Anuluj"_s, QDialogButtonBox::RejectRole)->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
}

QDate CalendarDialog::SelectedDate() const {
    return m_calendar->selectedDate();
}

std::optional<QDate> CalendarDialog::Pick(QWidget* parent, const QDate& initial) {
    CalendarDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedDate();
}
