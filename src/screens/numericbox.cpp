#include "screens/numericbox.h"

#include <QKeyEvent>

#include "units/units.h"

namespace belt {

NumericBox::NumericBox(DriveProject& project, Dialogs& dialogs, QWidget* parent)
    : QLineEdit(parent), project_(project), dialogs_(dialogs) {
    // setText() from the model clears the modified flag before textChanged
    // arrives, so the flag tells a user's edit from a rewrite.
    connect(this, &QLineEdit::textChanged, this, [this] { setPending(isModified()); });
}

void NumericBox::bind(double* target, int quantity, const QString& format, bool allowNegative) {
    target_ = target;
    quantity_ = quantity;
    format_ = format;
    allowNegative_ = allowNegative;
}

void NumericBox::bind(float* target, int quantity, const QString& format, bool allowNegative) {
    target_ = target;
    quantity_ = quantity;
    format_ = format;
    allowNegative_ = allowNegative;
}

void NumericBox::showValue() {
    double value = 0;
    if (auto* d = std::get_if<double*>(&target_))
        value = **d;
    else if (auto* f = std::get_if<float*>(&target_))
        value = **f;
    else
        return;
    setText(QString::fromStdString(Format(ToDisplay(project_, quantity_, value), format_.toStdString())));
}

void NumericBox::accept() {
    const std::string typed = text().toStdString();
    const std::string pattern = format_.toStdString();
    NumericEntry entry;
    if (auto* d = std::get_if<double*>(&target_))
        entry = AcceptNumericInput(project_, dialogs_, typed, **d, quantity_, pattern, allowNegative_);
    else if (auto* f = std::get_if<float*>(&target_))
        entry = AcceptNumericInput(project_, dialogs_, typed, **f, quantity_, pattern, allowNegative_);
    else
        return;
    setText(QString::fromStdString(entry.text));
    setPending(false);
    emit accepted();
}

void NumericBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericBox::setPending(bool pending) {
    if (pending == pending_) return;
    pending_ = pending;
    QFont f = font();
    f.setItalic(pending);
    setFont(f);
    // Only the base colour is swapped, so a colour the screen gave the box
    // (a blinking hint, a marked value) comes back after Enter.
    QPalette pal = palette();
    if (pending) {
        savedBase_ = pal.color(QPalette::Base);
        pal.setColor(QPalette::Base, QColor(255, 244, 200));
    } else {
        pal.setColor(QPalette::Base, savedBase_);
    }
    setPalette(pal);
}

NumericBox* MakeNumericBox(DriveProject& project, Dialogs& dialogs, QWidget* parent, const QString& name,
                           int points) {
    auto* b = new NumericBox(project, dialogs, parent);
    b->setObjectName(name);
    b->setAlignment(Qt::AlignRight);
    QFont f = b->font();
    f.setPointSize(points);
    b->setFont(f);
    return b;
}

}  // namespace belt
