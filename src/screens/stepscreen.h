// What every wizard screen offers the main window. A screen reads and writes
// the project directly and keeps no private copy of project data.
#pragma once

#include <QString>
#include <QWidget>

#include "project/formnames.h"

namespace belt {

class NumericBox;
struct DriveProject;
class Dialogs;
struct MenuActions;

class StepScreen : public QWidget {
    Q_OBJECT
public:
    StepScreen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr)
        : QWidget(parent), project_(project), dialogs_(dialogs), menus_(menus) {}

    // "STEP1" ... "STEP6": the active form's name the menu commands act on.
    virtual QString formName() const = 0;
    // Help context number: 1..6.
    int helpContext() const { return formName().right(1).toInt(); }

    // Sets the menu bar for this screen (unless the demonstration runs);
    // called whenever the screen is shown and laid out.
    virtual void applyMenus() = 0;
    // Rereads every displayed value from the project (after a unit change,
    // or when the screen is shown again).
    virtual void refresh() = 0;
    // Starts or stops the screen's own attention effect (its Flash timer).
    virtual void setBlinking(bool /*on*/) {}

    // Whether every number typed on the screen has been confirmed with Enter.
    // If not, tells the user which box still waits, puts the focus in it and
    // returns false: Go On, Go Back and the commands that leave the screen
    // stay, rather than go on with the value the box held before.
    bool entriesConfirmed();

    // Go On's design calculation kept the user on this screen after the
    // standard length question was cancelled: STEP3 reads its centre distance
    // and belt length boxes again and puts the focus on the power box (Dato(5)).
    virtual void rereadAfterCancelledLength() {}
    // Go On on STEP4 accepted a standard length: the screen shows its hint
    // that a pulley must now be moved to fit it.
    virtual void showAdjustHint() {}

    // The box whose typed number waits for Enter (the one with the focus
    // first), or null.
    NumericBox* unconfirmedBox() const;

protected:
    DriveProject& project_;
    Dialogs& dialogs_;
    MenuActions& menus_;
};

}  // namespace belt
