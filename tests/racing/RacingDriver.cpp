#include "RacingDriver.h"

#include "ui/DateTimeFields.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

namespace RacingDriver {

ModalDriver::Expectation OnDialog(std::function<void(QDialog*)> step) {
    return ModalDriver::OnNextModal([step](QDialog* dialog) {
        // A user meets the dialog active, with its focus where it starts.
        if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 2000))
            QTest::qFail("The dialog never became active", __FILE__, __LINE__);
        step(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Type(const QWidget* parent, const QString& name, const QString& text) {
    auto* edit = Find<QLineEdit>(parent, name);
    if (!edit)
        return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

void Click(const QWidget* parent, const QString& name) {
    if (auto* button = Find<QPushButton>(parent, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

void TypeDateTime(DateTimeFields* fields, const QString& date, const QString& time) {
    for (const auto& [edit, text] : {std::pair<QDateTimeEdit*, QString>{fields->DateEdit(), date},
                                     {fields->TimeEdit(), time}}) {
        if (text.isEmpty())
            continue;
        // As after a click on the first section: it is selected and typed over.
        edit->setFocus();
        edit->setSelectedSection(edit->sectionAt(0));
        TypeText(edit, text);
    }
}

void ChooseItem(const QWidget* parent, const QString& name, int index) {
    auto* box = Find<QComboBox>(parent, name);
    if (!box)
        return;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

} // namespace RacingDriver
