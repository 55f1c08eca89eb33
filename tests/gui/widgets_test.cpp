#include <QKeyEvent>

#include "ARButton.h"
#include "Colors.h"
#include "GuiTest.h"
#include "Keys.h"

namespace zarvel::test {
namespace {

int Vk(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return VirtualKeyOf(QKeyEvent(QEvent::KeyRelease, key, mods));
}

TEST(KeyMapping, QtKeysBecomeVirtualKeyCodes) {
    EXPECT_EQ(Vk(Qt::Key_Backspace), 8);
    EXPECT_EQ(Vk(Qt::Key_Escape), 27);
    EXPECT_EQ(Vk(Qt::Key_1), 49);
    EXPECT_EQ(Vk(Qt::Key_6), 54);
    EXPECT_EQ(Vk(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(Vk(Qt::Key_4, Qt::KeypadModifier), 100);
    EXPECT_EQ(Vk(Qt::Key_Period, Qt::KeypadModifier), 110);
    EXPECT_EQ(Vk(Qt::Key_Comma, Qt::KeypadModifier), 110);
    EXPECT_EQ(Vk(Qt::Key_P), 80);
    EXPECT_EQ(Vk(Qt::Key_R), 82);
    EXPECT_EQ(Vk(Qt::Key_F2), 113);
    // Shift does not change the key, and other keys mean nothing.
    EXPECT_EQ(Vk(Qt::Key_R, Qt::ShiftModifier), 82);
    EXPECT_EQ(Vk(Qt::Key_Period), 0);
    EXPECT_EQ(Vk(Qt::Key_Space), 0);
}

TEST(KeyMapping, F12IsHeldFromPressToRelease) {
    KeyHeldFilter filter;
    QObject target;
    auto send = [&](QEvent::Type type, bool autoRepeat) {
        QKeyEvent e(type, Qt::Key_F12, Qt::NoModifier, QString(), autoRepeat);
        filter.eventFilter(&target, &e);
    };
    EXPECT_FALSE(filter.F12Held());
    send(QEvent::KeyPress, false);
    EXPECT_TRUE(filter.F12Held());
    send(QEvent::KeyRelease, true);  // auto-repeat: still down
    EXPECT_TRUE(filter.F12Held());
    send(QEvent::KeyRelease, false);
    EXPECT_FALSE(filter.F12Held());
}

TEST(Colours, TextColoursFromTheirStoredText) {
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("16777088")), 0xFFFF80u);
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("&HFFFF")), 0xFFFFu);
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("&H404040")), 0x404040u);
    // Numbers that are no 24-bit colour take the default text colour.
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("-5")), kDefaultTextColour);
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("&H1000000")), kDefaultTextColour);
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("1e300")), kDefaultTextColour);
}

// Share of clearly coloured pixels: a live picture has its red pips and
// green arrow; a disabled one is grey.
double ColouredShare(const QImage& image) {
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).hsvSaturation() > 120) ++coloured;
    return double(coloured) / (image.width() * image.height());
}

TEST(PictureButtons, DisabledPicturesAreGreyed) {
    for (auto paint : {PaintRollPicture, PaintPassDicePicture}) {
        ARButton b;
        b.setPicturePainter(paint);
        b.resize(105, 47);
        const QImage live = b.grab().toImage();
        b.setEnabled(false);
        const QImage off = b.grab().toImage();
        EXPECT_GT(ColouredShare(live), 0.01);
        EXPECT_LT(ColouredShare(off), 0.001);
    }
}

TEST(PictureButtons, CaptionTurnsToTheHoverColourOnlyWhileEnabled) {
    ARButton b(QStringLiteral("Exit"));
    b.setColours(Qt::black, QColor(0xF0, 0xF0, 0xF0));
    b.setHoverColours(Qt::red, QColor(0xF0, 0xF0, 0xF0));
    b.resize(69, 25);
    auto redPixels = [&] {
        const QImage img = b.grab().toImage();
        int red = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c(img.pixel(x, y));
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++red;
            }
        return red;
    };
    EXPECT_EQ(redPixels(), 0);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    EXPECT_GT(redPixels(), 0);
    b.setEnabled(false);
    EXPECT_EQ(redPixels(), 0);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}

}  // namespace
}  // namespace zarvel::test
