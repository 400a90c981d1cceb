// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

// A date typed as day, month and year, with "..." for a calendar and, when it is optional, a
// check box that switches it on (today's date) and off (no date).
class DateFields : public QWidget {
    Q_OBJECT

public:
    /// The years a date may be typed in.
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2100;

    DateFields(const QString& label, bool optional, QWidget* parent = nullptr);

    /// Shows a stored time (local day, month, four-digit year); -1 unchecks an optional group.
    void SetTime(qint64 time);
    bool IsChecked() const;
    void SetChecked(bool checked);
    void SetDate(int day, int month, int year);
    /// What is wrong with the typed fields (not whole numbers, a day, month or year out of its
    /// range), or nothing (also when the group is off).
    std::optional<QString> Problem() const;
    /// The local time of the typed day at the given time of day, normalised as the C library
    /// does; -1 when the group is off or the system refuses the time.
    qint64 Compose(int hour, int minute, int second) const;

    QLineEdit* DayEdit() const { return m_day; }
    QLineEdit* MonthEdit() const { return m_month; }
    QLineEdit* YearEdit() const { return m_year; }
    QCheckBox* CheckBox() const { return m_check; }
    QPushButton* CalendarButton() const { return m_calendar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TypeInto(QLineEdit* edit, QChar c);
    void MoveOn(QLineEdit* from);
    void OnChecked(bool checked);
    void PickFromCalendar();

    QString m_label;
    QCheckBox* m_check = nullptr;
    QLineEdit* m_day;
    QLineEdit* m_month;
    QLineEdit* m_year;
    QPushButton* m_calendar;
    QString m_before;        // the part as it was before the digits being typed into it
    bool m_advanced = false; // a full part just moved on; the separator after it is dropped
};
