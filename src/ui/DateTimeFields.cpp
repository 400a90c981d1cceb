#include "ui/DateTimeFields.h"

#include "storage/LocalTime.h"

#include <QDateEdit>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimeEdit>
#include <QTimer>

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
    // A click on a day, month, hour ... selects it, so that what is typed replaces it.
    m_date->installEventFilter(this);
    m_time->installEventFilter(this);
}

bool DateTimeFields::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QDateTimeEdit*>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, edit, [edit] { edit->setSelectedSection(edit->currentSection()); });
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty()) // Shift on its way to ':' changes nothing
        return QWidget::eventFilter(watched, event);
    const bool advanced = m_advanced == edit;
    m_advanced = nullptr;
    if (text.size() != 1)
        return QWidget::eventFilter(watched, event);
    // A full section moves on by itself; the separator typed after it ("14/06/2025") must not
    // move on a second time.
    if (advanced && !text[0].isLetterOrNumber() && !text[0].isSpace())
        return true;
    if (!text[0].isDigit())
        return QWidget::eventFilter(watched, event);
    const QDateTimeEdit::Section before = edit->currentSection();
    static_cast<QObject*>(edit)->event(event);
    if (edit->currentSection() != before)
        m_advanced = edit;
    return true;
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
