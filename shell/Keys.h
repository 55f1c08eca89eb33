// The keyboard as the game's handlers see it: virtual-key codes, and
// whether F12 is held down.
#pragma once

#include <QObject>

class QKeyEvent;

namespace zarvel {

// The virtual-key code of a key event, 0 for keys the game does not use.
int VirtualKeyOf(const QKeyEvent& e);

// Tracks F12 across the whole application, whichever window has focus.
class KeyHeldFilter : public QObject {
    Q_OBJECT
public:
    explicit KeyHeldFilter(QObject* parent = nullptr) : QObject(parent) {}
    bool F12Held() const { return f12_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool f12_ = false;
};

}  // namespace zarvel
