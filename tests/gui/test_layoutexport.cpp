// File > "Export layout…": offered where the layout is known, written as DXF
// or SVG by the file's type, and a file that cannot be written is reported.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/outputmodule.h"
#include "catalogue/calculationtables.h"
#include "guitestsupport.h"
#include "project/projectfile.h"

using namespace belt;

namespace {

// The bundled example, computed, with the tables that opening it loads.
void OpenExample(test::MainWindowFixture& f) {
    InitUnitTables(f.project);
    QVERIFY(ProjectFile::open(std::string(BELT_ASSETS_DIR) + "/examples/demo.dat", f.project).ok);
    LoadCalculationTables(f.project);
}

}  // namespace

class LayoutExportTest : public QObject {
    Q_OBJECT

private slots:
    void offeredOnTheScreensAfterTheLayout() {
        test::MainWindowFixture f;
        OpenExample(f);
        QAction* exportLayout = f.window->menus().mExportLayout;
        QCOMPARE(exportLayout->text(), QStringLiteral("Export &layout\u2026"));
        QVERIFY(!exportLayout->isVisible());
        const struct {
            const char* form;
            bool offered;
        } cases[] = {{"STEP1", false}, {"STEP3", false}, {"STEP4", true}, {"STEP5", true}};
        for (const auto& c : cases) {
            QVERIFY(f.window->showScreen(QString::fromLatin1(c.form)));
            QCOMPARE(exportLayout->isVisible(), c.offered);
            f.window->hideScreen(QString::fromLatin1(c.form));
        }
        f.window->showCover();
        QVERIFY(!exportLayout->isVisible());
    }

    // Without the output module neither an SVG nor a print preview can be
    // made: each says why, and the DXF writer, which needs no module, works.
    void aMissingOutputModuleIsReported() {
        QTemporaryDir empty;
        SetOutputModuleFolder(empty.path());
        test::MainWindowFixture f;
        OpenExample(f);
        f.window->showScreen(QStringLiteral("STEP5"));
        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("layout.svg"));
        f.files->answers.push_back(svg);
        f.window->mExportLayout_Click();
        QVERIFY(!QFile::exists(svg));
        f.window->mPrinter_Click();
        QCOMPARE(f.dialogs.seen.size(), std::size_t{2});
        const std::string notFound = "the program's output module beltcalc-output.so was not found in " +
                                     empty.path().toStdString() + ", ";
        QVERIFY(f.dialogs.seen[0].text.starts_with("The layout has not been exported:\r" + notFound));
        QVERIFY(f.dialogs.seen[1].text.starts_with("Printing is not available:\r" + notFound));
        QCOMPARE(f.dialogs.seen[1].icon, MsgIcon::Warning);

        const QString dxf = dir.filePath(QStringLiteral("layout.dxf"));
        f.files->answers.push_back(dxf);
        f.window->mExportLayout_Click();
        QVERIFY(QFile::exists(dxf));
        QCOMPARE(f.dialogs.seen.size(), std::size_t{2});
    }

    void writesTheFileTypeChosen() {
        SetOutputModuleFolder(QStringLiteral(BELT_OUTPUT_MODULE_DIR));
        test::MainWindowFixture f;
        OpenExample(f);
        f.window->showScreen(QStringLiteral("STEP5"));
        QTemporaryDir dir;
        QString path;

        const struct {
            const char* file;
            const char* starts;
        } cases[] = {{"layout.dxf", "0\nSECTION\n2\nHEADER\n"}, {"layout.SVG", "<?xml"}};
        for (const auto& c : cases) {
            path = dir.filePath(QString::fromLatin1(c.file));
            f.files->answers.push_back(path);
            f.window->mExportLayout_Click();
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            const QByteArray content = written.readAll();
            QVERIFY2(content.startsWith(c.starts), c.file);
            QVERIFY(content.contains("ORVANTO T10") || content.contains("BELT"));
        }
        QVERIFY(f.dialogs.seen.empty());
        QCOMPARE(f.files->seen.back().title, QStringLiteral("Export layout"));
        QCOMPARE(f.files->seen.back().pattern, QStringLiteral("*.dxf *.svg"));

        // Cancel in the file dialog writes nothing and says nothing.
        f.files->answers.push_back(QString());
        f.window->mExportLayout_Click();
        QVERIFY(f.dialogs.seen.empty());

        path = dir.filePath(QStringLiteral("no such folder/layout.dxf"));
        f.files->answers.push_back(path);
        f.window->mExportLayout_Click();
        QCOMPARE(f.dialogs.seen.size(), std::size_t{1});
        // The folder that is missing, with the system's reason.
        QCOMPARE(QString::fromStdString(f.dialogs.seen[0].text),
                 QStringLiteral("The layout has not been exported:\r") + dir.filePath(QStringLiteral("no such folder")) +
                     QStringLiteral(": No such file or directory"));
    }
};

QTEST_MAIN(LayoutExportTest)
#include "test_layoutexport.moc"
