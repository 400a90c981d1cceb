// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

// Drives modal dialogs from a test: the step runs once the next modal dialog is up, while the
// code under test sits in exec().
namespace ModalDriver {

struct StepState;

// What a test keeps of a scheduled step. When the test's handle goes out of scope, a step that
// never met its dialog fails the test that scheduled it (together with every step scheduled from
// inside it), so a missing window can never pass unnoticed.
class [[nodiscard]] Expectation {
public:
    explicit Expectation(std::shared_ptr<StepState> state);
    ~Expectation();
    Expectation(Expectation&&) = default;

    /// True once the step has run on a dialog.
    bool Shown() const;
    /// The class name of the dialog the step ran on.
    QString DialogClass() const;

private:
    std::shared_ptr<StepState> m_state;
    size_t m_mark = 0;
    bool m_topLevel = true;
};

/// Runs step on the next modal dialog that is shown and active; gives up after five seconds.
[[nodiscard]] Expectation OnNextModal(std::function<void(QDialog*)> step);

/// Fills a name-and-description dialog and presses OK; when the name is refused the dialog is
/// cancelled afterwards so that exec() returns.
[[nodiscard]] Expectation AnswerNameDialog(const QString& name, const QString& description = {});

/// Shows a window, makes it the active one and waits until it is; false when it never is.
bool ShowFocused(QWidget* window);

/// Types text into a widget key by key, letters beyond ASCII included (QTest::keyClicks takes
/// ASCII only).
void TypeText(QWidget* widget, const QString& text);

// While it lives, any modal dialog that comes up is rejected and counted: for checking that a
// command shows nothing.
class NoDialogGuard {
public:
    NoDialogGuard();

    int dialogsSeen() const { return m_seen; }

private:
    QTimer m_timer;
    int m_seen = 0;
};

// Answers the windows that come up, in order, each once it is the active window and holds the
// keyboard focus, as a user answers them; progress windows are left alone. It looks from the
// event loop, so the window system's activation is never held up by a step. A step returns
// false to be asked again at the next look. A window no step expects, or one left unanswered
// for ten seconds, is rejected; a step that never ran or a rejected window fails the test when
// the script goes.
class [[nodiscard]] WindowScript : public QObject {
public:
    using Step = std::function<bool(QDialog*)>;

    explicit WindowScript(std::vector<Step> steps);
    ~WindowScript() override;

    /// A key into the focused widget; true when it closed the window (one left open is closed).
    static bool Press(QDialog* dialog, Qt::Key key);
    /// Tabs to the button with this text, as a user does, and presses Space.
    static bool PressButton(QDialog* dialog, const QString& text);
    /// True when the window is closed; one left open is closed and false.
    static bool Closed(QDialog* dialog);

private:
    void Look();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_lost = 0;
    QPointer<QDialog> m_answered; // a pointer: the next window may take the same address
    QTimer m_timer;
    QElapsedTimer m_clock;
};

} // namespace ModalDriver
