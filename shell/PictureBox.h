// A picture box: a back colour and an optional picture, centred or
// stretched over the box, and a click.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

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

    void setPicture(const QPixmap& p);
    void setBitmap(int id);  // 0 clears
    void clearPicture();
    QPixmap picture() const { return picture_; }
    // The bitmap resource last shown, 0 for none or a picture not from a bitmap.
    int bitmapId() const { return bitmapId_; }

    void setStretch(bool stretch);

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
    QColor back_;
    QPixmap picture_;
    QPixmap scaled_;  // the stretched picture at the box's size, made once
    int bitmapId_ = 0;
    bool stretch_ = false;
    bool pressed_ = false;
};

}  // namespace zarvel
