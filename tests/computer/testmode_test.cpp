#include <algorithm>
#include <numeric>

#include "DriverFixture.h"
#include "TestMode.h"
#include "Tournament.h"

namespace zarvel::test {
namespace {

TEST(TestAnswers, LeadingNumberRoundedHalfToEvenElseTheDefault) {
    struct Case {
        int question;
        std::optional<std::string> answer;
        int value;
    };
    const Case cases[] = {
        {kTestGames, "7", 7},         {kTestGames, "7.5", 14},     {kTestGames, "6.5", 14},
        {kTestGames, "7 games", 7},   {kTestGames, std::nullopt, 14}, {kTestGames, "", 14},
        {kTestGames, "seven", 14},    {kTestGames, "65543", 14},   {kTestGames, "1e300", 14},
        {kTestNormalPosition, "7", 0}, {kTestNormalPosition, "-1", 0}, {kTestNormalPosition, "2.5", 2},
        {kTestNormalPosition, "6", 6}, {kTestPlayTo, "8000", 5000},  {kTestPlayTo, "10000", 10000},
        {kTestPlayTo, "75536", 5000}, {kTestBreakIn, "750", 500},    {kTestBreakIn, " 1000 ", 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TestAnswerValue(c.question, c.answer), c.value) << c.question << " '" << c.answer.value_or("<cancel>") << "'";
}

TEST(TestSeatingAndReport, StylesFollowNormalRoundTheTable) {
    EXPECT_EQ(TestSeating(0), (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(TestSeating(1), (std::array<int, 7>{7, 1, 2, 3, 4, 5, 6}));

    GameState g;
    NullBoard board;
    Settings s;
    ScriptedRandom rng;
    Table table(g, s, board, rng);
    table.SeatGame(ComputerSeats({1, 2, 3, 4, 5, 6, 7}), 5000, 500);
    EXPECT_EQ(g.PlayerName[2], "Fearless");
    EXPECT_TRUE(g.PlayerIsComputer[6] && g.PlayerStyle[6] == 7);
    EXPECT_EQ(TestReport(g, {3, 0, 2, 1, 0, 1, 0}),
              "Test Run Complete.\r\n\r\nPlayer\t\t# Wins\r\n---------\t\t-----------\r\n"
              "Normal:\t\t3\r\nCautious:\t\t0\r\nFearless:\t\t2\r\nSimple:\t\t1\r\n"
              "Random:\t\t0\r\nGenius:\t\t1\r\nMoron:\t\t0\r\n\r\nExiting...");
}

// The shell hands in the translation: every text goes through it, the
// numbers land where the translation puts them, and names stay as they are.
TEST(TestSeatingAndReport, TextsGoThroughTheTranslationInTheirOwnOrder) {
    const TextTranslator reversed = [](const char* text) {
        const std::string t = text;
        if (t == "Game  %1 of %2") return std::string("%2 / %1");
        return "<" + t + ">";
    };
    EXPECT_EQ(TestCaption(2, 14, reversed), " 14 / 2");
    EXPECT_EQ(TestCaption(2, 14), " Game  2 of 14");

    GameState g;
    g.NumPlayers = 1;
    g.PlayerName[0] = "Normal";
    EXPECT_EQ(TestReport(g, {3}, reversed),
              "<Test Run Complete.>\r\n\r\n<Player\t\t# Wins>\r\n---------\t\t-----------\r\n"
              "Normal:\t\t3\r\n\r\n<Exiting...>");
}

class TestRunTest : public DriverTest {
protected:
    TestRun run{table, driver, sched};
    std::vector<std::string> defaults, captions, reports;
    int ended = 0;

    void SetUp() override {
        DriverTest::SetUp();
        run.ask = [this](const std::string&, const std::string& answer) -> std::optional<std::string> {
            defaults.push_back(answer);
            return std::nullopt;  // every box cancelled
        };
        run.setScorePadCaption = [this](const std::string& c) { captions.push_back(c); };
        run.showReport = [this](const std::string& r) { reports.push_back(r); };
        run.endProgram = [this] { ++ended; };
    }
};

TEST_F(TestRunTest, CancelledQuestionsPlayFourteenGamesAndReportOnce) {
    run.RunTestGame();
    // The questions themselves are checked through the window's input boxes.
    EXPECT_EQ(defaults, (std::vector<std::string>{"14", "0", "5000", "500"}));
    EXPECT_TRUE(s.ComputerFast == 2 && s.SoundFXOFF);
    EXPECT_TRUE(sched.RunUntilIdle(kStepsPerGame * 14));

    EXPECT_TRUE(run.NumGames() == 14 && g.PlayToScore == 5000 && g.BreakInScore == 500);
    EXPECT_EQ(std::accumulate(run.Wins().begin(), run.Wins().end(), 0), 14);
    EXPECT_EQ(heard.gameOver.size(), 14u);
    for (int p = 0; p < 7; ++p)
        EXPECT_EQ(run.Wins()[p], std::count(heard.gameOver.begin(), heard.gameOver.end(), p)) << p;
    ASSERT_EQ(captions.size(), 14u);
    EXPECT_EQ(captions[0], " Game  2 of 14");
    EXPECT_EQ(captions[12], " Game  14 of 14");
    EXPECT_EQ(captions[13], " Score Pad");
    EXPECT_EQ(reports, std::vector<std::string>{TestReport(g, run.Wins())});
    EXPECT_EQ(ended, 1);
    run.RunTestGame();  // the run is over: nothing starts again
    EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace zarvel::test
