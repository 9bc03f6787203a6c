#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdlib>

#include "app/appstyle.h"
#include "app/filecommands.h"
#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "app/whenshown.h"
#include "project/driveproject.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new belt::AppStyle);
    QApplication::setApplicationName(QStringLiteral("VESTRANO BELT CALCULATION"));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BELT_APP_ID));
    // Where the desktop keeps the program's settings (the folder last used).
    QApplication::setOrganizationName(QStringLiteral("VESTRANO"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Belt drive calculation"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("A project to open."),
                                 QStringLiteral("[FILE.dat]"));
    // For timing start-up from outside (scripts/bench).
    const QCommandLineOption quitWhenShown(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Quit as soon as the window is shown and idle (also BELT_QUIT_WHEN_SHOWN=1)."));
    parser.addOption(quitWhenShown);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        parser.showHelp(2);
    }

    belt::DriveProject project;
    belt::QtDialogs dialogs;
    belt::MainWindow window(project, dialogs);
    dialogs.setParent(&window);
    if (parser.isSet(quitWhenShown) || std::getenv("BELT_QUIT_WHEN_SHOWN") != nullptr)
        belt::WhenShown::quit(window);
    window.showMaximized();
    if (!files.isEmpty()) {
        // Once the window is up, so that its messages have a parent to sit on.
        const QString file = files.constFirst();
        QTimer::singleShot(0, &window, [&window, file] { window.fileCommands().openFile(file); });
    }
    return QApplication::exec();
}
