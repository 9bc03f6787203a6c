// The file dialogs of File > Open and File > Save (Disco): what they are
// asked to show, and the desktop's dialogs that show it. Tests put a
// scripted chooser in their place.
#pragma once

#include <QString>

class QWidget;

namespace belt {

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;          // "Open" or "Save"
    QString filter;         // as the name filter shows it: "File  *.dat"
    QString pattern;        // what it lets through: "*.dat"
    QString defaultSuffix;  // "dat", added to a name typed without one
    QString directory;      // where the dialog starts
    QString selectedFile;   // the name it proposes (Save), may be empty
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path; empty when the user cancelled. A Save
    // dialog has already asked before an existing file is replaced.
    virtual QString chooseFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString chooseFile(QWidget* parent, const FileDialogRequest& request) override;
};

}  // namespace belt
