// Keyboard operation and the faults a new user meets first: an empty grid
// until something is picked, refused values, deletion, the command picker,
// the tree's tooltips and the title's modified mark.
#include "UiFixture.h"

#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/Subnet.h"

#include <QApplication>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

Command* FirstCommand(Window& w) {
    Node* node = w.app.GetProject().GetSubnet().GetNodeAt(0);
    return node && node->GetCommandCount() > 0 ? node->GetCommandAt(0) : nullptr;
}

void ShowAndFocusTree(Window& w) {
    w.frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
    w.frame.activateWindow();
    w.Tree().setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void GridStaysEmptyUntilAnEntryIsPicked() {
        MessageRecorder messages;
        Window w;
        ShowAndFocusTree(w);
        // The tree getting the focus at start-up picks nothing.
        QCOMPARE(w.Tree().currentItem(), nullptr);
        QCOMPARE(w.Grid().rowCount(), 0);

        // A file just opened, Auto Mapping answered Yes, the focus back on
        // the tree: still nothing listed.
        QVERIFY(w.doc.OnOpenDocument(QStringLiteral(VARKEL_UI_TEST_DATA "/../../../docs/example.xml")));
        messages.answers.push_back(Answer::Yes);
        w.Trigger(CMainFrame::AutoMapping);
        QCOMPARE(messages.questions.size(), std::size_t(1));
        w.frame.Tree()->clearFocus();
        w.Tree().setFocus(Qt::ActiveWindowFocusReason);
        QApplication::processEvents();
        QCOMPARE(w.Grid().rowCount(), 0);
        QVERIFY(!w.Tree().currentItem());

        // The keyboard starts at the first entry and lists it.
        QTest::keyClick(&w.Tree(), Qt::Key_Down);
        QCOMPARE(w.Tree().currentItem(), w.FieldbusItem());
        QVERIFY(w.Grid().rowCount() > 0);
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
