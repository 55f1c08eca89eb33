// The game process killed (SIGKILL) while it plays, over and over: the
// records stay a sound database, the game in play loads and continues
// exactly as it was saved, at most the last action is lost, and every
// finished game is in the history once.
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <random>
#include <set>

#include "../appearance/TestEnv.h"
#include "Records.h"
#include "Snapshot.h"

namespace zarvel::test {
namespace {

// The game process, its standard output read line by line.
class GameProcess {
public:
    GameProcess() {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execl(GAME_PROCESS, GAME_PROCESS, static_cast<char*>(nullptr));
            _exit(71);
        }
        close(out[1]);
        from_ = out[0];
    }
    ~GameProcess() {
        Kill();
        if (from_ >= 0) close(from_);
    }
    // The next line, without its end; false once the process has gone, or
    // has said nothing for a long while (it hangs).
    bool ReadLine(std::string& line) {
        for (;;) {
            if (const std::size_t end = buffer_.find('\n'); end != std::string::npos) {
                line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return true;
            }
            pollfd p{from_, POLLIN, 0};
            if (poll(&p, 1, 20000) <= 0) return false;
            char chunk[4096];
            const ssize_t n = read(from_, chunk, sizeof chunk);
            if (n <= 0) return false;
            buffer_.append(chunk, std::size_t(n));
        }
    }
    // Killed at once; its exit status as a negative signal number.
    int Kill() {
        if (pid_ <= 0 || reaped_) return status_;
        kill(pid_, SIGKILL);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
        status_ = WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
        return status_;
    }

private:
    pid_t pid_ = -1;
    int from_ = -1;
    std::string buffer_;
    bool reaped_ = false;
    int status_ = 0;
};

std::string Query(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    std::string result;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            if (const unsigned char* t = sqlite3_column_text(stmt, 0)) result = reinterpret_cast<const char*>(t);
        sqlite3_finalize(stmt);
    }
    sqlite3_close_v2(db);
    return result;
}

// The saved game's state as the process writes it on a line.
std::string OnALine(std::string state) {
    for (char& c : state)
        if (c == '\n') c = '|';
    return state;
}

using Killed = TestEnv;

TEST_F(Killed, KilledWhilePlayingItLosesAtMostTheLastActionAndContinues) {
    Put(configDir + QStringLiteral("/OxlZarvel2.ini"), "[Info]\nComputerFast=2\nSoundFXOFF=True\n");
    const std::string db = DefaultRecordsPath();
    std::mt19937 pick(24);
    int finished = 0, resumed = 0, rounds = 0;
    QElapsedTimer took;
    took.start();
    for (; rounds < 50; ++rounds) {
        SCOPED_TRACE("round " + std::to_string(rounds));
        // What the file holds to continue, before the process starts.
        std::string before;
        if (auto saved = Records(db).LoadSavedGame()) before = OnALine(saved->state);

        GameProcess game;
        std::string line, last;
        std::set<std::string> said;
        bool seatedFirst = false;
        int saves = 0;
        const auto take = [&](const std::string& l) {
            const std::string what = l.substr(0, l.find(' '));
            const std::string state = l.size() > what.size() ? l.substr(what.size() + 1) : std::string();
            if (what == "seated" && !seatedFirst) {
                seatedFirst = true;
                // A game left to continue is continued exactly as saved.
                if (!before.empty()) {
                    EXPECT_EQ(state, before);
                    ++resumed;
                }
            }
            if (what == "finished") ++finished;
            if (what == "saved") ++saves;
            if (!state.empty()) said.insert(state);
            last = what == "finished" ? std::string() : state;
        };
        // A few saves into its play, then killed in the middle of what follows.
        for (const int wanted = 1 + int(pick() % 6); saves < wanted && game.ReadLine(line);) take(line);
        ASSERT_EQ(game.Kill(), -SIGKILL);
        // What it said before it died was done before it said so.
        while (game.ReadLine(line)) take(line);
        ASSERT_TRUE(seatedFirst) << "the process said nothing";

        ASSERT_EQ(Query(db, "PRAGMA integrity_check"), "ok");
        // The history holds every game it said it finished, and perhaps the
        // one it finished as it was killed.
        const int games = std::stoi(Query(db, "SELECT COUNT(*) FROM game"));
        EXPECT_GE(games, finished);
        EXPECT_LE(games, finished + 1);
        finished = games;
        // The game to continue is the last it said it saved, or the action
        // after it; never one before.
        const auto saved = Records(db).LoadSavedGame();
        if (!saved) {
            EXPECT_TRUE(last.empty()) << "lost: " << last;
            continue;
        }
        const DecodedState decoded = DecodeState(saved->state);
        ASSERT_TRUE(decoded.state) << decoded.why;
        const std::string now = OnALine(saved->state);
        EXPECT_TRUE(now == last || !said.contains(now)) << "went back to an earlier state";
    }
    EXPECT_GE(resumed, 40);
    EXPECT_GE(finished, 1);
    std::printf("%d rounds, %d continued, %d games finished, %.1f s\n", rounds, resumed, finished, took.elapsed() / 1000.0);
}

}  // namespace
}  // namespace zarvel::test
