#include "Hint.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStringList>
#include <algorithm>

#include "ARButton.h"
#include "ExpertTables.h"
#include "GameTray.h"
#include "PictureBox.h"
#include "Scoring.h"
#include "Table.h"
#include "Twips.h"

namespace zarvel {

namespace {

// The frame around the dice the hint sets aside.
const QColor kMarkColour(0xFF, 0xD7, 0x00);

// The status line's height in twips, and its height while it shows a hint
// (two lines); "(Last Roll)" moves down below it meanwhile.
constexpr int kStatusHeight = 255, kHintHeight = 510;
// What stays between the buttons and a hint that takes three lines.
constexpr int kButtonGap = 60;

QString CountWord(int n) {
    switch (n) {
        case 2: return Hint::tr("two");
        case 3: return Hint::tr("three");
        case 4: return Hint::tr("four");
        case 5: return Hint::tr("five");
        default: return Hint::tr("six");
    }
}

// "the 1", "the two 5s", "the three 4s".
QString Dice(int count, int face) {
    //: One die to set aside; %1 is the face it shows, a digit.
    if (count == 1) return Hint::tr("the %1", "one die").arg(face);
    //: Dice of one face to set aside: %1 is how many, a word ("three"); %2 the face, a digit ("the three 4s").
    return Hint::tr("the %1 %2s", "how many dice, their face").arg(CountWord(count)).arg(face);
}

// "a", "a and b", "a, b and c".
QString Listed(const QStringList& parts) {
    if (parts.isEmpty()) return {};
    QString text = parts.front();
    for (qsizetype i = 1; i + 1 < parts.size(); ++i) text = Hint::tr("%1, %2", "a list going on").arg(text, parts[i]);
    if (parts.size() > 1) text = Hint::tr("%1 and %2", "the end of a list").arg(text, parts.back());
    return text;
}

// What the clicks set aside, in the order of the dice: a group as a whole,
// the single 1s together and the single 5s together.
QString WhatToSetAside(const GameState& g, const SlotList& clicks) {
    QStringList parts;
    std::array<int, 7> singles{};
    std::array<int, 7> singlesAt{};  // where each face's singles stand in the list
    for (int slot : clicks) {
        const ScoringCode code = g.DieCode[std::size_t(slot)];
        switch (code.kind()) {
            case ScoringCode::Kind::Single: {
                const auto f = std::size_t(code.face());
                if (singles[f]++ == 0) {
                    singlesAt[f] = int(parts.size());
                    parts.push_back(QString());
                }
                break;
            }
            case ScoringCode::Kind::OfAKind: parts.push_back(Dice(code.count(), code.face())); break;
            case ScoringCode::Kind::Straight: parts.push_back(Hint::tr("the straight")); break;
            case ScoringCode::Kind::ThreePairs: parts.push_back(Hint::tr("the three pairs")); break;
            default: break;
        }
    }
    for (int f : {1, 5})
        if (singles[std::size_t(f)] > 0) parts[singlesAt[std::size_t(f)]] = Dice(singles[std::size_t(f)], f);
    return Listed(parts);
}

}  // namespace

Hint::Hint(Table& table, GameTray& tray, ExpertTables& tables, std::function<bool()> gameWaits, QObject* parent)
    : QObject(parent), table_(table), tray_(tray), tables_(tables), gameWaits_(std::move(gameWaits)) {
    connect(&tables_, &ExpertTables::ready, this, [this] {
        // A hint asked for before the table was ready, for a game that has
        // not moved since.
        const bool still = pending_ && *pending_ == table_.state() && Available();
        pending_.reset();
        if (still) mnuHint_Click();
    });
}

QAction* Hint::AddTo(QMenu* menu) {
    mnuHint_ = menu->addAction(tr("&Hint"), this, &Hint::mnuHint_Click);
    mnuHint_->setObjectName(QStringLiteral("mnuHint"));
    mnuHint_->setShortcut(QKeySequence(Qt::Key_H));
    mnuHint_->setEnabled(Available());
    return mnuHint_;
}

bool Hint::Available() const {
    const GameState& g = table_.state();
    return g.GameRunning() && !g.GameOver && g.CurrentPlayer < g.NumPlayers && !g.IsComputerTurn() &&
           !g.AllowedActions.None() && !(gameWaits_ && gameWaits_());
}

void Hint::Refresh() {
    if (mnuHint_) mnuHint_->setEnabled(Available());
}

void Hint::StatusChanged() {
    pending_.reset();
    Clear();
    Refresh();
}

bool Hint::Marked(int slot) const { return slot >= 0 && slot < kSlots && marked_[std::size_t(slot)]; }

void Hint::mnuHint_Click() {
    if (!Available()) return;
    const GameState& g = table_.state();
    const std::shared_ptr<const solver::Table> solved = tables_.Get(RulesOf(g));
    if (!solved) {
        pending_ = g;
        SetStatusText(tr("Working out the best play..."));
        return;
    }
    pending_.reset();
    Show(advisor_.Advise(g, solved));
}

void Hint::Show(const solver::Advice& advice) {
    Clear();
    const GameState& g = table_.state();
    if (!advice.Valid()) {
        SetStatusText(tr("No hint for this position."));
        return;
    }
    if (advice.move == solver::Move::Take) {
        for (int click : SlotsToTake(g, advice.take))
            for (int slot : SelectionSlots(g, click)) {
                marked_[std::size_t(slot)] = true;
                PictureBox* die = tray_.Picture1(slot);
                die->setFrameColor(kMarkColour);
                die->setAccessibleDescription(tr("scores; the hint sets it aside"));
            }
    }
    shown_ = Text(g, advice);
    SetStatusText(shown_);
}

void Hint::SetStatusText(const QString& text) {
    QLabel* status = tray_.lblStatus;
    if (!statusTaken_) {
        statusTaken_ = true;
        statusTop_ = status->y();
        status->setWordWrap(true);
        if (tray_.lblLastRoll->isVisible()) lastRollTop_ = tray_.lblLastRoll->y();
    }
    tray_.SetStatusText(text);
    // Two lines, or more for a long sentence (a long list of dice, a longer
    // language): first the room below the buttons, then down to the player's
    // line ("(Last Roll)" keeping its place above it).
    const int needed = std::max(Px(kHintHeight), status->heightForWidth(status->width()));
    const int roomAbove = std::max(0, statusTop_ - (tray_.cmdRoll->geometry().bottom() + 1 + Px(kButtonGap)));
    const int top = statusTop_ - std::min(roomAbove, needed - Px(kHintHeight));
    const int floor = tray_.lblCurrentPlayer->y() - (lastRollTop_ >= 0 ? tray_.lblLastRoll->height() : 0);
    const int height = std::max(Px(kHintHeight), std::min(needed, floor - top));
    status->setGeometry(status->x(), top, status->width(), height);
    if (lastRollTop_ >= 0) tray_.lblLastRoll->move(tray_.lblLastRoll->x(), top + height);
}

void Hint::Clear() {
    for (int i = 0; i < kSlots; ++i)
        if (marked_[std::size_t(i)]) tray_.Picture1(i)->setFrameColor(QColor());
    marked_.fill(false);
    shown_.clear();
    if (!statusTaken_) return;
    statusTaken_ = false;
    QLabel* status = tray_.lblStatus;
    status->setWordWrap(false);
    status->setGeometry(status->x(), statusTop_, status->width(), Px(kStatusHeight));
    if (lastRollTop_ >= 0) tray_.lblLastRoll->move(tray_.lblLastRoll->x(), lastRollTop_);
    lastRollTop_ = -1;
}

QString Hint::Percent(double chance) {
    QString text;
    if (chance >= 0.995 && chance < 1)
        text = tr("over 99 %");
    else if (chance > 0 && chance < 0.005)
        text = tr("under 1 %");
    else
        text = tr("%1 %", "a chance in percent").arg(QLocale().toString(int(std::clamp(chance, 0.0, 1.0) * 100 + 0.5)));
    // The number stays with its sign when the status line wraps.
    return text.replace(QStringLiteral(" %"), QStringLiteral("\u00a0%"));
}

QString Hint::Text(const GameState& g, const solver::Advice& advice) {
    const solver::Situation s = SituationOf(g);
    QString act;
    switch (advice.move) {
        case solver::Move::Take: {
            const QString what = WhatToSetAside(g, SlotsToTake(g, advice.take));
            if (s.inTray + int(advice.take.size()) == kSlots)
                act = tr("Set aside %1 and roll all six again").arg(what);
            else if (advice.then == solver::Move::Pass)
                act = tr("Set aside %1 and pass").arg(what);
            else
                act = tr("Set aside %1 and roll on").arg(what);
            break;
        }
        case solver::Move::Roll:
            act = !s.freeDice.empty() ? tr("Roll on") : s.inTray == kSlots ? tr("Roll all six again") : tr("Roll the dice");
            break;
        case solver::Move::Pass: act = tr("Pass the dice"); break;
    }
    const QString chance = Percent(advice.winChance);
    if (!AdviceIsApproximate(g)) return tr("%1 — %2 to win.").arg(act, chance);
    // More players: the advice plays one of them alone.
    if (s.theyWentOut) return tr("%1 — %2 to beat the best score so far.").arg(act, chance);
    if (s.mine >= s.theirs) return tr("%1 — about %2 against the runner-up alone.").arg(act, chance);
    return tr("%1 — about %2 against the leader alone.").arg(act, chance);
}

}  // namespace zarvel
