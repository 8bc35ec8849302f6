// The manual's picture tool varkel-shots against the shipped program: the
// picture options live only in the tool, the tool's pictures show what they
// ask for, and the tool leaves the user's settings alone.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray errors;
};

Run Start(const char* program, const QStringList& arguments, const QString& configHome) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(program), arguments);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.errors = process.readAllStandardError();
    return run;
}

QString DataFile(const char* name) {
    return QStringLiteral(VARKEL_UI_TEST_DATA "/") + QLatin1String(name);
}

// Every file under a folder, for seeing whether anything was written there.
QStringList FilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

class ShotsTest : public QObject {
    Q_OBJECT
private slots:
    void PictureOptionsBelongToTheToolOnly() {
        QTemporaryDir dir;
        const QStringList shotOptions = {QStringLiteral("--select"), QStringLiteral("--edit"),
                                         QStringLiteral("--show")};
        for (const QString& option : shotOptions) {
            const Run run =
                Start(VARKEL_PROGRAM,
                      {QStringLiteral("--device"), QStringLiteral("0"), option, QStringLiteral("1"),
                       QStringLiteral("--screenshot"), dir.filePath(QStringLiteral("x.png"))},
                      dir.filePath(QStringLiteral("config")));
            QCOMPARE(run.exitCode, 2);
            QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("x.png"))));
        }
        // The tool refuses what it cannot picture.
        for (const QStringList& bad :
             {QStringList{QStringLiteral("--show"), QStringLiteral("settings")},
              QStringList{QStringLiteral("--edit=-1")}, QStringList{QStringLiteral("--select")},
              QStringList{QStringLiteral("--select"), QStringLiteral("x")}}) {
            const Run run = Start(VARKEL_SHOTS,
                                  QStringList{QStringLiteral("--device"), QStringLiteral("0"),
                                              QStringLiteral("--screenshot"),
                                              dir.filePath(QStringLiteral("y.png"))} +
                                      bad,
                                  dir.filePath(QStringLiteral("config")));
            QCOMPARE(run.exitCode, 2);
            QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("y.png"))));
        }
    }

    void PicturesShowWhatWasAskedFor() {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("config"));
        auto take = [&](const QString& name, const QStringList& extra) {
            const QString path = dir.filePath(name);
            const Run run = Start(VARKEL_SHOTS,
                                  QStringList{QStringLiteral("--device"), QStringLiteral("0"),
                                              QStringLiteral("--lang"), QStringLiteral("en"),
                                              QStringLiteral("--screenshot"), path} +
                                      extra + QStringList{DataFile("commands48.xml")},
                                  config);
            if (run.exitCode != 0)
                qWarning("%s", run.errors.constData());
            return run.exitCode == 0 ? QImage(path) : QImage();
        };
        const QImage plain = take(QStringLiteral("plain.png"), {});
        QVERIFY(!plain.isNull());
        const QImage selected =
            take(QStringLiteral("selected.png"), {QStringLiteral("--select"), QStringLiteral("3")});
        QVERIFY(!selected.isNull());
        QCOMPARE(selected.size(), plain.size());
        QVERIFY(selected != plain);
        // The editor open over a value cell changes the picture again.
        const QImage editing = take(QStringLiteral("editing.png"),
                                    {QStringLiteral("--select=3"), QStringLiteral("--edit=2")});
        QVERIFY(!editing.isNull());
        QVERIFY(editing != selected);
        // A dialog is pictured alone, smaller than the main window.
        const QImage about =
            take(QStringLiteral("about.png"), {QStringLiteral("--show"), QStringLiteral("about")});
        QVERIFY(!about.isNull());
        QVERIFY(about.width() < plain.width() && about.height() < plain.height());
    }

    void UserSettingsStayUntouched() {
        // The program itself remembers the opened file in the settings; the
        // tool, opening the same file, writes none of them.
        QTemporaryDir dir;
        const QString programConfig = dir.filePath(QStringLiteral("program"));
        const QString toolConfig = dir.filePath(QStringLiteral("tool"));
        const QStringList arguments = {
            QStringLiteral("--device"), QStringLiteral("0"), QStringLiteral("--screenshot"),
            dir.filePath(QStringLiteral("p.png")), DataFile("commands48.xml")};
        QCOMPARE(Start(VARKEL_PROGRAM, arguments, programConfig).exitCode, 0);
        QVERIFY(!FilesUnder(programConfig).isEmpty());
        QCOMPARE(Start(VARKEL_SHOTS, arguments, toolConfig).exitCode, 0);
        QCOMPARE(FilesUnder(toolConfig), QStringList());
    }
};

QTEST_MAIN(ShotsTest)
#include "ShotsTest.moc"
