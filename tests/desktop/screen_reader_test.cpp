// The game through a screen reader on the real accessibility bus: a script
// reads the dice of a roll by their names, hears the status line change,
// takes a scoring die with the press action, passes the dice and hears the
// computer's turn: whose it is, without the player's prompts. How the turn
// ended shows during the pass's pause, which holds the bus too; the window
// is asked for that.
#include <QMenuBar>
#include <QProcess>

#include "DiceScript.h"
#include "GuiTest.h"
#include "Language.h"

namespace zarvel::test {
namespace {

TEST_F(GuiTest, AScreenReaderReadsTheRollAndTakesAScoringDie) {
    if (qEnvironmentVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") != QLatin1String("1"))
        GTEST_SKIP() << "no accessibility bus (run-with-wm.sh starts one when at-spi2-core is installed)";
    // At the computer's fastest its turns are not shown at all; at the
    // default speed they are, and take a few seconds.
    frmMain& w = Build();
    QStringList pausedOn;  // the status line through each pause
    w.pauseFor = [&](int) { pausedOn << w.gameTray()->lblStatus->text(); };
    // Ann is on the board already, so she may pass once she has taken a die.
    w.table().SeatGame({{"Ann", false, 1}, {"Hal", true, 1}}, 5000, 500);
    w.ShowGameButtons(true);
    w.state().PlayerScore[0] = 1000;
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
    EXPECT_TRUE(heard.contains("heard: Hal is playing.")) << heard.constData();
    EXPECT_GT(w.state().PlayerScore[0], 1000);  // the die taken, and banked
    const bool ended = pausedOn.contains(QStringLiteral("Hal banked %1 points.").arg(w.state().PlayerScore[1])) ||
                       pausedOn.filter(QStringLiteral("ZARVEL")).size() > 0;
    EXPECT_TRUE(ended) << pausedOn.join(u'|').toStdString();
}

// A caption as a screen reader says it: without the key letter's mark.
QString Said(QString caption) {
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

class ReaderInLanguage : public GuiTest {
protected:
    void TearDown() override {
        QProcessEnvironment english;
        english.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        InstallTranslations(*qApp, english);
        GuiTest::TearDown();
    }

    // The window in that language, its menus and buttons as the reader hears them.
    void HeardInLanguage(const QString& lang) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANGUAGE"), lang);
        ASSERT_EQ(InstallTranslations(*qApp, env), lang);
        frmMain& w = Build();
        QProcess reader;
        reader.start(QStringLiteral(ZARVEL_SCREEN_READER_SCRIPT), {QCoreApplication::applicationName(), QStringLiteral("names")});
        ASSERT_TRUE(WaitFor([&] { return reader.state() == QProcess::NotRunning; }, 60000));
        const QStringList heard = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(reader.exitCode(), 0) << heard.join(u'\n').toStdString();

        const auto expect = [&](const char* role, const char* context, const char* source) {
            const QString said = Said(QCoreApplication::translate(context, source));
            EXPECT_TRUE(heard.contains(QStringLiteral("%1: %2").arg(QLatin1String(role), said)))
                << role << " \"" << said.toStdString() << "\" (" << source << ") not heard in:\n"
                << heard.join(u'\n').toStdString();
        };
        for (const char* menu : {"&Game", "&Help", "&New Game   (F2)", "&Theme...", "&Options...", "E&xit", "&Help..."})
            expect("menu item", "zarvel::frmMain", menu);
        expect("menu item", "zarvel::frmMain", "&Statistics...");
        expect("menu item", "zarvel::WindowZoom", "&View");
        for (const char* button : {"New Game (F2)", "Theme", "Options", "Exit"}) expect("push button", "zarvel::GameTray", button);
        EXPECT_TRUE(heard.contains(QStringLiteral("frame: ") + w.windowTitle().trimmed()) ||
                    heard.contains(QStringLiteral("frame: ") + w.windowTitle()))
            << heard.join(u'\n').toStdString();
        // Once the language has them, they are not the English words.
        if (QCoreApplication::translate("zarvel::frmMain", "&Game") != QLatin1String("&Game")) {
            EXPECT_FALSE(heard.contains(QStringLiteral("menu item: Game")));
        }
    }
};

// With LANGUAGE=de (fr, es) the window's menus and buttons read in that
// language (a text the translation lacks as yet in English, as the window
// shows it).
TEST_F(ReaderInLanguage, TheMenusAndButtonsReadInGermanFrenchAndSpanish) {
    if (qEnvironmentVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") != QLatin1String("1"))
        GTEST_SKIP() << "no accessibility bus (run-with-wm.sh starts one when at-spi2-core is installed)";
    for (const char* lang : {"de", "fr", "es"}) {
        SCOPED_TRACE(lang);
        HeardInLanguage(QLatin1String(lang));
        window.reset();
    }
}

}  // namespace
}  // namespace zarvel::test
