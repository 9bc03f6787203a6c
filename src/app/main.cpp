#include <QApplication>

#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "project/driveproject.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VESTRANO BELT CALCULATION"));

    belt::DriveProject project;
    belt::QtDialogs dialogs;
    belt::MainWindow window(project, dialogs);
    dialogs.setParent(&window);
    window.showMaximized();
    return QApplication::exec();
}
