// The document: captions, New, Open, Save, Save As, the save prompt with
// its repaired paths, the recent-file list and closing the window.
#include "UiFixture.h"

#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace varkel;
using namespace varkel::test;

namespace {

QString DataFile(const char* name) {
    return QStringLiteral(VARKEL_UI_TEST_DATA "/") + QLatin1String(name);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int SubnetNodes(Window& w) {
    return w.app.GetProject().GetSubnet().GetNodeCount();
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }
    void init() { QSettings().clear(); }

    // The title names the file (not its folder), the modified mark and the
    // gateway model; the full path is in the status bar's file entry.
    void TitleFollowsDeviceSaveNewAndOpen() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w(1);
        const QString model = QStringLiteral("TRX20A configuration software");
        const QString path = dir.filePath(QStringLiteral("plant.xml"));
        dialogs.saveNames << path;
        struct Step {
            const char* name;
            std::function<bool()> act;
            QString title;
            QString file; // the status bar's entry and its tip
        };
        const Step steps[] = {
            {"start", [] { return true; }, model + "[*]", QString()},
            {"save", [&] { return w.doc.FileSave(); }, "plant.xml[*] — " + model,
             QDir::toNativeSeparators(path)},
            {"new", [&] { return w.doc.FileNew(), true; }, model + "[*]", QString()},
            {"open", [&] { return w.doc.OnOpenDocument(DataFile("commands48.xml")); },
             "commands48.xml[*] — " + model, QDir::toNativeSeparators(DataFile("commands48.xml"))},
        };
        for (const Step& step : steps) {
            QVERIFY2(step.act(), step.name);
            QCOMPARE(w.frame.windowTitle(), step.title);
            QCOMPARE(w.frame.FileLabel()->text(), step.file);
            QCOMPARE(w.frame.FileLabel()->toolTip(), step.file);
        }
        QCOMPARE(w.doc.GetPathName(), DataFile("commands48.xml"));
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(dialogs.saveFilters.value(0).contains(QLatin1String("*.xml")));
        QCOMPARE(w.app.GetModified(), 0);
        QVERIFY(messages.messages.empty());
    }

    void NewAfterStartingWithAFileStartsAfresh() {
        // Started with a file named on the command line: no New ran yet.
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        CConfigApp app;
        CDovelDoc doc(app);
        CMainFrame frame(app, doc);
        QVERIFY(doc.OnOpenDocument(DataFile("commands48.xml")));
        frame.UpdateTitle();
        doc.FileNew();
        QCOMPARE(app.GetProject().GetCommandCount(), 0);
        QCOMPARE(frame.Tree()->topLevelItem(1)->childCount(), 0);
        QVERIFY(doc.GetPathName().isEmpty());
    }

    void NewWithoutChangesDoesNotAsk() {
        MessageRecorder messages;
        Window w;
        w.AddNode();
        w.app.SetModified(0);
        w.doc.FileNew();
        QVERIFY(messages.questions.empty());
        QCOMPARE(SubnetNodes(w), 0);
        QCOMPARE(w.SubnetItem()->childCount(), 0);
    }

    void PromptNoDiscardsAndLeavesFreshProjectUnmodified() {
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        messages.answers = {Answer::No};
        Window w;
        w.AddNode();
        QCOMPARE(w.app.GetModified(), 1);
        w.doc.FileNew();
        QCOMPARE(messages.questions.size(), size_t(1));
        QCOMPARE(messages.questions[0], LocalText(kKeySaveChangedConfiguration));
        QCOMPARE(SubnetNodes(w), 0);
        QCOMPARE(w.app.GetModified(), 0);
        QVERIFY(dialogs.saveFilters.isEmpty());

        // Nothing unsaved now: closing does not ask again.
        QCloseEvent close;
        QApplication::sendEvent(&w.frame, &close);
        QVERIFY(close.isAccepted());
        QCOMPARE(messages.questions.size(), size_t(1));
    }

    void PromptCancelKeepsEverything() {
        MessageRecorder messages;
        messages.answers = {Answer::Cancel, Answer::Cancel};
        Window w;
        w.AddNode();
        w.doc.FileNew();
        QCOMPARE(SubnetNodes(w), 1);
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QCOMPARE(w.app.GetModified(), 1);

        QCloseEvent close;
        QApplication::sendEvent(&w.frame, &close);
        QVERIFY(!close.isAccepted());
    }

    void PromptYesSavesToTheKnownPath() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        messages.answers = {Answer::Yes};
        Window w;
        const QString path = dir.filePath(QStringLiteral("known.xml"));
        dialogs.saveNames << path;
        QVERIFY(w.doc.FileSaveAs());
        const QByteArray before = ReadAll(path);
        w.AddNode();
        w.doc.FileNew();
        QCOMPARE(dialogs.saveFilters.size(), 1); // no second dialog
        QVERIFY(ReadAll(path).contains("Node(1)"));
        QVERIFY(!before.contains("Node(1)"));
        QCOMPARE(SubnetNodes(w), 0); // the New went on
        QCOMPARE(w.app.GetModified(), 0);
    }

    void PromptYesThenCancelledDialogStopsNewAndClose() {
        ScriptedDialogs dialogs; // no names queued: the Save dialog is cancelled
        MessageRecorder messages;
        messages.answers = {Answer::Yes, Answer::Yes};
        Window w;
        w.AddNode();
        w.doc.FileNew();
        QCOMPARE(SubnetNodes(w), 1);
        QCOMPARE(w.app.GetModified(), 1);
        QCOMPARE(w.SubnetItem()->childCount(), 1);

        QCloseEvent close;
        QApplication::sendEvent(&w.frame, &close);
        QVERIFY(!close.isAccepted());
        QCOMPARE(w.app.GetModified(), 1);
    }

    void PromptYesAppendsXmlOnlyWhenMissing_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare") << "first"
                              << "first.xml";
        QTest::newRow("xml") << "second.xml"
                             << "second.xml";
        QTest::newRow("upper") << "third.XML"
                               << "third.XML";
        QTest::newRow("other") << "fourth.txt"
                               << "fourth.txt.xml";
    }
    void PromptYesAppendsXmlOnlyWhenMissing() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        messages.answers = {Answer::Yes};
        Window w;
        w.AddNode();
        dialogs.saveNames << dir.filePath(chosen);
        w.doc.FileNew();
        QVERIFY(QFileInfo::exists(dir.filePath(written)));
        QVERIFY(!QFileInfo::exists(dir.filePath(written + QStringLiteral(".xml"))));
        QVERIFY(ReadAll(dir.filePath(written)).contains("Node(1)"));
        QCOMPARE(SubnetNodes(w), 0);
    }

    void FailedSaveIsReportedAndKeepsTheFlag() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        messages.answers = {Answer::Yes};
        Window w(2);
        w.AddNode();
        const QString caption = w.frame.windowTitle();
        const QString path = dir.filePath(QStringLiteral("missing/folder/x.xml"));
        dialogs.saveNames << path;
        QVERIFY(!w.doc.FileSaveAs());
        QCOMPARE(messages.messages.size(), size_t(1));
        QVERIFY(!messages.messages[0].empty());
        QCOMPARE(w.app.GetModified(), 1);
        QCOMPARE(w.frame.windowTitle(), caption);
        QVERIFY(w.doc.GetPathName().isEmpty());

        // At the prompt a failed save stops the New as well.
        dialogs.saveNames << path;
        w.doc.FileNew();
        QCOMPARE(SubnetNodes(w), 1);
        QCOMPARE(w.app.GetModified(), 1);
        QCOMPARE(messages.messages.size(), size_t(2));
    }

    // Another program's change to the open file is warned about when it
    // happens, and Save asks before overwriting it; the document's own save
    // warns of nothing.
    void AChangeOnDiskIsWarnedAboutAndSaveAsks() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w(2);
        const QString path = dir.filePath(QStringLiteral("plant.xml"));
        dialogs.saveNames << path;
        QVERIFY(w.doc.FileSave());
        w.AddNode();
        QVERIFY(w.doc.FileSave());
        QTest::qWait(300);
        QVERIFY(messages.messages.empty());
        QVERIFY(messages.questions.empty());

        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write("<!-- theirs -->\r\n");
        }
        const QByteArray theirs = ReadAll(path);
        QTRY_COMPARE(messages.messages.size(), size_t(1));
        QVERIFY(QString::fromStdString(messages.messages[0])
                    .contains(QLatin1String("changed on disk")));

        w.app.SetModified(true);
        messages.answers = {Answer::No};
        QVERIFY(!w.doc.FileSave());
        QCOMPARE(messages.questions.size(), size_t(1));
        QVERIFY(QString::fromStdString(messages.questions[0]).contains(QLatin1String("Overwrite")));
        QCOMPARE(ReadAll(path), theirs);
        QVERIFY(w.app.GetModified());

        messages.answers = {Answer::Yes};
        QVERIFY(w.doc.FileSave());
        QVERIFY(!ReadAll(path).contains("theirs"));
        QTest::qWait(300);
        QCOMPARE(messages.messages.size(), size_t(1)); // no warning for its own save
    }

    void FailedOpenSaysWhyAndChangesNothing() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w;
        w.AddNode();
        const QString caption = w.frame.windowTitle();

        const QString missing = dir.filePath(QStringLiteral("nothing.xml"));
        QVERIFY(!w.doc.OnOpenDocument(missing));
        QCOMPARE(messages.messages.size(), size_t(1));
        QVERIFY(QString::fromStdString(messages.messages[0]).contains(missing));

        QFile bad(dir.filePath(QStringLiteral("bad.xml")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("<Norrin><unclosed></Norrin");
        bad.close();
        QVERIFY(!w.doc.OnOpenDocument(bad.fileName()));
        QCOMPARE(messages.messages.size(), size_t(2));

        // A file of the other language: the load's own message, once.
        QByteArray english = ReadAll(DataFile("commands48.xml"));
        english.replace("<Language Value=\"Chinese\"", "<Language Value=\"English\"");
        QFile foreign(dir.filePath(QStringLiteral("english.xml")));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write(english);
        foreign.close();
        QVERIFY(!w.doc.OnOpenDocument(foreign.fileName()));
        QCOMPARE(messages.messages.size(), size_t(3));
        QCOMPARE(messages.messages[2], LocalText(kKeyLanguageMismatch));

        QCOMPARE(w.frame.windowTitle(), caption);
        QCOMPARE(w.app.GetModified(), 1);
        QCOMPARE(SubnetNodes(w), 1);
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QVERIFY(w.doc.GetPathName().isEmpty());
    }

    void OpenAsksAboutUnsavedChanges() {
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        messages.answers = {Answer::Cancel, Answer::No};
        Window w;
        w.AddNode();
        dialogs.openNames << DataFile("commands48.xml") << DataFile("commands48.xml");
        w.doc.FileOpen();
        QCOMPARE(messages.questions.size(), size_t(1));
        QCOMPARE(w.app.GetProject().GetCommandCount(), 0); // cancelled
        w.doc.FileOpen();
        QCOMPARE(w.app.GetProject().GetCommandCount(), 48);
        QCOMPARE(w.app.GetModified(), 0);
    }

    void FileDialogsStartBesideTheCurrentFileOrInTheLastFolder() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w;
        // Nothing used yet: the home folder.
        w.doc.FileOpen();
        QCOMPARE(dialogs.openStarts, QStringList{QDir::homePath()});
        const QString path = dir.filePath(QStringLiteral("plant.v2.xml"));
        dialogs.saveNames << path;
        QVERIFY(w.doc.FileSaveAs());
        QCOMPARE(dialogs.saveStarts.value(0), QDir::homePath());

        // With a file: its folder, with its name or its base name.
        QVERIFY(!w.doc.FileSaveAs());
        QCOMPARE(dialogs.saveStarts.value(1), path);
        w.Control().OnExportXls();
        QCOMPARE(dialogs.saveStarts.value(2), dir.filePath(QStringLiteral("plant.v2.xlsx")));

        // Without one: the folder last used, at the save prompt and by Open.
        const QString other = dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir().mkpath(other));
        dialogs.saveNames << other + QStringLiteral("/book.xlsx");
        w.Control().OnExportXls();
        w.doc.FileNew();
        QVERIFY(w.doc.GetPathName().isEmpty());
        w.app.SetModified(1);
        messages.answers = {Answer::Yes};
        w.doc.FileNew();
        QCOMPARE(dialogs.saveStarts.value(4), other);
        w.doc.FileOpen();
        QCOMPARE(dialogs.openStarts.value(1), other);
        // A folder since removed is not offered.
        QVERIFY(QDir(other).removeRecursively());
        w.doc.FileOpen();
        QCOMPARE(dialogs.openStarts.value(2), QDir::homePath());
    }

    void AFileReadAheadOpensAsAnOpenDoes() {
        // The start file is read on a thread while the window is built and
        // then taken over: the window must end up as an open leaves it.
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        const QString path = dir.filePath(QStringLiteral("plant.xml"));
        {
            Window made;
            made.AddNode();
            dialogs.saveNames << path;
            QVERIFY(made.doc.FileSaveAs());
        }
        Window opened;
        QVERIFY(opened.doc.OnOpenDocument(path));
        Window adopted;
        Project read;
        FileIdentity from;
        QVERIFY(PreloadFile(read, FileSystemPath(path), &from));
        adopted.doc.AdoptDocument(path, read, from);
        QCOMPARE(adopted.doc.GetPathName(), opened.doc.GetPathName());
        QCOMPARE(adopted.frame.windowTitle(), opened.frame.windowTitle());
        QCOMPARE(adopted.app.GetModified(), false);
        QCOMPARE(adopted.SubnetItem()->childCount(), opened.SubnetItem()->childCount());
        QCOMPARE(adopted.NodeItem(0)->text(0), opened.NodeItem(0)->text(0));
        QCOMPARE(adopted.doc.RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
        // Saving it back writes the same file an open would have.
        QVERIFY(adopted.doc.OnSaveDocument(dir.filePath(QStringLiteral("a.xml"))));
        QVERIFY(opened.doc.OnSaveDocument(dir.filePath(QStringLiteral("b.xml"))));
        auto body = [&dir](const char* name) {
            QFile file(dir.filePath(QLatin1String(name)));
            file.open(QIODevice::ReadOnly);
            // The header's time of saving may differ.
            return QString::fromLatin1(file.readAll())
                .remove(QRegularExpression(QStringLiteral("<DateTime[^>]*>")));
        };
        QCOMPARE(body("a.xml"), body("b.xml"));
        QVERIFY(messages.messages.empty());
    }

    void RecentFilesReachTheSettingsByTheDocumentsEnd() {
        // The list is written beside the window; it is in the settings once
        // the document is gone, and the newest write wins.
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        const QString first = QFileInfo(dir.filePath(QStringLiteral("r1.xml"))).absoluteFilePath();
        const QString second = QFileInfo(dir.filePath(QStringLiteral("r2.xml"))).absoluteFilePath();
        {
            Window w;
            dialogs.saveNames << first << second;
            QVERIFY(w.doc.FileSaveAs());
            QVERIFY(w.doc.FileSaveAs());
            QCOMPARE(w.doc.RecentFiles(), (QStringList{second, first}));
        }
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("RecentFiles")).toStringList(),
                 (QStringList{second, first}));
    }

    void RecentFilesKeepTheLastFour() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w;
        for (int i = 1; i <= 5; ++i) {
            dialogs.saveNames << dir.filePath(QStringLiteral("f%1.xml").arg(i));
            QVERIFY(w.doc.FileSaveAs());
        }
        dialogs.saveNames << dir.filePath(QStringLiteral("f3.xml"));
        QVERIFY(w.doc.FileSaveAs());
        const QStringList recent = w.doc.RecentFiles();
        QCOMPARE(recent.size(), 4);
        QCOMPARE(QFileInfo(recent[0]).fileName(), QStringLiteral("f3.xml"));
        QCOMPARE(QFileInfo(recent[1]).fileName(), QStringLiteral("f5.xml"));
        QCOMPARE(QFileInfo(recent[2]).fileName(), QStringLiteral("f4.xml"));
        QCOMPARE(QFileInfo(recent[3]).fileName(), QStringLiteral("f2.xml"));

        // The File menu lists them by name.
        QStringList texts;
        for (QAction* a : w.frame.FileMenu()->actions())
            texts << a->text();
        QVERIFY(texts.contains(QStringLiteral("&1 f3.xml")));
        QVERIFY(texts.contains(QStringLiteral("&4 f2.xml")));

        // A recent file that has gone is reported and dropped.
        QFile::remove(dir.filePath(QStringLiteral("f5.xml")));
        w.doc.OpenRecentFile(recent[1]);
        QCOMPARE(messages.messages.size(), size_t(1));
        QCOMPARE(w.doc.RecentFiles().size(), 3);
        QVERIFY(!w.doc.RecentFiles().contains(recent[1]));
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
