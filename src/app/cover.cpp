#include "app/cover.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "drawing/stylecolours.h"
#include "screens/keyboardchoice.h"
#include "screens/logowidget.h"
#include "screens/placeform.h"

namespace belt {

namespace {
// Cover height at which a font size in points is used as it is: the cover of
// a 1280 x 1024 screen (0.85 of its height).
constexpr double kReferenceHeight = 870.0;
constexpr double kReferenceWidth = 1267.0;
constexpr int kAnimationTick = 50;
constexpr int kClosingTick = 2000;
const char* const kAutoProperty = "belt_coverAutoSize";
const char* const kPointsProperty = "belt_coverPoints";
const char* const kAnchorProperty = "belt_coverAnchor";
const char* const kPendingProperty = "belt_coverFitPending";

Cover::Anchor AnchorOf(const QLabel* label) {
    return static_cast<Cover::Anchor>(label->property(kAnchorProperty).toInt());
}

// Where the anchor of r lies, and the left edge of a text `width` wide whose
// anchor lies at x.
double AnchorPoint(Cover::Anchor anchor, const QRectF& r) {
    return anchor == Cover::Anchor::Right    ? r.right()
           : anchor == Cover::Anchor::Centre ? r.center().x()
                                             : r.left();
}
double LeftEdge(Cover::Anchor anchor, double x, double width) {
    return anchor == Cover::Anchor::Right ? x - width : anchor == Cover::Anchor::Centre ? x - width / 2 : x;
}
// The cover's buttons carry the program's focus frame: their own rim, gold
// on red and on white, hides the style's.
class FramedButton : public QPushButton {
public:
    FramedButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        PaintFocusFrame(painter, rect());
    }
};
}  // namespace

Cover::Cover(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("COVER"));
    setFocusPolicy(Qt::StrongFocus);

    LOGO = new LogoWidget(this);
    LOGO->setObjectName(QStringLiteral("LOGO"));

    Titolo = new QLabel(QStringLiteral("VESTRANO"), this);
    Titolo->setObjectName(QStringLiteral("Titolo"));
    Titolo->setAlignment(Qt::AlignCenter);
    Titolo->setTextFormat(Qt::PlainText);

    const char* const texts[4] = {"Welcome to", "POLYURETHANE AND RUBBER BELT DRIVES CALCULATION",
                                  "Release 2.0",
                                  "VESTRANO belts - designed, made and tested in our own plants."};
    for (int i = 0; i < 4; ++i) {
        BYEMSG[i] = new QLabel(QString::fromLatin1(texts[i]), this);
        BYEMSG[i]->setObjectName(QStringLiteral("BYEMSG%1").arg(i));
        BYEMSG[i]->setTextFormat(Qt::PlainText);
        BYEMSG[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAutoFillBackground(true);
    QPalette linePal = Line1->palette();
    linePal.setColor(QPalette::Window, style::kCoverRule);
    Line1->setPalette(linePal);

    START = new FramedButton(QStringLiteral("START"), this);
    START->setObjectName(QStringLiteral("START"));
    bINFO = new FramedButton(QStringLiteral("about VESTRANO"), this);
    bINFO->setObjectName(QStringLiteral("bINFO"));
    for (QPushButton* b : {START, bINFO}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(true);  // Enter presses the button with the focus, as Space does
        // The cover has the focus while one of its buttons has it.
        b->installEventFilter(this);
    }
    setTabOrder(START, bINFO);
    START->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; border: 2px solid %3; border-radius: 10px;"
                       " font-weight: bold; }"
                       "QPushButton:hover { background: %4; }"
                       "QPushButton:focus { border-color: %2; }")
            .arg(style::Css(style::kStartButton), style::Css(style::kWhite), style::Css(style::kGoldRim),
                 style::Css(style::kStartButtonHover)));
    bINFO->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; border: 2px solid %3; border-radius: 10px;"
                       " font-weight: bold; }"
                       "QPushButton:hover { background: %4; }"
                       "QPushButton:focus { border-color: %5; }")
            .arg(style::Css(style::kAboutButton), style::Css(style::kAboutButtonText),
                 style::Css(style::kAboutButtonBorder), style::Css(style::kWhite),
                 style::Css(style::kGoldRim)));

    setLabelFontSize(Titolo, 8);
    setLabelFontSize(BYEMSG[0], 22);
    setLabelFontSize(BYEMSG[1], 20);
    setLabelFontSize(BYEMSG[2], 14);
    setLabelFontSize(BYEMSG[3], 9);
    setClosingLook(false);

    connect(START, &QPushButton::clicked, this, &Cover::startClicked);
    connect(bINFO, &QPushButton::clicked, this, &Cover::infoClicked);

    flash_ = new QTimer(this);
    flash_->setObjectName(QStringLiteral("FLASH"));
    flash_->setInterval(kAnimationTick);
    connect(flash_, &QTimer::timeout, this, &Cover::FLASH_Timer);

    // MDIForm_Initialize's layout: the logo waits above the cover, the
    // first and third texts just left of it, the second just right of it,
    // the last below it.
    PlaceForm(LOGO, 45, -53, 15, 35);
    PlaceForm(Titolo, 1, 34, 98, 20);
    placeAuto(BYEMSG[0], 0, 62, Anchor::Right);
    placeAuto(BYEMSG[1], 102, 69);
    placeAuto(BYEMSG[2], 0, 80, Anchor::Right);
    placeAuto(BYEMSG[3], 10, 105);
    PlaceForm(START, 72, 79, 23, 18);
    PlaceForm(bINFO, 48, 79, 23, 18);
    PlaceForm(Line1, 5, 52.85, 90, 0.3);
    Line1->show();
    START->hide();
    bINFO->hide();
}

void Cover::setLabelFontSize(QLabel* label, double points) {
    label->setProperty(kPointsProperty, points);
    applyFont(label);
}

double Cover::labelFontSize(const QLabel* label) const {
    return label->property(kPointsProperty).toDouble();
}

void Cover::applyFont(QLabel* label) {
    QFont f = label->font();
    f.setBold(label == Titolo || label == BYEMSG[1] || closing_);
    f.setFamily(QStringLiteral("Sans Serif"));
    const double scale = height() > 0 ? height() / kReferenceHeight : 1.0;
    // Pixel sizes keep the size independent of the screen's resolution.
    f.setPixelSize(std::max(1, static_cast<int>(labelFontSize(label) * scale * 96.0 / 72.0 + 0.5)));
    if (label == Titolo) f.setLetterSpacing(QFont::PercentageSpacing, 108);
    label->setFont(f);
    if (label->property(kAutoProperty).toBool()) fit(label);
}

QSizeF Cover::autoSize(const QLabel* label) const {
    const QSize hint = label->sizeHint();
    const double w = width() > 0 ? width() : kReferenceWidth;
    const double h = height() > 0 ? height() : kReferenceHeight;
    return {hint.width() * 100.0 / w, hint.height() * 100.0 / h};
}

void Cover::placeAuto(QLabel* label, double x, double top, Anchor anchor) {
    if (!label->property(kAutoProperty).toBool()) label->installEventFilter(this);
    label->setProperty(kAutoProperty, true);
    label->setProperty(kAnchorProperty, static_cast<int>(anchor));
    // Until the text is measured the label keeps its last size, placed at
    // its anchor.
    const QSizeF s = LogicalRect(label).size();
    PlaceForm(label, LeftEdge(anchor, x, s.width()), top, s.width(), s.height());
    fit(label);
}

bool Cover::canBeSeen(const QLabel* label) const {
    // Before its first fit a label's size is unknown, so only the edge at its
    // anchor tells; after it, the label can only grow right and down.
    const QRectF r = LogicalRect(label);
    const Anchor anchor = AnchorOf(label);
    if (r.top() >= 100) return false;
    if (anchor == Anchor::Right) return r.right() > 0;
    if (anchor == Anchor::Left) return r.left() < 100;
    return true;
}

void Cover::fit(QLabel* label) {
    if (!isVisible() || !canBeSeen(label)) {
        label->setProperty(kPendingProperty, true);
        return;
    }
    label->setProperty(kPendingProperty, false);
    const QRectF r = LogicalRect(label);
    const QSizeF s = autoSize(label);
    const Anchor anchor = AnchorOf(label);
    label->setProperty(kAnchorProperty, static_cast<int>(Anchor::Left));
    PlaceForm(label, LeftEdge(anchor, AnchorPoint(anchor, r), s.width()), r.top(), s.width(), s.height());
}

bool Cover::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == START || watched == bINFO)) emit gotFocus();
    // A label that waited outside is fitted as it moves in.
    if (event->type() == QEvent::Move && watched->property(kPendingProperty).toBool())
        fit(static_cast<QLabel*>(watched));
    return QWidget::eventFilter(watched, event);
}

void Cover::fitPending() {
    fitQueued_ = false;
    for (QLabel* l : {Titolo, BYEMSG[0], BYEMSG[1], BYEMSG[2], BYEMSG[3]})
        if (l->property(kPendingProperty).toBool()) fit(l);
}

void Cover::setClosingLook(bool closing) {
    closing_ = closing;
    const QColor text = closing ? style::kYellow : style::kCaption;
    for (QLabel* l : {Titolo, BYEMSG[0], BYEMSG[1], BYEMSG[2], BYEMSG[3]}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, l == BYEMSG[3] && !closing ? style::kCoverSmallPrint : text);
        l->setPalette(pal);
        applyFont(l);
    }
    update();
}

void Cover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (closing_) {
        p.fillRect(rect(), style::kCoverClosing);
        return;
    }
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, style::kCoverTop);
    g.setColorAt(0.6, style::kCoverMiddle);
    g.setColorAt(1, style::kCoverBottom);
    p.fillRect(rect(), g);
}

void Cover::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QLabel* l : {Titolo, BYEMSG[0], BYEMSG[1], BYEMSG[2], BYEMSG[3]}) applyFont(l);
    QFont bf = START->font();
    bf.setPixelSize(std::max(1, static_cast<int>(height() * 0.022)));
    START->setFont(bf);
    bINFO->setFont(bf);
}

void Cover::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Texts placed while the cover was hidden are measured at the size they
    // are seen at.
    if (!fitQueued_) {
        fitQueued_ = true;
        QTimer::singleShot(0, this, &Cover::fitPending);
    }
}

void Cover::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit gotFocus();
}

void Cover::keyPressEvent(QKeyEvent* event) {
    // Enter on the cover starts as START does, also before START has arrived
    // (the picture is then finished at once).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !closing_) {
        if (!animationDone()) {
            stopAnimation();
            finishAnimation();
        }
        emit startClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Cover::takeFocus() {
    if (START->isVisibleTo(this) && !closing_)
        START->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Cover::showStart() {
    START->show();
    bINFO->show();
    // Enter starts from the moment START is there.
    if (window()->focusWidget() == this) START->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// The animation

void Cover::moveTo(QWidget* w, double left, double top) {
    const QRectF r = LogicalRect(w);
    PlaceForm(w, left, top, r.width(), r.height());
}

void Cover::startAnimation() {
    flash_->start();
}

void Cover::stopAnimation() {
    flash_->stop();
}

bool Cover::animationDone() const {
    return START->isVisibleTo(this);
}

void Cover::finishAnimation() {
    setLabelFontSize(Titolo, 50);
    moveTo(LOGO, 45, 1);
    for (int i = 0; i < 4; ++i) moveTo(BYEMSG[i], 5, LogicalRect(BYEMSG[i]).top());
    moveTo(BYEMSG[3], 5, 90);
    showStart();
}

void Cover::FLASH_Timer() {
    if (flash_->interval() == kClosingTick) {
        ++closingTicks_;
        if (closingTicks_ == 1)
            BYEMSG[0]->show();
        else if (closingTicks_ == 2)
            BYEMSG[1]->show();
        else if (closingTicks_ >= 3) {
            flash_->stop();
            emit closingMessageDone();
        }
        return;
    }

    const double size = labelFontSize(Titolo);
    if (size < 50) setLabelFontSize(Titolo, size + 2);

    const double logoTop = LogicalRect(LOGO).top();
    if (logoTop < 1) {
        moveTo(LOGO, 45, logoTop + 2);
        return;
    }
    const QRectF b0 = LogicalRect(BYEMSG[0]);
    if (b0.left() < 5) {
        moveTo(BYEMSG[0], b0.left() + 1, b0.top());
        return;
    }
    // BYEMSG(1) and then BYEMSG(2) close in on the left edge of the text
    // above and snap to it once they are within 2 units.
    const QRectF b1 = LogicalRect(BYEMSG[1]);
    if (b1.left() != b0.left()) {
        moveTo(BYEMSG[1], std::abs(b1.left() - b0.left()) <= 2 ? b0.left() : b1.left() - 2, b1.top());
        return;
    }
    const QRectF b2 = LogicalRect(BYEMSG[2]);
    if (b2.left() != b1.left()) {
        moveTo(BYEMSG[2], std::abs(b2.left() - b1.left()) <= 2 ? b1.left() : b2.left() + 1, b2.top());
        return;
    }
    const QRectF b3 = LogicalRect(BYEMSG[3]);
    if (b3.top() > 90) {
        moveTo(BYEMSG[3], b2.left(), b3.top() - 1);
        return;
    }
    if (Line1->isVisibleTo(this)) {
        showStart();
        flash_->stop();
    }
}

void Cover::showClosingMessage() {
    closingTicks_ = 0;
    flash_->stop();
    START->hide();
    bINFO->hide();
    Titolo->hide();
    setClosingLook(true);
    flash_->setInterval(kClosingTick);
    moveTo(LOGO, 45, 5);
    BYEMSG[0]->setText(QStringLiteral("Thank you ..."));
    BYEMSG[1]->setText(QStringLiteral("to have chosen VESTRANO belts."));
    setLabelFontSize(BYEMSG[0], 18);
    setLabelFontSize(BYEMSG[1], 18);
    for (QLabel* l : BYEMSG) l->hide();
    placeAuto(BYEMSG[0], 50, 60, Anchor::Centre);
    placeAuto(BYEMSG[1], 68, 70, Anchor::Centre);
    flash_->start();
}

}  // namespace belt
