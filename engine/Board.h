// Everything the engine shows, plays or waits for goes through a board. The
// main window implements it; tests use a recording fake.
#pragma once

#include <string>

namespace zarvel {

class Board {
public:
    virtual ~Board() = default;

    // Picture1(index): 0..5 roll area, 10..15 tray; face 0 shows nothing.
    virtual void ShowDie(int index, int face) = 0;
    virtual void ShowMarker(int slot, bool visible) = 0;
    virtual bool MarkerVisible(int slot) const = 0;
    // Divider left edge in twips inside the tray, or hidden.
    virtual void ShowDividerAt(int leftTwips) = 0;
    virtual void HideDivider() = 0;

    // Labels; each change is painted at once.
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetStatusTop(int twips) = 0;
    virtual void ShowLastRoll(bool visible) = 0;
    virtual void SetTurnScoreText(const std::string& text) = 0;
    virtual void SetPlayerText(const std::string& text) = 0;

    virtual void SetRollEnabled(bool enabled) = 0;
    virtual void SetPassEnabled(bool enabled) = 0;
    virtual bool RollEnabled() const = 0;
    virtual bool PassEnabled() const = 0;

    virtual void SetBusyPointer(bool busy) = 0;
    virtual void Beep() = 0;
    // A plain pause: nothing the user does is handled until it is over.
    virtual void Sleep(int ms) = 0;
    virtual void PlaySoundFile(const std::string& path) = 0;

    // A modal message with an OK button, the application's title, no icon.
    virtual void ShowMessage(const std::string& text) = 0;
    // The modal winner window; returns when the player closes it.
    virtual void ShowWinner() = 0;

    // Score pad rows.
    virtual void ScorePadScore(int seat, const std::string& text) = 0;
    virtual void ScorePadHighlight(int seat, bool current) = 0;
    virtual void ScorePadRepaint() = 0;

    // Shell requests from the keyboard.
    virtual void RequestNewGame() = 0;   // F2
    virtual void EndProgramNow() = 0;    // Esc
};

}  // namespace zarvel
