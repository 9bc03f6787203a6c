// Runs an action once a top-level window has been painted and the event loop
// has nothing left to do: the moment a user sees the program ready. Header
// only, so that the bare Qt application that start-up is compared with uses
// the very same moment without linking the program.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace belt {

class WhenShown : public QObject {
public:
    // Deleted with window; the action runs at most once.
    WhenShown(QWidget& window, std::function<void()> action) : QObject(&window), action_(std::move(action)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    // Ends the event loop at that moment. exit(), not quit(): quit() closes
    // the windows first, and the program's close asks whether to save.
    static void quit(QWidget& window) {
        new WhenShown(window, [] { QCoreApplication::exit(0); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Every widget of the window paints in the same pass; the zero timer
        // fires once that pass and whatever it posted have been handled.
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == parent()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { action_(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace belt
