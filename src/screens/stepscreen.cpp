#include "screens/stepscreen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSet>

#include "screens/numericbox.h"

namespace belt {

void StepScreen::commitPendingEntries() {
    QSet<NumericBox*> done;
    const auto waiting = [&](NumericBox* b) {
        return b && !done.contains(b) && b->isPending() && b->isEnabled() && b->isVisibleTo(this);
    };
    const auto next = [&]() -> NumericBox* {
        for (NumericBox* b : findChildren<NumericBox*>())
            if (waiting(b)) return b;
        return nullptr;
    };
    auto* box = qobject_cast<NumericBox*>(focusWidget());
    if (!waiting(box)) box = next();
    while (box) {
        done.insert(box);
        // Through the event system, so the screen's own Enter handling
        // (event filters included) runs as for a key the user pressed.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(box, &enter);
        box = next();
    }
}

}  // namespace belt
