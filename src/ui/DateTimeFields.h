#pragma once

#include <QWidget>

class QDateEdit;
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
    QString m_shown;               // what SetTime put on screen
    QObject* m_advanced = nullptr; // the picker a digit just moved to its next section
};
