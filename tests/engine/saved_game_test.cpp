// A game in play written as text and put back on a table: every state that
// play reaches comes back equal and plays on as the original does, the board
// shows it as the original showed it, and a damaged text is refused with
// its reason. Also what the table tells its listeners of the turns.
#include <map>
#include <set>

#include "Fixture.h"
#include "Snapshot.h"

namespace zarvel::test {
namespace {

// What a player sees of a board, the original's beside the resumed one's;
// the undo mark on the status line is not kept. The table leaves the first
// turn's highlight to the score pad, which draws it from the state.
void ExpectShownAlike(const RecordingBoard& a, const RecordingBoard& b) {
    EXPECT_EQ(a.pictures, b.pictures);
    EXPECT_EQ(a.markers, b.markers);
    EXPECT_EQ(a.dividerLeft, b.dividerLeft);
    EXPECT_EQ(a.status.status, b.status.status);
    EXPECT_EQ(a.status.letters, b.status.letters);
    EXPECT_EQ(a.turnScore, b.turnScore);
    EXPECT_EQ(a.player, b.player);
    EXPECT_EQ(a.statusTop, b.statusTop);
    EXPECT_EQ(a.lastRoll, b.lastRoll);
    EXPECT_EQ(a.rollEnabled, b.rollEnabled);
    EXPECT_EQ(a.passEnabled, b.passEnabled);
    EXPECT_EQ(a.padScore, b.padScore);
    if (a.padCurrent != -1) {
        EXPECT_EQ(a.padCurrent, b.padCurrent);
    }
}

// Counts what the table tells of turns and changes.
struct Teller : TableListener {
    int changes = 0;
    std::map<int, Score> banked;
    std::map<int, int> turns, busts;
    void StateChanged() override { ++changes; }
    void TurnEnded(int seat, Score points, bool zarvel) override {
        banked[seat] += points;
        ++turns[seat];
        busts[seat] += zarvel;
    }
};

// A table played by chance: any open action, undo now and then, and the
// computer seats' passes after a bust made by hand as the driver makes them.
class Play {
public:
    Play(const std::vector<zarvel::Seat>& seats, Score playTo, Score breakIn, std::uint64_t seed, Settings settings = {})
        : s(settings), dice(seed), choices(seed * 31 + 1) {
        s.ComputerFast = kRidiculous;
        table.SeatGame(seats, playTo, breakIn);
    }
    // A table that resumes `state`, with these dice and choices to come.
    Play(const GameState& state, const UniformRandom& d, std::mt19937 c, Settings settings)
        : s(settings), dice(d), choices(c) {
        s.ComputerFast = kRidiculous;
        table.ResumeGame(state);
    }

    enum class Did { Nothing, Roll, Select, Undo, Pass };
    // One action the rules allow now.
    Did Step() {
        board.Clear();
        const Actions a = g.AllowedActions;
        std::vector<int> scorers;
        for (int i = 0; i < kSlots; ++i)
            if (g.DieFree[i] && g.DieCode[i].Scores()) scorers.push_back(i);
        bool undoable = false;
        for (int t = g.HeldCount; t < kSlots; ++t) undoable |= g.TraySlotUsed[t];
        const auto chance = [this](int percent) { return int(choices() % 100) < percent; };
        if (undoable && !scorers.empty() && chance(10)) {
            table.Picture1_Click(10 + g.HeldCount);
            return Did::Undo;
        }
        if (a.Has(Action::Pass) && (chance(35) || (!a.Has(Action::Roll) && scorers.empty()))) {
            table.cmdPassDice_Click();
            return Did::Pass;
        }
        if (a.Has(Action::Select) && !scorers.empty() && (!a.Has(Action::Roll) || chance(60))) {
            table.Picture1_Click(scorers[choices() % scorers.size()]);
            return Did::Select;
        }
        if (a.Has(Action::Roll)) {
            table.cmdRoll_Click();
            return Did::Roll;
        }
        return Did::Nothing;
    }

    GameState g;
    Settings s;
    RecordingBoard board;
    UniformRandom dice;
    std::mt19937 choices;
    Table table{g, s, board, dice};
};

std::vector<zarvel::Seat> Seats(const std::vector<std::string>& names) {
    std::vector<zarvel::Seat> seats;
    for (const std::string& name : names) {
        const bool computer = name.starts_with('*');
        seats.push_back({name.substr(computer ? 1 : 0), computer, computer ? 1 + int(name.size() % 7) : 1});
    }
    return seats;
}

// ---- round trips over real play ------------------------------------------------

TEST(SavedGame, EveryStateOfPlayComesBackEqualAndShowsAsItWas) {
    std::set<std::string> moments;
    int states = 0;
    for (std::uint64_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Settings settings;
        settings.MarkScorers = seed % 2 == 0;
        settings.SortDice = seed % 3 == 0;
        Play play(Seats({"Ann", "*Hal", "Fay \"%\" Ö", "*Max"}), seed % 4 ? 5000 : 10000, seed % 2 ? 500 : 1000, seed,
                  settings);
        for (int step = 0; step < 20000 && play.g.GameRunning(); ++step) {
            const Play::Did did = play.Step();
            const GameState& g = play.g;
            if (!g.GameRunning()) break;
            ++states;

            const std::string text = EncodeState(g);
            const DecodedState back = DecodeState(text);
            ASSERT_TRUE(back.state) << back.why << "\n" << text;
            ASSERT_TRUE(*back.state == g) << text;

            // Put on a fresh table, it shows what the table that played it shows.
            Play resumed(*back.state, play.dice, play.choices, settings);
            ExpectShownAlike(play.board, resumed.board);
            ASSERT_FALSE(HasFailure()) << text;

            bool trayFull = true;
            for (bool used : g.TraySlotUsed) trayFull &= used;
            if (!g.TurnUnderway()) moments.insert(g.IsComputerTurn() ? "a computer's turn to begin" : "a turn to begin");
            if (did == Play::Did::Roll && g.TurnUnderway()) moments.insert("right after a roll");
            if (did == Play::Did::Select) moments.insert("after a selection");
            if (did == Play::Did::Undo) moments.insert("after an undo");
            if (g.HeldCount > 0 && g.TurnUnderway()) moments.insert("dice held from an earlier roll");
            if (trayFull) moments.insert("all six set aside");
            if (g.Zarveled && g.AllowedActions == Actions{Action::Pass}) moments.insert("a computer's bust");
            if (g.WentOut != kNone) moments.insert("the last round");
        }
        ASSERT_FALSE(play.g.GameRunning()) << "the game did not end";
    }
    const std::set<std::string> every{"a turn to begin",     "a computer's turn to begin", "right after a roll",
                                      "after a selection",   "after an undo",              "dice held from an earlier roll",
                                      "all six set aside",   "a computer's bust",          "the last round"};
    EXPECT_EQ(moments, every) << states << " states";
}

TEST(SavedGame, AResumedGamePlaysOnExactlyAsTheOriginal) {
    for (std::uint64_t seed = 100; seed < 108; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Play play(Seats({"*Hal", "Ann", "*Max"}), 5000, 500, seed);
        // Somewhere in the game, then both tables on from there.
        for (int step = 0; step < int(seed % 7) * 10 + 15 && play.g.GameRunning(); ++step) play.Step();
        ASSERT_TRUE(play.g.GameRunning());
        const DecodedState back = DecodeState(EncodeState(play.g));
        ASSERT_TRUE(back.state) << back.why;
        Play resumed(*back.state, play.dice, play.choices, play.s);
        while (play.g.GameRunning()) {
            play.Step();
            resumed.Step();
            ASSERT_TRUE(play.g == resumed.g);
        }
        EXPECT_EQ(resumed.g.Winner, play.g.Winner);
    }
}

TEST(SavedGame, NamesOfAnyCharactersComeBackAsTyped) {
    GameState g;
    Settings s;
    RecordingBoard board;
    UniformRandom dice(3);
    Table table(g, s, board, dice);
    const std::vector<std::string> names{"", " Ann ", "50% off", "two\nlines\r", "tab\there", "Ö \xF0\x9F\x8E\xB2", "%41"};
    std::vector<zarvel::Seat> seats;
    for (const std::string& n : names) seats.push_back({n, false, 1});
    table.SeatGame(seats, 5000, 500);
    const std::string text = EncodeState(g);
    const DecodedState back = DecodeState(text);
    ASSERT_TRUE(back.state) << back.why << "\n" << text;
    EXPECT_EQ(back.state->PlayerName, g.PlayerName);
    // One line a value, whatever the names hold.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18 + std::ptrdiff_t(names.size()));
}

// ---- what is refused -------------------------------------------------------------

// A human mid-turn in the last round, with dice held and dice taken from the
// roll: every part of the text has something to check against.
class Damaged : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        Seat({"Ann", "*Hal", "Bob"});
        g.PlayerScore = {5200, 300, 800};
        g.WentOut = 0;
        g.CurrentPlayer = 2;
        Roll({1, 2, 2, 3, 4, 6});    // take the 1
        table.Picture1_Click(0);
        Roll({5, 5, 5, 3, 4});       // three 5s taken, 3 and 4 left
        table.Picture1_Click(0);
        text = EncodeState(g);
    }
    // The text with the line starting `key` (the nth such) replaced.
    std::string With(const std::string& key, const std::string& value, int nth = 0) const {
        return Replace(text, key, value, nth);
    }
    static std::string Replace(std::string t, const std::string& key, const std::string& value, int nth = 0) {
        std::size_t at = 0;
        for (int k = 0; k <= nth; ++k) {
            at = t.find("\n" + key + " ", at);
            if (at == std::string::npos) return "key not found: " + key;
            ++at;
        }
        const std::size_t end = t.find('\n', at);
        return t.replace(at, end - at, key + " " + value);
    }
    std::string text;
};

TEST_F(Damaged, TheStateItselfComesBack) {
    const DecodedState back = DecodeState(text);
    ASSERT_TRUE(back.state) << back.why << "\n" << text;
    EXPECT_TRUE(*back.state == g);
    EXPECT_EQ(back.trouble, DecodedState::Trouble::None);
}

TEST_F(Damaged, EveryDamageIsRefusedWithItsReason) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {With("target", "4990"), "multiple of 50"},
        {With("target", "0"), "target of 0"},
        {With("target", "5000 1"), "1 values expected"},
        {With("break-in", "5050"), "not in 0..5000"},
        {With("players", "9"), "not in 1..8"},
        {With("players", "2"), "\"turn\" expected"},
        {With("seat", "1 human 1 0 Bob", 2), "not in 2..2"},
        {With("seat", "2 robot 1 800 Bob", 2), "neither human nor computer"},
        {With("seat", "1 computer 0 300 Hal", 1), "not in 1.."},
        {With("seat", "2 human 1 -50 Bob", 2), "not in 0.."},
        {With("seat", "2 human 1 810 Bob", 2), "multiple of 50"},
        {With("seat", "2 human 1 800 B%zz", 2), "not written as names are"},
        {With("seat", "2 human 1 800 B\rb", 2), "not written as names are"},
        {With("seat", "2 human 1 800 \xC3\x28", 2), "not written as names are"},
        {With("seat", "2 human 1 800 \xED\xA0\x80", 2), "not written as names are"},
        {With("turn", "3"), "not in 0..2"},
        {With("turn", "0"), "went out is to roll"},
        {With("went-out", "nobody"), "not a number"},
        {With("went-out", "none"), "reached the target but nobody went out"},
        {With("went-out", "1"), "below the target"},
        {With("turn-score", "1050"), "points are not those"},
        {With("turn-score-at-roll", "700"), "not in 0..600"},
        {With("turn-score-at-roll", "50"), "points are not those"},
        {With("actions", "sr"), "names no actions"},
        {With("actions", "rsp"), "open actions are not the rules'"},
        {With("saved-actions", "s"), "after the roll are not the rules'"},
        {With("zarveled", "1"), "bust flag"},
        {With("can-pass", "0"), "pass flag"},
        {With("held", "6"), "not in 0..5"},
        {With("held", "2"), "5 dice rolled with 2 held"},
        {With("dice", "5 5 5 3 4 7"), "no face 7"},
        {With("dice", "5 5 5 3 99 99"), "4 dice rolled with 1 held"},
        {With("dice", "5 5 5 1 4 99"), "codes are not those of the dice"},
        {With("codes", "Q Q Q 0 0 99"), "no code \"Q\""},
        {With("codes", "5 5 5 0 0 99"), "codes are not those of the dice"},
        {With("free", "0 0 0 1 1 1"), "free but was not rolled"},
        {Replace(With("free", "0 1 1 1 1 0"), "rolled", "0 5 5 3 4 0"), "combination was left behind"},
        {Replace(With("free", "0 0 0 0 1 0"), "rolled", "0 0 0 0 4 0"), "set aside but scores nothing"},
        {With("rolled", "0 0 0 3 3 0"), "shows another face"},
        {With("tray", "1 5 5 5 0 5"), "gap at slot 4"},
        {With("tray", "1 5 5 3 0 0"), "tray does not hold the dice"},
        {text + "tray 0 0 0 0 0 0\n", "more follows"},
        {std::string(2 << 20, 'x'), "too long"},
    };
    for (const auto& [damaged, why] : cases) {
        const DecodedState back = DecodeState(damaged);
        EXPECT_FALSE(back.state) << damaged;
        EXPECT_EQ(back.trouble, DecodedState::Trouble::Damaged);
        EXPECT_NE(back.why.find(why), std::string::npos) << "wanted \"" << why << "\", got \"" << back.why << "\"";
    }
}

TEST_F(Damaged, AnyCutShortTextIsRefused) {
    for (std::size_t n = 0; n + 1 < text.size(); ++n)
        ASSERT_FALSE(DecodeState(text.substr(0, n)).state) << n << ": " << text.substr(0, n);
}

TEST_F(Damaged, ALaterLayoutIsNewerAndAnUnknownOneDamaged) {
    std::string later = text;
    later.replace(0, later.find('\n'), "zarvel-state 2");
    EXPECT_EQ(DecodeState(later).trouble, DecodedState::Trouble::Newer);
    std::string earlier = text;
    earlier.replace(0, earlier.find('\n'), "zarvel-state 0");
    EXPECT_EQ(DecodeState(earlier).trouble, DecodedState::Trouble::Damaged);
    EXPECT_EQ(DecodeState("not a saved game").trouble, DecodedState::Trouble::Damaged);
}

TEST_F(Damaged, AFinishedGameIsNoGameInPlay) {
    Seat({"Ann", "Bob"});
    g.CurrentPlayer = kNone;
    EXPECT_FALSE(DecodeState(EncodeState(g)).state);
}

// ---- what the table tells ---------------------------------------------------------

TEST(TableTells, EveryTurnsEndAndEveryChangeOnce) {
    Play play(Seats({"Ann", "*Hal", "Bob"}), 5000, 500, 77);
    Teller told;
    play.table.AddListener(told);
    int actions = 0;
    while (play.g.GameRunning()) {
        const GameState before = play.g;
        const int heard = told.changes;
        const Play::Did did = play.Step();
        ASSERT_NE(did, Play::Did::Nothing);
        ++actions;
        // Once an action, and after it (a human's bust: the roll's and its pass's).
        const bool humanBust = did == Play::Did::Roll && !before.IsComputerTurn() && before.CurrentPlayer != play.g.CurrentPlayer;
        EXPECT_EQ(told.changes - heard, humanBust ? 2 : 1);
    }
    // The turns told add up to the game's scores.
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(told.banked[p], play.g.PlayerScore[p]) << p;
        EXPECT_GT(told.turns[p], told.busts[p]);
    }
    EXPECT_GT(actions, 50);
}

}  // namespace
}  // namespace zarvel::test
