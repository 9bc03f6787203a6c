#include <QLabel>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "screens/numericbox.h"
#include "screens/screenstyle.h"
#include "units/units.h"

using namespace belt;

class NumericBoxTest : public QObject {
    Q_OBJECT
private slots:
    void enterStoresInTheCurrentUnit_data();
    void enterStoresInTheCurrentUnit();
    void typingAloneStoresNothingAndShowsItIsPending();
    void rewriteFromTheModelClearsThePendingLook();
    void showValueUsesTheCurrentUnit();
    void singleTargets();
    void unboundBoxIgnoresEnter();
    void escapeRestoresTheAcceptedText();
    void screenRuleRunsBeforeTheValueShows();
    void focusedBoxShowsTheFocusFrame();
    void pendingTextIsReadableOnAnyColours();
    void captionReadsTheLabelsWithoutLeaders();
};

void NumericBoxTest::enterStoresInTheCurrentUnit_data() {
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("allowNegative");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");  // empty: taken without a word
    const QString positive = QStringLiteral("Please, insert positive values.");
    QTest::newRow("decimal comma in mm") << int(kLength) << 1 << "2,5" << false << 0.0025 << "2.50" << "";
    QTest::newRow("not a number") << int(kLength) << 1 << "abc" << false << 7.0 << "7000.00"
                                  << "Please, insert a number.";
    QTest::newRow("negative refused") << int(kLength) << 1 << "-3" << false << 7.0 << "7000.00" << positive;
    QTest::newRow("negative coordinate") << int(kLength) << 1 << "-3" << true << -0.003 << "-3.00" << "";
    QTest::newRow("force in kgf") << int(kForce) << 2 << "10" << false << 98.0665 << "10.00" << "";
    QTest::newRow("length in ft") << int(kLength) << 5 << "1" << false << 0.3048 << "1.00" << "";
    // Beyond a belt drive, or beyond a Double: refused, the old value kept.
    QTest::newRow("infinite centre distance")
        << int(kLength) << 1 << "1e400" << false << 7.0 << "7000.00" << "Please, insert values up to 100000 [mm].";
    QTest::newRow("absurd power in kW")
        << int(kPower) << 1 << "2e4" << false << 7.0 << "0.01" << "Please, insert values up to 10000 [kW].";
    QTest::newRow("coordinate beyond 100 m") << int(kLength) << 2 << "-101" << true << 7.0 << "7.00"
                                             << "Please, insert values between -100 and 100 [m].";
}

void NumericBoxTest::enterStoresInTheCurrentUnit() {
    QFETCH(int, quantity);
    QFETCH(int, unit);
    QFETCH(QString, typed);
    QFETCH(bool, allowNegative);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    DriveProject p;
    InitUnitTables(p);
    ChooseUnit(p, quantity, unit);
    ScriptedDialogs d;
    double target = 7;
    NumericBox box(p, d);
    box.bind(&target, quantity, "###0.00", allowNegative);
    QSignalSpy accepted(&box, &NumericBox::accepted);
    QTest::keyClicks(&box, typed);
    QTest::keyClick(&box, Qt::Key_Return);
    QVERIFY(qAbs(target - stored) < 1e-9);
    QCOMPARE(box.text(), shown);
    // A refused value is no entry: the old one stands, selected for the
    // correction, and the screen does not move on.
    QCOMPARE(accepted.count(), message.isEmpty() ? 1 : 0);
    if (!message.isEmpty()) QCOMPARE(box.selectedText(), shown);
    QCOMPARE(d.seen.size(), std::size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty()) {
        QCOMPARE(QString::fromStdString(d.seen[0].text), message);
        QCOMPARE(d.seen[0].title, std::string("Warning"));
    }
}

void NumericBoxTest::typingAloneStoresNothingAndShowsItIsPending() {
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    NumericBox box(p, d);
    box.bind(&p.power, kPower, "###0.00");
    box.showValue();
    const QColor normalBase = box.palette().color(QPalette::Base);
    QSignalSpy accepted(&box, &NumericBox::accepted);

    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "12");
    QTest::keyClick(&box, Qt::Key_Tab);  // leaving the box does not take the value
    QCOMPARE(p.power, 0.0);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(box.isPending());
    QVERIFY(box.font().italic());
    QVERIFY(box.palette().color(QPalette::Base) != normalBase);

    QTest::keyClick(&box, Qt::Key_Enter);  // the keypad's Enter counts too
    QCOMPARE(p.power, 12000.0);
    QCOMPARE(box.text(), QString("12.00"));
    QVERIFY(!box.isPending());
    QVERIFY(!box.font().italic());
    QCOMPARE(box.palette().color(QPalette::Base), normalBase);
    QCOMPARE(accepted.count(), 1);
    // Disabled later (step 1's input modes), the box looks disabled: once
    // the confirmed entry left it white.
    NumericBox untouched(p, d);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text})
        QCOMPARE(box.palette().color(QPalette::Disabled, role),
                 untouched.palette().color(QPalette::Disabled, role));
}

void NumericBoxTest::rewriteFromTheModelClearsThePendingLook() {
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    NumericBox box(p, d);
    box.bind(&p.beltSpeed, kVelocity, "###0.00");
    QTest::keyClicks(&box, "3");
    QVERIFY(box.isPending());
    p.beltSpeed = 2;
    box.showValue();
    QCOMPARE(box.text(), QString("2.00"));
    QVERIFY(!box.isPending());
    QVERIFY(!box.font().italic());
    QCOMPARE(p.beltSpeed, 2.0);
}

void NumericBoxTest::showValueUsesTheCurrentUnit() {
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    NumericBox box(p, d);
    p.centreDistance = 1;
    box.bind(&p.centreDistance, kLength, "###0.00");
    ChooseUnit(p, kLength, 5);  // ft
    box.showValue();
    QCOMPARE(box.text(), QString("3.28"));
    p.pulleySpeed[1] = 1;
    box.bind(&p.pulleySpeed[1], kAngularVelocity, "###0.0");
    box.showValue();  // rpm
    QCOMPARE(box.text(), QString("9.5"));
}

void NumericBoxTest::singleTargets() {
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    NumericBox box(p, d);
    box.bind(&p.loadFactor, kPlainNumber, "###0.0");
    QTest::keyClicks(&box, "1,4");
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(p.loadFactor, 1.4f);
    QCOMPARE(box.text(), QString("1.4"));

    // 1e30 once showed as a thirty-one digit load factor, 1e39 as infinity.
    for (const char* typed : {"1e30", "1e39"}) {
        box.selectAll();
        QTest::keyClicks(&box, typed);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(p.loadFactor, 1.4f);
        QCOMPARE(box.text(), QString("1.4"));
    }
    QCOMPARE(d.messageTexts(), std::vector<std::string>(2, "Please, insert values up to 100."));
}

void NumericBoxTest::unboundBoxIgnoresEnter() {
    DriveProject p;
    ScriptedDialogs d;
    NumericBox box(p, d);
    QSignalSpy accepted(&box, &NumericBox::accepted);
    QTest::keyClicks(&box, "5");
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), QString("5"));
    QCOMPARE(accepted.count(), 0);
}

void NumericBoxTest::escapeRestoresTheAcceptedText() {
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    NumericBox box(p, d);
    box.bind(&p.centreDistance, kLength, "###0.00");
    QTest::keyClicks(&box, "388.7");
    QTest::keyClick(&box, Qt::Key_Return);

    box.selectAll();
    QTest::keyClicks(&box, "500");
    QVERIFY(box.isPending());
    QTest::keyClick(&box, Qt::Key_Escape);
    QCOMPARE(box.text(), QString("388.70"));
    QVERIFY(!box.isPending());
    QVERIFY(!box.font().italic());
    QCOMPARE(p.centreDistance, 0.3887);

    // Typed back to what it showed, the box has nothing left to confirm.
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QVERIFY(box.isPending());
    QTest::keyClicks(&box, "0");
    QVERIFY(!box.isPending());

    // A rewrite from the model is the new text Esc comes back to.
    p.centreDistance = 0.4;
    box.showValue();
    box.selectAll();
    QTest::keyClicks(&box, "7");
    QTest::keyClick(&box, Qt::Key_Escape);
    QCOMPARE(box.text(), QString("400.00"));
}

// The box shows what was typed until the screen's rule has spoken: a value
// the rule refuses never stands in the box, not while its message is up.
void NumericBoxTest::screenRuleRunsBeforeTheValueShows() {
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    NumericBox box(p, d);
    double slope = 30;
    box.bind(&slope, kPlainNumber, "####0", false, kNoEntryLimit);
    QStringList shown;
    connect(&box, &QLineEdit::textChanged, &box, [&shown](const QString& t) { shown << t; });
    QStringList seenByRule;
    box.setEntryRule([&](const QString& text) -> std::optional<QString> {
        seenByRule << box.text() + " -> " + text;
        if (slope > 180) return std::nullopt;
        return text;
    });
    QTest::keyClicks(&box, "1e400");
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(seenByRule, QStringList({"1e400 -> 2E+308"}));
    // Refused by the rule, the value before the Enter is back, selected.
    QCOMPARE(slope, 30.0);
    QCOMPARE(box.text(), QString("30"));
    QCOMPARE(box.selectedText(), QString("30"));
    QVERIFY(!shown.contains("2E+308"));
    // A refusal of the entry rule leaves the screen's rule out, and so does
    // Enter on the value shown.
    for (const char* typed : {"abc", "30"}) {
        box.selectAll();
        QTest::keyClicks(&box, typed);
        QTest::keyClick(&box, Qt::Key_Return);
    }
    QCOMPARE(seenByRule.size(), 1);
    QCOMPARE(box.text(), QString("30"));
    QCOMPARE(d.messageTexts(), std::vector<std::string>({"Please, insert a number."}));
}

void NumericBoxTest::focusedBoxShowsTheFocusFrame() {
    DriveProject p;
    ScriptedDialogs d;
    NumericBox box(p, d);
    box.resize(120, 30);
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    const auto framed = [&box] {
        const QImage shot = box.grab().toImage();
        return shot.pixelColor(1, shot.height() / 2) == style::kFocusFrame &&
               shot.pixelColor(shot.width() / 2, 1) == style::kFocusFrame;
    };
    box.setFocus();
    QVERIFY(box.hasFocus());
    QVERIFY(framed());
    box.clearFocus();
    QVERIFY(!framed());
}

void NumericBoxTest::pendingTextIsReadableOnAnyColours() {
    // The load factor box of step 1: yellow on dark blue, blinking.
    DriveProject p;
    ScriptedDialogs d;
    NumericBox box(p, d);
    box.bind(&p.loadFactor, kPlainNumber, "###0.0");
    QPalette pal = box.palette();
    pal.setColor(QPalette::Base, style::kBackground.darker(130));
    pal.setColor(QPalette::Text, style::kYellow);
    box.setPalette(pal);

    QTest::keyClicks(&box, "1.4");
    QCOMPARE(box.palette().color(QPalette::Text), style::kPendingText);
    QCOMPARE(box.palette().color(QPalette::Base), style::kPendingBase);
    // WCAG contrast of the pending look: well above the 4.5 of normal text.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    QVERIFY((luminance(style::kPendingBase) + 0.05) / (luminance(style::kPendingText) + 0.05) > 7);

    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.palette().color(QPalette::Text), style::kYellow);
    QCOMPARE(box.palette().color(QPalette::Base), style::kBackground.darker(130));
}

void NumericBoxTest::captionReadsTheLabelsWithoutLeaders() {
    DriveProject p;
    ScriptedDialogs d;
    NumericBox box(p, d);
    QCOMPARE(box.caption(), QString());
    box.setCaption("Stroke");
    QCOMPARE(box.caption(), QString("Stroke"));

    QLabel panel("Driver Pulley");
    QLabel row("Slope..........................[degrees]");
    box.setCaptionLabels({&panel, &row});
    QCOMPARE(box.caption(), QString("Driver Pulley, Slope [degrees]"));
    row.setText("R.P.M. [rpm]:");  // the caption follows the label's unit
    QCOMPARE(box.caption(), QString("Driver Pulley, R.P.M. [rpm]"));
}

QTEST_MAIN(NumericBoxTest)
#include "test_numericbox.moc"
