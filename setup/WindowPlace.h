// Places top-level windows by their outer frame, wherever the window
// manager draws it. Until a window has been framed its frame is unknown, and
// Qt would put the client area where the frame was meant to be: one caption
// bar too high. The frame of a window already on screen (the main window)
// stands in for it then.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace zarvel {

// The window's frame margins, or like's while the window has none yet.
QMargins FrameMargins(const QWidget* window, const QWidget* like);
// The outer size of the window, frame included.
QSize FrameSize(const QWidget* window, const QWidget* like);
// Lays the window out at the game's zoom, or smaller where its frame would
// not fit its screen's available area. Called before it is shown.
void FitToScreen(QWidget* window, const QWidget* like);
// Where the window's frame's top left corner is (or will be, once framed).
QPoint FrameTopLeft(const QWidget* window, const QWidget* like);
// Moves the window so that its frame's top left corner is at topLeft.
void MoveFrameTo(QWidget* window, QPoint topLeft, const QWidget* like);

}  // namespace zarvel
