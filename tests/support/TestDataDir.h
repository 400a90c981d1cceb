// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh, empty data folder for one test, made the program's InstallDir through VORNEL_HOME.
class TestDataDir {
public:
    TestDataDir();
    ~TestDataDir();
    TestDataDir(const TestDataDir&) = delete;
    TestDataDir& operator=(const TestDataDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString pigeonsDb() const { return path() + QStringLiteral("/db/pigeons.db"); }
    QString extraDb() const { return path() + QStringLiteral("/db/dodatkowe_informacje.db"); }
    /// Writes a small file with the given content and returns its path.
    QString makeFile(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};

// Makes files (or folders) unwritable for the code under test, whoever runs the tests: the files
// lose their write permission, and when the test runs as root (which ignores permissions) the
// process works as the user "nobody", owner of the data folder, until the guard goes. The folders
// on the way stay readable, so that reading still works.
class ReadOnlyFiles {
public:
    explicit ReadOnlyFiles(const QStringList& paths);
    ~ReadOnlyFiles();
    ReadOnlyFiles(const ReadOnlyFiles&) = delete;
    ReadOnlyFiles& operator=(const ReadOnlyFiles&) = delete;

    /// True when a write to each file now fails.
    bool isReadOnly() const { return m_readOnly; }

private:
    QStringList m_paths;
    QList<QFileDevice::Permissions> m_permissions;
    QString m_owned; // the data folder, while "nobody" has it
    bool m_switchedUser = false;
    bool m_readOnly = false;
};
