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

    // The size a label's text needs, in cover units (an auto-sized label),
    // and placing a label with that size at (left, top). Auto-sized labels
    // keep their size to the text through resizes and font changes.
    QSizeF autoSize(const QLabel* label) const;
    void placeAuto(QLabel* label, double left, double top);

    // Black background with yellow texts for the closing message.
    void setClosingLook(bool closing);
    bool closingLook() const { return closing_; }

signals:
    void gotFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void applyFont(QLabel* label);
    bool closing_ = false;
};

}  // namespace belt
