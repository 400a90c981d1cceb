// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Reads a dialog's number fields when OK is pressed. The first field that holds no number is
// named in a message and given the focus, and the dialog stays open.
class NumberFields {
public:
    explicit NumberFields(QWidget* dialog)
        : m_dialog(dialog) {}

    int Whole(QLineEdit* edit, const QString& label);
    double Real(QLineEdit* edit, const QString& label);
    /// True once a field was refused (its message has been shown).
    bool Refused() const { return m_refused; }
    /// Refuses a field the caller found out of range; only the first refusal is shown.
    void Refuse(QLineEdit* edit, const QString& message);

private:
    QWidget* m_dialog;
    bool m_refused = false;
};
