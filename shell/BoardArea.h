// The main window's client area: the board (the tray column and the game
// tray) in its middle, and around it, when the window is larger than the
// board's proportions fill, the background picture, soft and dimmed.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zarvel {

class GameTray;

class BoardArea : public QWidget {
    Q_OBJECT
public:
    explicit BoardArea(QWidget* parent = nullptr);

    // What the tray column and the game tray lie in, always centred here.
    QWidget* board() const { return board_; }
    // The game tray on the board: the board ends at its right edge, and its
    // background picture fills the spare space.
    void setGameTray(GameTray* tray);
    // The board as large as what it holds now (after a tray or a zoom).
    void FitBoard();

    QSize sizeHint() const override { return board_->size(); }

signals:
    // The area was resized: by the window manager, the player, or the board.
    void resized();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Centre();

    QWidget* board_;
    GameTray* tray_ = nullptr;
    QPixmap spare_;  // the spare space's picture, made once per size and picture
    qint64 spareOf_ = 0;
};

}  // namespace zarvel
