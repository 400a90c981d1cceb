#include "support/ModalDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace ModalDriver {

namespace {

QString& LastClass() {
    static QString name;
    return name;
}

void Poll(std::shared_ptr<std::function<void(QDialog*)>> step,
          std::shared_ptr<QElapsedTimer> clock) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible()) {
        LastClass() = QString::fromLatin1(dialog->metaObject()->className());
        (*step)(dialog);
        return;
    }
    if (clock->elapsed() > 5000) {
        QTest::qFail("No modal dialog was shown", __FILE__, __LINE__);
        return;
    }
    QTimer::singleShot(10, [step, clock] { Poll(step, clock); });
}

} // namespace

void OnNextModal(std::function<void(QDialog*)> step) {
    auto shared = std::make_shared<std::function<void(QDialog*)>>(std::move(step));
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, [shared, clock] { Poll(shared, clock); });
}

void AnswerNameDialog(const QString& name, const QString& description) {
    OnNextModal([name, description](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("name"))->setText(name);
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("description"))
            ->setPlainText(description);
        dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        if (dialog->isVisible())
            dialog->reject();
    });
}

QString LastDialogClass() {
    return LastClass();
}

NoDialogGuard::NoDialogGuard()
    : m_timer(new QTimer) {
    m_timer->setInterval(20);
    QObject::connect(m_timer, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++m_seen;
            dialog->reject();
        }
    });
    m_timer->start();
}

NoDialogGuard::~NoDialogGuard() {
    delete m_timer;
}

} // namespace ModalDriver
