// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QWidget>

class QDateEdit;
class QDateTimeEdit;
class QTimeEdit;

// A date picker and a time picker that together hold one stored time, composed in local time
// with daylight saving as the system decides. A pair the user left as it was shown gives back
// the stored time itself, so that "no time" and an hour that occurs twice survive an edit.
class DateTimeFields : public QWidget {
    Q_OBJECT

public:
    /// With labels, each picker is preceded by its own.
    explicit DateTimeFields(QWidget* parent = nullptr, const QString& dateLabel = {},
                            const QString& timeLabel = {});

    /// Shows a stored time; -1 (none) shows the fallback instead, -1 there meaning now.
    void SetTime(qint64 time, qint64 fallback = -1);
    /// The time the pickers hold.
    qint64 Time() const;

    QDateEdit* DateEdit() const { return m_date; }
    QTimeEdit* TimeEdit() const { return m_time; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDateEdit* m_date;
    QTimeEdit* m_time;
    qint64 m_stored = -1;
    QString m_shown; // what SetTime put on screen
    // What is being typed into one part: the digits so far and the value before them.
    struct Typing {
        QDateTimeEdit* edit = nullptr;
        int section = -1;
        QString digits;
        QDateTime before;
        bool advanced = false; // a full part just moved on; the separator after it is dropped
    };

    void Begin(QDateTimeEdit* edit, int section);
    void TypeDigit(QDateTimeEdit* edit, QChar digit);
    void Commit(QDateTimeEdit* edit);
    void TypeWhole(QDateTimeEdit* edit, const QString& text);
    /// Puts a value into the part; false (and why) when it is not a value the part can hold.
    bool SetPart(QDateTimeEdit* edit, int section, int value, QString* why);

    Typing m_typing;
    QString m_run;        // the digits and separators typed since the click or the focus
    int m_pendingDay = 0; // a day the shown month lacks, kept until the month is typed
};
