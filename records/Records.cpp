#include "Records.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#include "Sqlite.h"

namespace zarvel {

namespace fs = std::filesystem;

namespace {

// Each step brings the file from the version before it to its own number
// (its position + 1). Steps are never changed once released: a new layout
// is a new step.
constexpr std::array<const char*, Records::kVersion> kMigrations{
    // 1: the history, and the seats of the last game started.
    R"(
    CREATE TABLE game(
      id INTEGER PRIMARY KEY,
      finished_at INTEGER NOT NULL,
      target INTEGER NOT NULL,
      break_in INTEGER NOT NULL,
      turns INTEGER NOT NULL,
      winner INTEGER NOT NULL,
      went_out INTEGER NOT NULL);
    CREATE INDEX game_by_target ON game(target);
    CREATE TABLE game_seat(
      game_id INTEGER NOT NULL REFERENCES game(id) ON DELETE CASCADE,
      seat INTEGER NOT NULL,
      name TEXT NOT NULL,
      style INTEGER NOT NULL,
      final_score INTEGER NOT NULL,
      best_turn INTEGER NOT NULL,
      turns INTEGER NOT NULL,
      zarvels INTEGER NOT NULL,
      PRIMARY KEY(game_id, seat)) WITHOUT ROWID;
    CREATE TABLE last_setup(
      id INTEGER PRIMARY KEY CHECK(id = 1),
      players INTEGER NOT NULL);
    CREATE TABLE last_seat(
      seat INTEGER PRIMARY KEY,
      name TEXT NOT NULL,
      computer INTEGER NOT NULL,
      style INTEGER NOT NULL);
    )",
    // 2: the games in play, one per running copy of the program.
    R"(
    CREATE TABLE saved_game(
      slot INTEGER PRIMARY KEY,
      saved_at INTEGER NOT NULL,
      format INTEGER NOT NULL,
      state BLOB NOT NULL,
      recorded INTEGER NOT NULL,
      target INTEGER NOT NULL,
      break_in INTEGER NOT NULL,
      turns INTEGER NOT NULL,
      went_out INTEGER NOT NULL);
    CREATE TABLE saved_seat(
      slot INTEGER NOT NULL REFERENCES saved_game(slot) ON DELETE CASCADE,
      seat INTEGER NOT NULL,
      name TEXT NOT NULL,
      style INTEGER NOT NULL,
      final_score INTEGER NOT NULL,
      best_turn INTEGER NOT NULL,
      turns INTEGER NOT NULL,
      zarvels INTEGER NOT NULL,
      PRIMARY KEY(slot, seat)) WITHOUT ROWID;
    )",
};

// A file that is no database of ours: keep it aside rather than fail on
// it at every start. Anything else (permissions, a full disk, another copy
// holding a lock too long) leaves the file as it is.
bool Unreadable(int rc) {
    rc &= 0xFF;
    return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

// A lock on byte `slot` of the lock file: F_WRLCK takes it, F_UNLCK lets
// it go, and `test` only asks whether another process holds it.
bool SlotLock(int fd, std::int64_t slot, short type, bool test = false) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(slot);
    lock.l_len = 1;
    if (test) return fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    return fcntl(fd, F_SETLK, &lock) == 0;
}

std::int64_t NewSlot() {
    std::random_device device;
    std::uniform_int_distribution<std::int64_t> pick(1, (std::int64_t(1) << 62));
    return pick(device);
}

// The seats of a game or of a saved game: both tables have these columns
// after their key.
int InsertSeats(sqlite3* db, const char* sqlText, std::int64_t key, const std::vector<SeatRecord>& seats) {
    sql::Statement insert(db, sqlText);
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const SeatRecord& s = seats[i];
        insert.Bind(1, key).Bind(2, std::int64_t(i)).Bind(3, s.seat.name).Bind(4, s.seat.style);
        insert.Bind(5, s.finalScore).Bind(6, s.bestTurn).Bind(7, s.turns).Bind(8, s.zarvels);
        if (const int rc = insert.Run()) return rc;
    }
    return insert.rc();
}

SeatRecord ReadSeat(const sql::Statement& row, int first) {
    SeatRecord s;
    s.seat.name = row.Text(first);
    s.seat.style = int(row.Int(first + 1));
    s.finalScore = std::int32_t(row.Int(first + 2));
    s.bestTurn = std::int32_t(row.Int(first + 3));
    s.turns = int(row.Int(first + 4));
    s.zarvels = int(row.Int(first + 5));
    return s;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

}  // namespace

std::string DefaultRecordsPath() {
    // As the desktop's base folders say: a relative XDG_DATA_HOME is ignored.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string base = xdg && xdg[0] == '/' ? std::string(xdg) : HomeFolder() + "/.local/share";
    return base + "/zarvel/zarvel.db";
}

std::vector<std::string> SavedGame::Names() const {
    std::vector<std::string> names;
    for (const SeatRecord& s : tally.progress().seats) names.push_back(s.seat.name);
    return names;
}

Records::Records(std::string path, TroubleHandler onTrouble)
    : path_(std::move(path)), onTrouble_(std::move(onTrouble)), slot_(NewSlot()) {
    std::error_code ec;
    if (const fs::path folder = fs::path(path_).parent_path(); !folder.empty()) fs::create_directories(folder, ec);
    if (ec) {
        Tell(RecordsTrouble::Kind::CannotWrite, {}, ec.message());
        return;
    }

    std::string detail;
    sql::Connection suspect;
    Opened opened = Open(detail, suspect);
    if (opened == Opened::Unreadable) {
        // Moved while SQLite still holds it: closing it first could tidy
        // away the log that belongs to it.
        std::string keptAs, why;
        const bool kept = KeepAside(keptAs, why);
        suspect.reset();
        if (!kept) {
            Tell(RecordsTrouble::Kind::CannotWrite, {}, why);
            return;
        }
        Tell(RecordsTrouble::Kind::KeptAside, keptAs, detail);
        opened = Open(detail, suspect);
        suspect.reset();
    }
    if (opened == Opened::Newer) Tell(RecordsTrouble::Kind::Newer, {}, detail);
    else if (opened != Opened::Ok) Tell(RecordsTrouble::Kind::CannotWrite, {}, detail);
    if (db_) slotLocks_ = open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
}

Records::~Records() {
    sqlite3_close_v2(db_);
    if (slotLocks_ >= 0) close(slotLocks_);
}

bool Records::Claim(std::int64_t slot) {
    if (slotClaimed_ && slot == slot_) return true;
    if (slotLocks_ >= 0) {
        if (SlotLock(slotLocks_, slot, F_WRLCK, true)) return false;
        if (!SlotLock(slotLocks_, slot, F_WRLCK)) {
            if (errno == EACCES || errno == EAGAIN) return false;  // taken just now
            // A file system without locks: every copy has the slots to itself.
            close(slotLocks_);
            slotLocks_ = -1;
        }
        if (slotClaimed_ && slotLocks_ >= 0) SlotLock(slotLocks_, slot_, F_UNLCK);
    }
    slot_ = slot;
    slotClaimed_ = true;
    return true;
}

void Records::Tell(RecordsTrouble::Kind kind, std::string keptAs, std::string detail) {
    if (onTrouble_) onTrouble_(RecordsTrouble{kind, path_, std::move(keptAs), std::move(detail)});
}

Records::Opened Records::Open(std::string& detail, sql::Connection& db) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db.reset(raw);
    const auto failed = [&](int code) {
        detail = db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(code);
        return Unreadable(code) ? Opened::Unreadable : Opened::Failed;
    };
    if (rc != SQLITE_OK) return failed(rc);
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    if (sqlite3_db_readonly(db.get(), "main") == 1) {
        detail = "the file is read-only";
        return Opened::Failed;
    }

    // Read before anything is written: a newer version's file, or one
    // that is not a sound database, stays exactly as it is.
    int version = 0;
    {
        sql::Statement v(db.get(), "PRAGMA user_version");
        if (!v.Step()) return failed(v.rc());
        version = int(v.Int(0));
        sql::Statement check(db.get(), "PRAGMA quick_check");
        if (!check.Step()) return failed(check.rc());
        if (check.Text(0) != "ok") {
            detail = check.Text(0);
            return Opened::Unreadable;
        }
    }
    if (version > kVersion) {
        detail = "version " + std::to_string(version);
        return Opened::Newer;
    }

    // The write-ahead log: a write appends to it without waiting for the
    // disk, readers and a second copy of the program are not blocked, and
    // a process killed in the middle of a write leaves the file sound.
    // Switching a new file to it needs the file to itself, and SQLite does
    // not wait for that: a second copy started at the same moment waits here.
    int w = SQLITE_OK;
    for (int waited = 0; waited <= kBusyTimeoutMs; waited += 10) {
        w = sql::Exec(db.get(), "PRAGMA journal_mode=WAL");
        if ((w & 0xFF) != SQLITE_BUSY && (w & 0xFF) != SQLITE_LOCKED) break;
        sqlite3_sleep(10);
    }
    if (w) return failed(w);
    if (const int w = sql::Exec(db.get(), "PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON")) return failed(w);

    db_ = db.release();
    const Opened migrated = Migrate(detail);
    if (migrated != Opened::Ok) {
        db.reset(db_);
        db_ = nullptr;
    }
    return migrated;
}

// Brings the file up to kVersion in one transaction, so that two copies
// started at once do it once.
Records::Opened Records::Migrate(std::string& detail) {
    const auto version = [this] {
        sql::Statement v(db_, "PRAGMA user_version");
        return v.Step() ? int(v.Int(0)) : -1;
    };
    if (version() == kVersion) return Opened::Ok;
    int rc = sql::Exec(db_, "BEGIN IMMEDIATE");
    const int from = rc == SQLITE_OK ? version() : 0;
    if (from > kVersion) {
        sql::Exec(db_, "ROLLBACK");
        detail = "version " + std::to_string(from);
        return Opened::Newer;
    }
    for (int step = from + 1; rc == SQLITE_OK && step <= kVersion; ++step) {
        rc = sql::Exec(db_, kMigrations[std::size_t(step - 1)]);
        if (rc == SQLITE_OK) rc = sql::Exec(db_, ("PRAGMA user_version=" + std::to_string(step)).c_str());
    }
    if (rc == SQLITE_OK) rc = sql::Exec(db_, "COMMIT");
    if (rc == SQLITE_OK) return Opened::Ok;
    detail = sqlite3_errmsg(db_);
    if (!sqlite3_get_autocommit(db_)) sql::Exec(db_, "ROLLBACK");
    // Tables of the same names laid out otherwise: a file that is not ours.
    return Unreadable(rc) || (rc & 0xFF) == SQLITE_ERROR ? Opened::Unreadable : Opened::Failed;
}

bool Records::KeepAside(std::string& keptAs, std::string& detail) {
    // Never over an earlier copy: the first free of ".bad", ".bad1", ...
    std::string copy = path_ + ".bad";
    for (int n = 1; fs::exists(fs::symlink_status(copy)) || fs::exists(fs::symlink_status(copy + "-wal")); ++n)
        copy = path_ + ".bad" + std::to_string(n);
    std::error_code ec;
    fs::rename(path_, copy, ec);
    if (ec) {
        detail = ec.message();
        return false;
    }
    // Its log goes with it, where SQLite looks for it beside the copy: left
    // here it would be read into the new file. The shared-memory index is
    // rebuilt from the log whenever needed.
    for (const char* part : {"-wal", "-journal"})
        if (fs::exists(fs::symlink_status(path_ + part))) fs::rename(path_ + part, copy + part, ec);
    fs::remove(path_ + "-shm", ec);
    keptAs = copy;
    return true;
}

bool Records::Write(const std::function<int()>& body) {
    if (!db_) return false;
    int rc = sql::Exec(db_, "BEGIN IMMEDIATE");
    if (rc == SQLITE_OK) rc = body();
    if (rc == SQLITE_OK) rc = sql::Exec(db_, "COMMIT");
    if (rc == SQLITE_OK) {
        writeTroubleTold_ = false;
        return true;
    }
    std::string detail = sqlite3_errmsg(db_);
    if (!sqlite3_get_autocommit(db_)) sql::Exec(db_, "ROLLBACK");
    if (!writeTroubleTold_) {
        writeTroubleTold_ = true;
        Tell(RecordsTrouble::Kind::CannotWrite, {}, std::move(detail));
    }
    return false;
}

bool Records::RecordGame(const GameRecord& game) {
    if (game.seats.empty() || game.winner < 0 || std::size_t(game.winner) >= game.seats.size()) return false;
    return Write([&] { return InsertGame(game); });
}

bool Records::FinishGame(const GameRecord& game) {
    if (game.seats.empty() || game.winner < 0 || std::size_t(game.winner) >= game.seats.size()) return false;
    return Write([&] {
        if (const int rc = InsertGame(game)) return rc;
        return DeleteSavedGame();
    });
}

int Records::InsertGame(const GameRecord& game) {
    sql::Statement insert(db_,
                          "INSERT INTO game(finished_at, target, break_in, turns, winner, went_out) "
                          "VALUES(?, ?, ?, ?, ?, ?)");
    insert.Bind(1, game.finishedAt).Bind(2, game.target).Bind(3, game.breakIn).Bind(4, game.turns);
    insert.Bind(5, game.winner).Bind(6, game.wentOut);
    if (const int rc = insert.Run()) return rc;
    return InsertSeats(db_,
                       "INSERT INTO game_seat(game_id, seat, name, style, final_score, best_turn, turns, zarvels) "
                       "VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
                       sqlite3_last_insert_rowid(db_), game.seats);
}

bool Records::ResetStatistics() {
    return Write([this] { return sql::Exec(db_, "DELETE FROM game_seat; DELETE FROM game"); });
}

bool Records::SaveLastSeats(const LastSeats& seats) {
    return Write([&] {
        if (const int rc = sql::Exec(db_, "DELETE FROM last_seat; DELETE FROM last_setup")) return rc;
        sql::Statement setup(db_, "INSERT INTO last_setup(id, players) VALUES(1, ?)");
        if (const int rc = setup.Bind(1, seats.count).Run()) return rc;
        sql::Statement insert(db_, "INSERT INTO last_seat(seat, name, computer, style) VALUES(?, ?, ?, ?)");
        for (std::size_t i = 0; i < seats.seats.size(); ++i) {
            const LastSeat& s = seats.seats[i];
            insert.Bind(1, std::int64_t(i)).Bind(2, s.name).Bind(3, s.computer ? 1 : 0).Bind(4, s.style);
            if (const int rc = insert.Run()) return rc;
        }
        return insert.rc();
    });
}

std::optional<LastSeats> Records::LoadLastSeats() const {
    if (!db_) return std::nullopt;
    sql::Exec(db_, "BEGIN");
    std::optional<LastSeats> result;
    sql::Statement setup(db_, "SELECT players FROM last_setup");
    if (setup.Step()) {
        result.emplace();
        result->count = int(setup.Int(0));
        sql::Statement seat(db_, "SELECT name, computer, style FROM last_seat ORDER BY seat");
        while (seat.Step()) result->seats.push_back(LastSeat{seat.Text(0), seat.Int(1) != 0, int(seat.Int(2))});
    }
    sql::Exec(db_, "COMMIT");
    return result;
}

bool Records::SaveGame(const SavedGame& game) {
    const GameRecord& g = game.tally.progress();
    // Never in a slot another running copy holds: then in a new one.
    if (!Claim(slot_))
        while (!Claim(NewSlot())) {
        }
    return Write([&] {
        sql::Statement drop(db_, "DELETE FROM saved_seat WHERE slot = ?1");
        if (const int rc = drop.Bind(1, slot_).Run()) return rc;
        sql::Statement insert(db_,
                              "INSERT OR REPLACE INTO saved_game(slot, saved_at, format, state, recorded, target, "
                              "break_in, turns, went_out) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        insert.Bind(1, slot_).Bind(2, NowSeconds()).Bind(3, game.format).BindBlob(4, game.state);
        insert.Bind(5, game.tally.recorded() ? 1 : 0).Bind(6, g.target).Bind(7, g.breakIn).Bind(8, g.turns);
        insert.Bind(9, g.wentOut);
        if (const int rc = insert.Run()) return rc;
        return InsertSeats(db_,
                           "INSERT INTO saved_seat(slot, seat, name, style, final_score, best_turn, turns, zarvels) "
                           "VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
                           slot_, g.seats);
    });
}

bool Records::DropSavedGame() {
    return Write([this] { return DeleteSavedGame(); });
}

int Records::DeleteSavedGame() {
    sql::Statement drop(db_, "DELETE FROM saved_seat WHERE slot = ?1");
    if (const int rc = drop.Bind(1, slot_).Run()) return rc;
    sql::Statement game(db_, "DELETE FROM saved_game WHERE slot = ?1");
    return game.Bind(1, slot_).Run();
}

void Records::LeaveSavedGame() {
    if (slotClaimed_ && slotLocks_ >= 0) SlotLock(slotLocks_, slot_, F_UNLCK);
    slotClaimed_ = false;
    slot_ = NewSlot();
}

std::optional<SavedGame> Records::LoadSavedGame() {
    if (!db_) return std::nullopt;
    sql::Exec(db_, "BEGIN");
    std::optional<SavedGame> result;
    sql::Statement newest(db_,
                          "SELECT slot, saved_at, format, state, recorded, target, break_in, turns, went_out "
                          "FROM saved_game ORDER BY saved_at DESC, slot DESC");
    // Another copy's game in play is not offered: it is still being played.
    bool found = false;
    while (newest.Step())
        if ((found = Claim(newest.Int(0)))) break;
    if (found) {
        GameRecord progress;
        progress.target = int(newest.Int(5));
        progress.breakIn = int(newest.Int(6));
        progress.turns = int(newest.Int(7));
        progress.wentOut = int(newest.Int(8));
        sql::Statement seats(db_,
                             "SELECT name, style, final_score, best_turn, turns, zarvels FROM saved_seat "
                             "WHERE slot = ? ORDER BY seat");
        seats.Bind(1, newest.Int(0));
        while (seats.Step()) progress.seats.push_back(ReadSeat(seats, 0));
        result = SavedGame{int(newest.Int(2)), newest.Blob(3), GameTally(std::move(progress), newest.Int(4) != 0),
                           newest.Int(1)};
    }
    sql::Exec(db_, "COMMIT");
    return result;
}

std::vector<int> Records::Targets() const {
    std::vector<int> targets;
    if (!db_) return targets;
    sql::Statement q(db_, "SELECT DISTINCT target FROM game ORDER BY target");
    while (q.Step()) targets.push_back(int(q.Int(0)));
    return targets;
}

std::vector<PlayerStats> Records::Statistics(std::optional<int> target) const {
    std::vector<PlayerStats> rows;
    if (!db_) return rows;
    // A person is their name; a computer style is its code, whatever its
    // seat was called.
    sql::Statement q(db_, R"(
        SELECT CASE WHEN s.style = 0 THEN s.name ELSE '' END AS who, s.style,
               COUNT(*), SUM(s.seat = g.winner), MAX(s.final_score), AVG(s.final_score),
               MAX(s.best_turn), SUM(s.final_score), SUM(s.turns), SUM(s.zarvels)
        FROM game_seat s JOIN game g ON g.id = s.game_id
        WHERE ?1 IS NULL OR g.target = ?1
        GROUP BY s.style, who
        ORDER BY s.style, who)");
    if (target) q.Bind(1, *target);
    else q.BindNull(1);
    while (q.Step()) {
        PlayerStats p;
        p.name = q.Text(0);
        p.style = int(q.Int(1));
        p.games = int(q.Int(2));
        p.wins = int(q.Int(3));
        p.bestScore = std::int32_t(q.Int(4));
        p.averageScore = q.Real(5);
        p.bestTurn = std::int32_t(q.Int(6));
        p.points = q.Int(7);
        p.turns = q.Int(8);
        p.zarvels = q.Int(9);
        rows.push_back(std::move(p));
    }
    return rows;
}

std::vector<HighScore> Records::HighScores(int target, int count) const {
    std::vector<HighScore> rows;
    if (!db_) return rows;
    sql::Statement q(db_, R"(
        SELECT s.name, s.style, s.final_score, g.target, g.finished_at
        FROM game g JOIN game_seat s ON s.game_id = g.id AND s.seat = g.winner
        WHERE g.target = ?1
        ORDER BY s.final_score DESC, g.finished_at, g.id
        LIMIT ?2)");
    q.Bind(1, target).Bind(2, count);
    while (q.Step())
        rows.push_back(HighScore{Player{q.Text(0), int(q.Int(1))}, std::int32_t(q.Int(2)), int(q.Int(3)), q.Int(4)});
    return rows;
}

}  // namespace zarvel
