#include "ui/Startup.h"

#include "model/Catalog.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"
#include "ui/CConfigApp.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/ProgramIcon.h"
#include "ui/QtMessageSink.h"
#include "ui/SelectDeviceDialog.h"
#include "ui/StreamMessageSink.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QBackingStore>
#include <QComboBox>
#include <QCommandLineParser>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QTranslator>

#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <exception>
#include <future>
#include <memory>

namespace varkel {

void PrintError(const QString& text) {
    std::fprintf(stderr, "varkel: %s\n", text.toLocal8Bit().constData());
}

QImage GrabWindow(QWidget& widget) {
    // Off screen, a shown window's backing store is an image that already
    // holds the frame just painted: sharing it spares painting every widget
    // a second time (and laying out every hidden menu, which a grab does
    // too) and a second window-sized image at the moment memory peaks.
    if (widget.isWindow() && widget.isVisible() &&
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        if (QBackingStore* store = widget.backingStore()) {
            QPaintDevice* device = store->paintDevice();
            if (device && device->devType() == QInternal::Image) {
                const QImage& painted = *static_cast<QImage*>(device);
                if (painted.size() == widget.size() * widget.devicePixelRatio())
                    return painted;
            }
        }
    }
    return widget.grab().toImage();
}

bool SavePicture(QWidget& widget, const QString& path) {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    QImage picture = GrabWindow(widget);
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
        PrintError(QCoreApplication::translate("varkel::Startup", "cannot write the picture %1")
                       .arg(path));
        return false;
    }
    return true;
}

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("varkel::Startup", "Varkel gateway configuration tool"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption device(
        QStringLiteral("device"),
        QCoreApplication::translate(
            "varkel::Startup", "gateway model 0 (TRX10), 1 (TRX20A) or 2 (TRC10), without asking"),
        QStringLiteral("N"));
    const QCommandLineOption language(
        QStringLiteral("lang"), QCoreApplication::translate("varkel::Startup", "language zh or en"),
        QStringLiteral("zh|en"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("varkel::Startup",
                                    "show the main window, write a picture of it, exit"),
        QStringLiteral("PNG"));
    parser.addOptions({device, language, screenshot});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("varkel::Startup", "configuration file to open"),
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
            options.error =
                QCoreApplication::translate("varkel::Startup", "--device must be 0, 1 or 2");
    }
    if (parser.isSet(language)) {
        options.language = parser.value(language);
        if (options.language != QLatin1String("zh") && options.language != QLatin1String("en"))
            options.error =
                QCoreApplication::translate("varkel::Startup", "--lang must be zh or en");
    }
    options.screenshot = parser.value(screenshot);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        options.error =
            QCoreApplication::translate("varkel::Startup", "only one file can be opened");
    else if (!files.isEmpty())
        options.file = files.constFirst();
    return options;
}

namespace {
const QString kLanguageKey = QStringLiteral("language");
const QString kTranslatorName = QStringLiteral("varkelTranslator");
} // namespace

QString ChosenLanguage(const QString& commandLine) {
    if (commandLine == QLatin1String("zh") || commandLine == QLatin1String("en"))
        return commandLine;
    const QString stored = QSettings().value(kLanguageKey).toString();
    if (stored == QLatin1String("en"))
        return stored;
    return QStringLiteral("zh");
}

void RememberLanguage(const QString& language) {
    QSettings().setValue(kLanguageKey, language);
}

void ApplyLanguage(QApplication& app, const QString& language) {
    SetTextLanguage(language == QLatin1String("en") ? TextLanguage::English
                                                    : TextLanguage::Chinese);
    LoadTranslations(app, language);
}

void LoadTranslations(QApplication& app, const QString& language) {
    // A second call replaces the first language's translations.
    for (QTranslator* old :
         app.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(old);
        delete old;
    }
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/varkel/translations");
    auto* own = new QTranslator(&app);
    own->setObjectName(kTranslatorName);
    const QString name = QStringLiteral("varkel_") + language;
    if (own->load(name, installed) || own->load(name, QStringLiteral(":/i18n")))
        QApplication::installTranslator(own);
    if (language == QLatin1String("zh")) {
        // The standard buttons (Yes, No, Cancel, OK) and the file dialogs.
        auto* qt = new QTranslator(&app);
        qt->setObjectName(kTranslatorName);
        if (qt->load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(qt);
    }
}

QString LanguageInArguments(const QStringList& arguments) {
    QString language;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            language = arguments[i].mid(7);
        else if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            language = arguments[++i];
    }
    return language == QLatin1String("zh") || language == QLatin1String("en") ? language
                                                                              : QString();
}

bool OpenStartFile(CDovelDoc& doc, const QString& file) {
    if (!file.isEmpty() && doc.OnOpenDocument(file))
        return true;
    doc.OnNewDocument();
    return file.isEmpty();
}

namespace {

// The start file, read on a thread of its own while the window is built.
struct StartFile {
    Project project;
    FileIdentity identity;
    bool loaded = false;
};

std::future<std::unique_ptr<StartFile>> ReadStartFile(const QString& file) {
    if (file.isEmpty())
        return {};
    return std::async(std::launch::async, [path = FileSystemPath(file)] {
        auto read = std::make_unique<StartFile>();
        read->loaded = PreloadFile(read->project, path, &read->identity);
        return read;
    });
}

// Takes the file read beforehand; one that did not load is opened the
// usual way, which says why.
bool OpenStartFile(CDovelDoc& doc, const QString& file,
                   std::future<std::unique_ptr<StartFile>>& reading) {
    if (reading.valid()) {
        std::unique_ptr<StartFile> read;
        try {
            read = reading.get();
        } catch (const std::exception&) {
        }
#ifdef __GLIBC__
        // The reading thread's scratch memory (the parsed XML) is free now
        // but still held by that thread's allocator arena: give it back.
        ::malloc_trim(0);
#endif
        if (read && read->loaded) {
            doc.AdoptDocument(file, read->project, read->identity);
            return true;
        }
    }
    return OpenStartFile(doc, file);
}

} // namespace

int RunApplication(QApplication& app, const QStringList& arguments, const PictureTaker& taker) {
    QCoreApplication::setOrganizationName(QStringLiteral("varkel"));
    QCoreApplication::setApplicationName(QStringLiteral("varkel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARKEL_VERSION));
    QApplication::setWindowIcon(ProgramIcon("varkel"));

    // The language first, so that the command line's own texts follow it
    // as well.
    const QString early = ChosenLanguage(LanguageInArguments(arguments));
    ApplyLanguage(app, early);

    const StartOptions options = StartOptions::Parse(arguments);
    if (options.helpShown)
        return 0;
    if (!options.error.isEmpty()) {
        PrintError(options.error);
        return 2;
    }

    if (const QString language = ChosenLanguage(options.language); language != early)
        ApplyLanguage(app, language);
    // Read in the texts of the language just chosen.
    auto reading = ReadStartFile(options.file);

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
    doc.SetFollowDisk(!picture);
    CMainFrame frame(config, doc);
    // A picture of a file that cannot be read is no picture of it.
    if (!OpenStartFile(doc, options.file, reading) && picture)
        return 1;
    // Pictures show the window as it first appears; a user's run as it was left.
    if (!picture)
        frame.RestoreWindowState();
    frame.show();
    frame.UpdateTitle();
    if (picture) {
        if (taker)
            return taker(options.screenshot, config, frame);
        return SavePicture(frame, options.screenshot) ? 0 : 1;
    }
    const int code = app.exec();
    frame.SaveWindowState();
    return code;
}

} // namespace varkel
