// What the pages of STEP1 share: where the family pages put their controls,
// and the few helpers their layout code uses. Only the step1*.cpp files
// include it.
#pragma once

#include <QAction>
#include <QFontMetrics>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "drawing/stylecolours.h"

namespace belt::step1 {

// The feasibility grid ends where its legend begins, at the foot of the page.
inline constexpr double kFeasibilityLegendTop = 94;

inline void setShown(QAction* a, bool visible) {
    if (a) a->setVisible(visible);
}

// Light text on the screen's dark background, leaving the control's own look.
inline void whiteText(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, style::kCaption);
    pal.setColor(QPalette::ButtonText, style::kCaption);
    w->setPalette(pal);
}

// Word-wraps text to `width` pixels for controls that do not wrap by themselves.
inline QString wrapTo(const QString& text, const QFontMetrics& fm, int width) {
    QString out;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
            out += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    return out + line;
}

// Positions of the controls on the family pages, in form units.
inline constexpr double kPictureTop = 14;
inline constexpr double kPictureWidth = 15;
inline constexpr double kPictureHeight = 13;
inline constexpr double kPictureGap = 2.5;
inline constexpr double kTableTop = 82;
inline constexpr double kDataTop = 48;
inline constexpr double kDataStep = 3.4;
// Point size of the page captions Testo(1..3) and of the data labels.
inline constexpr int kCaptionPoints = 11;

}  // namespace belt::step1
