#include <chrono>

#include "GameRecord.h"

namespace zarvel {

std::int64_t NowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

void GameTally::Start(std::vector<Player> seats, int target, int breakIn, bool recorded) {
    game_ = GameRecord{};
    game_.target = target;
    game_.breakIn = breakIn;
    for (Player& s : seats) game_.seats.push_back(SeatRecord{std::move(s)});
    recorded_ = recorded;
}

SeatRecord* GameTally::At(int seat) {
    if (!recorded_ || seat < 0 || std::size_t(seat) >= game_.seats.size()) return nullptr;
    return &game_.seats[std::size_t(seat)];
}

void GameTally::Banked(int seat, std::int32_t points) {
    SeatRecord* s = At(seat);
    if (!s) return;
    ++s->turns;
    ++game_.turns;
    s->finalScore += points;
    if (points > s->bestTurn) s->bestTurn = points;
}

void GameTally::Zarvel(int seat) {
    SeatRecord* s = At(seat);
    if (!s) return;
    ++s->turns;
    ++s->zarvels;
    ++game_.turns;
}

void GameTally::WentOut(int seat) {
    // Only the first counts: nobody else goes out in the last round.
    if (At(seat) && game_.wentOut < 0) game_.wentOut = seat;
}

std::optional<GameRecord> GameTally::Finish(int winner, std::span<const std::int32_t> finalScores,
                                            std::int64_t finishedAt) {
    GameRecord game = std::move(game_);
    const bool keep = recorded_ && !game.seats.empty() && winner >= 0 && std::size_t(winner) < game.seats.size();
    *this = GameTally{};
    if (!keep) return std::nullopt;
    for (std::size_t i = 0; i < game.seats.size() && i < finalScores.size(); ++i) game.seats[i].finalScore = finalScores[i];
    game.winner = winner;
    game.finishedAt = finishedAt;
    return game;
}

}  // namespace zarvel
