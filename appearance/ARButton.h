// The push button of the game's windows: a caption or a picture, one pair
// of caption and back colours, and a second pair shown while the mouse is
// over it. On the game tray it never takes the keyboard focus, so the game's
// keys always reach the window; in the trays it does (setFocusPolicy), with
// a visible focus ring.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QRectF>
#include <functional>

class QLabel;

namespace zarvel {

class ARButton : public QAbstractButton {
    Q_OBJECT
public:
    // Draws the picture into the rectangle; the colour is the caption
    // colour of the moment (hover or not), enabled says whether to draw it live.
    using PicturePainter = std::function<void(QPainter&, const QRectF&, const QColor& caption, bool enabled)>;

    explicit ARButton(const QString& caption = {}, QWidget* parent = nullptr);

    void setColours(const QColor& caption, const QColor& back);
    void setHoverColours(const QColor& caption, const QColor& back);
    QColor captionColour() const { return caption_; }
    QColor hoverCaptionColour() const { return hoverCaption_; }
    void setPicturePainter(PicturePainter painter);
    bool hasPicture() const { return static_cast<bool>(picture_); }
    bool hovered() const { return hovered_; }

    QSize sizeHint() const override;
    // Where the picture is drawn while the button is up.
    QRectF pictureRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QColor caption_, back_, hoverCaption_, hoverBack_;
    PicturePainter picture_;
    bool hovered_ = false;
};

// A button of the game's windows as they all look: the window font, the
// platform's button colours, the caption red under the mouse; placed at a
// rectangle in twips, at every zoom.
ARButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& twips);

// A tray's heading: bold, and dark blue whatever the text colour; `top` in
// twips, the tray's width, at every zoom.
QLabel* MakeHeading(QWidget* parent, const QString& caption, int top);

// The main window's pictures: a die with "Roll", and dice with an arrow
// and "Pass Dice".
void PaintRollPicture(QPainter& p, const QRectF& r, const QColor& caption, bool enabled);
void PaintPassDicePicture(QPainter& p, const QRectF& r, const QColor& caption, bool enabled);

// The words on those pictures, where and how they are drawn for a picture in
// r on a button of font base: set smaller when a long translation needs it.
struct PictureCaption {
    QRectF room;
    QFont font;
    QString text;
    int flags;
};
PictureCaption RollCaption(const QRectF& r, const QFont& base);
PictureCaption PassDiceCaption(const QRectF& r, const QFont& base);

}  // namespace zarvel
