#include <gtest/gtest.h>

#include "Notation.h"
#include "Scoring.h"
#include "Styles.h"

namespace zarvel::test {
namespace {

using Kind = BotStep::Kind;

// A state right after a roll of these faces by seat 0.
GameState Rolled(const std::vector<int>& faces, const std::string& actions = "s", Score banked = 1000,
                 Score turn = 0) {
    GameState g;
    g.NumPlayers = 3;
    g.CurrentPlayer = 0;
    g.PlayerScore[0] = banked;
    g.TurnScore = turn;
    g.AllowedActions = Acts(actions);
    const int n = static_cast<int>(faces.size());
    for (int i = 0; i < kSlots; ++i) {
        g.Dice[i] = i < n ? faces[i] : kNone;
        g.DieFree[i] = i < n;
    }
    g.DieCode = ScoreRoll(g.Dice, n);
    return g;
}

// Dice count n to roll next: n unpicked dice, no scorer among them.
GameState Up(int n, const std::string& actions, Score banked, Score turn) {
    GameState g = Rolled({}, actions, banked, turn);
    for (int i = 0; i < kSlots; ++i) g.DieCode[i] = Code(i < n ? "0" : "99");
    return g;
}

const PickMarks kNoPicks{};

using Routine = BotStep (*)(const GameState&, const PickMarks&);
const Routine kThinking[] = {Bot_Cautious, Bot_Normal, Bot_Fearless};

// Cautious takes a single die from five dice up, Normal from four, Fearless
// from three.
TEST(ChooseDice, KeepsOneDieWhileManyAreInPlayUnlessACombinationIsWorthMore) {
    struct Choice {
        std::vector<int> faces;
        SlotList cautious, normal, fearless;  // slots taken
    };
    const Choice cases[] = {
        {{1, 5, 3, 4, 6, 6}, {0}, {0}, {0}},                    // the worked turn: only the 1
        {{1, 1, 1, 2, 3, 4}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}},  // three 1s and nothing else
        {{2, 2, 2, 1, 3, 4}, {3}, {3}, {3}},                    // the 1, not the three 2s
        {{2, 2, 2, 3, 4, 6}, {0}, {0}, {0}},                    // three 2s when there is no 1 or 5
        {{3, 5, 2, 2, 2, 4}, {1}, {1}, {1}},                    // a 5 before three 2s
        {{1, 5, 3, 3}, {0, 1}, {0}, {0}},                       // four dice
        {{5, 1, 4}, {0, 1}, {0, 1}, {1}},                       // three dice
        {{1, 5, 5, 1}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}},  // every die scores
        {{3, 3, 3, 1, 2}, {0, 1, 2, 3, 5}, {0, 1, 2, 3, 5}, {0, 1, 2, 3, 5}},  // "99" slots clicked too
    };
    for (const Choice& c : cases) {
        const SlotList* taken[] = {&c.cautious, &c.normal, &c.fearless};
        for (int k = 0; k < 3; ++k) {
            const BotStep s = kThinking[k](Rolled(c.faces), kNoPicks);
            EXPECT_EQ(s.kind, Kind::Click);
            EXPECT_EQ(s.picks, *taken[k]) << "faces[0]=" << c.faces[0] << " style " << k;
            EXPECT_TRUE(s.mark);
            EXPECT_EQ(s.numDiceUp, static_cast<int>(c.faces.size()));
        }
    }
}

TEST(ChooseDice, ReportsWhenNothingIsLeftToTake) {
    EXPECT_EQ(ChooseDice(Rolled({2, 3, 4, 6, 2, 3}), kNoPicks, 4).kind, Kind::NothingToTake);
}

// Pass thresholds by the dice to roll next (1..5), met at equal or above.
TEST(RollOrPass, ThresholdsByDiceToRollNext) {
    const std::array<Score, 5> thresholds[] = {
        {250, 300, 350, 500, 700},     // Cautious
        {350, 400, 450, 600, 900},     // Normal
        {400, 450, 500, 1100, 1500}};  // Fearless
    for (int k = 0; k < 3; ++k) {
        for (int n = 1; n <= 5; ++n) {
            const Score t = thresholds[k][n - 1];
            EXPECT_EQ(kThinking[k](Up(n, "rp", 1000, t), kNoPicks).kind, Kind::Pass) << t << " with " << n;
            EXPECT_EQ(kThinking[k](Up(n, "rp", 1000, t - 50), kNoPicks).kind, Kind::Roll) << t << " with " << n;
        }
    }
}

TEST(RollOrPass, BreakingInAlwaysPassesAndAnImpossibleCountIsReported) {
    EXPECT_EQ(Bot_Fearless(Up(5, "rp", 0, 550), kNoPicks).kind, Kind::Pass);
    for (int n : {0, 6}) {
        const BotStep s = Bot_Normal(Up(n, "rp", 1000, 600), kNoPicks);
        EXPECT_EQ(s.kind, Kind::DiceCountError);
        EXPECT_EQ(s.numDiceUp, n);
    }
    EXPECT_EQ(DiceCountErrorText(6), "NumDiceUp = 6\r\nError 529 - Bot Click - Please contact Quarnaby Software.");
}

TEST(RollOrPass, LastRoundNeedsStrictlyMoreThanTheBestBankedScore) {
    GameState g = Up(5, "rp", 5000, 1000);
    g.PlayerScore[1] = 6000;
    g.WentOut = 1;
    BotStep s = Bot_Cautious(g, kNoPicks);
    EXPECT_EQ(s.kind, Kind::Roll);  // a tie is not enough
    EXPECT_EQ(s.highScore, 6000);
    g.TurnScore = 1050;
    EXPECT_EQ(Bot_Cautious(g, kNoPicks).kind, Kind::Pass);
}

TEST(MoreDice, TakesMoreBelowTOrWhenUnbankedWithFiveHundred) {
    // Four dice up, the 1 taken, a 5 still free.
    GameState g = Rolled({1, 5, 3, 4, 6, 6}, "rsp", 1000, 100);
    g.DieFree[0] = false;
    PickMarks picked{};
    picked[0] = true;
    g.Dice[5] = kNone, g.DieCode[5] = Code("99");  // slots 1..4 counted
    EXPECT_EQ(Bot_Normal(g, picked).kind, Kind::Roll);        // 4 up, not below 4
    EXPECT_EQ(Bot_Fearless(g, picked).kind, Kind::Roll);
    EXPECT_EQ(Bot_Cautious(g, picked).picks, (SlotList{1}));  // 4 below 5: takes the 5
    g.PlayerScore[0] = 0;
    g.TurnScore = 500;
    EXPECT_EQ(Bot_Fearless(g, picked).picks, (SlotList{1}));
    g.TurnScore = 450;
    EXPECT_EQ(Bot_Fearless(g, picked).kind, Kind::Roll);
    g.AllowedActions = Acts("sp");  // never passes before taking dice
    EXPECT_EQ(Bot_Fearless(g, picked).kind, Kind::Click);
}

TEST(MoreDice, HotDiceThreeTwosLeaveTwoExtraDiceCounted) {
    GameState g = Rolled({2, 2, 2, 3, 4, 6}, "s", 1000, 400);
    EXPECT_EQ(Bot_Cautious(g, kNoPicks).picks, (SlotList{0}));
    PickMarks picked{};
    picked[0] = true;
    for (int i : SelectionSlots(g, 0)) g.DieFree[i] = false;
    g.TurnScore = 600;
    g.AllowedActions = Acts("rp");
    const BotStep s = Bot_Cautious(g, picked);
    EXPECT_EQ(s.numDiceUp, 5);  // three dice left, five counted: threshold 700
    EXPECT_EQ(s.kind, Kind::Roll);
}

TEST(Simple, TakesEveryScorerAndBanksAbove350) {
    EXPECT_EQ(Bot_Simple(Rolled({1, 5, 3, 3, 2, 2})).picks, (SlotList{0, 1}));
    EXPECT_EQ(Bot_Simple(Rolled({5, 3}, "rsp")).picks, (SlotList{0, 2, 3, 4, 5}));
    EXPECT_EQ(Bot_Simple(Up(4, "rp", 0, 350)).kind, Kind::Roll);
    GameState g = Up(4, "rp", 0, 400);
    g.WentOut = 1;
    g.PlayerScore[1] = 9000;
    EXPECT_EQ(Bot_Simple(g).kind, Kind::Pass);
}

TEST(Moron, TakesTheLowestScorerAndPassesWheneverItMay) {
    EXPECT_EQ(Bot_Moron(Rolled({5, 1, 3, 4, 6, 6})).picks, (SlotList{0}));
    EXPECT_EQ(Bot_Moron(Rolled({3, 4, 4, 4, 1, 6})).picks, (SlotList{1}));
    EXPECT_EQ(Bot_Moron(Rolled({1, 5, 5})).picks, (SlotList{0, 1, 2, 3, 4, 5}));
    for (const char* a : {"r", "rs"}) EXPECT_EQ(Bot_Moron(Up(3, a, 0, 0)).kind, Kind::Roll) << a;
    for (const char* a : {"p", "sp", "rsp", "rp"}) EXPECT_EQ(Bot_Moron(Up(3, a, 0, 0)).kind, Kind::Pass) << a;
}

// Genius by the lead, without drawing; Random by r = int(u x 3) + 1 with
// 1 Normal, 2 Cautious, 3 Fearless, one draw a turn.
TEST(ChooseRoutine, GeniusByTheLeadRandomByOneDraw) {
    ScriptedRandom rng;
    GameState g = Rolled({}, "r", 3000);
    g.PlayerStyle[0] = style::Genius;
    const std::pair<Score, int> leads[] = {
        {3000, style::Normal}, {4000, style::Normal}, {4001, style::Fearless},
        {2000, style::Normal}, {1999, style::Cautious}};
    for (auto [lead, routine] : leads) {
        g.PlayerScore[2] = lead;
        EXPECT_EQ(ChooseRoutine(g, rng), routine) << lead;
    }
    g.PlayerScore = {};
    EXPECT_EQ(ChooseRoutine(g, rng), style::Normal);
    g.PlayerStyle[0] = style::Expert;
    EXPECT_EQ(ChooseRoutine(g, rng), style::Expert);
    g.PlayerStyle[0] = kStyleCount + 1;
    EXPECT_EQ(ChooseRoutine(g, rng), style::None);
    EXPECT_EQ(rng.Draws(), 0u);

    g.PlayerStyle[0] = style::Random;
    const std::pair<double, int> draws[] = {
        {0.0, style::Normal},     {0.333, style::Normal},   {0.334, style::Cautious},
        {0.666, style::Cautious}, {0.667, style::Fearless}, {0.999, style::Fearless}};
    for (auto [u, routine] : draws) {
        rng.Push(u);
        EXPECT_EQ(ChooseRoutine(g, rng), routine) << u;
    }
    EXPECT_EQ(rng.Draws(), 6u);
}

}  // namespace
}  // namespace zarvel::test
