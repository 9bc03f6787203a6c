// A widget that shows the maker's emblem (the cover's LOGO, the results
// page's Logo).
#pragma once

#include <QWidget>

namespace belt {

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
