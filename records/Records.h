// The game records: one SQLite file with the history of finished games,
// the seats of the last game started and the game in play. Every write is
// one short transaction; a file that is not a sound database is kept aside
// and a new one started; when nothing can be written the game goes on
// unrecorded. No Qt: the shell shows the troubles, in its own words.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameRecord.h"

struct sqlite3;

namespace zarvel {

namespace sql {
struct Closer;
}

// "zarvel.db" in the user's data folder: $XDG_DATA_HOME/zarvel, or
// ~/.local/share/zarvel when that is not set (or not an absolute path).
std::string DefaultRecordsPath();

// Something the player should hear about once.
struct RecordsTrouble {
    enum class Kind {
        KeptAside,    // the file was unreadable: kept as `keptAs`, a new one started
        CannotWrite,  // full disk, read-only folder, no permission: nothing is recorded
        Newer,        // written by a newer version of the program: left alone, nothing recorded
    };
    Kind kind;
    std::string path;    // the database file
    std::string keptAs;  // KeptAside: where the unreadable file is now
    std::string detail;  // SQLite's or the system's own words
};

// The new game dialog's seats as last used: `count` is its number of
// players (1: one person against the "Computer" seat), `seats` its rows.
struct LastSeat {
    std::string name;
    bool computer = false;
    int style = 1;  // the style list's code, kept for human seats as well

    bool operator==(const LastSeat&) const = default;
};
struct LastSeats {
    int count = 0;
    std::vector<LastSeat> seats;

    bool operator==(const LastSeats&) const = default;
};

// The game in play, kept so a restart can continue it. `state` is the
// engine's state in a layout of the encoder's choosing, `format` that
// layout's version; this layer only stores them. The tally carries the
// seats (their names ask "Continue the game of ...?") and the counts the
// record needs at the end.
struct SavedGame {
    int format = 0;
    std::string state;
    GameTally tally;
    std::int64_t savedAt = 0;  // set by SaveGame

    std::vector<std::string> Names() const;
    bool operator==(const SavedGame&) const = default;
};

// A player's or a computer style's results over the history.
struct PlayerStats {
    std::string name;  // the person's name; "" for a computer style
    int style = kHumanStyle;
    int games = 0;
    int wins = 0;
    std::int32_t bestScore = 0;
    double averageScore = 0;
    std::int32_t bestTurn = 0;
    std::int64_t points = 0;  // all final scores together
    std::int64_t turns = 0;
    std::int64_t zarvels = 0;

    double WinPercent() const { return games > 0 ? 100.0 * wins / games : 0.0; }
    double PointsPerTurn() const { return turns > 0 ? double(points) / double(turns) : 0.0; }
    double ZarvelPercent() const { return turns > 0 ? 100.0 * double(zarvels) / double(turns) : 0.0; }
};

// A winning score.
struct HighScore {
    Player seat;
    std::int32_t score = 0;
    int target = 0;
    std::int64_t finishedAt = 0;
};

class Records {
public:
    // The newest layout of the file (PRAGMA user_version).
    static constexpr int kVersion = 2;
    // How long a write waits for another running copy of the program.
    static constexpr int kBusyTimeoutMs = 2000;

    using TroubleHandler = std::function<void(const RecordsTrouble&)>;

    // Opens or creates the file (and its folder). Troubles found on the
    // way are told to `onTrouble` before this returns.
    explicit Records(std::string path = DefaultRecordsPath(), TroubleHandler onTrouble = {});
    ~Records();
    Records(const Records&) = delete;
    Records& operator=(const Records&) = delete;

    const std::string& path() const { return path_; }
    // False: this run records nothing and reads nothing.
    bool isOpen() const { return db_ != nullptr; }

    // Writes: true when the change is on disk. A failing write changes
    // nothing and is told once; again only after a write has worked since.
    bool RecordGame(const GameRecord& game);
    // Records the finished game and drops this run's saved game, in one
    // transaction: a game is never both in the history and left to resume.
    bool FinishGame(const GameRecord& game);
    bool ResetStatistics();
    bool SaveLastSeats(const LastSeats& seats);
    // Replaces this run's saved game.
    bool SaveGame(const SavedGame& game);
    // Drops this run's saved game (the game ended, or was given up).
    bool DropSavedGame();

    // The newest saved game that no other running copy of the program is
    // playing, which from now on is this run's: later saves replace it and
    // DropSavedGame removes it. Nothing when there is none.
    std::optional<SavedGame> LoadSavedGame();
    // Leaves the loaded saved game in the file for whoever can continue it
    // (a newer version): this run saves under a place of its own again.
    void LeaveSavedGame();
    std::optional<LastSeats> LoadLastSeats() const;

    // Targets that games were played to, lowest first.
    std::vector<int> Targets() const;
    // Per person (by name) and per computer style (whatever the seat was
    // called); games to `target` only when given. People first by name,
    // then styles by code.
    std::vector<PlayerStats> Statistics(std::optional<int> target = std::nullopt) const;
    // The highest winning scores to `target`, best first; on equal
    // scores the earlier game first.
    std::vector<HighScore> HighScores(int target, int count = 10) const;

private:
    enum class Opened { Ok, Unreadable, Failed, Newer };
    // A connection that fails stays in `db`, for keeping its file aside.
    Opened Open(std::string& detail, std::unique_ptr<sqlite3, sql::Closer>& db);
    Opened Migrate(std::string& detail);
    bool KeepAside(std::string& keptAs, std::string& detail);
    // Runs `body` inside one write transaction.
    bool Write(const std::function<int()>& body);
    void Tell(RecordsTrouble::Kind kind, std::string keptAs, std::string detail);
    // The statements of the writes, inside a transaction.
    int InsertGame(const GameRecord& game);
    int DeleteSavedGame();
    // Takes `slot` as this run's saved game; false when another running
    // copy holds it.
    bool Claim(std::int64_t slot);

    std::string path_;
    TroubleHandler onTrouble_;
    sqlite3* db_ = nullptr;
    std::int64_t slot_;             // this run's saved game
    // A running copy holds a lock on the byte of its slot in "<file>.lock"
    // for as long as it runs; the system lets go when the process ends,
    // however it ends. -1: no such file, every slot is free.
    int slotLocks_ = -1;
    bool slotClaimed_ = false;
    bool writeTroubleTold_ = false;
};

}  // namespace zarvel
