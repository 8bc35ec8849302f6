// varkel-shots: the pictures of the user manual. Starts the desktop program
// as `varkel --screenshot` does, and before the picture selects a tree
// entry, opens a grid editor or shows a dialog. Its settings live in a
// temporary folder, so that the user's recent files, folders and ports stay
// as they are.
#include "model/Catalog.h"
#include "ui/AboutDialog.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CConflictDlg.h"
#include "ui/CMainFrame.h"
#include "ui/CUpDownDlg.h"
#include "ui/ConfigTree.h"
#include "ui/ParamGrid.h"
#include "ui/SelectCommandDialog.h"
#include "ui/SelectDeviceDialog.h"
#include "ui/Startup.h"
#include "ui/TimingDialog.h"
#include "ui/UiText.h"
#include "ui/VirtualGateway.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace varkel {
namespace {

QString Message(const char* text) {
    return QCoreApplication::translate("varkel::Shots", text);
}

struct ShotOptions {
    // "device", "about", "command", "download", "upload", "conflict" or "timing"
    QString show;
    int edit = -1;   // the grid row whose editor is open
    int select = -1; // the tree entry to select, counted from 0
    QString error;
};

// Takes this tool's own options out of the arguments; the rest are the
// program's.
ShotOptions TakeShotOptions(QStringList& arguments) {
    ShotOptions options;
    QStringList rest;
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        const int equals = name.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (name != QLatin1String("--show") && name != QLatin1String("--select") &&
            name != QLatin1String("--edit")) {
            rest << arguments[i];
            continue;
        }
        if (equals < 0) {
            if (i + 1 >= arguments.size()) {
                options.error =
                    Message(QT_TRANSLATE_NOOP("varkel::Shots", "%1 needs a value")).arg(name);
                break;
            }
            value = arguments[++i];
        }
        bool ok = true;
        if (name == QLatin1String("--show")) {
            static const QStringList dialogs = {
                QStringLiteral("device"),   QStringLiteral("about"),  QStringLiteral("command"),
                QStringLiteral("download"), QStringLiteral("upload"), QStringLiteral("conflict"),
                QStringLiteral("timing")};
            options.show = value;
            if (!dialogs.contains(value))
                options.error = Message(QT_TRANSLATE_NOOP(
                    "varkel::Shots",
                    "--show must be device, about, command, download, upload, conflict or timing"));
        } else {
            const int number = value.toInt(&ok);
            if (!ok || number < 0)
                options.error = name == QLatin1String("--edit")
                                    ? Message(QT_TRANSLATE_NOOP("varkel::Shots",
                                                                "--edit must be a number from 0"))
                                    : Message(QT_TRANSLATE_NOOP(
                                          "varkel::Shots", "--select must be a number from 0"));
            (name == QLatin1String("--edit") ? options.edit : options.select) = number;
        }
    }
    arguments = rest;
    return options;
}

// Starts a download to the built-in gateway and waits until about half of
// it is done, so that the picture shows the progress and the frame log.
void RunTransferHalfway(CUpDownDlg& dialog) {
    // The picture must not change what the user's virtual gateway keeps.
    VirtualGateway::Shared().SetStateFile(QString());
    const QList<CUpDownDlg::Port> ports = dialog.Ports();
    for (int i = 0; i < ports.size(); ++i)
        if (ports[i].isVirtual)
            dialog.PortList()->setCurrentIndex(i);
    dialog.SetLogExpanded(true);
    dialog.StartTransfer();
    QElapsedTimer timer;
    timer.start();
    while (dialog.IsBusy() && timer.elapsed() < 30000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        const QProgressBar* bar = dialog.ProgressBar();
        if (bar->maximum() > 2 && bar->value() * 2 >= bar->maximum())
            break;
        QThread::msleep(5);
    }
}

void SelectTreeEntry(ConfigTree& tree, int index) {
    QTreeWidgetItemIterator it(&tree);
    for (int i = 0; *it; ++it, ++i)
        if (i == index) {
            tree.setCurrentItem(*it);
            return;
        }
}

int TakePicture(const ShotOptions& options, const QString& path, CConfigApp& config,
                CMainFrame& frame) {
    if (options.select >= 0)
        SelectTreeEntry(*frame.Tree(), options.select);
    std::unique_ptr<QWidget> dialog;
    if (options.show == QLatin1String("device"))
        dialog = std::make_unique<SelectDeviceDialog>();
    else if (options.show == QLatin1String("about"))
        dialog = std::make_unique<AboutDialog>(&frame);
    else if (options.show == QLatin1String("timing"))
        dialog = std::make_unique<TimingDialog>(config.GetProject(), &frame);
    else if (options.show == QLatin1String("command"))
        dialog = std::make_unique<SelectCommandDialog>(nullptr, &frame);
    else if (options.show == QLatin1String("conflict")) {
        auto conflict = std::make_unique<CConflictDlg>(config.GetProject(), &frame);
        // Selected once laid out, so that the map scrolls to the command.
        conflict->show();
        QApplication::processEvents();
        if (options.select >= 0)
            SelectTreeEntry(*conflict->Tree(), options.select);
        dialog = std::move(conflict);
    } else if (options.show == QLatin1String("download") ||
               options.show == QLatin1String("upload")) {
        auto transfer = std::make_unique<CUpDownDlg>(config.GetProject(),
                                                     options.show == QLatin1String("download")
                                                         ? CUpDownDlg::DownloadMode
                                                         : CUpDownDlg::UploadMode,
                                                     &frame);
        transfer->show();
        if (options.show == QLatin1String("download"))
            RunTransferHalfway(*transfer);
        dialog = std::move(transfer);
    }
    QWidget& subject = dialog ? *dialog : static_cast<QWidget&>(frame);
    subject.show();
    if (!dialog && options.edit >= 0) {
        frame.activateWindow();
        frame.View()->OnGridClicked(options.edit, 1);
    }
    const int result = SavePicture(subject, path) ? 0 : 1;
    // A transfer still running ends before the dialog goes.
    if (auto* transfer = qobject_cast<CUpDownDlg*>(dialog.get()))
        while (transfer->IsBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    return result;
}

} // namespace
} // namespace varkel

int main(int argc, char** argv) {
    // Settings written while the pictures are taken go to a folder of their
    // own, removed at the end.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.filePath(QStringLiteral("config")).toLocal8Bit());
    // The virtual gateway keeps its state under the data folder.
    qputenv("XDG_DATA_HOME", settings.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    const QString config = settings.filePath(QStringLiteral("config"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);

    QStringList arguments = app.arguments();
    varkel::ApplyLanguage(app, varkel::ChosenLanguage(varkel::LanguageInArguments(arguments)));
    if (!settings.isValid()) {
        varkel::PrintError(varkel::Message(
            QT_TRANSLATE_NOOP("varkel::Shots", "no temporary folder for the settings")));
        return 1;
    }
    // Its own options first; the program's help follows.
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")))
        for (const auto& [option, help] :
             {std::pair{"--show DIALOG",
                        QT_TRANSLATE_NOOP("varkel::Shots",
                                          "with --screenshot: picture the device, about, command, "
                                          "download, upload, conflict or timing dialog instead")},
              std::pair{"--select N",
                        QT_TRANSLATE_NOOP("varkel::Shots",
                                          "with --screenshot: select tree entry N (from 0) first")},
              std::pair{"--edit N",
                        QT_TRANSLATE_NOOP(
                            "varkel::Shots",
                            "with --screenshot: open the editor of parameter row N (from 0)")}})
            std::printf("  %-14s %s\n", option, varkel::Message(help).toLocal8Bit().constData());
    const varkel::ShotOptions shots = varkel::TakeShotOptions(arguments);
    if (!shots.error.isEmpty()) {
        varkel::PrintError(shots.error);
        return 2;
    }
    return varkel::RunApplication(
        app, arguments,
        [&](const QString& path, varkel::CConfigApp& config, varkel::CMainFrame& frame) {
            return varkel::TakePicture(shots, path, config, frame);
        });
}
