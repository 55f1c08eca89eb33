#include "RecordKeeper.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "Catalogue.h"
#include "GameHost.h"
#include "RecordsText.h"
#include "Snapshot.h"
#include "frmScorePad.h"
#include "frmStatistics.h"

namespace zarvel {

namespace {

QString Title() { return QString::fromUtf8(kTitle.data(), qsizetype(kTitle.size())); }

std::vector<Player> Players(const GameState& g) {
    std::vector<Player> players;
    for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
        players.push_back({g.PlayerName[p], g.PlayerIsComputer[p] ? g.PlayerStyle[p] : kHumanStyle});
    return players;
}

// The saved counts belong to the saved state: the same seats, the same
// game, the same banked scores.
bool TallyFits(const GameTally& tally, const GameState& g) {
    const GameRecord& r = tally.progress();
    const std::vector<Player> players = Players(g);
    if (!tally.recorded() || r.seats.size() != players.size() || r.target != g.PlayToScore ||
        r.breakIn != g.BreakInScore || r.wentOut != (g.WentOut == kNone ? -1 : g.WentOut))
        return false;
    for (std::size_t p = 0; p < players.size(); ++p)
        if (r.seats[p].seat != players[p] || r.seats[p].finalScore != g.PlayerScore[p]) return false;
    return true;
}

}  // namespace

RecordKeeper::RecordKeeper(GameHost& host, std::string path) : host_(host) {
    records_ = std::make_unique<Records>(std::move(path), [this](const RecordsTrouble& trouble) {
        Tell(TroubleText(trouble));
    });
    host_.table().AddListener(*this);
    // The offer to continue comes once the window is up.
    if (QWidget* window = host_.mainWindow()) window->installEventFilter(this);
}

RecordKeeper::~RecordKeeper() { host_.table().RemoveListener(*this); }

bool RecordKeeper::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Show && watched == host_.mainWindow() && !windowUp_) {
        windowUp_ = true;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &RecordKeeper::OfferSavedGame);
    }
    return QObject::eventFilter(watched, e);
}

// ---- messages ---------------------------------------------------------------------

void RecordKeeper::Tell(const QString& text) {
    if (telling_ || !told_.isEmpty()) return;
    told_ = text;
    // Before the window shows, the offer to continue says it first.
    if (windowUp_) QTimer::singleShot(0, this, &RecordKeeper::ShowTold);
}

void RecordKeeper::ShowTold() {
    if (told_.isEmpty() || telling_) return;
    telling_ = true;
    QMessageBox box(QMessageBox::Warning, Title(), told_, QMessageBox::Ok, host_.mainWindow());
    box.exec();
    told_.clear();
    telling_ = false;
}

// ---- resuming ----------------------------------------------------------------------

void RecordKeeper::OfferSavedGame() {
    if (offerMade_) return;
    windowUp_ = offerMade_ = true;
    ShowTold();
    // A game started meanwhile has the table: the saved one waits for the next start.
    if (host_.table().state().GameRunning()) return;
    std::optional<SavedGame> saved = records_->LoadSavedGame();
    if (!saved) return;

    DecodedState decoded = saved->format > kStateFormat
                               ? DecodedState{std::nullopt, DecodedState::Trouble::Newer, {}}
                               : DecodeState(saved->state);
    const QString names = NameList(saved->Names());
    if (decoded.trouble == DecodedState::Trouble::Newer) {
        records_->LeaveSavedGame();
        Tell(tr("The game of %1 was saved by a newer version of the game, which can continue it. It is left as it is.")
                 .arg(names));
        ShowTold();
        return;
    }
    if (decoded.state && !TallyFits(saved->tally, *decoded.state)) {
        decoded.state.reset();
        decoded.why = "the counts kept with it are not those of its seats and scores";
    }
    if (!decoded.state) {
        records_->DropSavedGame();
        Tell(tr("The saved game cannot be continued: it is damaged (%1).").arg(QString::fromStdString(decoded.why)));
        ShowTold();
        return;
    }

    QApplication::beep();
    QMessageBox box(QMessageBox::Question, Title(), ContinueQuestion(saved->Names()),
                    QMessageBox::Yes | QMessageBox::No, host_.mainWindow());
    box.setDefaultButton(QMessageBox::Yes);
    const bool yes = box.exec() == QMessageBox::Yes;
    // Answered late, after a game was started some other way: that game stays.
    if (host_.table().state().GameRunning()) {
        records_->LeaveSavedGame();
        return;
    }
    if (yes)
        Resume(*decoded.state, saved->tally);
    else
        records_->DropSavedGame();
}

void RecordKeeper::Resume(const GameState& state, const GameTally& tally) {
    resuming_ = true;
    host_.table().ResumeGame(state);
    resuming_ = false;
    tally_ = tally;
    keeping_ = true;
    lastSaved_ = EncodeState(state);

    // The window as a game's start leaves it: the game's buttons, and the
    // score pad beside the window with the computers' names in italics.
    host_.ShowGameButtons(true);
    frmScorePad& pad = host_.scorePad();
    for (int seat = 0; seat < frmScorePad::kRows; ++seat) pad.setItalic(seat, state.PlayerIsComputer[std::size_t(seat)]);
    pad.showRebuilt();
    pad.placeBeside(host_.mainWindow());
    pad.repaintPad();
    if (QWidget* window = host_.mainWindow()) {
        window->activateWindow();
        window->setFocus();
    }
}

// ---- play --------------------------------------------------------------------------

void RecordKeeper::GameSeated() {
    if (resuming_) return;
    const GameState& g = host_.table().state();
    // Test mode's games are no one's: nothing of them is kept.
    keeping_ = host_.TestRunGames() == 0;
    tally_.Start(Players(g), g.PlayToScore, g.BreakInScore, keeping_);
    if (keeping_) {
        Save();
    } else if (!lastSaved_.empty()) {
        records_->DropSavedGame();
        lastSaved_.clear();
    }
}

void RecordKeeper::TurnEnded(int seat, Score banked, bool zarvel) {
    if (!keeping_) return;
    if (zarvel)
        tally_.Zarvel(seat);
    else
        tally_.Banked(seat, banked);
    if (host_.table().state().WentOut == seat) tally_.WentOut(seat);
}

void RecordKeeper::StateChanged() {
    const GameState& g = host_.table().state();
    // A computer's turn is saved as it began: continued, it starts again.
    if (!keeping_ || !g.GameRunning() || (g.IsComputerTurn() && g.TurnUnderway())) return;
    Save();
}

void RecordKeeper::Save() {
    std::string text = EncodeState(host_.table().state());
    if (text == lastSaved_) return;
    if (records_->SaveGame(SavedGame{kStateFormat, text, tally_})) lastSaved_ = std::move(text);
}

void RecordKeeper::GameOver(int winner) {
    if (!keeping_) return;
    keeping_ = false;
    const GameState& g = host_.table().state();
    const std::vector<std::int32_t> scores(g.PlayerScore.begin(), g.PlayerScore.begin() + std::clamp(g.NumPlayers, 0, kSeats));
    if (const auto record = tally_.Finish(winner, scores))
        records_->FinishGame(*record);
    else
        records_->DropSavedGame();
    lastSaved_.clear();
}

void RecordKeeper::GameAbandoned() {
    if (!keeping_ && lastSaved_.empty()) return;
    keeping_ = false;
    tally_ = GameTally{};
    records_->DropSavedGame();
    lastSaved_.clear();
}

// ---- the last seats and the statistics ---------------------------------------------------

std::optional<LastSeats> RecordKeeper::Recall() { return records_->LoadLastSeats(); }

void RecordKeeper::Remember(const LastSeats& seats) { records_->SaveLastSeats(seats); }

void RecordKeeper::ShowStatistics() {
    frmStatistics window(*records_, host_.mainWindow());
    window.exec();
}

}  // namespace zarvel
