// The theme tray through its widgets: skins, text colours and backgrounds
// shown at once on the game, kept by Save, put back by Cancel.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>

#include "ARButton.h"
#include "ComputerDriver.h"
#include "DiceScript.h"
#include "GuiTest.h"
#include "Styles.h"
#include "PictureBox.h"
#include "Startup.h"
#include "ThemeTray.h"
#include "TrayColumn.h"

namespace zarvel::test {
namespace {

QColor TextColourOf(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

class Theme : public GuiTest {
protected:
    // A game with a die set aside and a roll showing.
    void MidTurn(frmMain& w) {
        StartTwoPlayerGame(w);
        w.pauseFor = [](int) {};
        ScriptRoll(*dice, {1, 3, 3, 4, 6, 6});
        w.table().cmdRoll_Click();
        w.table().Picture1_Click(0);
        ScriptRoll(*dice, {5, 2, 2, 3, 4});
        w.table().cmdRoll_Click();
    }
    ThemeTray& Open(frmMain& w) {
        w.cmdSkins_Click();
        return *w.trays()->themeTray();
    }
    static void Choose(ThemeTray& t, const char* skin) {
        t.cboDiceColor->setCurrentText(QLatin1String(skin));
        t.cboDiceColor_Click();
    }
    static void ChooseBackground(ThemeTray& t, const QString& entry, int nth = 0) {
        t.lstBackground->setCurrentItem(t.lstBackground->findItems(entry, Qt::MatchExactly).value(nth));
    }
    QString Stored(const char* key) const { return SettingsFile(DefaultSettingsPath()).Read(QLatin1String(key)); }
    QString BackgroundFolder() const {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Background");
    }

    // What a player sees of the game pane.
    struct Look {
        std::vector<int> bitmaps;
        std::vector<bool> markers;
        QColor tray, labels;
        bool roll, pass;
        QImage picture;
        bool operator==(const Look&) const = default;
    };
    static Look LookOf(frmMain& w) {
        Look l;
        for (int i : {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15}) l.bitmaps.push_back(w.gameTray()->Picture1(i)->bitmapId());
        for (int i = 0; i < kSlots; ++i) l.markers.push_back(w.gameTray()->MarkerVisible(i));
        l.tray = w.gameTray()->picTray2->backColor();
        l.labels = TextColourOf(w.gameTray()->lblCurrentPlayer);
        l.roll = w.RollEnabled();
        l.pass = w.PassEnabled();
        l.picture = w.gameTray()->Image1->picture().toImage();
        return l;
    }
};

// The skins' list is read by its entry on Linux: its heading labels it.
// The backgrounds' list is read by its own name.
TEST_F(Theme, TheListsAreReadByTheirHeadings) {
    frmMain& w = Build();
    ThemeTray& t = Open(w);
    const auto labels = QAccessible::queryAccessibleInterface(t.cboDiceColor)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), QStringLiteral("Dice"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(t.lstBackground)->text(QAccessible::Name), QStringLiteral("Background"));
}

TEST_F(Theme, ASkinIsPreviewedOnSampleDiceCancelChangesNothingAndSaveRedrawsTheBoard) {
    frmMain& w = BuildStarted();
    MidTurn(w);
    const Look before = LookOf(w);
    ThemeTray& t = Open(w);
    EXPECT_TRUE(w.gameTray()->picSampleDice->isVisible());
    EXPECT_FALSE(w.gameTray()->MarkerVisible(0));
    Choose(t, "Keys");
    for (int i = 0; i < kSlots; ++i) {
        EXPECT_EQ(w.gameTray()->Picture1(i)->bitmapId(), 160 + i + 1);
        EXPECT_EQ(w.gameTray()->Picture1(i)->picture().size(), QSize(32, 32));
    }
    // The set-aside die keeps its face until Save; only its back colour follows.
    EXPECT_EQ(w.gameTray()->Picture1(10)->bitmapId(), 101);
    EXPECT_EQ(w.gameTray()->Picture1(10)->backColor(), QColor(0, 0, 255));
    t.lblColor_Click(1);
    ChooseBackground(t, QStringLiteral("Old Glory"));
    EXPECT_EQ(TextColourOf(w.gameTray()->lblStatus), QColor(255, 0, 0));
    EXPECT_EQ(TextColourOf(t.lblDice), QColor(0, 0, 0x80));  // headings stay dark blue
    t.ARCmdCancelTheme->click();
    EXPECT_TRUE(LookOf(w) == before);
    EXPECT_FALSE(w.gameTray()->picSampleDice->isVisible());
    EXPECT_EQ(w.settings().DieSkin, 100);
    EXPECT_EQ(Stored("TextColor"), QString());
    EXPECT_EQ(Stored("DieColor"), QString());

    Open(w);
    Choose(t, "Keys");
    t.ARCmdSaveTheme->click();
    EXPECT_EQ(w.gameTray()->Picture1(10)->bitmapId(), 161);
    EXPECT_EQ(w.gameTray()->Picture1(0)->bitmapId(), 165);  // the roll's 5 again
    EXPECT_EQ(w.gameTray()->Picture1(5)->bitmapId(), 0);    // five dice rolled
    EXPECT_EQ(Stored("DieColor"), QStringLiteral("160"));
    EXPECT_TRUE(w.gameTray()->MarkerVisible(0));
}

TEST_F(Theme, SaveUntouchedStoresNothingNewAndNoneIsStoredAsSuch) {
    frmMain& w = BuildStarted();
    ThemeTray& t = Open(w);
    t.ARCmdSaveTheme->click();
    EXPECT_EQ(Stored("Background"), CarriedFilesFolder() + QStringLiteral("2xuvsk9.jpg"));
    // The defaults the file already means are not written: another copy of
    // the game may have saved its own since.
    EXPECT_EQ(Stored("TextColor"), QString());
    EXPECT_EQ(Stored("DieColor"), QString());
    EXPECT_FALSE(w.flags().TrayOpen);

    // "(None)" shows no picture at once; the next start from it takes the
    // recovery path (see the start-up tests).
    Open(w);
    ChooseBackground(t, QStringLiteral("(None)"));
    EXPECT_TRUE(w.gameTray()->Image1->picture().isNull());
    t.ARCmdSaveTheme->click();
    EXPECT_EQ(Stored("Background"), QStringLiteral("(None)"));
}

TEST_F(Theme, ThePlayersOwnPicturesAreListedByNameAndFoundAgain) {
    QDir().mkpath(BackgroundFolder());
    QImage red(40, 30, QImage::Format_RGB32), blue = red;
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    ASSERT_TRUE(red.save(BackgroundFolder() + QStringLiteral("/Beach.jpg"), "JPEG"));
    ASSERT_TRUE(blue.save(BackgroundFolder() + QStringLiteral("/Beach.gif"), "PNG"));  // a PNG under a .gif name
    Put(BackgroundFolder() + QStringLiteral("/Notes.txt"), "not a picture");

    frmMain& w = BuildStarted();
    ThemeTray& t = Open(w);
    QStringList custom;
    for (int i = 12; i < t.lstBackground->count(); ++i) custom << t.lstBackground->item(i)->text();
    custom.sort();
    // Two files named Beach are two entries, each showing its own file.
    const QString second = custom.contains("Beach (gif)") ? "Beach (gif)" : "Beach (jpg)";
    EXPECT_EQ(custom, (QStringList{"Beach", second, "Notes"}));
    ChooseBackground(t, QStringLiteral("Beach"));
    const QColor first = w.gameTray()->Image1->picture().toImage().pixelColor(5, 5);
    ChooseBackground(t, second);
    const QString shown = t.BackgroundPath(t.lstBackground->currentRow());
    EXPECT_TRUE(shown.endsWith(second == "Beach (gif)" ? QStringLiteral("/Beach.gif") : QStringLiteral("/Beach.jpg")));
    ASSERT_FALSE(w.gameTray()->Image1->picture().isNull());
    EXPECT_NE(w.gameTray()->Image1->picture().toImage().pixelColor(5, 5), first);
    const QColor labels = TextColourOf(w.gameTray()->lblCurrentPlayer);  // a player's picture keeps the colour
    t.ARCmdSaveTheme->click();
    EXPECT_EQ(Stored("Background"), shown);
    EXPECT_EQ(TextColourOf(w.gameTray()->lblCurrentPlayer), labels);

    // Opened again, the stored picture is selected; renamed, "(None)" is.
    Open(w);
    EXPECT_EQ(t.lstBackground->currentItem()->text(), second);
    t.ARCmdCancelTheme->click();
    ASSERT_TRUE(QFile::rename(shown, BackgroundFolder() + QStringLiteral("/Sunset.jpg")));
    for (const char* other : {"/Beach.jpg", "/Beach.gif"}) QFile::remove(BackgroundFolder() + QLatin1String(other));
    Open(w);
    EXPECT_EQ(t.lstBackground->currentRow(), 0);
    t.ARCmdCancelTheme->click();
}

// A computer's turn waits for the tray (Cautious too) and goes on once it
// closes; when it has passed to a human, that human can roll.
TEST_F(Theme, AComputerWaitsForTheTrayThenTheNextHumanCanRoll) {
    Settings s;
    s.ComputerFast = 2;
    frmMain& w = Build(s);
    w.pauseFor = [](int) {};
    const GameState& g = w.state();
    w.table().SeatGame({{"Cal", true, style::Cautious}, {"Ann", false, 1}}, 5000, 500);
    Open(w);
    ASSERT_TRUE(WaitFor([&] { return w.driver().TurnRunning(); }));
    EXPECT_EQ(g.CurrentPlayer, 0);
    w.trays()->themeTray()->ARCmdCancelTheme->click();
    ASSERT_TRUE(WaitFor([&] { return g.CurrentPlayer == 1; }));
    EXPECT_TRUE(w.RollEnabled());
    EXPECT_FALSE(w.PassEnabled());
}

TEST_F(Theme, APictureThatCannotBeReadIsNamedAndNothingIsWritten) {
    QDir().mkpath(BackgroundFolder());
    Put(BackgroundFolder() + QStringLiteral("/Broken.jpg"), "\xff\xd8 not really a picture");
    frmMain& w = BuildStarted();
    ThemeTray& t = Open(w);
    ModalAnswerer answers;
    ChooseBackground(t, QStringLiteral("Broken"));
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(answers.seen().first().text.contains(QStringLiteral("Broken.jpg")));
    EXPECT_TRUE(w.gameTray()->Image1->picture().isNull());
    EXPECT_EQ(Stored("Background"), CarriedFilesFolder() + QStringLiteral("2xuvsk9.jpg"));
    t.ARCmdCancelTheme->click();
    EXPECT_FALSE(w.gameTray()->Image1->picture().isNull());  // Satin again
}

}  // namespace
}  // namespace zarvel::test
