// "Propose drives…" on step 2: the dialog's search, its refusals and empty
// table, its keys, and a chosen row walked on through step 3 to the results.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <optional>

#include "catalogue/calculationtables.h"
#include "engine/proposals.h"
#include "guitestsupport.h"
#include "screens/proposaldialog.h"

using namespace belt;
using belt::test::EnterText;

namespace {

// ORVANTO T on step 1, as the desktop program holds it after step 2.
DriveProject OrvantoT(double kw, double rpm) {
    DriveProject p;
    InitUnitTables(p);
    LoadStep1Tables(p);
    p.beltType = "ORVANTO T";
    p.beltFamily = "ORVANTO";
    p.power = kw * 1000;
    p.pulleySpeed[1] = rpm * 6.283185308 / 60;
    return p;
}

void Type(ProposalDialog& d, const char* ratio, const char* from, const char* to) {
    d.ratioBox()->setText(QString::fromLatin1(ratio));
    d.centreMinBox()->setText(QString::fromLatin1(from));
    d.centreMaxBox()->setText(QString::fromLatin1(to));
}

// A key pressed where the dialog has its focus.
void Press(ProposalDialog& d, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key(key), modifiers);
}

}  // namespace

class TestProposalDialog : public QObject {
    Q_OBJECT
private slots:
    void chosenRowLandsOnStep3AndGoOnReachesItsCode();
    void refusedValuesKeepTheTable();
    void dutyNoBeltCarriesSaysWhy();
    void noPowerNoDialog();
    void headingsAreWholeBeforeAndAfterASearch();
    void keysAloneSearchAndTakeARow();
    void escapeCancels();
};

void TestProposalDialog::chosenRowLandsOnStep3AndGoOnReachesItsCode() {
    belt::test::WizardWalk f;
    f.step1()->setBeltTypeTab(0);
    QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
    f.w.mGoon_Click();
    Step2Screen* s2 = f.step2();
    QVERIFY(s2);
    EnterText(s2->dato(0), "3.4");
    EnterText(s2->dato(1), "1200");
    QVERIFY(s2->proposeButton()->isVisible());
    QCOMPARE(s2->proposeButton()->text(), QStringLiteral("Propose drives\u2026"));

    std::optional<DriveProposal> chosen;
    QTimer::singleShot(0, [&chosen] {
        auto* d = qobject_cast<ProposalDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        // A failed check must not leave the dialog waiting for a user.
        const struct Closer {
            QDialog* d;
            ~Closer() {
                if (d->isVisible()) d->reject();
            }
        } closer{d};
        QVERIFY(!d->okButton()->isEnabled());
        Type(*d, "2", "300", "500");
        d->searchButton()->click();
        QVERIFY(d->table()->rowCount() > 0);
        QVERIFY(d->okButton()->isEnabled());
        // The most compact drive first, and the heading says so.
        const QString compact = QStringLiteral("Ranked: ") +
                                QString::fromUtf8(ProposalRankingText(ProposalRanking::Compact)) +
                                QLatin1Char('.');
        QCOMPARE(d->rankingBox()->currentText(), QStringLiteral("Most compact first"));
        QCOMPARE(d->rankingHeading()->text(), compact);
        QVERIFY(d->rankingHeading()->isVisible());
        const DriveProposal first = *d->selected();
        QCOMPARE(d->table()->item(0, 3)->text(), QString::fromStdString(first.beltCode));
        // The drive that takes the least room first, its envelope in the
        // table; belts off the shelf unless widths cut to measure are asked.
        QVERIFY(!d->anyWidthBox()->isChecked());
        QCOMPARE(d->table()->horizontalHeaderItem(14)->text(), QStringLiteral("Envelope [dm3]"));
        QCOMPARE(d->table()->item(0, 14)->text(), QString::number(first.envelope * 1000, 'f', 2));
        for (int row = 1; row < d->table()->rowCount(); ++row) {
            if (!d->table()->item(row, 16)->text().isEmpty()) break;
            QVERIFY(d->table()->item(row, 14)->text().toDouble() >= d->table()->item(row - 1, 14)->text().toDouble());
        }
        // The old rule, chosen in the dialog, ranks the rows found again.
        d->rankingBox()->setCurrentIndex(
            d->rankingBox()->findText(QStringLiteral("Least over-designed first")));
        QCOMPARE(d->rankingHeading()->text(),
                 QStringLiteral("Ranked: ") +
                     QString::fromUtf8(ProposalRankingText(ProposalRanking::Margin)) + QLatin1Char('.'));
        QCOMPARE(d->table()->item(0, 0)->text(), QStringLiteral("ORVANTO T10"));
        QCOMPARE(d->table()->item(0, 3)->text(), QStringLiteral("12 T10-1390"));
        QCOMPARE(d->table()->item(0, 12)->text(), QStringLiteral("1.21"));  // safety factor
        QCOMPARE(d->table()->item(0, 13)->text(), QStringLiteral("1.00"));  // margin
        QCOMPARE(d->table()->item(0, 15)->text(), QStringLiteral("standard, shorter, proposed width"));
        // A new search keeps the rule chosen.
        d->searchButton()->click();
        QCOMPARE(d->table()->item(0, 3)->text(), QStringLiteral("12 T10-1390"));
        chosen = *d->selected();
        d->okButton()->click();
    });
    QTest::mouseClick(s2->proposeButton(), Qt::LeftButton);
    QVERIFY(chosen);

    // Step 3 with the row's pulleys and the centre distance typed in.
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    QCOMPARE(f.project.beltName, chosen->beltName);
    QCOMPARE(f.project.pulleyCount, 2);
    Step3Screen* s3 = f.step3();
    QCOMPARE(s3->inputz[1]->text(), QString::number(chosen->teeth[0]));
    QCOMPARE(s3->inputz[2]->text(), QString::number(chosen->teeth[1]));
    QCOMPARE(s3->inputn[1]->text(), QStringLiteral("1200.0"));
    QCOMPARE(s3->inputi[2]->text(), QStringLiteral("2.0"));
    QCOMPARE(s3->Dato[5]->text(), QStringLiteral("3.40"));
    QCOMPARE(s3->Dato[8]->text(), QStringLiteral("400.00"));

    // Go On with the answers the row lists gives the row's design.
    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};  // standard, shorter
    f.dialogs.acceptInputDefaults = true;
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QVERIFY(f.dialogs.answers.empty());
    QCOMPARE(f.project.beltCode, chosen->beltCode);
    QCOMPARE(f.step5()->BeltCode->text(), QStringLiteral("Belt code               12 T10-1390"));
    QCOMPARE(f.project.centreDistance, chosen->centreDistance);
    QCOMPARE(f.project.powerRatingWithWidth, chosen->powerRating);
}

void TestProposalDialog::refusedValuesKeepTheTable() {
    DriveProject p = OrvantoT(3.4, 1200);
    ScriptedDialogs dialogs;
    ProposalDialog d(p, dialogs);
    d.show();
    Type(d, "2", "300", "500");
    QVERIFY(d.search());
    const int rows = d.table()->rowCount();
    QVERIFY(rows > 0);

    struct Case {
        const char* ratio;
        const char* from;
        const char* to;
        const char* message;
        QLineEdit* (ProposalDialog::*box)() const;
    };
    const Case cases[] = {
        {"abc", "300", "500", "The speed ratio \"abc\" is not a number.", &ProposalDialog::ratioBox},
        {"0", "300", "500", "The speed ratio must be above 0 and at most 100.", &ProposalDialog::ratioBox},
        {"2", "300", "", "The largest centre distance \"\" is not a number.", &ProposalDialog::centreMaxBox},
        {"2", "500", "300", "The smallest centre distance must not be above the largest.",
         &ProposalDialog::centreMaxBox},
        {"2", "-300", "500", "The centre distances must be above 0 and at most 100 m.",
         &ProposalDialog::centreMinBox},
        {"2", "300", "1e6", "The centre distances must be above 0 and at most 100 m.",
         &ProposalDialog::centreMaxBox},
    };
    for (const Case& c : cases) {
        dialogs.seen.clear();
        Type(d, c.ratio, c.from, c.to);
        QVERIFY(!d.search());
        QCOMPARE(dialogs.messageTexts(), std::vector<std::string>{c.message});
        QCOMPARE(dialogs.seen.front().title, std::string("I can't proceed"));
        QCOMPARE(d.focusWidget(), (d.*c.box)());
        // The typed values and the last table stay.
        QCOMPARE(d.ratioBox()->text(), QString::fromLatin1(c.ratio));
        QCOMPARE(d.table()->rowCount(), rows);
    }
    // A decimal comma reads as a point.
    Type(d, "1,5", "300", "500");
    QVERIFY(d.search());
    QVERIFY(d.table()->rowCount() > 0);
    QCOMPARE(d.selected()->speedRatio > 1.4 && d.selected()->speedRatio < 1.6, true);
}

void TestProposalDialog::dutyNoBeltCarriesSaysWhy() {
    DriveProject p = OrvantoT(500, 1200);
    ScriptedDialogs dialogs;
    ProposalDialog d(p, dialogs);
    Type(d, "2", "300", "500");
    QVERIFY(d.search());
    QCOMPARE(d.table()->rowCount(), 0);
    QVERIFY(!d.okButton()->isEnabled());
    QVERIFY(!d.selected());
    const QString why = d.summary()->text();
    QVERIFY2(why.startsWith(QStringLiteral("No drive is proposed for this duty: all ")), qPrintable(why));
    QVERIFY(why.contains(QStringLiteral("the belt would be wider than the widest made")));
}

void TestProposalDialog::noPowerNoDialog() {
    DriveProject p = OrvantoT(0, 1200);
    ScriptedDialogs dialogs;
    QVERIFY(!ProposalDialog::ask(p, dialogs, nullptr));
    QCOMPARE(dialogs.messageTexts(),
             std::vector<std::string>{"The power must be above 0 and at most 10 MW.\rDrives are proposed for the power, "
                                      "the R.P.M. of the driver pulley and the service factor chosen on steps 1 "
                                      "and 2."});
    QVERIFY(!QApplication::activeModalWidget());
}

// Every column heading is whole, with the header's margin either side:
// before the first search the table's columns were cut to a default width
// ("ntre distance [m").
void TestProposalDialog::headingsAreWholeBeforeAndAfterASearch() {
    DriveProject p = OrvantoT(3.4, 1200);
    ScriptedDialogs dialogs;
    ProposalDialog d(p, dialogs);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QHeaderView* header = d.table()->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const auto verify = [&](const char* when) {
        for (int c = 0; c < d.table()->columnCount(); ++c) {
            const QString text = d.table()->horizontalHeaderItem(c)->text();
            QVERIFY2(header->sectionSize(c) >= header->fontMetrics().horizontalAdvance(text) + 2 * margin,
                     qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(when), text)));
        }
    };
    verify("before a search");
    Type(d, "2", "300", "500");
    QVERIFY(d.search());
    verify("after a search");
}

// Enter in a box searches and hands the rows the focus; the arrows choose a
// row, Tab leaves the table, and Enter on a row takes it.
void TestProposalDialog::keysAloneSearchAndTakeARow() {
    DriveProject p = OrvantoT(3.4, 1200);
    ScriptedDialogs dialogs;
    ProposalDialog d(p, dialogs);
    d.show();
    d.ratioBox()->setFocus();
    QCOMPARE(d.focusWidget(), d.ratioBox());
    // Enter in the empty table takes nothing.
    d.table()->setFocus();
    Press(d, Qt::Key_Return);
    QVERIFY(d.isVisible());

    d.ratioBox()->setFocus();
    QTest::keyClicks(d.ratioBox(), QStringLiteral("2"));
    Press(d, Qt::Key_Tab);
    Press(d, Qt::Key_Tab);
    QCOMPARE(d.focusWidget(), d.centreMinBox());
    QTest::keyClicks(d.centreMinBox(), QStringLiteral("300"));
    Press(d, Qt::Key_Tab);
    QTest::keyClicks(d.centreMaxBox(), QStringLiteral("500"));
    Press(d, Qt::Key_Return);
    QVERIFY(d.isVisible());
    QVERIFY(d.table()->rowCount() > 1);
    QCOMPARE(d.focusWidget(), d.table());
    QCOMPARE(d.table()->selectedRanges().front().topRow(), 0);

    Press(d, Qt::Key_Down);
    QCOMPARE(d.table()->selectedRanges().front().topRow(), 1);
    const DriveProposal second = *d.selected();
    // Tab leaves the table at once, and Shift+Tab comes back to it.
    Press(d, Qt::Key_Tab);
    QVERIFY(d.focusWidget() != d.table() && qobject_cast<QPushButton*>(d.focusWidget()));
    Press(d, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(d.focusWidget(), d.table());
    // Enter in a box searches again, and takes nothing.
    d.toleranceBox()->setFocus();
    Press(d, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(d.isVisible());
    QCOMPARE(d.focusWidget(), d.table());
    Press(d, Qt::Key_Down);
    Press(d, Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.selected()->beltCode, second.beltCode);
    QCOMPARE(d.selected()->centreDistance, second.centreDistance);
    QVERIFY(dialogs.seen.empty());
}

void TestProposalDialog::escapeCancels() {
    DriveProject p = OrvantoT(3.4, 1200);
    ScriptedDialogs dialogs;
    struct Case {
        const char* name;
        bool searched;
        QWidget* (*focus)(ProposalDialog&);
    };
    const Case cases[] = {
        {"in a box", false, [](ProposalDialog& d) -> QWidget* { return d.ratioBox(); }},
        {"in the table", true, [](ProposalDialog& d) -> QWidget* { return d.table(); }},
        {"on Search", false, [](ProposalDialog& d) -> QWidget* { return d.searchButton(); }},
    };
    for (const Case& c : cases) {
        ProposalDialog d(p, dialogs);
        d.show();
        Type(d, "2", "300", "500");
        if (c.searched) QVERIFY(d.search());
        c.focus(d)->setFocus();
        Press(d, Qt::Key_Escape);
        QVERIFY2(!d.isVisible() && d.result() == QDialog::Rejected, c.name);
    }
}

QTEST_MAIN(TestProposalDialog)
#include "test_proposaldialog.moc"
