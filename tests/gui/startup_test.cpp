#include <QFile>
#include <QImageReader>
#include <QLabel>

#include "Colors.h"
#include "GuiTest.h"
#include "PictureBox.h"
#include "Program.h"

namespace zarvel::test {
namespace {

using StartUp = GuiTest;

QImage CarriedPicture(int id) {
    QImageReader reader(QStringLiteral(":/custom/%1").arg(id));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QColor TextColourOf(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

TEST_F(StartUp, FirstStartShowsTheSatinBackgroundAndTheF2Status) {
    window = Main();
    ASSERT_TRUE(window);
    Hook(*window);
    frmMain& w = *window;
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Press \"F2\" to start a game."));
    EXPECT_EQ(w.settingsFile().Read(QStringLiteral("Background")), tempDir + QStringLiteral("/2xuvsk9.jpg"));
    EXPECT_EQ(w.settingsFile().Keys(), QStringList{QStringLiteral("Background")});
    ASSERT_FALSE(w.gameTray()->Image1->picture().isNull());
    EXPECT_EQ(w.gameTray()->Image1->picture().toImage().convertToFormat(QImage::Format_RGB32),
              CarriedPicture(209).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(QFile::exists(tempDir + QStringLiteral("/bust.wav")));

    // Labels in the start-up text colour (light cyan); the game is not running.
    EXPECT_EQ(TextColourOf(w.gameTray()->Label1), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(TextColourOf(w.gameTray()->lblPlayer), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(w.state().CurrentPlayer, kNone);
    EXPECT_EQ(w.state().WentOut, kNone);
    EXPECT_FALSE(w.state().Quitting);
    EXPECT_EQ(w.settings().DieColor, 100);
}

TEST_F(StartUp, StoredTextColourAndSkinAreApplied) {
    QFile f(DefaultSettingsPath());
    QDir().mkpath(QFileInfo(f).absolutePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Info]\nTextColor=&HFF\nDieColor=160\n");
    f.close();
    window = Main();
    ASSERT_TRUE(window);
    Hook(*window);
    EXPECT_EQ(TextColourOf(window->gameTray()->lblStatus), QColor(255, 0, 0));
    EXPECT_EQ(window->gameTray()->picTray1->backColor(), QColor(0, 0, 255));
}

TEST_F(StartUp, MissingBackgroundTakesTheRecoveryPath) {
    QFile f(DefaultSettingsPath());
    QDir().mkpath(QFileInfo(f).absolutePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Info]\nBackground=(None)\nTextColor=&HFF\n");
    f.close();
    window = Main();
    ASSERT_TRUE(window);
    Hook(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->gameTray()->Image1->picture().isNull());
    for (QLabel* l : window->findChildren<QLabel*>()) EXPECT_EQ(TextColourOf(l), QColor(0, 0, 0x80));
    EXPECT_EQ(window->settingsFile().Read(QStringLiteral("Background")), QStringLiteral("(None)"));
}

TEST_F(StartUp, AnUnreadableSettingsFileIsReportedAndDefaultsAreUsed) {
    QFile f(DefaultSettingsPath());
    QDir().mkpath(QFileInfo(f).absolutePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xff\xfe\x00\x01PlayToScore=10000", 21));
    f.close();
    ModalAnswerer answers;
    window = Main();
    ASSERT_TRUE(window);
    Hook(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->settings().PlayToScore, 5000);
    ASSERT_TRUE(WaitFor([&] { return !answers.seen().isEmpty(); }));
    EXPECT_TRUE(answers.seen().first().text.contains(QStringLiteral("could not be read")));
    EXPECT_EQ(answers.seen().first().buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace zarvel::test
