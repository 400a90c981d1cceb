// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DateFields.h"

#include "storage/LocalTime.h"
#include "ui/AccessibleNames.h"
#include "ui/CalendarDialog.h"
#include "ui/DateParts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

std::optional<int> Number(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

DatePart PartOf(const QLineEdit* edit, const QLineEdit* day, const QLineEdit* month) {
    return edit == day ? DatePart::Day : edit == month ? DatePart::Month : DatePart::Year;
}

} // namespace

DateFields::DateFields(const QString& label, bool optional, QWidget* parent)
    : QWidget(parent)
    , m_label(label)
    , m_day(new QLineEdit(this))
    , m_month(new QLineEdit(this))
    , m_year(new QLineEdit(this))
    , m_calendar(new QPushButton(u"..."_s, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (optional) {
        m_check = new QCheckBox(label, this);
        m_check->setObjectName(u"check"_s);
        layout->addWidget(m_check, 1);
        connect(m_check, &QCheckBox::toggled, this, &DateFields::OnChecked);
        // Tab goes as the eye does: the check box first, then the parts after it.
        setTabOrder(m_check, m_day);
        setTabOrder(m_day, m_month);
        setTabOrder(m_month, m_year);
        setTabOrder(m_year, m_calendar);
    } else {
        layout->addWidget(new QLabel(label, this), 1);
    }
    m_day->setObjectName(u"day"_s);
    m_month->setObjectName(u"month"_s);
    m_year->setObjectName(u"year"_s);
    m_calendar->setObjectName(u"calendarButton"_s);
    m_calendar->setAccessibleName(label.isEmpty() ? u"Open the calendar"_s
                                                  : u"Open the calendar: "_s + label);
    if (label.isEmpty()) {
        NameParts({{m_day, u"day"_s}, {m_month, u"month"_s}, {m_year, u"year"_s}});
    } else {
        m_day->setAccessibleName(label + u", day"_s);
        m_month->setAccessibleName(label + u", month"_s);
        m_year->setAccessibleName(label + u", year"_s);
    }
    m_day->setPlaceholderText(u"dd"_s);
    m_month->setPlaceholderText(u"mm"_s);
    m_year->setPlaceholderText(u"yyyy"_s);
    m_day->setMaximumWidth(36);
    m_month->setMaximumWidth(36);
    m_year->setMaximumWidth(56);
    m_calendar->setMaximumWidth(28);
    m_calendar->setAutoDefault(false);
    layout->addWidget(m_day);
    layout->addWidget(m_month);
    layout->addWidget(m_year);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QPushButton::clicked, this, &DateFields::PickFromCalendar);
    for (QLineEdit* edit : {m_day, m_month, m_year})
        edit->installEventFilter(this);
    if (m_check)
        OnChecked(false);
}

bool DateFields::IsChecked() const {
    return !m_check || m_check->isChecked();
}

void DateFields::SetChecked(bool checked) {
    if (m_check)
        m_check->setChecked(checked);
}

void DateFields::OnChecked(bool checked) {
    for (QLineEdit* edit : {m_day, m_month, m_year}) {
        edit->clear();
        edit->setEnabled(checked);
    }
    if (checked) {
        const QDate today = QDate::currentDate();
        SetDate(today.day(), today.month(), today.year());
    }
}

void DateFields::SetDate(int day, int month, int year) {
    m_day->setText(QString::number(day));
    m_month->setText(QString::number(month));
    m_year->setText(QString::number(year));
}

void DateFields::SetTime(qint64 time) {
    LocalFields fields;
    if (time == -1 || !SplitLocalTime(time, fields)) {
        if (m_check) {
            m_check->setChecked(false);
            OnChecked(false);
        }
        return;
    }
    if (m_check) {
        const QSignalBlocker blocker(m_check);
        m_check->setChecked(true);
        for (QLineEdit* edit : {m_day, m_month, m_year})
            edit->setEnabled(true);
    }
    SetDate(fields.day, fields.month, fields.year);
}

std::optional<QString> DateFields::Problem() const {
    if (!IsChecked())
        return std::nullopt;
    const auto day = Number(m_day);
    const auto month = Number(m_month);
    const auto year = Number(m_year);
    if (!day || !month || !year)
        return u"%1: day, month and year must be whole numbers."_s.arg(m_label);
    // Day 31 of a 30-day month rolls over to the next month, as it always has; what no calendar
    // has is refused.
    if (*day < 1 || *day > 31)
        return u"%1: the day must be from 1 to 31."_s.arg(m_label);
    if (*month < 1 || *month > 12)
        return u"%1: the month must be from 1 to 12."_s.arg(m_label);
    if (*year < kFirstYear || *year > kLastYear)
        return u"%1: the year must be from %2 to %3."_s.arg(m_label).arg(kFirstYear).arg(kLastYear);
    return std::nullopt;
}

qint64 DateFields::Compose(int hour, int minute, int second) const {
    if (!IsChecked() || Problem())
        return -1;
    return ComposeLocalTime(*Number(m_year), *Number(m_month), *Number(m_day), hour, minute,
                            second);
}

bool DateFields::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::MouseButtonRelease) {
        static_cast<QObject*>(edit)->event(event);
        edit->selectAll();
    }
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn) {
        m_before = edit->text();
        m_advanced = false;
    }
    if (event->type() == QEvent::MouseButtonRelease)
        return true;
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        const QString pasted = QGuiApplication::clipboard()->text().trimmed();
        const QList<int> n = SplitWhole(pasted);
        bool number = false;
        const int value = pasted.toInt(&number);
        if (number && InRange(PartOf(edit, m_day, m_month), value))
            edit->setText(QString::number(value));
        else if (n.size() == 3 && InRange(DatePart::Day, n[0]) && InRange(DatePart::Month, n[1]) &&
                 InRange(DatePart::Year, n[2]))
            SetDate(n[0], n[1], n[2]);
        else
            ShowRefusal(edit, u"A date is pasted as 14/06/2025, from 1900 to 2100."_s);
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return QWidget::eventFilter(watched, event);
    TypeInto(edit, text[0]);
    return true;
}

void DateFields::TypeInto(QLineEdit* edit, QChar c) {
    const DatePart part = PartOf(edit, m_day, m_month);
    QString digits = edit->text();
    int at = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        at = edit->selectionStart();
        digits.remove(at, edit->selectedText().size());
    }
    // A digit typed past a whole part is refused alone: the part keeps what it shows.
    const bool full = digits.size() >= RangeOf(part).digits;
    if (IsPartSeparator(c)) {
        if (std::exchange(m_advanced, false) || edit == m_year)
            return;
        if (digits.isEmpty())
            return MoveOn(edit);
    } else if (!c.isDigit()) {
        return;
    } else {
        digits.insert(at, c);
        m_advanced = false;
        if (digits.size() < RangeOf(part).digits) {
            edit->setText(digits);
            return;
        }
    }
    if (!InRange(part, digits.toInt())) {
        if (!full) {
            edit->setText(m_before);
            edit->selectAll();
        }
        ShowRefusal(edit, RangeMessage(part));
        return;
    }
    edit->setText(QString::number(digits.toInt()));
    if (edit != m_year) {
        MoveOn(edit);
        m_advanced = c.isDigit();
    }
}

void DateFields::MoveOn(QLineEdit* from) {
    QLineEdit* next = from == m_day ? m_month : m_year;
    next->setFocus(Qt::TabFocusReason);
    next->selectAll();
    m_before = next->text();
}

void DateFields::PickFromCalendar() {
    if (!IsChecked())
        return;
    QDate initial;
    if (const auto d = Number(m_day), m = Number(m_month), y = Number(m_year); d && m && y)
        initial = QDate(*y, *m, *d);
    if (const auto picked = CalendarDialog::Pick(this, initial))
        SetDate(picked->day(), picked->month(), picked->year());
}
