// The main window's panes, toolbar, help and export, the start-up pickers,
// and the program started from its command line.
#include "UiFixture.h"
#include "model/Catalog.h"

#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/AboutDialog.h"
#include "ui/CMainFrame.h"
#include "ui/ProgramIcon.h"
#include "ui/QtMessageSink.h"
#include "ui/SelectDeviceDialog.h"
#include "ui/Startup.h"
#include "widgets/CCoolBar.h"
#include "widgets/HyperlinkLabel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

QString DataFile(const char* name) {
    return QStringLiteral(VARKEL_UI_TEST_DATA "/") + QLatin1String(name);
}

struct Run {
    int exitCode = -1;
    QByteArray errors;
};

Run RunProgram(const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARKEL_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.errors = process.readAllStandardError();
    return run;
}

} // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }

    void PaneTogglesFollowThePanes() {
        Window w;
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        struct Pane {
            CMainFrame::Command command;
            QWidget* widget;
        };
        for (Pane pane : {Pane{CMainFrame::ViewTree, w.frame.TreePane()},
                          Pane{CMainFrame::ViewAnnotation, w.frame.AnnotationBar()},
                          Pane{CMainFrame::ViewToolbar, w.frame.ToolBar()}}) {
            QAction* toggle = w.frame.Action(pane.command);
            QVERIFY(toggle->isCheckable());
            QVERIFY(toggle->isChecked());
            QVERIFY(pane.widget->isVisible());
            toggle->trigger();
            QVERIFY(!pane.widget->isVisible());
            QVERIFY(!toggle->isChecked());
            toggle->trigger();
            QVERIFY(pane.widget->isVisible());
            QVERIFY(toggle->isChecked());
        }
        // The tree keeps its entries while hidden.
        w.Trigger(CMainFrame::ViewTree);
        w.Trigger(CMainFrame::ViewTree);
        QCOMPARE(w.Tree().topLevelItemCount(), 2);

        // A floating pane closed with its own button comes back by its entry.
        CCoolBar* bar = w.frame.AnnotationBar();
        bar->setFloating(true);
        QVERIFY(bar->isVisible());
        bar->close();
        QVERIFY(!bar->isVisible());
        QVERIFY(!w.frame.Action(CMainFrame::ViewAnnotation)->isChecked());
        w.Trigger(CMainFrame::ViewAnnotation);
        QVERIFY(bar->isVisible());
        QVERIFY(w.frame.Action(CMainFrame::ViewAnnotation)->isChecked());
    }

    void ToolbarButtonsCarryTheTableTexts() {
        Window w;
        QStringList texts;
        for (QAction* a : w.frame.ToolBar()->actions())
            if (!a->isSeparator())
                texts << a->iconText();
        QStringList expected;
        for (int key : {4, 5, 6})
            expected << QString::fromStdString(LocalText(key));
        expected << CMainFrame::tr("Undo") << CMainFrame::tr("Redo");
        for (int key : {7, 8, 9, 10, 11, 12, 13, 5017, 14})
            expected << QString::fromStdString(LocalText(key));
        expected << CMainFrame::tr("Test Commands");
        QCOMPARE(texts, expected);
        QCOMPARE(w.frame.ToolBar()->iconSize(), QSize(32, 32));
        QCOMPARE(w.frame.ToolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }

    void HelpOpensTheManualOfTheLanguage() {
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w;
        w.Trigger(CMainFrame::HelpContent);
        QCOMPARE(dialogs.opened.size(), 1);
        QVERIFY(dialogs.opened[0].isLocalFile());
        QCOMPARE(QFileInfo(dialogs.opened[0].toLocalFile()).fileName(),
                 QStringLiteral("manual_en.html"));
        QVERIFY(QFileInfo::exists(dialogs.opened[0].toLocalFile()));
        QVERIFY(messages.messages.empty());

        dialogs.openResult = false;
        w.Trigger(CMainFrame::HelpContent);
        QCOMPARE(messages.messages.size(), size_t(1));
    }

    void ExportWritesAndOpensTheWorkbook() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w;
        QVERIFY(w.doc.OnOpenDocument(DataFile("commands48.xml")));

        // Cancelled: nothing written, nothing opened.
        w.Trigger(CMainFrame::ExportXls);
        QVERIFY(dialogs.opened.isEmpty());
        QVERIFY(messages.messages.empty());
        QVERIFY(dialogs.saveFilters.value(0).contains(QLatin1String("*.xlsx")));

        dialogs.saveNames << dir.filePath(QStringLiteral("plant"));
        w.Trigger(CMainFrame::ExportXls);
        const QString written = dir.filePath(QStringLiteral("plant.xlsx"));
        if (!messages.messages.empty())
            QFAIL(messages.messages[0].c_str());
        QVERIFY(QFileInfo(written).size() > 0);
        QCOMPARE(dialogs.opened.size(), 1);
        QCOMPARE(dialogs.opened[0], QUrl::fromLocalFile(written));
        QCOMPARE(w.app.GetModified(), 0);

        // A place that cannot be written: a message, nothing opened.
        dialogs.saveNames << dir.filePath(QStringLiteral("no/such/folder/x.xlsx"));
        w.Trigger(CMainFrame::ExportXls);
        QCOMPARE(messages.messages.size(), size_t(1));
        QCOMPARE(dialogs.opened.size(), 1);

        // A value still in its editor goes into the workbook.
        w.Select(w.NodeItem()->child(0));
        w.View().OnGridClicked(2, ParamGrid::ValueColumn);
        w.View().ValueEdit()->setText(QStringLiteral("5"));
        dialogs.saveNames << dir.filePath(QStringLiteral("typed.xlsx"));
        w.Trigger(CMainFrame::ExportXls);
        QCOMPARE(
            w.app.GetProject().GetSubnet().GetNodeAt(0)->GetCommandAt(0)->GetItem(2)->GetValue(),
            std::string("5"));
    }

    void SelectDeviceDialogChoosesTheModel() {
        SelectDeviceDialog untouched;
        QCOMPARE(untouched.DeviceList()->count(), 3);
        // Spelled as the title spells the model.
        QCOMPARE(untouched.DeviceList()->itemText(1), QStringLiteral("TRX20A"));
        untouched.accept();
        QCOMPARE(untouched.result(), int(QDialog::Accepted));
        QCOMPARE(untouched.GetDevice(), 0);

        SelectDeviceDialog chosen;
        chosen.DeviceList()->setCurrentIndex(2);
        chosen.accept();
        QCOMPARE(chosen.GetDevice(), 2);

        SelectDeviceDialog cancelled;
        cancelled.DeviceList()->setCurrentIndex(1);
        cancelled.reject();
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(cancelled.GetDevice(), 0);
    }

    void AboutBoxLinksToTheHomePage() {
        AboutDialog about;
        QCOMPARE(about.WebLink()->GetTarget(), AboutDialog::HomePage());
        auto* version = about.findChild<QLabel*>(QStringLiteral("versionLine"));
        QVERIFY(version);
        QVERIFY(version->text().contains(QStringLiteral(VARKEL_VERSION)));
    }

    void CommandLineIsChecked() {
        StartOptions ok = StartOptions::Parse({QStringLiteral("varkel"), QStringLiteral("--device"),
                                               QStringLiteral("2"), QStringLiteral("--lang"),
                                               QStringLiteral("en"), QStringLiteral("a.xml")});
        QVERIFY(ok.error.isEmpty());
        QCOMPARE(ok.device, 2);
        QCOMPARE(ok.language, QStringLiteral("en"));
        QCOMPARE(ok.file, QStringLiteral("a.xml"));

        for (const QStringList& bad :
             {QStringList{QStringLiteral("varkel"), QStringLiteral("--device"),
                          QStringLiteral("3")},
              QStringList{QStringLiteral("varkel"), QStringLiteral("--device"),
                          QStringLiteral("x")},
              QStringList{QStringLiteral("varkel"), QStringLiteral("--lang"), QStringLiteral("fr")},
              QStringList{QStringLiteral("varkel"), QStringLiteral("a.xml"),
                          QStringLiteral("b.xml")},
              QStringList{QStringLiteral("varkel"), QStringLiteral("--bogus")}})
            QVERIFY2(!StartOptions::Parse(bad).error.isEmpty(), qPrintable(bad.join(' ')));
    }

    void MessageBoxesCarryTheApplicationTitle() {
        QtMessageSink sink;
        QString caption;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        // Escape on the save prompt means Cancel, never Yes.
        QCOMPARE(AskQuestion(LocalText(kKeySaveChangedConfiguration), Buttons::YesNoCancel),
                 Answer::Cancel);
        QCOMPARE(caption, QStringLiteral("Varkel"));
        QCOMPARE(text, QString::fromStdString(LocalText(kKeySaveChangedConfiguration)));
    }

    void ChineseTranslationsApply() {
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        LoadTranslations(*app, QStringLiteral("zh"));
        QCOMPARE(CConfigApp::AppTitle(), QStringLiteral("提示信息"));
        {
            Window w;
            QCOMPARE(w.frame.menuBar()->actions().value(0)->text(), QStringLiteral("文件(&F)"));
            QCOMPARE(w.frame.Action(CMainFrame::ViewTree)->text(), QStringLiteral("查看树(&L)"));
            // A tool tip drops the "(&D)" and "..." of the menu text.
            QCOMPARE(w.frame.Action(CMainFrame::Download)->toolTip(),
                     QStringLiteral("下载数据 (Ctrl+D)"));
            SelectDeviceDialog device;
            QCOMPARE(device.windowTitle(), QStringLiteral("选择设备类型"));
            // The export command's file dialog.
            ScriptedDialogs dialogs;
            w.Trigger(CMainFrame::ExportXls);
            QCOMPARE(dialogs.saveFilters, QStringList{QStringLiteral("Excel 文件(*.xlsx)")});
        }
        for (QTranslator* t : app->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QCOMPARE(CConfigApp::AppTitle(), QStringLiteral("Varkel"));
    }

    void IconsAndPicturesAreDrawn() {
        // Every toolbar icon exists at its size and, for dense screens, twice
        // it.
        Window w;
        for (QAction* action : w.frame.ToolBar()->actions()) {
            if (!action->isSeparator())
                QVERIFY2(!action->icon().pixmap(QSize(32, 32)).isNull(),
                         qPrintable(action->text()));
        }
        // Each compiled icon is drawn (not blank) and has its twice-size
        // picture; a name that is no icon gives none.
        for (int i = 0; i < kIconPixelsCount; ++i) {
            const IconPixels& pixels = kIconPixels[i];
            const QImage image =
                ProgramIcon(pixels.name).pixmap(QSize(pixels.size, pixels.size)).toImage();
            QCOMPARE(image.size(), QSize(pixels.size, pixels.size));
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) == 255;
            QVERIFY2(opaque > pixels.size, pixels.name);
            const QString twice =
                QStringLiteral(":/icons/%1@2x.png").arg(QLatin1String(pixels.name));
            QCOMPARE(QImage(twice).size(), QSize(2 * pixels.size, 2 * pixels.size));
        }
        QVERIFY(ProgramIcon("no-such-icon").isNull());
        // The device dialog's banner is drawn from its SVG when shown.
        SelectDeviceDialog device;
        device.show();
        QVERIFY(QTest::qWaitForWindowExposed(&device));
        const QImage banner = device.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < banner.height() / 2; y += 5)
            for (int x = 0; x < banner.width(); x += 5)
                colours.insert(banner.pixel(x, y));
        QVERIFY2(colours.size() > 8, "the banner is blank");
    }

    void PictureOfTheWindowIsWhatAFullRepaintShows() {
        // The picture copies the frame last painted; it must be the frame a
        // repaint of every widget gives, also after an edit.
        Window w;
        w.frame.resize(900, 600);
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        auto same = [&w] {
            for (int i = 0; i < 5; ++i)
                QApplication::processEvents();
            const QImage copied = GrabWindow(w.frame).convertToFormat(QImage::Format_RGB32);
            const QImage painted = w.frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
            return copied.size() == painted.size() && copied == painted;
        };
        QVERIFY(same());
        w.AddNode();
        w.Select(w.NodeItem(0));
        QVERIFY(same());
        // A hidden window has nothing on screen: painted as asked.
        QWidget hidden;
        hidden.resize(40, 30);
        QCOMPARE(GrabWindow(hidden).size(), QSize(40, 30));
    }

    void ProgramStartsWithAndWithoutAFile() {
        QTemporaryDir dir;
        const QString empty = dir.filePath(QStringLiteral("empty.png"));
        Run run = RunProgram({QStringLiteral("--device"), QStringLiteral("0"),
                              QStringLiteral("--screenshot"), empty});
        QCOMPARE(run.exitCode, 0);
        QImage picture(empty);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= 600 && picture.height() >= 400);

        const QString full = dir.filePath(QStringLiteral("full.png"));
        run = RunProgram({QStringLiteral("--device"), QStringLiteral("2"), QStringLiteral("--lang"),
                          QStringLiteral("en"), QStringLiteral("--screenshot"), full,
                          DataFile("commands48.xml")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!QImage(full).isNull());
        QVERIFY(QImage(full) != picture);

        // A file that cannot be opened ends the start with the reason.
        const QString none = dir.filePath(QStringLiteral("none.png"));
        run = RunProgram({QStringLiteral("--device"), QStringLiteral("0"), QStringLiteral("--lang"),
                          QStringLiteral("en"), QStringLiteral("--screenshot"), none,
                          dir.filePath(QStringLiteral("missing.xml"))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.errors.contains("missing.xml"));
        QVERIFY(!QFileInfo::exists(none));

        // A picture that cannot be written: the reason, and a failure.
        const QString unwritable = dir.filePath(QStringLiteral("no-folder/picture.png"));
        run = RunProgram({QStringLiteral("--device"), QStringLiteral("0"), QStringLiteral("--lang"),
                          QStringLiteral("en"), QStringLiteral("--screenshot"), unwritable,
                          DataFile("commands48.xml")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("no-folder/picture.png"), run.errors.constData());

        // On a dense screen the picture has the screen's pixels, drawn with
        // the twice-size icons.
        QProcessEnvironment dense = QProcessEnvironment::systemEnvironment();
        dense.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        const QString sharp = dir.filePath(QStringLiteral("dense.png"));
        run = RunProgram({QStringLiteral("--device"), QStringLiteral("0"), QStringLiteral("--lang"),
                          QStringLiteral("en"), QStringLiteral("--screenshot"), sharp,
                          DataFile("commands48.xml")},
                         dense);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QImage(sharp).size(), QImage(full).size() * 2);

        run = RunProgram({QStringLiteral("--device"), QStringLiteral("7")});
        QCOMPARE(run.exitCode, 2);
    }

    void CommandLineMessagesFollowTheLanguage() {
        Run run = RunProgram({QStringLiteral("--lang"), QStringLiteral("en"),
                              QStringLiteral("--device"), QStringLiteral("7")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains("--device must be 0, 1 or 2"), run.errors.constData());
        for (char c : run.errors)
            QVERIFY2(static_cast<unsigned char>(c) < 0x80, run.errors.constData());
        run = RunProgram({QStringLiteral("--lang"), QStringLiteral("zh"),
                          QStringLiteral("--device"), QStringLiteral("7")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains("--device 须为 0、1 或 2"), run.errors.constData());
    }
};

QTEST_MAIN(FrameTest)
#include "FrameTest.moc"
