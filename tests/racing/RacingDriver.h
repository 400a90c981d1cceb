#pragma once

#include "support/ModalDriver.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class DateTimeFields;

// Small drivers for the racing windows: every field is reached by its object name and filled
// with key presses, as a user fills it.
namespace RacingDriver {

template <typename T> T* Find(const QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (!child)
        QTest::qFail(qPrintable(QStringLiteral("No control named ") + name), __FILE__, __LINE__);
    return child;
}

/// Runs step on the next modal dialog once it is active, and closes the dialog afterwards if the
/// step left it open (a failed check returns early), so that a failure never leaves a test waiting.
[[nodiscard]] ModalDriver::Expectation OnDialog(std::function<void(QDialog*)> step);

/// Types text key by key, letters beyond ASCII too.
void TypeText(QWidget* widget, const QString& text);
/// Replaces a line edit's text by typing.
void Type(const QWidget* parent, const QString& name, const QString& text);
/// Clicks a button where a user would.
void Click(const QWidget* parent, const QString& name);
/// Types a date ("14/06/2025") and a time ("07:15:00") into a picker pair, as they read.
void TypeDateTime(DateTimeFields* fields, const QString& date, const QString& time);
/// Chooses an item of a combo box with the keyboard.
void ChooseItem(const QWidget* parent, const QString& name, int index);

} // namespace RacingDriver
