// The baseline for the desktop program's start-up: the same kind of window
// (a maximized QMainWindow around a QMdiArea) with nothing else, built the
// same way. --quit-when-shown ends it once it is painted and idle.
//
// --with-text adds what any window with words on it pays for: a menu bar
// with the program's four menus and one title line. The difference between
// the two is the cost of the first text (font set-up, font engines, glyphs),
// which the bare window never has.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cstdlib>
#include <cstring>

#include "app/whenshown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bool quitWhenShown = std::getenv("BELT_QUIT_WHEN_SHOWN") != nullptr;
    bool withText = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-when-shown") == 0) quitWhenShown = true;
        if (std::strcmp(argv[i], "--with-text") == 0) withText = true;
    }

    QMainWindow window;
    auto* mdi = new QMdiArea(&window);
    window.setCentralWidget(mdi);
    if (withText) {
        for (const char* menu : {"&File", "&Demo", "&Loop Demo", "&?"})
            window.menuBar()->addMenu(QString::fromLatin1(menu));
        auto* layout = new QVBoxLayout(mdi->viewport());
        auto* title = new QLabel(QStringLiteral("VESTRANO"));
        title->setAlignment(Qt::AlignCenter);
        layout->addWidget(title);
    }
    if (quitWhenShown) belt::WhenShown::quit(window);
    window.showMaximized();
    return QApplication::exec();
}
