// Texts placed in logical units keep their rectangle's share of the screen,
// but a font in points does not shrink with it: on a small screen a caption
// would be cut off. These helpers give a control the largest point size, up
// to the one it was designed with, at which its text still fits.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QTabBar>

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
