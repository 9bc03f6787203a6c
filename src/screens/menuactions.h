// The menu bar of the main window: the table of its items (captions, keys,
// commands and where each is shown), and the items as the screens see them,
// by their control names, so that a screen can set the bar for itself when
// it is laid out.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>
#include <array>
#include <initializer_list>
#include <optional>
#include <span>

namespace belt {

struct MenuActions {
    QAction* mStopDemo = nullptr;
    QAction* mClose = nullptr;
    QAction* mFile = nullptr;  // the File menu's own action (menuAction())
    QAction* mOpen = nullptr;
    QAction* mRecent = nullptr;  // submenu: the projects opened or saved last
    QAction* mSave = nullptr;
    QAction* mSaveAs = nullptr;
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

// The commands of the bar, by the names of their items; the main window
// carries them out.
class MenuCommands {
public:
    virtual void mStopDemo_Click() = 0;
    // The bar's own Close while the about page is up: closes the page.
    virtual void mClose_Click() = 0;
    virtual void mOpen_Click() = 0;
    virtual void mSave_Click() = 0;
    virtual void mSaveAs_Click() = 0;
    virtual void mExportLayout_Click() = 0;
    virtual void mReset_Click() = 0;
    virtual void mExit_Click() = 0;
    virtual void mGoBack_Click() = 0;
    virtual void mGoon_Click() = 0;
    virtual void mCentreDistance_Click() = 0;
    virtual void mBeltLength_Click() = 0;
    virtual void m3Pulleys_Click() = 0;
    virtual void m4Pulleys_Click() = 0;
    virtual void mPrinter_Click() = 0;
    virtual void mPrinter2_Click() = 0;
    virtual void mDemo_Click() = 0;
    virtual void mLoopDemo_Click() = 0;
    virtual void mHelp_Click() = 0;
    virtual void mInfo_Click() = 0;
    // L_Click, V_Click, ...: quantity q (0..7) and the item index u (1..n).
    virtual void unitClick(int quantity, int u) = 0;

protected:
    ~MenuCommands() = default;
};

// Where the bar is set, one column each in the table: the cover, the step
// screens, the about page and the demonstration.
enum class MenuPlace { Cover, Step1, Step2, Step3, Step4, Step5, Step6, About, Demo };
inline constexpr int kMenuPlaces = 9;

// The place of a form ("MAIN" is the cover, "STEP1".."STEP6"); none for any
// other name.
std::optional<MenuPlace> MenuPlaceOf(const QString& formName);

// One item of the bar, or of one of its menus.
struct MenuItem {
    const char* name;     // the control name, also the action's object name
    const char* caption;  // "&" before the access letter; "-" is a separator
    const char* menu;     // the menu the item is in; nullptr: on the bar
    QKeySequence::StandardKey key;
    void (MenuCommands::*command)();  // nullptr: a menu, or a separator
    QAction* MenuActions::*action;    // where the screens find it (nullptr: nowhere)
    // One character per place, in the order of MenuPlace: '+' shown, '-'
    // hidden, '*' as the screen decides from what it shows, '.' left as it is.
    const char* shown;
};

// The items in the order of the bar and of their menus.
std::span<const MenuItem> MenuTable();

// The groups of the Unit menu: each a menu of the units of one quantity,
// whose items are named like a control array ("L(1)".."L(5)").
struct UnitMenu {
    const char* name;
    const char* caption;
    const char* items;  // control array name
    int quantity;
    std::span<const char* const> captions;
};
std::span<const UnitMenu> UnitMenuTable();

// What a screen decides for an item marked '*' in its place's column.
struct MenuChoice {
    QAction* MenuActions::*action;
    bool shown;
};

// Sets the bar as the table's column of place says; the items marked '*'
// as choices says (those not named are left as they are).
void ShowMenus(MenuActions& m, MenuPlace place, std::initializer_list<MenuChoice> choices = {});

// Whether the table shows the item on place.
bool MenuShownOn(QAction* MenuActions::*action, MenuPlace place);

// The menu bar of the cover: File, Demo, Loop Demo and "?" only.
inline void ShowCoverMenus(MenuActions& m) {
    ShowMenus(m, MenuPlace::Cover);
}

// The menu bar of a step screen whatever its place: what every step screen
// shows alike (File, Go Back, Unit and "?" always, Demo and Loop Demo
// never), the two Go On items and the two Print items as given.
void ShowStepMenus(MenuActions& m, bool goOn, bool goOn2, bool print, bool print2);

}  // namespace belt
