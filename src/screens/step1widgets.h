// The small widgets of STEP1: the profile group pictures and the news page
// (the factor table cells are ClickLabels).
#pragma once

#include <QLabel>
#include <QRectF>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>

#include "screens/clicklabel.h"

namespace belt {

// TipoDente(k): a profile group picture. A click or, with the focus, Space
// or Enter chooses it; the arrows move to the next picture.
class ProfilePicture : public QWidget {
    Q_OBJECT
public:
    ProfilePicture(int index, QWidget* parent = nullptr);
    int index() const { return index_; }
signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int index_;
};

// QVPNews: the news page, 100 x 1000 units of its own, scrolled by ScrollInfo.
class NewsPage : public QWidget {
    Q_OBJECT
public:
    explicit NewsPage(QWidget* parent = nullptr);
    QLabel* infotext(int i) const { return infotext_[static_cast<std::size_t>(i)]; }
    QWidget* photo(int i) const { return photo_[static_cast<std::size_t>(i)]; }
    // QVPNewsData: stacks texts and photos from the top; returns the bottom
    // of infotext(5) in page units.
    double QVPNewsData();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place(QWidget* w, double left, double top, double width, double height);
    std::array<QLabel*, 6> infotext_{};
    std::array<QWidget*, 5> photo_{};
    std::vector<std::pair<QWidget*, QRectF>> placed_;
};

}  // namespace belt
