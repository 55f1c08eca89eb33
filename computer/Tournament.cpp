#include "Tournament.h"

#include "ComputerDriver.h"
#include "Scheduler.h"
#include "TestMode.h"

namespace zarvel {

TournamentResult RunTournament(const TournamentOptions& options) {
    UniformRandom rng(options.seed);
    NullBoard board;
    return RunTournament(options, rng, board);
}

TournamentResult RunTournament(const TournamentOptions& options, RandomSource& rng, Board& board) {
    GameState g;
    Settings s;
    s.SoundFXOFF = true;
    Table table(g, s, board, rng);
    VirtualScheduler scheduler;
    ComputerDriver driver(table, scheduler);
    TestRun run(table, driver, scheduler);
    run.seats = options.seats;

    TournamentResult result;
    std::string report;
    run.showReport = [&](const std::string& text) { report = text; };
    run.endProgram = [] {};
    run.Start({options.games, options.normalPosition, options.playTo, options.breakIn});
    scheduler.RunUntilIdle();

    for (int p = 0; p < g.NumPlayers; ++p) {
        result.styles.push_back(g.PlayerStyle[p]);
        result.wins.push_back(g.TestWins[p]);
    }
    result.completed = run.Reported();
    result.gamesPlayed = result.completed ? g.TestNumGames : g.TestGamesPlayed - 1;
    if (!result.completed) {
        if (auto* null = dynamic_cast<NullBoard*>(&board); null && !null->messages.empty())
            result.error = null->messages.back();
        else
            result.error = "the run stopped before its last game";
    }
    return result;
}

}  // namespace zarvel
