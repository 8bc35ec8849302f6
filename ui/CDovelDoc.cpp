#include "ui/CDovelDoc.h"

#include "model/Catalog.h"
#include "model/Messages.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"
#include "ui/CConfigApp.h"
#include "ui/UiText.h"
#include "ui/UserDialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>

namespace varkel {

namespace {
const char* const kRecentKey = "RecentFiles";
} // namespace

std::string FileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

CDovelDoc::CDovelDoc(CConfigApp& app, QObject* parent) : QObject(parent), app_(app) {}

CDovelDoc::~CDovelDoc() {
    FinishStoring();
}

void CDovelDoc::Watch(const QString& path) {
    if (watcher_ && !watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    warnedAbout_.reset();
    if (path.isEmpty() || !followDisk_)
        return;
    if (!watcher_) {
        watcher_ = new QFileSystemWatcher(this);
        connect(watcher_, &QFileSystemWatcher::fileChanged, this, &CDovelDoc::OnFileChanged);
    }
    watcher_->addPath(path);
}

void CDovelDoc::OnFileChanged(const QString& path) {
    if (path != path_ || !onDisk_)
        return;
    // A file replaced by a rename is no longer watched under its name.
    if (!watcher_->files().contains(path) && QFileInfo::exists(path))
        watcher_->addPath(path);
    FileIdentity now;
    const bool present = IdentifyFile(FileSystemPath(path), now);
    if (present && now == *onDisk_)
        return; // this document's own save
    if (present && warnedAbout_ && now == *warnedAbout_)
        return;
    warnedAbout_ = present ? now : FileIdentity{};
    ShowMessage(tr("The file \"%1\" was changed on disk by another program; saving will ask "
                   "before overwriting it.")
                    .arg(path));
}

QString CDovelDoc::FileFilter() {
    return tr("XML File(*.xml)");
}

QString CDovelDoc::WithXmlSuffix(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
        return path;
    return path + QLatin1String(".xml");
}

bool CDovelDoc::OnNewDocument() {
    if (newCount_ > 0) {
        if (!SaveModified())
            return false;
        app_.GetProject().Reset();
        path_.clear();
        onDisk_.reset();
        Watch(QString());
        app_.SetModified(false);
        emit Replaced();
    }
    ++newCount_;
    return true;
}

bool CDovelDoc::OnOpenDocument(const QString& path) {
    std::string error;
    FileIdentity read;
    if (!LoadFile(app_.GetProject(), FileSystemPath(path), &error, &read)) {
        // A refused language has been reported by the load itself.
        // The reason names the file and the fault.
        if (!error.empty())
            ShowMessage(error);
        return false;
    }
    Opened(path, read);
    return true;
}

void CDovelDoc::AdoptDocument(const QString& path, Project& loaded, const FileIdentity& read) {
    app_.GetProject().TakeFrom(loaded);
    Opened(path, read);
}

void CDovelDoc::Opened(const QString& path, const FileIdentity& read) {
    // A file opened at start-up stands for the first New: the next New is
    // the user's and must start afresh.
    if (newCount_ == 0)
        newCount_ = 1;
    app_.SetModified(false);
    path_ = path;
    onDisk_ = read;
    Watch(path);
    emit Replaced();
    AddRecentFile(path);
}

bool CDovelDoc::OnSaveDocument(const QString& path) {
    std::string error;
    // Saving over the file it came from must not lose another program's
    // change made since: the user decides.
    WriteGuard guard;
    if (onDisk_ && path == path_)
        guard.expected = *onDisk_;
    bool saved = SaveFile(app_.GetProject(), FileSystemPath(path), &error, &guard);
    if (!saved && guard.changedOnDisk) {
        if (AskQuestion(tr("The file \"%1\" changed on disk since it was opened.\nOverwrite the "
                           "other change and save (Yes), or cancel the save (No)?")
                            .arg(path),
                        Buttons::YesNo) != Answer::Yes)
            return false;
        guard.expected.reset();
        saved = SaveFile(app_.GetProject(), FileSystemPath(path), &error, &guard);
    }
    if (!saved) {
        // Nothing is marked saved: the changes must not look safe when they
        // are not.
        ShowMessage(!error.empty() ? QString::fromStdString(error)
                                   : tr("Could not save the file %1.").arg(path));
        return false;
    }
    app_.SetModified(false);
    path_ = path;
    onDisk_ = guard.written;
    Watch(path);
    emit Saved();
    AddRecentFile(path);
    return true;
}

bool CDovelDoc::SaveModified() {
    if (!app_.GetModified())
        return true;
    switch (AskQuestion(LocalText(kKeySaveChangedConfiguration), Buttons::YesNoCancel)) {
    case Answer::No:
        return true;
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        break;
    }
    // A Save dialog that is cancelled, or a save that fails, stops what the
    // prompt was asked for, so that the changes are not thrown away.
    const QString path = path_.isEmpty() ? AskSaveName() : path_;
    if (path.isEmpty())
        return false;
    return OnSaveDocument(path);
}

void CDovelDoc::FileNew() {
    OnNewDocument();
}

void CDovelDoc::FileOpen() {
    const QString path = UserDialogs::Get().OpenFileName(window_, tr("Open"), FileFilter(),
                                                         UserDialogs::StartPath(QString()));
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    if (!SaveModified())
        return;
    OnOpenDocument(path);
}

bool CDovelDoc::FileSave() {
    if (path_.isEmpty())
        return FileSaveAs();
    return OnSaveDocument(path_);
}

bool CDovelDoc::FileSaveAs() {
    const QString path = AskSaveName();
    if (path.isEmpty())
        return false;
    return OnSaveDocument(path);
}

void CDovelDoc::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ShowMessage(tr("The file %1 does not exist.").arg(path));
        RemoveRecentFile(path);
        return;
    }
    if (!SaveModified())
        return;
    OnOpenDocument(path);
}

QString CDovelDoc::AskSaveName() {
    // Proposes the current file, or starts in the folder last used.
    const QString start =
        UserDialogs::StartPath(path_, path_.isEmpty() ? QString() : QFileInfo(path_).fileName());
    const QString path = WithXmlSuffix(UserDialogs::Get().SaveFileName(
        window_, tr("Save As"), FileFilter(), QStringLiteral("xml"), start));
    UserDialogs::RememberFolder(path);
    return path;
}

QStringList CDovelDoc::RecentFiles() const {
    // While a new list is on its way to the disk, it is the list.
    if (storing_.valid() && storing_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return stored_;
    QSettings settings;
    return settings.value(QLatin1String(kRecentKey)).toStringList().mid(0, kRecentFileCount);
}

void CDovelDoc::AddRecentFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(full);
    files.prepend(full);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    StoreRecentFiles(files);
}

void CDovelDoc::RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    StoreRecentFiles(files);
}

void CDovelDoc::StoreRecentFiles(const QStringList& files) {
    // Writing the settings waits for the disk twice (Qt's lock file and the
    // settings file, each synced): a file opened at start would keep the
    // window waiting. QSettings objects on separate threads are safe, and
    // the list is written before the next one or the document's end.
    FinishStoring();
    stored_ = files;
    storing_ = std::async(std::launch::async,
                          [files] { QSettings().setValue(QLatin1String(kRecentKey), files); });
    emit RecentFilesChanged();
}

void CDovelDoc::FinishStoring() {
    if (storing_.valid())
        storing_.get();
}

} // namespace varkel
