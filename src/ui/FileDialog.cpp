// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct TestState {
    bool on = false;
    std::deque<QString> names;
    QString nextFilter;
    QStringList titles;
    QStringList filters;
};

TestState& State() {
    static TestState state;
    return state;
}

std::optional<QString> TestAnswer(const QString& title, const QString& filter = {}) {
    TestState& state = State();
    if (!state.on)
        return std::nullopt;
    state.titles.append(title);
    state.filters.append(filter);
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

QStringList& FileDialog::Filters() {
    return State().filters;
}

QString FileDialog::ChooseFolder(QWidget* parent, const QString& title) {
    if (auto answer = TestAnswer(title))
        return *answer;
    // The text is an instruction that may run to several lines, so it is shown inside the
    // window, above the folders, as the shell's folder browser does; the caption is its first
    // line. Qt's own dialog, because a native one cannot carry the label.
    QString text = title;
    text.replace(u"\r\n"_s, u"\n"_s);
    QFileDialog dialog(parent, text.section(u'\n', 0, 0).trimmed());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    auto* instruction = new QLabel(text, &dialog);
    instruction->setObjectName(u"instruction"_s);
    instruction->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        // Every item one row down, the label in the free top row.
        std::vector<std::array<int, 4>> places;
        std::vector<QLayoutItem*> items;
        while (grid->count() > 0) {
            std::array<int, 4> place{};
            grid->getItemPosition(0, &place[0], &place[1], &place[2], &place[3]);
            places.push_back(place);
            items.push_back(grid->takeAt(0));
        }
        for (size_t i = 0; i < items.size(); ++i)
            grid->addItem(items[i], places[i][0] + 1, places[i][1], places[i][2], places[i][3]);
        grid->addWidget(instruction, 0, 0, 1, std::max(1, grid->columnCount()));
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString FileDialog::ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& folder) {
    if (auto answer = TestAnswer(title, filter))
        return *answer;
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString FileDialog::ChooseSaveFile(QWidget* parent, const QString& title, const QString& fileName,
                                   const QString& filter, QString* selectedFilter) {
    if (auto answer = TestAnswer(title, filter)) {
        if (selectedFilter && !State().nextFilter.isEmpty())
            *selectedFilter = State().nextFilter;
        State().nextFilter.clear();
        return *answer;
    }
    return QFileDialog::getSaveFileName(parent, title, fileName, filter, selectedFilter);
}

void FileDialog::SetNextFilter(const QString& filter) {
    State().nextFilter = filter;
}
