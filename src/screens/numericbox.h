// The entry box every screen uses for a number: it takes its value only when
// Enter is pressed, through AcceptNumericInput, so typing alone never changes
// the project. Until then the edited text is shown in italics on a tinted
// background, so the user sees that it has not been taken yet; Esc puts the
// last accepted text back.
#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

namespace belt {

struct DriveProject;
class Dialogs;

class NumericBox : public QLineEdit {
    Q_OBJECT
public:
    NumericBox(DriveProject& project, Dialogs& dialogs, QWidget* parent = nullptr);

    // What Enter stores: the project variable, its unit quantity (0..7, 8 =
    // plain number), the display pattern, whether negatives are taken (only
    // the layout coordinates allow them) and the largest value taken when it
    // is not the quantity's EntryLimit.
    void bind(double* target, int quantity, const QString& format, bool allowNegative = false,
              std::optional<double> limit = std::nullopt);
    void bind(float* target, int quantity, const QString& format, bool allowNegative = false,
              std::optional<double> limit = std::nullopt);

    // A factor: 0, and what shows as 0 in the box's format, is refused as
    // negative values are, and the variable keeps its value.
    void setPositiveOnly(bool on) { positiveOnly_ = on; }

    // A rule of the screen's own that follows the entry rule, before the box
    // shows what Enter stored: it is given the text the box would show and
    // returns the text to show, or nothing when it refuses the value (the
    // slope rule says why): the variable then goes back to its value before
    // the Enter. Until it returns the box shows what was typed, so a value
    // the rule refuses never appears in it. It does not run when the entry
    // rule refused the value, nor when the box's text was the value's own.
    using EntryRule = std::function<std::optional<QString>(const QString& shown)>;
    void setEntryRule(EntryRule rule) { rule_ = std::move(rule); }

    // Writes the bound variable into the box in its current unit and format.
    void showValue();

    // Runs the Enter rule now (as if Enter had been pressed); used by the
    // navigation to re-read a box. Does nothing when no variable is bound.
    void accept();

    // Text typed since the last Enter or the last rewrite from the model
    // (and not typed back to what the box showed then).
    bool isPending() const { return pending_; }
    // What the box showed after the last Enter or rewrite from the model.
    const QString& acceptedText() const { return acceptedText_; }

    // The name by which messages speak of the box: a fixed text, or the
    // current texts of the labels that caption it (a panel title and the
    // box's own label), joined without their dotted leaders.
    void setCaption(const QString& caption);
    void setCaptionLabels(const QList<QLabel*>& labels);
    QString caption() const;

    int quantity() const { return quantity_; }
    const QString& format() const { return format_; }

signals:
    // Emitted after Enter stored the value and rewrote the box: the screen
    // moves the focus on and, when `changed`, recalculates. Enter on the
    // text the value already shows changes nothing. A refused value is no
    // entry: the box shows the value it kept, selected, and keeps the focus.
    void accepted(bool changed);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The box with the keyboard focus has the program's focus frame: the
    // style's own does not show on the dark load factor box.
    void paintEvent(QPaintEvent* event) override;

private:
    void setPending(bool pending);
    void restoreAcceptedText();
    void showRefused(const QString& kept);

    DriveProject& project_;
    Dialogs& dialogs_;
    std::variant<std::monostate, double*, float*> target_;
    int quantity_ = 8;
    QString format_ = QStringLiteral("###0.00");
    bool allowNegative_ = false;
    std::optional<double> limit_;
    bool positiveOnly_ = false;
    EntryRule rule_;
    bool pending_ = false;
    QString acceptedText_;
    QColor savedBase_;
    QColor savedText_;
    QString caption_;
    QList<QPointer<QLabel>> captionLabels_;
};

// A right-aligned entry box named `name`, its text in `points` points.
NumericBox* MakeNumericBox(DriveProject& project, Dialogs& dialogs, QWidget* parent, const QString& name,
                           int points);

// Writes a value from the project into the box. The box marks typed text until
// its text is rewritten; a rewrite with the very text the user typed would
// change nothing it could notice, so the box is emptied first.
inline void ShowText(NumericBox* box, const QString& text) {
    if (box->isPending() && box->text() == text) box->clear();
    box->setText(text);
}

}  // namespace belt
