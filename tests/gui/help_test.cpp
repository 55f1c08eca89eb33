// The help as a player reaches it from the game: F1, and what it tells of
// where the game looks for the player's own pictures.
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>

#include "ARButton.h"
#include "GuiTest.h"
#include "frmScorePad.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "frmHelp.h"

namespace zarvel::test {
namespace {

frmHelp* OpenHelp() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<frmHelp*>(w); help && help->isVisible()) return help;
    return nullptr;
}

class HelpFromTheGame : public GuiTest {
protected:
    void TearDown() override {
        if (frmHelp* help = OpenHelp()) help->close();
        GuiTest::TearDown();
    }
};

// F1 is the Help menu's key: it opens how to play, in play and with a tray
// open (the game waits then, but the help is still at hand), and from the
// score pad as well as from the board.
TEST_F(HelpFromTheGame, F1OpensHowToPlayFromEveryWindowOfTheGame) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    // Shortcuts answer only while one of the program's windows is active,
    // as the one a player types into is.
    ASSERT_TRUE(WaitFor([] { return QApplication::activeWindow() != nullptr; }));
    QTest::keyClick(&w, Qt::Key_F1);
    frmHelp* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().fragment(), QStringLiteral("topic1"));
    help->close();

    w.cmdSkins_Click();
    ASSERT_TRUE(w.flags().TrayOpen);
    QTest::keyClick(&w, Qt::Key_F1);
    ASSERT_NE(OpenHelp(), nullptr);
    OpenHelp()->close();
    w.trays()->themeTray()->ARCmdCancelTheme->click();

    QWidget* pad = &w.scorePad();
    pad->show();
    pad->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == pad; }));
    QTest::keyClick(pad, Qt::Key_F1);
    EXPECT_NE(OpenHelp(), nullptr);
    // The key is the help's alone: the game did not take it as a move.
    EXPECT_EQ(w.state().AllowedActions, Actions{Action::Roll});
}

// The help names the folder in the player's data folder where the game
// looks for pictures of their own; a picture put there is listed.
TEST_F(HelpFromTheGame, TheBackgroundFolderItNamesIsWhereTheGameLooks) {
    frmHelp help;
    help.ShowTopic(1);
    const QString text = help.browser()->document()->toPlainText();
    ASSERT_TRUE(text.contains(QStringLiteral("~/.local/share/zarvel/Background")));
    ASSERT_TRUE(text.contains(QStringLiteral("XDG_DATA_HOME")));

    // As the program names itself; this test run has a name of its own.
    const QString ownName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("zarvel"));
    const QString folder = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/zarvel/Background");
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage tide(24, 30, QImage::Format_RGB32);
    tide.fill(Qt::darkBlue);
    ASSERT_TRUE(tide.save(folder + QStringLiteral("/Tide.png"), "PNG"));
    frmMain& w = Build();
    w.cmdSkins_Click();
    const QListWidget* list = w.trays()->themeTray()->lstBackground;
    QCoreApplication::setApplicationName(ownName);
    EXPECT_EQ(list->findItems(QStringLiteral("Tide"), Qt::MatchExactly).size(), 1);
    w.trays()->themeTray()->ARCmdCancelTheme->click();
}

}  // namespace
}  // namespace zarvel::test
