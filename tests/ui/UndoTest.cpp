// Undo and redo of every change of the configuration, and the command
// clipboard, duplicate and reorder: checked against the saved file.
#include "UiFixture.h"

#include "model/Command.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"
#include "sim/GatewaySim.h"
#include "ui/CUpDownDlg.h"
#include "ui/CommandClipboard.h"
#include "ui/ImportDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

struct EditWindow : Window {
    QTemporaryDir dir;
    int saves = 0;

    // The file the configuration saves to now.
    std::string Saved() {
        const QString path = dir.filePath(QStringLiteral("s%1.xml").arg(++saves));
        std::string error;
        if (!SaveFile(app.GetProject(), QFile::encodeName(path).toStdString(), &error))
            return "save failed: " + error;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "unreadable";
        // The save time differs from one save to the next.
        return QString::fromUtf8(file.readAll())
            .replace(QRegularExpression(QStringLiteral("<DateTime [^>]*>")), QString())
            .toStdString();
    }
    QUndoStack& Stack() { return *frame.History()->Stack(); }
    Node* FirstNode() { return app.GetProject().GetSubnet().GetNodeAt(0); }
    QTreeWidgetItem* CommandItem(int i) { return NodeItem() ? NodeItem()->child(i) : nullptr; }
    // Adds a node with commands of the function indexes, the node selected.
    void MakeNode(std::initializer_list<int> functions) {
        Select(AddNode());
        for (int f : functions) {
            Select(NodeItem());
            Control().AddCommandOfFunctionIndex(f);
        }
        Select(NodeItem());
    }
    // Selects the commands at the positions, the first one current.
    void SelectCommands(std::initializer_list<int> positions) {
        Select(CommandItem(*positions.begin()));
        for (int i : positions)
            CommandItem(i)->setSelected(true);
    }
    std::vector<std::string> CommandValues(int row) {
        std::vector<std::string> values;
        for (int i = 0; FirstNode() && i < FirstNode()->GetCommandCount(); ++i)
            values.push_back(FirstNode()->GetCommandAt(i)->GetItem(row)->GetValue());
        return values;
    }
    // Whether every tree entry stands for an object of the configuration.
    bool TreeMatchesProject() {
        Project& p = app.GetProject();
        std::vector<TreeEntry> live{TreeEntry(&p.GetFieldbus()), TreeEntry(&p.GetSubnet())};
        for (int n = 0; n < p.GetSubnet().GetNodeCount(); ++n) {
            Node* node = p.GetSubnet().GetNodeAt(n);
            live.push_back(TreeEntry(node));
            for (int c = 0; c < node->GetCommandCount(); ++c)
                live.push_back(TreeEntry(node->GetCommandAt(c)));
        }
        int entries = 0;
        for (QTreeWidgetItemIterator it(&Tree()); *it; ++it) {
            if (!ConfigTree::HasEntry(*it))
                continue;
            ++entries;
            if (std::find(live.begin(), live.end(), ConfigTree::EntryOf(*it)) == live.end())
                return false;
        }
        return entries == int(live.size());
    }
};

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }

    void EachKindOfChangeUndoesAndRedoesToTheSavedFile() {
        MessageRecorder messages;
        EditWindow w;
        std::vector<std::string> states{w.Saved()};
        std::vector<QString> names;
        auto step = [&] {
            states.push_back(w.Saved());
            names.push_back(w.Stack().undoText());
        };
        w.Select(w.AddNode());
        step();
        w.Control().AddCommandOfFunctionIndex(2);
        step();
        w.Control().AddCommandOfFunctionIndex(3);
        step();
        w.Enter(w.CommandItem(0), Command::DataNumberRow, "4");
        step();
        const std::string dataNumber =
            w.FirstNode()->GetCommandAt(0)->GetItem(Command::DataNumberRow)->GetName();
        QCOMPARE(w.frame.Action(CMainFrame::EditUndo)->text(),
                 QString::fromStdString("Undo set " + dataNumber));
        // A refused value and the same value again are no step.
        const int count = w.Stack().count();
        w.Enter(w.CommandItem(0), Command::DataNumberRow, "4");
        w.Enter(w.CommandItem(0), Command::DataNumberRow, "99999");
        QCOMPARE(w.Stack().count(), count);
        messages.answers = {Answer::Yes};
        w.Trigger(CMainFrame::AutoMapping);
        step();
        w.Select(w.CommandItem(1));
        w.Trigger(CMainFrame::DeleteCommand);
        step();
        w.Select(w.SubnetItem());
        w.Enter(w.SubnetItem(), Subnet::ResponseTimeoutIndex, "700");
        step();
        w.Select(w.NodeItem());
        messages.answers = {Answer::Yes}; // the node still holds a command
        w.Trigger(CMainFrame::DeleteNode);
        step();
        // The protocol switch rebuilds the tree and the rows.
        const ParamItem* protocol = w.app.GetProject().GetSubnet().GetItem(Subnet::ProtocolIndex);
        const std::string other =
            protocol->GetChoices().at(protocol->GetValue() == protocol->GetChoices().at(0) ? 1 : 0);
        w.Enter(w.SubnetItem(), Subnet::ProtocolIndex, other);
        step();
        QCOMPARE(w.Stack().count(), int(states.size()) - 1);
        for (std::size_t i = 1; i < states.size(); ++i)
            QVERIFY2(states[i] != states[i - 1], qPrintable(names[i - 1]));

        for (int i = int(states.size()) - 2; i >= 0; --i) {
            w.Trigger(CMainFrame::EditUndo);
            QVERIFY2(w.Saved() == states[std::size_t(i)], qPrintable(names[std::size_t(i)]));
            QVERIFY(w.TreeMatchesProject());
            QCOMPARE(w.app.GetModified(), i != 0);
        }
        QVERIFY(!w.frame.Action(CMainFrame::EditUndo)->isEnabled());
        for (std::size_t i = 1; i < states.size(); ++i) {
            w.Trigger(CMainFrame::EditRedo);
            QVERIFY2(w.Saved() == states[i], qPrintable(names[i - 1]));
            QVERIFY(w.TreeMatchesProject());
            QVERIFY(w.app.GetModified());
        }
    }

    void SelectionReturnsToTheObjectChanged() {
        MessageRecorder messages;
        EditWindow w;
        w.MakeNode({2, 3, 4});
        w.Select(w.CommandItem(1));
        const std::string name = w.FirstNode()->GetCommandAt(1)->GetName();
        w.Trigger(CMainFrame::DeleteCommand);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 2);
        w.Trigger(CMainFrame::EditUndo);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 3);
        // The restored command is selected and listed.
        QCOMPARE(w.Tree().currentItem(), w.CommandItem(1));
        QCOMPARE(w.View().SelectedEntry().AsCommand(), w.FirstNode()->GetCommandAt(1));
        QCOMPARE(w.FirstNode()->GetCommandAt(1)->GetName(), name);
        QCOMPARE(w.Grid().rowCount(), Command::MnemonicRow + 1);

        w.Enter(w.SubnetItem(), Subnet::ResponseTimeoutIndex, "900");
        w.Select(w.FieldbusItem());
        w.Trigger(CMainFrame::EditUndo);
        QCOMPARE(w.Tree().currentItem(), w.SubnetItem());
        QVERIFY(w.Grid().ValueText(Subnet::ResponseTimeoutIndex) != QStringLiteral("900"));
    }

    void SavingMakesTheStateClean() {
        MessageRecorder messages;
        ScriptedDialogs dialogs;
        EditWindow w;
        w.MakeNode({2});
        QVERIFY(w.app.GetModified());
        const QString path = w.dir.filePath(QStringLiteral("saved.xml"));
        QVERIFY(w.doc.OnSaveDocument(path));
        QVERIFY(!w.app.GetModified());
        w.Enter(w.CommandItem(0), Command::RegisterRow, "12");
        QVERIFY(w.app.GetModified());
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(!w.app.GetModified());
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.app.GetModified());
        // Opening a file forgets the steps of the other configuration.
        QVERIFY(w.doc.OnOpenDocument(path));
        QCOMPARE(w.Stack().count(), 0);
        QVERIFY(!w.app.GetModified());
    }

    void UploadIsOneStep() {
        sim::GatewaySim gateway;
        QVERIFY(gateway.Start());
        sim::GatewayState state;
        for (int i = 0; i < 3; ++i)
            state.records.push_back(sim::Record{std::uint8_t(i), 3, 3, 0, std::uint8_t(i), 0, 2, 0,
                                                std::uint8_t(i * 4), 0, 0, 0});
        gateway.SetState(state);
        MessageRecorder messages;
        EditWindow w;
        const std::string before = w.Saved();
        CUpDownDlg::Port port;
        port.device = QString::fromStdString(gateway.DevicePath());
        port.label = port.key = port.device;
        ViewController::SetTransferDialogHook([&](CUpDownDlg& dialog) {
            dialog.SetPaceMs(0);
            dialog.SetPorts({port});
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.StartTransfer(); });
        });
        w.Trigger(CMainFrame::Upload);
        ViewController::SetTransferDialogHook(nullptr);
        QVERIFY(w.FirstNode());
        QCOMPARE(w.FirstNode()->GetCommandCount(), 3);
        const std::string after = w.Saved();
        QCOMPARE(w.Stack().count(), 1);
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.Saved() == before);
        QVERIFY(!w.app.GetModified());
        QVERIFY(w.TreeMatchesProject());
        w.Trigger(CMainFrame::EditRedo);
        QVERIFY(w.Saved() == after);
        QVERIFY(w.TreeMatchesProject());
    }

    void ImportIsOneStep() {
        ScriptedDialogs dialogs;
        EditWindow w;
        w.MakeNode({2});
        const std::string before = w.Saved();
        const int steps = w.Stack().count();
        const QString path = w.dir.filePath(QStringLiteral("list.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Function Code,Mnemonic\n1,a\n2,b\n5,c\n");
        file.close();
        dialogs.openNames << path;
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget()))
                dialog->ImportButton()->click();
        });
        w.Trigger(CMainFrame::ImportCommands);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 3);
        const std::string after = w.Saved();
        QCOMPARE(w.Stack().count(), steps + 1);
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.Saved() == before);
        QVERIFY(w.TreeMatchesProject());
        w.Trigger(CMainFrame::EditRedo);
        QVERIFY(w.Saved() == after);
        QVERIFY(w.TreeMatchesProject());
    }

    void UndoTextsFollowTheLanguage() {
        ApplyLanguage(App(), QStringLiteral("zh"));
        {
            EditWindow w;
            w.Enter(w.SubnetItem(), Subnet::ResponseTimeoutIndex, "800");
            const std::string name =
                w.app.GetProject().GetSubnet().GetItem(Subnet::ResponseTimeoutIndex)->GetName();
            QCOMPARE(w.frame.Action(CMainFrame::EditUndo)->text(),
                     QString::fromStdString("撤销 设置 " + name));
            w.Trigger(CMainFrame::EditUndo);
            QCOMPARE(w.frame.Action(CMainFrame::EditRedo)->text(),
                     QString::fromStdString("重做 设置 " + name));
        }
        ApplyLanguage(App(), QStringLiteral("en"));
    }

    void CopyAndPasteKeepValuesAndMappings() {
        MessageRecorder messages;
        EditWindow w;
        w.MakeNode({2, 3});
        w.Enter(w.CommandItem(0), Command::RegisterRow, "17");
        w.Enter(w.CommandItem(0), Command::DataNumberRow, "3");
        w.Enter(w.CommandItem(0), Command::MappingRow, "0010");
        w.Enter(w.CommandItem(1), Command::MnemonicRow, "pump");
        w.SelectCommands({0, 1});
        QVERIFY(w.Enabled(CMainFrame::EditCopy));
        w.Trigger(CMainFrame::EditCopy);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(CommandClipboard::kMimeType));
        QVERIFY(data->text().contains(QStringLiteral("pump")));

        w.Select(w.NodeItem());
        w.Trigger(CMainFrame::EditPaste);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 4);
        QCOMPARE(w.CommandValues(Command::RegisterRow)[2], std::string("17"));
        QCOMPARE(w.CommandValues(Command::MappingRow)[2], w.CommandValues(Command::MappingRow)[0]);
        QCOMPARE(w.CommandValues(Command::MnemonicRow)[3], std::string("pump"));
        // The pasted commands are selected.
        QCOMPARE(w.Tree().currentItem(), w.CommandItem(2));
        QVERIFY(w.CommandItem(3)->isSelected());
        QVERIFY(w.TreeMatchesProject());
        // Pasted after the selected command; one undo step.
        w.Select(w.CommandItem(0));
        const std::string before = w.Saved();
        w.Trigger(CMainFrame::EditPaste);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 6);
        QCOMPARE(w.CommandValues(Command::MnemonicRow)[2], std::string("pump"));
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.Saved() == before);

        // Another program's plain text: the same fragment.
        const QString text = data->text();
        QGuiApplication::clipboard()->setText(text);
        w.Select(w.NodeItem());
        w.Trigger(CMainFrame::EditPaste);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 6);
        // Text that is no fragment pastes nothing and says so.
        QGuiApplication::clipboard()->setText(QStringLiteral("<Node Value=\"x\"/>"));
        messages.messages.clear();
        w.Trigger(CMainFrame::EditPaste);
        QCOMPARE(w.FirstNode()->GetCommandCount(), 6);
        QCOMPARE(messages.messages.size(), std::size_t(1));
    }

    void ClipboardFragmentRefusesBrokenInput() {
        Command command(LocalText(kKeyErrorCommand), 2);
        const std::string xml = CommandClipboard::ToXml({&command, &command});
        QCOMPARE(CommandClipboard::FromXml(xml).size(), std::size_t(2));
        QVERIFY(CommandClipboard::FromXml("").empty());
        QVERIFY(CommandClipboard::FromXml("not xml at all").empty());
        QVERIFY(CommandClipboard::FromXml(xml.substr(0, xml.size() / 2)).empty());
        QVERIFY(CommandClipboard::FromXml(std::string(100000, '<')).empty());
        std::string deep;
        for (int i = 0; i < 5000; ++i)
            deep += "<a>";
        QVERIFY(CommandClipboard::FromXml(deep).empty());
        // A command that lost an item would break the grid: dropped.
        std::string cut = xml;
        const auto item = cut.find("<Item ");
        cut.erase(item, cut.find("</Item>", item) + 7 - item);
        QCOMPARE(CommandClipboard::FromXml(cut).size(), std::size_t(1));
    }

    void PasteAndDuplicateKeepTheCommandLimit() {
        MessageRecorder messages;
        EditWindow w;
        w.MakeNode({2});
        for (int i = 1; i < kMaxCommands - 1; ++i) {
            w.Select(w.NodeItem());
            w.Control().AddCommandOfFunctionIndex(2);
        }
        QCOMPARE(w.FirstNode()->GetCommandCount(), kMaxCommands - 1);
        w.SelectCommands({0, 1});
        w.Trigger(CMainFrame::EditCopy);
        messages.messages.clear();
        w.Trigger(CMainFrame::EditDuplicate);
        QCOMPARE(w.FirstNode()->GetCommandCount(), kMaxCommands - 1);
        w.Trigger(CMainFrame::EditPaste);
        QCOMPARE(w.FirstNode()->GetCommandCount(), kMaxCommands - 1);
        QCOMPARE(messages.messages, (std::vector<std::string>{LocalText(kKeyAtMost48Commands),
                                                              LocalText(kKeyAtMost48Commands)}));
        // One more still fits.
        w.Select(w.CommandItem(5));
        w.Trigger(CMainFrame::EditDuplicate);
        QCOMPARE(w.FirstNode()->GetCommandCount(), kMaxCommands);
        QCOMPARE(w.Tree().currentItem(), w.CommandItem(6));
    }

    void DuplicateInsertsCopiesAfterTheSelection() {
        EditWindow w;
        w.MakeNode({2, 3, 4});
        w.Enter(w.CommandItem(1), Command::MnemonicRow, "b");
        w.SelectCommands({0, 1});
        w.Trigger(CMainFrame::EditDuplicate);
        QCOMPARE(w.CommandValues(Command::FunctionCodeRow),
                 (std::vector<std::string>{"3", "4", "3", "4", "5"}));
        QCOMPARE(w.CommandValues(Command::MnemonicRow)[3], std::string("b"));
        QCOMPARE(w.Stack().count(), 6);
    }

    void MoveReordersTheSavedFile() {
        EditWindow w;
        w.MakeNode({2, 3, 4, 5});
        const std::string before = w.Saved();
        const std::vector<std::string> codes = w.CommandValues(Command::FunctionCodeRow);
        w.Select(w.CommandItem(0));
        QVERIFY(!w.Enabled(CMainFrame::EditMoveUp));
        QVERIFY(w.Enabled(CMainFrame::EditMoveDown));
        w.Trigger(CMainFrame::EditMoveDown);
        QCOMPARE(w.CommandValues(Command::FunctionCodeRow),
                 (std::vector<std::string>{codes[1], codes[0], codes[2], codes[3]}));
        QCOMPARE(w.Tree().currentItem(), w.CommandItem(1));
        // Two at once, kept together and in order.
        w.SelectCommands({2, 3});
        w.Trigger(CMainFrame::EditMoveUp);
        QCOMPARE(w.CommandValues(Command::FunctionCodeRow),
                 (std::vector<std::string>{codes[1], codes[2], codes[3], codes[0]}));
        QVERIFY(w.CommandItem(1)->isSelected() && w.CommandItem(2)->isSelected());
        QVERIFY(!w.CommandItem(0)->isSelected());
        // The saved file lists the commands in the new order.
        const std::string saved = w.Saved();
        std::vector<std::size_t> at;
        for (int i = 0; i < 4; ++i)
            at.push_back(saved.find("Value=\"" + w.FirstNode()->GetCommandAt(i)->GetName() + "\""));
        QVERIFY(std::is_sorted(at.begin(), at.end()) && at[0] != std::string::npos);
        w.Trigger(CMainFrame::EditUndo);
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.Saved() == before);
    }

    void MultipleSelectionDeletesInOneStep() {
        EditWindow w;
        w.MakeNode({2, 3, 4, 5});
        const std::string before = w.Saved();
        w.SelectCommands({0, 2});
        w.Trigger(CMainFrame::DeleteCommand);
        QCOMPARE(w.CommandValues(Command::FunctionCodeRow), (std::vector<std::string>{"4", "6"}));
        QVERIFY(w.TreeMatchesProject());
        w.Trigger(CMainFrame::EditUndo);
        QVERIFY(w.Saved() == before);
        QVERIFY(w.TreeMatchesProject());
    }

    void RandomChangesUndoAndRedoToTheSavedFiles() {
        MessageRecorder messages;
        EditWindow w;
        QRandomGenerator random(20261207);
        std::vector<std::string> states{w.Saved()};
        std::size_t at = 0;
        const std::vector<std::string> words{"1", "2", "10", "0020", "pump", "7", ""};
        for (int round = 0; round < 400; ++round) {
            Node* node = w.FirstNode();
            const int commands = node ? node->GetCommandCount() : 0;
            auto pickCommand = [&] {
                w.Select(w.CommandItem(random.bounded(commands)));
                if (commands > 1 && random.bounded(2))
                    w.CommandItem(random.bounded(commands))->setSelected(true);
            };
            const int previous = w.Stack().index();
            const int kind = random.bounded(10);
            bool stepped = false;
            if (kind == 0 && at > 0) {
                w.Trigger(CMainFrame::EditUndo);
                --at;
                stepped = true;
            } else if (kind == 1 && at + 1 < states.size()) {
                w.Trigger(CMainFrame::EditRedo);
                ++at;
                stepped = true;
            } else if (!node) {
                w.Select(w.SubnetItem());
                w.Trigger(CMainFrame::AddNode);
            } else if (kind == 2 && commands < 10) {
                w.Select(w.NodeItem());
                w.Control().AddCommandOfFunctionIndex(random.bounded(2, 6));
            } else if (commands == 0) {
                if (random.bounded(8) == 0) {
                    w.Select(w.NodeItem());
                    w.Trigger(CMainFrame::DeleteNode);
                } else {
                    w.Enter(w.NodeItem(), 0, std::to_string(random.bounded(1, 30)));
                }
            } else if (kind == 3) {
                pickCommand();
                w.Trigger(CMainFrame::DeleteCommand);
            } else if (kind == 4) {
                pickCommand();
                w.Trigger(random.bounded(2) ? CMainFrame::EditMoveUp : CMainFrame::EditMoveDown);
            } else if (kind == 5 && commands < 8) {
                pickCommand();
                if (random.bounded(2)) {
                    w.Trigger(CMainFrame::EditDuplicate);
                } else {
                    w.Trigger(CMainFrame::EditCopy);
                    w.Trigger(CMainFrame::EditPaste);
                }
            } else if (kind == 6) {
                messages.answers = {Answer::Yes};
                w.Trigger(CMainFrame::AutoMapping);
            } else {
                const int c = random.bounded(commands);
                const int row = random.bounded(Command::RegisterRow, Command::MnemonicRow + 1);
                w.Enter(w.CommandItem(c), row,
                        words[std::size_t(random.bounded(int(words.size())))]);
            }
            if (!stepped && w.Stack().index() != previous) {
                // A new step drops the ones undone.
                states.resize(at + 1);
                states.push_back(w.Saved());
                ++at;
                QCOMPARE(w.Stack().index(), int(at));
            }
            QVERIFY2(w.Saved() == states[at], qPrintable(QStringLiteral("round %1").arg(round)));
            QVERIFY(w.TreeMatchesProject());
            QCOMPARE(w.Stack().count(), int(states.size()) - 1);
            // Whatever is selected can be listed.
            if (QTreeWidgetItem* current = w.Tree().currentItem())
                w.View().ListObject(ConfigTree::EntryOf(current));
        }
        QVERIFY(states.size() > 50);
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
