#include "ui/Startup.h"

#include "model/Catalog.h"
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
#include "ui/TimingDialog.h"
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
        PrintError(QString::fromStdString(Text(Msg::GuiCannotWritePicture, {path.toStdString()})));
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
    parser.setApplicationDescription(QString::fromStdString(Text(Msg::GuiDescription)));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption device(QStringLiteral("device"),
                                    QString::fromStdString(Text(Msg::GuiDeviceHelp)),
                                    QStringLiteral("N"));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QString::fromStdString(Text(Msg::GuiLangHelp)),
                                      QStringLiteral("zh|en"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QString::fromStdString(Text(Msg::GuiScreenshotHelp)),
                                        QStringLiteral("PNG"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QString::fromStdString(Text(Msg::GuiShowHelp)),
                                  QStringLiteral("DIALOG"));
    const QCommandLineOption select(QStringLiteral("select"),
                                    QString::fromStdString(Text(Msg::GuiSelectHelp)),
                                    QStringLiteral("N"));
    const QCommandLineOption edit(QStringLiteral("edit"),
                                  QString::fromStdString(Text(Msg::GuiEditHelp)),
                                  QStringLiteral("N"));
    parser.addOptions({device, language, screenshot, show, select, edit});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QString::fromStdString(Text(Msg::GuiFileHelp)),
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
            options.error = QString::fromStdString(Text(Msg::GuiBadDevice));
    }
    if (parser.isSet(language)) {
        options.language = parser.value(language);
        if (options.language != QLatin1String("zh") && options.language != QLatin1String("en"))
            options.error = QString::fromStdString(Text(Msg::GuiBadLang));
    }
    options.screenshot = parser.value(screenshot);
    options.show = parser.value(show);
    static const QStringList dialogs = {QStringLiteral("device"),  QStringLiteral("about"),
                                        QStringLiteral("command"), QStringLiteral("download"),
                                        QStringLiteral("upload"),  QStringLiteral("conflict"),
                                        QStringLiteral("timing")};
    if (!options.show.isEmpty() && !dialogs.contains(options.show))
        options.error = QString::fromStdString(Text(Msg::GuiBadShow));
    if (parser.isSet(edit)) {
        options.edit = parser.value(edit).toInt(&ok);
        if (!ok || options.edit < 0)
            options.error = QString::fromStdString(Text(Msg::GuiBadEdit));
    }
    if (parser.isSet(select)) {
        options.select = parser.value(select).toInt(&ok);
        if (!ok || options.select < 0)
            options.error = QString::fromStdString(Text(Msg::GuiBadSelect));
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        options.error = QString::fromStdString(Text(Msg::GuiOneFile));
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
