#include "app/cover.h"

#include <QFrame>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "screens/logowidget.h"
#include "screens/placeform.h"

namespace belt {

namespace {
// Cover height at which a font size in points is used as it is: the cover of
// a 1280 x 1024 screen (0.85 of its height).
constexpr double kReferenceHeight = 870.0;
constexpr double kReferenceWidth = 1267.0;
const char* const kAutoProperty = "belt_coverAutoSize";
const char* const kPointsProperty = "belt_coverPoints";
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
    linePal.setColor(QPalette::Window, QColor(230, 180, 60));
    Line1->setPalette(linePal);

    START = new QPushButton(QStringLiteral("START"), this);
    START->setObjectName(QStringLiteral("START"));
    bINFO = new QPushButton(QStringLiteral("about VESTRANO"), this);
    bINFO->setObjectName(QStringLiteral("bINFO"));
    for (QPushButton* b : {START, bINFO}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::StrongFocus);
    }
    START->setStyleSheet(QStringLiteral(
        "QPushButton { background: #c8321f; color: white; border: 2px solid #f3c04a; border-radius: 10px;"
        " font-weight: bold; }"
        "QPushButton:hover { background: #de4a33; }"
        "QPushButton:focus { border-color: white; }"));
    bINFO->setStyleSheet(QStringLiteral(
        "QPushButton { background: #eef2f7; color: #12345a; border: 2px solid #9fb3c8; border-radius: 10px;"
        " font-weight: bold; }"
        "QPushButton:hover { background: white; }"
        "QPushButton:focus { border-color: #f3c04a; }"));

    setLabelFontSize(Titolo, 8);
    setLabelFontSize(BYEMSG[0], 22);
    setLabelFontSize(BYEMSG[1], 20);
    setLabelFontSize(BYEMSG[2], 14);
    setLabelFontSize(BYEMSG[3], 9);
    setClosingLook(false);
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
    if (label->property(kAutoProperty).toBool()) {
        const QRectF r = LogicalRect(label);
        placeAuto(label, r.left(), r.top());
    }
}

QSizeF Cover::autoSize(const QLabel* label) const {
    const QSize hint = label->sizeHint();
    const double w = width() > 0 ? width() : kReferenceWidth;
    const double h = height() > 0 ? height() : kReferenceHeight;
    return {hint.width() * 100.0 / w, hint.height() * 100.0 / h};
}

void Cover::placeAuto(QLabel* label, double left, double top) {
    label->setProperty(kAutoProperty, true);
    const QSizeF s = autoSize(label);
    PlaceForm(label, left, top, s.width(), s.height());
}

void Cover::setClosingLook(bool closing) {
    closing_ = closing;
    const QColor text = closing ? QColor(255, 255, 0) : QColor(255, 255, 255);
    for (QLabel* l : {Titolo, BYEMSG[0], BYEMSG[1], BYEMSG[2], BYEMSG[3]}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, l == BYEMSG[3] && !closing ? QColor(200, 214, 230) : text);
        l->setPalette(pal);
        applyFont(l);
    }
    update();
}

void Cover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (closing_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(10, 32, 62));
    g.setColorAt(0.6, QColor(22, 70, 118));
    g.setColorAt(1, QColor(12, 40, 74));
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

void Cover::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit gotFocus();
}

}  // namespace belt
