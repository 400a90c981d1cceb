#include "ui/FileDialog.h"

#include <QFileDialog>

#include <deque>
#include <optional>

namespace {

struct TestState {
    bool on = false;
    std::deque<QString> names;
    QStringList titles;
};

TestState& State() {
    static TestState state;
    return state;
}

std::optional<QString> TestAnswer(const QString& title) {
    TestState& state = State();
    if (!state.on)
        return std::nullopt;
    state.titles.append(title);
    if (state.names.empty())
        return QString();
    QString name = state.names.front();
    state.names.pop_front();
    return name;
}

} // namespace

void FileDialog::SetTestMode(bool on) {
    State().on = on;
}

void FileDialog::SetNextName(const QString& name) {
    State().names.push_back(name);
}

QStringList& FileDialog::Titles() {
    return State().titles;
}

QString FileDialog::ChooseFolder(QWidget* parent, const QString& title) {
    if (auto answer = TestAnswer(title))
        return *answer;
    return QFileDialog::getExistingDirectory(parent, title);
}

QString FileDialog::ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter) {
    if (auto answer = TestAnswer(title))
        return *answer;
    return QFileDialog::getOpenFileName(parent, title, {}, filter);
}

QString FileDialog::ChooseSaveFile(QWidget* parent, const QString& title, const QString& fileName,
                                   const QString& filter) {
    if (auto answer = TestAnswer(title))
        return *answer;
    return QFileDialog::getSaveFileName(parent, title, fileName, filter);
}
