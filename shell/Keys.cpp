#include "Keys.h"

#include <QEvent>
#include <QKeyEvent>

#include "Table.h"

namespace zarvel {

int VirtualKeyOf(const QKeyEvent& e) {
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    const int key = e.key();
    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::Numpad0 + (key - Qt::Key_0);
        // The keypad's decimal key gives "," on some layouts.
        if (key == Qt::Key_Period || key == Qt::Key_Comma || key == Qt::Key_Delete) return vk::Decimal;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::Key0 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Backspace: return vk::Back;
        case Qt::Key_Escape: return vk::Escape;
        case Qt::Key_P: return vk::P;
        case Qt::Key_R: return vk::R;
        case Qt::Key_F2: return vk::F2;
        case Qt::Key_F12: return vk::F12;
        default: return 0;
    }
}

bool KeyHeldFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (k->key() == Qt::Key_F12) f12_ = true;
            break;
        }
        case QEvent::KeyRelease: {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (k->key() == Qt::Key_F12 && !k->isAutoRepeat()) f12_ = false;
            break;
        }
        case QEvent::ApplicationDeactivate:
            // The release would go to another program.
            f12_ = false;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zarvel
