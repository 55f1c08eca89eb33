// The game through a screen reader on the real accessibility bus: a script
// reads the dice of a roll by their names, hears the status line change and
// takes a scoring die with the press action.
#include <QProcess>

#include "DiceScript.h"
#include "GuiTest.h"

namespace zarvel::test {
namespace {

TEST_F(GuiTest, AScreenReaderReadsTheRollAndTakesAScoringDie) {
    if (qEnvironmentVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") != QLatin1String("1"))
        GTEST_SKIP() << "no accessibility bus (run-with-wm.sh starts one when at-spi2-core is installed)";
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    StartTwoPlayerGame(w);
    QProcess reader;
    reader.setProcessChannelMode(QProcess::MergedChannels);
    reader.start(QStringLiteral(ZARVEL_SCREEN_READER_SCRIPT), {QCoreApplication::applicationName()});
    QByteArray heard;
    QObject::connect(&reader, &QProcess::readyRead, [&] { heard += reader.readAll(); });
    ASSERT_TRUE(WaitFor([&] { return heard.contains("ready") || reader.state() == QProcess::NotRunning; }, 30000))
        << heard.constData();
    ASSERT_TRUE(heard.contains("ready")) << heard.constData();

    ScriptRoll(*dice, {5, 3, 1, 3, 4, 6});
    w.table().cmdRoll_Click();
    reader.write("rolled\n");
    ASSERT_TRUE(WaitFor([&] { return reader.state() == QProcess::NotRunning; }, 60000)) << heard.constData();
    heard += reader.readAll();
    EXPECT_EQ(reader.exitCode(), 0) << heard.constData();
    EXPECT_TRUE(heard.contains("Die 1: five")) << heard.constData();
    EXPECT_GT(w.state().TurnScore, 0);
    EXPECT_TRUE(w.state().TraySlotUsed[0]);
}

}  // namespace
}  // namespace zarvel::test
