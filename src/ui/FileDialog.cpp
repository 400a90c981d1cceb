#include "ui/FileDialog.h"

#include <QFileDialog>

using namespace Qt::StringLiterals;

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

QString FileDialog::QtFilter(const QString& pairs) {
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i].trimmed();
        if (label.isEmpty())
            break;
        // Qt reads the patterns from the last brackets, so the label's own are dropped.
        if (const qsizetype bracket = label.indexOf(u'('); bracket > 0)
            label = label.left(bracket).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns.append(pattern.trimmed() == u"*.*" ? QStringLiteral("*") : pattern.trimmed());
        patterns.removeDuplicates();
        filters.append(label + u" ("_s + patterns.join(u' ') + u')');
    }
    return filters.join(u";;"_s);
}

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
