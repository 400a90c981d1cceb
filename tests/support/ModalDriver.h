#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>

// Drives modal dialogs from a test: the step runs once the next modal dialog is up, while the
// code under test sits in exec().
namespace ModalDriver {

/// Runs step on the next modal dialog; fails the test (closing nothing) after five seconds.
void OnNextModal(std::function<void(QDialog*)> step);

/// Fills a name-and-description dialog and presses OK; when the name is refused the dialog is
/// cancelled afterwards so that exec() returns.
void AnswerNameDialog(const QString& name, const QString& description = {});

/// The class name of the last dialog a step ran on.
QString LastDialogClass();

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
