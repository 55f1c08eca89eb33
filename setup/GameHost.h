// What the game set-up windows need from the main window. frmMain
// implements it; tests use a small fake.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace zarvel {

class Table;
class SeatMemory;
class SettingsFile;
class frmScorePad;

class GameHost {
public:
    virtual ~GameHost() = default;

    virtual Table& table() = 0;
    virtual SettingsFile& settingsFile() = 0;
    virtual frmScorePad& scorePad() = 0;
    // The main window itself: position, focus, parent of dialogs.
    virtual QWidget* mainWindow() = 0;

    // New Game button shown (no game) or Roll and Pass Dice shown (a game).
    virtual void ShowGameButtons(bool gameRunning) = 0;
    // Plays a sound file now (the caller has checked the sound option).
    virtual void PlaySoundFile(const QString& path) = 0;
    // The tournament entry question may only be asked while F12 is held.
    virtual bool IsKeyHeld() = 0;
    // Starts the hidden tournament (after the player said Yes).
    virtual void RunTestGame() = 0;
    // The games of the hidden tournament under way; 0 when none is.
    virtual int TestRunGames() const = 0;
    // The program is closing: its windows may close.
    virtual bool Quitting() const = 0;
    // Where the new game dialog keeps the last seats; none: not kept.
    virtual SeatMemory* seatMemory() { return nullptr; }
};

}  // namespace zarvel
