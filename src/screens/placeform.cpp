#include "screens/placeform.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace belt {

namespace {

constexpr double kScale = 100.0;
const char* const kPlacerName = "belt_PlaceForm_placer";
const char* const kRectProperty = "belt_logicalRect";

// One per parent: repositions every placed child when the parent resizes.
class Placer : public QObject {
public:
    explicit Placer(QWidget* parent) : QObject(parent), parent_(parent) {
        setObjectName(QString::fromLatin1(kPlacerName));
        parent->installEventFilter(this);
    }

    void place(QWidget* child) {
        children_.insert(child, QPointer<QWidget>(child));
        apply(child);
    }
    void release(QWidget* child) { children_.remove(child); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent_ && event->type() == QEvent::Resize) {
            for (auto it = children_.begin(); it != children_.end();) {
                if (it.value().isNull()) {
                    it = children_.erase(it);
                } else {
                    apply(it.value().data());
                    ++it;
                }
            }
        }
        return false;
    }

private:
    void apply(QWidget* child) {
        const QRectF r = LogicalRect(child);
        const double sx = parent_->width() / kScale;
        const double sy = parent_->height() / kScale;
        // Rounding both edges (not the size) keeps neighbouring panels flush.
        const int x0 = static_cast<int>(std::lround(r.left() * sx));
        const int y0 = static_cast<int>(std::lround(r.top() * sy));
        const int x1 = static_cast<int>(std::lround(r.right() * sx));
        const int y1 = static_cast<int>(std::lround(r.bottom() * sy));
        child->setGeometry(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
    }

    QWidget* parent_;
    QHash<QWidget*, QPointer<QWidget>> children_;
};

Placer* placerOf(QWidget* parent) {
    auto* placer = parent->findChild<Placer*>(QString::fromLatin1(kPlacerName), Qt::FindDirectChildrenOnly);
    return placer ? placer : new Placer(parent);
}

}  // namespace

void PlaceForm(QWidget* target, double left, double top, double width, double height) {
    if (!target) return;
    target->setProperty(kRectProperty, QRectF(left, top, width, height));
    if (QWidget* parent = target->parentWidget()) placerOf(parent)->place(target);
}

QRectF LogicalRect(const QWidget* target) {
    return target ? target->property(kRectProperty).toRectF() : QRectF();
}

QSizeF LogicalSizeHint(const QWidget* target) {
    if (!target || !target->parentWidget()) return {};
    const QWidget* parent = target->parentWidget();
    const QSize hint = target->sizeHint();
    const double w = parent->width() > 0 ? hint.width() * kScale / parent->width() : 0.0;
    const double h = parent->height() > 0 ? hint.height() * kScale / parent->height() : 0.0;
    return {w, h};
}

void ReleaseForm(QWidget* target) {
    if (!target || !target->parentWidget()) return;
    if (auto* placer = target->parentWidget()->findChild<Placer*>(QString::fromLatin1(kPlacerName),
                                                                  Qt::FindDirectChildrenOnly))
        placer->release(target);
}

}  // namespace belt
