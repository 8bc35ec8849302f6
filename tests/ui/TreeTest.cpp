// The configuration tree and the Edit commands: contents after New, Open
// and a protocol switch, enable rules, nodes and commands, the command
// limit, automatic mapping and the right click.
#include "UiFixture.h"

#include "model/Command.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/AnnotationPane.h"
#include "ui/SelectCommandDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <vector>

using namespace varkel;
using namespace varkel::test;

namespace {

QString DataFile(const char* name) {
    return QStringLiteral(VARKEL_UI_TEST_DATA "/") + QLatin1String(name);
}

QString Text(int key) {
    return QString::fromStdString(LocalText(key));
}

// The enabled state of the five tree commands, in menu order.
QString EnableMask(Window& w) {
    QString mask;
    for (auto c : {CMainFrame::AddNode, CMainFrame::DeleteNode, CMainFrame::AddCommand,
                   CMainFrame::DeleteCommand, CMainFrame::AutoMapping})
        mask += w.Enabled(c) ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

} // namespace

class TreeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }

    void NewProjectShowsTheTwoRootEntries() {
        Window w;
        QCOMPARE(w.Tree().topLevelItemCount(), 2);
        QCOMPARE(w.FieldbusItem()->text(0), Text(kKeyProfibus));
        QCOMPARE(w.SubnetItem()->text(0), Text(kKeySubnet));
        QCOMPARE(ConfigTree::EntryOf(w.FieldbusItem()).GetKind(), TreeEntry::FieldbusKind);
        QCOMPARE(ConfigTree::EntryOf(w.SubnetItem()).GetKind(), TreeEntry::SubnetKind);
        QCOMPARE(ConfigTree::ImageOf(w.FieldbusItem()), 0);
        QCOMPARE(ConfigTree::ImageOf(w.SubnetItem()), 0);
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        QCOMPARE(w.app.GetModified(), 0);
    }

    void OpenedFileListsNodeAndCommandsInOrder() {
        MessageRecorder messages;
        Window w;
        QVERIFY(w.doc.OnOpenDocument(DataFile("commands48.xml")));
        QTreeWidgetItem* node = w.NodeItem();
        QVERIFY(node);
        Node* model = w.app.GetProject().GetSubnet().GetNodeAt(0);
        QCOMPARE(ConfigTree::EntryOf(node).AsNode(), model);
        QCOMPARE(node->text(0), QString::fromStdString(model->GetName()));
        QCOMPARE(ConfigTree::ImageOf(node), 1);
        QCOMPARE(node->childCount(), 48);
        for (int i = 0; i < 48; ++i) {
            QTreeWidgetItem* c = node->child(i);
            QCOMPARE(ConfigTree::EntryOf(c).AsCommand(), model->GetCommandAt(i));
            QCOMPARE(ConfigTree::EntryOf(c).GetKind(), TreeEntry::CommandKind);
            QCOMPARE(ConfigTree::ImageOf(c), 2);
            // The file's Chinese function names, shown in the window's English.
            const Command* command = model->GetCommandAt(i);
            const int nameKey = FactsOfIndex(command->GetFunctionIndex()).nameKey;
            QCOMPARE(command->GetName(), TextIn(TextLanguage::Chinese, nameKey));
            QCOMPARE(c->text(0), QString::fromStdString(TextIn(TextLanguage::English, nameKey)));
        }
        // Everything is expanded.
        QVERIFY(w.SubnetItem()->isExpanded());
        QVERIFY(node->isExpanded());

        // New empties the subnet again and forgets the selection.
        w.Select(node->child(3));
        w.doc.FileNew();
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        QCOMPARE(w.View().SelectedKind(), 0);
        QCOMPARE(w.Grid().rowCount(), 0);
    }

    void ProtocolSwitchHidesTheNode() {
        Window w;
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        w.Select(w.SubnetItem());
        QCOMPARE(EnableMask(w), QStringLiteral("00001")); // a node exists already

        w.app.GetProject().GetSubnet().SetProtocolType(ProtocolType::Universal);
        w.frame.RebuildTree();
        w.frame.UpdateActions();
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        QCOMPARE(w.app.GetProject().GetSubnet().GetNodeCount(), 1); // still in the model
        QCOMPARE(EnableMask(w).right(1), QStringLiteral("0"));      // no mapping

        w.app.GetProject().GetSubnet().SetProtocolType(ProtocolType::ModbusMaster);
        w.frame.RebuildTree();
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QCOMPARE(w.NodeItem()->childCount(), 1);
    }

    void EnableRulesFollowTheSelection() {
        Window w;
        QCOMPARE(EnableMask(w), QStringLiteral("00001"));
        QVERIFY(w.Enabled(CMainFrame::ExportXls));
        w.Select(w.FieldbusItem());
        QCOMPARE(EnableMask(w), QStringLiteral("00001"));
        w.Select(w.SubnetItem());
        QCOMPARE(EnableMask(w), QStringLiteral("10001"));
        QTreeWidgetItem* node = w.AddNode();
        QCOMPARE(EnableMask(w), QStringLiteral("00001")); // one node only
        w.Select(node);
        QCOMPARE(EnableMask(w), QStringLiteral("01101"));
        w.Control().AddCommandOfFunctionIndex(0);
        w.Select(node->child(0));
        QCOMPARE(EnableMask(w), QStringLiteral("00011"));

        // Universal mode: no node can be added and nothing is mapped.
        w.app.GetProject().GetSubnet().SetProtocolType(ProtocolType::Universal);
        w.app.GetProject().GetSubnet().RemoveNode(w.app.GetProject().GetSubnet().GetNodeAt(0));
        w.frame.RebuildTree();
        w.Select(w.SubnetItem());
        QCOMPARE(EnableMask(w), QStringLiteral("00000"));
        QVERIFY(w.Enabled(CMainFrame::ExportXls));
    }

    void AddAndDeleteNode() {
        Window w;
        QTreeWidgetItem* node = w.AddNode();
        QVERIFY(node);
        QCOMPARE(node->text(0), QStringLiteral("Node(1)"));
        QCOMPARE(ConfigTree::EntryOf(node).GetKind(), TreeEntry::NodeKind);
        QCOMPARE(w.app.GetProject().GetSubnet().GetNodeCount(), 1);
        QCOMPARE(w.app.GetModified(), 1);
        QVERIFY(w.Tree().currentItem() == w.SubnetItem()); // the new node is not selected

        w.app.SetModified(0);
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(3);
        w.app.SetModified(0);
        // A node with commands is deleted only after a Yes.
        MessageRecorder messages;
        messages.answers = {Answer::Yes};
        w.Trigger(CMainFrame::DeleteNode);
        QCOMPARE(messages.questions.size(), std::size_t(1));
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        QCOMPARE(w.app.GetProject().GetSubnet().GetNodeCount(), 0);
        QCOMPARE(w.app.GetModified(), 1);
        // The selection moved on and the grid shows what is selected now.
        QVERIFY(w.Tree().currentItem());
        QCOMPARE(w.View().SelectedItem(), w.Tree().currentItem());
        w.Select(w.SubnetItem());
        QVERIFY(w.Enabled(CMainFrame::AddNode));
        QCOMPARE(w.AddNode()->text(0), QStringLiteral("Node(1)"));
    }

    void AddNodeWithoutSelectedItemUsesTheSubnet() {
        Window w;
        w.Select(w.SubnetItem());
        // A rebuild drops the selected item but keeps the kind.
        w.frame.RebuildTree();
        QVERIFY(!w.View().SelectedItem());
        QCOMPARE(w.View().SelectedKind(), int(TreeEntry::SubnetKind));
        w.Trigger(CMainFrame::AddNode);
        QCOMPARE(w.SubnetItem()->childCount(), 1);
    }

    void AddAndDeleteCommands() {
        Window w;
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.app.SetModified(0);
        for (int i = 0; i < 3; ++i)
            w.Control().AddCommandOfFunctionIndex(2);
        QCOMPARE(node->childCount(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(node->child(i)->text(0), Text(kKeyReadHoldingRegisters));
        QCOMPARE(w.app.GetProject().GetCommandCount(), 3);
        QCOMPARE(w.app.GetModified(), 1);

        Command* second = w.app.GetProject().GetSubnet().GetNodeAt(0)->GetCommandAt(1);
        w.Select(node->child(1));
        QCOMPARE(w.Grid().rowCount(), 10);
        QCOMPARE(w.Grid().RowItem(0), second->GetItem(0));
        w.app.SetModified(0);
        w.Trigger(CMainFrame::DeleteCommand);
        QCOMPARE(node->childCount(), 2);
        QCOMPARE(w.app.GetProject().GetCommandCount(), 2);
        QCOMPARE(w.app.GetModified(), 1);
        for (int i = 0; i < 2; ++i)
            QVERIFY(ConfigTree::EntryOf(node->child(i)).AsCommand() != second);
    }

    void BusCommandsAreNotDeleted() {
        Window w;
        Command* bus = w.app.GetProject().GetSubnet().CreateCommand(2);
        QVERIFY(bus);
        w.frame.RebuildTree();
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        w.Select(w.SubnetItem()->child(0));
        QVERIFY(w.Enabled(CMainFrame::DeleteCommand));
        w.Trigger(CMainFrame::DeleteCommand);
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QCOMPARE(w.app.GetProject().GetSubnet().GetCommandCount(), 1);
        QCOMPARE(w.app.GetModified(), 0);
    }

    void SelectCommandDialogAddsOnEveryDoubleClick() {
        MessageRecorder messages;
        Window w;
        w.frame.show();
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        int listed = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<SelectCommandDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QListWidget* list = dialog->List();
            listed = list->count();
            QCOMPARE(list->currentRow(), -1);
            QCOMPARE(list->item(13)->text(), Text(kKeyPresetMultipleRegisters));
            emit list->itemDoubleClicked(list->item(2));
            emit list->itemDoubleClicked(list->item(2));
            emit list->itemDoubleClicked(list->item(12));
            QVERIFY(dialog->isVisible()); // stays open
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        w.Trigger(CMainFrame::AddCommand);
        QCOMPARE(listed, 14);
        QCOMPARE(node->childCount(), 3);
        QCOMPARE(node->child(0)->text(0), Text(kKeyReadHoldingRegisters));
        QCOMPARE(node->child(2)->text(0), Text(kKeyForceMultipleCoils));
        QVERIFY(messages.messages.empty());
    }

    void SelectCommandDialogAddsOnReturn() {
        // The list can be worked from the keyboard alone.
        std::vector<int> added;
        SelectCommandDialog dialog([&](int index) { added.push_back(index); });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = dialog.List();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return); // nothing chosen yet
        QVERIFY(added.empty());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
        const int row = list->currentRow();
        QVERIFY(row > 0);
        QCOMPARE(added, (std::vector<int>{row, row}));
        QVERIFY(dialog.isVisible());
    }

    void SelectCommandDialogClosedUntouchedChangesNothing() {
        Window w;
        w.frame.show();
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.app.SetModified(0);
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        w.Trigger(CMainFrame::AddCommand);
        QCOMPARE(node->childCount(), 0);
        QCOMPARE(w.app.GetModified(), 0);
    }

    void FortyNinthCommandIsRefused() {
        MessageRecorder messages;
        Window w;
        QVERIFY(w.doc.OnOpenDocument(DataFile("commands48.xml")));
        QTreeWidgetItem* node = w.NodeItem();
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        QCOMPARE(messages.messages.size(), size_t(1));
        QCOMPARE(messages.messages[0], LocalText(kKeyAtMost48Commands));
        QCOMPARE(node->childCount(), 48);
        QCOMPARE(w.app.GetProject().GetCommandCount(), 48);
        QCOMPARE(w.app.GetModified(), 0);

        // After a deletion there is room for one again.
        w.Select(node->child(0));
        w.Trigger(CMainFrame::DeleteCommand);
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        QCOMPARE(node->childCount(), 48);
        QCOMPARE(messages.messages.size(), size_t(1));
    }

    void AutoMappingAsksFirst() {
        MessageRecorder messages;
        messages.answers = {Answer::No, Answer::Yes};
        Window w;
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        w.Control().AddCommandOfFunctionIndex(2);
        Command* second = w.app.GetProject().GetSubnet().GetNodeAt(0)->GetCommandAt(1);
        second->GetItem(Command::MappingRow)->SetValue("0050H");
        w.Select(node->child(1));
        w.app.SetModified(0);

        w.Trigger(CMainFrame::AutoMapping);
        QCOMPARE(messages.questions.size(), size_t(1));
        QCOMPARE(messages.questions[0], LocalText(kKeyReallyRecalculateMapping));
        QCOMPARE(second->GetItem(Command::MappingRow)->GetValue(), std::string("0050H"));
        QCOMPARE(w.app.GetModified(), 0);

        w.Trigger(CMainFrame::AutoMapping);
        const std::string mapped = second->GetItem(Command::MappingRow)->GetValue();
        QVERIFY(mapped != "0050H");
        QCOMPARE(w.app.GetModified(), 1);
        // The grid shows the new address at once.
        QCOMPARE(w.Grid().ValueText(Command::MappingRow), QString::fromStdString(mapped));
    }

    void AutoMappingIsNotUndoneByAnOpenEditor() {
        MessageRecorder messages;
        messages.answers = {Answer::Yes};
        Window w;
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        Command* command = w.app.GetProject().GetSubnet().GetNodeAt(0)->GetCommandAt(0);
        command->GetItem(Command::MappingRow)->SetValue("0050H");
        w.Select(node->child(0));
        // The address's editor is open when the mapping runs (a toolbar
        // button or Ctrl+M leaves it open); leaving it afterwards must not
        // write the old address back.
        w.View().OnGridClicked(Command::MappingRow, ParamGrid::ValueColumn);
        QVERIFY(w.View().ValueEdit()->isVisibleTo(&w.Grid()));
        w.Trigger(CMainFrame::AutoMapping);
        w.View().CommitEditor();
        const std::string mapped = command->GetItem(Command::MappingRow)->GetValue();
        QVERIFY(mapped != "0050H");
        QCOMPARE(w.Grid().ValueText(Command::MappingRow), QString::fromStdString(mapped));
    }

    void GridListsTheSelectedObject() {
        Window w;
        w.Select(w.FieldbusItem());
        const Fieldbus& bus = w.app.GetProject().GetFieldbus();
        QCOMPARE(w.Grid().rowCount(), bus.GetItemCount());
        for (int row = 0; row < bus.GetItemCount(); ++row) {
            const ParamItem* item = bus.GetItem(row);
            QCOMPARE(w.Grid().RowItem(row), item);
            QCOMPARE(w.Grid().NameText(row), QString::fromStdString(item->GetName()));
            QCOMPARE(w.Grid().ValueText(row), QString::fromStdString(item->GetValue()));
            QCOMPARE(w.Grid().ValueBackground(row), item->GetEnable() ? kWhite : kGrey);
        }
        // A click on a row shows its help; a new selection empties the pane.
        emit w.Grid().cellClicked(1, 0);
        QVERIFY(!w.frame.Annotation()->toPlainText().isEmpty());
        QVERIFY(!w.frame.Annotation()->toPlainText().contains(QLatin1Char('\r')));
        w.Select(w.SubnetItem());
        QVERIFY(w.frame.Annotation()->toPlainText().isEmpty());
        QCOMPARE(w.Grid().rowCount(), 12); // Modbus master rows
    }

    void RightClickOnEmptySpaceClearsTheSelection() {
        Window w;
        w.frame.show();
        w.Select(w.SubnetItem());
        QVERIFY(w.Grid().rowCount() > 0);
        const QPoint below(5, w.Tree().viewport()->height() - 2);
        QVERIFY(!w.Tree().itemAt(below));
        w.View().OnTreeRightClick(below);
        QVERIFY(!w.Tree().currentItem());
        QVERIFY(!w.View().SelectedItem());
        QCOMPARE(w.Grid().rowCount(), 0);
        QCOMPARE(w.View().SelectedKind(), int(TreeEntry::SubnetKind));
        QVERIFY(!QApplication::activePopupWidget());
    }

    void RightClickOnAnEntrySelectsItAndShowsTheMenu() {
        Window w;
        w.frame.show();
        QTreeWidgetItem* node = w.AddNode();
        QStringList shown;
        bool deleteNodeEnabled = false;
        QTimer::singleShot(0, [&] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                shown << a->text();
            deleteNodeEnabled = w.Enabled(CMainFrame::DeleteNode);
            menu->close();
        });
        w.View().OnTreeRightClick(w.Tree().visualItemRect(node).center());
        QCOMPARE(w.Tree().currentItem(), node);
        QCOMPARE(w.View().SelectedKind(), int(TreeEntry::NodeKind));
        // Add and delete, a separator, then copy, paste, duplicate and the moves.
        QCOMPARE(shown.size(), 10);
        QVERIFY(deleteNodeEnabled);
    }
};

QTEST_MAIN(TreeTest)
#include "TreeTest.moc"
