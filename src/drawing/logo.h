// The maker's emblem: a toothed belt running round two pulleys on a round
// badge. Painted, not loaded, so it is sharp on screen, in PDFs and on paper.
#pragma once

#include <QRectF>
#include <QWidget>

class QPainter;

namespace belt {

// Paints the emblem centred in rect, as large as fits with its own aspect
// ratio (width : height = 1 : 1.15 with the word mark below the badge).
void DrawLogo(QPainter& painter, const QRectF& rect, bool withWordMark = true);

// A widget that shows the emblem (the cover's LOGO, the printed PrintLogo).
class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr, bool withWordMark = false);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool withWordMark_;
};

}  // namespace belt
