#include "screens/stepscreen.h"

#include "platform/dialogs.h"
#include "project/driveproject.h"
#include "screens/numericbox.h"

namespace belt {

namespace {

QString UnconfirmedText(const QString& caption) {
    return QStringLiteral("The value typed in %1 has not been confirmed: press Enter to use it or Esc to "
                          "restore it.")
        .arg(caption.isEmpty() ? QStringLiteral("the marked box") : caption);
}

}  // namespace

NumericBox* StepScreen::unconfirmedBox() const {
    const auto waiting = [this](NumericBox* b) {
        return b && b->isPending() && b->isEnabled() && b->isVisibleTo(this);
    };
    if (auto* focused = qobject_cast<NumericBox*>(focusWidget()); waiting(focused)) return focused;
    for (NumericBox* b : findChildren<NumericBox*>())
        if (waiting(b)) return b;
    return nullptr;
}

bool StepScreen::entriesConfirmed() {
    // The demonstration types into the boxes itself and confirms them.
    if (project_.demoRunning != 0) return true;
    NumericBox* box = unconfirmedBox();
    if (!box) return true;
    const QPointer<NumericBox> waiting(box);
    dialogs_.message(UnconfirmedText(box->caption()).toStdString(), "I can't proceed", MsgIcon::Warning);
    if (waiting) waiting->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace belt
