// The program's colours and the texts of the core as Qt strings: the part
// of the screen style (screens/screenstyle.h) that needs no widgets. It
// lives with the painters, the lowest layer that paints, so that the
// pictures, the printed pages and the screens share one set.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

namespace belt::style {

// The dark blue of every step screen.
inline const QColor kBackground(16, 32, 72);
// The results page, a shade darker than the screens around it.
inline const QColor kPageBackground(8, 16, 52);
// Entry panels on the background.
inline const QColor kPanel(30, 52, 104);
inline const QColor kPanelBorder(110, 140, 200);
// Captions, headings (yellow) and subtitles (light cyan).
inline const QColor kCaption(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kHeading = kYellow;
inline const QColor kSubtitle(128, 255, 255);
inline const QColor kCyan(0, 255, 255);
inline const QColor kLightGrey(224, 224, 224);
// A caption whose box is disabled (the teeth of a belt without teeth).
inline const QColor kDisabledCaption(120, 130, 160);
// The red of the data sheet's title lines.
inline const QColor kRed(255, 0, 0);
// A number typed and not yet confirmed with Enter: dark text on a cream tint,
// readable in every box of every screen.
inline const QColor kPendingBase(255, 244, 200);
inline const QColor kPendingText(16, 32, 72);

// The frame round the control that has the keyboard focus, a dark line
// inside it, so that it shows on every background.
inline const QColor kFocusFrame(255, 140, 0);
inline const QColor kFocusFrameInner(16, 32, 72);

// Texts of the core are UTF-8.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Texts of the core break lines with CR; Qt breaks them with LF.
inline QString Lines(std::string_view s) { return qs(s).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace belt::style
