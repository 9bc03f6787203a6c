#include "app/appstyle.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QTabBar>

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
        QRect frame = option->rect;
        // A tab asks for the frame on its caption's own rectangle, which can
        // be narrower than the caption: the frame covered the first and last
        // letters. It goes along the tab's sides instead, just inside its
        // border, in the tab's padding.
        if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            const int tab = bar->tabAt(frame.center());
            if (tab >= 0) {
                const QRect sides = bar->tabRect(tab).adjusted(2, 0, -2, 0);
                frame.setLeft(sides.left());
                frame.setRight(sides.right());
            }
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(style::kFocusFrame, 2));
        painter->drawRect(QRectF(frame).adjusted(1, 1, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace belt
