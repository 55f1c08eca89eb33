#include "NameLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace zarvel {

QString FitName(const std::function<QString(const QString&)>& fill, const QString& name, const QFontMetrics& metrics,
                int width) {
    const QString whole = fill(name);
    const int wholeWidth = metrics.horizontalAdvance(whole);
    if (wholeWidth <= width) return whole;
    // What is around the name keeps its room; the name gets the rest.
    const int room = width - (wholeWidth - metrics.horizontalAdvance(name));
    return fill(metrics.elidedText(name, Qt::ElideRight, std::max(room, 0)));
}

NameLabel::NameLabel(QWidget* parent, const QString& pattern) : QLabel(parent), pattern_(pattern) {
    setTextFormat(Qt::PlainText);
}

void NameLabel::setName(const QString& name) {
    name_ = name;
    setAccessibleName(fullText());
    Fit();
}

void NameLabel::Fit() {
    const QString shown = FitName([this](const QString& n) { return pattern_.arg(n); }, name_, fontMetrics(),
                                  contentsRect().width() - 2 * margin());
    setText(shown);
    setToolTip(shown == fullText() ? QString() : fullText());
}

// Bold for the current player, italics for a computer: the room changes.
void NameLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) Fit();
}

void NameLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    Fit();
}

}  // namespace zarvel
