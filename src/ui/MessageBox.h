// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

// Every message box of the program goes through here, so that a test can answer in advance and
// read what would have been shown.
class MessageBox {
public:
    /// A box with an OK button; the caption defaults to the program's name.
    static void ShowMessage(QWidget* parent, const QString& text, const QString& caption = {},
                            QMessageBox::Icon icon = QMessageBox::NoIcon);
    /// "Are you sure?" style question with Yes and No, No the default; true for Yes.
    static bool AskYesNo(QWidget* parent, const QString& text, const QString& caption,
                         QMessageBox::Icon icon = QMessageBox::Question);
    /// Tells the user that a change could not be stored, and why.
    static void ShowFailure(QWidget* parent, const DbResult& result);
    /// Tells the user that stored data could not be read, and why (the message names the file).
    static void ShowReadFailure(QWidget* parent, const DbResult& result);
    /// Yes, Yes to All, No or Cancel; Cancel when the box is closed.
    static QMessageBox::StandardButton AskOverwrite(QWidget* parent, const QString& text);

    // Tests: with the test mode on, nothing is shown; each box takes the next queued answer
    // (or its default) and its text is kept.
    static void SetTestMode(bool on);
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    static QStringList& History();
    static QStringList& Captions();
    static QList<QMessageBox::Icon>& Icons();

private:
    static QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);
};
