// The keys that only move, scroll or leave, and the entries the program
// refuses, on real designs: neither may change the project. After every key
// the bytes Save would write are compared with those before it; after every
// refusal the project is as it was and the focus is back in the refused box.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "guitestsupport.h"
#include "catalogue/calculationtables.h"
#include "engine/designsequence.h"
#include "project/projectfile.h"
#include "screens/step1screen.h"
#include "screens/step3screen.h"
#include "screens/step5screen.h"

using namespace belt;

namespace {

// A design from tests/data opened as a user opens it, and shown on `form`:
// STEP1 as opened, STEP5 once the design sequence has run, the others as Go
// Back shows them.
struct OpenedDesign : belt::test::MainWindowFixture {
    MainWindow& w = *window;
    QTemporaryDir settings;
    bool ready = false;

    OpenedDesign(const QString& file, const QString& form) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.filePath("settings"));
        w.resize(1280, 960);
        w.show();
        w.finishCoverAnimation();
        w.mGoon_Click();  // START
        if (!w.fileCommands().openFile(QStringLiteral(BELT_TEST_DATA_DIR "/") + file)) return;
        if (form == QLatin1String("STEP5")) {
            // The shorter standard length and the proposed width.
            LoadCalculationTables(project);
            dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
            dialogs.acceptInputDefaults = true;
            if (GoOnFromStep3(project, dialogs) != NextStep::ShowStep5) return;
            dialogs.answers.clear();
            dialogs.acceptInputDefaults = false;
        }
        if (form != QLatin1String("STEP1")) w.showScreen(form);
        w.activateWindow();
        ready = QTest::qWaitForWindowActive(&w) && w.activeFormName() == form;
        if (!ready) {
            qWarning("on %s instead of %s", qPrintable(w.activeFormName()), qPrintable(form));
            for (const std::string& t : dialogs.messageTexts()) qWarning("  said: %s", t.c_str());
        }
        dialogs.seen.clear();
    }

    std::string saved() const { return ProjectFile::write(project, w.activeFormName().toStdString()); }
};

// The boxes, lists and entry boxes a user reaches on the screen.
QList<QWidget*> EntryWidgets(QWidget* screen) {
    QList<QWidget*> found;
    for (QWidget* child : screen->findChildren<QWidget*>()) {
        if (!child->isVisible() || !child->isEnabled() || child->focusPolicy() == Qt::NoFocus) continue;
        // A list box's own edit line and popup are the list box's.
        if (qobject_cast<QComboBox*>(child->parentWidget())) continue;
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
            qobject_cast<QAbstractItemView*>(child) || qobject_cast<QPlainTextEdit*>(child))
            found << child;
    }
    return found;
}

QString NameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

struct Key {
    const char* name;
    Qt::Key key;  // Qt::Key_unknown: a turn of the mouse wheel
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

const Key kKeys[] = {
    {"Tab", Qt::Key_Tab},        {"Shift+Tab", Qt::Key_Tab, Qt::ShiftModifier},
    {"Page Up", Qt::Key_PageUp}, {"Page Down", Qt::Key_PageDown},
    {"Home", Qt::Key_Home},      {"End", Qt::Key_End},
    {"Up", Qt::Key_Up},          {"Down", Qt::Key_Down},
    {"Enter", Qt::Key_Return},   {"Escape", Qt::Key_Escape},
    {"wheel", Qt::Key_unknown},
};

void Wheel(QWidget* w, int steps) {
    const QPointF at = QRectF(w->rect()).center();
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

}  // namespace

class TestEntryKeys : public QObject {
    Q_OBJECT
private slots:
    void keysThatDoNotEditChangeNoDesign_data();
    void keysThatDoNotEditChangeNoDesign();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void enterOnAShownValueKeepsItsPrecision_data();
    void enterOnAShownValueKeepsItsPrecision();
};

void TestEntryKeys::keysThatDoNotEditChangeNoDesign_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("form");
    QTest::newRow("timing, two pulleys, step 3") << "two-pulley-design.dat"
                                                 << "STEP3";
    QTest::newRow("timing, two pulleys, step 5") << "two-pulley-design.dat"
                                                 << "STEP5";
    QTest::newRow("QUINDEL, step 5") << "quindel-design.dat"
                                     << "STEP5";
    QTest::newRow("SELKIRA open end, step 1") << "selkira-open-end.dat"
                                              << "STEP1";
    QTest::newRow("timing, two pulleys, step 2") << "two-pulley-design.dat"
                                                 << "STEP2";
    QTest::newRow("three pulleys with an idler, step 4") << "three-pulley-idler.dat"
                                                         << "STEP4";
}

void TestEntryKeys::keysThatDoNotEditChangeNoDesign() {
    QFETCH(QString, file);
    QFETCH(QString, form);
    OpenedDesign f(file, form);
    QVERIFY(f.ready);
    QWidget* screen = f.w.activeScreen();
    const QList<QWidget*> widgets = EntryWidgets(screen);
    QVERIFY(!widgets.isEmpty());

    QStringList faults;
    for (const QPointer<QWidget> target : widgets) {
        for (const Key& k : kKeys) {
            // Enter writes a line into a text of many lines: that is typing.
            if (k.key == Qt::Key_Return && qobject_cast<QPlainTextEdit*>(target.data())) continue;
            if (!target || !target->isVisible() || !target->isEnabled()) break;
            target->setFocus(Qt::OtherFocusReason);
            const std::string before = f.saved();
            const std::size_t dialogs = f.dialogs.seen.size();
            if (k.key == Qt::Key_unknown)
                Wheel(target, -1);
            else
                QTest::keyClick(target, k.key, k.modifiers);
            QCoreApplication::processEvents();
            const QString where = NameOf(target) + ": " + QLatin1String(k.name);
            if (f.saved() != before) faults << where + " changed the design";
            if (f.dialogs.seen.size() != dialogs)
                faults << where + " showed \"" + QString::fromStdString(f.dialogs.seen.back().text) + "\"";
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("\n"))));
}

void TestEntryKeys::refusalsChangeNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString positive = QStringLiteral("Please, insert positive values.");
    const QString number = QStringLiteral("Please, insert a number.");
    const QString slope = QStringLiteral("Slope must be included between 0\u00B0 and 180\u00B0.");
    QTest::newRow("teeth too few for the table")
        << "two-pulley-design.dat"
        << "STEP3"
        << "inputz1"
        << "0"
        << "Requested teeth number for driver pulley is too small !\r"
           "Change n or belt speed.";
    QTest::newRow("teeth too many for the table")
        << "two-pulley-design.dat"
        << "STEP3"
        << "inputz2"
        << "900"
        << "Requested teeth number for driven pulley is too large !\r"
           "Change n or belt speed.";
    QTest::newRow("diameter too small for the table")
        << "two-pulley-design.dat"
        << "STEP3"
        << "inputd1"
        << "1"
        << "Requested teeth number for driver pulley is too small !\r"
           "Change n or belt speed.";
    QTest::newRow("negative centre distance") << "two-pulley-design.dat"
                                              << "STEP3"
                                              << "Dato8"
                                              << "-5" << positive;
    QTest::newRow("negative speed") << "two-pulley-design.dat"
                                    << "STEP3"
                                    << "inputn1"
                                    << "-1450" << positive;
    QTest::newRow("letters for the power") << "two-pulley-design.dat"
                                           << "STEP3"
                                           << "Dato5"
                                           << "abc" << number;
    QTest::newRow("power beyond the limit") << "two-pulley-design.dat"
                                            << "STEP3"
                                            << "Dato5"
                                            << "1e9"
                                            << "Please, insert values up to 10000 [kW].";
    QTest::newRow("negative ratio") << "two-pulley-design.dat"
                                    << "STEP3"
                                    << "inputi2"
                                    << "-2" << positive;
    QTest::newRow("slope beyond 180") << "selkira-open-end.dat"
                                      << "STEP1"
                                      << "Dati0"
                                      << "200" << slope;
    QTest::newRow("negative slope") << "selkira-open-end.dat"
                                    << "STEP1"
                                    << "Dati0"
                                    << "-30" << positive;
    QTest::newRow("negative stroke") << "selkira-open-end.dat"
                                     << "STEP1"
                                     << "Dati10"
                                     << "-100" << positive;
    QTest::newRow("letters for the mass") << "selkira-open-end.dat"
                                          << "STEP1"
                                          << "Dati5"
                                          << "x" << number;
    QTest::newRow("negative power, step 2") << "two-pulley-design.dat"
                                            << "STEP2"
                                            << "Dato0"
                                            << "-2" << positive;
    QTest::newRow("letters for the speed, step 2") << "two-pulley-design.dat"
                                                   << "STEP2"
                                                   << "Dato1"
                                                   << "n" << number;
    QTest::newRow("coordinate beyond 100 m, step 4")
        << "three-pulley-idler.dat"
        << "STEP4"
        << "Px2"
        << "1e6"
        << "Please, insert values between -100000 and 100000 [mm].";
}

void TestEntryKeys::refusalsChangeNothing() {
    QFETCH(QString, file);
    QFETCH(QString, form);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    OpenedDesign f(file, form);
    QVERIFY(f.ready);
    auto* entry = f.w.activeScreen()->findChild<NumericBox*>(box);
    QVERIFY(entry && entry->isVisible() && entry->isEnabled());
    const QString shown = entry->text();
    const std::string before = f.saved();

    belt::test::EnterText(entry, typed);

    QCOMPARE(f.dialogs.messageTexts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(f.saved(), before);
    // The user corrects the value where it was refused: the old one is
    // there, selected, so that typing replaces it.
    QCOMPARE(entry->text(), shown);
    QCOMPARE(QApplication::focusWidget(), entry);
    QCOMPARE(entry->selectedText(), shown);
    QVERIFY(!entry->isPending());
}

void TestEntryKeys::enterOnAShownValueKeepsItsPrecision_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("retyped");
    for (const char* box : {"Dato5", "Dato6", "Dato7", "Dato8", "inputn1", "inputz1", "inputd1", "inputn2",
                            "inputz2", "inputd2", "inputi2"}) {
        QTest::addRow("step 3 %s left", box) << "two-pulley-design.dat"
                                             << "STEP3" << box << false;
        QTest::addRow("step 3 %s retyped", box) << "two-pulley-design.dat"
                                                << "STEP3" << box << true;
    }
    for (const char* box : {"Dati0", "Dati1", "Dati2", "Dati3", "Dati4", "Dati5", "Dati9", "Dati10"})
        QTest::addRow("step 1 %s retyped", box) << "selkira-open-end.dat"
                                                << "STEP1" << box << true;
}

void TestEntryKeys::enterOnAShownValueKeepsItsPrecision() {
    QFETCH(QString, file);
    QFETCH(QString, form);
    QFETCH(QString, box);
    QFETCH(bool, retyped);
    OpenedDesign f(file, form);
    QVERIFY(f.ready);
    auto* entry = f.w.activeScreen()->findChild<NumericBox*>(box);
    QVERIFY(entry);
    if (!entry->isEnabled()) QSKIP("the box takes no input in this drive");
    const QString shown = entry->text();
    const std::string before = f.saved();
    if (retyped) {
        belt::test::EnterText(entry, shown);
    } else {
        entry->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    QCOMPARE(f.saved(), before);
    QVERIFY(f.dialogs.seen.empty());
    // And the focus moves on, as after a new value.
    QVERIFY(QApplication::focusWidget() != entry);
}

QTEST_MAIN(TestEntryKeys)
#include "test_entrykeys.moc"
