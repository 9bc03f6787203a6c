// The File menu's Save (Salva) and Open (Apri), and the other ways in to a
// project file: a file named on the command line or dropped on the window,
// and the list of recent projects. The window title names the project's
// file and marks a project changed since it was saved or opened; the folder
// last used and the recent projects are remembered between runs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "app/filedialogs.h"
#include "platform/dialogs.h"

class QMenu;
class QTimer;
class QWidget;

namespace belt {

struct DriveProject;
struct OpenResult;
class StepScreen;

// What the file commands need of the window they serve.
class FileCommandsHost {
public:
    // The window: its title names the project's file, a project file may be
    // dropped on it, and the file dialogs sit on it.
    virtual QWidget& frame() = 0;
    virtual StepScreen* activeScreen() const = 0;
    // The active form's name, which Save writes into the file.
    virtual QString activeFormName() const = 0;
    // The save question.
    virtual MsgAnswer askToSave() = 0;
    // Clears the project, unloads the screens and shows the cover.
    virtual void Resetta() = 0;
    virtual StepScreen* showScreen(const QString& formName) = 0;
    // Nothing opens while the program says goodbye.
    virtual bool closingMessageShown() const = 0;

protected:
    ~FileCommandsHost() = default;
};

class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(FileCommandsHost& window, DriveProject& project, Dialogs& dialogs);
    ~FileCommands() override;

    // Tests put a scripted chooser in place of the desktop's dialogs.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    // File > Save: asks for the name and writes the project. True when the
    // project is safe: written, or empty (nothing to save). False when it was
    // not written (cancelled, or the disk refused; the user was told why), so
    // that Reset, Open and Exit stop instead of losing it.
    bool Salva();
    // File > Open: the save question, the dialog, then openFile.
    void Apri();
    // Reads a chosen file into the program: the project is reset, the
    // controls the file holds are set through their own handlers, then the
    // project's values are read over what those handlers computed; the
    // program stands on STEP1. A file that cannot be read at all leaves the
    // project as it was. False when the file could not be read completely
    // (the user was told where and why).
    bool openFile(const QString& path);
    // A file named on the command line or dropped on the window: the save
    // question when a project is in progress, then openFile.
    bool openOnRequest(const QString& path);

    // The project's file; empty for a project never saved or opened.
    QString fileName() const { return fileName_; }
    // Reset: the new, empty project has no file yet.
    void forgetFile();

    // Whether Save would write another project than the project's file
    // holds (ProjectFile::sameProject; for a project never saved: whether a
    // belt has been chosen, or a value typed or picked on step 1), so that
    // Reset, Open, Exit and Demo ask to save only where something would be
    // lost. The demonstration's project is never the user's: it counts as
    // unchanged.
    bool projectChanged() const;
    // Marks the window title ("[*]") as projectChanged() says. It follows
    // the user's keys and clicks by itself, a moment after the last one.
    void showChanged();

    // Where the file dialogs start: the folder last used (kept between runs).
    QString startFolder() const;

    // The projects opened or saved last, the latest first, at most five
    // (kept between runs).
    QStringList recentProjects() const;
    // File > Recent projects: the list, numbered, each time the menu opens;
    // the menu's item is greyed while the list is empty.
    void setRecentMenu(QMenu* menu);
    // A project of the list opens as a dropped file does. One that is no
    // longer there leaves the list, and the user is told.
    bool openRecent(const QString& path);

    // Any other file the program writes (the layout export) is chosen
    // through the same dialogs as the project's.
    QString chooseFile(const FileDialogRequest& request);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool askToSaveFirst();
    void checkChangedSoon();
    void applyFile(const DriveProject& read, const OpenResult& result);
    void setFile(const QString& path);
    FileDialogRequest request(bool save) const;
    void setRecentProjects(const QStringList& list);
    void fillRecentMenu();

    FileCommandsHost& window_;
    DriveProject& project_;
    Dialogs& dialogs_;
    std::unique_ptr<FileDialogs> fileDialogs_;
    QString fileName_;
    QString baseTitle_;
    // What the project's file holds (records as Save writes them); empty
    // while the project has no file.
    std::string savedRecords_;
    QTimer* changeCheck_ = nullptr;
    QPointer<QMenu> recentMenu_;
};

}  // namespace belt
