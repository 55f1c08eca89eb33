// A program that writes records while the tests kill it or run two of it.
//
//   records_writer DB churn START   saves and records without end, numbering
//                                   actions from START; after each one that is
//                                   on disk prints "S n" (saved game with state
//                                   n) or "G n" (game with n turns recorded)
//   records_writer DB games N NAME  prints "ready", waits for a line, then
//                                   records N games of NAME, saving between them
//   records_writer DB probe         opens, records one game, and prints each
//                                   trouble and whether the game was recorded
//   records_writer DB hold STATE    saves a game in play with that state,
//                                   prints "saved" and plays on until its
//                                   input ends
// Exit status 0 when every write worked.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "Records.h"

namespace {

using namespace zarvel;

// Written straight to the pipe, so a line is out before the next write starts.
void Say(const std::string& line) {
    const std::string text = line + "\n";
    if (write(STDOUT_FILENO, text.data(), text.size()) != ssize_t(text.size())) std::exit(4);
}

GameRecord Game(const std::string& name, int turns) {
    GameRecord g;
    g.finishedAt = NowSeconds();
    g.target = 5000;
    g.breakIn = 500;
    g.turns = turns;
    g.seats = {SeatRecord{Player{name}, 5000, 900, turns, 1}, SeatRecord{Player{"Computer", 1}, 3000, 700, turns, 2}};
    g.winner = 0;
    g.wentOut = 0;
    return g;
}

SavedGame Snapshot(long n) {
    GameTally tally;
    tally.Start({Player{"Ann"}, Player{"Computer", 2}}, 5000, 500);
    tally.Banked(0, std::int32_t(n % 1000));
    return SavedGame{1, std::to_string(n), tally, 0};
}

const char* KindName(RecordsTrouble::Kind kind) {
    switch (kind) {
    case RecordsTrouble::Kind::KeptAside: return "KeptAside";
    case RecordsTrouble::Kind::CannotWrite: return "CannotWrite";
    case RecordsTrouble::Kind::Newer: return "Newer";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 64;
    const std::string path = argv[1], mode = argv[2];
    bool troubled = false;
    Records records(path, [&](const RecordsTrouble& t) {
        troubled = true;
        if (mode == "probe") Say(std::string("trouble ") + KindName(t.kind));
        else std::cerr << "trouble " << KindName(t.kind) << ": " << t.detail << "\n";
    });

    if (mode == "probe") {
        Say(records.RecordGame(Game("Probe", 1)) ? "recorded 1" : "recorded 0");
        return 0;
    }
    if (troubled) return 2;

    if (mode == "churn" && argc == 4) {
        records.LoadSavedGame();  // as a restart continues the game in play
        for (long n = std::atol(argv[3]);; ++n) {
            if (n % 4 == 0) {
                if (!records.RecordGame(Game("Churn", int(n)))) return 3;
                Say("G " + std::to_string(n));
            } else {
                if (!records.SaveGame(Snapshot(n))) return 3;
                Say("S " + std::to_string(n));
            }
        }
    }
    if (mode == "hold" && argc == 4) {
        SavedGame game = Snapshot(1);
        game.state = argv[3];
        if (!records.SaveGame(game)) return 3;
        Say("saved");
        for (std::string line; std::getline(std::cin, line);) {
        }
        return 0;
    }
    if (mode == "games" && argc == 5) {
        Say("ready");
        std::string go;
        std::getline(std::cin, go);
        const int count = std::atoi(argv[3]);
        for (int i = 0; i < count; ++i) {
            if (!records.RecordGame(Game(argv[4], i + 1))) return 3;
            if (!records.SaveGame(Snapshot(i))) return 3;
        }
        return records.DropSavedGame() ? 0 : 3;
    }
    return 64;
}
