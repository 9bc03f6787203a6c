#include "app/demonstration.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <array>

#include "app/aboutscreen.h"
#include "engine/beltpaths.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "project/formnames.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step3screen.h"
#include "screens/step4screen.h"
#include "screens/step5screen.h"

namespace belt {

namespace {

// Steps 0 to 9: where the about page's top stands, in the screen's units.
constexpr std::array<double, 10> kAboutPageTops = {-97, -190, -285, -360, -410, -479, -549, -619, -679, -749};
// Steps 37 to 40: how far the results page is scrolled.
constexpr std::array<int, 4> kResultsScroll = {66, 151, 213, 300};

// The operating time picked at step 15: navy with yellow figures, as the
// project keeps colours (r + 256 g + 65536 b).
constexpr int kChosenCellBack = 128 * 65536;
constexpr int kChosenCellFore = 255 + 255 * 256;

// The example: 1200 rpm on a 23-tooth T10 pulley, 3.4 kW.
constexpr double kDriverSpeed = 125.66370616;  // rad/s
constexpr double kDemoPower = 3400;                // W
// Y of pulley 2 at which the layout has a standard length.
constexpr double kPulley2AtStandardLength = 0.600055668906588;

const char* const kRemarks = "This is an example of VESTRANO BELT DRIVE Calculation";

template <typename Screen>
Screen* loaded(DemonstrationHost& w, const char* form) {
    return qobject_cast<Screen*>(w.loadedScreen(QString::fromLatin1(form)));
}

// The script types into the boxes as a user would, without pressing Enter:
// the values themselves are set in the project.
void typeInto(NumericBox* box, const char* text, bool focus = false) {
    if (!box) return;
    if (focus) box->setFocus(Qt::OtherFocusReason);
    box->setText(QString::fromLatin1(text));
}

void setBelt(DriveProject& p) {
    p.beltFamily = "ORVANTO";
    p.beltPitchCode = "T10";
    p.beltName = "ORVANTO T10";
    p.beltSuffixAvailable = "DL";
}

void setDriverPulley(DriveProject& p) {
    p.power = kDemoPower;
    p.pulleySpeed[1] = kDriverSpeed;
    p.pulleyTeeth[1] = 23;
    p.pulleyDiameter[1] = 0.23 / kPi;
    p.beltSpeed = p.pulleyDiameter[1] * p.pulleySpeed[1] / 2;
    p.peripheralForce = p.power / p.beltSpeed;
}

void setPulley4(DriveProject& p) {
    p.pulleySpeed[4] = 2890.26524168 / 61;
    p.pulleyTeeth[4] = 61;
    p.pulleyDiameter[4] = 0.61 / kPi;
    p.pulleyRatio[4] = 61.0 / 23;
}

void placePulleys(DriveProject& p, double pulley2Y) {
    p.pulleyPosition[0][2] = 0.2;
    p.pulleyPosition[1][2] = pulley2Y;
    p.pulleyPosition[0][3] = 0.38;
    p.pulleyPosition[1][3] = 0.35;
    p.pulleyPosition[0][4] = 0.45;
    p.pulleyPosition[1][4] = -0.1;
}

// Step 36: the layout the script has placed, designed as Go On designs it,
// with the questions answered as the example implies: the second belt path,
// no double-sided belt, the length rounded to whole teeth (the longer of the
// two, 2190 mm) and the proposed width, its details kept in details. True
// when the results are there.
bool designTheExample(DriveProject& p, DesignDetails& details) {
    ScriptedDialogs scripted;
    scripted.answers = {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No};
    scripted.acceptInputDefaults = true;
    RecordingDialogs answers(scripted, details);
    try {
        placePulleys(p, kPulley2AtStandardLength);
        ComputeBeltPaths(p);
        // DRAW from the first path shows the second.
        p.beltPathTable[0][1] = 1;
        NextBeltPath(p, answers);
        MarkLayoutDrawn(p);
        // Go On takes the standard length; pulley 2, moved up or down as a
        // left click on it moves it, gives the layout exactly that length;
        // Go On then sizes the belt.
        for (int pass = 0; pass < 3; ++pass) {
            const NextStep next = GoOnFromStep4(p, answers);
            if (next == NextStep::ShowStep5) return true;
            if (next != NextStep::ShowAdjustHint) return false;
            if (p.layoutNeedsAdjust != 0 && !AdjustPulley(p, answers, 2, kAxisY)) return false;
        }
    } catch (const UnexpectedDialog&) {
        // A question the example does not expect: no results to show.
    }
    return false;
}

}  // namespace

Demonstration::Demonstration(DemonstrationHost& window, DriveProject& project, QObject* parent)
    : QObject(parent), window_(window), project_(project) {
    setObjectName(QStringLiteral("Demonstration"));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("DemoFlash"));
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &Demonstration::DemoFlash_Timer);
}

void Demonstration::start(int firstStep, int mode) {
    project_.demoStep = firstStep;
    project_.demoRunning = mode;
    window_.showMenus(MenuPlace::Demo);
    timer_->start();
}

void Demonstration::mDemo_Click() {
    if (project_.demoRunning != 0 || !window_.resetProject()) return;
    start(11, 1);
    if (StepScreen* s = window_.showScreen(QLatin1String(form::kStep1))) s->setBlinking(true);
}

void Demonstration::mLoopDemo_Click() {
    if (project_.demoRunning != 0 || !window_.resetProject()) return;
    start(0, 2);
    window_.aboutScreen().showModeless();
}

void Demonstration::mStopDemo_Click() {
    timer_->stop();
    // Still marked running: Reset asks nothing.
    window_.Resetta();
    project_.demoRunning = 0;
    if (window_.aboutScreen().isVisible()) window_.aboutScreen().mClose_Click();
    window_.showMenus(MenuPlace::Cover);
}

void Demonstration::finish() {
    project_.demoRunning = 0;
    timer_->stop();
    window_.showMenus(MenuPlace::Cover);
}

void Demonstration::DemoFlash_Timer() {
    if (project_.demoRunning == 0) {
        timer_->stop();
        return;
    }
    const int step = project_.demoStep;
    project_.demoStep = step + 1;
    performStep(step);
}

void Demonstration::performStep(int step) {
    DriveProject& p = project_;
    DemonstrationHost& w = window_;
    auto blink = [&w](const char* form, bool on) {
        if (StepScreen* s = w.loadedScreen(QString::fromLatin1(form))) s->setBlinking(on);
    };
    auto move = [&w, &blink](const char* from, const char* to) {
        blink(from, false);
        w.hideScreen(QString::fromLatin1(from));
        w.showScreen(QString::fromLatin1(to));
    };
    auto* step1 = loaded<Step1Screen>(w, form::kStep1);
    auto* step2 = loaded<Step2Screen>(w, form::kStep2);
    auto* step3 = loaded<Step3Screen>(w, form::kStep3);
    auto* step4 = loaded<Step4Screen>(w, form::kStep4);
    auto drawLayout = [&p, step4] {
        MarkLayoutDrawn(p);
        if (step4) step4->refresh();
    };

    if (step >= 0 && step <= 9) {
        // Never past the end of the page: its texts and pictures are this
        // program's own, and its length follows them.
        AboutScreen& about = w.aboutScreen();
        const double top = kAboutPageTops[static_cast<std::size_t>(step)];
        about.setPageTop(std::max(top, -double(about.ScrollInfo->maximum())));
        return;
    }
    switch (step) {
        case 10:
            if (w.aboutScreen().isVisible()) w.aboutScreen().mClose_Click();
            w.showScreen(QLatin1String(form::kStep1));
            blink(form::kStep1, true);
            break;
        case 11:
            if (step1) step1->setBeltTypeTab(0);
            break;
        case 12:
            if (step1) step1->SelectToothProfile(0);
            break;
        case 13:
            if (step1) step1->setOptionDriver(1);
            break;
        case 14:
            if (step1) step1->setProprietaListIndex(6);
            break;
        case 15:
            if (step1) step1->setTabellaColours(9, kChosenCellBack, kChosenCellFore);
            p.loadFactorSecond = 0.2F;
            break;
        case 16:
            move(form::kStep1, form::kStep2);
            break;
        case 17:
            blink(form::kStep2, true);
            p.power = kDemoPower;
            if (step2) {
                step2->typeIntoDato(0, QStringLiteral("3.40"));
                step2->placeIndicator(7, 47.6, 2, 3);
            }
            break;
        case 18:
            p.pulleySpeed[1] = kDriverSpeed;
            if (step2) {
                step2->typeIntoDato(1, QStringLiteral("1200"));
                step2->placeIndicator(49, 47.6, 2, 3);
                step2->setTitolo(QStringLiteral("Belt pitch selection guide: ORVANTO T10"), 18);
            }
            p.beltPitch = 0.01;
            p.pulleyCount = 4;
            setBelt(p);
            break;
        case 19:
            setBelt(p);
            move(form::kStep2, form::kStep3);
            setDriverPulley(p);
            break;
        case 20:
            p.pulleyRatio[1] = 1;
            if (step3) {
                typeInto(step3->inputz[1], "23", true);
                typeInto(step3->inputd[1], "73.21");
                typeInto(step3->inputi[1], "1.0");
                typeInto(step3->Dato[6], "739.13");
                typeInto(step3->Dato[7], "4.60");
            }
            break;
        case 21:
            if (step3 && step3->checkidler[2]) {
                step3->checkidler[2]->setChecked(true);
                step3->checkidler_Click(2);
                step3->inputd[2]->setFocus(Qt::OtherFocusReason);
            }
            p.pulleyDiameter[2] = 0.06;
            break;
        case 22:
            p.pulleySpeed[3] = 72.256631042;  // 690 rpm
            p.pulleyDiameter[3] = 0.4 / kPi;
            p.pulleyTeeth[3] = 40;
            p.pulleyRatio[3] = 40.0 / 23;
            setPulley4(p);
            if (step3) {
                typeInto(step3->inputz[3], "40", true);
                typeInto(step3->inputn[3], "690.0");
                typeInto(step3->inputd[3], "127.32");
                typeInto(step3->inputi[3], "1.7");
            }
            break;
        case 23:
            if (step3) {
                typeInto(step3->inputz[4], "61", true);
                typeInto(step3->inputn[4], "452.5");
                typeInto(step3->inputd[4], "194.17");
                typeInto(step3->inputi[4], "2.7");
            }
            break;
        case 24:
            setDriverPulley(p);
            setPulley4(p);
            p.pulleyMaxBore[1] = 0.06;
            p.pulleyMaxBore[3] = 0.11;
            p.pulleyMaxBore[4] = 0.164;
            p.pulleyOutsideDiameter[1] = 0.07135;
            p.pulleyOutsideDiameter[3] = 0.12545;
            p.pulleyOutsideDiameter[4] = 0.1923;
            p.pulleyFlangeDiameter[1] = 0.076;
            p.pulleyFlangeDiameter[3] = 0.131;
            p.pulleyFlangeDiameter[4] = 0.198;
            move(form::kStep3, form::kStep4);
            break;
        case 25:
        case 26:
        case 27:
        case 28:
        case 29:
        case 30: {
            // Px(2), Py(2), Px(3), Py(3), Px(4), Py(4).
            static const char* const texts[] = {"200.00", "600.00", "380.00", "350.00", "450.00", "-100.00"};
            const int i = step - 25;
            const auto k = static_cast<std::size_t>(2 + i / 2);
            if (step4) typeInto(i % 2 == 0 ? step4->Px[k] : step4->Py[k], texts[i], true);
            if (step == 30) placePulleys(p, 0.6);
            break;
        }
        case 31:
            ComputeBeltPaths(p);
            p.beltPathTable[0][1] = 1;
            drawLayout();
            break;
        case 32:
        case 33:
        case 34:
            // The other path and back: the alternatives the layout allows.
            p.beltPathTable[0][1] = step == 33 ? 1 : 2;
            drawLayout();
            break;
        case 35:
            p.pulleyPosition[1][2] = kPulley2AtStandardLength;
            if (step4) typeInto(step4->Py[2], "600.06", true);
            break;
        case 36:
            designTheExample(p, w.designDetails());
            w.hideScreen(QLatin1String(form::kStep4));
            p.screen.remarks = kRemarks;
            w.showScreen(QLatin1String(form::kStep5));
            blink(form::kStep5, true);
            break;
        case 37:
        case 38:
        case 39:
        case 40:
            if (auto* step5 = loaded<Step5Screen>(w, form::kStep5))
                step5->ScrollInfo->setValue(kResultsScroll[static_cast<std::size_t>(step - 37)]);
            break;
        case 41:
            move(form::kStep5, form::kStep6);
            break;
        case 42:
            w.Resetta();
            break;
        case kLastStep:
            if (p.demoRunning != 1) {
                p.demoStep = 0;
                w.aboutScreen().showModeless();
            } else {
                finish();
            }
            break;
        default:
            break;
    }
}

}  // namespace belt
