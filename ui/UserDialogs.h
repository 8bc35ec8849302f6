#pragma once
#include <QString>
#include <QUrl>

class QWidget;

namespace varkel {

// The file dialogs and the hand-over of files to the desktop, behind one
// seam so that tests can answer them without windows.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // A Save dialog that asks before overwriting; empty when cancelled.
    // The suffix (without dot) is added by the dialog when the name lacks it.
    // The dialog starts at the start path: a folder, or a file name in it.
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& suffix, const QString& startPath);
    // An Open dialog for an existing file, starting in the start folder;
    // empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& startPath);
    // Opens a file or address with the desktop's default program.
    virtual bool OpenUrl(const QUrl& url);

    // Where a file dialog starts: the folder of the current file when there
    // is one, else the folder last used, else the home folder; followed by
    // the proposed name when there is one.
    static QString StartPath(const QString& currentFile, const QString& proposedName = QString());
    // Remembers the folder of a file a dialog chose; an empty name is ignored.
    static void RememberFolder(const QString& chosenFile);

    // The dialogs in use: the installed ones, or the real ones.
    static UserDialogs& Get();
    // Installs replacement dialogs; nullptr restores the real ones.
    static void Install(UserDialogs* dialogs);
};

} // namespace varkel
