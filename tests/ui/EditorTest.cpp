// Keyboard operation and the faults a new user meets first: an empty grid
// until something is picked, refused values, deletion, the command picker,
// the tree's tooltips and the title's modified mark.
#include "UiFixture.h"

#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextTable.h"
#include "sim/GatewaySim.h"
#include "ui/AboutDialog.h"
#include "ui/AnnotationPane.h"
#include "ui/CConflictDlg.h"
#include "ui/CUpDownDlg.h"
#include "ui/SelectCommandDialog.h"
#include "widgets/CCoolBar.h"
#include "widgets/HyperlinkLabel.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

Command* FirstCommand(Window& w) {
    Node* node = w.app.GetProject().GetSubnet().GetNodeAt(0);
    return node && node->GetCommandCount() > 0 ? node->GetCommandAt(0) : nullptr;
}

// Three commands of node 1: the first two on the same input bytes.
void AddConflictingCommands(Window& w) {
    w.Select(w.AddNode());
    for (int i = 0; i < 3; ++i)
        w.Control().AddCommandOfFunctionIndex(2);
    Node* node = w.app.GetProject().GetSubnet().GetNodeAt(0);
    const char* mappings[] = {"0000H", "0000H", "0010H"};
    for (int i = 0; i < 3; ++i) {
        Command* command = node->GetCommandAt(i);
        command->GetItem(Command::RegisterRow)->SetValue("5");
        command->GetItem(Command::DataNumberRow)->SetValue("1");
        command->GetItem(Command::MappingRow)->SetValue(mappings[i]);
    }
}

void ShowAndFocusTree(Window& w) {
    // Whole on the small offscreen screen, so that menus are not moved.
    w.frame.resize(760, 540);
    w.frame.move(10, 10);
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
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }

    void GridStaysEmptyUntilAnEntryIsPicked() {
        MessageRecorder messages;
        Window w;
        ShowAndFocusTree(w);
        // The tree getting the focus at start-up picks nothing.
        QCOMPARE(w.Tree().currentItem(), nullptr);
        QCOMPARE(w.Grid().rowCount(), 0);

        // A file just opened, Auto Mapping answered Yes, the focus back on
        // the tree: still nothing listed.
        QVERIFY(
            w.doc.OnOpenDocument(QStringLiteral(VARKEL_UI_TEST_DATA "/../../../docs/example.xml")));
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

    void RefusedValueNamesItsRangeAndComesBackToBeCorrected() {
        MessageRecorder messages;
        Window w;
        ShowAndFocusTree(w);
        w.Select(w.SubnetItem());
        const ParamItem* timeout =
            w.app.GetProject().GetSubnet().GetItem(Subnet::ResponseTimeoutIndex);
        const std::string before = timeout->GetValue();
        w.View().OnGridClicked(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        QLineEdit* edit = w.View().ValueEdit();
        QVERIFY(edit->isVisible());
        edit->setText(QStringLiteral("7000"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(messages.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(messages.messages[0]),
                 QString::fromStdString(timeout->GetName() + ": 7000 is out of range 300-6000"));
        QCOMPARE(timeout->GetValue(), before);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("7000"));
        // Corrected in place: one more key and Return.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Return);
        // 70 is below the range as well: back again, still with the text.
        QCOMPARE(messages.messages.size(), std::size_t(2));
        QCOMPARE(timeout->GetValue(), before);
        QCOMPARE(edit->text(), QStringLiteral("70"));
        QTest::keyClicks(edit, QStringLiteral("0"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(timeout->GetValue(), std::string("700"));
        QCOMPARE(messages.messages.size(), std::size_t(2));
        QVERIFY(!edit->isVisible());
        // Committed again unchanged, a refused text is given up quietly
        // rather than reported over and over.
        w.View().OnGridClicked(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        edit->setText(QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(messages.messages.size(), std::size_t(3));
        QCOMPARE(edit->text(), QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(messages.messages.size(), std::size_t(3));
        QVERIFY(!edit->isVisible());
        QCOMPARE(timeout->GetValue(), std::string("700"));
        QCOMPARE(w.Grid().ValueText(Subnet::ResponseTimeoutIndex), QStringLiteral("700"));
    }

    // "No" to opening Conflict Detect: the keyboard is back in the main
    // window at once.
    void DownloadRefusedAndNoGivesTheWindowTheKeyboard() {
        sim::GatewaySim gateway;
        QVERIFY(gateway.Start());
        MessageRecorder messages;
        messages.answers = {Answer::No};
        Window w;
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
        w.Tree().setFocus();
        AddConflictingCommands(w);
        CUpDownDlg::Port port;
        port.device = QString::fromStdString(gateway.DevicePath());
        port.label = port.key = port.device;
        ViewController::SetTransferDialogHook([&](CUpDownDlg& dialog) {
            dialog.SetPaceMs(0);
            dialog.SetPorts({port});
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.StartTransfer(); });
        });
        w.Trigger(CMainFrame::Download);
        ViewController::SetTransferDialogHook(nullptr);
        QCOMPARE(messages.questions.size(), std::size_t(1));
        QTRY_COMPARE(QApplication::activeWindow(), &w.frame);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->window(), &w.frame);
    }

    void DownloadRefusedForAConflictNamesTheCommandsAndOpensTheMaps() {
        sim::GatewaySim gateway;
        QVERIFY(gateway.Start());
        MessageRecorder messages;
        messages.answers = {Answer::Yes};
        Window w;
        AddConflictingCommands(w);
        CUpDownDlg::Port port;
        port.device = QString::fromStdString(gateway.DevicePath());
        port.label = port.key = port.device;
        ViewController::SetTransferDialogHook([&](CUpDownDlg& dialog) {
            dialog.SetPaceMs(0);
            dialog.SetPorts({port});
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.StartTransfer(); });
        });
        bool mapsShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto* maps = qobject_cast<CConflictDlg*>(QApplication::activeModalWidget())) {
                mapsShown = true;
                maps->reject();
            }
        });
        watch.start(10);
        w.Trigger(CMainFrame::Download);
        ViewController::SetTransferDialogHook(nullptr);
        QCOMPARE(messages.questions.size(), std::size_t(1));
        const QString question = QString::fromStdString(messages.questions[0]);
        const QString name = QString::fromStdString(FirstCommand(w)->GetName());
        // Commands counted from 1, as people count them.
        QVERIFY2(question.contains(QStringLiteral("Node(1) / #1 ") + name), qPrintable(question));
        QVERIFY(question.contains(QStringLiteral("Node(1) / #2 ") + name));
        QVERIFY(!question.contains(QStringLiteral("#3")));
        QVERIFY(mapsShown);
        QVERIFY(gateway.State().records.empty());

        // Past the memory's end: only that command is named.
        Node* node = w.app.GetProject().GetSubnet().GetNodeAt(0);
        node->GetCommandAt(1)->GetItem(Command::MappingRow)->SetValue("00A7H");
        QCOMPARE(CUpDownDlg::CommandsAtFault(w.app.GetProject(), MappingOverflow),
                 QStringList{QStringLiteral("Node(1) / #2 ") + name});
        QVERIFY(CUpDownDlg::CommandsAtFault(w.app.GetProject(), MappingConflict).isEmpty());
    }

    void DeleteKeyDeletesWhatIsSelectedAskingForAFullNode() {
        MessageRecorder messages;
        Window w;
        ShowAndFocusTree(w);
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        w.Control().AddCommandOfFunctionIndex(3);
        w.Select(node->child(0));
        w.Tree().setFocus();
        QTest::keyClick(&w.Tree(), Qt::Key_Delete);
        QCOMPARE(node->childCount(), 1);
        QVERIFY(messages.questions.empty());

        // A node with commands: No keeps it, Yes deletes it.
        w.Select(node);
        QTest::keyClick(&w.Tree(), Qt::Key_Delete);
        QCOMPARE(messages.questions.size(), std::size_t(1));
        QVERIFY(
            QString::fromStdString(messages.questions[0]).contains(QStringLiteral("1 commands")));
        QCOMPARE(w.app.GetProject().GetSubnet().GetNodeCount(), 1);
        messages.answers = {Answer::Yes};
        w.Trigger(CMainFrame::DeleteNode);
        QCOMPARE(w.app.GetProject().GetSubnet().GetNodeCount(), 0);
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        // An empty node goes without a question.
        w.Select(w.AddNode());
        QTest::keyClick(&w.Tree(), Qt::Key_Delete);
        QCOMPARE(messages.questions.size(), std::size_t(2));
        QCOMPARE(w.app.GetProject().GetSubnet().GetNodeCount(), 0);
    }

    void SelectCommandGreysWhatTheGatewayLacksAndAddsByButton() {
        std::vector<int> added;
        SelectCommandDialog dialog([&](int index) { added.push_back(index); });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = dialog.List();
        QStringList greyed;
        for (int i = 0; i < list->count(); ++i)
            if (!(list->item(i)->flags() & Qt::ItemIsEnabled)) {
                greyed << list->item(i)->text().left(2);
                QCOMPARE(list->item(i)->toolTip(),
                         SelectCommandDialog::tr(
                             "The gateway does not support this function; it cannot be added."));
            }
        QCOMPARE(greyed, (QStringList{"07", "08", "11", "12", "13", "14"}));
        QVERIFY(!dialog.AddButton()->isEnabled());
        emit list->itemDoubleClicked(list->item(6)); // 07: refused
        list->setCurrentRow(13);
        QVERIFY(dialog.AddButton()->isEnabled());
        dialog.AddButton()->click();
        dialog.AddButton()->click();
        QCOMPARE(added, (std::vector<int>{13, 13}));
        QVERIFY(dialog.isVisible());
    }

    void TreeShowsWholeNamesAndTellsCommandsApart() {
        Window w;
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Control().EnterValue(ConfigTree::EntryOf(node), 0, "7");
        w.Control().AddCommandOfFunctionIndex(2);
        w.Control().AddCommandOfFunctionIndex(0);
        Node* model = w.app.GetProject().GetSubnet().GetNodeAt(0);
        Command* words = model->GetCommandAt(0);
        words->GetItem(Command::RegisterRow)->SetValue("100");
        words->GetItem(Command::DataNumberRow)->SetValue("4");
        words->GetItem(Command::MappingRow)->SetValue("0010H");
        words->GetItem(Command::MnemonicRow)->SetValue("pump");
        QTreeWidgetItem* item = w.NodeItem()->child(0);
        QCOMPARE(item->text(0), QString::fromStdString(words->GetName()));
        const QString tip = ConfigTree::ToolTipOf(item);
        QCOMPARE(tip.split(QLatin1Char('\n')),
                 (QStringList{QStringLiteral("Slave: 7"),
                              QStringLiteral("Function: ") + QString::fromStdString(LocalText(35)),
                              QStringLiteral("Registers: 100–103 (4)"),
                              QStringLiteral("Mapping: 0010H bit offset 0, 64 bits"),
                              QStringLiteral("Mnemonic: pump")}));
        // A bit command shows its offset; no mnemonic, no line for it.
        Command* bits = model->GetCommandAt(1);
        bits->GetItem(Command::BitOffsetRow)->SetValue("3");
        bits->GetItem(Command::DataNumberRow)->SetValue("5");
        const QString bitTip = ConfigTree::ToolTipOf(w.NodeItem()->child(1));
        QVERIFY2(bitTip.contains(QStringLiteral("bit offset 3, 5 bits")), qPrintable(bitTip));
        QVERIFY(!bitTip.contains(QStringLiteral("Mnemonic")));
        QVERIFY(ConfigTree::ToolTipOf(w.NodeItem()).isEmpty());
        // A narrow pane scrolls sideways instead of cutting the names off.
        w.frame.show();
        w.frame.TreePane()->resize(60, 300);
        w.Tree().resize(60, 300);
        QApplication::processEvents();
        QVERIFY(w.Tree().header()->sectionSize(0) > w.Tree().viewport()->width());
        QVERIFY(w.Tree().horizontalScrollBar()->maximum() > 0);
        // Entries are measured once per text: a longer text widens the
        // column, as wide as the style makes such an entry.
        const int before = w.Tree().header()->sectionSize(0);
        item->setText(0, item->text(0) + QStringLiteral(" with a much longer name than before"));
        QApplication::processEvents();
        const int after = w.Tree().header()->sectionSize(0);
        QVERIFY2(after > before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        QStyleOptionViewItem option;
        option.initFrom(w.Tree().viewport());
        option.font = w.Tree().font();
        option.decorationSize = w.Tree().iconSize();
        option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        w.Tree().setCurrentItem(item);
        const QModelIndex index = w.Tree().currentIndex();
        QCOMPARE(w.Tree().itemDelegate()->sizeHint(option, index),
                 QStyledItemDelegate().sizeHint(option, index));
    }

    void AboutBoxSaysWhenNoBrowserOpens() {
        ScriptedDialogs dialogs;
        dialogs.openResult = false;
        MessageRecorder messages;
        AboutDialog about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.WebLink(), Qt::LeftButton);
        QCOMPARE(dialogs.opened, QList<QUrl>{QUrl(AboutDialog::HomePage())});
        QCOMPARE(messages.messages,
                 std::vector<std::string>{"No web browser could be opened for " +
                                          AboutDialog::HomePage().toStdString() + "."});
        dialogs.openResult = true;
        QTest::mouseClick(about.WebLink(), Qt::LeftButton);
        QCOMPARE(messages.messages.size(), std::size_t(1));
        QVERIFY(about.WebLink()->IsVisited());
    }

    void TitleMarksUnsavedChanges() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        MessageRecorder messages;
        Window w;
        QVERIFY(w.frame.windowTitle().endsWith(QLatin1String("[*]")));
        QVERIFY(!w.frame.isWindowModified());
        w.AddNode();
        QVERIFY(w.frame.isWindowModified());
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(!w.frame.isWindowModified()); // back to the state saved
        w.Trigger(CMainFrame::EditRedo);
        QVERIFY(w.frame.isWindowModified());
        const QString path = dir.filePath(QStringLiteral("plant.xml"));
        dialogs.saveNames << path;
        QVERIFY(w.doc.FileSave());
        QCOMPARE(w.frame.windowTitle(),
                 QStringLiteral("plant.xml[*] — TRX10 configuration software"));
        QVERIFY(!w.frame.isWindowModified());
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.frame.isWindowModified());
        // A new file starts unmodified.
        messages.answers = {Answer::No};
        w.doc.FileNew();
        QVERIFY(!w.frame.isWindowModified());
    }

    void KeyboardReachesEveryPart() {
        MessageRecorder messages;
        Window w;
        ShowAndFocusTree(w);
        // Tab: tree, grid, help text.
        QVERIFY(w.Tree().hasFocus());
        QTest::keyClick(&w.Tree(), Qt::Key_Tab);
        QVERIFY(w.Grid().hasFocus());
        QTest::keyClick(&w.Grid(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.frame.Annotation()));

        // A list value: F2 opens it, Escape gives it up without a change.
        w.Select(w.SubnetItem());
        w.Grid().setFocus();
        w.Grid().setCurrentCell(Subnet::ProtocolIndex, ParamGrid::ValueColumn);
        QTest::keyClick(&w.Grid(), Qt::Key_F2);
        QComboBox* chooser = w.View().ValueChooser();
        QVERIFY(chooser->isVisible());
        chooser->hidePopup();
        QTest::keyClick(chooser, Qt::Key_Escape);
        QVERIFY(!chooser->isVisible());
        QVERIFY(!w.frame.isWindowModified());

        // The menu key opens the tree's menu at the current entry.
        w.Select(w.SubnetItem());
        QPoint at;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                at = menu->pos();
                menu->close();
            }
        });
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0),
                              w.Tree().mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(&w.Tree(), &key);
        const QRect entry = w.Tree().visualItemRect(w.SubnetItem());
        QCOMPARE(at, w.Tree().viewport()->mapToGlobal(entry.center()));

        // Every toolbar button names its key.
        for (QAction* action : w.frame.ToolBar()->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(action->toolTip().endsWith(QLatin1Char(')')), qPrintable(action->toolTip()));
            QVERIFY2(!action->toolTip().contains(QLatin1Char('&')), qPrintable(action->toolTip()));
        }
        QCOMPARE(w.frame.Action(CMainFrame::Download)->toolTip(),
                 w.frame.Action(CMainFrame::Download)
                         ->text()
                         .remove(QLatin1Char('&'))
                         .remove(QStringLiteral("...")) +
                     QStringLiteral(" (Ctrl+D)"));
        QVERIFY(
            w.frame.Action(CMainFrame::DeleteNode)->toolTip().endsWith(QStringLiteral("(Del)")));
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
