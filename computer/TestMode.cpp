#include "TestMode.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "StoredNumber.h"

// Marks test mode's texts for the translation tools, which find them by
// this name; the shell translates them under the same scope.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace zarvel {

namespace {

std::string Translated(const TextTranslator& translate, const char* text) { return translate ? translate(text) : text; }

// The text with %1, %2, ... put in, in any order a translation puts them.
std::string Filled(std::string text, const std::vector<std::string>& args) {
    for (std::size_t i = args.size(); i-- > 0;) {
        const std::string mark = "%" + std::to_string(i + 1);
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + args[i].size()))
            text.replace(at, mark.size(), args[i]);
    }
    return text;
}

template <std::size_t N>
TestQuestion Ask(const char* prompt, const Choice<N>& choice) {
    return {prompt, choice.byDefault, std::vector<int>(choice.values.begin(), choice.values.end())};
}

}  // namespace

const std::array<TestQuestion, 4>& TestQuestions() {
    static const std::array<TestQuestion, 4> questions{{
        Ask(QT_TRANSLATE_NOOP("TestMode", "How Many Games (7 or 14) ???"), kTestGamesChoice),
        Ask(QT_TRANSLATE_NOOP("TestMode", "Normal's Position (0-6) ???"), kNormalPositionChoice),
        Ask(QT_TRANSLATE_NOOP("TestMode", "Play to 5000 or 10000 ???"), kPlayToChoice),
        Ask(QT_TRANSLATE_NOOP("TestMode", "Amount needed to break in ???"), kBreakInChoice),
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

std::array<int, kFixedStyleCount> TestSeating(int normalPosition) {
    const int p = ((normalPosition % kFixedStyleCount) + kFixedStyleCount) % kFixedStyleCount;
    std::array<int, kFixedStyleCount> seats{};
    for (int k = 0; k < kFixedStyleCount; ++k) seats[(p + k) % kFixedStyleCount] = k + 1;
    return seats;
}

std::vector<Seat> ComputerSeats(const std::vector<int>& styles) {
    std::vector<Seat> seats;
    for (int style : styles) seats.push_back({StyleName(style), true, style});
    return seats;
}

std::string TestCaption(int gameNumber, int numGames, const TextTranslator& translate) {
    return " " + Filled(Translated(translate, QT_TRANSLATE_NOOP("TestMode", "Game  %1 of %2")),
                        {std::to_string(gameNumber), std::to_string(numGames)});
}

std::string TestReport(const GameState& g, const std::array<int, kSeats>& wins, const TextTranslator& translate) {
    const std::string crlf = "\r\n";
    std::string text = Translated(translate, QT_TRANSLATE_NOOP("TestMode", "Test Run Complete.")) + crlf + crlf +
                       Translated(translate, QT_TRANSLATE_NOOP("TestMode", "Player\t\t# Wins")) + crlf +
                       "---------\t\t-----------" + crlf;
    for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
        text += g.PlayerName[p] + ":\t\t" + std::to_string(wins[std::size_t(p)]) + crlf;
    return text + crlf + Translated(translate, QT_TRANSLATE_NOOP("TestMode", "Exiting..."));
}

TestRun::TestRun(Table& table, ComputerDriver& driver, Scheduler& scheduler)
    : table_(table), driver_(driver), scheduler_(scheduler) {
    table_.AddListener(*this);
}

TestRun::~TestRun() { table_.RemoveListener(*this); }

void TestRun::GameOver(int winner) {
    if (!TestMode) return;
    if (winner >= 0 && winner < kSeats) ++TestWins[std::size_t(winner)];
    // The next game starts from the loop, not inside the end of the last.
    std::weak_ptr<char> life = life_;
    scheduler_.After(0, [this, life] {
        if (!life.expired()) RunTestGame();
    });
}

void TestRun::Configure(const TestSetup& setup) {
    Settings& s = table_.settings();
    s.ComputerFast = kRidiculous;
    TestMode = true;
    TestNumGames = setup.games;
    NormalPosition = setup.normalPosition;
    s.PlayToScore = setup.playTo;
    s.BreakInScore = setup.breakIn;
    TestWins.fill(0);
    configured_ = true;
}

void TestRun::Start(const TestSetup& setup) {
    Configure(setup);
    RunTestGame();
}

void TestRun::RunTestGame() {
    Settings& s = table_.settings();
    if (reported_) return;
    if (TestGamesPlayed == 0 && !configured_) {
        s.ComputerFast = kRidiculous;
        TestMode = true;
        std::array<int, 4> values{};
        for (int q = 0; q < 4; ++q) {
            const TestQuestion& question = TestQuestions()[q];
            const auto answer = ask ? ask(Translated(translate, question.prompt), std::to_string(question.defaultValue))
                                    : std::optional<std::string>(std::to_string(question.defaultValue));
            values[q] = TestAnswerValue(q, answer);
        }
        Configure({values[kTestGames], values[kTestNormalPosition], values[kTestPlayTo], values[kTestBreakIn]});
    }
    const int n = TestGamesPlayed;
    // No " Game 15 of 14": after the last game the pad goes straight back.
    if (n > 0 && n < TestNumGames && setScorePadCaption) setScorePadCaption(TestCaption(n + 1, TestNumGames, translate));

    TestGamesPlayed = n + 1;
    if (n >= TestNumGames) {
        reported_ = true;
        driver_.Cancel();
        if (setScorePadCaption) setScorePadCaption(" " + Translated(translate, QT_TRANSLATE_NOOP("TestMode", "Score Pad")));
        if (showReport) showReport(TestReport(table_.state(), TestWins, translate));
        if (endProgram) endProgram();
        return;
    }

    s.SoundFXOFF = true;
    s.MarkScorers = false;
    s.SortDice = false;
    std::vector<int> styles = seats;
    if (styles.empty()) {
        const auto seating = TestSeating(NormalPosition);
        styles.assign(seating.begin(), seating.end());
    }
    // Seating ends any turn still running from before; the driver starts
    // the first seat's.
    table_.SeatGame(ComputerSeats(styles), s.PlayToScore, s.BreakInScore);
    if (onGameStarting) onGameStarting();
}

}  // namespace zarvel
