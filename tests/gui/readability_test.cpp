// The labels of the game pane as a player reads them: on every built-in
// background, in play and with either tray open, and in exactly the colour
// of the square a player chose.
#include <QLabel>
#include <QListWidget>

#include "../resources/Contrast.h"
#include "ARButton.h"
#include "DiceScript.h"
#include "GuiTest.h"
#include "OptionsTray.h"
#include "PictureBox.h"
#include "Startup.h"
#include "Table.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "Twips.h"

#include <vector>

namespace zarvel::test {
namespace {

// The colour a label draws its caption in, in its present state (the pane
// is disabled while a tray is open).
QColor DrawnColour(const QLabel* l) {
    return l->palette().color(l->isEnabled() ? QPalette::Active : QPalette::Disabled, l->foregroundRole());
}

class Readability : public GuiTest {
protected:
    frmMain& Started() {
        frmMain& w = BuildStarted();
        w.pauseFor = [](int) {};
        return w;
    }

    // Every caption of the game pane reads at 4.5:1 on most of its box (see
    // ContrastOfMostOf) in the colour it is painted in, on the picture as the
    // window shows it now, at the screen's own pixel ratio. The status line
    // is measured at both its places.
    void ExpectEveryLabelReads(frmMain& w, const QString& state, const Background& b) {
        GameTray& tray = *w.gameTray();
        // Once the chosen picture is the one on the pane.
        const QImage carried =
            QImage(CarriedFilesFolder() + QLatin1String(b.picture.name)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(carried.isNull());
        ASSERT_TRUE(WaitFor([&] {
            return tray.Image1->picture().toImage().convertToFormat(QImage::Format_RGB32) == carried;
        })) << state.toStdString();
        const QImage shown = tray.Image1->grab().toImage();
        const qreal dpr = shown.devicePixelRatio();
        struct Box {
            QString name;
            QRect where;  // in the tray
            const QLabel* label;
        };
        std::vector<Box> boxes;
        for (const QLabel* l : tray.findChildren<QLabel*>()) {
            if (l->parentWidget() != &tray) continue;  // the sample dice caption has a patch of its own
            boxes.push_back({l->objectName(), l->geometry(), l});
        }
        const int statusTop = tray.lblStatus->y();
        for (int top : {Px(kStatusTop), Px(kStatusTopLastRound)})
            if (top != statusTop)
                boxes.push_back({QStringLiteral("lblStatus moved"), tray.lblStatus->geometry().translated(0, top - statusTop),
                                 tray.lblStatus});
        ASSERT_GE(boxes.size(), 7u);
        for (const Box& b : boxes) {
            const double text = Luminance(DrawnColour(b.label).rgb());
            const QRect inImage = b.where.translated(-tray.Image1->pos());
            const QRect r(QPoint(qRound(inImage.left() * dpr), qRound(inImage.top() * dpr)),
                          QSize(qRound(inImage.width() * dpr), qRound(inImage.height() * dpr)));
            EXPECT_GE(ContrastOfMostOf(shown, r, text), 4.5)
                << state.toStdString() << ": under " << b.name.toStdString() << " in " << DrawnColour(b.label).name().toStdString();
        }
    }
};

TEST_F(Readability, EveryBuiltInBackgroundInPlayAndWithATrayOpen) {
    frmMain& w = Started();
    StartTwoPlayerGame(w);
    ScriptRoll(*dice, {1, 3, 3, 4, 6, 6});
    w.table().cmdRoll_Click();
    w.table().Picture1_Click(0);
    ThemeTray& theme = *w.trays()->themeTray();
    for (std::size_t n = 1; n < kBackgrounds.size(); ++n) {
        const Background& b = kBackgrounds[n];
        const QString entry = QLatin1String(b.entry);
        w.cmdSkins_Click();
        theme.lstBackground->setCurrentRow(int(n));
        ASSERT_EQ(theme.lstBackground->currentItem()->text(), entry);
        ExpectEveryLabelReads(w, entry + QStringLiteral(", theme tray open"), b);
        theme.ARCmdSaveTheme->click();
        ASSERT_FALSE(w.flags().TrayOpen);
        ExpectEveryLabelReads(w, entry + QStringLiteral(", in play"), b);
        w.cmdOptions_Click();
        ExpectEveryLabelReads(w, entry + QStringLiteral(", options tray open"), b);
        w.trays()->optionsTray()->ARCmdCancelOptions->click();
    }
}

// The eight squares by the names a screen reader gives them, and the colour
// a player then sees the labels in: exactly that colour, as painted, and
// again after Save and a new start.
TEST_F(Readability, EachSquareDrawsTheLabelsInExactlyItsColour) {
    const std::pair<const char*, QRgb> seen[] = {
        {"Dark grey", qRgb(0x40, 0x40, 0x40)}, {"Red", qRgb(0xFF, 0, 0)},       {"Green", qRgb(0, 0xFF, 0)},
        {"Yellow", qRgb(0xFF, 0xFF, 0)},       {"Blue", qRgb(0, 0, 0xFF)},      {"Magenta", qRgb(0xFF, 0, 0xFF)},
        {"Light cyan", qRgb(0x80, 0xFF, 0xFF)}, {"White", qRgb(0xFF, 0xFF, 0xFF)},
    };
    frmMain& w = Started();
    w.cmdSkins_Click();
    ThemeTray& theme = *w.trays()->themeTray();
    for (const auto& [name, rgb] : seen) {
        SCOPED_TRACE(name);
        ColourSquare* square = nullptr;
        for (ColourSquare* s : theme.lblColor)
            if (s->accessibleName() == QLatin1String(name)) square = s;
        ASSERT_NE(square, nullptr);
        square->click();
        for (const QLabel* l : {w.gameTray()->lblStatus, w.gameTray()->lblCurrentPlayer, w.gameTray()->lblTurnScore})
            EXPECT_EQ(DrawnColour(l).name(), QColor(rgb).name()) << l->objectName().toStdString();
        // Painted: the bold status line's stems are covered whole, so some
        // of its pixels are the colour itself.
        w.gameTray()->lblStatus->setText(QStringLiteral("HHHH IIII"));
        const QImage painted = w.gameTray()->lblStatus->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool found = false;
        for (int y = 0; y < painted.height() && !found; ++y)
            for (int x = 0; x < painted.width() && !found; ++x) found = painted.pixel(x, y) == rgb;
        EXPECT_TRUE(found) << "no pixel of the status line in " << QColor(rgb).name().toStdString();
    }
    // White kept, and read back at the next start.
    theme.ARCmdSaveTheme->click();
    window.reset();
    frmMain* again = StartProgram();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(DrawnColour(again->gameTray()->lblCurrentPlayer).name(), QStringLiteral("#ffffff"));
}

}  // namespace
}  // namespace zarvel::test
