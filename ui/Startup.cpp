#include "ui/Startup.h"

#include "model/Messages.h"
#include "model/TextTable.h"
#include "ui/AboutDialog.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CConflictDlg.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/CUpDownDlg.h"
#include "ui/ConfigTree.h"
#include "ui/QtMessageSink.h"
#include "ui/SelectCommandDialog.h"
#include "ui/SelectDeviceDialog.h"
#include "ui/UiText.h"
#include "ui/VirtualGateway.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QThread>
#include <QTranslator>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <memory>

namespace varkel {

namespace {

// While a picture is taken nobody is there to answer: messages go to the
// error stream and questions are answered No.
class StreamMessageSink : public MessageSink {
public:
    StreamMessageSink() : previous_(GetInstalledMessageSink()) { SetMessageSink(this); }
    ~StreamMessageSink() override { SetMessageSink(previous_); }
    StreamMessageSink(const StreamMessageSink&) = delete;
    StreamMessageSink& operator=(const StreamMessageSink&) = delete;
    void Inform(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    Answer Ask(const std::string& text, Buttons) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return Answer::No;
    }

private:
    MessageSink* previous_;
};

void PrintError(const QString& text) {
    std::fprintf(stderr, "varkel: %s\n", text.toLocal8Bit().constData());
}

bool SavePicture(QWidget& widget, const QString& path) {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    QPixmap picture = widget.grab();
    // An open drop-down list is a window of its own: draw it where it lies.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QPoint at = popup->mapToGlobal(QPoint(0, 0)) - widget.mapToGlobal(QPoint(0, 0));
        // A small virtual screen pushes a list aside; draw it under its box.
        if (auto* box = qobject_cast<QComboBox*>(popup->parentWidget()))
            at = box->mapTo(&widget, QPoint(0, box->height()));
        QPainter painter(&picture);
        painter.drawPixmap(at, popup->grab());
    }
    if (picture.isNull() || !picture.save(path)) {
        PrintError(Pick("无法写入图片 %1", "cannot write the picture %1").arg(path));
        return false;
    }
    return true;
}

// Starts a download to the built-in gateway and waits until about half of
// it is done, so that the picture shows the progress and the frame log.
void RunTransferHalfway(CUpDownDlg& dialog) {
    // The picture must not change what the user's virtual gateway keeps.
    VirtualGateway::Shared().SetStateFile(QString());
    const QList<CUpDownDlg::Port> ports = dialog.Ports();
    for (int i = 0; i < ports.size(); ++i)
        if (ports[i].virtualGateway)
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

int TakePicture(const StartOptions& options, CConfigApp& config, CMainFrame& frame) {
    if (options.select >= 0)
        SelectTreeEntry(*frame.Tree(), options.select);
    std::unique_ptr<QWidget> dialog;
    if (options.show == QLatin1String("device"))
        dialog = std::make_unique<SelectDeviceDialog>();
    else if (options.show == QLatin1String("about"))
        dialog = std::make_unique<AboutDialog>(&frame);
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
    const int result = SavePicture(subject, options.screenshot) ? 0 : 1;
    // A transfer still running ends before the dialog goes.
    if (auto* transfer = qobject_cast<CUpDownDlg*>(dialog.get()))
        while (transfer->IsBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    return result;
}

} // namespace

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Pick("Varkel 网关配置软件", "Varkel gateway configuration tool"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption device(
        QStringLiteral("device"),
        Pick("网关型号 0 (TRX-10)、1 (TRX-20A) 或 2 (TRC-10)，不再询问",
             "gateway model 0 (TRX-10), 1 (TRX-20A) or 2 (TRC-10), without asking"),
        QStringLiteral("N"));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      Pick("界面语言 zh 或 en", "language zh or en"),
                                      QStringLiteral("zh|en"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        Pick("显示主窗口，把它画入图片后退出", "show the main window, write a picture of it, exit"),
        QStringLiteral("PNG"));
    const QCommandLineOption show(
        QStringLiteral("show"),
        Pick("与 --screenshot 一起：画出 device、about、command、download、upload 或 conflict "
             "对话框",
             "with --screenshot: picture the device, about, command, download, upload or "
             "conflict dialog instead"),
        QStringLiteral("DIALOG"));
    const QCommandLineOption select(QStringLiteral("select"),
                                    Pick("与 --screenshot 一起：先选中树的第 N 项 (从 0 起)",
                                         "with --screenshot: select tree entry N (from 0) first"),
                                    QStringLiteral("N"));
    const QCommandLineOption edit(
        QStringLiteral("edit"),
        Pick("与 --screenshot 一起：打开参数表第 N 行的编辑框 (从 0 起)",
             "with --screenshot: open the editor of parameter row N (from 0)"),
        QStringLiteral("N"));
    parser.addOptions({device, language, screenshot, show, select, edit});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 Pick("要打开的配置文件", "configuration file to open"),
                                 QStringLiteral("[FILE]"));
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        std::fprintf(stdout, "%s\n",
                     (parser.isSet(QStringLiteral("help"))
                          ? parser.helpText()
                          : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                QCoreApplication::applicationVersion())
                         .toLocal8Bit()
                         .constData());
        options.helpShown = true;
        return options;
    }
    bool ok = true;
    if (parser.isSet(device)) {
        options.device = parser.value(device).toInt(&ok);
        if (!ok || options.device < 0 || options.device > 2)
            options.error = Pick("--device 须为 0、1 或 2", "--device must be 0, 1 or 2");
    }
    if (parser.isSet(language)) {
        options.language = parser.value(language);
        if (options.language != QLatin1String("zh") && options.language != QLatin1String("en"))
            options.error = Pick("--lang 须为 zh 或 en", "--lang must be zh or en");
    }
    options.screenshot = parser.value(screenshot);
    options.show = parser.value(show);
    static const QStringList dialogs = {QStringLiteral("device"),  QStringLiteral("about"),
                                        QStringLiteral("command"), QStringLiteral("download"),
                                        QStringLiteral("upload"),  QStringLiteral("conflict")};
    if (!options.show.isEmpty() && !dialogs.contains(options.show))
        options.error = Pick("--show 须为 device、about、command、download、upload 或 conflict",
                             "--show must be device, about, command, download, upload or conflict");
    if (parser.isSet(edit)) {
        options.edit = parser.value(edit).toInt(&ok);
        if (!ok || options.edit < 0)
            options.error = Pick("--edit 须为非负整数", "--edit must be a number from 0");
    }
    if (parser.isSet(select)) {
        options.select = parser.value(select).toInt(&ok);
        if (!ok || options.select < 0)
            options.error = Pick("--select 须为非负整数", "--select must be a number from 0");
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        options.error = Pick("只能打开一个文件", "only one file can be opened");
    else if (!files.isEmpty())
        options.file = files.constFirst();
    return options;
}

void LoadTranslations(QApplication& app, const QString& language) {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/varkel/translations");
    auto* own = new QTranslator(&app);
    const QString name = QStringLiteral("varkel_") + language;
    if (own->load(name, installed) || own->load(name, QStringLiteral(":/i18n")))
        QApplication::installTranslator(own);
    if (language == QLatin1String("zh")) {
        // The standard buttons (Yes, No, Cancel, OK) and the file dialogs.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(qt);
    }
}

int RunApplication(QApplication& app) {
    QCoreApplication::setOrganizationName(QStringLiteral("varkel"));
    QCoreApplication::setApplicationName(QStringLiteral("varkel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARKEL_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/varkel.svg")));

    // The table language first, so that the command line's own texts follow
    // --lang as well.
    const QStringList arguments = app.arguments();
    bool english = false;
    for (int i = 1; i < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("--lang=en") ||
            (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size() &&
             arguments[i + 1] == QLatin1String("en")))
            english = true;
    SetTextLanguage(english ? TextLanguage::English : TextLanguage::Chinese);

    const StartOptions options = StartOptions::Parse(arguments);
    if (options.helpShown)
        return 0;
    if (!options.error.isEmpty()) {
        PrintError(options.error);
        return 2;
    }

    QString uiLanguage = options.language;
    if (uiLanguage.isEmpty())
        uiLanguage = QLocale::system().language() == QLocale::Chinese ? QStringLiteral("zh")
                                                                      : QStringLiteral("en");
    LoadTranslations(app, uiLanguage);

    const bool picture = !options.screenshot.isEmpty();
    std::unique_ptr<MessageSink> sink;
    if (picture)
        sink = std::make_unique<StreamMessageSink>();
    else
        sink = std::make_unique<QtMessageSink>();

    CConfigApp config;
    if (options.device >= 0) {
        config.SetDeviceType(options.device);
    } else if (!picture) {
        SelectDeviceDialog dialog;
        if (dialog.exec() != QDialog::Accepted)
            return 0;
        config.SetDeviceType(dialog.GetDevice());
    }

    CDovelDoc doc(config);
    CMainFrame frame(config, doc);
    if (!options.file.isEmpty()) {
        if (!doc.OnOpenDocument(options.file))
            return 1;
    } else {
        doc.OnNewDocument();
    }
    frame.show();
    frame.setWindowTitle(config.DeviceCaption());
    if (picture)
        return TakePicture(options, config, frame);
    return app.exec();
}

} // namespace varkel
