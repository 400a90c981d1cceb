#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

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
    Expectation(const Expectation&) = delete;
    Expectation& operator=(const Expectation&) = delete;

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
    ~NoDialogGuard();
    NoDialogGuard(const NoDialogGuard&) = delete;
    NoDialogGuard& operator=(const NoDialogGuard&) = delete;

    int dialogsSeen() const { return m_seen; }

private:
    QTimer* m_timer;
    int m_seen = 0;
};

} // namespace ModalDriver
