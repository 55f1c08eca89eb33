// zarvel-screenshots DIR [ZOOM]: pictures of the game's windows in play, for
// a person to look at, at a zoom in percent (100 unless given), in the
// language the environment asks for (LANGUAGE=de ...). Runs on a private
// config and temporary folder, offscreen unless a display is asked for
// (QT_QPA_PLATFORM).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "ARButton.h"
#include "ExpertTables.h"
#include "Records.h"
#include "GameTray.h"
#include "Language.h"
#include "OptionsTray.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "WindowZoom.h"
#include "frmCustomizeSounds.h"
#include "SettingKeys.h"
#include "SettingsFile.h"
#include "Startup.h"
#include "frmAbout.h"
#include "frmCongrats.h"
#include "frmCredits.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "frmNewGame.h"
#include "frmScorePad.h"
#include "frmStatistics.h"

namespace {

using namespace zarvel;

// Runs `act` on the first modal window of type T that opens while `open` runs.
template <typename T>
void WithModal(const std::function<void()>& open, const std::function<void(T&)>& act) {
    bool done = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* t = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!t || done) return;
        done = true;
        act(*t);
    });
    poll.start();
    open();
}

bool Save(QWidget& w, const QString& path) {
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    // Its games are no player's: they stay out of the player's records.
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
    qputenv("TMPDIR", root.path().toUtf8());
    QApplication app(argc, argv);
    InstallTranslations(app);
    const int zoom = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt() : kMinZoom;
    if ((argc != 2 && argc != 3) || zoom < kMinZoom || zoom > kMaxZoom) {
        std::fprintf(stderr, "usage: zarvel-screenshots DIR [ZOOM]   (ZOOM: %d to %d percent)\n", kMinZoom, kMaxZoom);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    const QString temp = CarriedFilesFolder();
    ExtractAllResources(temp);
    auto file = std::make_unique<SettingsFile>(DefaultSettingsPath());
    Settings settings;
    ReadSettings(*file, settings, temp);
    QImage background;
    StartupBackground(*file, temp, &background);
    frmMain w(std::move(file), settings, std::make_unique<ScriptedRandom>(3));
    w.gameTray()->SetBackgroundPicture(background);
    w.gameTray()->ColourLabels(kDefaultTextColour);
    w.ResetDice();
    w.pauseFor = [](int) {};
    w.show();
    if (zoom != kMinZoom) w.zoom().ZoomTo(zoom);
    bool ok = true;

    WithModal<frmNewGame>([&] { w.mnuNewGame->trigger(); }, [&](frmNewGame& d) {
        ok &= Save(d, dir + QStringLiteral("/newgame-1.png"));
        d.optNumPlayers[7]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.chkComputer[5]->setChecked(true);
        d.cboStyle[5]->setCurrentIndex(2);  // Fearless, whatever the language calls it
        d.optPlayTo[1]->click();
        ok &= Save(d, dir + QStringLiteral("/newgame-8.png"));
        d.optNumPlayers[2]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.TxtPlayerName[1]->setText(QStringLiteral("Bob"));
        d.TxtPlayerName[2]->setText(QStringLiteral("Cy"));
        d.cmdPlay->click();
    });
    GameState& g = w.state();
    g.PlayerScore[0] = 1450;
    g.PlayerScore[2] = 600;
    w.scorePad().setScore(0, QStringLiteral("1450"));
    w.scorePad().setScore(2, QStringLiteral("600"));
    // A first roll may bust and pass; shoot one that stands.
    for (int k = 0; k < 6 && g.RolledDice[0] == 0; ++k) w.table().cmdRoll_Click();
    ok &= Save(w, dir + QStringLiteral("/game-main.png"));
    ok &= Save(w.scorePad(), dir + QStringLiteral("/game-pad.png"));

    // The theme tray during the game, with dice in both rows: a few skins,
    // colours and backgrounds.
    for (int i = 0; i < kSlots; ++i)
        if (g.DieFree[std::size_t(i)] && g.DieCode[std::size_t(i)].Scores()) {
            w.table().Picture1_Click(i);
            break;
        }
    ok &= Save(w, dir + QStringLiteral("/game-tray.png"));
    w.cmdSkins_Click();
    ThemeTray& theme = *w.trays()->themeTray();
    ok &= Save(w, dir + QStringLiteral("/theme-open.png"));
    // By skin code and background place, as the lists are in any language.
    struct Look {
        const char* name;
        int skin, background;
    };
    const Look looks[] = {{"Keys", 160, 7}, {"Billiards", 166, 4}, {"Patriot", 178, 11}, {"Digi-1", 136, 8}};
    for (const Look& look : looks) {
        theme.cboDiceColor->setCurrentIndex(theme.cboDiceColor->findData(look.skin));
        theme.cboDiceColor_Click();
        theme.lstBackground->setCurrentRow(look.background);
        ok &= Save(w, dir + QStringLiteral("/theme-%1.png").arg(QLatin1String(look.name)));
    }
    theme.ARCmdCancelTheme->click();
    ok &= Save(w, dir + QStringLiteral("/theme-cancelled.png"));

    // Every built-in background with the text colour chosen with it, with
    // the theme tray open and in play.
    for (std::size_t n = 1; n < kBackgrounds.size(); ++n) {
        w.cmdSkins_Click();
        theme.lstBackground->setCurrentRow(int(n));
        ok &= Save(w, dir + QStringLiteral("/background-%1-tray.png").arg(n, 2, 10, QLatin1Char('0')));
        theme.ARCmdSaveTheme->click();
        ok &= Save(w, dir + QStringLiteral("/background-%1-play.png").arg(n, 2, 10, QLatin1Char('0')));
    }

    // The options tray open during the game, and the sound dialog from it.
    w.cmdOptions_Click();
    ok &= Save(w, dir + QStringLiteral("/options-tray.png"));
    WithModal<frmCustomizeSounds>([&] { w.trays()->optionsTray()->cmdCustomizeSounds->click(); },
                                  [&](frmCustomizeSounds& d) {
                                      d.lstEvents->setCurrentRow(2);
                                      ok &= Save(d, dir + QStringLiteral("/sound-dialog.png"));
                                      d.reject();
                                  });
    w.trays()->optionsTray()->ARCmdCancelOptions->click();

    g.Winner = 0;
    WithModal<frmCongrats>([&] { w.ShowWinner(); }, [&](frmCongrats& c) {
        // Once the name is written, after the window's pause.
        QTimer::singleShot(50, &c, [&] {
            ok &= Save(c, dir + QStringLiteral("/winner.png"));
            c.cmdOK->click();
        });
    });
    g.CurrentPlayer = kNone;

    // The about box, and the credits part of the way up.
    WithModal<frmAbout>([&] { w.mnuAbout->trigger(); }, [&](frmAbout& a) {
        ok &= Save(a, dir + QStringLiteral("/about.png"));
        WithModal<frmCredits>([&] { a.cmdCredits->click(); }, [&](frmCredits& c) {
            while (c.textHeight() == 0) QApplication::processEvents();
            for (int k = 0; k < 260; ++k) c.Step();
            ok &= Save(c, dir + QStringLiteral("/credits.png"));
            c.ARButton1->click();
        });
        a.cmdOK->click();
    });

    // Both help topics, as the menu and the about box open them.
    w.ShowHelpTopic(1);
    frmHelp* help = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<frmHelp*>(t)) help = h;
    if (help) {
        ok &= Save(*help, dir + QStringLiteral("/help-topic1.png"));
        w.ShowHelpTopic(7);
        ok &= Save(*help, dir + QStringLiteral("/help-topic7.png"));
    } else {
        ok = false;
    }
    if (help) help->close();

    // The statistics (of this run's own records) and the Expert's progress window.
    {
        Records records;
        frmStatistics statistics(records, &w);
        statistics.show();
        QApplication::processEvents();
        ok &= Save(statistics, dir + QStringLiteral("/statistics.png"));
    }
    QDialog* expert = ExpertTables::MakeProgressWindow(&w, 10000, 1000);
    expert->show();
    ok &= Save(*expert, dir + QStringLiteral("/expert-progress.png"));
    delete expert;
    return ok ? 0 : 1;
}
