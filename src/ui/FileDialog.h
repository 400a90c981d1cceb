// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every file and folder chooser goes through here, so that a test can choose in advance.
class FileDialog {
public:
    /// A folder, or nothing when the user cancels. The title, which may run to several lines, is
    /// shown inside the window; its first line is the caption.
    static QString ChooseFolder(QWidget* parent, const QString& title);
    static QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                                  const QString& folder = {});
    /// With selectedFilter, the dialog starts on that filter and hands back the one chosen.
    static QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& fileName,
                                  const QString& filter, QString* selectedFilter = nullptr);

    /// A filter written as "label|patterns|label|patterns||" (patterns split by ";") in the
    /// form Qt's dialogs take. Each label keeps its words; "*.*" means every file.
    static QString QtFilter(const QString& pairs);

    // Tests: with the test mode on, no dialog is shown; each call takes the next queued name
    // (nothing when none is queued).
    static void SetTestMode(bool on);
    static void SetNextName(const QString& name);
    /// The filter the next save dialog with a choice of filters hands back.
    static void SetNextFilter(const QString& filter);
    static QStringList& Titles();
    /// The filters the dialogs asked with, one per title (empty for a folder).
    static QStringList& Filters();
};
