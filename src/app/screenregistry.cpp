// The step screens built into the program. A screen joins the wizard by
// being listed here; the main window loads it the first time it is shown.
#include "app/mainwindow.h"

#include "project/formnames.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step3screen.h"
#include "screens/step4screen.h"
#include "screens/step5screen.h"
#include "screens/step6screen.h"

namespace belt {

namespace {
template <typename Screen>
MainWindow::ScreenFactory factoryOf() {
    return [](DriveProject& p, Dialogs& d, MenuActions& m, QWidget* parent) -> StepScreen* {
        return new Screen(p, d, m, parent);
    };
}
}  // namespace

void RegisterBuiltInScreens(MainWindow& window) {
    window.setScreenFactory(QLatin1String(form::kStep1), factoryOf<Step1Screen>());
    window.setScreenFactory(QLatin1String(form::kStep2), factoryOf<Step2Screen>());
    window.setScreenFactory(QLatin1String(form::kStep3), factoryOf<Step3Screen>());
    window.setScreenFactory(QLatin1String(form::kStep4), factoryOf<Step4Screen>());
    // The results show the details of the design the window keeps.
    window.setScreenFactory(
        QLatin1String(form::kStep5),
        [&window](DriveProject& p, Dialogs& d, MenuActions& m, QWidget* parent) -> StepScreen* {
            auto* screen = new Step5Screen(p, d, m, parent);
            screen->setDesignDetails(&window.designDetails());
            return screen;
        });
    window.setScreenFactory(QLatin1String(form::kStep6), factoryOf<Step6Screen>());
}

}  // namespace belt
