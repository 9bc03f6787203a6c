// STEP0, the about screen: a long page that presents the maker (logo, name,
// addresses, company profile, one presentation per product line beside an
// illustration), scrolled by its own scroll bar or, in Loop Demo, by the
// demonstration. A window of its own with a menu bar holding only Close; it
// holds no project data and changes none.
#pragma once

#include <QMainWindow>
#include <array>

#include "screens/menuactions.h"

class QLabel;
class QScrollBar;

namespace belt {

struct DriveProject;
class LogoWidget;

// What the about page needs of the main window.
class AboutScreenHost {
public:
    // The window the page stands over.
    virtual QWidget& frame() = 0;
    // Sets the window's menu bar as the table says for place.
    virtual void showMenus(MenuPlace place) = 0;
    // The page has closed: the window's bar becomes again the one of the
    // screen active there, or of the cover.
    virtual void returnFromAbout() = 0;

protected:
    ~AboutScreenHost() = default;
};

class AboutScreen : public QMainWindow {
    Q_OBJECT
public:
    AboutScreen(AboutScreenHost& main, DriveProject& project);

    // Shown maximised with the page at its top: modal from the cover and
    // from "?", modeless while Loop Demo scrolls it.
    void showModal();
    void showModeless();

    // STEP0.mClose: hides the screen; then either tells the demonstration to
    // leave it (demoStep 10) or gives the main window back the menus of the
    // screen that is active there.
    void mClose_Click();

    // ContInfo.Top in the screen's units (100 = the window's height): the
    // page scrolled so that its top stands there (0 or less).
    void setPageTop(double top);
    double pageTop() const;

    // Lays the page out for the window's size (Form_Resize).
    void Form_Resize();
    void ScrollInfo_Change();

    // Controls by their names.
    QAction* mClose = nullptr;
    QWidget* ContInfo = nullptr;
    QScrollBar* ScrollInfo = nullptr;
    LogoWidget* Logo = nullptr;
    std::array<QLabel*, 14> infotext{};
    std::array<QWidget*, 11> Photo{};

    // Where an item stands on the page, in page units (100 x 6000).
    QRectF pageRect(const QWidget* item) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMaximisedAtTop();
    void placeOnPage(QWidget* item, double left, double top, double width, double height);
    double labelHeight(QLabel* label, double width) const;
    void applyFonts();

    AboutScreenHost& main_;
    DriveProject& project_;
    QWidget* form_ = nullptr;
};

}  // namespace belt
