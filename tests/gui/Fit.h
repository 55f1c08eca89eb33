// Whether a window's texts fit their controls, measured with the font each
// control draws with: shared by the zoom steps and the languages.
#pragma once

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QtMath>

#include <functional>

#include <gtest/gtest.h>

#include "ARButton.h"
#include "Twips.h"

namespace zarvel {
class frmMain;
class ScriptedRandom;
}  // namespace zarvel

namespace zarvel::test {

// The controls of a window: every widget in it but the parts Qt builds into
// its own controls (a list's scroll bars, a combo box's list), in the order
// they were made, so two windows built alike list theirs alike.
inline QList<QWidget*> Controls(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        bool inner = w->isWindow() || qobject_cast<QMenuBar*>(w);
        for (QWidget* p = w->parentWidget(); p && p != root && !inner; p = p->parentWidget())
            inner = p->isWindow() || qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QComboBox*>(p) ||
                    qobject_cast<QLineEdit*>(p);
        if (!inner) controls << w;
    }
    return controls;
}

// A caption without its mnemonic marks, as it is drawn.
inline QString Drawn(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

// What a window shows that does not fit, one line per text: the control,
// the text, what it needs and what it has. `checked` counts the texts
// looked at.
inline QStringList MenuTitlesOutside(QMenuBar* bar);

inline QStringList TooWide(QWidget* root, int* checked = nullptr) {
    if (auto* bar = qobject_cast<QMenuBar*>(root)) {
        if (checked) *checked = int(bar->actions().size());
        return MenuTitlesOutside(bar);
    }
    QStringList out;
    int count = 0;
    const auto need = [&](const QWidget* w, const QString& text, int needs, int has, const char* unit = "px wide") {
        ++count;
        if (needs > has)
            out << QStringLiteral("%1 \"%2\" needs %3 %4, has %5")
                       .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(),
                            text)
                       .arg(needs)
                       .arg(QLatin1String(unit))
                       .arg(has);
    };
    for (QWidget* w : Controls(root)) {
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().trimmed().isEmpty()) continue;
            const QRect room = l->contentsRect();
            // A label with a buddy shows its key letter underlined, not its mark.
            const QString shown = l->buddy() ? Drawn(l->text()) : l->text();
            if (l->wordWrap())
                need(l, l->text(), l->heightForWidth(room.width()), room.height(), "px high");
            else
                for (const QString& line : shown.split(u'\n'))
                    need(l, l->text(), l->fontMetrics().horizontalAdvance(line), room.width());
        } else if (auto* a = qobject_cast<ARButton*>(w); a && a->hasPicture()) {
            // The words drawn on the roll and pass pictures.
            const QString name = a->objectName();
            if (name == QLatin1String("cmdRoll") || name == QLatin1String("cmdPassDice")) {
                const PictureCaption c = name == QLatin1String("cmdRoll") ? RollCaption(a->pictureRect(), a->font())
                                                                           : PassDiceCaption(a->pictureRect(), a->font());
                const QRect used = QFontMetricsF(c.font).boundingRect(c.room, c.flags, c.text).toAlignedRect();
                need(a, c.text, used.width(), qCeil(c.room.width()));
                need(a, c.text, used.height(), qCeil(c.room.height()), "px high");
            }
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (b->text().isEmpty()) continue;
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            int room = 0;
            if (qobject_cast<QCheckBox*>(b))
                room = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, b).width();
            else if (qobject_cast<QRadioButton*>(b))
                room = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, b).width();
            else if (qobject_cast<QPushButton*>(b))
                room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b).width();
            else  // the game's own buttons: inside their bevel
                room = b->width() - 6 * std::max(1, ZoomPercent() / 100);
            need(b, b->text(), b->fontMetrics().horizontalAdvance(Drawn(b->text())), room);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (g->title().isEmpty()) continue;
            need(g, g->title(), g->fontMetrics().horizontalAdvance(Drawn(g->title())), g->width());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            const int room =
                c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width();
            for (int i = 0; i < c->count(); ++i) need(c, c->itemText(i), c->fontMetrics().horizontalAdvance(c->itemText(i)), room);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            // An entry's text within the list, less the margins the item view
            // keeps and the scroll bar when the entries need one; measured
            // from the list itself, shown or not.
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            const QSize view = list->maximumViewportSize();
            const bool scrolls = list->count() > 0 && list->count() * list->sizeHintForRow(0) > view.height();
            const int room = view.width() - 2 * margin -
                             (scrolls ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) : 0);
            for (int i = 0; i < list->count(); ++i)
                need(list, list->item(i)->text(), list->fontMetrics().horizontalAdvance(list->item(i)->text()), room);
        } else if (auto* table = qobject_cast<QTableView*>(w)) {
            const QHeaderView* h = table->horizontalHeader();
            const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
            for (int s = 0; s < h->count(); ++s) {
                if (h->isSectionHidden(s)) continue;
                const QString text = table->model()->headerData(s, Qt::Horizontal).toString();
                need(table, text, h->fontMetrics().horizontalAdvance(text) + margin, h->sectionSize(s));
            }
        }
    }
    if (checked) *checked = count;
    return out;
}

// A menu bar's titles within the window: none pushed out of sight.
inline QStringList MenuTitlesOutside(QMenuBar* bar) {
    QStringList out;
    for (QAction* a : bar->actions()) {
        const QRect at = bar->actionGeometry(a);
        if (at.isEmpty() || at.right() >= bar->width())
            out << QStringLiteral("menu \"%1\" ends at %2 px, the bar is %3 px").arg(a->text()).arg(at.right() + 1).arg(bar->width());
    }
    return out;
}

// No caption of a label, button or frame is wider than the room its control
// gives it; wrapped text no taller.
inline void ExpectCaptionsFit(QWidget* root, const QString& where) {
    SCOPED_TRACE(where.toStdString() + " at " + std::to_string(ZoomPercent()) + " %");
    int checked = 0;
    for (const QString& problem : TooWide(root, &checked)) ADD_FAILURE() << problem.toStdString();
    EXPECT_GT(checked, 0);
}

// Opens every window the game has at each zoom step, the board with no
// game and with a game of eight in each of its status lines and with the
// longest hint, and hands each to `look` with its name (the main window's
// menu bar too). `dice` are the window's.
void LookAtEveryWindow(frmMain& w, ScriptedRandom& dice,
                       const std::function<void(QWidget* root, const QString& window)>& look);

}  // namespace zarvel::test
