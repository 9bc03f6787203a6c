// The start picture (COVER) of the main window: logo, title, the four cover
// texts, the rule and the two buttons, all placed in the cover's own 100 x 100
// units. Its FLASH timer animates it at start-up and plays the closing
// message at the end.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "screens/logowidget.h"

class QFrame;
class QTimer;

namespace belt {

class Cover : public QWidget {
    Q_OBJECT
public:
    // Laid out for the start of its animation (MDIForm_Initialize); the
    // animation starts with startAnimation().
    explicit Cover(QWidget* parent = nullptr);

    // The controls by their names, as the animation moves them.
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

    // --- The animation -----------------------------------------------------------
    // FLASH: every 50 ms the start-up animation, every 2000 ms the closing message.
    QTimer* flashTimer() const { return flash_; }
    void startAnimation();
    // One tick of FLASH.
    void FLASH_Timer();
    // START and "about" are there: the animation has reached its end.
    bool animationDone() const;
    // Brings the cover to the end state of its animation at once.
    void finishAnimation();
    // Gives the keyboard focus to START once it is there, else to the cover
    // (START takes it from the cover as it arrives).
    void takeFocus();
    // Stops FLASH where it stands.
    void stopAnimation();
    // The closing message: the texts say goodbye on the first two ticks of
    // a 2-second FLASH, and closingMessageDone follows on the third.
    void showClosingMessage();

signals:
    void gotFocus();
    void startClicked();
    void infoClicked();
    void closingMessageDone();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showStart();
    void applyFont(QLabel* label);
    // Sizes an auto label to its text (or leaves that for the show).
    void fit(QLabel* label);
    void fitPending();
    bool canBeSeen(const QLabel* label) const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Moves a placed control, keeping its size.
    static void moveTo(QWidget* w, double left, double top);
    bool closing_ = false;
    bool fitQueued_ = false;
    QTimer* flash_ = nullptr;
    int closingTicks_ = 0;
};

}  // namespace belt
