// STEP5 "OUTPUT DATA: RESULTS": the long results page written line by line
// from the engine's report lines, the blinking belt code, the remarks that go
// into the project and the list with which the user changes the belt width;
// beside the page, the calculation details of the design (step5details.h).
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "drawing/stylecolours.h"
#include "screens/stepscreen.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace belt {

class CalculationDetailsView;
class DesignDetails;
class LogoWidget;

// One text the results page printed: where, in which font and colour. Kept so
// that the page can be painted at any size and inspected by tests.
struct PageText {
    QString text;
    // Tab position in average character widths of the text's font (8 label,
    // 56 value, 66 unit, 26 section title); -1 when x or centred applies.
    int column = -1;
    double x = 0;          // page units, for column -1
    bool centred = false;  // centred on the page's middle (x = 50)
    double y = 0;          // page units (100 x 600 page), top of the text
    int line = 0;          // texts printed on the same line share this number
    QColor colour;
    QString family;
    double points = 14;
    bool bold = true;
    bool italic = false;
};

// ContInfo: the results page. 100 units wide and 600 high; the form shows a
// sixth of it at a time and ScrollInfo moves it.
class ResultsPage : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPage(QWidget* parent = nullptr);

    void setTexts(std::vector<PageText> texts);
    const std::vector<PageText>& texts() const { return texts_; }

    // Size of the form that shows the page, in pixels: fonts are sized for
    // it, so the page keeps its proportions at every window size.
    void setFormSize(const QSize& size) { formSize_ = size; }

signals:
    void mouseReleased();
    void wheelTurned(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::vector<PageText> texts_;
    QSize formSize_;
};

// The small telephone in front of the heading's contact line.
class PhonePicture : public QWidget {
    Q_OBJECT
public:
    explicit PhonePicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Paints the page's texts into a device of pixel size `page` that belongs to
// a form of pixel size `form` (the page is 97.5 % of the form's width and 6
// times its height).
void PaintResultsPage(QPainter& painter, const QSizeF& page, const QSizeF& form, const std::vector<PageText>& texts);
// Where PaintResultsPage puts a text, in the page's pixels, and where its
// tab column lies (the left edge of column 56 for the label column's limit).
QRectF PageTextRect(const PageText& text, const QSizeF& page, const QSizeF& form);
double PageColumnX(const PageText& text, int column, const QSizeF& form);

class Step5Screen : public StepScreen {
    Q_OBJECT
public:
    Step5Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr);

    QString formName() const override { return QLatin1String(form::kStep5); }
    void applyMenus() override;
    // ShowResultsReport.
    void refresh() override;
    void setBlinking(bool on) override;

    // Clears and rewrites the page from the project, then refills the width list.
    void ShowResultsReport();

    // The page's texts as last written (also what is painted).
    const std::vector<PageText>& pageTexts() const;

    // The calculation details of the design shown (the main window's); a
    // width changed here is recorded into them. Null: the details view says
    // how they are recorded.
    void setDesignDetails(DesignDetails* details);
    // Shows the calculation details in place of the results page, or the
    // page again.
    void showDetails(bool on);
    bool detailsShown() const { return detailsShown_; }

    // Controls, by their names.
    ResultsPage* ContInfo = nullptr;
    QScrollBar* ScrollInfo = nullptr;
    LogoWidget* Logo = nullptr;
    PhonePicture* phone = nullptr;
    QPlainTextEdit* Remarks = nullptr;
    QLabel* BeltCode = nullptr;
    QComboBox* CambiaCinghia = nullptr;
    QTimer* Flash = nullptr;
    // "Calculation details" on the page's heading, and the view it shows.
    QPushButton* ShowDetails = nullptr;
    CalculationDetailsView* Details = nullptr;

    // The two colours the belt code blinks between.
    static QColor blinkDark() { return style::kBlinkDark; }
    static QColor blinkLight() { return style::kBlinkLight; }
    QColor beltCodeColour() const;

    // The event handlers, callable by tests as the user would trigger them.
    // The width chosen in CambiaCinghia: an entry of its list, or a typed
    // width confirmed with Enter.
    void CambiaCinghia_Choose(const QString& text);
    void ContInfo_MouseUp();
    void ScrollInfo_Change(int value);
    void Flash_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Resize();
    void setBeltCodeCaption();
    // CambiaCinghia shows its caption again, all of it selected.
    void showWidthCaption();
    void placePage();
    // ScrollInfo's maximum: the page scrolls as far as its content goes.
    void fitScrollRange();
    // Shows the results page or the details, as chosen.
    void showChosenView();

    DesignDetails* details_ = nullptr;
    bool detailsShown_ = false;
};

}  // namespace belt
