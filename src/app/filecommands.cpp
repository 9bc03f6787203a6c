#include "app/filecommands.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>

#include "catalogue/belttraits.h"
#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "project/formnames.h"
#include "project/projectfile.h"
#include "screens/screenstyle.h"
#include "screens/step1screen.h"
#include "screens/stepscreen.h"

namespace belt {

namespace {

const char* const kLastFolderKey = "files/lastFolder";
const char* const kRecentProjectsKey = "files/recentProjects";
constexpr qsizetype kRecentProjects = 5;
// The path follows after a blank.
const char* const kRecentGoneText =
    "The project file is no longer there and leaves the list of recent projects:";
// The reason follows after a blank: "/home/x/a.dat: Permission denied".
const char* const kOpenImpossibleText = "The project file could not be opened:";
// How long after the user's last key or click the title's mark is brought
// up to date: the command the input started has finished by then, and a
// burst of typing costs one comparison.
constexpr int kChangeCheckMs = 120;

// The records Save would write now (the active screen, record 1, aside).
// The pitch range is a working value the pitch guide and the pulley data
// screen each set from the belt alone, in two senses: looking at a screen
// changes no project.
std::string recordsOf(const DriveProject& p) {
    DriveProject compared = p;
    compared.pitchRangeFirst = 0;
    compared.pitchRangeLast = 0;
    return ProjectFile::write(compared, form::kStep1);
}

using style::qs;

// Whether the project holds anything of the user's: a belt, or before one
// is chosen what step 1 took all the same (a value typed in its boxes, a
// driven machine or a factor picked in its tables). Its tabs and options
// alone set only what every new project starts with.
bool HoldsUserData(const DriveProject& p) {
    if (!p.beltType.empty()) return true;
    for (int i = 0; i < kDataFieldCount; ++i)
        if (Step1DataValue(p, i) != 0) return true;
    // Every page starts from a load factor of 1.0, a reset project from none.
    if (p.loadFactor != 0 && p.loadFactor != 1.0F) return true;
    if (p.screen.proprietaListIndex >= 0) return true;
    return std::find(p.screen.tabellaBackColor.begin(), p.screen.tabellaBackColor.end(),
                     kFactorCellSelectedBack) != p.screen.tabellaBackColor.end();
}

// File names as the file system spells them.
std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The one local .dat file a drag carries, or empty.
QString droppedProjectFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile()) return {};
    const QString path = urls.constFirst().toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0 ? path
                                                                                            : QString();
}

}  // namespace

FileCommands::FileCommands(FileCommandsHost& window, DriveProject& project, Dialogs& dialogs)
    : QObject(&window.frame()),
      window_(window),
      project_(project),
      dialogs_(dialogs),
      fileDialogs_(std::make_unique<QtFileDialogs>()),
      baseTitle_(window.frame().windowTitle()) {
    setObjectName(QStringLiteral("FileCommands"));
    window.frame().setAcceptDrops(true);
    window.frame().installEventFilter(this);
    window.frame().setWindowTitle(baseTitle_ + QStringLiteral("[*]"));
    changeCheck_ = new QTimer(this);
    changeCheck_->setSingleShot(true);
    changeCheck_->setInterval(kChangeCheckMs);
    connect(changeCheck_, &QTimer::timeout, this, &FileCommands::showChanged);
    qApp->installEventFilter(this);
}

FileCommands::~FileCommands() = default;

void FileCommands::setFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    fileDialogs_ = std::move(dialogs);
}

QString FileCommands::startFolder() const {
    const QString folder = QSettings().value(QLatin1String(kLastFolderKey)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString FileCommands::chooseFile(const FileDialogRequest& request) {
    return fileDialogs_->chooseFile(&window_.frame(), request);
}

QStringList FileCommands::recentProjects() const {
    QStringList list = QSettings().value(QLatin1String(kRecentProjectsKey)).toStringList();
    list.removeAll(QString());
    list.removeDuplicates();
    return list.mid(0, kRecentProjects);
}

void FileCommands::setRecentProjects(const QStringList& list) {
    QSettings().setValue(QLatin1String(kRecentProjectsKey), list.mid(0, kRecentProjects));
    if (recentMenu_) recentMenu_->menuAction()->setEnabled(!recentProjects().isEmpty());
}

void FileCommands::setRecentMenu(QMenu* menu) {
    recentMenu_ = menu;
    if (!menu) return;
    connect(menu, &QMenu::aboutToShow, this, &FileCommands::fillRecentMenu);
    menu->menuAction()->setEnabled(!recentProjects().isEmpty());
}

void FileCommands::fillRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const QFontMetrics fm(recentMenu_->font());
    int n = 0;
    for (const QString& path : recentProjects()) {
        ++n;
        // A deep folder keeps its start and the file's name in sight.
        QString shown =
            fm.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, 60 * fm.averageCharWidth());
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(n).arg(shown));
        a->setObjectName(QStringLiteral("mRecent(%1)").arg(n));
        a->setData(path);
        // The opening resets the program and fills this menu anew: it runs
        // once the menu and its item are done with the click.
        connect(a, &QAction::triggered, this,
                [this, path] { QTimer::singleShot(0, this, [this, path] { openRecent(path); }); });
    }
    recentMenu_->menuAction()->setEnabled(n > 0);
}

bool FileCommands::openRecent(const QString& path) {
    if (project_.demoRunning != 0 || window_.closingMessageShown()) return false;
    if (!QFileInfo(path).isFile()) {
        QStringList list = recentProjects();
        list.removeAll(path);
        setRecentProjects(list);
        dialogs_.message(std::string(kRecentGoneText) + " " + QDir::toNativeSeparators(path).toStdString(),
                         std::string(kSaveQuestionTitle), MsgIcon::Warning);
        return false;
    }
    return openOnRequest(path);
}

FileDialogRequest FileCommands::request(bool save) const {
    FileDialogRequest r;
    r.mode = save ? FileDialogRequest::Mode::Save : FileDialogRequest::Mode::Open;
    r.title = qs(save ? kSaveDialogTitle : kOpenDialogTitle);
    // "File  *.dat|*.dat": what the list shows, then what it lets through.
    const QString filter = qs(kProjectFileFilter);
    r.filter = filter.section(QLatin1Char('|'), 0, 0);
    r.pattern = filter.section(QLatin1Char('|'), 1, 1);
    r.defaultSuffix = qs(kProjectFileExtension);
    r.directory = startFolder();
    if (save && !fileName_.isEmpty()) r.selectedFile = fileName_;
    return r;
}

void FileCommands::setFile(const QString& path) {
    fileName_ = QFileInfo(path).absoluteFilePath();
    savedRecords_ = recordsOf(project_);
    QSettings().setValue(QLatin1String(kLastFolderKey), QFileInfo(fileName_).absolutePath());
    QStringList recent = recentProjects();
    recent.removeAll(fileName_);
    recent.prepend(fileName_);
    setRecentProjects(recent);
    window_.frame().setWindowTitle(baseTitle_ + QStringLiteral(" - ") + QFileInfo(fileName_).fileName() +
                                   QStringLiteral("[*]"));
    showChanged();
}

void FileCommands::forgetFile() {
    fileName_.clear();
    savedRecords_.clear();
    window_.frame().setWindowTitle(baseTitle_ + QStringLiteral("[*]"));
    showChanged();
}

bool FileCommands::projectChanged() const {
    if (!HoldsUserData(project_) || project_.demoRunning != 0) return false;
    return savedRecords_.empty() || !ProjectFile::sameProject(recordsOf(project_), savedRecords_);
}

void FileCommands::showChanged() {
    window_.frame().setWindowModified(projectChanged());
}

void FileCommands::checkChangedSoon() {
    changeCheck_->start();
}

bool FileCommands::Salva() {
    // Nothing to write for an empty project, and nothing to lose.
    if (!HoldsUserData(project_)) return true;
    // The file must hold what the boxes show.
    if (StepScreen* s = window_.activeScreen(); s && !s->entriesConfirmed()) return false;
    const QString path = fileDialogs_->chooseFile(&window_.frame(), request(true));
    if (path.isEmpty()) return false;
    const SaveResult saved =
        ProjectFile::save(project_, localPath(path), window_.activeFormName().toStdString());
    if (!saved.ok) {
        dialogs_.message(saved.message, std::string(kSaveQuestionTitle), MsgIcon::Warning);
        return false;
    }
    setFile(path);
    return true;
}

bool FileCommands::askToSaveFirst() {
    if (!projectChanged()) return true;
    const MsgAnswer a = window_.askToSave();
    if (a == MsgAnswer::Cancel) return false;
    return a != MsgAnswer::Yes || Salva();
}

void FileCommands::Apri() {
    // The File menu is hidden while the demonstration plays.
    if (project_.demoRunning != 0) return;
    if (!askToSaveFirst()) return;
    // The project is reset only once a file has been chosen: Cancel in the
    // dialog leaves everything as it was.
    const QString path = fileDialogs_->chooseFile(&window_.frame(), request(false));
    if (path.isEmpty()) return;
    openFile(path);
}

bool FileCommands::openOnRequest(const QString& path) {
    if (project_.demoRunning != 0 || window_.closingMessageShown()) return false;
    if (!askToSaveFirst()) return false;
    return openFile(path);
}

bool FileCommands::openFile(const QString& path) {
    DriveProject read;
    const OpenResult result = ProjectFile::open(localPath(path), read);
    if (!result.ok && result.record == 0) {
        dialogs_.message(std::string(kOpenImpossibleText) + " " + result.message,
                         std::string(kSaveQuestionTitle), MsgIcon::Warning);
        return false;
    }
    // A belt family this catalogue does not have would be taken for the
    // first belt of its page: the project on screen stays as it is.
    if (const std::string unknown = BeltFamilyError(read); !unknown.empty()) {
        dialogs_.message(std::string(kOpenImpossibleText) + " " + unknown, std::string(kSaveQuestionTitle),
                         MsgIcon::Warning);
        return false;
    }
    applyFile(read, result);
    setFile(path);
    if (!result.ok) {
        dialogs_.message(std::string(kOpenFailedText) + " " + result.message, std::string(kSaveQuestionTitle),
                         MsgIcon::Warning);
    }
    return result.ok;
}

void FileCommands::applyFile(const DriveProject& read, const OpenResult& result) {
    // A record before the one where reading stopped was read whole.
    const auto isRead = [&](int record) { return result.ok || record < result.record; };
    project_.beltType.clear();
    window_.Resetta();
    // Without the belt (records 2 to 5) there is nothing to show on STEP1.
    if (!isRead(5)) return;

    project_.screen.beltTypeTab = read.screen.beltTypeTab;
    project_.profileButtonIndex = read.profileButtonIndex;
    project_.profileDrawingCode = read.profileDrawingCode;
    project_.beltKindCode = read.beltKindCode;
    project_.beltType = read.beltType;
    project_.flatBeltIndex = read.flatBeltIndex;
    // Laying STEP1 out selects the tab and the profile, as a click does.
    auto* step1 = qobject_cast<Step1Screen*>(window_.showScreen(QLatin1String(form::kStep1)));

    ScreenState& s = project_.screen;
    const ScreenState& f = read.screen;
    for (int i = 0; i < 3; ++i) {
        if (!isRead(6 + i)) break;
        if (step1 && f.optionDriver[i]) step1->setOptionDriver(i);
        s.optionDriver[i] = f.optionDriver[i];
    }
    for (int i = 0; i < 4; ++i) {
        if (!isRead(9 + i)) break;
        if (step1 && f.optionInput[i]) step1->OptionInput_Click(i);
        s.optionInput[i] = f.optionInput[i];
    }
    for (int i = 7; i <= 11; ++i) {
        if (!isRead(14 + 2 * (i - 7))) break;
        if (step1) {
            step1->setTabellaColours(i, f.tabellaBackColor[i], f.tabellaForeColor[i]);
        } else {
            s.tabellaBackColor[i] = f.tabellaBackColor[i];
            s.tabellaForeColor[i] = f.tabellaForeColor[i];
        }
    }
    if (isRead(23)) {
        if (step1 && f.proprietaListIndex >= 0) step1->setProprietaListIndex(f.proprietaListIndex);
        s.proprietaListIndex = f.proprietaListIndex;
    }
    for (int i = 2; i <= 4; ++i)
        if (isRead(22 + i)) s.checkIdler[i] = f.checkIdler[i];
    if (isRead(27)) s.remarks = f.remarks;

    ProjectFile::copyVariables(read, project_);
    if (step1) step1->refresh();
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            checkChangedSoon();
            break;
        default:
            break;
    }
    if (watched == &window_.frame()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (project_.demoRunning == 0 && !window_.closingMessageShown() &&
                !droppedProjectFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedProjectFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                // The source of the drag waits for the drop to end; the
                // questions come after it.
                QTimer::singleShot(0, this, [this, path] { openOnRequest(path); });
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace belt
