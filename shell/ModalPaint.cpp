#include "ModalPaint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace zarvel {

void PaintPendingChanges() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

bool ModalPaint::eventFilter(QObject* watched, QEvent* event) {
    // Shown, but not yet mapped.
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
        const auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->windowModality() != Qt::NonModal) PaintPendingChanges();
    }
    return false;
}

}  // namespace zarvel
