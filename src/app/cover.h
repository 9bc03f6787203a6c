// The start picture (COVER) of the main window: logo, title, the four cover
// texts, the rule and the two buttons, all placed in the cover's own 100 x 100
// units. The main window's FLASH timer animates it (MainWindow::FLASH_Timer).
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "screens/logowidget.h"

class QFrame;

namespace belt {

class Cover : public QWidget {
    Q_OBJECT
public:
    explicit Cover(QWidget* parent = nullptr);

    LogoWidget* LOGO = nullptr;
    QLabel* Titolo = nullptr;
    std::array<QLabel*, 4> BYEMSG{};
    QFrame* Line1 = nullptr;
    QPushButton* START = nullptr;
    QPushButton* bINFO = nullptr;

    // Font sizes are given in points for a cover of the reference height and
    // scale with the cover, so the picture keeps its proportions.
    void setLabelFontSize(QLabel* label, double points);
    double labelFontSize(const QLabel* label) const;

    // Auto-sized labels: sized to their text, in cover units, through every
    // resize and font change. placeAuto places one with its left edge, its
    // right edge or its centre at x; after the first fit the left edge stays
    // where it is. Text is measured only where it can be seen: a label on a
    // hidden cover is fitted at the show, one waiting outside the cover as it
    // moves in (the start-up picture measures nothing it does not draw).
    enum class Anchor { Left, Right, Centre };
    void placeAuto(QLabel* label, double x, double top, Anchor anchor = Anchor::Left);
    // The size a label's text needs now, in cover units.
    QSizeF autoSize(const QLabel* label) const;

    // Black background with yellow texts for the closing message.
    void setClosingLook(bool closing);
    bool closingLook() const { return closing_; }

signals:
    void gotFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void applyFont(QLabel* label);
    // Sizes an auto label to its text (or leaves that for the show).
    void fit(QLabel* label);
    void fitPending();
    bool canBeSeen(const QLabel* label) const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool closing_ = false;
    bool fitQueued_ = false;
};

}  // namespace belt
