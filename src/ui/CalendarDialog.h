// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;

// A month calendar with "OK" and "Anuluj" for picking one day.
class CalendarDialog : public QDialog {
    Q_OBJECT

public:
    explicit CalendarDialog(const QDate& initial, QWidget* parent = nullptr);
    QDate SelectedDate() const;

    /// The picked day, or nothing when cancelled.
    static std::optional<QDate> Pick(QWidget* parent, const QDate& initial);

private:
    QCalendarWidget* m_calendar;
};
