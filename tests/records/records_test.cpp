// The records on a real SQLite file: the rows of a game, statistics, the
// last seats, the saved game, and files that are old, broken or not ours.
#include "../FileSizeLimit.h"
#include "RecordsFixture.h"

namespace zarvel {
namespace {

using test::RecordsTest;
namespace fs = std::filesystem;
using Kind = RecordsTrouble::Kind;

TEST_F(RecordsTest, ARecordedGameIsItsRowsInTheFile) {
    auto r = Open();
    ASSERT_TRUE(r->isOpen());
    EXPECT_TRUE(fs::is_directory(folder / "zarvel"));
    GameRecord g = Game({"Ann", "#6", "Zoë \"Z\""}, {5150, 4000, 5150}, 0, 5000, 1'700'000'123);
    g.wentOut = 2;
    ASSERT_TRUE(r->RecordGame(g));
    r.reset();

    EXPECT_EQ(Query(db, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(Query(db, "PRAGMA user_version"), std::to_string(Records::kVersion));
    EXPECT_EQ(Rows(db, "SELECT finished_at, target, break_in, turns, winner, went_out FROM game"),
              std::vector<std::string>{"1700000123|5000|500|30|0|2"});
    EXPECT_EQ(Rows(db, "SELECT seat, name, style, final_score, best_turn, turns, zarvels FROM game_seat ORDER BY seat"),
              (std::vector<std::string>{"0|Ann|0|5150|1287|10|0", "1|Computer|6|4000|1000|10|1",
                                        "2|Zoë \"Z\"|0|5150|1287|10|2"}));
    EXPECT_TRUE(troubles.empty());
}

TEST_F(RecordsTest, AGameWithoutSeatsOrWinnerIsRefused) {
    auto r = Open();
    EXPECT_FALSE(r->RecordGame(GameRecord{}));
    EXPECT_FALSE(r->RecordGame(Game({"Ann", "Bob"}, {1, 2}, 2)));
    EXPECT_FALSE(r->RecordGame(Game({"Ann", "Bob"}, {1, 2}, -1)));
    EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM game"), "0");
    EXPECT_TRUE(troubles.empty());
}

TEST_F(RecordsTest, StatisticsPerPersonAndPerStyleFromAKnownHistory) {
    auto r = Open();
    // Ann: 3 games, 2 won; Bob: 2 games, none won; style 1 under two seat
    // names: 2 games, 1 won; a person called "Computer" is not the style.
    ASSERT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 3000}, 0)));
    ASSERT_TRUE(r->RecordGame(Game({"Ann", "#1"}, {2000, 5500}, 1)));
    ASSERT_TRUE(r->RecordGame(Game({"Bob", "Ann"}, {4000, 10400}, 1, 10000)));
    GameRecord named = Game({"#1", "Computer"}, {6000, 1000}, 0);
    named.seats[0].seat.name = "Robo";
    ASSERT_TRUE(r->RecordGame(named));
    ASSERT_TRUE(r->RecordGame(Game({"#8", "Cy"}, {5050, 50}, 0)));  // a style this version has no name for

    const auto stats = r->Statistics();
    ASSERT_EQ(stats.size(), 6u);
    const auto& ann = stats[0];
    EXPECT_EQ(ann.name, "Ann");
    EXPECT_EQ(ann.style, kHumanStyle);
    EXPECT_EQ(ann.games, 3);
    EXPECT_EQ(ann.wins, 2);
    EXPECT_NEAR(ann.WinPercent(), 66.667, 0.001);
    EXPECT_EQ(ann.bestScore, 10400);
    EXPECT_NEAR(ann.averageScore, (5000 + 2000 + 10400) / 3.0, 1e-9);
    EXPECT_EQ(ann.bestTurn, 2600);
    EXPECT_EQ(ann.turns, 30);
    EXPECT_NEAR(ann.PointsPerTurn(), 17400 / 30.0, 1e-9);
    EXPECT_EQ(ann.zarvels, 0 + 0 + 1);
    EXPECT_NEAR(ann.ZarvelPercent(), 100.0 / 30, 1e-9);

    EXPECT_EQ(stats[1].name, "Bob");
    EXPECT_EQ(stats[1].wins, 0);
    EXPECT_EQ(stats[1].WinPercent(), 0.0);
    EXPECT_EQ(stats[2].name, "Computer");
    EXPECT_EQ(stats[2].style, kHumanStyle);
    EXPECT_EQ(stats[2].games, 1);
    EXPECT_EQ(stats[3].name, "Cy");

    const auto& normal = stats[4];
    EXPECT_EQ(normal.name, "");
    EXPECT_EQ(normal.style, 1);
    EXPECT_EQ(normal.games, 2);
    EXPECT_EQ(normal.wins, 2);
    EXPECT_EQ(normal.bestScore, 6000);
    EXPECT_EQ(normal.zarvels, 1);
    EXPECT_EQ(stats[5].style, 8);

    // To 10000 only Ann and Bob played.
    const auto tenThousand = r->Statistics(10000);
    ASSERT_EQ(tenThousand.size(), 2u);
    EXPECT_EQ(tenThousand[0].name, "Ann");
    EXPECT_EQ(tenThousand[0].wins, 1);
    EXPECT_EQ(tenThousand[0].games, 1);
    EXPECT_EQ(r->Targets(), (std::vector<int>{5000, 10000}));
    EXPECT_TRUE(r->Statistics(7000).empty());
}

TEST_F(RecordsTest, TheTenHighestWinningScoresPerTargetEarliestFirstOnATie) {
    auto r = Open();
    // Ties with P11's 6100 below, recorded first but played later, so below it.
    ASSERT_TRUE(r->RecordGame(Game({"Tie", "Low"}, {6100, 100}, 0, 5000, 5000)));
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(r->RecordGame(Game({"P" + std::to_string(i), "Low"}, {5000 + 100 * i, 100}, 0, 5000, 1000 + i)));
    // A loser's high score counts not.
    ASSERT_TRUE(r->RecordGame(Game({"Loser", "Winner"}, {9000, 9500}, 1, 5000, 6000)));
    ASSERT_TRUE(r->RecordGame(Game({"Ten", "#2"}, {100, 12000}, 1, 10000, 7000)));

    const auto best = r->HighScores(5000);
    ASSERT_EQ(best.size(), 10u);
    EXPECT_EQ(best[0].seat.name, "Winner");
    EXPECT_EQ(best[0].score, 9500);
    EXPECT_EQ(best[1].seat.name, "P11");
    EXPECT_EQ(best[2].seat.name, "Tie");
    EXPECT_EQ(best[2].finishedAt, 5000);
    EXPECT_EQ(best[9].seat.name, "P4");
    for (const HighScore& h : best) EXPECT_EQ(h.target, 5000);

    const auto ten = r->HighScores(10000);
    ASSERT_EQ(ten.size(), 1u);
    EXPECT_EQ(ten[0].seat, (Player{"Computer", 2}));
    EXPECT_EQ(r->HighScores(5000, 3).size(), 3u);
}

TEST_F(RecordsTest, ResetEmptiesTheHistoryAndKeepsTheSeatsAndTheGameInPlay) {
    auto r = Open();
    ASSERT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 10}, 0)));
    const LastSeats seats{2, {LastSeat{"Ann", false, 1}, LastSeat{"Bob", false, 1}}};
    ASSERT_TRUE(r->SaveLastSeats(seats));
    GameTally tally;
    tally.Start({Player{"Ann"}, Player{"Bob"}}, 5000, 500);
    ASSERT_TRUE(r->SaveGame(SavedGame{1, "state", tally, 0}));

    ASSERT_TRUE(r->ResetStatistics());
    EXPECT_TRUE(r->Statistics().empty());
    EXPECT_TRUE(r->HighScores(5000).empty());
    EXPECT_TRUE(r->Targets().empty());
    EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM game_seat"), "0");
    EXPECT_EQ(r->LoadLastSeats(), seats);
    EXPECT_TRUE(r->LoadSavedGame());
}

TEST_F(RecordsTest, TheLastSeatsComeBackAsTheyWereLeft) {
    {
        auto r = Open();
        EXPECT_FALSE(r->LoadLastSeats());
        ASSERT_TRUE(r->SaveLastSeats({4, {{"Ann", false, 1}, {"Carl", true, 6}, {"Fay", false, 3}, {"", true, 8}}}));
        // One person against the "Computer" seat: fewer rows than before.
        ASSERT_TRUE(r->SaveLastSeats({1, {{"Ann", false, 1}, {"Computer", true, 7}}}));
    }
    auto r = Open();  // as after a restart
    EXPECT_EQ(r->LoadLastSeats(), (LastSeats{1, {{"Ann", false, 1}, {"Computer", true, 7}}}));
    ASSERT_TRUE(r->SaveLastSeats({3, {{"Ann", false, 1}, {"Carl", true, 6}, {"", true, 8}}}));
    EXPECT_EQ(r->LoadLastSeats(), (LastSeats{3, {{"Ann", false, 1}, {"Carl", true, 6}, {"", true, 8}}}));
}

SavedGame InPlay() {
    GameTally tally;
    tally.Start({Player{"Ann"}, Player{"Carl", 6}, Player{"Fay \"the\" ace, Ö"}}, 10000, 1000);
    tally.Banked(0, 10050);
    tally.WentOut(0);
    tally.Zarvel(1);
    // Any bytes: the encoder's layout is its own.
    return SavedGame{3, std::string("\0\x01\xff{state}\n", 11), tally, 0};
}

TEST_F(RecordsTest, TheSavedGameComesBackExactlyAfterARestart) {
    const SavedGame saved = InPlay();
    const std::int64_t before = NowSeconds();
    {
        auto r = Open();
        EXPECT_FALSE(r->LoadSavedGame());
        ASSERT_TRUE(r->SaveGame(saved));
    }
    auto r = Open();
    std::optional<SavedGame> back = r->LoadSavedGame();
    ASSERT_TRUE(back);
    EXPECT_GE(back->savedAt, before);
    EXPECT_LE(back->savedAt, NowSeconds());
    back->savedAt = 0;
    EXPECT_EQ(*back, saved);
    EXPECT_EQ(back->Names(), (std::vector<std::string>{"Ann", "Carl", "Fay \"the\" ace, Ö"}));
    EXPECT_EQ(back->tally.progress().wentOut, 0);
    EXPECT_TRUE(back->tally.recorded());

    // Loaded, it is this run's: a save replaces it, a drop removes it.
    SavedGame next = saved;
    next.state = "later";
    ASSERT_TRUE(r->SaveGame(next));
    EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM saved_game"), "1");
    EXPECT_EQ(r->LoadSavedGame()->state, "later");
    ASSERT_TRUE(r->DropSavedGame());
    EXPECT_FALSE(r->LoadSavedGame());
    EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM saved_seat"), "0");
}

TEST_F(RecordsTest, TwoRunsKeepTheirOwnGamesInPlay) {
    auto first = Open();
    auto second = Open();
    SavedGame a = InPlay(), b = InPlay();
    a.state = "first";
    b.state = "second";
    ASSERT_TRUE(first->SaveGame(a));
    ASSERT_TRUE(second->SaveGame(b));
    // The second ends its game: the first's is still there to continue.
    ASSERT_TRUE(second->DropSavedGame());
    auto third = Open();
    const auto left = third->LoadSavedGame();
    ASSERT_TRUE(left);
    EXPECT_EQ(left->state, "first");
}

// The end of a game is one change: in the history and no longer to resume,
// or neither when any part of it fails.
TEST_F(RecordsTest, AFinishedGameIsRecordedAndItsSaveDroppedTogether) {
    auto r = Open();
    ASSERT_TRUE(r->SaveGame(InPlay()));
    // A failure on either side leaves both as they were.
    for (const char* refuse : {"BEFORE INSERT ON game", "BEFORE DELETE ON saved_game"}) {
        ASSERT_EQ(Exec(db, std::string("CREATE TRIGGER refuse ") + refuse + " BEGIN SELECT RAISE(ABORT, 'no'); END"), SQLITE_OK);
        EXPECT_FALSE(r->FinishGame(Game({"Ann", "Bob"}, {5000, 100}, 0)));
        EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM game"), "0") << refuse;
        EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM saved_game"), "1") << refuse;
        ASSERT_EQ(Exec(db, "DROP TRIGGER refuse"), SQLITE_OK);
    }
    ASSERT_TRUE(r->FinishGame(Game({"Ann", "Bob"}, {5000, 100}, 0)));
    EXPECT_EQ(Query(db, "SELECT COUNT(*) FROM game"), "1");
    EXPECT_FALSE(Open()->LoadSavedGame());
}

// A game in play that this version cannot continue stays for the one that can.
TEST_F(RecordsTest, ASavedGameLeftAloneIsNotReplaced) {
    SavedGame theirs = InPlay(), mine = InPlay();
    theirs.state = "theirs";
    mine.state = "mine";
    ASSERT_TRUE(Open()->SaveGame(theirs));
    auto r = Open();
    ASSERT_EQ(r->LoadSavedGame()->state, "theirs");
    r->LeaveSavedGame();
    ASSERT_TRUE(r->SaveGame(mine));
    ASSERT_TRUE(r->DropSavedGame());
    EXPECT_EQ(Open()->LoadSavedGame()->state, "theirs");
}

TEST_F(RecordsTest, AVersionOneFileIsBroughtUpToDateWithItsHistory) {
    // The file as the first version of the records wrote it.
    fs::create_directories(folder / "zarvel");
    ASSERT_EQ(Exec(db, R"(
        PRAGMA journal_mode=WAL;
        CREATE TABLE game(id INTEGER PRIMARY KEY, finished_at INTEGER NOT NULL, target INTEGER NOT NULL,
          break_in INTEGER NOT NULL, turns INTEGER NOT NULL, winner INTEGER NOT NULL, went_out INTEGER NOT NULL);
        CREATE INDEX game_by_target ON game(target);
        CREATE TABLE game_seat(game_id INTEGER NOT NULL REFERENCES game(id) ON DELETE CASCADE,
          seat INTEGER NOT NULL, name TEXT NOT NULL, style INTEGER NOT NULL, final_score INTEGER NOT NULL,
          best_turn INTEGER NOT NULL, turns INTEGER NOT NULL, zarvels INTEGER NOT NULL,
          PRIMARY KEY(game_id, seat)) WITHOUT ROWID;
        CREATE TABLE last_setup(id INTEGER PRIMARY KEY CHECK(id = 1), players INTEGER NOT NULL);
        CREATE TABLE last_seat(seat INTEGER PRIMARY KEY, name TEXT NOT NULL, computer INTEGER NOT NULL,
          style INTEGER NOT NULL);
        INSERT INTO game VALUES(1, 1600000000, 5000, 500, 20, 1, 0);
        INSERT INTO game_seat VALUES(1, 0, 'Ann', 0, 5000, 800, 10, 2), (1, 1, 'Computer', 3, 5200, 1500, 10, 1);
        INSERT INTO last_setup VALUES(1, 2);
        INSERT INTO last_seat VALUES(0, 'Ann', 0, 1), (1, 'Computer', 1, 3);
        PRAGMA user_version=1;)"),
              SQLITE_OK);

    auto r = Open();
    ASSERT_TRUE(r->isOpen());
    EXPECT_TRUE(troubles.empty());
    EXPECT_EQ(Query(db, "PRAGMA user_version"), std::to_string(Records::kVersion));
    const auto stats = r->Statistics();
    ASSERT_EQ(stats.size(), 2u);
    EXPECT_EQ(stats[1].style, 3);
    EXPECT_EQ(stats[1].wins, 1);
    EXPECT_EQ(r->HighScores(5000).at(0).score, 5200);
    EXPECT_EQ(r->LoadLastSeats(), (LastSeats{2, {{"Ann", false, 1}, {"Computer", true, 3}}}));
    // What the later versions brought works on it.
    ASSERT_TRUE(r->SaveGame(InPlay()));
    EXPECT_TRUE(r->LoadSavedGame());
    ASSERT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 1}, 0)));
    EXPECT_EQ(r->Statistics()[0].games, 2);
}

TEST_F(RecordsTest, AFileThatIsNoDatabaseIsKeptAsideAndANewOneStarted) {
    const std::string junk = "this is not a database, it is a shopping list\n" + std::string(5000, 'x');
    Put(db, junk);
    Put(db + "-wal", "a log that belongs to the junk");
    Put(db + ".bad", "an earlier copy");  // never replaced

    auto r = Open();
    ASSERT_EQ(troubles.size(), 1u);
    EXPECT_EQ(troubles[0].kind, Kind::KeptAside);
    EXPECT_EQ(troubles[0].path, db);
    EXPECT_EQ(troubles[0].keptAs, db + ".bad1");
    EXPECT_FALSE(troubles[0].detail.empty());
    EXPECT_TRUE(Contents(db + ".bad1") == junk);
    EXPECT_EQ(Contents(db + ".bad1-wal"), "a log that belongs to the junk");
    EXPECT_EQ(Contents(db + ".bad"), "an earlier copy");

    ASSERT_TRUE(r->isOpen());
    ASSERT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 1}, 0)));
    EXPECT_EQ(r->Statistics().size(), 2u);
    r.reset();
    EXPECT_EQ(Query(db, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(troubles.size(), 1u);
}

TEST_F(RecordsTest, ADamagedDatabaseIsKeptAside) {
    {
        auto r = Open();
        for (int i = 0; i < 200; ++i) ASSERT_TRUE(r->RecordGame(Game({"Ann " + std::to_string(i), "Bob"}, {5000, i}, 0)));
    }
    ASSERT_EQ(Query(db, "PRAGMA integrity_check"), "ok");
    // Scribble over the middle of the file, past its header page.
    std::string bytes = Contents(db);
    ASSERT_GT(bytes.size(), 16384u);
    for (std::size_t i = 8192; i < bytes.size() - 4096; i += 7) bytes[i] = char(i * 31);
    Put(db, bytes);

    auto r = Open();
    ASSERT_EQ(troubles.size(), 1u);
    EXPECT_EQ(troubles[0].kind, Kind::KeptAside);
    EXPECT_TRUE(Contents(db + ".bad") == bytes);
    ASSERT_TRUE(r->isOpen());
    EXPECT_TRUE(r->Statistics().empty());
    EXPECT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 1}, 0)));
}

TEST_F(RecordsTest, AnotherProgramsDatabaseIsKeptAsideNotChanged) {
    fs::create_directories(folder / "zarvel");
    ASSERT_EQ(Exec(db, "CREATE TABLE game(x); INSERT INTO game VALUES('theirs')"), SQLITE_OK);
    auto r = Open();
    ASSERT_EQ(troubles.size(), 1u);
    EXPECT_EQ(troubles[0].kind, Kind::KeptAside);
    EXPECT_EQ(Query(db + ".bad", "SELECT x FROM game"), "theirs");
    EXPECT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 1}, 0)));
}

TEST_F(RecordsTest, ANewerVersionsFileIsLeftAloneAndNothingRecorded) {
    fs::create_directories(folder / "zarvel");
    ASSERT_EQ(Exec(db, "CREATE TABLE future(x); PRAGMA user_version=99"), SQLITE_OK);
    const std::string before = Contents(db);
    auto r = Open();
    ASSERT_EQ(troubles.size(), 1u);
    EXPECT_EQ(troubles[0].kind, Kind::Newer);
    EXPECT_FALSE(r->isOpen());
    EXPECT_FALSE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 1}, 0)));
    EXPECT_FALSE(r->LoadSavedGame());
    EXPECT_TRUE(r->Statistics().empty());
    r.reset();
    EXPECT_TRUE(Contents(db) == before);
    EXPECT_FALSE(fs::exists(db + ".bad"));
    EXPECT_EQ(troubles.size(), 1u);
}

TEST_F(RecordsTest, AFolderInTheWayGivesOneMessageAndNoRecords) {
    Put(folder / "zarvel", "a file where the folder should be");
    auto r = Open();
    ASSERT_EQ(troubles.size(), 1u);
    EXPECT_EQ(troubles[0].kind, Kind::CannotWrite);
    EXPECT_FALSE(r->isOpen());
    EXPECT_FALSE(r->SaveGame(InPlay()));
    EXPECT_FALSE(r->SaveLastSeats({}));
    EXPECT_FALSE(r->LoadLastSeats());
    EXPECT_EQ(troubles.size(), 1u);
    EXPECT_EQ(Contents(folder / "zarvel"), "a file where the folder should be");
}

TEST_F(RecordsTest, AFullDiskIsToldOnceTheGameGoesOnAndNothingIsHalfWritten) {
    auto r = Open();
    SavedGame kept = InPlay();
    ASSERT_TRUE(r->SaveGame(kept));
    ASSERT_TRUE(r->RecordGame(Game({"Ann", "Bob"}, {5000, 1}, 0)));
    SavedGame big = InPlay();
    big.state = std::string(256 * 1024, 's');
    {
        const test::FileSizeLimit full(fs::file_size(db) + fs::file_size(db + "-wal") + 4096);
        EXPECT_FALSE(r->SaveGame(big));
        EXPECT_FALSE(r->SaveGame(big));
        ASSERT_EQ(troubles.size(), 1u);
        EXPECT_EQ(troubles[0].kind, Kind::CannotWrite);
        EXPECT_FALSE(troubles[0].detail.empty());
        // What was there is still there, whole.
        const auto back = r->LoadSavedGame();
        ASSERT_TRUE(back);
        EXPECT_EQ(back->state, kept.state);
        EXPECT_EQ(r->Statistics().size(), 2u);
    }
    // Room again: writes work, and a later failure is told again.
    ASSERT_TRUE(r->SaveGame(big));
    EXPECT_EQ(r->LoadSavedGame()->state, big.state);
    {
        const test::FileSizeLimit full(fs::file_size(db) + fs::file_size(db + "-wal") + 4096);
        std::string bigger(512 * 1024, 't');
        big.state = bigger;
        EXPECT_FALSE(r->SaveGame(big));
    }
    EXPECT_EQ(troubles.size(), 2u);
    r.reset();
    EXPECT_EQ(Query(db, "PRAGMA integrity_check"), "ok");
}

TEST_F(RecordsTest, TheFileLivesInTheDataFolder) {
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(DefaultRecordsPath(), "/srv/data/zarvel/zarvel.db");
    setenv("XDG_DATA_HOME", "relative/data", 1);  // not a base folder: ignored
    if (const char* home = std::getenv("HOME"); home && *home) {
        EXPECT_EQ(DefaultRecordsPath(), std::string(home) + "/.local/share/zarvel/zarvel.db");
    }
    old ? setenv("XDG_DATA_HOME", saved.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace zarvel
