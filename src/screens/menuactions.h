// The menu bar of the main window as the screens see it: every item by its
// control name, so a screen can set the bar for itself when it is laid out.
#pragma once

#include <QAction>
#include <QMenu>
#include <array>

namespace belt {

struct MenuActions {
    QAction* mStopDemo = nullptr;
    QAction* mClose = nullptr;
    QAction* mFile = nullptr;  // the File menu's own action (menuAction())
    QAction* mOpen = nullptr;
    QAction* mSave = nullptr;
    QAction* mExportLayout = nullptr;  // on the screens that show a layout (STEP4..STEP6)
    QAction* mReset = nullptr;
    QAction* mExit = nullptr;
    QAction* mGoBack = nullptr;
    QAction* mGoon = nullptr;
    QAction* mGoon2 = nullptr;  // submenu: drive configuration
    QAction* m2Pulleys = nullptr;
    QAction* mCentreDistance = nullptr;
    QAction* mBeltLength = nullptr;
    QAction* m3Pulleys = nullptr;
    QAction* m4Pulleys = nullptr;
    QAction* mUnit = nullptr;
    QAction* mPrinter = nullptr;
    QAction* mPrinter2 = nullptr;
    QAction* mDemo = nullptr;
    QAction* mLoopDemo = nullptr;
    QAction* mInt = nullptr;
    QAction* mHelp = nullptr;
    QAction* mInfo = nullptr;
    // Unit items, [quantity][u], u = 1..n as in the Unit menu (index 0 unused).
    std::array<std::array<QAction*, 8>, 8> unitItems{};
};

// The menu bar of the cover: File, Demo, Loop Demo and "?" only.
inline void ShowCoverMenus(MenuActions& m) {
    for (QAction* a :
         {m.mStopDemo, m.mClose, m.mGoBack, m.mGoon, m.mGoon2, m.mUnit, m.mPrinter, m.mPrinter2, m.mExportLayout})
        if (a) a->setVisible(false);
    for (QAction* a : {m.mFile, m.mDemo, m.mLoopDemo, m.mInt})
        if (a) a->setVisible(true);
}

// The menu bar of a step screen: File, Go Back, Unit and "?" always, Demo and
// Loop Demo never; the rest as the screen says.
inline void ShowStepMenus(MenuActions& m, bool goOn, bool goOn2, bool print, bool print2) {
    for (QAction* a : {m.mStopDemo, m.mClose, m.mDemo, m.mLoopDemo})
        if (a) a->setVisible(false);
    for (QAction* a : {m.mFile, m.mGoBack, m.mUnit, m.mInt})
        if (a) a->setVisible(true);
    if (m.mGoon) m.mGoon->setVisible(goOn);
    if (m.mGoon2) m.mGoon2->setVisible(goOn2);
    if (m.mPrinter) m.mPrinter->setVisible(print);
    if (m.mPrinter2) m.mPrinter2->setVisible(print2);
}

}  // namespace belt
