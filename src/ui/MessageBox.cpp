// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBox.h"

#include <QCoreApplication>

#include <deque>

namespace {

struct TestState {
    bool on = false;
    std::deque<QMessageBox::StandardButton> answers;
    QStringList history;
    QStringList captions;
    QList<QMessageBox::Icon> icons;
};

TestState& State() {
    static TestState state;
    return state;
}

} // namespace

void MessageBox::SetTestMode(bool on) {
    State().on = on;
}

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) {
    State().answers.push_back(answer);
}

QStringList& MessageBox::History() {
    return State().history;
}

QStringList& MessageBox::Captions() {
    return State().captions;
}

QList<QMessageBox::Icon>& MessageBox::Icons() {
    return State().icons;
}

QMessageBox::StandardButton MessageBox::Ask(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) {
    const QString title = caption.isEmpty() ? QCoreApplication::applicationName() : caption;
    TestState& state = State();
    if (state.on) {
        state.history.append(text);
        state.captions.append(title);
        state.icons.append(icon);
        if (state.answers.empty())
            return defaultButton;
        const QMessageBox::StandardButton answer = state.answers.front();
        state.answers.pop_front();
        return answer;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    // Messages carry names as the user typed them: "<b>" is shown, not obeyed.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

void MessageBox::ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                             QMessageBox::Icon icon) {
    Ask(parent, icon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBox::AskYesNo(QWidget* parent, const QString& text, const QString& caption,
                          QMessageBox::Icon icon) {
    return Ask(parent, icon, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void MessageBox::ShowFailure(QWidget* parent, const DbResult& result) {
    ShowMessage(parent,
                QCoreApplication::translate("MessageBox", "The change could not be saved:\n%1")
                    .arg(result.message()),
                {}, QMessageBox::Warning);
}

void MessageBox::ShowReadFailure(QWidget* parent, const DbResult& result) {
    ShowMessage(parent,
                QCoreApplication::translate("MessageBox", "The data could not be read:\n%1")
                    .arg(result.message()),
                {}, QMessageBox::Warning);
}

QMessageBox::StandardButton MessageBox::AskOverwrite(QWidget* parent, const QString& text) {
    const QMessageBox::StandardButton answer =
        Ask(parent, QMessageBox::Question, {}, text,
            QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel,
            QMessageBox::No);
    return answer == QMessageBox::NoButton || answer == QMessageBox::Escape ? QMessageBox::Cancel
                                                                            : answer;
}
