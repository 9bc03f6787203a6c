#include "screens/menuactions.h"

#include <string_view>

#include "project/formnames.h"
#include "units/units.h"

namespace belt {

namespace {

using C = MenuCommands;
using A = MenuActions;
using K = QKeySequence;
constexpr auto kNoKey = QKeySequence::UnknownKey;

// The bar and its menus, in their order. The keys are the desktop's usual
// ones; a hidden command does not answer its key. "Go &On" and "&Print"
// stand twice: the Go On menu of drive configurations replaces the plain Go
// On where the next screen needs the configuration first, and the second
// Print prints the catalogue table shown on STEP1.
//
// shown: cover, STEP1 .. STEP6, about page, demonstration.
// clang-format off
constexpr MenuItem kMenuTable[] = {
//   name               caption                 menu         key              command                    action               shown
    {"mStopDemo",       "&Stop Demo",           nullptr,     kNoKey,          &C::mStopDemo_Click,       &A::mStopDemo,       "--------+"},
    {"mClose",          "&Close",               nullptr,     kNoKey,          &C::mClose_Click,          &A::mClose,          "-------+-"},
    {"mFile",           "&File",                nullptr,     kNoKey,          nullptr,                   &A::mFile,           "+++++++--"},
    {"mOpen",           "&Open",                "mFile",     K::Open,         &C::mOpen_Click,           &A::mOpen,           "........."},
    // Filled from the list of recent projects whenever it opens.
    {"mRecent",         "Recent &projects",     "mFile",     kNoKey,          nullptr,                   &A::mRecent,         "........."},
    {"mSave",           "&Save",                "mFile",     K::Save,         &C::mSave_Click,           &A::mSave,           "........."},
    {"mSaveAs",         "Save &As\u2026",       "mFile",     K::SaveAs,       &C::mSaveAs_Click,         &A::mSaveAs,         "........."},
    {"mExportLayout",   "Export &layout\u2026", "mFile",     kNoKey,          &C::mExportLayout_Click,   &A::mExportLayout,   "----+++.."},
    {"mReset",          "&Reset",               "mFile",     kNoKey,          &C::mReset_Click,          &A::mReset,          "........."},
    {"m0",              "-",                    "mFile",     kNoKey,          nullptr,                   nullptr,             "........."},
    {"mExit",           "&Exit",                "mFile",     kNoKey,          &C::mExit_Click,           &A::mExit,           "........."},
    {"mGoBack",         "Go &Back",             nullptr,     kNoKey,          &C::mGoBack_Click,         &A::mGoBack,         "-++++++--"},
    // STEP1 by its tab, STEP2 for an omega drive only.
    {"mGoon",           "Go &On",               nullptr,     kNoKey,          &C::mGoon_Click,           &A::mGoon,           "-**+++---"},
    // STEP1 by its tab, STEP2 but for an omega drive.
    {"mGoon2",          "Go &On",               nullptr,     kNoKey,          nullptr,                   &A::mGoon2,          "-**------"},
    {"m2Pulleys",       "&2 Pulleys",           "mGoon2",    kNoKey,          nullptr,                   &A::m2Pulleys,       "........."},
    {"mCentreDistance", "&Centre Distance",     "m2Pulleys", kNoKey,          &C::mCentreDistance_Click, &A::mCentreDistance, "........."},
    {"mBeltLength",     "&Belt Length",         "m2Pulleys", kNoKey,          &C::mBeltLength_Click,     &A::mBeltLength,     "........."},
    {"m3Pulleys",       "&3 Pulleys",           "mGoon2",    kNoKey,          &C::m3Pulleys_Click,       &A::m3Pulleys,       "........."},
    {"m4Pulleys",       "&4 Pulleys",           "mGoon2",    kNoKey,          &C::m4Pulleys_Click,       &A::m4Pulleys,       "........."},
    // Its groups and their units: the unit menu table.
    {"mUnit",           "&Unit",                nullptr,     kNoKey,          nullptr,                   &A::mUnit,           "-++++++--"},
    {"mPrinter",        "&Print",               nullptr,     K::Print,        &C::mPrinter_Click,        &A::mPrinter,        "-----++--"},
    // STEP1 on its feasibility and idler tabs.
    {"mPrinter2",       "&Print",               nullptr,     K::Print,        &C::mPrinter2_Click,       &A::mPrinter2,       "-*-------"},
    {"mDemo",           "&Demo",                nullptr,     kNoKey,          &C::mDemo_Click,           &A::mDemo,           "+--------"},
    {"mLoopDemo",       "&Loop Demo",           nullptr,     kNoKey,          &C::mLoopDemo_Click,       &A::mLoopDemo,       "+--------"},
    {"mInt",            "&?",                   nullptr,     kNoKey,          nullptr,                   &A::mInt,            "+++++++--"},
    {"mHelp",           "&Help",                "mInt",      K::HelpContents, &C::mHelp_Click,           &A::mHelp,           "........."},
    {"m14",             "-",                    "mInt",      kNoKey,          nullptr,                   nullptr,             "........."},
    {"mInfo",           "about &VESTRANO",      "mInt",      kNoKey,          &C::mInfo_Click,           &A::mInfo,           "........."},
};
// clang-format on

constexpr bool EveryColumnComplete() {
    for (const MenuItem& item : kMenuTable)
        if (std::string_view(item.shown).size() != kMenuPlaces) return false;
    return true;
}
static_assert(EveryColumnComplete(), "one visibility mark per place");

constexpr const char* kLengths[] = {"mm", "m", "cm", "in", "ft"};
constexpr const char* kVelocities[] = {"m/s", "ft/s", "m/min"};
constexpr const char* kAngularVelocities[] = {"rpm", "rad/s"};
constexpr const char* kAccelerations[] = {"m/s^2", "ft/s^2"};
constexpr const char* kMasses[] = {"kg", "lb"};
constexpr const char* kForces[] = {"N", "kgf", "lbf"};
constexpr const char* kTorques[] = {"N m", "kgf m", "lbf ft"};
constexpr const char* kPowers[] = {"kW", "W", "kcal/h", "kgf m/s", "lbf ft/s", "CV", "HP"};

const UnitMenu kUnitMenus[] = {
    {"mLenght", "&Lenght", "L", kLength, kLengths},
    {"mVelocity", "&Velocity", "V", kVelocity, kVelocities},
    {"mAngVel", "&Angular velocity", "A", kAngularVelocity, kAngularVelocities},
    {"mAcc", "A&cceleration", "C", kAcceleration, kAccelerations},
    {"mMass", "&Mass", "m", kMass, kMasses},
    {"mForce", "&Force", "F", kForce, kForces},
    {"mTorque", "&Torque", "T", kTorque, kTorques},
    {"mPower", "&Power", "P", kPower, kPowers},
};

char MarkOn(const MenuItem& item, MenuPlace place) {
    return item.shown[static_cast<int>(place)];
}

}  // namespace

std::span<const MenuItem> MenuTable() {
    return kMenuTable;
}

std::span<const UnitMenu> UnitMenuTable() {
    return kUnitMenus;
}

std::optional<MenuPlace> MenuPlaceOf(const QString& formName) {
    if (formName == QLatin1String(form::kMain)) return MenuPlace::Cover;
    for (std::size_t i = 0; i < form::kSteps.size(); ++i)
        if (formName == QLatin1String(form::kSteps[i])) return static_cast<MenuPlace>(static_cast<int>(i) + 1);
    return std::nullopt;
}

void ShowMenus(MenuActions& m, MenuPlace place, std::initializer_list<MenuChoice> choices) {
    for (const MenuItem& item : kMenuTable) {
        QAction* a = item.action ? m.*item.action : nullptr;
        if (!a) continue;
        switch (MarkOn(item, place)) {
            case '+':
                a->setVisible(true);
                break;
            case '-':
                a->setVisible(false);
                break;
            case '*':
                for (const MenuChoice& c : choices)
                    if (c.action == item.action) a->setVisible(c.shown);
                break;
            default:
                break;
        }
    }
}

bool MenuShownOn(QAction* MenuActions::*action, MenuPlace place) {
    for (const MenuItem& item : kMenuTable)
        if (item.action == action) return MarkOn(item, place) == '+';
    return false;
}

void ShowStepMenus(MenuActions& m, bool goOn, bool goOn2, bool print, bool print2) {
    constexpr MenuPlace kSteps[] = {MenuPlace::Step1, MenuPlace::Step2, MenuPlace::Step3,
                                    MenuPlace::Step4, MenuPlace::Step5, MenuPlace::Step6};
    for (const MenuItem& item : kMenuTable) {
        QAction* a = item.action ? m.*item.action : nullptr;
        if (!a) continue;
        bool everywhere = true;
        bool nowhere = true;
        for (MenuPlace place : kSteps) {
            everywhere = everywhere && MarkOn(item, place) == '+';
            nowhere = nowhere && MarkOn(item, place) == '-';
        }
        if (everywhere || nowhere) a->setVisible(everywhere);
    }
    const std::pair<QAction*, bool> told[] = {
        {m.mGoon, goOn}, {m.mGoon2, goOn2}, {m.mPrinter, print}, {m.mPrinter2, print2}};
    for (const auto& [a, shown] : told)
        if (a) a->setVisible(shown);
}

}  // namespace belt
