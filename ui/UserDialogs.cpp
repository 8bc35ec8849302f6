#include "ui/UserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>

namespace varkel {

namespace {
UserDialogs* installed = nullptr;
}

QString UserDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& suffix) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the suffix itself, so the overwrite question is asked
    // about the file that will really be written.
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString UserDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

bool UserDialogs::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

UserDialogs& UserDialogs::Get() {
    static UserDialogs real;
    return installed ? *installed : real;
}

void UserDialogs::Install(UserDialogs* dialogs) {
    installed = dialogs;
}

} // namespace varkel
