// Texts placed in logical units keep their rectangle's share of the screen,
// but a font in points does not shrink with it: on a small screen a caption
// would be cut off. These helpers give a control the largest point size, up
// to the one it was designed with, at which its text still fits.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTabBar>
#include <algorithm>
#include <cmath>

namespace belt {

// The label's font becomes the largest size from `largest` down to
// `smallest` points at which its text (wrapped if the label wraps) fits the
// label's current rectangle; `smallest` when none does.
inline void FitLabelFont(QLabel* label, int largest, int smallest = 7) {
    if (!label) return;
    QFont font = label->font();
    const QRect room = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    int size = largest;
    for (; size > smallest; --size) {
        font.setPointSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, label->text());
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
    font.setPointSize(size);
    label->setFont(font);
}

// One size for a column of labels, so that they keep reading as one list:
// the largest at which every one of them fits.
template <typename Labels>
inline void FitLabelsFont(const Labels& labels, int largest, int smallest = 7) {
    int size = largest;
    for (QLabel* l : labels) {
        if (!l) continue;
        FitLabelFont(l, size, smallest);
        size = l->font().pointSize();
    }
    for (QLabel* l : labels) {
        if (!l) continue;
        QFont font = l->font();
        font.setPointSize(size);
        l->setFont(font);
    }
}

// The same for a push button: its caption within its width.
inline void FitButtonFont(QAbstractButton* button, int largest, int smallest = 7) {
    if (!button) return;
    QFont font = button->font();
    int size = largest;
    for (; size > smallest; --size) {
        font.setPointSize(size);
        button->setFont(font);
        if (button->sizeHint().width() <= button->width()) return;
    }
    font.setPointSize(size);
    button->setFont(font);
}

// The same for a list: its widest item within the list's width.
inline void FitListFont(QListWidget* list, int largest, int smallest = 7) {
    if (!list) return;
    const int room =
        list->width() - 2 * list->frameWidth() - list->verticalScrollBar()->sizeHint().width() - 8;
    QFont font = list->font();
    int size = largest;
    for (; size > smallest; --size) {
        font.setPointSize(size);
        const QFontMetrics fm(font);
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, fm.horizontalAdvance(list->item(i)->text()));
        if (widest <= room) break;
    }
    font.setPointSize(size);
    list->setFont(font);
}

// The smallest point size still legible on the widget's screen: a screen
// scaled by 1.5 or 2 draws a point with more pixels.
inline int SmallestReadablePoints(const QWidget* w) {
    const double ratio = w ? w->devicePixelRatioF() : 1.0;
    return std::max(5, static_cast<int>(std::ceil(7 / std::max(1.0, ratio))));
}

// The same for a tab strip: all tabs side by side within its width.
inline void FitTabBarFont(QTabBar* bar, int largest, int smallest = 7) {
    if (!bar) return;
    QFont font = bar->font();
    int size = largest;
    for (; size > smallest; --size) {
        font.setPointSize(size);
        bar->setFont(font);
        // The strip's size hint is its tabs side by side at their natural size.
        if (bar->sizeHint().width() <= bar->width()) return;
    }
    font.setPointSize(size);
    bar->setFont(font);
}

}  // namespace belt
