#include "Fit.h"

#include <QApplication>

#include "DiceScript.h"
#include "ExpertTables.h"
#include "GameTray.h"
#include "Hint.h"
#include "OptionsTray.h"
#include "Records.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "WindowZoom.h"
#include "frmAbout.h"
#include "frmCongrats.h"
#include "frmCredits.h"
#include "frmCustomizeSounds.h"
#include "frmMain.h"
#include "frmNewGame.h"
#include "frmScorePad.h"
#include "frmStatistics.h"

namespace zarvel::test {

namespace {

void LookAtEveryWindowOnce(frmMain& w, ScriptedRandom& dice, Records& records, frmNewGame& dialog,
                           const std::function<void(QWidget* root, const QString& window)>& look) {
    GameTray& tray = *w.gameTray();
    // No game: the New Game button and the first status line.
    w.table().SetStatus(Status::PressF2);
    w.ShowGameButtons(false);
    look(&tray, QStringLiteral("the board with no game"));
    look(w.menuBar(), QStringLiteral("the main window's menus"));

    // A game of eight, each status line as long as a name makes it.
    std::vector<Seat> seats;
    for (int i = 0; i < frmScorePad::kRows; ++i) seats.push_back({"Player" + std::to_string(i + 1), i == 7, 1});
    w.table().SeatGame(seats, 10000, 1000);
    w.ShowGameButtons(true);
    for (int s = int(Status::Blank); s <= int(Status::BreakInNeeded); ++s)
        for (const bool undo : {false, true}) {
            // Only the prompts after a move can be taken back.
            if (undo && (s < int(Status::SelectDice) || s > int(Status::PassTheDice))) continue;
            StatusLine line{Status(s), undo, kPassingLetters};
            line.points = Status(s) == Status::BreakInNeeded ? 1000 : 5000;
            tray.ShowStatus(line, QStringLiteral("Player8"));
            look(&tray, QStringLiteral("the board, status %1%2").arg(s).arg(undo ? QStringLiteral(" (undo)") : QString()));
        }

    // The longest hint there is: a list of dice to set aside, and against
    // whom the chance is reckoned with more than two players.
    ScriptRoll(dice, {1, 5, 2, 2, 2, 1});
    w.table().cmdRoll_Click();
    solver::Advice take;
    take.move = solver::Move::Take;
    take.then = solver::Move::Roll;
    take.winChance = 0.45;
    take.take = {1, 1, 2, 2, 2, 5};
    w.hint().Show(take);
    look(&tray, QStringLiteral("the board with a hint"));
    w.table().SetStatus(Status::SelectDice);  // the game moves on
    // In the last round, with "(Last Roll)" under it.
    w.SetStatusTop(kStatusTopLastRound);
    tray.ShowLastRoll(true);
    w.hint().Show(take);
    look(&tray, QStringLiteral("the board with a hint in the last round"));
    w.table().SetStatus(Status::SelectDice);
    tray.ShowLastRoll(false);
    w.SetStatusTop(kStatusTop);

    w.cmdOptions_Click();
    look(w.trays()->optionsTray(), QStringLiteral("the options tray"));
    w.trays()->optionsTray()->ARCmdCancelOptions->click();
    w.cmdSkins_Click();
    look(w.trays()->themeTray(), QStringLiteral("the theme tray"));
    look(&tray, QStringLiteral("the board with the sample dice"));
    w.trays()->themeTray()->ARCmdCancelTheme->click();

    frmScorePad& pad = w.scorePad();
    pad.showRebuilt();
    for (int i = 0; i < frmScorePad::kRows; ++i) pad.setScore(i, QStringLiteral("10000"));
    pad.Form_Activate();
    look(&pad, QStringLiteral("the score pad"));
    pad.Timer1_Timer();  // the break-in line
    look(&pad, QStringLiteral("the score pad"));
    dialog.show();
    look(&dialog, QStringLiteral("the new game dialog"));
    dialog.hide();

    {
        frmCongrats winner(w, &w);
        look(&winner, QStringLiteral("the winner window"));
        winner.lblWinner->setText(frmCongrats::WinnerText(QStringLiteral("Player8")));
        look(&winner, QStringLiteral("the winner window"));
        frmCustomizeSounds sounds(w.settings(), w.settingsFile(), [](const QString&) {}, &w);
        sounds.show();
        look(&sounds, QStringLiteral("the sound dialog"));
        frmAbout about(w, &w);
        look(&about, QStringLiteral("the about box"));
        for (const char* first : {"Ann", "Marisol"}) {
            auto* credits = new frmCredits(QLatin1String(first), QStringLiteral("Tobin"), &w);
            look(credits, QStringLiteral("the credits"));
            credits->close();
        }
        frmStatistics statistics(records, &w);
        statistics.show();  // laid out as it opens
        QApplication::processEvents();
        look(&statistics, QStringLiteral("the statistics window"));
        QDialog* expert = ExpertTables::MakeProgressWindow(&w, 10000, 1000);
        look(expert, QStringLiteral("the Expert's progress window"));
        delete expert;
    }
    w.state().CurrentPlayer = kNone;
}

}  // namespace

void LookAtEveryWindow(frmMain& w, ScriptedRandom& dice,
                       const std::function<void(QWidget* root, const QString& window)>& look) {
    w.pauseFor = [](int) {};
    Records records;
    frmNewGame dialog(w, &w);
    dialog.optNumPlayers[7]->click();
    for (const int percent : kZoomSteps) {
        w.zoom().ZoomTo(percent);
        LookAtEveryWindowOnce(w, dice, records, dialog, look);
    }
}

}  // namespace zarvel::test
