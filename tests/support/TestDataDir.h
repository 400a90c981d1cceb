#pragma once

#include <QString>
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

// Makes a file unwritable even for root (chmod, then the immutable attribute), and undoes it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    /// True when a write to the file now fails.
    bool isReadOnly() const { return m_readOnly; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_readOnly = false;
};
