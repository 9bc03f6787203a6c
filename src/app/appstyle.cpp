#include "app/appstyle.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include "drawing/stylecolours.h"

namespace belt {

namespace {

// An icon of the base style, fetched on first use. Everything but the
// fetching is forwarded to the real icon.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : style_(style), which_(which), direction_(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // Asked while the menu bar is laid out; the style always has these icons.
    bool isNull() override { return loaded_ ? icon_.isNull() : style_.isNull(); }
    QString key() const override { return QStringLiteral("belt.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!loaded_) {
            loaded_ = true;
            if (style_) {
                QStyleOption option;
                option.direction = direction_;
                icon_ = style_->standardIcon(which_, &option);
            }
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    Qt::LayoutDirection direction_;
    bool loaded_ = false;
    QIcon icon_;
};

}  // namespace

AppStyle::AppStyle() = default;

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        const Qt::LayoutDirection direction = option   ? option->direction
                                              : widget ? widget->layoutDirection()
                                                       : QGuiApplication::layoutDirection();
        return QIcon(new DeferredIconEngine(baseStyle(), icon, direction));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (element == PE_FrameFocusRect && option && painter) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(style::kFocusFrame, 2));
        painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace belt
