// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DateTimeFields.h"

#include "storage/LocalTime.h"
#include "ui/AccessibleNames.h"
#include "ui/DateParts.h"

#include <QClipboard>
#include <QDateEdit>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
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
    NameParts({{m_date, u"date"_s}, {m_time, u"time"_s}});
    // A click on a day, month, hour ... selects it, so that what is typed replaces it.
    for (QDateTimeEdit* edit : std::initializer_list<QDateTimeEdit*>{m_date, m_time}) {
        edit->installEventFilter(this);
        edit->findChild<QLineEdit*>()->installEventFilter(this);
    }
}

namespace {

DatePart PartOf(const QDateTimeEdit* edit, int section) {
    switch (edit->sectionAt(section)) {
    case QDateTimeEdit::DaySection:
        return DatePart::Day;
    case QDateTimeEdit::MonthSection:
        return DatePart::Month;
    case QDateTimeEdit::YearSection:
        return DatePart::Year;
    case QDateTimeEdit::HourSection:
        return DatePart::Hour;
    case QDateTimeEdit::MinuteSection:
        return DatePart::Minute;
    default:
        return DatePart::Second;
    }
}

void Select(QDateTimeEdit* edit, int section) {
    edit->setCurrentSectionIndex(section);
    edit->setSelectedSection(edit->sectionAt(section));
}

} // namespace

bool DateTimeFields::eventFilter(QObject* watched, QEvent* event) {
    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        if (event->type() != QEvent::MouseButtonRelease)
            return QWidget::eventFilter(watched, event);
        auto* edit = static_cast<QDateTimeEdit*>(line->parentWidget());
        static_cast<QObject*>(line)->event(event);
        const int at =
            line->cursorPositionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const int section = int(line->text().left(at).count(QRegularExpression(u"\\D"_s)));
        Begin(edit, std::min(section, edit->sectionCount() - 1));
        m_run.clear();
        return true;
    }
    auto* edit = qobject_cast<QDateTimeEdit*>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        m_typing = {};
        m_run.clear();
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Shift pressed for the ":" of "07:15" is part of the typing, not an interruption.
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return QWidget::eventFilter(watched, event);
    default:
        break;
    }
    // Tab goes to the next field, as everywhere else: the parts are reached by typing a
    // separator or by the arrow keys.
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        m_typing = {};
        m_run.clear();
        focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        TypeWhole(edit, QGuiApplication::clipboard()->text());
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !(text[0].isDigit() || IsPartSeparator(text[0])) ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (!text.isEmpty() && text[0].isPrint() && !key->modifiers())
            return true; // letters have no place in a date
        m_typing = {};
        m_run.clear();
        return QWidget::eventFilter(watched, event);
    }
    if (m_typing.edit != edit || m_typing.section != edit->currentSectionIndex())
        Begin(edit, edit->currentSectionIndex());
    m_run += text[0];
    if (text[0].isDigit()) {
        TypeDigit(edit, text[0]);
        return true;
    }
    // A separator after the hour means a whole time is being typed ("7:15"): the minutes and
    // seconds it does not reach are 00, not what the field held.
    const bool wholeTime =
        edit == m_time && (m_typing.digits.isEmpty() ? m_typing.advanced && m_typing.section == 1
                                                     : m_typing.section == 0);
    // A separator with no part left after it: a whole time was typed from a later part
    // ("10:30:00" after a click on the minutes); it is read whole, from the hour.
    if (edit == m_time && m_typing.digits.isEmpty() && !m_typing.advanced &&
        m_typing.section + 1 >= edit->sectionCount()) {
        const QList<int> n = SplitWhole(m_run.chopped(1));
        if (n.size() == 2 && QTime::isValid(n[0], n[1], 0)) {
            m_time->setTime(QTime(n[0], n[1], 0));
            Begin(edit, 2);
        }
        return true;
    }
    if (!m_typing.digits.isEmpty()) {
        Commit(edit);
    } else if (!std::exchange(m_typing.advanced, false) &&
               m_typing.section + 1 < edit->sectionCount()) {
        Begin(edit, m_typing.section + 1);
    }
    if (wholeTime && m_typing.section == 1) {
        m_time->setTime(QTime(m_time->time().hour(), 0, 0));
        Select(edit, 1);
        m_typing.before = edit->dateTime();
    }
    return true;
}

void DateTimeFields::Begin(QDateTimeEdit* edit, int section) {
    Select(edit, section);
    m_typing = {edit, section, {}, edit->dateTime(), false};
}

void DateTimeFields::TypeDigit(QDateTimeEdit* edit, QChar digit) {
    m_typing.digits += digit;
    m_typing.advanced = false;
    const DatePart part = PartOf(edit, m_typing.section);
    if (m_typing.digits.size() >= RangeOf(part).digits)
        return Commit(edit);
    // A digit that already makes a value shows at once ("7" is 07); a year shows when whole.
    const int value = m_typing.digits.toInt();
    if (part != DatePart::Year && InRange(part, value) &&
        SetPart(edit, m_typing.section, value, nullptr))
        Select(edit, m_typing.section);
}

void DateTimeFields::Commit(QDateTimeEdit* edit) {
    const int section = m_typing.section;
    QString why;
    if (!SetPart(edit, section, m_typing.digits.toInt(), &why)) {
        edit->setDateTime(m_typing.before);
        Begin(edit, section);
        ShowRefusal(edit, why);
        return;
    }
    const bool last = section + 1 >= edit->sectionCount();
    Begin(edit, last ? section : section + 1);
    m_typing.advanced = !last;
}

bool DateTimeFields::SetPart(QDateTimeEdit* edit, int section, int value, QString* why) {
    const DatePart part = PartOf(edit, section);
    if (!InRange(part, value)) {
        if (why)
            *why = RangeMessage(part);
        return false;
    }
    if (edit == m_time) {
        const QTime t = m_time->time();
        int hms[] = {t.hour(), t.minute(), t.second()};
        hms[int(part) - int(DatePart::Hour)] = value;
        m_time->setTime(QTime(hms[0], hms[1], hms[2]));
        return true;
    }
    const QDate d = m_date->date();
    int dmy[] = {m_pendingDay ? m_pendingDay : d.day(), d.month(), d.year()};
    dmy[int(part)] = value;
    m_pendingDay = 0;
    if (QDate::isValid(dmy[2], dmy[1], dmy[0])) {
        m_date->setDate(QDate(dmy[2], dmy[1], dmy[0]));
        return true;
    }
    if (part == DatePart::Day && why) { // the month typed next may have it
        m_date->setDate(m_typing.before.date());
        m_pendingDay = value;
        return true;
    }
    if (why)
        *why = u"%1/%2/%3 is not a date."_s.arg(dmy[0], 2, 10, QChar(u'0'))
                   .arg(dmy[1], 2, 10, QChar(u'0'))
                   .arg(dmy[2]);
    return false;
}

void DateTimeFields::TypeWhole(QDateTimeEdit* edit, const QString& text) {
    const QList<int> n = SplitWhole(text);
    if (edit == m_time && (n.size() == 2 || n.size() == 3) &&
        QTime::isValid(n[0], n[1], n.value(2))) {
        m_time->setTime(QTime(n[0], n[1], n.value(2)));
    } else if (edit == m_date && n.size() == 3 && InRange(DatePart::Year, n[2]) &&
               QDate::isValid(n[2], n[1], n[0])) {
        m_date->setDate(QDate(n[2], n[1], n[0]));
    } else {
        ShowRefusal(edit, edit == m_time
                              ? u"A time is typed as 07:15:00, from 00:00:00 to 23:59:59."_s
                              : u"A date is typed as 14/06/2025, from 1900 to 2100."_s);
    }
    Begin(edit, 0);
}

void DateTimeFields::SetTime(qint64 time, qint64 fallback) {
    m_stored = time;
    LocalFields f;
    if (!SplitLocalTime(time, f) && !SplitLocalTime(fallback, f)) {
        const QDateTime now = QDateTime::currentDateTime();
        f = {now.date().year(), now.date().month(),  now.date().day(),
             now.time().hour(), now.time().minute(), 0};
    }
    m_pendingDay = 0;
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
