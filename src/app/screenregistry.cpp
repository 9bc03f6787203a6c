// The step screens built into the program. A screen joins the wizard by
// being listed here; the main window loads it the first time it is shown.
// A screen that exists is included plainly: a header that appears later does
// not make a compiler cache notice the changed __has_include.
#include "app/mainwindow.h"

#if __has_include("screens/step1screen.h")
#include "screens/step1screen.h"
#define BELT_HAS_STEP1 1
#endif
#if __has_include("screens/step2screen.h")
#include "screens/step2screen.h"
#define BELT_HAS_STEP2 1
#endif
#if __has_include("screens/step3screen.h")
#include "screens/step3screen.h"
#define BELT_HAS_STEP3 1
#endif
#include "screens/step4screen.h"
#if __has_include("screens/step5screen.h")
#include "screens/step5screen.h"
#define BELT_HAS_STEP5 1
#endif
#if __has_include("screens/step6screen.h")
#include "screens/step6screen.h"
#define BELT_HAS_STEP6 1
#endif

namespace belt {

namespace {
template <typename Screen>
MainWindow::ScreenFactory factoryOf() {
    return [](DriveProject& p, Dialogs& d, MenuActions& m, QWidget* parent) -> StepScreen* {
        return new Screen(p, d, m, parent);
    };
}
}  // namespace

void RegisterBuiltInScreens([[maybe_unused]] MainWindow& window) {
#ifdef BELT_HAS_STEP1
    window.setScreenFactory(QStringLiteral("STEP1"), factoryOf<Step1Screen>());
#endif
#ifdef BELT_HAS_STEP2
    window.setScreenFactory(QStringLiteral("STEP2"), factoryOf<Step2Screen>());
#endif
#ifdef BELT_HAS_STEP3
    window.setScreenFactory(QStringLiteral("STEP3"), factoryOf<Step3Screen>());
#endif
    window.setScreenFactory(QStringLiteral("STEP4"), factoryOf<Step4Screen>());
#ifdef BELT_HAS_STEP5
    window.setScreenFactory(QStringLiteral("STEP5"), factoryOf<Step5Screen>());
#endif
#ifdef BELT_HAS_STEP6
    window.setScreenFactory(QStringLiteral("STEP6"), factoryOf<Step6Screen>());
#endif
}

}  // namespace belt
