// The window as the last run left it, and files dropped onto it.
#include "UiFixture.h"

#include "MessageRecorder.h"

#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

class WindowStateTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }

    void SizePanesAndSplitComeBack() {
        QSize size;
        int treeWidth = 0;
        {
            Window w;
            w.frame.show();
            w.frame.resize(700, 500);
            auto* tree = w.frame.findChild<QDockWidget*>(QStringLiteral("treePane"));
            QVERIFY(tree);
            w.frame.resizeDocks({tree}, {320}, Qt::Horizontal);
            w.frame.Action(CMainFrame::ViewAnnotation)->trigger();
            QCoreApplication::processEvents();
            size = w.frame.size();
            treeWidth = tree->width();
            w.frame.SaveWindowState();
        }
        Window w;
        w.frame.RestoreWindowState();
        w.frame.show();
        QCoreApplication::processEvents();
        QCOMPARE(w.frame.size(), size);
        QCOMPARE(w.frame.findChild<QDockWidget*>(QStringLiteral("treePane"))->width(), treeWidth);
        QVERIFY(!w.frame.Action(CMainFrame::ViewAnnotation)->isChecked());
    }

    void PlaceOffEveryScreenComesBackOn() {
        {
            Window w;
            w.frame.show();
            w.frame.move(30000, 30000);
            QCoreApplication::processEvents();
            w.frame.SaveWindowState();
        }
        Window w;
        w.frame.RestoreWindowState();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(w.frame.frameGeometry()));
    }

    // Saved on a larger screen, half beyond this one's corner.
    void LargerThanTheScreenIsFittedOnIt() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        {
            Window w;
            w.frame.show();
            w.frame.resize(area.width() + 300, area.height() + 200);
            w.frame.move(area.right() - 200, area.top() - 40);
            QCoreApplication::processEvents();
            w.frame.SaveWindowState();
        }
        Window w;
        w.frame.RestoreWindowState();
        QVERIFY2(area.contains(w.frame.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                        .arg(w.frame.x())
                                                                        .arg(w.frame.y())
                                                                        .arg(w.frame.width())
                                                                        .arg(w.frame.height())));
        QVERIFY(w.frame.width() > area.width() / 2);
    }

    void DroppedFileOpensAfterTheSavePrompt() {
        QTemporaryDir dir;
        Window source;
        source.AddNode();
        const QString path = dir.filePath(QStringLiteral("dropped.xml"));
        QVERIFY(source.doc.OnSaveDocument(path));

        Window w;
        w.AddNode();
        w.AddNode();
        MessageRecorder recorder;
        recorder.answers = {Answer::No}; // do not save the changed configuration
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&w.frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.frame, &drop);
        QCOMPARE(recorder.questions.size(), std::size_t{1});
        QCOMPARE(w.SubnetItem()->childCount(), 1);

        // Two files, or something not a file, are refused at the door.
        QMimeData two;
        two.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &two, Qt::LeftButton,
                                Qt::NoModifier);
        refused.setAccepted(false);
        QCoreApplication::sendEvent(&w.frame, &refused);
        QVERIFY(!refused.isAccepted());

        // So are a folder and a file that is no configuration: no question,
        // nothing opened.
        QFile sheet(dir.filePath(QStringLiteral("list.xlsx")));
        QVERIFY(sheet.open(QIODevice::WriteOnly));
        sheet.close();
        for (const QString& other : {dir.path(), sheet.fileName()}) {
            QMimeData one;
            one.setUrls({QUrl::fromLocalFile(other)});
            QDragEnterEvent offered(QPoint(10, 10), Qt::CopyAction, &one, Qt::LeftButton,
                                    Qt::NoModifier);
            offered.setAccepted(false);
            QCoreApplication::sendEvent(&w.frame, &offered);
            QVERIFY2(!offered.isAccepted(), qPrintable(other));
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &one, Qt::LeftButton,
                               Qt::NoModifier);
            QCoreApplication::sendEvent(&w.frame, &dropped);
        }
        QCOMPARE(recorder.questions.size(), std::size_t{1});
        QCOMPARE(w.SubnetItem()->childCount(), 1);
    }
};

QTEST_MAIN(WindowStateTest)
#include "WindowStateTest.moc"
