// Modal windows over the game open over windows that show where the game
// stands: what the game changed and has not painted yet is painted before
// the modal window is on the screen.
#pragma once

#include <QObject>

namespace zarvel {

class ModalPaint : public QObject {
    Q_OBJECT
public:
    explicit ModalPaint(QObject* parent = nullptr) : QObject(parent) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Paints, now, every change waiting to be painted.
void PaintPendingChanges();

}  // namespace zarvel
