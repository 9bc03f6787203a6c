// STEP2, the belt pitch selection guide: the catalogue chart of the chosen
// profile group with its pitches as buttons on their regions, the data boxes
// (power and speed, or peripheral force), the blinking operating point and
// the recommended pitch.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <array>

#include "screens/clicklabel.h"
#include "screens/stepscreen.h"

class QPushButton;
class QTimer;

namespace belt {

class NumericBox;

// A pitch button (Scelta): a label that reports a click.
using PitchButton = ClickLabel;

// Indicatore: the operating-point marker, a filled shape.
class Indicator : public QWidget {
    Q_OBJECT
public:
    explicit Indicator(QWidget* parent = nullptr);
    QColor fillColor() const { return fill_; }
    void setFillColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

// Grafico: the chart of the project's profile group.
class PitchChartView : public QWidget {
    Q_OBJECT
public:
    PitchChartView(const DriveProject& project, QWidget* parent = nullptr);
    int chart() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DriveProject& project_;
};

class Step2Screen : public StepScreen {
    Q_OBJECT
public:
    Step2Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr);

    QString formName() const override { return QLatin1String(form::kStep2); }
    void applyMenus() override;
    // The Unit menu's redraw: ShowStep2Data.
    void refresh() override;
    void setBlinking(bool on) override;

    // Form_Resize: the whole layout from the project.
    void Form_Resize();
    void ShowStep2Data();
    void VisualizzaIndicatore();
    void Scelta_Click(int index);
    void Flash_Timer();
    // "Propose drives…": the proposal dialog; a chosen row selects its pitch
    // and opens step 3 (2 Pulleys, Centre Distance) with its data typed in.
    void proposeDrives();

    // The demonstration's pointer at the operating point it has typed.
    void placeIndicator(double left, double top, double width, double height);

    QLabel* titolo() const { return titolo_; }
    PitchButton* scelta(int i) const { return scelta_[static_cast<std::size_t>(i)]; }
    QLabel* nomeDato(int i) const { return nomeDato_[static_cast<std::size_t>(i)]; }
    NumericBox* dato(int i) const { return dato_[static_cast<std::size_t>(i)]; }
    Indicator* indicatore() const { return indicatore_; }
    PitchChartView* grafico() const { return grafico_; }
    QTimer* flash() const { return flash_; }
    // The hint under the data boxes while no pitch is chosen.
    QLabel* pitchHint() const { return pitchHint_; }
    QPushButton* proposeButton() const { return propose_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setTitolo(const QString& caption, int pointSize);
    void datoEntered(int index);
    void focusAfter(int index);
    void placePitchButtons();
    // Marks the chosen pitch's label; shows the hint while none is chosen.
    void showChosenPitch();

    QLabel* titolo_ = nullptr;
    PitchChartView* grafico_ = nullptr;
    Indicator* indicatore_ = nullptr;
    std::array<PitchButton*, 4> scelta_{};
    std::array<QLabel*, 4> nomeDato_{};
    std::array<NumericBox*, 3> dato_{};
    QTimer* flash_ = nullptr;
    QLabel* pitchHint_ = nullptr;
    static constexpr int kHintPoints = 10;
    QPushButton* propose_ = nullptr;
    static constexpr int kProposePoints = 11;
    static constexpr int kDataPoints = 11;  // the captions of the data boxes
    int buttonCount_ = 0;
    int titleSize_ = 18;  // the title's point size before fitting
};

}  // namespace belt
