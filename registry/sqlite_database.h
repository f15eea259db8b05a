#pragma once
// A small owner of SQLite's C API: a connection, prepared statements and a
// write transaction, each released by its destructor. Every value reaches SQL
// through a bound parameter. Failures throw DatabaseError.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace vexlor {

class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class OpenMode {
    ReadOnly,   // reads only, and needs no right to write the file or its folder
    Immutable,  // ReadOnly, for a file that no one writes now: no locks, no journal
    ReadWrite,
    Create,     // ReadWrite; a missing file is created
};

class Database {
public:
    // Opens the database file; with bCreate a missing file is created.
    Database(const std::string& strPath, bool bCreate)
        : Database(strPath, bCreate ? OpenMode::Create : OpenMode::ReadWrite) {}
    Database(const std::string& strPath, OpenMode mode);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&&) = delete;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs SQL that takes no parameters and gives no rows.
    void Execute(const char* pszSql);
    // Execute, but false when the database is busy instead of throwing.
    bool TryExecute(const char* pszSql);
    // How long a writer waits for another one to finish; onLongWait is
    // called once when a wait has lasted a second; a wait ends early when
    // *pGiveUp is set.
    void SetBusyWait(std::chrono::milliseconds limit, std::function<void()> onLongWait,
                     const std::atomic<bool>* pGiveUp);
    // SQLite's message for the last failure, prefixed with strWhat.
    [[noreturn]] void Fail(std::string_view strWhat) const;

    sqlite3* Handle() const { return m_pDb; }

private:
    static int OnBusy(void* pDatabase, int nCalls);

    sqlite3* m_pDb = nullptr;
    struct BusyWait {
        std::chrono::milliseconds limit{0};
        std::function<void()> onLongWait;
        const std::atomic<bool>* pGiveUp = nullptr;
        std::chrono::steady_clock::time_point tStart;
        bool bTold = false;
    };
    std::unique_ptr<BusyWait> m_pWait;  // kept where SQLite's handler finds it when the Database moves
};

class Statement {
public:
    Statement(Database& db, std::string_view strSql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1, as in SQL.
    Statement& Bind(int nIndex, std::string_view strText);
    // Bind without a copy, for the texts of a statement run many times: the
    // text must stay as it is until the next Reset.
    Statement& BindKept(int nIndex, std::string_view strText);
    Statement& Bind(int nIndex, int64_t nValue);
    // Runs to the next row: true while there is one.
    bool Step();
    // Ready to run again; the parameters are cleared.
    void Reset();

    // Columns count from 0; the text stays valid until the next Step or Reset.
    std::string_view Text(int nColumn) const;
    int64_t Int(int nColumn) const;

private:
    Database& m_db;
    sqlite3_stmt* m_pStatement = nullptr;
};

// BEGIN: every statement until the end reads the database as the first one
// found it, whatever others write meanwhile.
class ReadSnapshot {
public:
    explicit ReadSnapshot(Database& db);
    ~ReadSnapshot();
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    Database& m_db;
};

// BEGIN IMMEDIATE: the write lock is taken at once (waiting out another
// writer up to the busy timeout), so the transaction never fails half-way for
// a lock. Rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(Database& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void Commit();

private:
    Database& m_db;
    bool m_bOpen = true;
};

}  // namespace vexlor
