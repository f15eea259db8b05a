#include "registry/sqlite_database.h"

#include <sqlite3.h>

#include <thread>
#include <utility>

namespace vexlor {

namespace {

// The path as a file: URI, each byte that is not plainly safe as %XX.
std::string FileUri(const std::string& strPath, std::string_view strQuery) {
    constexpr char kHex[] = "0123456789ABCDEF";
    // An absolute path after an empty authority, so that "//x" stays a path.
    std::string strUri = strPath.starts_with('/') ? "file://" : "file:";
    for (const char ch : strPath) {
        const auto chByte = static_cast<unsigned char>(ch);
        const bool bPlain = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
                            std::string_view("/-_.~").find(ch) != std::string_view::npos;
        if (bPlain) {
            strUri += ch;
        } else {
            strUri += '%';
            strUri += kHex[chByte >> 4];
            strUri += kHex[chByte & 0xF];
        }
    }
    return strUri + "?" + std::string(strQuery);
}

// Before SQLite starts: no count of the memory it holds, which would take a
// lock at every allocation.
void ConfigureOnce() {
    static const bool bConfigured = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    (void)bConfigured;
}

}  // namespace

Database::Database(const std::string& strPath, OpenMode mode) {
    ConfigureOnce();
    // A connection is used by one thread at a time: it needs no lock of its own.
    int nFlags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    std::string strUri = FileUri(strPath, "mode=rw");
    switch (mode) {
        case OpenMode::ReadOnly:
            nFlags |= SQLITE_OPEN_READONLY;
            strUri = FileUri(strPath, "mode=ro");
            break;
        case OpenMode::Immutable:
            nFlags |= SQLITE_OPEN_READONLY;
            strUri = FileUri(strPath, "mode=ro&immutable=1");
            break;
        case OpenMode::ReadWrite: nFlags |= SQLITE_OPEN_READWRITE; break;
        case OpenMode::Create:
            nFlags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
            strUri = FileUri(strPath, "mode=rwc");
            break;
    }
    if (sqlite3_open_v2(strUri.c_str(), &m_pDb, nFlags, nullptr) != SQLITE_OK) {
        const std::string strMessage = m_pDb ? sqlite3_errmsg(m_pDb) : "out of memory";
        sqlite3_close(m_pDb);
        m_pDb = nullptr;
        throw DatabaseError("cannot open the database: " + strMessage);
    }
    sqlite3_extended_result_codes(m_pDb, 1);
}

Database::~Database() { sqlite3_close(m_pDb); }

Database::Database(Database&& other) noexcept
    : m_pDb(std::exchange(other.m_pDb, nullptr)), m_pWait(std::move(other.m_pWait)) {}

void Database::Execute(const char* pszSql) {
    if (sqlite3_exec(m_pDb, pszSql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail("");
}

bool Database::TryExecute(const char* pszSql) {
    const int nResult = sqlite3_exec(m_pDb, pszSql, nullptr, nullptr, nullptr);
    if ((nResult & 0xFF) == SQLITE_BUSY) return false;
    if (nResult != SQLITE_OK) Fail("");
    return true;
}

void Database::SetBusyWait(std::chrono::milliseconds limit, std::function<void()> onLongWait,
                           const std::atomic<bool>* pGiveUp) {
    m_pWait = std::make_unique<BusyWait>();
    m_pWait->limit = limit;
    m_pWait->onLongWait = std::move(onLongWait);
    m_pWait->pGiveUp = pGiveUp;
    sqlite3_busy_handler(m_pDb, &Database::OnBusy, m_pWait.get());
}

int Database::OnBusy(void* pWait, int nCalls) {
    auto& wait = *static_cast<BusyWait*>(pWait);
    const auto tNow = std::chrono::steady_clock::now();
    if (nCalls == 0) wait.tStart = tNow;
    if (tNow - wait.tStart >= wait.limit || (wait.pGiveUp != nullptr && wait.pGiveUp->load())) {
        return 0;  // give up: the statement fails as busy
    }
    if (!wait.bTold && tNow - wait.tStart >= std::chrono::seconds(1)) {
        wait.bTold = true;
        if (wait.onLongWait) wait.onLongWait();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 1;
}

void Database::Fail(std::string_view strWhat) const {
    std::string strMessage(strWhat);
    if (!strMessage.empty()) strMessage += ": ";
    if ((sqlite3_extended_errcode(m_pDb) & 0xFF) == SQLITE_BUSY) {
        throw DatabaseError(strMessage + "another program still holds the database");
    }
    throw DatabaseError(strMessage + sqlite3_errmsg(m_pDb));
}

Statement::Statement(Database& db, std::string_view strSql) : m_db(db) {
    if (sqlite3_prepare_v3(db.Handle(), strSql.data(), static_cast<int>(strSql.size()), SQLITE_PREPARE_PERSISTENT,
                           &m_pStatement, nullptr) != SQLITE_OK) {
        db.Fail("");
    }
}

Statement::~Statement() { sqlite3_finalize(m_pStatement); }

namespace {

int BindText(sqlite3_stmt* pStatement, int nIndex, std::string_view strText, sqlite3_destructor_type keep) {
    // An empty view may have no data pointer, which SQLite would bind as NULL.
    const char* pszText = strText.empty() ? "" : strText.data();
    return sqlite3_bind_text64(pStatement, nIndex, pszText, strText.size(), keep, SQLITE_UTF8);
}

}  // namespace

Statement& Statement::Bind(int nIndex, std::string_view strText) {
    if (BindText(m_pStatement, nIndex, strText, SQLITE_TRANSIENT) != SQLITE_OK) m_db.Fail("");
    return *this;
}

Statement& Statement::BindKept(int nIndex, std::string_view strText) {
    if (BindText(m_pStatement, nIndex, strText, SQLITE_STATIC) != SQLITE_OK) m_db.Fail("");
    return *this;
}

Statement& Statement::Bind(int nIndex, int64_t nValue) {
    if (sqlite3_bind_int64(m_pStatement, nIndex, nValue) != SQLITE_OK) m_db.Fail("");
    return *this;
}

bool Statement::Step() {
    const int nResult = sqlite3_step(m_pStatement);
    if (nResult == SQLITE_ROW) return true;
    if (nResult == SQLITE_DONE) return false;
    m_db.Fail("");
}

void Statement::Reset() {
    sqlite3_reset(m_pStatement);
    sqlite3_clear_bindings(m_pStatement);
}

std::string_view Statement::Text(int nColumn) const {
    const auto* pszText = reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, nColumn));
    if (pszText == nullptr) return {};
    return std::string_view(pszText, static_cast<size_t>(sqlite3_column_bytes(m_pStatement, nColumn)));
}

int64_t Statement::Int(int nColumn) const { return sqlite3_column_int64(m_pStatement, nColumn); }

ReadSnapshot::ReadSnapshot(Database& db) : m_db(db) { db.Execute("BEGIN"); }

ReadSnapshot::~ReadSnapshot() { sqlite3_exec(m_db.Handle(), "COMMIT", nullptr, nullptr, nullptr); }

WriteTransaction::WriteTransaction(Database& db) : m_db(db) { db.Execute("BEGIN IMMEDIATE"); }

WriteTransaction::~WriteTransaction() {
    if (m_bOpen) sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::Commit() {
    m_db.Execute("COMMIT");
    m_bOpen = false;
}

}  // namespace vexlor
