// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ModalDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

namespace ModalDriver {

struct StepState {
    std::function<void(QDialog*)> step;
    QElapsedTimer clock;
    bool ran = false;
    bool finished = false; // ran, gave up or was cancelled
    QString dialogClass;
};

namespace {

std::vector<std::shared_ptr<StepState>> pending; // every step scheduled and not yet settled
int running = 0;                                 // steps running now, one inside another

void CloseModalDialogs() {
    for (int i = 0; i < 20; ++i) {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal)
            return;
        modal->reject();
        QCoreApplication::processEvents();
    }
}

void Poll(const std::shared_ptr<StepState>& state) {
    if (state->finished)
        return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    // The step meets the dialog as the user does: shown and active (a platform that never
    // activates windows gets it after a second all the same).
    if (dialog && dialog->isVisible() &&
        (dialog->isActiveWindow() || state->clock.elapsed() > 1000)) {
        state->ran = true;
        state->finished = true;
        state->dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        ++running;
        state->step(dialog);
        --running;
        // A check that failed inside the step leaves its dialog open; close every one, so that
        // the test ends with its failure instead of waiting in exec() for ever.
        if (QTest::currentTestFailed())
            QTimer::singleShot(0, &CloseModalDialogs);
        return;
    }
    if (state->clock.elapsed() <= 5000) // else give up: the test's handle reports it
        QTimer::singleShot(10, [state] { Poll(state); });
}

} // namespace

Expectation::Expectation(std::shared_ptr<StepState> state)
    : m_state(std::move(state))
    , m_mark(pending.size())
    , m_topLevel(running == 0) {
    pending.push_back(m_state);
}

Expectation::~Expectation() {
    if (!m_state || !m_topLevel)
        return;
    bool missed = false;
    for (size_t i = m_mark; i < pending.size(); ++i) {
        missed = missed || !pending[i]->ran;
        pending[i]->finished = true;
    }
    if (m_mark < pending.size())
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(m_mark), pending.end());
    if (missed)
        QTest::qFail("A step expected a modal dialog that was never shown", __FILE__, __LINE__);
}

bool Expectation::Shown() const {
    return m_state->ran;
}

QString Expectation::DialogClass() const {
    return m_state->dialogClass;
}

Expectation OnNextModal(std::function<void(QDialog*)> step) {
    auto state = std::make_shared<StepState>();
    state->step = std::move(step);
    state->clock.start();
    QTimer::singleShot(0, [state] { Poll(state); });
    return Expectation(state);
}

Expectation AnswerNameDialog(const QString& name, const QString& description) {
    return OnNextModal([name, description](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("name"))->setText(name);
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("description"))
            ->setPlainText(description);
        dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        if (dialog->isVisible())
            dialog->reject();
    });
}

bool ShowFocused(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

NoDialogGuard::NoDialogGuard() {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++m_seen;
            dialog->reject();
        }
    });
    m_timer.start(20);
}

WindowScript::WindowScript(std::vector<Step> steps)
    : m_steps(std::move(steps)) {
    connect(&m_timer, &QTimer::timeout, this, &WindowScript::Look);
    m_timer.start(10);
    m_clock.start();
}

WindowScript::~WindowScript() {
    if (m_next < m_steps.size() || m_lost > 0)
        QTest::qFail(qPrintable(QStringLiteral("%1 of %2 steps ran; %3 windows came unexpected or "
                                               "stayed unanswered")
                                    .arg(m_next)
                                    .arg(m_steps.size())
                                    .arg(m_lost)),
                     __FILE__, __LINE__);
}

bool WindowScript::Press(QDialog* dialog, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && dialog->isAncestorOf(focus))
        QTest::keyClick(focus, key);
    return Closed(dialog);
}

bool WindowScript::PressButton(QDialog* dialog, const QString& text) {
    for (int i = 0; i < 8 && QApplication::focusWidget(); ++i) {
        const auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (button && button->text() == text)
            break;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return Press(dialog, Qt::Key_Space);
}

bool WindowScript::Closed(QDialog* dialog) {
    if (!dialog->isVisible())
        return true;
    dialog->reject();
    return false;
}

void WindowScript::Look() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (m_clock.elapsed() > 10000 && dialog) { // nobody answers: give up on it
        ++m_lost;
        dialog->reject();
        return;
    }
    const QWidget* focus = QApplication::focusWidget();
    if (!dialog || !dialog->isVisible() || qobject_cast<QProgressDialog*>(dialog) ||
        dialog == m_answered || QApplication::activeWindow() != dialog || !focus ||
        !dialog->isAncestorOf(focus))
        return;
    if (m_next >= m_steps.size()) {
        ++m_lost;
        dialog->reject();
        return;
    }
    if (m_steps[m_next](dialog)) {
        m_answered = dialog;
        ++m_next;
        m_clock.restart();
    }
}

} // namespace ModalDriver
