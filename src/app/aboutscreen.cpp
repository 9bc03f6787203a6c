#include "app/aboutscreen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <string>

#include "catalogue/maker.h"
#include "drawing/aboutillustrations.h"
#include "drawing/logo.h"
#include "project/driveproject.h"
#include "project/formnames.h"
#include "screens/logowidget.h"
#include "screens/menuactions.h"
#include "screens/photowidget.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "units/units.h"

namespace belt {

namespace {

using namespace style;

// The page is 98 x 3000 of the screen's units and has a scale of its own,
// 100 x 6000: one window height is 200 page units.
constexpr double kPageWidth = 98;
constexpr double kPageHeight = 3000;
constexpr double kPageScaleHeight = 6000;
// PlaceForm works in 100 x 100 units of the parent.
constexpr double kPageUnitsPerFormUnit = kPageScaleHeight / 100;

// infotext(0): the name, what the maker does, since when.
const char* const kMakerName[3] = {"VESTRANO S.p.A.",
                                   "Belts and pulleys for power transmission and conveying", "since 1962"};

const char* const kProfile =
    "Since 1962 VESTRANO has designed and made belts for power transmission, linear motion and "
    "conveying. What began as a small workshop cutting flat belts for the weaving mills of the "
    "valley is today a company of 240 people, with its own polyurethane compounding, three "
    "extrusion lines, a moulding shop for endless belts and a machine shop for pulleys. Every belt "
    "leaves the works measured and marked, and every drive we calculate with you is one we stand "
    "behind.";

const char* const kProgramme =
    "Our programme: endless, open-end and long-length polyurethane timing belts with steel or "
    "aramid cords; rubber timing belts; multi-rib and flat belts; belts with covers, cleats and "
    "machined backs; timing pulleys and clamping plates from stock or made to drawing. Our "
    "engineers help with the choice of the belt and the layout of the drive, from the first sketch "
    "to the tension check when the machine is commissioned.";

// infotext(5..13): the heading line (product line and kind) and the text.
struct ProductLine {
    const char* name;
    const char* kind;
    const char* text;
};
constexpr ProductLine kProductLines[9] = {
    {"ORVANTO", "Endless timing belts",
     "Moulded in one piece from wear-resistant polyurethane around steel cords, in T, AT and inch "
     "pitches and the QXD and QVP profile groups. Quiet, clean and free of maintenance, for machine "
     "tools, office machines and packaging."},
    {"SELKIRA", "Open-end timing belts",
     "Sold by the metre for linear drives: carriages, doors, handling gantries. Clamped at both "
     "ends, run as an omega drive or joined into a loop, they position to a tenth of a millimetre."},
    {"TAVOREN", "Long-length timing belts",
     "Extruded belt welded into a loop of any length from about one metre up, for conveyors and "
     "transfer lines where a moulded belt would be too short."},
    {"QUINDEL", "Multi-rib belts",
     "Ribbed polyurethane belts for high speeds and small pulleys: smooth running in household "
     "appliances, power tools and fitness machines."},
    {"FENDARO", "Flat belts",
     "High-load belts for spindles and tangential drives, light-load belts for machines, and "
     "conveyor belts, made endless to the length required."},
    {"RUBBER", "Rubber timing belts",
     "Neoprene belts with glass-fibre cords and a nylon facing on the teeth, in inch and metric "
     "pitches, for the general drives of industry."},
    {"SPECIAL BELTS", "Coated and special belts",
     "Covers of rubber, foam or PVC, welded cleats and profiles, holes and machined backs: belts "
     "that convey, separate, turn and grip the product."},
    {"PULLEYS", "Timing pulleys and clamping plates",
     "In aluminium and steel, with flanges, pilot bores or finished bores with keyway, from stock "
     "or made to drawing, and the plates that clamp open-end belts."},
    {"TENSION CONTROL", "The belt tension meter",
     "It reads the natural frequency of a span plucked by hand and shows the tension at once, so "
     "that every drive runs as it was calculated.\n\nThank you for your interest in VESTRANO: we "
     "look forward to working with you.\n\nThis program is free software under the MIT License "
     "(the file LICENSE that comes with it)."},
};

// Photo(k - 3) beside infotext(k), k = 5..13: left, width and height in
// page units; the label stands on the other side.
struct PhotoPlace {
    double left, width, height;
};
constexpr PhotoPlace kProductPhotos[9] = {
    {39, 60, 85}, {1, 60, 90},   {40, 59, 125}, {1, 42, 60},   {34, 65, 70},
    {1, 60, 135}, {29, 70, 150}, {1, 50, 95},   {49, 50, 180},
};

// Label widths in page units: infotext(0) is sized to its text.
constexpr double kAddressWidth = 45;
constexpr double kFullWidth = 96;
constexpr double kProductWidth = 25;
constexpr double kClosingWidth = 35;

// Fonts in points for a window 1000 pixels high; they follow the window.
constexpr double kReferenceHeight = 1000;
constexpr double kNamePoints = 17;
constexpr double kTextPoints = 13;

class AboutPage : public QWidget {
public:
    explicit AboutPage(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("ContInfo"));
        setAutoFillBackground(true);
        SetColour(this, QPalette::Window, kBackground);
    }
};

QString html(const char* text) {
    return QString::fromUtf8(text).toHtmlEscaped().replace(QLatin1String("\n"), QLatin1String("<br>"));
}

// A yellow heading, a cyan subtitle (may be null) and the text.
QString headedText(const char* heading, const char* subtitle, const char* text) {
    QString out = QStringLiteral("<p style='margin:0'><b><span style='color:%1'>%2</span></b>")
                      .arg(kHeading.name(), html(heading));
    if (subtitle)
        out += QStringLiteral("<br><span style='color:%1'>%2</span>").arg(kSubtitle.name(), html(subtitle));
    return out + QStringLiteral("</p><p style='margin-top:6px'>%1</p>").arg(html(text));
}

QString makerNameText(double points) {
    return QStringLiteral(
               "<p align='center' style='margin:0'><b><span style='color:%1; "
               "font-size:%2pt'>%3</span></b></p>"
               "<p align='center' style='margin-top:8px'><span style='color:%4'>%5</span><br><i>%6</i></p>")
        .arg(kHeading.name())
        .arg(points * 1.6, 0, 'f', 1)
        .arg(html(kMakerName[0]), kSubtitle.name(), html(kMakerName[1]), html(kMakerName[2]));
}

}  // namespace

AboutScreen::AboutScreen(AboutScreenHost& main, DriveProject& project)
    : QMainWindow(&main.frame(), Qt::Window), main_(main), project_(project) {
    setObjectName(QLatin1String(form::kStep0));
    setWindowTitle(QStringLiteral("VESTRANO BELT CALCULATION [Info]"));
    setWindowIcon(main.frame().windowIcon());

    mClose = menuBar()->addAction(QStringLiteral("&Close"));
    mClose->setObjectName(QStringLiteral("mClose"));
    connect(mClose, &QAction::triggered, this, &AboutScreen::mClose_Click);

    form_ = new QWidget(this);
    form_->setObjectName(QStringLiteral("form"));
    form_->setAutoFillBackground(true);
    SetColour(form_, QPalette::Window, kBackground);
    setCentralWidget(form_);
    form_->installEventFilter(this);

    ContInfo = new AboutPage(form_);
    ContInfo->installEventFilter(this);
    ScrollInfo = new QScrollBar(Qt::Vertical, form_);
    ScrollInfo->setObjectName(QStringLiteral("ScrollInfo"));
    connect(ScrollInfo, &QScrollBar::valueChanged, this, &AboutScreen::ScrollInfo_Change);

    // Form_Load: the logo, the texts and the pictures; the page stays
    // hidden until it is laid out.
    Logo = new LogoWidget(ContInfo, /*withWordMark=*/true);
    Logo->setObjectName(QStringLiteral("Logo"));
    for (std::size_t i = 0; i < infotext.size(); ++i) {
        QLabel* l = MakeLabel(ContInfo, QStringLiteral("infotext%1").arg(i), static_cast<int>(kTextPoints),
                              false, kCaption);
        l->setWordWrap(true);
        infotext[i] = l;
    }
    infotext[0]->setTextFormat(Qt::RichText);
    infotext[0]->setWordWrap(false);
    for (std::size_t i = 1; i <= 2; ++i) {
        infotext[i]->setTextFormat(Qt::RichText);
        // infotext(1) and infotext(2): the maker's two offices.
        const MakerOffice& office = kMakerOffices[i - 1];
        infotext[i]->setText(
            headedText(std::string(office.heading).c_str(), nullptr, OfficeAddressBlock(office).c_str()));
    }
    infotext[3]->setText(QString::fromUtf8(kProfile));
    infotext[4]->setText(QString::fromUtf8(kProgramme));
    for (std::size_t k = 5; k <= 13; ++k) {
        const ProductLine& line = kProductLines[k - 5];
        infotext[k]->setTextFormat(Qt::RichText);
        infotext[k]->setText(headedText(line.name, line.kind, line.text));
    }
    for (std::size_t i = 0; i < Photo.size(); ++i)
        Photo[i] = new PhotoWidget(DrawAboutIllustration, static_cast<int>(i), ContInfo);
    ContInfo->hide();
}

void AboutScreen::showModal() {
    setWindowModality(Qt::ApplicationModal);
    showMaximisedAtTop();
}

void AboutScreen::showModeless() {
    setWindowModality(Qt::NonModal);
    showMaximisedAtTop();
}

void AboutScreen::showMaximisedAtTop() {
    showMaximized();
    raise();
    activateWindow();
    Form_Resize();
}

void AboutScreen::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The main window's bar shows only Close while the page is up, unless
    // the demonstration has its own.
    if (project_.demoRunning == 0) main_.showMenus(MenuPlace::About);
}

void AboutScreen::placeOnPage(QWidget* item, double left, double top, double width, double height) {
    PlaceForm(item, left, top / kPageUnitsPerFormUnit, width, height / kPageUnitsPerFormUnit);
}

QRectF AboutScreen::pageRect(const QWidget* item) const {
    const QRectF r = LogicalRect(item);
    return {r.left(), r.top() * kPageUnitsPerFormUnit, r.width(), r.height() * kPageUnitsPerFormUnit};
}

double AboutScreen::labelHeight(QLabel* label, double width) const {
    const int widthPx = qRound(width * ContInfo->width() / 100.0);
    const int px = label->heightForWidth(widthPx);
    const double pagePerPx = kPageScaleHeight / std::max(1, ContInfo->height());
    return (px > 0 ? px : label->sizeHint().height()) * pagePerPx;
}

void AboutScreen::applyFonts() {
    const double scale = std::max(0.6, form_->height() / kReferenceHeight);
    const auto setPoints = [](QLabel* l, double points, bool bold) {
        QFont f = l->font();
        f.setPointSizeF(points);
        f.setBold(bold);
        l->setFont(f);
    };
    setPoints(infotext[0], kNamePoints * scale, false);
    infotext[0]->setText(makerNameText(kNamePoints * scale));
    for (std::size_t i = 1; i < infotext.size(); ++i) setPoints(infotext[i], kTextPoints * scale, false);
}

void AboutScreen::Form_Resize() {
    if (form_->height() <= 0 || form_->width() <= 0) return;
    PlaceForm(ContInfo, 0, 0, kPageWidth, kPageHeight);
    PlaceForm(ScrollInfo, kPageWidth, 0, 100 - kPageWidth, 100);
    {
        const QSignalBlocker block(ScrollInfo);
        ScrollInfo->setValue(0);
    }
    applyFonts();

    // From the top down, each item below the one before it.
    const auto bottom = [this](const QWidget* w) { return pageRect(w).bottom(); };
    placeOnPage(Logo, 45, 15, 10, 34);
    {
        const QSize name = infotext[0]->sizeHint();
        const double width = name.width() * 100.0 / ContInfo->width() + 1;
        const double height = name.height() * kPageScaleHeight / ContInfo->height();
        placeOnPage(infotext[0], 50 - width / 2, bottom(Logo) + 10, width, height);
    }
    placeOnPage(infotext[1], 3, 140, kAddressWidth, labelHeight(infotext[1], kAddressWidth));
    placeOnPage(infotext[2], 50, 140, kAddressWidth, labelHeight(infotext[2], kAddressWidth));
    placeOnPage(Photo[0], 0, bottom(infotext[1]) + 12, 100, 195);
    placeOnPage(infotext[3], 2, bottom(Photo[0]) + 6, kFullWidth, labelHeight(infotext[3], kFullWidth));
    placeOnPage(Photo[1], 15, bottom(infotext[3]) + 6, 70, 140);
    placeOnPage(infotext[4], 2, bottom(Photo[1]) + 6, kFullWidth, labelHeight(infotext[4], kFullWidth));

    double above = bottom(infotext[4]);
    for (std::size_t k = 5; k <= 13; ++k) {
        const PhotoPlace& ph = kProductPhotos[k - 5];
        QWidget* photo = Photo[k - 3];
        const double top = above + 6;
        placeOnPage(photo, ph.left, top, ph.width, ph.height);
        const double width = k == 13 ? kClosingWidth : kProductWidth;
        const double height = labelHeight(infotext[k], width);
        // Beside a left-hand photo 6 units to its right; beside a right-hand
        // one at the left margin.
        const bool photoOnLeft = ph.left < 10;
        const double left = photoOnLeft ? ph.left + ph.width + 6 : 2;
        placeOnPage(infotext[k], left, top + (ph.height - height) / 2, width, height);
        above = top + ph.height;
    }

    // Far enough for the last text to stand 40 units below the window's top.
    ScrollInfo->setMaximum(std::max(0, CInt(pageRect(infotext[13]).top() / 2 - 40)));
    ScrollInfo->setSingleStep(5);
    ScrollInfo->setPageStep(80);
    ContInfo->show();
}

void AboutScreen::ScrollInfo_Change() {
    PlaceForm(ContInfo, 0, -ScrollInfo->value(), kPageWidth, kPageHeight);
}

void AboutScreen::setPageTop(double top) {
    PlaceForm(ContInfo, 0, top, kPageWidth, kPageHeight);
    // The scroll bar shows where the page stands.
    const QSignalBlocker block(ScrollInfo);
    ScrollInfo->setValue(CInt(-top));
}

double AboutScreen::pageTop() const {
    return LogicalRect(ContInfo).top();
}

void AboutScreen::mClose_Click() {
    hide();
    if (project_.demoRunning != 0) {
        // The demonstration leaves the page at its next tick.
        project_.demoStep = 10;
        return;
    }
    main_.returnFromAbout();
}

void AboutScreen::closeEvent(QCloseEvent* event) {
    // Closing the window by any means is Close.
    mClose_Click();
    event->accept();
}

bool AboutScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == ContInfo && event->type() == QEvent::Wheel) {
        // The wheel over the page turns the scroll bar.
        QCoreApplication::sendEvent(ScrollInfo, event);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void AboutScreen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            mClose_Click();
            return;
        case Qt::Key_PageDown:
            ScrollInfo->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return;
        case Qt::Key_PageUp:
            ScrollInfo->triggerAction(QAbstractSlider::SliderPageStepSub);
            return;
        case Qt::Key_Down:
            ScrollInfo->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return;
        case Qt::Key_Up:
            ScrollInfo->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return;
        case Qt::Key_Home:
            ScrollInfo->triggerAction(QAbstractSlider::SliderToMinimum);
            return;
        case Qt::Key_End:
            ScrollInfo->triggerAction(QAbstractSlider::SliderToMaximum);
            return;
        default:
            QMainWindow::keyPressEvent(event);
    }
}

}  // namespace belt
