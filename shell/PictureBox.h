// A picture box: a back colour and an optional picture, centred or
// stretched over the box, and a click. A picture can come with sharper
// variants for screens with more pixels than the carried bitmaps have: the
// box draws the one that fits the screen it is on, whenever it paints.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "Variants.h"

class QPainter;

namespace zarvel {

// Bitmap resource ":/bitmap/<id>.bmp", read by content; null when missing.
QPixmap LoadBitmap(int id);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setBackColor(const QColor& c);
    QColor backColor() const { return back_; }
    // An invalid colour paints no back at all (the parent shows through).
    void clearBackColor();

    // variants: the pattern of the sharper variants' resource paths, "%1"
    // for the scale; empty for a picture that has none (a player's own).
    void setPicture(const QPixmap& p, const QString& variants = {});
    void setBitmap(int id);  // 0 clears; the variants are ":/bitmap/<id>@2x.png" and @3x
    void clearPicture();
    QPixmap picture() const { return picture_; }
    // What the box draws now, at its screen's ratio: the picture at the
    // box's size when stretched, else at its own size at the zoom.
    QPixmap shownPicture() const;
    // That picture's size on the screen, in device-independent pixels.
    QSize shownSize() const;
    // The bitmap resource last shown, 0 for none or a picture not from a bitmap.
    int bitmapId() const { return bitmapId_; }

    void setStretch(bool stretch);

    // A frame drawn over the picture, to point a die out; an invalid colour
    // draws none.
    void setFrameColor(const QColor& c);
    QColor frameColor() const { return frame_; }

    // Does what a click does; the die boxes offer it to screen readers as
    // their press action.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void paintPicture(QPainter& p);

    QColor back_;
    QColor frame_;
    QPixmap picture_;
    QString variants_;
    mutable QPixmap scaled_;  // the picture as shown, made once per size and screen
    mutable QSize scaledFor_;
    int bitmapId_ = 0;
    bool stretch_ = false;
    bool pressed_ = false;
};

}  // namespace zarvel
