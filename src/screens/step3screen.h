// STEP3 "INPUT DATA": the pulley data. One panel per pulley (speed, teeth,
// pitch diameter, speed ratio, idler box) and panels for power, peripheral
// force, belt speed and the centre distance or belt length of a two-pulley
// drive. Every Enter hands the typed text to the pulley data engine, which
// keeps the values consistent; the screen shows what comes back.
#pragma once

#include <QString>
#include <array>

#include "engine/pulleydata.h"
#include "screens/stepscreen.h"

class QCheckBox;
class QFrame;
class QLabel;

namespace belt {

class NumericBox;

class Step3Screen : public StepScreen {
    Q_OBJECT
public:
    Step3Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent = nullptr);

    QString formName() const override { return QLatin1String(form::kStep3); }
    void applyMenus() override;
    // ShowPulleyData.
    void refresh() override;
    // After a cancelled standard length: the centre distance and belt length
    // boxes are read again and the focus goes to the power box.
    void rereadAfterCancelledLength() override;

    // Lays the screen out for the current belt and drive (Form_Resize): the
    // catalogue tables, title, visible panels, propagation, focus on Dato(5).
    void Form_Resize();
    // Rewrites every caption and box from the project.
    void ShowPulleyData();

    // The box a focus target names.
    NumericBox* box(Step3Box kind, int index) const;

    // Controls, indexed like the form's control arrays (unused elements null).
    std::array<QLabel*, 10> TitoloBox{};
    QLabel* Sottotitolo = nullptr;
    std::array<QFrame*, 10> Box{};
    std::array<QLabel*, 5> nomeinputn{};
    std::array<QLabel*, 5> nomeinputz{};
    std::array<QLabel*, 5> nomeinputd{};
    std::array<QLabel*, 5> nomeinputi{};
    std::array<NumericBox*, 5> inputn{};
    std::array<NumericBox*, 5> inputz{};
    std::array<NumericBox*, 5> inputd{};
    std::array<NumericBox*, 5> inputi{};
    std::array<QCheckBox*, 5> checkidler{};  // 2..4
    std::array<NumericBox*, 10> Dato{};      // 5..9

    void checkidler_Click(int k);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter(Step3Box kind, int index);
    void applyResponse(Step3Box kind, int index, const Step3Response& r);
    void moveFocus(const Step3Focus& focus);
    void placePanels();
    void applyEnabledStates();
    void fitCaptions();
};

}  // namespace belt
