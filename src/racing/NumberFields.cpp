// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/NumberFields.h"

#include "racing/NumberText.h"
#include "ui/MessageBox.h"

#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

int NumberFields::Whole(QLineEdit* edit, const QString& label) {
    const std::optional<int> value = ParseWholeNumber(edit->text());
    if (!value) {
        // Digits that do not fit are not a typing slip: say what the field takes.
        static const QRegularExpression digits(u"^\\s*-?\\d+\\s*$"_s);
        Refuse(edit,
               digits.match(edit->text()).hasMatch()
                   ? u"%1: please enter a whole number from -2147483648 to 2147483647."_s.arg(label)
                   : u"%1: please enter a whole number."_s.arg(label));
    }
    return value.value_or(0);
}

double NumberFields::Real(QLineEdit* edit, const QString& label) {
    const std::optional<double> value = ParseRealNumber(edit->text());
    if (!value)
        Refuse(edit, u"%1: please enter a number."_s.arg(label));
    return value.value_or(0.0);
}

void NumberFields::Refuse(QLineEdit* edit, const QString& message) {
    if (m_refused)
        return;
    m_refused = true;
    MessageBox::ShowMessage(m_dialog, message, {}, QMessageBox::Warning);
    edit->setFocus();
    edit->selectAll();
}
