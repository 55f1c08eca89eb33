#include "TestMode.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "StoredNumber.h"

namespace zarvel {

const std::array<TestQuestion, 4>& TestQuestions() {
    static const std::array<TestQuestion, 4> questions{{
        {"How Many Games (7 or 14) ???", 14, {7, 14}},
        {"Normal's Position (0-6) ???", 0, {0, 1, 2, 3, 4, 5, 6}},
        {"Play to 5000 or 10000 ???", 5000, {5000, 10000}},
        {"Amount needed to break in ???", 500, {500, 1000}},
    }};
    return questions;
}

int TestAnswerValue(int question, const std::optional<std::string>& answer) {
    const TestQuestion& q = TestQuestions().at(static_cast<std::size_t>(question));
    const double value = answer ? StoredNumber(*answer) : 0.0;
    const auto n = RoundedInRange(value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    if (!n) return q.defaultValue;
    const int v = static_cast<int>(*n);
    return std::find(q.accepted.begin(), q.accepted.end(), v) != q.accepted.end() ? v : q.defaultValue;
}

std::array<int, kStyleCount> TestSeating(int normalPosition) {
    const int p = ((normalPosition % kStyleCount) + kStyleCount) % kStyleCount;
    std::array<int, kStyleCount> seats{};
    for (int k = 0; k < kStyleCount; ++k) seats[(p + k) % kStyleCount] = k + 1;
    return seats;
}

void SeatComputers(GameState& g, const std::vector<int>& styles) {
    g.NumPlayers = static_cast<int>(std::min<std::size_t>(styles.size(), kSeats));
    for (int p = 0; p < kSeats; ++p) {
        const bool seated = p < g.NumPlayers;
        g.PlayerStyle[p] = seated ? styles[p] : 0;
        g.PlayerName[p] = seated ? StyleName(styles[p]) : std::string();
        g.PlayerIsComputer[p] = seated;
        g.PlayerScore[p] = 0;
    }
}

std::string TestCaption(int gameNumber, int numGames) {
    return " Game  " + std::to_string(gameNumber) + " of " + std::to_string(numGames);
}

std::string TestReport(const GameState& g) {
    const std::string crlf = "\r\n";
    std::string text = "Test Run Complete." + crlf + crlf + "Player\t\t# Wins" + crlf + "---------\t\t-----------" + crlf;
    for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
        text += g.PlayerName[p] + ":\t\t" + std::to_string(g.TestWins[p]) + crlf;
    return text + crlf + "Exiting...";
}

TestRun::TestRun(Table& table, ComputerDriver& driver, Scheduler& scheduler)
    : table_(table), driver_(driver), scheduler_(scheduler) {
    std::weak_ptr<char> life = life_;
    // The next game starts from the loop, not inside the end of the last.
    table_.onTestGameOver = [this, life] {
        scheduler_.After(0, [this, life] {
            if (!life.expired()) RunTestGame();
        });
    };
}

TestRun::~TestRun() { table_.onTestGameOver = nullptr; }

void TestRun::Configure(const TestSetup& setup) {
    GameState& g = table_.state();
    Settings& s = table_.settings();
    s.ComputerFast = 2;
    g.TestMode = true;
    g.TestNumGames = setup.games;
    g.NormalPosition = setup.normalPosition;
    s.PlayToScore = setup.playTo;
    s.BreakInScore = setup.breakIn;
    g.TestWins.fill(0);
    configured_ = true;
}

void TestRun::Start(const TestSetup& setup) {
    Configure(setup);
    RunTestGame();
}

void TestRun::RunTestGame() {
    GameState& g = table_.state();
    Settings& s = table_.settings();
    if (reported_) return;
    if (g.TestGamesPlayed == 0 && !configured_) {
        s.ComputerFast = 2;
        g.TestMode = true;
        std::array<int, 4> values{};
        for (int q = 0; q < 4; ++q) {
            const TestQuestion& question = TestQuestions()[q];
            const auto answer = ask ? ask(question.prompt, std::to_string(question.defaultValue))
                                    : std::optional<std::string>(std::to_string(question.defaultValue));
            values[q] = TestAnswerValue(q, answer);
        }
        Configure({values[kTestGames], values[kTestNormalPosition], values[kTestPlayTo], values[kTestBreakIn]});
    }
    const int n = g.TestGamesPlayed;
    // No " Game 15 of 14": after the last game the pad goes straight back.
    if (n > 0 && n < g.TestNumGames && setScorePadCaption) setScorePadCaption(TestCaption(n + 1, g.TestNumGames));

    g.TestGamesPlayed = n + 1;
    if (n >= g.TestNumGames) {
        reported_ = true;
        driver_.Cancel();
        if (setScorePadCaption) setScorePadCaption(" Score Pad");
        const std::string report = TestReport(g);
        if (showReport)
            showReport(report);
        else
            table_.board().ShowMessage(report);
        if (endProgram)
            endProgram();
        else
            table_.board().EndProgramNow();
        return;
    }

    s.SoundFXOFF = true;
    s.MarkScorers = false;
    s.SortDice = false;
    if (seats.empty()) {
        const auto seating = TestSeating(g.NormalPosition);
        SeatComputers(g, {seating.begin(), seating.end()});
    } else {
        SeatComputers(g, seats);
    }
    table_.StartGame();  // also flags any turn still running from before as over
    g.ScorePadShown = true;
    if (onGameStarting) onGameStarting();
    driver_.StartComputerTurn();
}

}  // namespace zarvel
