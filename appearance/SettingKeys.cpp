#include "SettingKeys.h"

#include <array>
#include <cmath>
#include <optional>

#include "Catalogue.h"
#include "SettingsFile.h"
#include "Startup.h"
#include "StoredNumber.h"

namespace zarvel {

namespace {

// Numbers as the settings hold them: the stored number, rounded, when it
// fits the value's type; nothing when it does not.
std::optional<long> Int16(const QString& text) {
    return RoundedInRange(StoredNumber(text.toStdString()), -32768, 32767);
}
std::optional<long> Byte(const QString& text) { return RoundedInRange(StoredNumber(text.toStdString()), 0, 255); }
// A Boolean is "not 0"; a number too large to hold is unusable, and so is
// a missing key: both take the option's default.
bool Bool(const QString& text, bool byDefault) {
    if (text.isEmpty()) return byDefault;
    const double v = StoredNumber(text.toStdString());
    if (!std::isfinite(v)) return byDefault;
    return v != 0;
}
// A stored choice: its value when that is one of the choice's, else the default.
template <std::size_t N>
int OneOf(std::optional<long> v, const Choice<N>& choice) {
    return v ? choice.Or(int(*v)) : choice.byDefault;
}

QString BoolText(bool v) { return v ? QStringLiteral("-1") : QStringLiteral("0"); }

// The event sounds' values, in the sound dialog's order.
constexpr std::array<std::string Settings::*, 8> kEventSounds{
    &Settings::ZarvelSound,  &Settings::GameOverSound, &Settings::MoveDieSound, &Settings::Passem1Sound,
    &Settings::Passem2Sound, &Settings::MultiDieSound, &Settings::OneDieSound,  &Settings::UndoSound};

using Reader = void (*)(Settings& s, const QString& stored);
using Writer = QString (*)(const Settings& s);

struct KeyRow {
    Key key;
    const char* name;
    Reader read;   // nullptr: not read into the settings
    Writer write;  // nullptr: written by name only
};

// The keys other than the sounds, in the order start-up reads them. The
// defaults and the values allowed are the options' own (Options.h).
const KeyRow kKeys[] = {
    {Key::DieColor, "DieColor",
     [](Settings& s, const QString& t) {
         const auto v = Int16(t);
         s.DieSkin = v && *v != 0 ? int(*v) : kDefaultSkin;  // any other code is kept as stored
     },
     [](const Settings& s) { return QString::number(s.DieSkin); }},
    {Key::TextColor, "TextColor",
     [](Settings& s, const QString& t) { s.TextColor = t.isEmpty() ? std::string(kDefaultTextColourText) : t.toStdString(); },
     [](const Settings& s) { return QString::fromStdString(s.TextColor); }},
    {Key::PlayToScore, "PlayToScore", [](Settings& s, const QString& t) { s.PlayToScore = OneOf(Int16(t), kPlayToChoice); },
     [](const Settings& s) { return QString::number(s.PlayToScore); }},
    {Key::BreakInScore, "BreakInScore",
     [](Settings& s, const QString& t) { s.BreakInScore = OneOf(Int16(t), kBreakInChoice); },
     [](const Settings& s) { return QString::number(s.BreakInScore); }},
    {Key::SoundFXOFF, "SoundFXOFF",
     [](Settings& s, const QString& t) { s.SoundFXOFF = Bool(t, kSoundOffByDefault); },
     [](const Settings& s) { return BoolText(s.SoundFXOFF); }},
    // Only 0, 1 and 2 name a speed; any other byte is kept as stored.
    {Key::ComputerFast, "ComputerFast",
     [](Settings& s, const QString& t) { s.ComputerFast = int(Byte(t).value_or(kSpeedChoice.byDefault)); },
     [](const Settings& s) { return QString::number(s.ComputerFast); }},
    {Key::SortDice, "SortDice", [](Settings& s, const QString& t) { s.SortDice = Bool(t, kSortDiceByDefault); },
     [](const Settings& s) { return BoolText(s.SortDice); }},
    {Key::MarkScorers, "MarkScorers", [](Settings& s, const QString& t) { s.MarkScorers = Bool(t, kMarkScorersByDefault); },
     [](const Settings& s) { return BoolText(s.MarkScorers); }},
    // A percent within the zoom's range; anything else is no choice, and
    // the first start's rule picks one for the screen.
    {Key::Zoom, "Zoom",
     [](Settings& s, const QString& t) {
         const auto v = Int16(t);
         s.Zoom = v && *v >= kMinZoom && *v <= kMaxZoom ? int(*v) : kZoomNotChosen;
     },
     [](const Settings& s) { return QString::number(s.Zoom); }},
    {Key::Background, "Background", nullptr, nullptr},
};

const KeyRow* FindRow(Key key) {
    for (const KeyRow& row : kKeys)
        if (row.key == key) return &row;
    return nullptr;
}

int SoundIndex(Key key) {
    const int i = int(key) - int(Key::ZarvelSound);
    return i >= 0 && i < int(kSoundEvents.size()) ? i : -1;
}

}  // namespace

const std::array<Key, 8>& SoundKeysInFileOrder() {
    static constexpr std::array<Key, 8> order{Key::ZarvelSound,  Key::OneDieSound,  Key::MultiDieSound,
                                              Key::MoveDieSound, Key::Passem1Sound, Key::Passem2Sound,
                                              Key::UndoSound,    Key::GameOverSound};
    return order;
}

Key SoundKey(int event) { return Key(int(Key::ZarvelSound) + event); }

std::string& EventSound(Settings& s, int event) { return s.*kEventSounds.at(std::size_t(event)); }
const std::string& EventSound(const Settings& s, int event) { return s.*kEventSounds.at(std::size_t(event)); }

QString KeyName(Key key) {
    if (const int i = SoundIndex(key); i >= 0) return QLatin1String(kSoundEvents[std::size_t(i)].key);
    const KeyRow* row = FindRow(key);
    return row ? QLatin1String(row->name) : QString();
}

namespace {

// The text a key's value is written as.
QString ValueText(const Settings& s, Key key) {
    if (const int i = SoundIndex(key); i >= 0) return QString::fromStdString(EventSound(s, i));
    const KeyRow* row = FindRow(key);
    return row && row->write ? row->write(s) : QString();
}

// Fills the key's value in s from its stored text, with the key's default
// or correction.
void ReadKey(const SettingsFile& file, Settings& s, Key key, const QString& tempPath) {
    if (const int i = SoundIndex(key); i >= 0) {
        // A sound left empty is the built-in one, written into the carried
        // files' folder; one stored where an earlier start wrote it is today's.
        const QString stored = CarriedFileNow(file.Read(KeyName(key)), tempPath);
        EventSound(s, i) = stored.isEmpty()
                               ? (tempPath + QLatin1String(kSoundEvents[std::size_t(i)].builtIn.name)).toStdString()
                               : stored.toStdString();
        return;
    }
    if (const KeyRow* row = FindRow(key); row && row->read) row->read(s, file.Read(QLatin1String(row->name)));
}

}  // namespace

void ReadSettings(const SettingsFile& file, Settings& s, const QString& tempPath) {
    s.TempPath = tempPath.toStdString();
    for (int i = 0; i < int(kSoundEvents.size()); ++i) ReadKey(file, s, SoundKey(i), tempPath);
    for (const KeyRow& row : kKeys) ReadKey(file, s, row.key, tempPath);
}

bool WriteSetting(SettingsFile& file, const Settings& s, Key key) {
    const QString text = ValueText(s, key);
    if (KeyName(key).isEmpty() || (SoundIndex(key) < 0 && !FindRow(key)->write)) return false;
    // A value the file already means, as this copy read and wrote it, was
    // not changed here: writing it would undo what another copy of the
    // game may have saved since.
    Settings stored = s;
    ReadKey(file, stored, key, QString::fromStdString(s.TempPath));
    if (ValueText(stored, key) == text) return true;
    return file.Write(KeyName(key), text);
}

}  // namespace zarvel
