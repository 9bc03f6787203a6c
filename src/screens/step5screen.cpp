#include "screens/step5screen.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "catalogue/belttraits.h"
#include "catalogue/maker.h"
#include "drawing/logo.h"
#include "engine/beltwidth.h"
#include "engine/details.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "project/driveproject.h"
#include "screens/keyboardchoice.h"
#include "screens/logowidget.h"
#include "screens/menuactions.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step5details.h"

namespace belt {

using style::FormFont;
using style::FormFontScale;
using style::kPageBackground;
using style::kReferenceFormHeight;

namespace {

// The page is 6 form heights tall (room for the installation data of four
// pulleys with their shaft loads); its own scale is 100 x 600.
constexpr double kPageHeight = 600.0;
constexpr double kPageWidth = 97.5;
constexpr int kScrollMax = 500;
// Space below the last line when the page is scrolled to its end, page units.
constexpr double kBottomMargin = 2.0;
const char* const kFontFamily = "Arial";
const char* const kRemarksDesignText = "Remarks ...";

QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

QFont PageFont(const PageText& t, double scale) { return FormFont(t.family, t.points, t.bold, t.italic, scale); }

// Writes the page top-down like a printer: a current position, font and
// colour; each finished line moves the position down by one line of the
// current font. Positions are page units measured with the reference fonts.
class PageWriter {
public:
    QString family = QString::fromLatin1(kFontFamily);
    double points = 14;
    bool bold = true;
    bool italic = false;
    QColor colour = ToQColor(kReportYellow);
    double y = 0;

    std::vector<PageText> texts;

    // Text at a tab column. A column the line has already passed moves the
    // text to the next line, as the tab of a printed line does.
    void atColumn(const QString& text, int column) {
        const QFontMetricsF fm(FormFont(family, points, bold, italic, 1.0));
        const double tabX = column * fm.averageCharWidth();
        if (lineUsed_ && tabX < lineEndX_) newLine();
        add(text, column, 0, false);
        lineEndX_ = tabX + fm.horizontalAdvance(text);
        lineUsed_ = true;
    }
    void atX(const QString& text, double x) {
        add(text, -1, x, false);
        lineUsed_ = true;
        lineEndX_ = 0;
    }
    void centred(const QString& text) {
        add(text, -1, 50, true);
        lineUsed_ = true;
        lineEndX_ = 0;
    }
    // Ends the line (an empty line when nothing was printed on it).
    void newLine() {
        const QFontMetricsF fm(FormFont(family, points, bold, italic, 1.0));
        y += fm.lineSpacing() * 100.0 / kReferenceFormHeight;
        ++line_;
        lineUsed_ = false;
        lineEndX_ = 0;
    }
    void moveTo(double newY) {
        if (lineUsed_) ++line_;
        y = newY;
        lineUsed_ = false;
        lineEndX_ = 0;
    }

private:
    void add(const QString& text, int column, double x, bool centre) {
        PageText t;
        t.text = text;
        t.column = column;
        t.x = x;
        t.centred = centre;
        t.y = y;
        t.line = line_;
        t.colour = colour;
        t.family = family;
        t.points = points;
        t.bold = bold;
        t.italic = italic;
        texts.push_back(std::move(t));
    }

    int line_ = 0;
    bool lineUsed_ = false;
    double lineEndX_ = 0;  // reference pixels
};

int ColumnOf(ReportColumn c) {
    switch (c) {
        case ReportColumn::Label: return 8;
        case ReportColumn::Value: return 56;
        case ReportColumn::Unit: return 66;
        case ReportColumn::Title: return 26;
    }
    return 8;
}

void WriteReportLine(PageWriter& w, const ReportLine& l) {
    w.points = l.fontSize;
    w.bold = l.bold;
    w.italic = l.italic;
    w.colour = ToQColor(l.colour);
    const QString label = QString::fromStdString(l.label);
    const QString value = QString::fromStdString(l.value);
    const QString unit = QString::fromStdString(l.unit);
    switch (l.kind) {
        case ReportLineKind::Blank:
            break;
        case ReportLineKind::SectionTitle:
            w.atColumn(label, ColumnOf(ReportColumn::Title));
            break;
        case ReportLineKind::PulleyTitle:
            w.atColumn(label, 8);
            break;
        case ReportLineKind::Item:
            if (l.column == ReportColumn::Label && !label.isEmpty()) w.atColumn(label, 8);
            if (!value.isEmpty()) {
                w.colour = ToQColor(l.valueColour);
                w.atColumn(value, l.column == ReportColumn::Title ? 26 : 56);
                w.colour = ToQColor(l.colour);
            }
            if (!unit.isEmpty()) w.atColumn(unit, 66);
            break;
    }
    w.newLine();
}

// VB text boxes keep CR LF line breaks; the project stores the text so.
std::string RemarksToProject(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t.toStdString();
}

QString RemarksFromProject(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

}  // namespace

// ---------------------------------------------------------------------------
// The page

QRectF PageTextRect(const PageText& t, const QSizeF& page, const QSizeF& form) {
    const QFontMetricsF fm(PageFont(t, FormFontScale(form)));
    double x = t.x * page.width() / 100.0;
    if (t.column >= 0) x = t.column * fm.averageCharWidth();
    else if (t.centred) x = page.width() / 2 - fm.horizontalAdvance(t.text) / 2;
    return {x, t.y * page.height() / kPageHeight, fm.horizontalAdvance(t.text), fm.height()};
}

double PageColumnX(const PageText& t, int column, const QSizeF& form) {
    return column * QFontMetricsF(PageFont(t, FormFontScale(form))).averageCharWidth();
}

void PaintResultsPage(QPainter& painter, const QSizeF& page, const QSizeF& form, const std::vector<PageText>& texts) {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), page), kPageBackground);
    const double scale = FormFontScale(form);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageText& t : texts) {
        const QFont f = PageFont(t, scale);
        const QRectF r = PageTextRect(t, page, form);
        painter.setFont(f);
        painter.setPen(t.colour);
        painter.drawText(QPointF(r.left(), r.top() + QFontMetricsF(f).ascent()), t.text);
    }
    painter.restore();
}

ResultsPage::ResultsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ContInfo"));
    // Enter in the width list hands the focus to the page.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResultsPage::setTexts(std::vector<PageText> texts) {
    texts_ = std::move(texts);
    update();
}

void ResultsPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSizeF form = formSize_.isValid() ? QSizeF(formSize_) : QSizeF(width() / 0.975, height() / (kPageHeight / 100.0));
    PaintResultsPage(painter, QSizeF(size()), form, texts_);
}

void ResultsPage::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    emit mouseReleased();
}

void ResultsPage::wheelEvent(QWheelEvent* event) {
    emit wheelTurned(event->angleDelta().y());
    event->accept();
}

PhonePicture::PhonePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("phone"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PhonePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawPhone(p, QRectF(rect()), style::kYellow, kPageBackground);
}

// ---------------------------------------------------------------------------
// The screen

Step5Screen::Step5Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QLatin1String(form::kStep5));
    setWindowTitle(QStringLiteral("OUTPUT DATA: RESULTS"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPageBackground);
    setPalette(pal);

    ContInfo = new ResultsPage(this);
    ScrollInfo = new FramedScrollBar(Qt::Vertical, this);
    ScrollInfo->setObjectName(QStringLiteral("ScrollInfo"));
    ScrollInfo->setRange(0, kScrollMax);
    ScrollInfo->setSingleStep(5);
    ScrollInfo->setPageStep(50);
    // The arrows and Page Up / Page Down scroll the results once Tab reaches it.
    ScrollInfo->setFocusPolicy(Qt::StrongFocus);

    // Form_Load: the logo is the main window's emblem.
    Logo = new LogoWidget(ContInfo, /*withWordMark=*/false);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    phone = new PhonePicture(ContInfo);

    Remarks = new QPlainTextEdit(ContInfo);
    Remarks->setObjectName(QStringLiteral("Remarks"));
    Remarks->setStyleSheet(
        QStringLiteral("QPlainTextEdit#Remarks { background: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 4px; }"
                       "QPlainTextEdit#Remarks:focus { border: 2px solid %4; }")
            .arg(style::Css(style::kButton), style::Css(style::kButtonText), style::Css(style::kButtonBorder),
                 style::Css(style::kFocusFrame)));
    Remarks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the remarks for the next control instead of being typed.
    Remarks->setTabChangesFocus(true);
    if (project_.screen.remarks.empty()) project_.screen.remarks = kRemarksDesignText;
    Remarks->setPlainText(RemarksFromProject(project_.screen.remarks));
    connect(Remarks, &QPlainTextEdit::textChanged, this,
            [this] { project_.screen.remarks = RemarksToProject(Remarks->toPlainText()); });

    BeltCode = new QLabel(ContInfo);
    BeltCode->setObjectName(QStringLiteral("BeltCode"));
    BeltCode->setTextFormat(Qt::PlainText);
    BeltCode->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette codePal = BeltCode->palette();
    codePal.setColor(QPalette::WindowText, blinkDark());
    BeltCode->setPalette(codePal);

    CambiaCinghia = new FramedComboBox(ContInfo);
    CambiaCinghia->setObjectName(QStringLiteral("CambiaCinghia"));
    CambiaCinghia->setEditable(true);
    CambiaCinghia->setInsertPolicy(QComboBox::NoInsert);
    CambiaCinghia->installEventFilter(this);
    CambiaCinghia->lineEdit()->installEventFilter(this);
    // A width is taken only when the user chooses one: an entry of the open
    // list (clicked, or Enter on it), or a typed width with Enter. The keys
    // and the wheel that step through the closed list would choose too; the
    // event filter keeps them from the list.
    connect(CambiaCinghia, &QComboBox::activated, this,
            [this](int index) { CambiaCinghia_Choose(CambiaCinghia->itemText(index)); });

    ShowDetails = new QPushButton(QStringLiteral("Calculation de&tails"), ContInfo);
    ShowDetails->setObjectName(QStringLiteral("ShowDetails"));
    ShowDetails->setToolTip(
        QStringLiteral("Every result with its rule, its values and the catalogue rows it came from"));
    ShowDetails->setStyleSheet(DetailsButtonStyle());
    connect(ShowDetails, &QPushButton::clicked, this, [this] { showDetails(true); });

    Details = new CalculationDetailsView(project_, this);
    Details->hide();
    connect(Details->showResults, &QPushButton::clicked, this, [this] { showDetails(false); });

    Flash = new QTimer(this);
    Flash->setObjectName(QStringLiteral("Flash"));
    Flash->setInterval(500);
    connect(Flash, &QTimer::timeout, this, &Step5Screen::Flash_Timer);

    // The width first: digits typed on arrival are a width, never remarks
    // that would go on the report.
    ChainTabOrder({CambiaCinghia, Remarks, ShowDetails, ScrollInfo});

    connect(ScrollInfo, &QScrollBar::valueChanged, this, &Step5Screen::ScrollInfo_Change);
    connect(ContInfo, &ResultsPage::mouseReleased, this, &Step5Screen::ContInfo_MouseUp);
    connect(ContInfo, &ResultsPage::wheelTurned, this, [this](int delta) {
        ScrollInfo->setValue(ScrollInfo->value() - delta / 120 * ScrollInfo->singleStep() * 3);
    });
}

void Step5Screen::applyMenus() {
    ShowStepMenus(menus_, /*goOn=*/true, /*goOn2=*/false, /*print=*/true, /*print2=*/false);
}

void Step5Screen::refresh() {
    ShowResultsReport();
    Details->refresh();
}

void Step5Screen::setDesignDetails(DesignDetails* details) {
    details_ = details;
    Details->setDetails(details);
    Details->refresh();
}

void Step5Screen::showDetails(bool on) {
    detailsShown_ = on;
    if (on) Details->refresh();
    showChosenView();
    if (on)
        Details->list->setFocus(Qt::OtherFocusReason);
    else
        ShowDetails->setFocus(Qt::OtherFocusReason);
}

void Step5Screen::showChosenView() {
    ContInfo->setVisible(!detailsShown_);
    ScrollInfo->setVisible(!detailsShown_);
    Details->setVisible(detailsShown_);
    if (detailsShown_) Details->raise();
}

void Step5Screen::setBlinking(bool on) {
    if (on) Flash->start();
    else Flash->stop();
}

const std::vector<PageText>& Step5Screen::pageTexts() const { return ContInfo->texts(); }

QColor Step5Screen::beltCodeColour() const { return BeltCode->palette().color(QPalette::WindowText); }

void Step5Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    // Coming back from a minimised window is no new layout.
    if (!event->spontaneous()) Form_Resize();
}

void Step5Screen::resizeEvent(QResizeEvent* event) {
    StepScreen::resizeEvent(event);
    ContInfo->setFormSize(size());
    // The controls on the page carry fonts sized like the page's texts.
    const double scale = FormFontScale(QSizeF(size()));
    BeltCode->setFont(FormFont(QString::fromLatin1(kFontFamily), 16, true, false, scale));
    const QFont controls = FormFont(QString::fromLatin1(kFontFamily), 11, false, false, scale);
    CambiaCinghia->setFont(controls);
    Remarks->setFont(controls);
    ShowDetails->setFont(FormFont(QString::fromLatin1(kFontFamily), 11, true, false, scale));
    Details->setFormSize(size());
    fitScrollRange();
}

void Step5Screen::fitScrollRange() {
    if (width() <= 0 || height() <= 0) return;
    const QSizeF form(size());
    const QSizeF page(form.width() * kPageWidth / 100.0, form.height() * kPageHeight / 100.0);
    double bottom = 0;  // page units
    for (const PageText& t : ContInfo->texts())
        bottom = std::max(bottom, PageTextRect(t, page, form).bottom() * kPageHeight / page.height());
    // The last line ends a little above the form's lower edge, not a page of
    // blank space later.
    const int last = static_cast<int>(std::ceil(bottom + kBottomMargin - 100.0));
    ScrollInfo->setMaximum(std::clamp(last, 0, kScrollMax));
}

void Step5Screen::placePage() { PlaceForm(ContInfo, 0, -ScrollInfo->value(), kPageWidth, kPageHeight); }

void Step5Screen::Form_Resize() {
    ContInfo->hide();
    ScrollInfo->hide();
    BeltCode->hide();
    CambiaCinghia->hide();

    ScrollInfo->blockSignals(true);
    ScrollInfo->setRange(0, kScrollMax);
    ScrollInfo->setValue(0);
    ScrollInfo->blockSignals(false);
    placePage();
    ContInfo->setFormSize(size());

    // Children of the page are placed in its 100 x 600 units.
    auto onPage = [](QWidget* w, double left, double top, double width, double height) {
        PlaceForm(w, left, top * 100.0 / kPageHeight, width, height * 100.0 / kPageHeight);
    };
    PlaceForm(ScrollInfo, kPageWidth, 0, 100 - kPageWidth, 100);
    onPage(Remarks, 5, 38, 90, 15);
    onPage(Logo, 14, 1, 10, 24);
    onPage(phone, 29, 23, 4, 4);
    onPage(BeltCode, 8, 85, 40, 3);
    onPage(CambiaCinghia, 64, 84, 28, 3.2);
    onPage(ShowDetails, 70, 3, 25, 4.5);
    PlaceForm(Details, 0, 0, 100, 100);
    setBeltCodeCaption();

    ShowResultsReport();
    Details->refresh();
    ContInfo->show();
    ScrollInfo->show();
    BeltCode->show();
    CambiaCinghia->show();
    ContInfo->lower();
    showChosenView();
    // Arriving, the focus is where the user may act: the width list.
    if (project_.demoRunning == 0 && !detailsShown_) {
        CambiaCinghia->setFocus(Qt::OtherFocusReason);
        CambiaCinghia->lineEdit()->selectAll();
    }
}

void Step5Screen::setBeltCodeCaption() {
    BeltCode->setText(QStringLiteral("Belt code") + QString(15, QLatin1Char(' ')) +
                      QString::fromStdString(project_.beltCode));
}

void Step5Screen::ShowResultsReport() {
    const DriveProject& p = project_;
    PageWriter w;

    // Heading.
    w.points = 44;
    w.bold = true;
    w.italic = true;
    w.colour = ToQColor(kReportRed);
    w.moveTo(5);
    w.atX(QString::fromLatin1(kMakerName.data(), static_cast<int>(kMakerName.size())), 30);
    w.newLine();
    w.italic = false;
    w.points = 12;
    w.colour = ToQColor(kReportYellow);
    w.centred(QString::fromLatin1(kCountryLine.data(), static_cast<int>(kCountryLine.size())));
    w.newLine();
    w.moveTo(23);
    w.atX(QString::fromStdString(MakerContactLine()), 33);
    w.newLine();
    w.points = 16;
    w.colour = ToQColor(kReportCyan);
    w.moveTo(57);
    w.centred(QString::fromStdString(TitoloBox(p).title));
    w.newLine();
    w.points = 14;
    w.colour = ToQColor(kReportYellow);
    w.newLine();
    w.newLine();

    // The body; the pulley designations start below the belt code and the
    // width list, whatever the belt block needed.
    bool belowCode = false;
    for (const ReportLine& l : BuildResultsReport(p)) {
        if (!belowCode && l.section != ReportSection::Belt) {
            w.moveTo(95);
            belowCode = true;
        }
        WriteReportLine(w, l);
    }
    ContInfo->setTexts(std::move(w.texts));
    fitScrollRange();

    // The width list.
    CambiaCinghia->blockSignals(true);
    CambiaCinghia->clear();
    for (const std::string& item : BeltWidthChoices(p)) CambiaCinghia->addItem(QString::fromStdString(item));
    CambiaCinghia->blockSignals(false);
    showWidthCaption();
}

void Step5Screen::showWidthCaption() {
    const QSignalBlocker block(CambiaCinghia);
    CambiaCinghia->setCurrentIndex(-1);
    CambiaCinghia->setEditText(QString::fromLatin1(kChangeWidthCaption.data(),
                                                   static_cast<int>(kChangeWidthCaption.size())));
    CambiaCinghia->lineEdit()->selectAll();
}

void Step5Screen::CambiaCinghia_Choose(const QString& chosen) {
    QString text = chosen;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    showWidthCaption();
    // The details of a recorded design follow the new width; an opened
    // project has none to follow.
    bool changed = false;
    if (details_ && !details_->entries().empty()) {
        RecordingDialogs recording(dialogs_, *details_);
        changed = ChangeBeltWidth(project_, recording, text.toStdString());
    } else {
        changed = ChangeBeltWidth(project_, dialogs_, text.toStdString());
    }
    if (!changed) return;
    setBeltCodeCaption();
    ShowResultsReport();
    Details->refresh();
}

void Step5Screen::ContInfo_MouseUp() {
    if (!IsFlatBelt(project_)) return;
    project_.flatBeltInfoColumn = project_.flatBeltInfoColumn + 1;
    if (project_.flatBeltInfoColumn > 23) project_.flatBeltInfoColumn = 21;
    ShowResultsReport();
}

void Step5Screen::ScrollInfo_Change(int value) {
    Q_UNUSED(value);
    placePage();
}

void Step5Screen::Flash_Timer() {
    QPalette pal = BeltCode->palette();
    pal.setColor(QPalette::WindowText, beltCodeColour() == blinkDark() ? blinkLight() : blinkDark());
    BeltCode->setPalette(pal);
}

bool Step5Screen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CambiaCinghia || watched == CambiaCinghia->lineEdit()) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
            switch (key->key()) {
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    CambiaCinghia_Choose(CambiaCinghia->currentText());
                    return true;
                case Qt::Key_Escape:
                    showWidthCaption();
                    return true;
                case Qt::Key_Up:
                case Qt::Key_Down:
                case Qt::Key_PageUp:
                case Qt::Key_PageDown:
                    // They would step through the closed list and take the
                    // width they stop on; Alt+Down and F4 open it.
                    if (plain) return true;
                    break;
                default:
                    break;
            }
        } else if (event->type() == QEvent::Wheel && watched == CambiaCinghia) {
            // Turned over the closed list, the wheel would take a width.
            event->ignore();
            return true;
        } else if (event->type() == QEvent::FocusOut && watched == CambiaCinghia) {
            // Text typed and left without Enter is no width; the list's own
            // popup, a message box or another window only take the focus
            // for a while.
            const auto* focus = static_cast<QFocusEvent*>(event);
            if (focus->reason() != Qt::PopupFocusReason && focus->reason() != Qt::ActiveWindowFocusReason)
                showWidthCaption();
        }
    }
    return StepScreen::eventFilter(watched, event);
}

}  // namespace belt
