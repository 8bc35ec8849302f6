#pragma once
#include "model/FileWrite.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <future>

class QFileSystemWatcher;
class QWidget;

namespace varkel {

class CConfigApp;
class Project;

// A file name as the file system takes it.
std::string FileSystemPath(const QString& path);

// The document: which file the configuration was last opened from or saved
// to, and the New, Open, Save and Save As commands with the save prompt.
class CDovelDoc : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFileCount = 4;

    explicit CDovelDoc(CConfigApp& app, QObject* parent = nullptr);
    ~CDovelDoc() override;

    // The window the document's dialogs open over.
    void SetWindow(QWidget* window) { window_ = window; }
    QString GetPathName() const { return path_; }

    // The document hooks; each returns whether it succeeded.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    // Takes over a configuration already loaded from path (read while the
    // window was built) as OnOpenDocument would have loaded it.
    void AdoptDocument(const QString& path, Project& loaded, const FileIdentity& read);
    bool OnSaveDocument(const QString& path);
    // Asks about unsaved changes; false means the user wants to go back.
    bool SaveModified();

    // The File menu commands.
    void FileNew();
    void FileOpen();
    bool FileSave();
    bool FileSaveAs();
    void OpenRecentFile(const QString& path);

    QStringList RecentFiles() const;

    // Whether the open file is followed on disk (the default). A run that
    // draws the window once and ends does without: ending the kernel's
    // watch takes longer than drawing the window.
    void SetFollowDisk(bool follow) { followDisk_ = follow; }

    // The file name the Save dialog chose, with ".xml" unless it has it.
    static QString WithXmlSuffix(const QString& path);
    static QString FileFilter();

signals:
    void RecentFilesChanged();
    // A new configuration or a file took the old one's place: show it
    // afresh; its history ends.
    void Replaced();
    // The configuration was saved to the document's file.
    void Saved();

private:
    QString AskSaveName();
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    // Writes the recent files on a thread of their own; FinishStoring waits
    // for the write under way.
    void StoreRecentFiles(const QStringList& files);
    void FinishStoring();
    // What follows a successful load of path.
    void Opened(const QString& path, const FileIdentity& read);
    // Follows the file on disk, so that another program's change is noticed.
    void Watch(const QString& path);
    void OnFileChanged(const QString& path);

    CConfigApp& app_;
    QWidget* window_ = nullptr;
    QString path_;
    int newCount_ = 0;
    // The file as last opened or saved here, when path_ names one.
    std::optional<FileIdentity> onDisk_;
    // The change last warned about, so that one change warns once.
    std::optional<FileIdentity> warnedAbout_;
    bool followDisk_ = true;
    // Made with the first file to follow.
    QFileSystemWatcher* watcher_ = nullptr;
    // The recent files being written, and the write.
    QStringList stored_;
    std::future<void> storing_;
};

} // namespace varkel
