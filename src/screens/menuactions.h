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

}  // namespace belt
