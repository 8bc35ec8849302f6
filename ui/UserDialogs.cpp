#include "ui/UserDialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace varkel {

namespace {
UserDialogs* installed = nullptr;
const char* const kLastFolderKey = "LastFolder";
} // namespace

QString UserDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& suffix, const QString& startPath) {
    QFileDialog dialog(parent, caption, startPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the suffix itself, so the overwrite question is asked
    // about the file that will really be written.
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString UserDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& startPath) {
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

bool UserDialogs::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString UserDialogs::StartPath(const QString& currentFile, const QString& proposedName) {
    QString folder;
    if (!currentFile.isEmpty()) {
        folder = QFileInfo(currentFile).absolutePath();
    } else {
        // A folder removed since it was used would leave the dialog nowhere.
        const QString last = QSettings().value(QLatin1String(kLastFolderKey)).toString();
        folder = !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
    }
    return proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
}

void UserDialogs::RememberFolder(const QString& chosenFile) {
    if (chosenFile.isEmpty())
        return;
    QSettings().setValue(QLatin1String(kLastFolderKey), QFileInfo(chosenFile).absolutePath());
}

UserDialogs& UserDialogs::Get() {
    static UserDialogs real;
    return installed ? *installed : real;
}

void UserDialogs::Install(UserDialogs* dialogs) {
    installed = dialogs;
}

} // namespace varkel
