// STEP4 "PULLEY LAYOUT": the layout of a drive of three or four pulleys, drawn
// to scale. The user types the coordinates of pulleys 2 to 4, steps through
// the feasible belt paths with DRAW and, once a standard length is chosen,
// clicks a pulley (left button: vertical move, right: horizontal) or, on an
// omega drive, the drawing (the stroke) so that the belt has that length.
// The layout editor of the engine does all of it; the screen draws and
// forwards the events.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <array>

#include "drawing/layoutdrawing.h"
#include "screens/stepscreen.h"

class QFrame;
class QLabel;
class QPushButton;

namespace belt {

class NumericBox;

// The picture box Layout: the drawing, and the mouse over it in layout metres.
class LayoutCanvas : public QWidget {
    Q_OBJECT
public:
    explicit LayoutCanvas(const DriveProject& project, QWidget* parent = nullptr);

    // Where the layout lies in the canvas, for the mouse.
    LayoutFrame frame() const;

signals:
    void mouseMoved(QPointF metres);
    void mouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const DriveProject& project_;
};

class Step4Screen : public StepScreen {
    Q_OBJECT
public:
    Step4Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr);

    QString formName() const override { return QLatin1String(form::kStep4); }
    void applyMenus() override;
    // ShowLayoutLabels and the drawing again, in the current unit.
    void refresh() override;
    // Go On chose a standard length: zn(0) tells how to fit the layout to it.
    void showAdjustHint() override;

    // Lays the screen out for the drive (Form_Resize): menus, labels, the
    // controls of pulleys 1..N and the drawing with its belt.
    void Form_Resize();
    // The texts beside the drawing and the coordinate boxes from the project.
    void ShowLayoutLabels();

    // The event handlers, callable as the user would trigger them; the
    // mouse position in layout metres (Y up). Where the button is released
    // does not matter: the pulley under the pointer was chosen by the move.
    void Draw_Click();
    void Layout_MouseMove(double x, double y);
    void Layout_MouseUp(Qt::MouseButton button);

    // Controls, indexed like the form's control arrays (unused elements null).
    LayoutCanvas* Layout = nullptr;
    QPushButton* Draw = nullptr;
    std::array<QLabel*, 9> zT{};  // 0 unit, 1..4 pulley names and diameters, 5..8 "X =" "Y =" captions
    QLabel* zn0 = nullptr;        // zn(0): the instruction on the drawing
    QLabel* Px0 = nullptr;
    QLabel* Py0 = nullptr;
    std::array<NumericBox*, 5> Px{};  // 2..4
    std::array<NumericBox*, 5> Py{};  // 2..4
    std::array<QFrame*, 5> Box{};     // 1..4: the panel of each pulley

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterCoordinate(int k, int axis);
    void focusBox(int k, int axis);
    void layoutPanel(int k);
    void fitPanelTitles();
};

}  // namespace belt
