// A board that records, in order, what the engine showed, played, beeped
// and paused, and sleeps no real time.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Board.h"

namespace zarvel::test {

class RecordingBoard : public Board {
public:
    std::vector<std::string> log;  // dice shown, statuses, beeps, pauses, sounds, messages, in order
    std::array<int, 16> pictures{};
    std::array<bool, 6> markers{};
    int dividerLeft = -1;  // -1 hidden
    std::string status, turnScore, player;
    int statusTop = 2700;
    bool lastRoll = false, rollEnabled = false, passEnabled = false, busy = false;
    std::array<std::string, 9> padScore{};
    int padCurrent = -1;
    int winnerShown = 0, newGameRequests = 0, endRequests = 0, beeps = 0;
    std::vector<std::string> messages, sounds, statuses;
    std::vector<int> sleeps;

    void ShowDie(int index, int face) override {
        pictures[index] = face;
        log.push_back("die " + std::to_string(index) + "=" + std::to_string(face));
    }
    void ShowMarker(int slot, bool visible) override { markers[slot] = visible; }
    bool MarkerVisible(int slot) const override { return markers[slot]; }
    void ShowDividerAt(int left) override { dividerLeft = left; }
    void HideDivider() override { dividerLeft = -1; }
    void SetStatusText(const std::string& t) override {
        status = t;
        statuses.push_back(t);
        log.push_back("status " + t);
    }
    void SetStatusTop(int twips) override { statusTop = twips; }
    void ShowLastRoll(bool v) override { lastRoll = v; }
    void SetTurnScoreText(const std::string& t) override { turnScore = t; }
    void SetPlayerText(const std::string& t) override { player = t; }
    void SetRollEnabled(bool e) override { rollEnabled = e; }
    void SetPassEnabled(bool e) override { passEnabled = e; }
    bool RollEnabled() const override { return rollEnabled; }
    bool PassEnabled() const override { return passEnabled; }
    void SetBusyPointer(bool b) override { busy = b; }
    void Beep() override { ++beeps; }
    void Sleep(int ms) override {
        sleeps.push_back(ms);
        log.push_back("sleep " + std::to_string(ms));
    }
    void PlaySoundFile(const std::string& path) override {
        sounds.push_back(path);
        log.push_back("sound " + path);
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowWinner() override { ++winnerShown; }
    void ScorePadScore(int seat, const std::string& text) override { padScore[seat] = text; }
    void ScorePadHighlight(int seat, bool current) override {
        if (current) padCurrent = seat;
    }
    void ScorePadRepaint() override {}
    void RequestNewGame() override { ++newGameRequests; }
    void EndProgramNow() override { ++endRequests; }

    void Clear() {
        log.clear(), sleeps.clear(), sounds.clear(), statuses.clear(), messages.clear();
    }
};

}  // namespace zarvel::test
