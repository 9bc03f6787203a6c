#include "screens/step1screen.h"

#include <QButtonGroup>
#include <QFrame>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>

#include "catalogue/feasibility.h"
#include "catalogue/flatbelts.h"
#include "catalogue/loadfactors.h"
#include "drawing/newsillustrations.h"
#include "drawing/profilepictures.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/flexgrid.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "units/units.h"

namespace belt {

using namespace style;

namespace {

QColor fromLong(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void setShown(QAction* a, bool visible) {
    if (a) a->setVisible(visible);
}

// Light text on the screen's dark background, leaving the control's own look.
void whiteText(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    w->setPalette(pal);
}

// Word-wraps text to `width` pixels for controls that do not wrap by themselves.
QString wrapTo(const QString& text, const QFontMetrics& fm, int width) {
    QString out;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
            out += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    return out + line;
}

// Positions of the controls on the family pages, in form units.
constexpr double kPictureTop = 14;
constexpr double kPictureWidth = 15;
constexpr double kPictureHeight = 13;
constexpr double kPictureGap = 2.5;
constexpr double kTableTop = 82;
constexpr double kDataTop = 48;
constexpr double kDataStep = 3.4;

}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

ProfilePicture::ProfilePicture(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("TipoDente%1").arg(index));
    setCursor(Qt::PointingHandCursor);
    setToolTip(ProfilePictureCaption(index));
}

void ProfilePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawProfilePicture(painter, QRectF(rect()), index_);
}

void ProfilePicture::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(index_);
}

namespace {
// Photo(i) of the news page.
class NewsPhoto : public QWidget {
public:
    NewsPhoto(int index, QWidget* parent) : QWidget(parent), index_(index) {
        setObjectName(QStringLiteral("Photo%1").arg(index));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawNewsIllustration(painter, QRectF(rect()), index_);
    }

private:
    int index_;
};
}  // namespace

NewsPage::NewsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QVPNews"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#QVPNews { background: rgb(246, 248, 252); }"));
    for (std::size_t i = 0; i < infotext_.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("infotext%1").arg(i));
        l->setWordWrap(true);
        l->setStyleSheet(QStringLiteral("color: rgb(20, 35, 70);"));
        infotext_[i] = l;
    }
    SetFontSize(infotext_[0], 18, true);
    infotext_[0]->setAlignment(Qt::AlignCenter);
    for (std::size_t i = 1; i < infotext_.size(); ++i) SetFontSize(infotext_[i], 12);
    for (std::size_t i = 0; i < photo_.size(); ++i) photo_[i] = new NewsPhoto(static_cast<int>(i), this);
}

void NewsPage::place(QWidget* w, double left, double top, double width, double height) {
    for (auto& [widget, rect] : placed_)
        if (widget == w) {
            rect = QRectF(left, top, width, height);
            w->setGeometry(qRound(left * this->width() / 100), qRound(top * this->height() / 1000),
                           qRound(width * this->width() / 100), qRound(height * this->height() / 1000));
            return;
        }
    placed_.emplace_back(w, QRectF(left, top, width, height));
    place(w, left, top, width, height);
}

void NewsPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QVPNewsData();
}

double NewsPage::QVPNewsData() {
    if (width() <= 0 || height() <= 0) return 0;
    const double unitPx = height() / 1000.0;  // pixels per page unit, downwards
    const auto textHeight = [&](QLabel* l) {
        const int px = l->heightForWidth(qRound(98 * width() / 100.0));
        return (px > 0 ? px : l->sizeHint().height()) / unitPx + 1;
    };
    // Photo positions and sizes, left / width / height in page units.
    const double photoLeft[5] = {27, 29, 29, 29, 29};
    const double photoWidth[5] = {46, 42, 42, 42, 42};
    const double photoHeight[5] = {30, 26, 26, 26, 26};
    double top = 2;
    for (int i = 0; i <= 5; ++i) {
        QLabel* text = infotext_[static_cast<std::size_t>(i)];
        if (i >= 3) top += 7;  // 9 units before infotext(3..5) instead of 2
        const double h = textHeight(text);
        place(text, 1, top, 98, h);
        top += h + 2;
        if (i < 5) {
            place(photo_[static_cast<std::size_t>(i)], photoLeft[i], top, photoWidth[i], photoHeight[i]);
            top += photoHeight[i] + 2;
        }
    }
    return top - 2;  // the bottom of infotext(5)
}

Step1Screen::Step1Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QStringLiteral("STEP1"));
    setWindowTitle(QStringLiteral("APPLICATION DATA"));

    beltType_ = new QTabBar(this);
    beltType_->setObjectName(QStringLiteral("BeltType"));
    beltType_->setExpanding(true);
    // Below the smallest font the captions shorten; every tab stays in reach.
    beltType_->setUsesScrollButtons(false);
    beltType_->setElideMode(Qt::ElideRight);
    beltType_->setDrawBase(false);
    for (int t = 0; t < kStep1TabCount; ++t) beltType_->addTab(qs(Step1TabCaption(t)));
    SetFontSize(beltType_, 10, true);

    titolo_ = new QLabel(this);
    titolo_->setObjectName(QStringLiteral("Titolo"));
    titolo_->setAlignment(Qt::AlignCenter);
    titolo_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    SetFontSize(titolo_, 16, true);

    for (int k = 0; k < kProfilePictureCount; ++k) {
        auto* pic = new ProfilePicture(k, this);
        connect(pic, &ProfilePicture::clicked, this, &Step1Screen::TipoDente_Click);
        tipoDente_[static_cast<std::size_t>(k)] = pic;
    }
    evidenziatore_ = new QFrame(this);
    evidenziatore_->setObjectName(QStringLiteral("Evidenziatore"));
    evidenziatore_->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (std::size_t i = 0; i < testo_.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Testo%1").arg(i));
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        testo_[i] = l;
    }
    for (std::size_t i = 1; i < testo_.size(); ++i) SetFontSize(testo_[i], 11, true);
    testo_[2]->setWordWrap(false);
    testo_[3]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    for (std::size_t i = 0; i < tabella_.size(); ++i) {
        auto* c = new ClickLabel(this);
        c->setObjectName(QStringLiteral("Tabella%1").arg(i));
        c->setAlignment(Qt::AlignCenter);
        c->setWordWrap(true);
        connect(c, &ClickLabel::clicked, this, [this, i] { Tabella_Click(static_cast<int>(i)); });
        tabella_[i] = c;
    }

    driverGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i) {
        auto* b = new QRadioButton(this);
        b->setObjectName(QStringLiteral("OptionDriver%1").arg(i));
        whiteText(b);
        SetFontSize(b, 10);
        driverGroup_->addButton(b, static_cast<int>(i));
        optionDriver_[i] = b;
    }
    connect(driverGroup_, &QButtonGroup::idClicked, this, &Step1Screen::OptionDriver_Click);

    proprieta_ = new QListWidget(this);
    proprieta_->setObjectName(QStringLiteral("Proprieta"));
    SetFontSize(proprieta_, 10);
    connect(proprieta_, &QListWidget::currentRowChanged, this, [this] { Proprieta_Click(); });
    connect(proprieta_, &QListWidget::itemClicked, this, [this] { Proprieta_Click(); });

    loadFactorBox_ = new NumericBox(project_, dialogs_, this);
    loadFactorBox_->setObjectName(QStringLiteral("LoadFactorBox"));
    loadFactorBox_->bind(&project_.loadFactor, kPlainNumber, QStringLiteral("###0.0"));
    loadFactorBox_->setText(QStringLiteral("1.0"));
    loadFactorBox_->setAlignment(Qt::AlignCenter);
    SetFontSize(loadFactorBox_, 14, true);
    {
        QPalette pal = loadFactorBox_->palette();
        pal.setColor(QPalette::Base, kBackground.darker(130));
        pal.setColor(QPalette::Text, kYellow);
        loadFactorBox_->setPalette(pal);
    }

    optionContainer_ = new QFrame(this);
    optionContainer_->setObjectName(QStringLiteral("OptionContainer"));
    optionContainer_->setFrameShape(QFrame::Box);
    optionContainer_->setStyleSheet(
        QStringLiteral("#OptionContainer { border: 1px solid rgb(150,170,210); }"));
    inputGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < optionInput_.size(); ++i) {
        auto* b = new QRadioButton(qs(kInputModeCaptions[i]), optionContainer_);
        b->setObjectName(QStringLiteral("OptionInput%1").arg(i));
        whiteText(b);
        SetFontSize(b, 10);
        inputGroup_->addButton(b, static_cast<int>(i));
        optionInput_[i] = b;
        PlaceForm(b, 4, 4 + 23.5 * static_cast<double>(i), 94, 22);
    }
    connect(inputGroup_, &QButtonGroup::idClicked, this, &Step1Screen::OptionInput_Click);

    for (std::size_t i = 0; i < dati_.size(); ++i) {
        auto* box = new NumericBox(project_, dialogs_, this);
        box->setObjectName(QStringLiteral("Dati%1").arg(i));
        const DataField f = Step1DataField(static_cast<int>(i));
        box->bind(&Step1DataTarget(project_, static_cast<int>(i)), f.quantity, qs(f.format));
        box->setAlignment(Qt::AlignRight);
        SetFontSize(box, 10);
        connect(box, &NumericBox::accepted, this, [this, i] { datiEntered(static_cast<int>(i)); });
        dati_[i] = box;
        if (i > 0) setTabOrder(dati_[i - 1], box);
    }
    dati_[0]->setText(qs(Format(project_.slopeAngle, "####0")));
    for (std::size_t i = 0; i < printed_.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("DatiLabel%1").arg(i));
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        SetFontSize(l, 11);
        printed_[i] = l;
    }

    news_ = new NewsPage(this);
    for (int i = 0; i < 6; ++i) news_->infotext(i)->setText(qs(kNewsTexts[static_cast<std::size_t>(i)]));
    // Each news section opens with its heading line.
    for (int i = 1; i < 6; ++i) {
        const QString text = Lines(kNewsTexts[static_cast<std::size_t>(i)]);
        const qsizetype cut = text.indexOf(QLatin1Char('\n'));
        news_->infotext(i)->setTextFormat(Qt::RichText);
        news_->infotext(i)->setText(
            QStringLiteral("<b>%1</b><br>%2")
                .arg(text.left(cut).toHtmlEscaped(), text.mid(cut + 1).toHtmlEscaped()));
    }
    scrollInfo_ = new QScrollBar(Qt::Vertical, this);
    scrollInfo_->setObjectName(QStringLiteral("ScrollInfo"));
    connect(scrollInfo_, &QScrollBar::valueChanged, this, &Step1Screen::ScrollInfo_Change);

    feasibility_ = new FlexGrid(this);
    feasibility_->setObjectName(QStringLiteral("Feasibility"));
    connect(feasibility_, &FlexGrid::cellClicked, this, &Step1Screen::Feasibility_Click);
    idler_ = new FlexGrid(this);
    idler_->setObjectName(QStringLiteral("IdlerMinDiameter"));
    for (FlexGrid* g : {feasibility_, idler_}) g->setEmptyAreaColor(kBackground);

    flash_ = new QTimer(this);
    flash_->setObjectName(QStringLiteral("Flash"));
    flash_->setInterval(500);
    connect(flash_, &QTimer::timeout, this, &Step1Screen::Flash_Timer);

    // Form_Load: the empty page first (a project being opened keeps its tab),
    // then the tables.
    if (project_.beltType.empty()) project_.screen.beltTypeTab = kTabClear;
    if (project_.screen.beltTypeTab < 0 || project_.screen.beltTypeTab >= kStep1TabCount)
        project_.screen.beltTypeTab = kTabClear;
    {
        const QSignalBlocker block(beltType_);
        beltType_->setCurrentIndex(project_.screen.beltTypeTab);
    }
    connect(beltType_, &QTabBar::currentChanged, this, [this](int tab) {
        const int previous = project_.screen.beltTypeTab;
        project_.screen.beltTypeTab = tab;
        BeltType_Click(previous);
    });
    DatiLoadFactorC3(project_);
    DatiFlatBelt(project_);
    proprieta_->clear();
    DatiFeasibility(project_);
    DatiIdler(project_);
    loadGrids();

    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
}

int Step1Screen::currentTab() const {
    return project_.screen.beltTypeTab;
}

void Step1Screen::loadGrids() {
    const GridLayout& fg = kFeasibilityGrid;
    QFont font(qs(fg.fontName));
    font.setPointSize(8);
    feasibility_->setFont(font);
    for (QTableView* v : {feasibility_->frozenTop(), feasibility_->frozenLeft()}) v->setFont(font);
    feasibility_->setGrid(fg.rows, fg.cols, fg.fixedRows, fg.fixedCols);
    for (int r = 0; r < fg.rows; ++r)
        for (int c = 0; c < fg.cols; ++c) {
            const std::string& text =
                project_.feasibilityTable[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            QString shown = qs(text);
            shown.replace(qs(kFeasibilityMinQuantity), qs(kFeasibilityMinQuantityGlyph));
            shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
            feasibility_->setCell(r, c, qs(text), shown);
        }
    feasibility_->setToolTip(qs(fg.toolTip));
    const QFontMetrics fm(font);
    feasibility_->setRowHeightPx(0, fm.lineSpacing() * 3 + 6);
    feasibility_->setRowHeightPx(1, fm.lineSpacing() * 10);
    feasibility_->setRotatedRow(1);
    // The family names run down their tall merged cells.
    feasibility_->setRotatedColumn(0, fg.fixedRows);
    for (int r = 2; r < fg.rows; ++r) feasibility_->setRowHeightPx(r, fm.lineSpacing() + 6);
    for (int c = 0; c < fg.cols; ++c) feasibility_->setColumnWidthTwips(c, FeasibilityColumnWidth(c));
    // The corner is one blank cell; equal texts merge along the listed rows
    // and down the family and pitch columns.
    feasibility_->mergeBlock(0, 0, fg.fixedRows, fg.fixedCols);
    for (int r : kFeasibilityMergeRows) feasibility_->mergeRow(r, fg.fixedCols);
    for (int c : kFeasibilityMergeCols) feasibility_->mergeCol(c, fg.fixedRows, fg.rows - 1);

    const GridLayout& ig = kIdlerGrid;
    QFont ifont(qs(ig.fontName));
    ifont.setPointSize(10);
    idler_->setFont(ifont);
    for (QTableView* v : {idler_->frozenTop(), idler_->frozenLeft()}) v->setFont(ifont);
    idler_->setGrid(ig.rows, ig.cols, ig.fixedRows, ig.fixedCols);
    for (int r = 0; r < ig.rows; ++r)
        for (int c = 0; c < ig.cols; ++c)
            idler_->setCell(
                r, c, qs(project_.idlerTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    for (int c = 0; c < ig.cols; ++c)
        idler_->setColumnWidthTwips(c, kIdlerColumnWidths[static_cast<std::size_t>(c)]);
    const QFontMetrics ifm(ifont);
    for (int r = 0; r < ig.rows; ++r) idler_->setRowHeightPx(r, ifm.lineSpacing() + 8);
}

// ---------------------------------------------------------------------------
// Layout

void Step1Screen::applyMenus() {
    for (QAction* a : {menus_.mStopDemo, menus_.mDemo, menus_.mLoopDemo, menus_.mClose, menus_.mPrinter})
        setShown(a, false);
    for (QAction* a : {menus_.mFile, menus_.mGoBack, menus_.mUnit, menus_.mInt}) setShown(a, true);
    const int tab = currentTab();
    setShown(menus_.mPrinter2, tab == kTabFeasibility || tab == kTabIdler);
    switch (tab) {
        case kTabOrvanto:
        case kTabSelkira:
        case kTabTavoren:
        case kTabRubber:
            setShown(menus_.mGoon, true);
            setShown(menus_.mGoon2, false);
            break;
        case kTabQuindel:
        case kTabFendaro:
            setShown(menus_.mGoon, false);
            setShown(menus_.mGoon2, true);
            break;
        case kTabNews:
        case kTabFeasibility:
        case kTabIdler:
            setShown(menus_.mGoon, false);
            setShown(menus_.mGoon2, false);
            break;
        default:
            break;  // the empty page leaves Go On as it was
    }
}

void Step1Screen::refresh() {
    // The data fields show units on the SELKIRA page and on the TAVOREN page
    // alike; both must follow a unit change, or a typed value would be read
    // in a unit its label does not name.
    if (currentTab() == kTabSelkira || currentTab() == kTabTavoren) ShowApplicationData();
}

void Step1Screen::setBlinking(bool on) {
    if (on)
        flash_->start();
    else
        flash_->stop();
}

void Step1Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    Form_Resize();
}

void Step1Screen::resizeEvent(QResizeEvent* event) {
    StepScreen::resizeEvent(event);
    // The tabs fill the strip's 8 units.
    const int tabHeight = std::max(18, beltType_->height() - 8);
    beltType_->setStyleSheet(
        QStringLiteral(
            "QTabBar::tab { height: %1px; padding: 0 6px; margin: 6px 1px 0 1px;"
            " background: rgb(196, 210, 236); color: rgb(16, 32, 72); border: 1px solid rgb(8, 16, 40);"
            " border-bottom: none; border-top-left-radius: 6px; border-top-right-radius: 6px; }"
            "QTabBar::tab:selected { background: white; color: rgb(0, 0, 160); }"
            "QTabBar::tab:hover:!selected { background: rgb(230, 236, 250); }")
            .arg(tabHeight));
    // All ten tabs stay in sight on a small screen; the scroll arrows would
    // hide the last ones.
    FitTabBarFont(beltType_, 10);
    wrapDriverCaptions();
    fitDataCaptions();
    placeCarriageBoxes();
}

void Step1Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, kBackground.lighter(140));
    bg.setColorAt(1, kBackground);
    painter.fillRect(rect(), bg);
}

void Step1Screen::Form_Resize() {
    laidOut_ = true;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
    if (project_.demoRunning == 0) {
        for (QAction* a : {menus_.mStopDemo, menus_.mDemo, menus_.mLoopDemo, menus_.mClose, menus_.mPrinter,
                           menus_.mPrinter2})
            setShown(a, false);
        for (QAction* a : {menus_.mFile, menus_.mGoBack, menus_.mUnit, menus_.mInt}) setShown(a, true);
    }
    PlaceForm(beltType_, 0, 0, 100, 8);
    PlaceForm(feasibility_, 0, 15, 100, 85);
    PlaceForm(idler_, 6, 16, 95, 82);
    beltType_->show();
    {
        const QSignalBlocker block(beltType_);
        beltType_->setCurrentIndex(currentTab());
    }
    BeltType_Click(currentTab());
    if (project_.beltType.rfind("ORVANTO", 0) == 0) testo_[0]->show();
    if (project_.beltType.rfind("FENDARO", 0) == 0) {
        proprieta_->show();
        testo_[0]->show();
    }
    if (!project_.beltType.empty()) SelectToothProfile(project_.profileButtonIndex);
}

void Step1Screen::hidePage() {
    evidenziatore_->hide();
    feasibility_->hide();
    idler_->hide();
    news_->hide();
    scrollInfo_->hide();
    for (auto* w : tipoDente_) w->hide();
    for (auto* w : tabella_) w->hide();
    for (auto* w : testo_) w->hide();
    for (auto* w : dati_) w->hide();
    for (auto* w : optionDriver_) w->hide();
    titolo_->hide();
    proprieta_->hide();
    optionContainer_->hide();
    loadFactorBox_->hide();
    setShown(menus_.mPrinter2, false);
    for (auto* l : printed_) l->hide();  // the text printed on the form
    SetFontSize(testo_[0], 10);
    testo_[0]->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
}

void Step1Screen::BeltType_Click(int previousTab) {
    const int tab = currentTab();
    const bool changed = previousTab != tab;
    if (changed) ForgetBeltChoice(project_);
    hidePage();
    const bool demo = project_.demoRunning != 0;
    if (tab >= kTabOrvanto && tab <= kTabRubber) {
        const QColor c = fromLong(Step1HighlightColour(tab));
        evidenziatore_->setStyleSheet(
            QStringLiteral("#Evidenziatore { border: 4px solid %1; background: transparent; }")
                .arg(c.name()));
        showPictures();
        titolo_->setText(qs(Step1TabTitle(tab)));
    }
    switch (tab) {
        case kTabOrvanto:
        case kTabRubber:
            OrvantoRubber();
            break;
        case kTabSelkira:
            SelkiraTavoren();
            break;
        case kTabTavoren:
            project_.linearDriveType = 0;
            SelkiraTavoren();
            break;
        case kTabQuindel:
            setShown(menus_.mGoon, false);
            if (!demo) setShown(menus_.mGoon2, true);
            Quindel();
            break;
        case kTabFendaro:
            setShown(menus_.mGoon, false);
            if (!demo) setShown(menus_.mGoon2, true);
            if (changed) tabella_[5]->clear();
            Fendaro();
            break;
        case kTabNews:
            setShown(menus_.mGoon, false);
            setShown(menus_.mGoon2, false);
            titolo_->setText(QString());
            for (int i = 1; i <= 5; ++i) news_->infotext(i)->hide();
            for (int i = 1; i <= 4; ++i) news_->photo(i)->hide();
            PlaceForm(news_, 0, 8, 98, 1000);
            PlaceForm(scrollInfo_, 98, 9, 2, 91);
            {
                const QSignalBlocker block(scrollInfo_);
                scrollInfo_->setValue(0);
            }
            scrollInfo_->setMaximum(std::max(0, CInt(news_->QVPNewsData() - 50)));
            scrollInfo_->setSingleStep(3);
            scrollInfo_->setPageStep(40);
            news_->show();
            scrollInfo_->show();
            for (int i = 1; i <= 5; ++i) news_->infotext(i)->show();
            for (int i = 1; i <= 4; ++i) news_->photo(i)->show();
            titolo_->show();
            beltType_->raise();
            scrollInfo_->raise();
            break;
        case kTabFeasibility:
        case kTabIdler:
            setShown(menus_.mGoon, false);
            setShown(menus_.mGoon2, false);
            titolo_->setText(qs(Step1TabTitle(tab)));
            titolo_->show();
            if (!demo) setShown(menus_.mPrinter2, true);
            (tab == kTabFeasibility ? feasibility_ : idler_)->show();
            break;
        default:
            break;  // the empty page
    }
    PlaceForm(titolo_, 0, 9, 100, 4.5);
}

void Step1Screen::showPictures() {
    const auto pictures = Step1TabPictures(currentTab());
    const double n = static_cast<double>(pictures.size());
    double left = (100 - (n * kPictureWidth + (n - 1) * kPictureGap)) / 2;
    for (int k : pictures) {
        ProfilePicture* pic = tipoDente_[static_cast<std::size_t>(k)];
        PlaceForm(pic, left, kPictureTop, kPictureWidth, kPictureHeight);
        pic->show();
        left += kPictureWidth + kPictureGap;
    }
}

// Tabella: the title of the header row (0), the column headers (1..5), the
// title of the value row (6) and the values (7..11), one above the other.
void Step1Screen::showTable(bool withTitleAndFive, int lastHeader) {
    // The linear drive pages fill their lower half with data: the table goes
    // under the pictures there.
    const int tab = currentTab();
    const double top = (tab == kTabSelkira || tab == kTabTavoren) ? 30.5 : kTableTop;
    const double titleWidth = 19;
    const double cellWidth = 15;
    PlaceForm(tabella_[0], 1, top, titleWidth, 6);
    PlaceForm(tabella_[6], 1, top + 6, titleWidth, 4.5);
    for (int i = 1; i <= 5; ++i) {
        const double left = 1 + titleWidth + (i - 1) * cellWidth;
        PlaceForm(tabella_[static_cast<std::size_t>(i)], left, top, cellWidth, 6);
        PlaceForm(tabella_[static_cast<std::size_t>(i + 6)], left, top + 6, cellWidth, 4.5);
    }
    for (int i = 0; i <= lastHeader; ++i) {
        tabella_[static_cast<std::size_t>(i)]->show();
        tabella_[static_cast<std::size_t>(i + 6)]->show();
    }
    if (withTitleAndFive) {
        tabella_[5]->show();
        tabella_[11]->show();
    }
}

void Step1Screen::setTabellaCaptions() {
    const auto kind = FactorTableForTab(currentTab());
    if (!kind) return;
    const FactorTable& table = FactorTableOf(*kind);
    for (int i = 0; i < 12; ++i) {
        if (currentTab() == kTabFendaro && i == 5) continue;  // the characteristics panel
        tabella_[static_cast<std::size_t>(i)]->setText(Lines(table.caption[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < 12; ++i) {
        if (i == 5 && currentTab() == kTabFendaro) continue;
        ClickLabel* c = tabella_[static_cast<std::size_t>(i)];
        if (i == 0 || i == 6) {
            c->setStyleSheet(
                QStringLiteral("background: rgb(200, 215, 240); color: rgb(0, 0, 128);"
                               " border: 1px solid rgb(0, 0, 80);"));
            SetFontSize(c, 11, true);
        } else if (i <= 5) {
            c->setStyleSheet(
                QStringLiteral("background: white; color: rgb(0, 0, 128); border: 1px solid rgb(0, 0, 80);"));
            SetFontSize(c, i == 5 ? 12 : 11);
            c->setAlignment(Qt::AlignCenter);
            c->setCursor(Qt::PointingHandCursor);
        } else {
            c->setCursor(Qt::PointingHandCursor);
            SetFontSize(c, 12, true);
        }
    }
    applyTabellaColours();
}

void Step1Screen::applyTabellaColours() {
    for (int i = 7; i <= 11; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        tabella_[ii]->setStyleSheet(
            QStringLiteral("background: %1; color: %2; border: 1px solid rgb(0, 0, 80);")
                .arg(fromLong(project_.screen.tabellaBackColor[ii]).name(),
                     fromLong(project_.screen.tabellaForeColor[ii]).name()));
    }
}

void Step1Screen::styleTabellaFive(bool characteristicsPanel) {
    ClickLabel* c = tabella_[5];
    if (characteristicsPanel) {
        // Transparent, no border, yellow text, size 9, left aligned.
        c->setStyleSheet(QStringLiteral("background: transparent; color: rgb(255, 255, 0); border: none;"));
        SetFontSize(c, 9);
        c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c->setWordWrap(false);
        c->setTextFormat(Qt::PlainText);
        c->setCursor(Qt::ArrowCursor);
        PlaceForm(c, 31, 32.5, 67, 46);
    } else {
        // Opaque, single border, dark blue text, size 12, centred.
        c->setStyleSheet(
            QStringLiteral("background: white; color: rgb(0, 0, 128); border: 1px solid rgb(0, 0, 80);"));
        SetFontSize(c, 12);
        c->setAlignment(Qt::AlignCenter);
        c->setWordWrap(true);
    }
}

void Step1Screen::fillMachineList() {
    const QSignalBlocker block(proprieta_);
    proprieta_->clear();
    for (const std::string& text : CaricaLoadFactor()) proprieta_->addItem(qs(text));
    listContent_ = 1;
}

void Step1Screen::fillFlatBeltList(const FlatBeltGroup& g) {
    const QSignalBlocker block(proprieta_);
    proprieta_->clear();
    for (const std::string& name : ListFlatBeltTypes(project_, g.first, g.last))
        proprieta_->addItem(qs(name));
    listContent_ = 2;
    listGroupFirst_ = g.first;
}

void Step1Screen::syncOptionButtons() {
    for (auto* group : {driverGroup_, inputGroup_}) group->setExclusive(false);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i) {
        const QSignalBlocker block(optionDriver_[i]);
        optionDriver_[i]->setChecked(project_.screen.optionDriver[i]);
    }
    for (std::size_t i = 0; i < optionInput_.size(); ++i) {
        const QSignalBlocker block(optionInput_[i]);
        optionInput_[i]->setChecked(project_.screen.optionInput[i]);
    }
    for (auto* group : {driverGroup_, inputGroup_}) group->setExclusive(true);
}

void Step1Screen::wrapDriverCaptions() {
    for (std::size_t i = 0; i < optionDriver_.size(); ++i) {
        QRadioButton* b = optionDriver_[i];
        const int indicator = 26;
        const int width = b->width() - indicator;
        b->setText(width > 40 ? wrapTo(optionDriverCaption_[i], b->fontMetrics(), width)
                              : optionDriverCaption_[i]);
    }
}

void Step1Screen::setTesto0(const std::string& text) {
    testo_[0]->setText(Lines(text));
}

void Step1Screen::OrvantoRubber() {
    if (project_.demoRunning == 0) {
        setShown(menus_.mGoon, true);
        setShown(menus_.mGoon2, false);
    }
    if (project_.beltType.empty()) {
        InitFactorTable(project_, FactorTableKind::OperationTime);
        project_.screen.optionDriver = {false, false, false};
        project_.screen.proprietaListIndex = -1;
        fillMachineList();
        loadFactorBox_->setText(QStringLiteral("1.0"));
    } else {
        loadFactorBox_->showValue();
    }
    if (listContent_ != 1) fillMachineList();
    {
        const QSignalBlocker block(proprieta_);
        proprieta_->setCurrentRow(project_.screen.proprietaListIndex);
    }
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        optionDriverCaption_[i] = qs(kDriverClassCaptions[i]);
    styleTabellaFive(false);
    setTabellaCaptions();
    syncOptionButtons();
    testo_[1]->setText(QStringLiteral("Driver machine"));
    testo_[2]->setText(QStringLiteral("Driven machine"));
    testo_[3]->setText(QStringLiteral("Load Factor"));

    PlaceForm(testo_[0], 2, 28.5, 96, 10);
    PlaceForm(testo_[1], 2, 39, 46, 3);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        PlaceForm(optionDriver_[i], 2, 42.5 + 7.5 * static_cast<double>(i), 47, 7);
    PlaceForm(testo_[2], 52, 39, 46, 3);
    PlaceForm(proprieta_, 52, 42.5, 46, 28);
    PlaceForm(testo_[3], 2, 67, 16, 4);
    PlaceForm(loadFactorBox_, 18, 66.5, 10, 5);
    wrapDriverCaptions();

    showTable(true, 5);
    for (auto* b : optionDriver_) b->show();
    for (int i = 1; i <= 3; ++i) testo_[static_cast<std::size_t>(i)]->show();
    proprieta_->show();
    loadFactorBox_->show();
    titolo_->show();
}

void Step1Screen::SelkiraTavoren() {
    const int tab = currentTab();
    if (project_.demoRunning == 0) {
        setShown(menus_.mGoon, true);
        setShown(menus_.mGoon2, false);
    }
    if (project_.beltType.empty()) {
        InitFactorTable(project_, FactorTableKind::OperatingConditions);
        project_.screen.optionDriver = {true, false, false};
        ChooseLinearDrive(project_, tab, 0);
        ChooseInputMode(project_, 0);
    }
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        optionDriverCaption_[i] = qs(kLinearDriveCaptions[i]);
    setTabellaCaptions();
    syncOptionButtons();
    updateDatiEnabled();
    testo_[1]->setText(QStringLiteral("Data for peripheral force calculation:"));
    ShowApplicationData();

    PlaceForm(testo_[1], 1, 43.5, 45, 4);
    for (int i = 0; i <= 8; ++i)
        PlaceForm(dati_[static_cast<std::size_t>(i)], 24, kDataTop + kDataStep * i - 0.2, 11, 3.1);
    PlaceForm(optionContainer_, 40, 47.5, 24, 15);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        PlaceForm(optionDriver_[i], 68, 47.5 + 4 * static_cast<double>(i), 30, 3.6);
    PlaceForm(testo_[2], 68, 61, 21, 9);
    fitDataCaptions();
    placeCarriageBoxes();
    wrapDriverCaptions();

    testo_[1]->show();
    showTable(false, 4);
    for (int i = 0; i <= 8; ++i) dati_[static_cast<std::size_t>(i)]->show();
    for (auto* b : optionInput_) b->show();
    optionContainer_->show();
    if (tab == kTabSelkira) {
        dati_[9]->show();
        dati_[10]->show();
        for (auto* b : optionDriver_) b->show();
        testo_[2]->show();
    }
    titolo_->show();
}

void Step1Screen::Quindel() {
    if (project_.beltType.empty()) InitFactorTable(project_, FactorTableKind::Duty);
    setTesto0(std::string(kQuindelProductText));
    setTabellaCaptions();
    PlaceForm(testo_[0], 4, 29, 92, 22);
    showTable(false, 3);
    testo_[0]->show();
    titolo_->show();
}

void Step1Screen::Fendaro() {
    if (project_.beltType.empty()) {
        InitFactorTable(project_, FactorTableKind::Duty);
        project_.flatBeltIndex = 0;
        project_.flatBeltInfoColumn = 21;
    }
    testo_[1]->setText(QStringLiteral("Belt Type"));
    testo_[2]->setText(QStringLiteral("Characteristics"));
    setTabellaCaptions();
    PlaceForm(testo_[0], 2, 29, 27, 17);
    PlaceForm(testo_[1], 2, 47, 27, 3);
    PlaceForm(proprieta_, 2, 50.5, 27, 28);
    PlaceForm(testo_[2], 31, 29, 40, 3);
    testo_[1]->show();
    testo_[2]->show();
    showTable(false, 3);
    styleTabellaFive(true);
    tabella_[5]->show();
    titolo_->show();
}

// ---------------------------------------------------------------------------
// Profile choice

void Step1Screen::TipoDente_Click(int index) {
    ProfileSelection shown;
    if (!TipoDenteClick(project_, currentTab(), index, &shown)) return;
    SelectToothProfile(index);
}

void Step1Screen::SelectToothProfile(int index) {
    const int tab = currentTab();
    const ProfileSelection s = belt::SelectToothProfile(project_, tab, index);
    evidenziatore_->hide();
    if (index >= 0 && index < kProfilePictureCount) {
        const QRectF r = LogicalRect(tipoDente_[static_cast<std::size_t>(index)]);
        PlaceForm(evidenziatore_, r.left() - 0.4, r.top() - 0.5, r.width() + 0.8, r.height() + 1.0);
        evidenziatore_->show();
        evidenziatore_->raise();
    }
    if ((tab == kTabOrvanto || tab == kTabRubber) && !s.description.empty()) {
        setTesto0(s.description);
        testo_[0]->show();
    }
    if (tab == kTabFendaro && s.flatGroup) {
        tabella_[5]->clear();
        fillFlatBeltList(*s.flatGroup);
        setTesto0(s.description);
        {
            const QSignalBlocker block(proprieta_);
            proprieta_->setCurrentRow(s.listIndex);
        }
        project_.screen.proprietaListIndex = s.listIndex;
        // Selecting a row chooses that type, as a click on it does.
        if (s.listIndex >= 0) Proprieta_Click();
        proprieta_->show();
        testo_[0]->show();
    }
}

// ---------------------------------------------------------------------------
// Option buttons, list, table

void Step1Screen::OptionDriver_Click(int index) {
    for (int i = 0; i < 3; ++i) project_.screen.optionDriver[static_cast<std::size_t>(i)] = i == index;
    const int tab = currentTab();
    if (tab == kTabOrvanto || tab == kTabRubber) {
        if (auto text = LookUpLoadFactor(project_)) loadFactorBox_->setText(qs(*text));
    } else if (ChooseLinearDrive(project_, tab, index)) {
        updateDatiEnabled();
    }
    syncOptionButtons();
}

void Step1Screen::OptionInput_Click(int index) {
    ChooseInputMode(project_, index);
    syncOptionButtons();
    updateDatiEnabled();
}

void Step1Screen::updateDatiEnabled() {
    const std::array<bool, 9> enabled = InputModeEnabled(SelectedInputMode(project_));
    for (std::size_t i = 0; i < enabled.size(); ++i) dati_[i]->setEnabled(enabled[i]);
    if (currentTab() == kTabSelkira) {
        dati_[9]->setEnabled(CarriageLengthEnabled(project_));
        dati_[10]->setEnabled(StrokeEnabled(project_));
    }
}

void Step1Screen::Proprieta_Click() {
    const int row = proprieta_->currentRow();
    if (row < 0) return;
    project_.screen.proprietaListIndex = row;
    const int tab = currentTab();
    if (tab == kTabOrvanto || tab == kTabRubber) {
        if (auto text = LookUpLoadFactor(project_)) loadFactorBox_->setText(qs(*text));
    } else if (tab == kTabFendaro) {
        const FlatBeltGroup* g = FlatBeltGroupOfCaption(testo_[0]->text().toStdString());
        if (!g) return;
        if (auto text = ChooseFlatBeltType(project_, *g, row)) tabella_[5]->setText(Lines(*text));
    }
}

void Step1Screen::Tabella_Click(int index) {
    const auto kind = FactorTableForTab(currentTab());
    if (!kind) return;
    if (PickFactorCell(project_, *kind, index)) applyTabellaColours();
}

void Step1Screen::Feasibility_Click(int row, int col) {
    FeasibilityClick(project_, dialogs_, row, col);
}

void Step1Screen::ScrollInfo_Change() {
    PlaceForm(news_, 0, 8 - scrollInfo_->value(), 98, 1000);
}

void Step1Screen::Flash_Timer() {
    QPalette pal = loadFactorBox_->palette();
    pal.setColor(QPalette::Text, pal.color(QPalette::Text) == kYellow ? kCyan : kYellow);
    loadFactorBox_->setPalette(pal);
}

// ---------------------------------------------------------------------------
// Data fields

void Step1Screen::ShowApplicationData() {
    for (int i = 0; i <= 8; ++i) {
        QLabel* l = printed_[static_cast<std::size_t>(i)];
        l->setText(qs(Step1DataLabel(project_, i)));
        PlaceForm(l, 1, kDataTop + kDataStep * i - 0.2, 23, 3.2);
        l->show();
    }
    testo_[2]->setText(Lines(CarriageAndStrokeCaption(project_)));
    for (int i = 1; i < kDataFieldCount; ++i)
        dati_[static_cast<std::size_t>(i)]->setText(qs(Step1DataText(project_, i)));
    optionContainer_->update();
    fitDataCaptions();
}

void Step1Screen::fitDataCaptions() {
    // The unit labels make the captions longer than the dotted leaders
    // allow for on a small screen; the unit must stay readable.
    FitLabelsFont(printed_, 11);
    FitLabelFont(testo_[2], 11);
}

void Step1Screen::placeCarriageBoxes() {
    if (height() <= 0) return;
    const QRectF caption = LogicalRect(testo_[2]);
    if (caption.isEmpty()) return;
    // Dati(9) and Dati(10) sit beside the first and third line of Testo(2).
    const double line = testo_[2]->fontMetrics().lineSpacing() * 100.0 / height();
    const double top = caption.top() + (caption.height() - 3 * line) / 2;
    PlaceForm(dati_[9], caption.right() + 0.5, top + line / 2 - 1.6, 9, 3.1);
    PlaceForm(dati_[10], caption.right() + 0.5, top + 2.5 * line - 1.6, 9, 3.1);
}

void Step1Screen::datiEntered(int index) {
    NumericBox* box = dati_[static_cast<std::size_t>(index)];
    box->setText(qs(Step1DataEntered(project_, dialogs_, index, box->text().toStdString())));
    NumericBox* next = dati_[0];
    for (int j = index + 1; j < kDataFieldCount; ++j) {
        NumericBox* candidate = dati_[static_cast<std::size_t>(j)];
        if (!candidate->isHidden() && candidate->isEnabled()) {
            next = candidate;
            break;
        }
    }
    // The next box is there to be typed into: its old value is selected, so
    // the new digits replace it instead of being appended to it.
    next->setFocus(Qt::OtherFocusReason);
    next->selectAll();
}

// ---------------------------------------------------------------------------
// Controls set from outside

void Step1Screen::setBeltTypeTab(int tab) {
    if (tab < 0 || tab >= kStep1TabCount) return;
    if (beltType_->currentIndex() != tab) {
        beltType_->setCurrentIndex(tab);  // runs BeltType_Click
    } else if (project_.screen.beltTypeTab != tab) {
        const int previous = project_.screen.beltTypeTab;
        project_.screen.beltTypeTab = tab;
        BeltType_Click(previous);
    }
}

void Step1Screen::setOptionDriver(int index) {
    if (index < 0 || index > 2) return;
    OptionDriver_Click(index);
}

void Step1Screen::setProprietaListIndex(int row) {
    {
        const QSignalBlocker block(proprieta_);
        proprieta_->setCurrentRow(row);
    }
    project_.screen.proprietaListIndex = row;
    Proprieta_Click();
}

void Step1Screen::setTabellaColours(int cell, int back, int fore) {
    if (cell < 7 || cell > 11) return;
    project_.screen.tabellaBackColor[static_cast<std::size_t>(cell)] = back;
    project_.screen.tabellaForeColor[static_cast<std::size_t>(cell)] = fore;
    applyTabellaColours();
}

}  // namespace belt
