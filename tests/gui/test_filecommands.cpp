// File > Save and File > Open as the user meets them: the dialogs' settings,
// a computed project saved and opened again, Cancel, damaged files, a save
// the disk refuses, the window title, the folder and the recent projects
// remembered between runs, a file dropped on the window and the keys of the
// File menu.
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <csignal>

#include "app/demonstration.h"
#include "guitestsupport.h"
#include "catalogue/belttraits.h"
#include "project/projectfile.h"
#include "units/units.h"
#include "screens/step1screen.h"
#include "screens/step4screen.h"
#include "screens/step5screen.h"

using namespace belt;
using belt::test::EnterText;
using belt::test::WizardWalk;

namespace {

const QString kDemoFile = QStringLiteral(BELT_ASSETS_DIR "/examples/demo.dat");

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every record the file holds, whatever screen was active.
std::string records(const DriveProject& p) {
    return ProjectFile::write(p, "STEP1");
}

// The main window past its cover, with settings in a folder of the test's own.
struct Files : WizardWalk {
    QTemporaryDir dir;
    Files() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
        QSettings().clear();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void openThroughTheMenu(const QString& file) {
        files->answers.push_back(file);
        w.mOpen_Click();
    }
    void saveThroughTheMenu(const QString& file) {
        files->answers.push_back(file);
        w.mSave_Click();
    }
};

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void dialogsAskAsTheProgramAlwaysDid();
    void savedProjectOpensAgainExactly();
    void controlsComeBackThroughTheirHandlers_data();
    void controlsComeBackThroughTheirHandlers();
    void loadFactorBoxShowsTheOpenedValue_data();
    void loadFactorBoxShowsTheOpenedValue();
    void goOnAfterOpenReachesTheSameResults();
    void cancelInTheOpenDialogKeepsTheProject();
    void damagedFileSaysWhereAndKeepsWhatWasRead();
    void unreadableFileKeepsTheProject();
    void unknownFamilyIsRefusedByName();
    void failedSaveKeepsTheOldFileAndTheProject_data();
    void failedSaveKeepsTheOldFileAndTheProject();
    void emptyProjectIsNotSaved();
    void valuesTypedBeforeAProfileAreMarked();
    void openAsksToSaveAProjectInProgress();
    void titleAndFolderFollowTheFile();
    void changeMarkFollowsSaveOpenResetExitAndDemo();
    void droppedFileOpens();
    void recentProjectsFollowOpenAndSave();
    void keysOfTheFileMenu();
};

void TestFileCommands::dialogsAskAsTheProgramAlwaysDid() {
    Files f;
    f.openThroughTheMenu(kDemoFile);
    f.saveThroughTheMenu(f.path("a.dat"));
    QCOMPARE(f.files->seen.size(), std::size_t(2));
    const FileDialogRequest& open = f.files->seen[0];
    const FileDialogRequest& save = f.files->seen[1];
    QCOMPARE(open.mode, FileDialogRequest::Mode::Open);
    QCOMPARE(open.title, QStringLiteral("Open"));
    QCOMPARE(save.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(save.title, QStringLiteral("Save"));
    for (const FileDialogRequest* r : {&open, &save}) {
        QCOMPARE(r->filter, QStringLiteral("File  *.dat"));
        QCOMPARE(r->pattern, QStringLiteral("*.dat"));
        QCOMPARE(r->defaultSuffix, QStringLiteral("dat"));
    }
    // Save proposes the file the project came from.
    QCOMPARE(save.selectedFile, QFileInfo(kDemoFile).absoluteFilePath());
    QCOMPARE(save.directory, QFileInfo(kDemoFile).absolutePath());
}

// A computed four-pulley project: opened, saved, opened again, every
// variable as the file has it.
void TestFileCommands::savedProjectOpensAgainExactly() {
    Files f;
    DriveProject inFile;
    QVERIFY(ProjectFile::open(kDemoFile.toStdString(), inFile).ok);
    QCOMPARE(inFile.pulleyCount, 4);

    f.openThroughTheMenu(kDemoFile);
    QVERIFY(f.dialogs.seen.empty());
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
    QCOMPARE(records(f.project), records(inFile));
    // The controls show what the file holds.
    QCOMPARE(f.step1()->beltType()->currentIndex(), inFile.screen.beltTypeTab);
    QVERIFY(f.step1()->optionDriver(1)->isChecked());

    f.saveThroughTheMenu(f.path("copy.dat"));
    QVERIFY(f.dialogs.seen.empty());
    // Only record 1, the screen active when saving, tells the copies apart.
    QByteArray original = bytesOf(kDemoFile);
    QByteArray copy = bytesOf(f.path("copy.dat"));
    QVERIFY(original.startsWith("\"STEP5\"\r\n"));
    QVERIFY(copy.startsWith("\"STEP1\"\r\n"));
    QCOMPARE(copy.mid(9), original.mid(9));

    f.dialogs.answers = {MsgAnswer::No};
    f.w.mReset_Click();
    QCOMPARE(f.project.pulleyCount, 0);
    f.openThroughTheMenu(f.path("copy.dat"));
    QCOMPARE(records(f.project), records(inFile));
    QCOMPARE(f.project.screen.remarks, inFile.screen.remarks);
}

void TestFileCommands::controlsComeBackThroughTheirHandlers_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("driver");  // OptionDriver to click, -1 none
    QTest::addColumn<int>("row");     // Proprieta row to select, -1 none
    QTest::addColumn<int>("cell");    // Tabella cell to click, -1 none
    QTest::newRow("ORVANTO, machine and operating time") << 0 << 0 << 1 << 6 << 9;
    QTest::newRow("SELKIRA omega drive") << 1 << 0 << 1 << -1 << -1;
    QTest::newRow("FENDARO flat belt type") << 4 << 10 << -1 << 2 << -1;
}

// The page a user left is the page the file brings back, and the values the
// controls' handlers compute on the way do not change the project.
void TestFileCommands::controlsComeBackThroughTheirHandlers() {
    QFETCH(int, tab);
    QFETCH(int, picture);
    QFETCH(int, driver);
    QFETCH(int, row);
    QFETCH(int, cell);
    Files f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(tab);
    QTest::mouseClick(s1->tipoDente(picture), Qt::LeftButton);
    if (driver >= 0) {
        // On its indicator, where a user clicks it.
        QRadioButton* b = s1->optionDriver(driver);
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2));
    }
    if (row >= 0) s1->proprieta()->setCurrentRow(row);
    if (cell >= 0) s1->Tabella_Click(cell);
    const std::string saved = records(f.project);
    const QString panel = s1->tabella(5)->text();
    const QString loadFactor = s1->loadFactorBox()->text();
    f.saveThroughTheMenu(f.path("page.dat"));
    f.w.mReset_Click();  // saved: nothing to ask

    f.openThroughTheMenu(f.path("page.dat"));
    QVERIFY(f.dialogs.seen.empty());
    QCOMPARE(records(f.project), saved);
    s1 = f.step1();
    QCOMPARE(s1->beltType()->currentIndex(), tab);
    QVERIFY(s1->evidenziatore()->isVisible());
    QCOMPARE(s1->proprieta()->currentRow(), f.project.screen.proprietaListIndex);
    QCOMPARE(s1->tabella(5)->text(), panel);
    QCOMPARE(s1->loadFactorBox()->text(), loadFactor);
    if (driver >= 0) QVERIFY(s1->optionDriver(driver)->isChecked());
}

void TestFileCommands::loadFactorBoxShowsTheOpenedValue_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("machine chosen") << kDemoFile;
    QTest::newRow("no machine chosen") << QStringLiteral(BELT_TEST_DATA_DIR "/two-pulley-design.dat");
}

// The box shows the factor the design uses, even where the page's own
// look-up has no machine to read it from.
void TestFileCommands::loadFactorBoxShowsTheOpenedValue() {
    QFETCH(QString, file);
    DriveProject inFile;
    QVERIFY(ProjectFile::open(file.toStdString(), inFile).ok);
    Files f;
    f.openThroughTheMenu(file);
    QCOMPARE(f.project.loadFactor, inFile.loadFactor);
    QCOMPARE(f.step1()->loadFactorBox()->text(), QString::fromStdString(Format(inFile.loadFactor, "###0.0")));
}

// Go On from step 1 recomputes the opened design: the same belt, width and
// rating as the file holds.
void TestFileCommands::goOnAfterOpenReachesTheSameResults() {
    Files f;
    f.openThroughTheMenu(kDemoFile);
    DriveProject inFile;
    QVERIFY(ProjectFile::open(kDemoFile.toStdString(), inFile).ok);

    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP2"));
    f.w.m4Pulleys_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    // Go On steps to the layout's next belt path; DRAW comes back to the
    // one the design used. Both times the belt is not to be double-sided.
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    f.w.mGoon_Click();
    auto* step4 = dynamic_cast<Step4Screen*>(f.w.activeScreen());
    QVERIFY(step4);
    step4->Draw_Click();
    QCOMPARE(f.project.beltPathTable[0][1], inFile.beltPathTable[0][1]);
    f.dialogs.acceptInputDefaults = true;  // the proposed width
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));

    QCOMPARE(f.project.beltCode, inFile.beltCode);
    QCOMPARE(f.project.beltWidth, inFile.beltWidth);
    QCOMPARE(f.project.beltLength, inFile.beltLength);
    QCOMPARE(f.project.teethInMesh, inFile.teethInMesh);
    QVERIFY(std::abs(f.project.powerRatingWithWidth - inFile.powerRatingWithWidth) < 1e-6);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(std::abs(f.project.pulleyArcOfContact[k] - inFile.pulleyArcOfContact[k]) < 1e-12);
    QVERIFY(f.step5()->BeltCode->text().contains(QString::fromStdString(inFile.beltCode)));
}

void TestFileCommands::cancelInTheOpenDialogKeepsTheProject() {
    Files f;
    f.openThroughTheMenu(kDemoFile);
    f.w.mGoon_Click();
    EnterText(f.step2()->dato(0), "3.5");
    const std::string before = records(f.project);
    const QString title = f.w.windowTitle();

    f.dialogs.answers = {MsgAnswer::No};  // do not save first
    f.openThroughTheMenu(QString());      // then Cancel
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(records(f.project), before);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP2"));
    QCOMPARE(f.w.windowTitle(), title);
}

void TestFileCommands::damagedFileSaysWhereAndKeepsWhatWasRead() {
    struct Case {
        const char* file;
        const char* message;
    };
    const Case cases[] = {
        {"truncated.dat", "line 701: expected a whole number, found the end of the file"},
        {"damaged.dat", "line 38: expected a number, found \"abc\""},
    };
    for (const Case& c : cases) {
        Files f;
        const QString file = QStringLiteral(BELT_TEST_DATA_DIR "/") + c.file;
        DriveProject direct;
        QVERIFY(!ProjectFile::open(file.toStdString(), direct).ok);
        f.openThroughTheMenu(file);
        QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
        const RecordedDialog& m = f.dialogs.seen[0];
        QCOMPARE(QString::fromStdString(m.text),
                 QStringLiteral("The project file could not be read completely: ") + c.message);
        QCOMPARE(m.title, std::string("VESTRANO BELT CALCULATION"));
        QCOMPARE(m.icon, MsgIcon::Warning);
        // What was read is there, the rest as after a reset.
        QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
        QCOMPARE(f.project.beltType, direct.beltType);
        QCOMPARE(records(f.project), records(direct));
    }
}

void TestFileCommands::unreadableFileKeepsTheProject() {
    Files f;
    f.openThroughTheMenu(kDemoFile);
    const std::string before = records(f.project);
    f.openThroughTheMenu(f.path("missing.dat"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].text, "The project file could not be opened: " +
                                         f.path("missing.dat").toStdString() + ": No such file or directory");
    QCOMPARE(records(f.project), before);
    QCOMPARE(f.w.fileCommands().fileName(), QFileInfo(kDemoFile).absoluteFilePath());
}

// A file naming a belt family the program does not have opens on the page
// it was saved with, as any file does; the page chooses its own belt, and Go
// On carries no unknown family into the design.
void TestFileCommands::unknownFamilyIsRefusedByName() {
    Files f;
    f.openThroughTheMenu(kDemoFile);
    const std::string before = records(f.project);
    const QString title = f.w.windowTitle();
    f.openThroughTheMenu(QStringLiteral(BELT_TEST_DATA_DIR "/unknown-family.dat"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].text,
             std::string("The project file could not be opened: Unknown belt family \"ACME\""));
    // The project on screen and its file stay.
    QCOMPARE(records(f.project), before);
    QCOMPARE(f.w.windowTitle(), title);
}

void TestFileCommands::failedSaveKeepsTheOldFileAndTheProject_data() {
    QTest::addColumn<QString>("cause");
    QTest::newRow("full disk") << "full";
    QTest::newRow("read-only folder") << "read-only";
}

void TestFileCommands::failedSaveKeepsTheOldFileAndTheProject() {
    QFETCH(QString, cause);
    Files f;
    const QString target = f.path("drive.dat");
    QVERIFY(QFile::copy(kDemoFile, target));
    const QByteArray before = bytesOf(target);
    f.openThroughTheMenu(target);
    f.w.mGoon_Click();
    f.project.screen.remarks = "changed since";
    const std::string project = records(f.project);

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (cause == "full") {
        // A file size limit makes the write fail as a full disk does.
        rlimit small = saved;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
    } else {
        QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile probe(f.path("probe")); probe.open(QIODevice::WriteOnly)) {
            QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("running with rights that ignore folder permissions");
        }
    }
    f.saveThroughTheMenu(target);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    const std::string& text = f.dialogs.seen[0].text;
    QVERIFY2(text.rfind("The project could not be saved: ", 0) == 0, text.c_str());
    QVERIFY2(text.find(cause == "full" ? "File too large" : "Permission denied") != std::string::npos,
             text.c_str());
    QCOMPARE(bytesOf(target), before);
    QCOMPARE(records(f.project), project);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP2"));

    // And Exit, told Yes, stays: the project was not written.
    f.dialogs.answers = {MsgAnswer::Yes};
    f.files->answers = {QString()};
    f.w.mExit_Click();
    QVERIFY(!f.w.closingMessageShown());
}

void TestFileCommands::emptyProjectIsNotSaved() {
    Files f;
    f.w.mSave_Click();  // no dialog is expected
    QVERIFY(f.files->seen.empty());
    QVERIFY(f.dialogs.seen.empty());
}

// Before a profile is chosen, a value typed on step 1 is the user's work
// all the same: the title marks it and Reset asks. The page alone is not.
void TestFileCommands::valuesTypedBeforeAProfileAreMarked() {
    Files f;
    FileCommands& files = f.w.fileCommands();
    f.step1()->setBeltTypeTab(kTabSelkira);
    QVERIFY(!files.projectChanged());
    for (const auto& [box, typed] : {std::pair{3, "1"}, {4, "10"}, {5, "10"}, {9, "200"}, {10, "1000"}}) {
        EnterText(f.step1()->dati(box), QString::fromLatin1(typed));
        QVERIFY2(files.projectChanged(), typed);
        // Typed back to what a new project holds, nothing is left to lose.
        EnterText(f.step1()->dati(box), QStringLiteral("0"));
        QVERIFY2(!files.projectChanged(), typed);
    }
    EnterText(f.step1()->dati(0), QStringLiteral("30"));
    QVERIFY(files.projectChanged());
    EnterText(f.step1()->dati(5), QStringLiteral("10"));
    QTRY_VERIFY(f.w.isWindowModified());
    f.dialogs.answers = {MsgAnswer::Cancel};
    f.w.mReset_Click();
    QCOMPARE(f.dialogs.messageTexts().back(), std::string("Data will be lost\rDo you want to save?"));
    QCOMPARE(f.project.carriageMass, 10.0);
}

void TestFileCommands::openAsksToSaveAProjectInProgress() {
    Files f;
    f.step1()->setBeltTypeTab(0);
    QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
    // Cancel: no dialog, nothing changes.
    f.dialogs.answers = {MsgAnswer::Cancel};
    f.w.mOpen_Click();
    QVERIFY(f.files->seen.empty());
    QCOMPARE(f.project.beltType, std::string("ORVANTO T"));
    // Yes: saved first, then opened.
    f.dialogs.answers = {MsgAnswer::Yes};
    f.files->answers = {f.path("first.dat"), kDemoFile};
    f.w.mOpen_Click();
    QCOMPARE(f.files->seen.size(), std::size_t(2));
    DriveProject first;
    QVERIFY(ProjectFile::open(f.path("first.dat").toStdString(), first).ok);
    QCOMPARE(first.beltType, std::string("ORVANTO T"));
    QCOMPARE(f.project.pulleyCount, 4);
}

void TestFileCommands::titleAndFolderFollowTheFile() {
    QString folder;
    {
        Files f;
        const auto title = [&f] { return f.w.windowHandle()->title(); };
        QCOMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION"));
        f.openThroughTheMenu(kDemoFile);
        QCOMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION - demo.dat"));
        f.saveThroughTheMenu(f.path("mine.dat"));
        QCOMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION - mine.dat"));
        f.w.mReset_Click();
        QCOMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION"));
        folder = f.dir.path();

        // The next run starts its dialogs where this one left off.
        belt::test::MainWindowFixture next;
        QCOMPARE(next.window->fileCommands().startFolder(), folder);
    }
}

// Reset, Open, Exit and Demo ask to save only what Save has not written yet;
// the title marks it with an asterisk; the demonstration marks nothing.
void TestFileCommands::changeMarkFollowsSaveOpenResetExitAndDemo() {
    Files f;
    FileCommands& files = f.w.fileCommands();
    const auto title = [&f] { return f.w.windowHandle()->title(); };
    QVERIFY(!files.projectChanged());

    // A profile chosen: the title marks it a moment after the click.
    f.step1()->setBeltTypeTab(0);
    QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
    QVERIFY(files.projectChanged());
    QTRY_COMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION*"));

    // Saved: Open asks nothing.
    f.saveThroughTheMenu(f.path("a.dat"));
    QVERIFY(!files.projectChanged());
    QCOMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION - a.dat"));
    f.openThroughTheMenu(kDemoFile);
    QVERIFY(f.dialogs.seen.empty());
    QCOMPARE(title(), QStringLiteral(" VESTRANO BELT CALCULATION - demo.dat"));

    // Walking the opened design again to its results computes what the file
    // holds: still nothing to save, on the way (the pitch guide lays out its
    // chart) nor at the end.
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP2"));
    QVERIFY(!files.projectChanged());
    f.w.m4Pulleys_Click();
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};  // no double-sided belt
    f.w.mGoon_Click();
    dynamic_cast<Step4Screen*>(f.w.activeScreen())->Draw_Click();
    f.dialogs.acceptInputDefaults = true;
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QVERIFY(!files.projectChanged());
    f.dialogs.seen.clear();

    // A power typed: Reset asks; Cancel keeps the mark, No resets.
    f.w.mGoBack_Click();
    f.w.mGoBack_Click();
    f.w.mGoBack_Click();
    EnterText(f.step2()->dato(0), "3.5");
    QTRY_VERIFY(f.w.isWindowModified());
    f.dialogs.answers = {MsgAnswer::Cancel};
    f.w.mReset_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QVERIFY(f.w.isWindowModified());
    f.dialogs.answers = {MsgAnswer::No};
    f.w.mReset_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(2));
    QVERIFY(!f.w.isWindowModified());

    // The demonstration starts without a question and fills the project
    // without marking it; nothing is left to save when it stops.
    f.openThroughTheMenu(kDemoFile);
    f.w.mDemo_Click();
    for (int tick = 0; tick < 30; ++tick) f.w.demonstration().DemoFlash_Timer();
    QVERIFY(!files.projectChanged());
    files.showChanged();
    QVERIFY(!f.w.isWindowModified());
    f.w.mStopDemo_Click();
    QVERIFY(!files.projectChanged());
    QCOMPARE(f.dialogs.seen.size(), std::size_t(2));

    // Exit after a save goes without a question.
    f.openThroughTheMenu(kDemoFile);
    f.w.mExit_Click();
    QVERIFY(f.w.closingMessageShown());
    QCOMPARE(f.dialogs.seen.size(), std::size_t(2));
}

void TestFileCommands::droppedFileOpens() {
    Files f;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(kDemoFile)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.w, &drop);
    // The file opens once the drop has ended.
    QCOMPARE(f.project.pulleyCount, 0);
    QCoreApplication::processEvents();
    QCOMPARE(f.project.pulleyCount, 4);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));

    // Anything but one .dat file is refused.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(f.path("notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(&f.w, &refused);
    QVERIFY(!refused.isAccepted());
}

// File > Recent projects: the files opened and saved last, the latest
// first, five at most, numbered in the menu and kept between runs. A pick
// opens its file; a file that is gone leaves the list, and the user is told.
void TestFileCommands::recentProjectsFollowOpenAndSave() {
    Files f;
    QAction* recent = f.w.menus().mRecent;
    QVERIFY(recent && recent->menu());
    QVERIFY(!recent->isEnabled());
    f.openThroughTheMenu(kDemoFile);
    QVERIFY(recent->isEnabled());
    QCOMPARE(f.w.fileCommands().recentProjects(), QStringList{QFileInfo(kDemoFile).absoluteFilePath()});
    QStringList saved;
    for (int i = 1; i <= 6; ++i) {
        saved.prepend(f.path(QStringLiteral("p%1 & co.dat").arg(i)));
        f.saveThroughTheMenu(saved.front());
    }
    // Saving the same file again moves it to the top, once.
    f.saveThroughTheMenu(saved[2]);
    const QStringList latest = {saved[2], saved[0], saved[1], saved[3], saved[4]};
    QCOMPARE(f.w.fileCommands().recentProjects(), latest);

    // The next run reads the same list.
    belt::test::MainWindowFixture next;
    QCOMPARE(next.window->fileCommands().recentProjects(), latest);

    QMenu* menu = recent->menu();
    emit menu->aboutToShow();
    QStringList items;
    for (QAction* a : menu->actions()) items << a->text();
    QCOMPARE(items.size(), 5);
    QCOMPARE(items[0], QStringLiteral("&1 ") + QDir::toNativeSeparators(saved[2]).replace("&", "&&"));
    QCOMPARE(items[4].left(3), QStringLiteral("&5 "));

    // A pick opens its file (once the menu has closed) and puts it first.
    f.w.mReset_Click();
    menu->actions()[3]->trigger();
    QTRY_COMPARE(f.w.fileCommands().fileName(), saved[3]);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
    QCOMPARE(f.w.fileCommands().recentProjects().front(), saved[3]);

    // A file deleted since: the project stays, the list loses it.
    QVERIFY(QFile::remove(saved[0]));
    const std::string before = records(f.project);
    QVERIFY(!f.w.fileCommands().openRecent(saved[0]));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen.back().text,
             "The project file is no longer there and leaves the list of recent projects: " +
                 QDir::toNativeSeparators(saved[0]).toStdString());
    QCOMPARE(records(f.project), before);
    QCOMPARE(f.w.fileCommands().fileName(), saved[3]);
    QVERIFY(!f.w.fileCommands().recentProjects().contains(saved[0]));
    QCOMPARE(f.w.fileCommands().recentProjects().size(), 4);
}

void TestFileCommands::keysOfTheFileMenu() {
    Files f;
    f.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.w));
    f.files->answers = {kDemoFile};
    QTest::keyClick(&f.w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.project.pulleyCount, 4);
    f.files->answers = {f.path("keys.dat")};
    QTest::keyClick(&f.w, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(f.path("keys.dat")));
    f.files->answers = {f.path("keys as.dat")};
    QTest::keyClick(&f.w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QFile::exists(f.path("keys as.dat")));
    QCOMPARE(f.files->seen.back().mode, FileDialogRequest::Mode::Save);
    QTest::keyClick(&f.w, Qt::Key_F1);
    QVERIFY(f.w.helpBrowser() && f.w.helpBrowser()->window()->isVisible());
    QCOMPARE(f.w.helpContext(), 1);
}

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
