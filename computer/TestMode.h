// Test mode: a tournament of the computer styles that plays itself, one seat
// per style, and reports the wins per seat. The shell asks the questions,
// shows the captions and the report and ends the program through the hooks.
// The run's tallies are its own: TestMode, TestGamesPlayed, TestNumGames,
// NormalPosition and TestWins.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ComputerDriver.h"
#include "Scheduler.h"
#include "Table.h"

namespace zarvel {

struct TestQuestion {
    const char* prompt;
    int defaultValue;
    std::vector<int> accepted;
};

enum TestQuestionIndex { kTestGames = 0, kTestNormalPosition = 1, kTestPlayTo = 2, kTestBreakIn = 3 };

// The four questions, in the order they are asked.
const std::array<TestQuestion, 4>& TestQuestions();

// The value an answer stands for: its leading number rounded to the
// nearest whole number (halves to even), if it is one of the question's
// accepted values; otherwise the question's default. A cancelled box, an
// empty answer and a number beyond a 16-bit integer take the default too.
int TestAnswerValue(int question, const std::optional<std::string>& answer);

struct TestSetup {
    int games = kTestGamesChoice.byDefault;
    int normalPosition = kNormalPositionChoice.byDefault;
    int playTo = kPlayToChoice.byDefault;
    int breakIn = kBreakInChoice.byDefault;
};

// Style code per seat 0..6: Normal at the position, the others after it.
std::array<int, kFixedStyleCount> TestSeating(int normalPosition);

// Computer seats of the given styles, named after their styles.
std::vector<Seat> ComputerSeats(const std::vector<int>& styles);

// Puts one of test mode's texts (marked in TestMode.cpp under the scope
// "TestMode") into the language the game speaks; empty leaves it as it is.
using TextTranslator = std::function<std::string(const char* text)>;

// Score pad caption of a test game, e.g. " Game  2 of 14".
std::string TestCaption(int gameNumber, int numGames, const TextTranslator& translate = {});

// The closing report of the run, lines joined by CR LF: each seat's name
// and wins.
std::string TestReport(const GameState& g, const std::array<int, kSeats>& wins, const TextTranslator& translate = {});

// Listens to the table: the end of every test game schedules the next.
class TestRun : public TableListener {
public:
    TestRun(Table& table, ComputerDriver& driver, Scheduler& scheduler);
    ~TestRun() override;
    TestRun(const TestRun&) = delete;
    TestRun& operator=(const TestRun&) = delete;

    // Host hooks, all optional.
    // Asks one question with its default answer; nothing when cancelled.
    // Without it every question takes its default.
    std::function<std::optional<std::string>(const std::string& prompt, const std::string& defaultAnswer)> ask;
    std::function<void(const std::string&)> setScorePadCaption;
    // A test game has been seated: show the score pad (computer names in
    // italics) beside the main window.
    std::function<void()> onGameStarting;
    // The report, once the last game is over; then endProgram runs.
    std::function<void(const std::string&)> showReport;
    std::function<void()> endProgram;
    // Questions, captions and the report in the game's language.
    TextTranslator translate;

    // Styles by seat; empty plays the test seating by NormalPosition.
    std::vector<int> seats;

    // Starts the run (asking the questions first) or the next game, or
    // reports after the last. The end of every test game schedules it.
    void RunTestGame();
    // Starts a run with these answers, without asking.
    void Start(const TestSetup& setup);

    // A run has started (the program ends with it).
    bool Running() const { return TestMode; }
    bool Reported() const { return reported_; }
    int GamesPlayed() const { return TestGamesPlayed; }
    int NumGames() const { return TestNumGames; }
    const std::array<int, kSeats>& Wins() const { return TestWins; }

    // TableListener.
    void GameOver(int winner) override;

private:
    void Configure(const TestSetup& setup);

    Table& table_;
    ComputerDriver& driver_;
    Scheduler& scheduler_;
    bool TestMode = false;
    int TestGamesPlayed = 0;  // games of the run started so far
    int TestNumGames = 0;
    int NormalPosition = 0;
    std::array<int, kSeats> TestWins{};
    bool configured_ = false;
    bool reported_ = false;
    std::shared_ptr<char> life_ = std::make_shared<char>();
};

}  // namespace zarvel
