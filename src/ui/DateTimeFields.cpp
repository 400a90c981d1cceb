#include "ui/DateTimeFields.h"

#include "storage/LocalTime.h"

#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

DateTimeFields::DateTimeFields(QWidget* parent, const QString& dateLabel, const QString& timeLabel)
    : QWidget(parent)
    , m_date(new QDateEdit(this))
    , m_time(new QTimeEdit(this)) {
    m_date->setObjectName(u"date"_s);
    m_time->setObjectName(u"time"_s);
    m_date->setDisplayFormat(u"dd/MM/yyyy"_s);
    m_date->setCalendarPopup(true);
    m_date->setMinimumDate(QDate(1900, 1, 1));
    m_time->setDisplayFormat(u"HH:mm:ss"_s);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!dateLabel.isEmpty())
        layout->addWidget(new QLabel(dateLabel, this));
    layout->addWidget(m_date, 3);
    if (!timeLabel.isEmpty())
        layout->addWidget(new QLabel(timeLabel, this));
    layout->addWidget(m_time, 2);
    setFocusProxy(m_date);
}

void DateTimeFields::SetTime(qint64 time, qint64 fallback) {
    m_stored = time;
    LocalFields f;
    if (!SplitLocalTime(time, f) && !SplitLocalTime(fallback, f)) {
        const QDateTime now = QDateTime::currentDateTime();
        f = {now.date().year(), now.date().month(),  now.date().day(),
             now.time().hour(), now.time().minute(), 0};
    }
    m_date->setDate(QDate(f.year, f.month, f.day));
    m_time->setTime(QTime(f.hour, f.minute, f.second));
    m_shown = m_date->text() + u' ' + m_time->text();
}

qint64 DateTimeFields::Time() const {
    if (m_date->text() + u' ' + m_time->text() == m_shown)
        return m_stored;
    const QDate d = m_date->date();
    const QTime t = m_time->time();
    return ComposeLocalTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}
