#include "screens/numericbox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>

#include "screens/screenstyle.h"
#include "units/units.h"

namespace belt {

NumericBox::NumericBox(DriveProject& project, Dialogs& dialogs, QWidget* parent)
    : QLineEdit(parent), project_(project), dialogs_(dialogs) {
    // setText() from the model clears the modified flag before textChanged
    // arrives, so the flag tells a user's edit from a rewrite.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified()) acceptedText_ = text();
        setPending(isModified() && text() != acceptedText_);
    });
}

void NumericBox::bind(double* target, int quantity, const QString& format, bool allowNegative,
                      std::optional<double> limit) {
    target_ = target;
    quantity_ = quantity;
    format_ = format;
    allowNegative_ = allowNegative;
    limit_ = limit;
}

void NumericBox::bind(float* target, int quantity, const QString& format, bool allowNegative,
                      std::optional<double> limit) {
    target_ = target;
    quantity_ = quantity;
    format_ = format;
    allowNegative_ = allowNegative;
    limit_ = limit;
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
    if (std::holds_alternative<std::monostate>(target_)) return;
    // Nothing typed since the program wrote the box (or typed back to that):
    // the value behind the text stands, whatever the digits shown.
    if (!pending_ && text() == acceptedText_) {
        emit accepted(false);
        return;
    }
    const std::string typed = text().toStdString();
    const std::string pattern = format_.toStdString();
    // A refusal waits on a message, whose loop may see the box go.
    const QPointer<NumericBox> alive(this);
    NumericEntry entry;
    std::function<void()> restore;
    if (auto* d = std::get_if<double*>(&target_)) {
        restore = [target = *d, before = **d] { *target = before; };
        entry = AcceptNumericInput(project_, dialogs_, typed, **d, quantity_, pattern, allowNegative_, limit_,
                                   positiveOnly_);
    } else if (auto* f = std::get_if<float*>(&target_)) {
        restore = [target = *f, before = **f] { *target = before; };
        entry = AcceptNumericInput(project_, dialogs_, typed, **f, quantity_, pattern, allowNegative_, limit_,
                                   positiveOnly_);
    } else {
        return;
    }
    if (!alive) return;
    if (entry.kept) {
        // The value stands as the program showed it (Esc's text).
        showRefused(acceptedText_.isEmpty() ? QString::fromStdString(entry.text) : acceptedText_);
        return;
    }
    QString shown = QString::fromStdString(entry.text);
    if (rule_ && !entry.unchanged) {
        const std::optional<QString> ruled = rule_(shown);
        if (!ruled) {
            restore();
            if (!alive) return;
            showValue();
            showRefused(text());
            return;
        }
        if (!alive) return;
        shown = *ruled;
    }
    setText(shown);
    // The text typed may be the very text the box now shows, which sends no
    // change: this is the text Esc and the next Enter compare with.
    setModified(false);
    acceptedText_ = shown;
    setPending(false);
    emit accepted(!entry.unchanged);
}

void NumericBox::showRefused(const QString& kept) {
    // The user corrects the value where it was refused.
    setText(kept);
    setModified(false);
    acceptedText_ = kept;
    setPending(false);
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void NumericBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && pending_) {
        restoreAcceptedText();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(style::kFocusFrame, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void NumericBox::restoreAcceptedText() {
    const QString accepted = acceptedText_;
    setText(accepted);
    setModified(false);
    setPending(false);
    selectAll();
}

void NumericBox::setCaption(const QString& caption) {
    caption_ = caption;
    captionLabels_.clear();
}

void NumericBox::setCaptionLabels(const QList<QLabel*>& labels) {
    caption_.clear();
    captionLabels_.clear();
    for (QLabel* l : labels) captionLabels_.append(l);
}

QString NumericBox::caption() const {
    if (captionLabels_.isEmpty()) return caption_;
    QStringList parts;
    for (const QPointer<QLabel>& l : captionLabels_) {
        if (!l) continue;
        // "Slope.......[degrees]" and "Power [kW]:" read as "Slope [degrees]"
        // and "Power [kW]".
        QString t = l->text();
        t.replace(QRegularExpression(QStringLiteral("\\.{2,}")), QStringLiteral(" "));
        t = t.simplified();
        if (t.endsWith(QLatin1Char(':'))) t.chop(1);
        if (!t.isEmpty()) parts.append(t);
    }
    return parts.join(QStringLiteral(", "));
}

void NumericBox::setPending(bool pending) {
    if (pending == pending_) return;
    pending_ = pending;
    QFont f = font();
    f.setItalic(pending);
    setFont(f);
    // The box's own colours come back after Enter (a blinking hint, a
    // marked value); meanwhile dark text on the tint stays readable whatever
    // colours the screen gave the box. Only the enabled look changes: a box
    // disabled later must still look disabled.
    QPalette pal = palette();
    if (pending) {
        savedBase_ = pal.color(QPalette::Active, QPalette::Base);
        savedText_ = pal.color(QPalette::Active, QPalette::Text);
    }
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::Base, pending ? style::kPendingBase : savedBase_);
        pal.setColor(g, QPalette::Text, pending ? style::kPendingText : savedText_);
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
