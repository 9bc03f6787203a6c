#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/qtdialogs.h"

using namespace belt;

namespace {

// Calls act with the modal dialog of type T as soon as it is up; act closes it.
template <typename T>
void whenShown(std::function<void(T*)> act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<T*>(w); box && box->isVisible()) {
                act(box);
                return;
            }
        QFAIL("no dialog shown");
    });
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBox_data();
    void messageBox();
    void inputBoxCancelGivesEmptyText();
    void inputBoxReturnsTheText();
    void busyPointer();
    void boxesAreWideEnoughForTheirTitle();
};

void QtDialogsTest::messageBox_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("qtButtons");
    QTest::addColumn<int>("qtDefault");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("answer");
    QTest::newRow("warning ok") << int(MsgIcon::Warning) << int(MsgButtons::Ok) << int(MsgAnswer::Ok)
                                << int(QMessageBox::Warning) << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
    QTest::newRow("save question") << int(MsgIcon::Warning) << int(MsgButtons::YesNoCancel)
                                   << int(MsgAnswer::Yes) << int(QMessageBox::Warning)
                                   << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                   << int(QMessageBox::Yes) << int(QMessageBox::Cancel)
                                   << int(MsgAnswer::Cancel);
    QTest::newRow("exclamation ok") << int(MsgIcon::Exclamation) << int(MsgButtons::Ok) << int(MsgAnswer::Ok)
                                    << int(QMessageBox::Warning) << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                    << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
    QTest::newRow("question no") << int(MsgIcon::Question) << int(MsgButtons::YesNo) << int(MsgAnswer::No)
                                 << int(QMessageBox::Question) << int(QMessageBox::Yes | QMessageBox::No)
                                 << int(QMessageBox::No) << int(QMessageBox::Yes) << int(MsgAnswer::Yes);
    QTest::newRow("error") << int(MsgIcon::Error) << int(MsgButtons::OkCancel) << int(MsgAnswer::Cancel)
                           << int(QMessageBox::Critical) << int(QMessageBox::Ok | QMessageBox::Cancel)
                           << int(QMessageBox::Cancel) << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
    QTest::newRow("information") << int(MsgIcon::Information) << int(MsgButtons::Ok) << int(MsgAnswer::Ok)
                                 << int(QMessageBox::Information) << int(QMessageBox::Ok)
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
    QTest::newRow("no icon") << int(MsgIcon::None) << int(MsgButtons::Ok) << int(MsgAnswer::Ok)
                             << int(QMessageBox::NoIcon) << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                             << int(QMessageBox::Ok) << int(MsgAnswer::Ok);
}

void QtDialogsTest::messageBox() {
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, defaultButton);
    QFETCH(int, qtIcon);
    QFETCH(int, qtButtons);
    QFETCH(int, qtDefault);
    QFETCH(int, clicked);
    QFETCH(int, answer);
    QtDialogs dialogs;
    // Read while the box is up, compared once it is closed, so a failed
    // comparison never leaves a modal box waiting.
    struct Seen {
        bool shown = false;
        QString title, text;
        int icon = -1, buttons = -1, defaultButton = -1;
    } seen;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        seen = {true,
                box->windowTitle(),
                box->text(),
                int(box->icon()),
                int(box->standardButtons()),
                int(box->standardButton(box->defaultButton()))};
        box->button(QMessageBox::StandardButton(clicked))->click();
    });
    const MsgAnswer a =
        dialogs.message("Data will be lost\rDo you want to save?", "VESTRANO BELT CALCULATION", MsgIcon(icon),
                        MsgButtons(buttons), MsgAnswer(defaultButton));
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("VESTRANO BELT CALCULATION"));
    QCOMPARE(seen.text, QString("Data will be lost\nDo you want to save?"));
    QCOMPARE(seen.icon, qtIcon);
    QCOMPARE(seen.buttons, qtButtons);
    QCOMPARE(seen.defaultButton, qtDefault);
    QCOMPARE(int(a), answer);
}

void QtDialogsTest::inputBoxCancelGivesEmptyText() {
    QtDialogs dialogs;
    QString label, preset;
    whenShown<QInputDialog>([&](QInputDialog* box) {
        label = box->labelText();
        preset = box->textValue();
        box->reject();
    });
    QCOMPARE(dialogs.inputBox("Standard width\r[mm]", "Width", "25"), std::string());
    QCOMPARE(label, QString("Standard width\n[mm]"));
    QCOMPARE(preset, QString("25"));
}

void QtDialogsTest::inputBoxReturnsTheText() {
    QtDialogs dialogs;
    whenShown<QInputDialog>([](QInputDialog* box) {
        box->setTextValue("32");
        box->accept();
    });
    QCOMPARE(dialogs.inputBox("Width", "Width", "25"), std::string("32"));
}

void QtDialogsTest::busyPointer() {
    QtDialogs dialogs;
    {
        BusyPointer busy(dialogs);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(!QApplication::overrideCursor());
}

void QtDialogsTest::boxesAreWideEnoughForTheirTitle() {
    // A one-word message under the program's long title.
    QtDialogs dialogs;
    const QString title = QStringLiteral("VESTRANO BELT CALCULATION");
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int titleWidth = QFontMetrics(bold).horizontalAdvance(title);
    int messageWidth = 0;
    int inputWidth = 0;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        messageWidth = box->width();
        box->accept();
    });
    dialogs.message("OK", title.toStdString(), MsgIcon::None);
    whenShown<QInputDialog>([&](QInputDialog* box) {
        inputWidth = box->width();
        box->reject();
    });
    dialogs.inputBox("Width", title.toStdString(), "25");
    QVERIFY2(messageWidth > titleWidth + 100, qPrintable(QString::number(messageWidth)));
    QVERIFY2(inputWidth > titleWidth + 100, qPrintable(QString::number(inputWidth)));
}

QTEST_MAIN(QtDialogsTest)
#include "test_qtdialogs.moc"
