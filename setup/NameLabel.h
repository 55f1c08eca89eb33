// Players' names where room is short: the score pad's rows, the current
// player beside the dice, the winner's line. A name that would not fit is
// cut short with an ellipsis; the whole of it stays in the tooltip and in
// what a screen reader reads.
#pragma once

#include <QLabel>
#include <functional>

class QFontMetrics;

namespace zarvel {

// fill(name) with the name shortened, if need be, so that the whole text
// fits width pixels in these metrics.
QString FitName(const std::function<QString(const QString&)>& fill, const QString& name, const QFontMetrics& metrics,
                int width);

class NameLabel : public QLabel {
    Q_OBJECT
public:
    // pattern: the text around the name, "%1" for the name alone.
    explicit NameLabel(QWidget* parent = nullptr, const QString& pattern = QStringLiteral("%1"));

    void setName(const QString& name);
    const QString& name() const { return name_; }
    // The pattern with the whole name, as the tooltip and a screen reader have it.
    QString fullText() const { return pattern_.arg(name_); }
    // The name is shown shortened.
    bool elided() const { return text() != fullText(); }

protected:
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Fit();

    QString pattern_;
    QString name_;
};

}  // namespace zarvel
