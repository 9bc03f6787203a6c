// STEP1: the service factor table (Tabella) of the family pages, its cells
// and their click.

#include "catalogue/belttraits.h"
#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/keyboardchoice.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"

namespace belt {

using namespace style;
using namespace step1;

void Step1Screen::makeFactorTable() {
    for (std::size_t i = 0; i < tabella_.size(); ++i) {
        auto* c = new ClickLabel(this);
        c->setObjectName(QStringLiteral("Tabella%1").arg(i));
        c->setAlignment(Qt::AlignCenter);
        c->setWordWrap(true);
        connect(c, &ClickLabel::clicked, this, [this, i] { Tabella_Click(static_cast<int>(i)); });
        tabella_[i] = c;
    }
}

// Tabella: the title of the header row (0), the column headers (1..5), the
// title of the value row (6) and the values (7..11), one above the other.
void Step1Screen::showTable(bool withTitleAndFive, int lastHeader) {
    // The linear drive pages fill their lower half with data: the table goes
    // under the pictures there.
    const BeltFamilyTraits* family = FamilyOfStep1Tab(currentTab());
    const double top = family && family->carriageData ? 30.5 : kTableTop;
    const double titleWidth = 19;
    const double cellWidth = 15;
    PlaceForm(tabella_[0], 1, top, titleWidth, 6);
    PlaceForm(tabella_[6], 1, top + 6, titleWidth, 4.5);
    for (int i = 1; i <= 5; ++i) {
        const double left = 1 + titleWidth + (i - 1) * cellWidth;
        PlaceForm(tabella_[static_cast<std::size_t>(i)], left, top, cellWidth, 6);
        PlaceForm(tabella_[static_cast<std::size_t>(i + 6)], left, top + 6, cellWidth, 4.5);
    }
    for (int i = 0; i <= lastHeader; ++i) {
        tabella_[static_cast<std::size_t>(i)]->show();
        tabella_[static_cast<std::size_t>(i + 6)]->show();
    }
    if (withTitleAndFive) {
        tabella_[5]->show();
        tabella_[11]->show();
    }
}

void Step1Screen::setTabellaCaptions() {
    const auto kind = FactorTableForTab(currentTab());
    if (!kind) return;
    const FactorTable& table = FactorTableOf(*kind);
    for (int i = 0; i < 12; ++i) {
        if (currentTab() == kTabFendaro && i == 5) continue;  // the characteristics panel
        tabella_[static_cast<std::size_t>(i)]->setText(Lines(table.caption[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < 12; ++i) {
        if (i == 5 && currentTab() == kTabFendaro) continue;
        ClickLabel* c = tabella_[static_cast<std::size_t>(i)];
        // The values take the keyboard; a header picks the same value.
        c->setChoosable(i >= 7);
        if (i == 0 || i == 6) {
            c->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid %3;")
                                 .arg(Css(kTableHeading), Css(kTableText), Css(kTableBorder)));
            SetFontSize(c, 11, true);
        } else if (i <= 5) {
            c->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid %3;")
                                 .arg(Css(kTableCell), Css(kTableText), Css(kTableBorder)));
            SetFontSize(c, i == 5 ? 12 : 11);
            c->setAlignment(Qt::AlignCenter);
            c->setCursor(Qt::PointingHandCursor);
        } else {
            c->setCursor(Qt::PointingHandCursor);
            SetFontSize(c, 12, true);
        }
    }
    applyTabellaColours();
    fitTableFonts();
}

// On a screen scaled by 1.5 or 2 the cells keep their share of the form, but
// their fonts in points grow: "Average fluctuating load" lost its first and
// last lines. Each row keeps one size, the largest at which all its cells fit.
void Step1Screen::fitTableFonts() {
    const bool panel = currentTab() == kTabFendaro;  // Tabella(5) is the characteristics panel
    const int smallest = SmallestReadablePoints(this);
    FitLabelsFont(std::array<QLabel*, 2>{tabella_[0], tabella_[6]}, 11, smallest);
    FitLabelsFont(std::array<QLabel*, 4>{tabella_[1], tabella_[2], tabella_[3], tabella_[4]}, 11, smallest);
    // The characteristics of a flat belt, line by line, all of them.
    FitLabelFont(tabella_[5], panel ? 9 : 12, smallest);
    FitLabelsFont(std::array<QLabel*, 5>{tabella_[7], tabella_[8], tabella_[9], tabella_[10], tabella_[11]},
                  12, smallest);
}

void Step1Screen::applyTabellaColours() {
    QWidget* chosen = nullptr;
    for (std::size_t i = 7; i <= 11; ++i)
        if (project_.screen.tabellaBackColor[i] == kFactorCellSelectedBack) chosen = tabella_[i];
    MakeTabStop({tabella_[7], tabella_[8], tabella_[9], tabella_[10], tabella_[11]}, chosen);
    for (int i = 7; i <= 11; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        tabella_[ii]->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid %3;")
                                        .arg(fromLong(project_.screen.tabellaBackColor[ii]).name(),
                                             fromLong(project_.screen.tabellaForeColor[ii]).name(),
                                             Css(kTableBorder)));
    }
}

void Step1Screen::styleTabellaFive(bool characteristicsPanel) {
    ClickLabel* c = tabella_[5];
    if (characteristicsPanel) {
        // Transparent, no border, yellow text, size 9, left aligned.
        c->setStyleSheet(
            QStringLiteral("background: transparent; color: %1; border: none;").arg(Css(kYellow)));
        SetFontSize(c, 9);
        c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c->setWordWrap(false);
        c->setTextFormat(Qt::PlainText);
        c->setCursor(Qt::ArrowCursor);
        PlaceForm(c, 31, 32.5, 67, 46);
    } else {
        // Opaque, single border, dark blue text, size 12, centred.
        c->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid %3;")
                             .arg(Css(kTableCell), Css(kTableText), Css(kTableBorder)));
        SetFontSize(c, 12);
        c->setAlignment(Qt::AlignCenter);
        c->setWordWrap(true);
    }
}

void Step1Screen::Tabella_Click(int index) {
    const auto kind = FactorTableForTab(currentTab());
    if (!kind) return;
    if (PickFactorCell(project_, *kind, index)) applyTabellaColours();
}

void Step1Screen::setTabellaColours(int cell, int back, int fore) {
    if (cell < 7 || cell > 11) return;
    project_.screen.tabellaBackColor[static_cast<std::size_t>(cell)] = back;
    project_.screen.tabellaForeColor[static_cast<std::size_t>(cell)] = fore;
    applyTabellaColours();
}

}  // namespace belt
