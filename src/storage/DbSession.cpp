// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/DbSession.h"

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const void* Utf16(const QString& text) {
    return text.utf16();
}

// Byte length of a UTF-16 string, as the *16 functions want it; a NUL inside the text is kept.
int Utf16Bytes(const QString& text) {
    return static_cast<int>(text.size() * 2);
}

} // namespace

void DbSession::DbDeleter::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

void DbSession::StmtDeleter::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

DbSession::DbSession() {
    // All database work runs on one thread, so SQLite's per-call locking of a connection is
    // pure cost; it must be chosen before the library is first used.
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
        return true;
    }();
    Q_UNUSED(configured);
}

DbSession::~DbSession() {
    Close();
}

bool DbSession::Open(const QString& path) {
    Close();
    ClearError();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open16(Utf16(path), &db);
    m_db.reset(db);
    if (rc != SQLITE_OK) {
        RecordError(rc);
        m_db.reset();
        return false;
    }
    sqlite3_extended_result_codes(m_db.get(), 1);
    // Takes effect only on a new, empty file; the files have always been UTF-16le.
    sqlite3_exec(m_db.get(), "PRAGMA encoding = 'UTF-16le';", nullptr, nullptr, nullptr);
    // A second program reading the file (a backup running) should delay a write, not fail it.
    sqlite3_busy_timeout(m_db.get(), 2000);
    return true;
}

void DbSession::Close() {
    m_hasRow = false;
    m_stmt.reset();
    m_db.reset();
}

void DbSession::ClearError() {
    m_lastError = 0;
    m_lastErrorText.clear();
}

void DbSession::RecordError(int code) {
    m_lastError = m_db ? sqlite3_extended_errcode(m_db.get()) : code;
    if (m_lastError == SQLITE_OK)
        m_lastError = code;
    if (m_db) {
        const auto* text = static_cast<const char16_t*>(sqlite3_errmsg16(m_db.get()));
        m_lastErrorText = QString::fromUtf16(text);
    } else {
        m_lastErrorText = QString::fromUtf8(sqlite3_errstr(code));
    }
}

bool DbSession::Prepare(const QString& sql, const SqlValues& values) {
    m_hasRow = false;
    m_stmt.reset();
    ClearError();
    if (!m_db) {
        m_lastError = SQLITE_MISUSE;
        m_lastErrorText = u"The database file is not open."_s;
        return false;
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare16_v2(m_db.get(), Utf16(sql), Utf16Bytes(sql), &stmt, nullptr);
    m_stmt.reset(stmt);
    if (rc != SQLITE_OK || !stmt) {
        RecordError(rc == SQLITE_OK ? SQLITE_MISUSE : rc);
        m_stmt.reset();
        return false;
    }
    int index = 1;
    for (const SqlValue& value : values) {
        int bound = SQLITE_OK;
        if (const auto* i = std::get_if<int>(&value))
            bound = sqlite3_bind_int(stmt, index, *i);
        else if (const auto* l = std::get_if<qint64>(&value))
            bound = sqlite3_bind_int64(stmt, index, *l);
        else if (const auto* f = std::get_if<float>(&value))
            bound = sqlite3_bind_double(stmt, index, static_cast<double>(*f));
        else if (const auto* d = std::get_if<double>(&value))
            bound = sqlite3_bind_double(stmt, index, *d);
        else if (const auto* s = std::get_if<QString>(&value))
            bound = sqlite3_bind_text16(stmt, index, Utf16(*s), Utf16Bytes(*s), SQLITE_TRANSIENT);
        else
            bound = sqlite3_bind_null(stmt, index);
        if (bound != SQLITE_OK) {
            RecordError(bound);
            m_stmt.reset();
            return false;
        }
        ++index;
    }
    return true;
}

bool DbSession::Step() {
    const int rc = sqlite3_step(m_stmt.get());
    m_hasRow = rc == SQLITE_ROW;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        RecordError(rc);
        return false;
    }
    return true;
}

DbResult DbSession::Run(const QString& sql, const SqlValues& values) {
    if (!Prepare(sql, values) || !Step()) {
        m_stmt.reset();
        m_hasRow = false;
        return ResultOfFailure(*this);
    }
    m_stmt.reset();
    m_hasRow = false;
    return DbResult::Done();
}

bool DbSession::Query(const QString& sql, const SqlValues& values) {
    if (!Prepare(sql, values))
        return false;
    if (!Step()) {
        m_stmt.reset();
        return false;
    }
    return true;
}

bool DbSession::Next() {
    if (!m_stmt || !m_hasRow)
        return false;
    if (!Step())
        m_stmt.reset();
    return m_hasRow;
}

int DbSession::ColumnCount() const {
    return m_hasRow ? sqlite3_column_count(m_stmt.get()) : 0;
}

bool DbSession::IsNull(int column) const {
    return !m_hasRow || sqlite3_column_type(m_stmt.get(), column) == SQLITE_NULL;
}

int DbSession::Int(int column) const {
    return m_hasRow ? sqlite3_column_int(m_stmt.get(), column) : 0;
}

qint64 DbSession::Int64(int column) const {
    return m_hasRow ? sqlite3_column_int64(m_stmt.get(), column) : 0;
}

QString DbSession::Text(int column) const {
    if (!m_hasRow)
        return {};
    const void* text = sqlite3_column_text16(m_stmt.get(), column);
    if (!text)
        return {};
    const int bytes = sqlite3_column_bytes16(m_stmt.get(), column);
    return QString(reinterpret_cast<const QChar*>(text), bytes / 2);
}

float DbSession::Real(int column) const {
    return m_hasRow ? static_cast<float>(sqlite3_column_double(m_stmt.get(), column)) : 0.0f;
}

double DbSession::Double(int column) const {
    return m_hasRow ? sqlite3_column_double(m_stmt.get(), column) : 0.0;
}

int DbSession::LastInsertId() const {
    return m_db ? static_cast<int>(sqlite3_last_insert_rowid(m_db.get())) : 0;
}

int DbSession::Changes() const {
    return m_db ? sqlite3_changes(m_db.get()) : 0;
}

DbResult DbSession::Execute(const QString& path, const QString& sql, const SqlValues& values) {
    DbSession session;
    if (!session.Open(path))
        return ResultOfFailure(session);
    return session.Run(sql, values);
}

DbResult ResultOfFailure(const DbSession& session) {
    const QString message = session.LastError().isEmpty() ? u"The database could not be written."_s
                                                          : session.LastError();
    if (session.LastErrorCode() == SQLITE_CONSTRAINT_UNIQUE)
        return DbResult::Refused(message);
    return DbResult::Failed(message);
}

DbTransaction::DbTransaction(DbSession& session)
    : m_session(session) {
    m_begun = m_session.Run(u"BEGIN IMMEDIATE;"_s).ok();
}

DbTransaction::~DbTransaction() {
    if (m_begun && !m_done)
        m_session.Run(u"ROLLBACK;"_s);
}

DbResult DbTransaction::Commit() {
    if (!m_begun)
        return DbResult::Failed(u"The database could not be locked for writing."_s);
    DbResult result = m_session.Run(u"COMMIT;"_s);
    if (result.ok())
        m_done = true;
    return result;
}
