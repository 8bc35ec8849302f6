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
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& suffix);
    // An Open dialog for an existing file; empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter);
    // Opens a file or address with the desktop's default program.
    virtual bool OpenUrl(const QUrl& url);

    // The dialogs in use: the installed ones, or the real ones.
    static UserDialogs& Get();
    // Installs replacement dialogs; nullptr restores the real ones.
    static void Install(UserDialogs* dialogs);
};

} // namespace varkel
