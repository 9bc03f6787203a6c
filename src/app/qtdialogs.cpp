#include "app/qtdialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

namespace belt {

namespace {

// The program builds its texts with CR line breaks.
QString toQt(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// Width a box needs for the window manager to show its whole title: the
// title in a bold font, plus the title bar's icon and buttons. Without it a
// short message gets a narrow box and the title is cut to an ellipsis.
int TitleWidth(const QString& title) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    constexpr int kTitleBarControls = 160;
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarControls;
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
        case MsgIcon::Exclamation:
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
    // A message box sizes itself to its text; a spacer across its grid keeps
    // it at least as wide as its title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
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
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    QInputDialog box(parent_);
    box.setWindowTitle(toQt(title));
    box.setLabelText(toQt(prompt));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString::fromStdString(defaultText));
    // The dialog takes its size from its layout; its entry line sets the width.
    if (auto* entry = box.findChild<QLineEdit*>()) entry->setMinimumWidth(TitleWidth(box.windowTitle()));
    const bool ok = box.exec() == QDialog::Accepted;
    if (busy) QApplication::restoreOverrideCursor();
    return ok ? box.textValue().toStdString() : std::string();
}

void QtDialogs::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace belt
