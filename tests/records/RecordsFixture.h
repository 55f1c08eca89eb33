// A private folder per test, a look into the file beside the records layer,
// and the troubles it told.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Records.h"

namespace zarvel::test {

namespace fs = std::filesystem;

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zarvel-records-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        db = (folder / "zarvel" / "zarvel.db").string();
    }
    void TearDown() override {
        std::error_code ec;
        // Folders a test made read-only must be writable to be removed.
        for (auto it = fs::recursive_directory_iterator(folder, ec); it != fs::recursive_directory_iterator(); ++it)
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder, ec);
    }

    // Records on the test's file, remembering what they told.
    std::unique_ptr<Records> Open(const std::string& path = {}) {
        return std::make_unique<Records>(path.empty() ? db : path,
                                         [this](const RecordsTrouble& t) { troubles.push_back(t); });
    }

    // The first column of the first row of a query, as text ("" if none).
    static std::string Query(const std::string& path, const std::string& sql) {
        sqlite3* raw = nullptr;
        std::string result;
        if (sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
                if (const unsigned char* text = sqlite3_column_text(stmt, 0)) result = reinterpret_cast<const char*>(text);
            sqlite3_finalize(stmt);
        }
        sqlite3_close_v2(raw);
        return result;
    }
    // Every row of a query, its columns joined by "|".
    static std::vector<std::string> Rows(const std::string& path, const std::string& sql) {
        sqlite3* raw = nullptr;
        std::vector<std::string> rows;
        if (sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK)
                while (sqlite3_step(stmt) == SQLITE_ROW) {
                    std::string row;
                    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                        if (c) row += '|';
                        if (const unsigned char* t = sqlite3_column_text(stmt, c)) row += reinterpret_cast<const char*>(t);
                    }
                    rows.push_back(row);
                }
            sqlite3_finalize(stmt);
        }
        sqlite3_close_v2(raw);
        return rows;
    }
    static int Exec(const std::string& path, const std::string& sql) {
        sqlite3* raw = nullptr;
        int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close_v2(raw);
        return rc;
    }

    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Put(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // A finished game: `names` in turn order (a name "#n" is computer style n),
    // `scores` their final scores; the first seat went out.
    static GameRecord Game(std::vector<std::string> names, std::vector<std::int32_t> scores, int winner,
                           int target = 5000, std::int64_t when = 1'700'000'000) {
        GameRecord g;
        g.finishedAt = when;
        g.target = target;
        g.breakIn = 500;
        g.winner = winner;
        g.wentOut = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            SeatRecord s;
            s.seat = names[i].starts_with('#') ? Player{"Computer", std::atoi(names[i].c_str() + 1)} : Player{names[i]};
            s.finalScore = scores[i];
            s.bestTurn = scores[i] / 4;
            s.turns = 10;
            s.zarvels = int(i);
            g.turns += s.turns;
            g.seats.push_back(s);
        }
        return g;
    }

    fs::path folder;
    std::string db;
    std::vector<RecordsTrouble> troubles;
};

}  // namespace zarvel::test
