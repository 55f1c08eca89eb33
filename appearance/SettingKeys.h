// Every key of the settings file, declared once: its name, how its stored
// text is read (with its default or correction) and how its value is
// written. Start-up reads through this list and every dialog and tray
// writes through it, so the two cannot disagree.
#pragma once

#include <QString>
#include <array>

#include "GameState.h"

namespace zarvel {

class SettingsFile;

enum class Key {
    // The eight event sounds, in the sound dialog's order.
    ZarvelSound, GameOverSound, MoveDieSound, Passem1Sound, Passem2Sound, MultiDieSound, OneDieSound, UndoSound,
    DieColor, TextColor, PlayToScore, BreakInScore, SoundFXOFF, ComputerFast, SortDice, MarkScorers,
    Zoom,        // the windows' zoom in percent
    Background,  // no value of its own: the picture file, read and written by name
};

QString KeyName(Key key);
// The key of sound event i (0..7, the sound dialog's order).
Key SoundKey(int event);
// The file of sound event i in the settings.
std::string& EventSound(Settings& s, int event);
const std::string& EventSound(const Settings& s, int event);

// The sound keys in the order the sound dialog writes them (the file's
// order, not the dialog's list order).
const std::array<Key, 8>& SoundKeysInFileOrder();

// Reads every key but Background, applying each key's default or
// correction; an unusable number takes the key's default.
void ReadSettings(const SettingsFile& file, Settings& s, const QString& tempPath);

// Writes the key's current value from s, in the form its type is stored,
// unless the file already holds what reads as that value (this copy did
// not change it). False when the write failed.
bool WriteSetting(SettingsFile& file, const Settings& s, Key key);

}  // namespace zarvel
