#include "app/filedialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace belt {

QString QtFileDialogs::chooseFile(QWidget* parent, const FileDialogRequest& request) {
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setObjectName(QStringLiteral("Disco"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The filter reads "File  *.dat" as the program has always shown it.
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(request.filter, request.pattern));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.selectedFile.isEmpty()) dialog.selectFile(request.selectedFile);
    // Room for the names, sizes and dates of a folder of projects: the
    // name takes what the other columns leave.
    dialog.resize(860, 540);
    if (auto* list = dialog.findChild<QTreeView*>()) {
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

}  // namespace belt
