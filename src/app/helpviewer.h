// The help: help.html in a window of its own, opened at the section of the
// screen the user asked from, with Back and Forward (Alt+Left, Alt+Right).
#pragma once

#include <QString>

class QTextBrowser;
class QToolButton;
class QWidget;

namespace belt {

// Help context number for the active form: 0 for the cover ("MAIN"), 1..6 for
// STEP1..STEP6; any other window (the about screen) keeps the previous one.
int HelpContextFor(const QString& activeForm, int previous);

class HelpViewer {
public:
    // The window is made, as a window of parent, when it is first shown.
    explicit HelpViewer(QWidget& parent) : parent_(parent) {}

    // Shows the help window, raised, with the section of context in view.
    void show(int context);
    // The viewer; null until the help was first shown.
    QTextBrowser* browser() const { return browser_; }

private:
    QWidget& parent_;
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
};

}  // namespace belt
