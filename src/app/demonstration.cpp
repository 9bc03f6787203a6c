#include "app/demonstration.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <string>

#include "app/aboutscreen.h"
#include "engine/pitchguide.h"
#include "engine/layouteditor.h"
#include "project/driveproject.h"
#include "project/formnames.h"
#include "screens/numericbox.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step4screen.h"
#include "screens/step5screen.h"
#include "units/units.h"

namespace belt {

// What one step of the script does, on the screen that is shown.
enum class DemoAct {
    ScrollAbout,     // the about page's top to value (screen units)
    LeaveAbout,      // closes the about page and shows STEP1, blinking
    ChooseTab,       // STEP1: the belt family tab number value
    ChooseProfile,   // STEP1: the profile picture number value
    ChooseDriver,    // STEP1: the driver class number value
    ChooseMachine,   // STEP1: the driven machine on line value of the list
    ChooseFactor,    // STEP1: the factor cell Tabella(value)
    GoOn,            // Go On; text answers its questions, in order: 'y' Yes, 'n' No; an input box keeps its proposal
    Type,            // types text into the box named box on form and presses Enter; the box keeps the focus
    Mark,            // STEP2: the operating point drawn at left value, top value2
    ChoosePitch,     // STEP2: the pitch label text
    ChooseDrive,     // the second Go On menu: value pulleys
    CheckIdler,      // STEP3: the idler box of pulley value
    Move,            // hides form and shows text
    Draw,            // STEP4: DRAW, the next belt path; text answers its questions, as for GoOn
    FitPulley,       // STEP4: a left click on pulley value, which moves it to the standard length
    Focus,           // the box named box on form takes the focus
    Remarks,         // STEP5: text typed as the remarks
    ScrollResults,   // STEP5: the results scrolled to value
    Reset,           // Resetta
    End,             // Demo ends; Loop Demo starts again with the about page
};

struct DemoStep {
    int step;
    DemoAct act;
    const char* form = nullptr;
    const char* box = nullptr;
    const char* text = nullptr;
    double value = 0;
    double value2 = 0;
};

// The script's answers: the questions it expects at a step, in order, and
// the proposal of every input box (the width). Anything else, a notice or a
// question it does not expect, is a surprise that ends the demonstration:
// the example no longer runs as it should.
class DemoAnswers : public Dialogs {
public:
    bool surprised = false;
    std::string surprise;

    // answers: 'y' Yes, 'n' No, in the order they come.
    void expect(const char* answers) {
        for (const char* a = answers ? answers : ""; *a; ++a) answers_.push_back(*a == 'y' ? MsgAnswer::Yes : MsgAnswer::No);
    }

    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon /*icon*/, MsgButtons buttons,
                      MsgAnswer defaultButton) override {
        if (buttons != MsgButtons::Ok && !answers_.empty()) {
            const MsgAnswer a = answers_.front();
            answers_.pop_front();
            return a;
        }
        note(title + ": " + text);
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : defaultButton;
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        // A proposal refused is asked for again: the second time, Cancel.
        if (++inputs_ > 1) {
            note(title + ": " + prompt);
            return {};
        }
        return defaultText;
    }
    void setBusy(bool /*busy*/) override {}

private:
    void note(const std::string& what) {
        if (!surprised) surprise = what;
        surprised = true;
    }

    std::deque<MsgAnswer> answers_;
    int inputs_ = 0;
};

namespace {

constexpr DemoStep Do(int step, DemoAct act, double value = 0) {
    return {step, act, nullptr, nullptr, nullptr, value};
}
constexpr DemoStep Say(int step, DemoAct act, const char* text) {
    return {step, act, nullptr, nullptr, text};
}
constexpr DemoStep TypeInto(int step, const char* form, const char* box, const char* text) {
    return {step, DemoAct::Type, form, box, text};
}
constexpr DemoStep FocusOn(int step, const char* form, const char* box) {
    return {step, DemoAct::Focus, form, box};
}
constexpr DemoStep MarkAt(int step, double left, double top) {
    return {step, DemoAct::Mark, nullptr, nullptr, nullptr, left, top};
}
constexpr DemoStep MoveFrom(int step, const char* from, const char* to) {
    return {step, DemoAct::Move, from, nullptr, to};
}

using enum DemoAct;
using form::kStep2;
using form::kStep3;
using form::kStep4;

// The script, in the units the program starts with. Steps 0 to 10 are
// played by Loop Demo only; Demo starts at step 11.
constexpr DemoStep kScript[] = {
    // The about page, scrolled a little further on every tick.
    Do(0, ScrollAbout, -97), Do(1, ScrollAbout, -190), Do(2, ScrollAbout, -285), Do(3, ScrollAbout, -360),
    Do(4, ScrollAbout, -410), Do(5, ScrollAbout, -479), Do(6, ScrollAbout, -549), Do(7, ScrollAbout, -619),
    Do(8, ScrollAbout, -679), Do(9, ScrollAbout, -749),
    Do(10, LeaveAbout),
    // STEP1: the ORVANTO T belt, a driver of the second class, the eighth
    // driven machine, 16-24 hours a day.
    Do(11, ChooseTab, 0),
    Do(12, ChooseProfile, 0),
    Do(13, ChooseDriver, 1),
    Do(14, ChooseMachine, 6),
    Do(15, ChooseFactor, 9),
    Say(16, GoOn, ""),
    // STEP2: 3.4 kW at 1200 rpm, the operating point on the chart; the T10
    // pitch and a drive of four pulleys.
    TypeInto(17, kStep2, "Dato0", "3.40"), MarkAt(17, 7, 47.6),
    TypeInto(18, kStep2, "Dato1", "1200"), MarkAt(18, 49, 47.6),
    Say(19, ChoosePitch, "T10"), Do(19, ChooseDrive, 4),
    // STEP3: 23 teeth on the driver pulley, pulley 2 an idler of 60 mm,
    // 40 and 61 teeth on pulleys 3 and 4.
    TypeInto(20, kStep3, "inputz1", "23"),
    Do(21, CheckIdler, 2), TypeInto(21, kStep3, "inputd2", "60"),
    TypeInto(22, kStep3, "inputz3", "40"),
    TypeInto(23, kStep3, "inputz4", "61"),
    MoveFrom(24, kStep3, kStep4),
    // STEP4: the pulleys placed, then the belt paths the layout allows,
    // in turn, and back to the second.
    TypeInto(25, kStep4, "Px2", "200.00"),
    TypeInto(26, kStep4, "Py2", "600.00"),
    TypeInto(27, kStep4, "Px3", "380.00"),
    TypeInto(28, kStep4, "Py3", "350.00"),
    TypeInto(29, kStep4, "Px4", "450.00"),
    TypeInto(30, kStep4, "Py4", "-100.00"),
    Say(31, Draw, "n"), Say(32, Draw, "n"), Say(33, Draw, "n"), Say(34, Draw, "n"),
    // Go On offers the standard lengths: no standard length, the longer of
    // the two lengths of whole teeth (2190 mm); the idler, moved up, gives
    // the layout that length.
    Say(35, GoOn, "nn"), Do(35, FitPulley, 2), FocusOn(35, kStep4, "Py2"),
    // Go On sizes the belt with the width proposed: the results.
    Say(36, GoOn, ""), Say(36, Remarks, "This is an example of VESTRANO BELT DRIVE Calculation"),
    Do(37, ScrollResults, 66), Do(38, ScrollResults, 151), Do(39, ScrollResults, 213),
    Do(40, ScrollResults, 300),
    Say(41, GoOn, ""),
    Do(42, Reset),
    Do(Demonstration::kLastStep, End),
};

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
    loopLevel_ = QThread::currentThread()->loopLevel();
    qApp->installEventFilter(this);
    window_.showMenus(MenuPlace::Demo);
    for (int q = 0; q < 8; ++q) {
        userUnits_[static_cast<std::size_t>(q)] = CurrentUnit(project_, q);
        ChooseUnit(project_, q, 1);
    }
    window_.ChangeUnit();
    timer_->start();
}

void Demonstration::restoreUnits() {
    for (int q = 0; q < 8; ++q) ChooseUnit(project_, q, userUnits_[static_cast<std::size_t>(q)]);
    window_.ChangeUnit();
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
    const bool running = project_.demoRunning != 0;
    timer_->stop();
    qApp->removeEventFilter(this);
    // Still marked running: Reset asks nothing.
    window_.Resetta();
    project_.demoRunning = 0;
    if (window_.aboutScreen().isVisible()) window_.aboutScreen().mClose_Click();
    window_.showMenus(MenuPlace::Cover);
    if (running) restoreUnits();
}

void Demonstration::finish() {
    project_.demoRunning = 0;
    timer_->stop();
    qApp->removeEventFilter(this);
    window_.showMenus(MenuPlace::Cover);
    restoreUnits();
}

void Demonstration::DemoFlash_Timer() {
    if (project_.demoRunning == 0) {
        timer_->stop();
        return;
    }
    // A step may reset the project and unload the screens: run inside a
    // dialog's loop it would pull the screens, boxes and dialogs whose code
    // waits on that loop from under them. The step comes on a later tick.
    if (anotherLoopRuns()) return;
    const int step = project_.demoStep;
    project_.demoStep = step + 1;
    // The screens' questions come to the script while it plays its step.
    DemoAnswers answers;
    window_.answerWith(&answers);
    for (const DemoStep& s : kScript)
        if (s.step == step) perform(s, answers);
    window_.answerWith(nullptr);
    if (answers.surprised) {
        qWarning("The demonstration stops at step %d: %s", step, answers.surprise.c_str());
        mStopDemo_Click();
    }
}

bool Demonstration::anotherLoopRuns() const {
    return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr ||
           QThread::currentThread()->loopLevel() > loopLevel_;
}

bool Demonstration::eventFilter(QObject* watched, QEvent* event) {
    bool input = false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            // What the script sends itself is not spontaneous.
            input = event->spontaneous();
            break;
        case QEvent::Shortcut:
            // A button's or a label's underlined letter.
            input = true;
            break;
        default:
            break;
    }
    if (input && project_.demoRunning != 0 && watched->isWidgetType() &&
        window_.playsOn(*static_cast<QWidget*>(watched)))
        return true;
    return QObject::eventFilter(watched, event);
}

void Demonstration::typeInto(const DemoStep& s) {
    StepScreen* screen = window_.loadedScreen(QLatin1String(s.form));
    NumericBox* box = screen ? screen->findChild<NumericBox*>(QLatin1String(s.box)) : nullptr;
    if (!box) return;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    box->insert(QString::fromLatin1(s.text));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(box, &enter);
    box->setFocus(Qt::OtherFocusReason);
}

void Demonstration::perform(const DemoStep& s, DemoAnswers& answers) {
    auto* step1 = qobject_cast<Step1Screen*>(window_.loadedScreen(QLatin1String(form::kStep1)));
    auto* step2 = qobject_cast<Step2Screen*>(window_.loadedScreen(QLatin1String(form::kStep2)));
    auto* step4 = qobject_cast<Step4Screen*>(window_.loadedScreen(QLatin1String(form::kStep4)));
    auto* step5 = qobject_cast<Step5Screen*>(window_.loadedScreen(QLatin1String(form::kStep5)));
    const int index = static_cast<int>(s.value);
    switch (s.act) {
        case ScrollAbout: {
            // Never past the end of the page: its texts and pictures are
            // this program's own, and its length follows them.
            AboutScreen& about = window_.aboutScreen();
            about.setPageTop(std::max(s.value, -double(about.ScrollInfo->maximum())));
            break;
        }
        case LeaveAbout:
            if (window_.aboutScreen().isVisible()) window_.aboutScreen().mClose_Click();
            if (StepScreen* screen = window_.showScreen(QLatin1String(form::kStep1))) screen->setBlinking(true);
            break;
        case ChooseTab:
            if (step1) step1->setBeltTypeTab(index);
            break;
        case ChooseProfile:
            if (step1) step1->SelectToothProfile(index);
            break;
        case ChooseDriver:
            if (step1) step1->setOptionDriver(index);
            break;
        case ChooseMachine:
            if (step1) step1->setProprietaListIndex(index);
            break;
        case ChooseFactor:
            if (step1) step1->Tabella_Click(index);
            break;
        case GoOn:
            answers.expect(s.text);
            window_.goOn(answers);
            break;
        case Type:
            typeInto(s);
            break;
        case Mark:
            if (step2) step2->placeIndicator(s.value, s.value2, 2, 3);
            break;
        case ChoosePitch:
            if (step2) step2->Scelta_Click(PitchButtonIndex(project_.beltType, s.text));
            break;
        case ChooseDrive:
            window_.chooseDriveConfiguration(index, 0, answers);
            break;
        case CheckIdler:
            if (StepScreen* screen = window_.loadedScreen(QLatin1String(form::kStep3)))
                if (auto* box = screen->findChild<QAbstractButton*>(QStringLiteral("checkidler%1").arg(index)))
                    box->click();
            break;
        case Move:
            if (StepScreen* from = window_.loadedScreen(QLatin1String(s.form))) from->setBlinking(false);
            window_.hideScreen(QLatin1String(s.form));
            window_.showScreen(QLatin1String(s.text));
            break;
        case Draw:
            answers.expect(s.text);
            if (step4) step4->Draw_Click();
            break;
        case FitPulley:
            answers.expect(s.text);
            if (step4) {
                step4->Layout_MouseMove(project_.pulleyPosition[kAxisX][static_cast<std::size_t>(index)],
                                        project_.pulleyPosition[kAxisY][static_cast<std::size_t>(index)]);
                step4->Layout_MouseUp(Qt::LeftButton);
            }
            break;
        case Focus:
            if (StepScreen* screen = window_.loadedScreen(QLatin1String(s.form)))
                if (auto* box = screen->findChild<NumericBox*>(QLatin1String(s.box))) box->setFocus(Qt::OtherFocusReason);
            break;
        case Remarks:
            if (step5) step5->Remarks->setPlainText(QString::fromLatin1(s.text));
            break;
        case ScrollResults:
            if (step5) step5->ScrollInfo->setValue(index);
            break;
        case Reset:
            window_.Resetta();
            break;
        case End:
            if (project_.demoRunning != 1) {
                project_.demoStep = 0;
                window_.aboutScreen().showModeless();
            } else {
                finish();
            }
            break;
    }
}

}  // namespace belt
