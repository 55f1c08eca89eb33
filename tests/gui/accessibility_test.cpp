// The board as a screen reader meets it: the die boxes named for what they
// show, saying which dice score, pressed like a click. (That the status line
// tells its changes is checked through the real accessibility bus, in the
// desktop tests.)
#include <QAccessible>
#include <QLabel>

#include "DiceScript.h"
#include "GuiTest.h"
#include "GameTray.h"
#include "PictureBox.h"

namespace zarvel::test {
namespace {

QString Name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
QString Description(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); }

TEST_F(GuiTest, DiceAreNamedDescribedAndPressedThroughTheScreenReader) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    w.pauseFor = [](int) {};
    GameTray& tray = *w.gameTray();
    EXPECT_EQ(Name(tray.Picture1(3)), QStringLiteral("Die 4: empty"));

    ScriptRoll(*dice, {5, 3, 1, 3, 4, 6});
    w.table().cmdRoll_Click();
    EXPECT_EQ(tray.lblStatus->text(), QStringLiteral("Select Dice."));
    EXPECT_EQ(Name(tray.Picture1(0)), QStringLiteral("Die 1: five"));
    EXPECT_EQ(Name(tray.Picture1(2)), QStringLiteral("Die 3: one"));
    EXPECT_EQ(Description(tray.Picture1(0)), QStringLiteral("scores"));
    EXPECT_EQ(Description(tray.Picture1(1)), QString());

    // Pressed through the reader, the 1 goes to the tray.
    QAccessibleInterface* die = QAccessible::queryAccessibleInterface(tray.Picture1(2));
    ASSERT_TRUE(die->actionInterface());
    EXPECT_EQ(die->role(), QAccessible::Button);
    die->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.state().TurnScore, 100);
    EXPECT_EQ(Name(tray.Picture1(10)), QStringLiteral("Set aside 1: one"));
    EXPECT_EQ(Name(tray.Picture1(2)), QStringLiteral("Die 3: empty"));
    EXPECT_EQ(Description(tray.Picture1(2)), QString());

    // Undo, pressed on the set-aside die, brings it back with its description.
    QAccessible::queryAccessibleInterface(tray.Picture1(10))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Name(tray.Picture1(2)), QStringLiteral("Die 3: one"));
    EXPECT_EQ(Description(tray.Picture1(2)), QStringLiteral("scores"));
    EXPECT_EQ(Name(tray.Picture1(10)), QStringLiteral("Set aside 1: empty"));
}

}  // namespace
}  // namespace zarvel::test
