// STEP1: the news page and its scroll bar.

#include <QScrollBar>
#include <QTabBar>

#include "drawing/newsillustrations.h"
#include "screens/photowidget.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/menuactions.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"
#include "units/units.h"

namespace belt {

using namespace style;
using namespace step1;

NewsPage::NewsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QVPNews"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#QVPNews { background: %1; }").arg(Css(kNewsPage)));
    for (std::size_t i = 0; i < infotext_.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("infotext%1").arg(i));
        l->setWordWrap(true);
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Css(kNewsText)));
        infotext_[i] = l;
    }
    SetFontSize(infotext_[0], 18, true);
    infotext_[0]->setAlignment(Qt::AlignCenter);
    for (std::size_t i = 1; i < infotext_.size(); ++i) SetFontSize(infotext_[i], 12);
    for (std::size_t i = 0; i < photo_.size(); ++i)
        photo_[i] = new PhotoWidget(DrawNewsIllustration, static_cast<int>(i), this);
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

void Step1Screen::makeNewsPage() {
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
}

void Step1Screen::News() {
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
}

void Step1Screen::ScrollInfo_Change() {
    PlaceForm(news_, 0, 8 - scrollInfo_->value(), 98, 1000);
}

}  // namespace belt
