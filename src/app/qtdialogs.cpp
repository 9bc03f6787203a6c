#include "app/qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace belt {

namespace {

// The program builds its texts with CR line breaks.
QString toQt(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QMessageBox::StandardButton toQt(MsgAnswer a) {
    switch (a) {
        case MsgAnswer::Ok:
            return QMessageBox::Ok;
        case MsgAnswer::Cancel:
            return QMessageBox::Cancel;
        case MsgAnswer::Yes:
            return QMessageBox::Yes;
        case MsgAnswer::No:
            return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

}  // namespace

MsgAnswer QtDialogs::message(const std::string& text, const std::string& title, MsgIcon icon,
                             MsgButtons buttons, MsgAnswer defaultButton) {
    QMessageBox box(parent_);
    box.setWindowTitle(toQt(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQt(text));
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    QMessageBox::StandardButtons set;
    switch (buttons) {
        case MsgButtons::Ok:
            set = QMessageBox::Ok;
            break;
        case MsgButtons::OkCancel:
            set = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            set = QMessageBox::Yes | QMessageBox::No;
            break;
        case MsgButtons::YesNoCancel:
            set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(set);
    if (set.testFlag(toQt(defaultButton))) box.setDefaultButton(toQt(defaultButton));
    // A message must be readable with the normal pointer even while busy.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (busy) QApplication::restoreOverrideCursor();
    switch (result) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        default:
            break;
    }
    // Closed with Escape or the window's close button.
    if (set.testFlag(QMessageBox::Cancel)) return MsgAnswer::Cancel;
    if (buttons == MsgButtons::YesNo) return MsgAnswer::No;
    return MsgAnswer::Ok;
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    bool ok = false;
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const QString answer = QInputDialog::getText(parent_, toQt(title), toQt(prompt), QLineEdit::Normal,
                                                 QString::fromStdString(defaultText), &ok);
    if (busy) QApplication::restoreOverrideCursor();
    return ok ? answer.toStdString() : std::string();
}

void QtDialogs::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace belt
