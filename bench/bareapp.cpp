// The baseline for the desktop program's start-up: the same kind of window
// (a maximized QMainWindow around a QMdiArea) with nothing else, built the
// same way. --quit-when-shown ends it once it is painted and idle.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <cstdlib>
#include <cstring>

#include "app/whenshown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bool quitWhenShown = std::getenv("BELT_QUIT_WHEN_SHOWN") != nullptr;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--quit-when-shown") == 0) quitWhenShown = true;

    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    if (quitWhenShown) belt::WhenShown::quit(window);
    window.showMaximized();
    return QApplication::exec();
}
