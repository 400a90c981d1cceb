// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <initializer_list>
#include <memory>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A value bound to a statement parameter. float is kept apart from double so that a record's
// single-precision field is bound exactly as held.
using SqlValue = std::variant<std::monostate, int, qint64, float, double, QString>;
using SqlValues = std::vector<SqlValue>;

// The outcome of a write. A refusal by a UNIQUE constraint is told apart from other failures,
// because callers pass over it silently while every other failure is shown to the user.
class DbResult {
public:
    enum class Status { Done, Refused, Failed };

    static DbResult Done() { return DbResult(Status::Done, {}); }
    static DbResult Refused(const QString& message) { return DbResult(Status::Refused, message); }
    static DbResult Failed(const QString& message) { return DbResult(Status::Failed, message); }

    bool ok() const { return m_status == Status::Done; }
    bool refused() const { return m_status == Status::Refused; }
    bool failed() const { return m_status == Status::Failed; }
    Status status() const { return m_status; }
    const QString& message() const { return m_message; }

private:
    DbResult(Status status, const QString& message)
        : m_status(status)
        , m_message(message) {}

    Status m_status;
    QString m_message;
};

// One connection and the statement under way on it. Both are released by the destructor, so no
// path through a loader or writer can leak a handle.
class DbSession {
public:
    DbSession();
    ~DbSession();
    DbSession(const DbSession&) = delete;
    DbSession& operator=(const DbSession&) = delete;

    /// Opens (creating when missing) the database file; new files get UTF-16le text.
    bool Open(const QString& path);
    /// Finalizes the statement and closes the connection.
    void Close();
    bool IsOpen() const { return m_db != nullptr; }

    /// Prepares and steps a statement once (CREATE, INSERT, UPDATE, DELETE).
    DbResult Run(const QString& sql, const SqlValues& values = {});
    /// Prepares and steps a query once; rows are then read while HasRow() holds.
    bool Query(const QString& sql, const SqlValues& values = {});
    bool HasRow() const { return m_hasRow; }
    /// Steps to the next row; false at the end or on an error (see LastError()).
    bool Next();

    int ColumnCount() const;
    bool IsNull(int column) const;
    int Int(int column) const;
    qint64 Int64(int column) const;
    QString Text(int column) const;
    float Real(int column) const;
    double Double(int column) const;

    /// Row id of the connection's last successful INSERT, cut to 32 bits.
    int LastInsertId() const;
    /// Rows changed by the last INSERT, UPDATE or DELETE.
    int Changes() const;
    /// SQLite's extended result code of the last failure, 0 when none.
    int LastErrorCode() const { return m_lastError; }
    const QString& LastError() const { return m_lastErrorText; }

    /// Opens path, runs one statement and closes.
    static DbResult Execute(const QString& path, const QString& sql, const SqlValues& values = {});

private:
    struct DbDeleter {
        void operator()(sqlite3* db) const;
    };
    struct StmtDeleter {
        void operator()(sqlite3_stmt* stmt) const;
    };

    bool Prepare(const QString& sql, const SqlValues& values);
    bool Step();
    void RecordError(int code);
    void ClearError();

    std::unique_ptr<sqlite3, DbDeleter> m_db;
    std::unique_ptr<sqlite3_stmt, StmtDeleter> m_stmt;
    bool m_hasRow = false;
    int m_lastError = 0;
    QString m_lastErrorText;
};

// Rolls back on destruction unless committed, so a failure halfway through an action leaves
// the file as it was.
class DbTransaction {
public:
    explicit DbTransaction(DbSession& session);
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    bool Begun() const { return m_begun; }
    DbResult Commit();

private:
    DbSession& m_session;
    bool m_begun = false;
    bool m_done = false;
};

// Maps a failed statement to the result a writer hands back.
DbResult ResultOfFailure(const DbSession& session);
