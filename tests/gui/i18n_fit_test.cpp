// Every window in each language the game speaks, loaded from the real
// compiled translations, at every zoom step: no text wider than its control
// (word-wrapped ones no taller). One test per language, so a translator
// runs theirs alone: --gtest_filter='I18nFit.de'. A text a translation
// lacks is shown in English, so the test runs on unfinished files too.
#include <QDialog>
#include <QMenuBar>

#include "ExpertTables.h"
#include "Fit.h"
#include "GuiTest.h"
#include "Language.h"
#include "OptionsTray.h"
#include "Records.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "frmAbout.h"
#include "frmCongrats.h"
#include "frmCredits.h"
#include "frmCustomizeSounds.h"
#include "frmHelp.h"
#include "frmScorePad.h"
#include "frmStatistics.h"

namespace zarvel::test {
namespace {

class I18nFit : public GuiTest {
protected:
    void TearDown() override {
        Speak("en");
        GuiTest::TearDown();
    }

    void Speak(const QString& lang) {
        QProcessEnvironment env;
        if (lang == QLatin1String("en"))
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        else
            env.insert(QStringLiteral("LANGUAGE"), lang);
        const QString chosen = InstallTranslations(*qApp, env);
        if (lang != QLatin1String("en")) {
            ASSERT_EQ(chosen, lang) << "no compiled translation for " << lang.toStdString();
        }
    }

    // Notes what does not fit in a window, with the language, zoom and window.
    void Look(QWidget* root, const QString& window) {
        for (const QString& p : TooWide(root)) Note(window, p);
    }
    void Note(const QString& window, const QString& problem) {
        problems_ << QStringLiteral("%1 at %2 %, %3: %4").arg(lang_).arg(ZoomPercent()).arg(window, problem);
    }

    void Walk(const char* lang) {
        lang_ = QLatin1String(lang);
        Speak(lang_);
        if (HasFatalFailure()) return;
        frmMain& w = Build();
        w.pauseFor = [](int) {};
        GameTray& tray = *w.gameTray();
        Records records;
        frmNewGame dialog(w, &w);
        dialog.optNumPlayers[7]->click();

        for (const int percent : kZoomSteps) {
            w.zoom().ZoomTo(percent);
            // No game: the New Game button and the first status line.
            w.table().SetStatus(Status::PressF2);
            w.ShowGameButtons(false);
            Look(&tray, QStringLiteral("the board with no game"));
            for (const QString& p : MenuTitlesOutside(w.menuBar())) Note(QStringLiteral("the main window"), p);

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
                    Look(&tray, QStringLiteral("the board, status %1%2").arg(s).arg(undo ? QStringLiteral(" (undo)") : QString()));
                }

            w.cmdOptions_Click();
            Look(w.trays()->optionsTray(), QStringLiteral("the options tray"));
            w.trays()->optionsTray()->ARCmdCancelOptions->click();
            w.cmdSkins_Click();
            Look(w.trays()->themeTray(), QStringLiteral("the theme tray"));
            Look(&tray, QStringLiteral("the board with the sample dice"));
            w.trays()->themeTray()->ARCmdCancelTheme->click();

            frmScorePad& pad = w.scorePad();
            pad.showRebuilt();
            for (int i = 0; i < frmScorePad::kRows; ++i) pad.setScore(i, QStringLiteral("10000"));
            pad.Form_Activate();
            Look(&pad, QStringLiteral("the score pad"));
            pad.Timer1_Timer();  // the break-in line
            Look(&pad, QStringLiteral("the score pad"));
            dialog.show();
            Look(&dialog, QStringLiteral("the new game dialog"));
            dialog.hide();

            {
                frmCongrats winner(w, &w);
                Look(&winner, QStringLiteral("the winner window"));
                winner.lblWinner->setText(frmCongrats::WinnerText(QStringLiteral("Player8")));
                Look(&winner, QStringLiteral("the winner window"));
                frmCustomizeSounds sounds(w.settings(), w.settingsFile(), [](const QString&) {}, &w);
                sounds.show();
                Look(&sounds, QStringLiteral("the sound dialog"));
                frmAbout about(w, &w);
                Look(&about, QStringLiteral("the about box"));
                for (const char* first : {"Ann", "Marisol"}) {
                    auto* credits = new frmCredits(QLatin1String(first), QStringLiteral("Tobin"), &w);
                    Look(credits, QStringLiteral("the credits"));
                    credits->close();
                }
                frmHelp help;
                help.ShowTopic(1);
                Look(&help, QStringLiteral("the help"));
                frmStatistics statistics(records, &w);
                statistics.show();  // laid out as it opens
                QApplication::processEvents();
                Look(&statistics, QStringLiteral("the statistics window"));
                QDialog* expert = ExpertTables::MakeProgressWindow(&w, 10000, 1000);
                Look(expert, QStringLiteral("the Expert's progress window"));
                delete expert;
            }
            w.state().CurrentPlayer = kNone;
        }
        EXPECT_TRUE(problems_.isEmpty()) << problems_.size() << " texts do not fit:\n"
                                         << problems_.join(u'\n').toStdString();
    }

    QString lang_;
    QStringList problems_;
};

TEST_F(I18nFit, en) { Walk("en"); }
TEST_F(I18nFit, de) { Walk("de"); }
TEST_F(I18nFit, fr) { Walk("fr"); }
TEST_F(I18nFit, es) { Walk("es"); }

}  // namespace
}  // namespace zarvel::test
