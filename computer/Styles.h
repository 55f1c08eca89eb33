// The computer styles as decisions. Every decision looks only at the
// game state and the computer's own marks and says what to do next: click
// some slots, roll, pass, or nothing. The turn driver carries it out.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "Catalogue.h"
#include "GameState.h"
#include "Random.h"
#include "Scoring.h"

namespace zarvel {

// Style codes as stored in PlayerStyle.
namespace style {
constexpr int None = 0;
constexpr int Normal = 1, Cautious = 2, Fearless = 3, Simple = 4, Random = 5, Genius = 6, Moron = 7;
// The best play of the solved game (Expert.h); it needs the solved table.
constexpr int Expert = 8;
}  // namespace style

constexpr int kStyleCount = int(kStyleNames.size());
// The seven styles of fixed rules, codes 1..7: the ones test mode seats.
constexpr int kFixedStyleCount = style::Moron;

// "Normal" .. "Expert" for codes 1..8; empty for any other code.
std::string StyleName(int code);
// The code of a style name (exact spelling, any case); 0 when unknown.
int StyleCode(const std::string& name);

// Cautious, Normal and Fearless are one strategy with these constants.
struct ThinkingStyle {
    int T;                     // dice count from which a single die is taken
    std::array<int, 6> pass;   // pass threshold by dice to roll next, 1..5
    bool waitsForTray;
};
extern const ThinkingStyle kCautious;
extern const ThinkingStyle kNormal;
extern const ThinkingStyle kFearless;

// A player with nothing banked takes more dice from this turn score on.
constexpr Score kTakeMoreWithoutBank = 500;
// Simple banks when the turn is worth more than this.
constexpr Score kSimpleBank = 350;

// The computer's own record of the current roll.
using PickMarks = std::array<bool, kSlots>;

// What one step of a turn routine does.
struct BotStep {
    enum class Kind { Nothing, Click, Roll, Pass, DiceCountError, NothingToTake };
    Kind kind = Kind::Nothing;
    SlotList picks;          // Click: taken in this order
    bool mark = false;       // Click: the slots are marked as picked first
    std::optional<int> numDiceUp;    // the count made on the way, if any
    std::optional<Score> highScore;  // the last-round high score, if computed
};

// Number of slots holding a die of the roll that the computer has not picked.
int CountDiceUp(const GameState& g, const PickMarks& picked);

// Which dice a thinking style takes from the current roll.
BotStep ChooseDice(const GameState& g, const PickMarks& picked, int T);

// One step of each turn routine, decided by the actions open.
BotStep Bot_Thinking(const GameState& g, const PickMarks& picked, const ThinkingStyle& s);
BotStep Bot_Cautious(const GameState& g, const PickMarks& picked);
BotStep Bot_Normal(const GameState& g, const PickMarks& picked);
BotStep Bot_Fearless(const GameState& g, const PickMarks& picked);
BotStep Bot_Simple(const GameState& g);
BotStep Bot_Moron(const GameState& g);

// The routine a seat's style plays this turn: Normal, Cautious, Fearless,
// Simple, Moron or Expert; style::None for a code outside 1..8. "Random" draws one
// value from the random source; nothing else draws.
int ChooseRoutine(const GameState& g, RandomSource& rng);

// A routine that uses BotRoll/BotPass and the pick marks.
bool IsThinking(int routine);
bool WaitsForTray(int routine);
// The step of a routine that decides from the state alone; the Expert's
// comes from the driver, which holds its solved turn.
BotStep RoutineStep(int routine, const GameState& g, const PickMarks& picked);

// The two error reports of the computer players.
std::string DiceCountErrorText(int numDiceUp);
extern const char* const kNothingToTakeText;

}  // namespace zarvel
