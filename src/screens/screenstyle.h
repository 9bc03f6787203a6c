// The program's one look: the colours of the screens, the printed pages and
// the about page (drawing/stylecolours.h), and the small widget makers
// every screen uses. A screen that needs a colour or a caption label takes
// it from here.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QSizeF>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "drawing/stylecolours.h"

namespace belt::style {

// Form size at which a painted page's font in points is drawn at its nominal
// size; larger and smaller windows scale the fonts with them, so the page
// keeps its proportions in page units.
inline constexpr double kReferenceFormHeight = 870.0;
inline constexpr double kReferenceFormWidth = 1267.0;

inline double FormFontScale(const QSizeF& form) {
    if (form.height() <= 0 || form.width() <= 0) return 1.0;
    return std::min(form.height() / kReferenceFormHeight, form.width() / kReferenceFormWidth);
}

// A font of a painted page: points at the reference form, times scale.
// Pixel sizes keep the page independent of the screen's resolution.
inline QFont FormFont(const QString& family, double points, bool bold, bool italic, double scale) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale))));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

inline void SetColour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(role, c);
    w->setPalette(pal);
}

inline void SetFontSize(QWidget* w, int points, bool bold = false) {
    QFont f = w->font();
    f.setPointSize(points);
    f.setBold(bold);
    w->setFont(f);
}

// A plain-text caption in the given size and colour; greyed when disabled.
inline QLabel* MakeLabel(QWidget* parent, const QString& name, int points, bool bold, const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    SetFontSize(l, points, bold);
    SetColour(l, QPalette::WindowText, colour);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledCaption);
    l->setPalette(pal);
    return l;
}

// A rounded entry panel named Box<index>.
inline QFrame* MakePanel(QWidget* parent, int index) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("Box%1").arg(index));
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    f->setStyleSheet(QStringLiteral("QFrame#Box%1 { background: %2; border: 1px solid %3; border-radius: 6px; }")
                         .arg(index)
                         .arg(kPanel.name(), kPanelBorder.name()));
    return f;
}

}  // namespace belt::style
