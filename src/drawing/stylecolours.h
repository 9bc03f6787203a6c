// The program's colours, and the texts and colours of the core as Qt ones:
// the part of the screen style (screens/screenstyle.h) that needs no
// widgets. It lives with the painters, the lowest layer that paints, so
// that the pictures, the printed pages and the screens share one set.
// Screens take every colour from here.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
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
// Pixels a tab keeps beside its caption for the frame, which runs along
// the tab's sides.
inline constexpr int kTabFocusRoom = 2;

// Plain black and white: table cells and their text, the title rows of the
// data sheet.
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);

// The polyurethane of the belts in every picture (profiles, the news page,
// the about page), and the line round it.
inline const QColor kBelt(238, 229, 196);
inline const QColor kBeltEdge(120, 104, 60);
// The about page's pictures draw that line a shade lighter.
inline const QColor kAboutBeltEdge(150, 128, 78);

// The cover: its sky from top to bottom, the rule under the title, the
// small print at its foot, black when the program closes.
inline const QColor kCoverTop(10, 32, 62);
inline const QColor kCoverMiddle(22, 70, 118);
inline const QColor kCoverBottom(12, 40, 74);
inline const QColor kCoverRule(230, 180, 60);
inline const QColor kCoverSmallPrint(200, 214, 230);
inline const QColor kCoverClosing = kBlack;
// Its two buttons: START in red with a gold rim, the about button in white.
inline const QColor kStartButton(200, 50, 31);
inline const QColor kStartButtonHover(222, 74, 51);
inline const QColor kGoldRim(243, 192, 74);
inline const QColor kAboutButton(238, 242, 247);
inline const QColor kAboutButtonText(18, 52, 90);
inline const QColor kAboutButtonBorder(159, 179, 200);
// Behind the step screens, where no screen covers the window.
inline const QColor kWorkspace(60, 66, 76);

// The family tabs of step 1: pale blue, the chosen one white.
inline const QColor kTab(196, 210, 236);
inline const QColor kTabText(16, 32, 72);
inline const QColor kTabBorder(8, 16, 40);
inline const QColor kTabChosen = kWhite;
inline const QColor kTabChosenText(0, 0, 160);
inline const QColor kTabHover(230, 236, 250);
// The service factor table of step 1: headings, cells, the frame of a cell.
inline const QColor kTableHeading(200, 215, 240);
inline const QColor kTableCell = kWhite;
inline const QColor kTableText(0, 0, 128);
inline const QColor kTableBorder(0, 0, 80);
// The frame round the input options of a linear drive.
inline const QColor kOptionFrame(150, 170, 210);
// The news page of step 1, printed dark on white.
inline const QColor kNewsPage(246, 248, 252);
inline const QColor kNewsText(20, 35, 70);
// The grids of step 1 and 6: white cells, grey fixed rows and columns.
inline const QColor kGridCell = kWhite;
inline const QColor kGridFixedCell(212, 208, 200);
inline const QColor kGridText = kBlack;

// The pitch labels on the chart of step 2, the chosen one yellow in a red
// frame, and the red edge of the indicator.
inline const QColor kPitchLabel(255, 255, 255, 230);
inline const QColor kPitchLabelText(16, 32, 74);
inline const QColor kPitchLabelHover(255, 255, 128);
inline const QColor kPitchLabelChosen = kYellow;
inline const QColor kPitchLabelChosenFrame(192, 0, 0);
inline const QColor kIndicatorEdge(160, 0, 0);

// The results page: its buttons and the remarks box, the blinking belt code,
// the power rating line of the chart, and in the calculation details a
// message the design showed and the catalogue rows a result came from.
inline const QColor kButton(20, 36, 94);
inline const QColor kButtonHover(30, 52, 120);
inline const QColor kButtonText = kCaption;
inline const QColor kButtonBorder = kPanelBorder;
inline const QColor kBlinkDark(192, 0, 0);
inline const QColor kBlinkLight(255, 224, 192);
inline const QColor kRatingLine(0, 230, 120);
inline const QColor kDetailsWarning(255, 154, 112);
inline const QColor kDetailsSource(168, 188, 228);

// A colour in a style sheet, with its transparency when it has one.
inline QString Css(const QColor& c) {
    return c.alpha() == 255
               ? c.name()
               : QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

// The colours the project keeps as one number, red in the lowest byte.
inline QColor fromLong(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Texts of the core are UTF-8.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Texts of the core break lines with CR; Qt breaks them with LF.
inline QString Lines(std::string_view s) { return qs(s).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace belt::style
