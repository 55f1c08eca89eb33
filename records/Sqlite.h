// A thin layer over SQLite's C interface: a connection that closes itself
// and a prepared statement that finalizes itself. Errors are SQLite's
// result codes; nothing throws.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zarvel::sql {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql) {
        rc_ = sqlite3_prepare_v2(db, sql.data(), int(sql.size()), &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // The first error of preparing, binding or stepping; SQLITE_OK if none.
    int rc() const { return rc_; }

    Statement& Bind(int index, std::int64_t value) { return Keep(sqlite3_bind_int64(stmt_, index, value)); }
    Statement& Bind(int index, std::string_view text) {
        return Keep(sqlite3_bind_text(stmt_, index, text.data(), int(text.size()), SQLITE_TRANSIENT));
    }
    Statement& BindBlob(int index, std::string_view bytes) {
        // A zero-length blob, not NULL, for an empty state.
        return Keep(bytes.empty() ? sqlite3_bind_zeroblob(stmt_, index, 0)
                                  : sqlite3_bind_blob(stmt_, index, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT));
    }
    Statement& BindNull(int index) { return Keep(sqlite3_bind_null(stmt_, index)); }

    // True while a row is there; false at the end or on an error (rc()).
    bool Step() {
        if (rc_ != SQLITE_OK) return false;
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) rc_ = rc;
        return false;
    }
    // Runs a statement that returns no rows, then makes it ready to run again.
    int Run() {
        while (Step()) {
        }
        sqlite3_reset(stmt_);
        return rc_;
    }

    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    double Real(int column) const { return sqlite3_column_double(stmt_, column); }
    std::string Text(int column) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return p ? std::string(p, std::size_t(sqlite3_column_bytes(stmt_, column))) : std::string();
    }
    std::string Blob(int column) const {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        return p ? std::string(p, std::size_t(sqlite3_column_bytes(stmt_, column))) : std::string();
    }

private:
    Statement& Keep(int rc) {
        if (rc_ == SQLITE_OK) rc_ = rc;
        return *this;
    }

    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

// Runs statements that return nothing wanted (rows are skipped).
inline int Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

}  // namespace zarvel::sql
