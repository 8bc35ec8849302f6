// Editing values in place in the parameter grid, through the mouse and the
// keyboard: where the editors open, what they commit or refuse, and what a
// commit changes elsewhere (tree label, protocol switch, greyed rows). Also
// the Upload, Download and Conflict Detect commands of the main window.
#include "UiFixture.h"

#include "model/Command.h"
#include "model/Fieldbus.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"
#include "sim/GatewaySim.h"
#include "ui/AnnotationPane.h"
#include "ui/CConflictDlg.h"
#include "ui/CUpDownDlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

const Rgb kGreyCell{200, 200, 200};
const Rgb kWhiteCell{255, 255, 255};

std::string Text(int key) {
    return LocalText(key);
}

// A main window on the screen, so that clicks and the focus behave.
struct ShownWindow : Window {
    ShownWindow() {
        frame.show();
        frame.activateWindow();
        QApplication::setActiveWindow(&frame);
        exposed = QTest::qWaitForWindowExposed(&frame);
    }
    bool exposed = false;

    void Click(int row, int column) {
        QTableWidgetItem* cell = Grid().item(row, column);
        QVERIFY2(cell, "no such cell");
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          Grid().visualItemRect(cell).center());
    }
    QLineEdit& Edit() { return *View().ValueEdit(); }
    QComboBox& Chooser() { return *View().ValueChooser(); }
    // Opens the value cell's line edit, types over its text and presses Return.
    void Type(int row, const QString& text) {
        Click(row, ParamGrid::ValueColumn);
        QVERIFY(Edit().isVisible());
        // The whole text is selected: typing replaces it, Delete empties it.
        if (text.isEmpty())
            QTest::keyClick(&Edit(), Qt::Key_Delete);
        QTest::keyClicks(&Edit(), text);
        QTest::keyClick(&Edit(), Qt::Key_Return);
    }
    // Opens the value cell's drop-down list and clicks the entry with the text.
    void Choose(int row, const std::string& text) {
        Click(row, ParamGrid::ValueColumn);
        QVERIFY(Chooser().isVisible());
        QAbstractItemView* list = Chooser().view();
        QVERIFY(list->isVisible());
        const int index = Chooser().findText(QString::fromStdString(text));
        QVERIFY2(index >= 0, text.c_str());
        const QRect r = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    std::string Value(int row) { return Grid().ValueText(row).toStdString(); }
    // The annotation pane's text with the help texts' line ends.
    std::string Annotation() {
        return frame.Annotation()
            ->toPlainText()
            .replace(QLatin1Char('\n'), QLatin1String("\r\n"))
            .toStdString();
    }
    Subnet& Sub() { return app.GetProject().GetSubnet(); }
    QTreeWidgetItem* CommandItem(int i) { return NodeItem() ? NodeItem()->child(i) : nullptr; }
};

} // namespace

class GridEditTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }

    void EditorsOpenExactlyOverTheValueCell() {
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        w.Click(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        QLineEdit& edit = w.Edit();
        QVERIFY(edit.isVisible());
        QCOMPARE(edit.geometry(), w.Grid().visualItemRect(w.Grid().item(7, 1)));
        QCOMPARE(edit.parentWidget(), w.Grid().viewport());
        QCOMPARE(edit.text(), QString::fromStdString(w.Sub().GetItem(7)->GetValue()));
        QVERIFY(!edit.text().isEmpty());
        QCOMPARE(edit.selectedText(), edit.text());
        QVERIFY(edit.hasFocus());
        QVERIFY(!w.Chooser().isVisible());

        // A picked value: the list drops down at once, in choice order,
        // with nothing chosen yet.
        w.Click(Subnet::ParityIndex, ParamGrid::ValueColumn);
        QVERIFY(!edit.isVisible());
        QComboBox& chooser = w.Chooser();
        QVERIFY(chooser.isVisible());
        QCOMPARE(chooser.geometry(), w.Grid().visualItemRect(w.Grid().item(3, 1)));
        QVERIFY(chooser.view()->isVisible());
        QCOMPARE(chooser.currentIndex(), -1);
        const auto& choices = w.Sub().GetItem(Subnet::ParityIndex)->GetChoices();
        QCOMPARE(chooser.count(), int(choices.size()));
        for (int i = 0; i < chooser.count(); ++i)
            QCOMPARE(chooser.itemText(i).toStdString(), choices[std::size_t(i)]);

        // The editor follows its cell when the window changes width.
        w.Click(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        w.frame.resize(w.frame.width() + 120, w.frame.height());
        QTRY_COMPARE(edit.geometry(), w.Grid().visualItemRect(w.Grid().item(7, 1)));
    }

    void AnyRowShowsItsHelpButOnlyEditableValuesOpenAnEditor() {
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.FieldbusItem());
        Fieldbus& fieldbus = w.app.GetProject().GetFieldbus();
        // In Modbus master mode the universal-mode switch is greyed.
        QCOMPARE(w.Grid().ValueBackground(Fieldbus::ValidLengthIndex), kGreyCell);
        w.Click(Fieldbus::ValidLengthIndex, ParamGrid::ValueColumn);
        QCOMPARE(w.Annotation(), fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetHelp());
        QVERIFY(!w.Annotation().empty());
        QVERIFY(!w.Edit().isVisible());
        QVERIFY(!w.Chooser().isVisible());

        w.Select(w.SubnetItem());
        w.Click(Subnet::ScanRatioIndex, ParamGrid::NameColumn);
        QCOMPARE(w.Annotation(), w.Sub().GetItem(Subnet::ScanRatioIndex)->GetHelp());
        QVERIFY(!w.Edit().isVisible());
        QVERIFY(!w.Chooser().isVisible());

        // A value that is shown only (a command's function code).
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Control().AddCommandOfFunctionIndex(2);
        w.Select(w.CommandItem(0));
        w.Click(Command::FunctionCodeRow, ParamGrid::ValueColumn);
        QVERIFY(!w.Edit().isVisible());
        QVERIFY(!w.Chooser().isVisible());
    }

    void ReturnAndLeavingTheEditorCommit() {
        MessageRecorder messages;
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        QCOMPARE(w.app.GetModified(), 0);
        // The same text again is no change.
        const std::string before = w.Value(Subnet::ScanRatioIndex);
        w.Click(Subnet::ScanRatioIndex, ParamGrid::ValueColumn);
        QTest::keyClick(&w.Edit(), Qt::Key_Return);
        QVERIFY(!w.Edit().isVisible());
        QCOMPARE(w.Value(Subnet::ScanRatioIndex), before);
        QCOMPARE(w.app.GetModified(), 0);

        // Delay between polls: rounded down to tens; 2500 kept.
        w.Type(Subnet::PollDelayIndex, QStringLiteral("25"));
        QCOMPARE(w.Value(Subnet::PollDelayIndex), std::string("20"));
        QCOMPARE(w.Sub().GetItem(Subnet::PollDelayIndex)->GetValue(), std::string("20"));
        QCOMPARE(w.app.GetModified(), 1);
        w.Type(Subnet::PollDelayIndex, QStringLiteral("2500"));
        QCOMPARE(w.Value(Subnet::PollDelayIndex), std::string("2500"));
        w.Type(Subnet::PollDelayIndex, QStringLiteral("7"));
        QCOMPARE(w.Value(Subnet::PollDelayIndex), std::string("0"));
        QCOMPARE(w.Sub().GetItem(Subnet::PollDelayIndex)->GetValue(), std::string("0"));

        // Clicking another cell leaves the editor: its text is committed.
        w.Click(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        QTest::keyClicks(&w.Edit(), QStringLiteral("450"));
        w.Click(Subnet::ScanRatioIndex, ParamGrid::NameColumn);
        QVERIFY(!w.Edit().isVisible());
        QCOMPARE(w.Sub().GetItem(Subnet::ResponseTimeoutIndex)->GetValue(), std::string("450"));
        QCOMPARE(w.Value(Subnet::ResponseTimeoutIndex), std::string("450"));

        // Escape drops the typed text.
        w.Click(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        QTest::keyClicks(&w.Edit(), QStringLiteral("999"));
        QTest::keyClick(&w.Edit(), Qt::Key_Escape);
        QVERIFY(!w.Edit().isVisible());
        QCOMPARE(w.Sub().GetItem(Subnet::ResponseTimeoutIndex)->GetValue(), std::string("450"));
        QVERIFY(messages.messages.empty());
    }

    void KeysOpenTheEditorAndStepThroughTheRows() {
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        ParamGrid& grid = w.Grid();
        grid.setFocus();
        QVERIFY(grid.hasFocus());

        // Up and Down move the row and show its help, whatever the column.
        grid.setCurrentCell(Subnet::ParityIndex, ParamGrid::ValueColumn);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(grid.currentRow(), Subnet::ParityIndex + 1);
        QCOMPARE(w.Annotation(), w.Sub().GetItem(Subnet::ParityIndex + 1)->GetHelp());
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(grid.currentRow(), int(Subnet::ParityIndex));
        QCOMPARE(w.Annotation(), w.Sub().GetItem(Subnet::ParityIndex)->GetHelp());
        QVERIFY(!w.Chooser().isVisible());

        // Return opens the list at once, as a click does.
        QTest::keyClick(&grid, Qt::Key_Return);
        QVERIFY(w.Chooser().isVisible());
        QVERIFY(w.Chooser().view()->isVisible());
        w.View().CloseEditor();

        // F2 from the name column opens the text box over the value, all
        // selected; Return in it stores the value and opens nothing again.
        grid.setCurrentCell(Subnet::ResponseTimeoutIndex, ParamGrid::NameColumn);
        QTest::keyClick(&grid, Qt::Key_F2);
        QVERIFY(w.Edit().isVisible());
        QCOMPARE(w.Edit().geometry(), grid.visualItemRect(grid.item(7, 1)));
        QCOMPARE(w.Edit().selectedText(), w.Edit().text());
        QVERIFY(!w.Edit().text().isEmpty());
        QTest::keyClicks(&w.Edit(), QStringLiteral("450"));
        QTest::keyClick(&w.Edit(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!w.Edit().isVisible());
        QCOMPARE(w.Sub().GetItem(Subnet::ResponseTimeoutIndex)->GetValue(), std::string("450"));
        QVERIFY(grid.hasFocus());
        QTest::keyClick(&grid, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(w.Edit().isVisible());
        QTest::keyClick(&w.Edit(), Qt::Key_Escape);

        // A greyed value, a value shown only and an empty row open nothing.
        w.Select(w.FieldbusItem());
        grid.setCurrentCell(Fieldbus::ValidLengthIndex, ParamGrid::ValueColumn);
        QTest::keyClick(&grid, Qt::Key_F2);
        QVERIFY(!w.Edit().isVisible() && !w.Chooser().isVisible());
        grid.setRowCount(grid.rowCount() + 1);
        grid.setCurrentCell(grid.rowCount() - 1, ParamGrid::ValueColumn);
        QTest::keyClick(&grid, Qt::Key_Return);
        QVERIFY(!w.Edit().isVisible() && !w.Chooser().isVisible());
        w.Select(w.AddNode());
        w.Control().AddCommandOfFunctionIndex(2);
        w.Select(w.CommandItem(0));
        grid.setFocus();
        grid.setCurrentCell(Command::FunctionCodeRow, ParamGrid::ValueColumn);
        QTest::keyClick(&grid, Qt::Key_F2);
        QVERIFY(!w.Edit().isVisible() && !w.Chooser().isVisible());
        grid.setCurrentCell(Command::DataNumberRow, ParamGrid::ValueColumn);
        QTest::keyClick(&grid, Qt::Key_F2);
        QVERIFY(w.Edit().isVisible());
    }

    void RefusedValuesKeepTheItemAndTheCell() {
        MessageRecorder messages;
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        const std::string delay = w.Value(Subnet::PollDelayIndex);
        auto said = [&messages](const std::string& part) {
            return !messages.messages.empty() &&
                   messages.messages.back().find(part) != std::string::npos;
        };
        w.Type(Subnet::PollDelayIndex, QStringLiteral("2501"));
        const std::string delayName = w.Sub().GetItem(Subnet::PollDelayIndex)->GetName();
        QCOMPARE(messages.messages,
                 std::vector<std::string>{delayName + ": 2501 is out of range 0-2500"});
        QCOMPARE(messages.warnings, messages.messages); // a warning, not an information
        QCOMPARE(w.Value(Subnet::PollDelayIndex), delay);
        QCOMPARE(w.Sub().GetItem(Subnet::PollDelayIndex)->GetValue(), delay);
        QCOMPARE(w.app.GetModified(), 0);
        // The editor is back with the text typed; Escape gives it up.
        QVERIFY(w.Edit().isVisible());
        QCOMPARE(w.Edit().text(), QStringLiteral("2501"));
        QTest::keyClick(&w.Edit(), Qt::Key_Escape);
        QVERIFY(!w.Edit().isVisible());
        QCOMPARE(w.Value(Subnet::PollDelayIndex), delay);
        w.Type(Subnet::ScanRatioIndex, QStringLiteral("1x"));
        QVERIFY(said("Illegal character in an item (accepted: 1-255)"));
        w.Type(Subnet::ScanRatioIndex, QString());
        QVERIFY2(said("An item is empty"), messages.messages.back().c_str());
        QCOMPARE(w.app.GetModified(), 0);

        // Mapping start address of a read and of a write command.
        w.Select(w.AddNode());
        w.Control().AddCommandOfFunctionIndex(2);  // read holding registers
        w.Control().AddCommandOfFunctionIndex(13); // write multiple registers
        messages.messages.clear();
        w.Select(w.CommandItem(0));
        w.Type(Command::MappingRow, QStringLiteral("a7"));
        QCOMPARE(w.Value(Command::MappingRow), std::string("A7H"));
        w.Type(Command::MappingRow, QStringLiteral("00A8"));
        QCOMPARE(messages.messages.size(), std::size_t(1));
        QVERIFY(said(": 00A8 is out of range 0000H-00A7H"));
        QCOMPARE(w.Value(Command::MappingRow), std::string("A7H"));
        w.Type(Command::MappingRow, QString());
        QCOMPARE(w.Value(Command::MappingRow), std::string("H"));
        w.Select(w.CommandItem(1));
        const std::string mapping = w.Value(Command::MappingRow);
        w.Type(Command::MappingRow, QString());
        QCOMPARE(messages.messages.size(), std::size_t(2));
        QCOMPARE(w.Value(Command::MappingRow), mapping);

        // Data number in ASCII mode: 46 is refused whatever the function.
        w.Select(w.SubnetItem());
        w.Choose(Subnet::CommModeIndex, "ASCII");
        QCOMPARE(w.Sub().GetItem(Subnet::CommModeIndex)->GetValue(), std::string("ASCII"));
        for (int i : {0, 1}) {
            w.Select(w.CommandItem(i));
            w.Type(Command::DataNumberRow, QStringLiteral("46"));
            QVERIFY(said(": 46 is out of range 1-45"));
            w.Type(Command::DataNumberRow, QStringLiteral("45"));
            QCOMPARE(w.Value(Command::DataNumberRow), std::string("45"));
        }
    }

    // A file edited by hand: values the grid would refuse are red with the
    // range in their tip, a row shown only is grey with the reason; the
    // window says how many once, and a corrected value loses its mark.
    void OutOfRangeValuesOfAFileAreMarked() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plant.xml"));
        {
            Project project;
            Subnet& subnet = project.GetSubnet();
            subnet.GetItem(Subnet::ResponseTimeoutIndex)->SetValue("10");
            subnet.GetItem(Subnet::PollDelayIndex)->SetValue("2501");
            subnet.GetItem(Subnet::PulseTimeIndex)->SetEnable(1);
            Command* command = subnet.CreateNode()->CreateCommand(2);
            command->GetItem(Command::DataNumberRow)->SetValue("500");
            QVERIFY(SaveFile(project, path.toStdString()));
        }
        MessageRecorder messages;
        ShownWindow w;
        QVERIFY(w.doc.OnOpenDocument(path));
        QCOMPARE(messages.warnings.size(), std::size_t(1));
        QVERIFY2(messages.warnings[0].find("3 values of this file are outside their range") !=
                     std::string::npos,
                 messages.warnings[0].c_str());

        struct Case {
            bool command;
            int row;
            Rgb background;
            const char* tip; // part of the tip, empty for none
        };
        const Case cases[] = {
            {false, Subnet::ResponseTimeoutIndex, kOutOfRange, "300-6000 is accepted"},
            {false, Subnet::PollDelayIndex, kOutOfRange, "0-2500 is accepted"},
            {false, Subnet::PulseTimeIndex, kGreyCell, "Shown only"},
            {false, Subnet::DataBitsIndex, kGreyCell, "Shown only"},
            {false, Subnet::ScanRatioIndex, kWhiteCell, ""},
            {true, Command::DataNumberRow, kOutOfRange, "1-84 is accepted"},
            {true, Command::BytesNumberRow, kGreyCell, "Shown only"},
            {true, Command::RegisterRow, kWhiteCell, ""},
        };
        for (const Case& c : cases) {
            w.Select(c.command ? w.CommandItem(0) : w.SubnetItem());
            const QString where =
                QStringLiteral("row %1 of the %2").arg(c.row).arg(c.command ? "command" : "subnet");
            QVERIFY2(w.Grid().ValueBackground(c.row) == c.background, qPrintable(where));
            const QString tip = w.Grid().RowToolTip(c.row);
            QVERIFY2(*c.tip ? tip.contains(QLatin1String(c.tip)) : tip.isEmpty(),
                     qPrintable(where + QStringLiteral(": ") + tip));
        }

        // A row shown only opens no editor.
        w.Select(w.SubnetItem());
        w.Click(Subnet::PulseTimeIndex, ParamGrid::ValueColumn);
        QVERIFY(!w.Edit().isVisible() && !w.Chooser().isVisible());
        // Corrected, the value is plain again.
        w.Type(Subnet::PollDelayIndex, QStringLiteral("100"));
        QVERIFY(w.Grid().ValueBackground(Subnet::PollDelayIndex) == kWhiteCell);
        QVERIFY(w.Grid().RowToolTip(Subnet::PollDelayIndex).isEmpty());
        QCOMPARE(messages.warnings.size(), std::size_t(1));
    }

    void ClosingTheEditorLeavesTheGridOnItsRow() {
        // Hiding a focused editor must not move the grid's current cell on
        // to the next row, away from the row whose help is shown.
        MessageRecorder messages;
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        w.Type(Subnet::PollDelayIndex, QStringLiteral("2501"));
        QCOMPARE(messages.messages.size(), std::size_t(1));
        // The refused text comes back in its editor; Escape leaves it.
        QTest::keyClick(&w.Edit(), Qt::Key_Escape);
        QCOMPARE(w.Grid().currentRow(), int(Subnet::PollDelayIndex));
        QCOMPARE(w.Grid().currentColumn(), int(ParamGrid::ValueColumn));
        QVERIFY(w.Grid().hasFocus());

        w.Click(Subnet::ResponseTimeoutIndex, ParamGrid::ValueColumn);
        QTest::keyClick(&w.Edit(), Qt::Key_Escape);
        QCOMPARE(w.Grid().currentRow(), int(Subnet::ResponseTimeoutIndex));
        QCOMPARE(w.Grid().currentColumn(), int(ParamGrid::ValueColumn));
    }

    void SlaveAddressRenamesTheNodeAndItsTreeEntry() {
        MessageRecorder messages;
        ShownWindow w;
        QVERIFY(w.exposed);
        QTreeWidgetItem* node = w.AddNode();
        w.Select(node);
        w.Type(0, QStringLiteral("010"));
        QVERIFY(messages.messages.empty());
        QCOMPARE(w.Value(0), std::string("010"));
        QCOMPARE(w.Sub().GetNodeAt(0)->GetName(), std::string("Node(010)"));
        QCOMPARE(node->text(0), QStringLiteral("Node(010)"));
        w.Type(0, QStringLiteral("248"));
        QVERIFY2(messages.messages.back().find(": 248 is out of range 1-247") != std::string::npos,
                 messages.messages.back().c_str());
        QCOMPARE(node->text(0), QStringLiteral("Node(010)"));
    }

    void ProtocolSwitchRebuildsTreeAndGrid() {
        MessageRecorder messages;
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.AddNode());
        w.Control().AddCommandOfFunctionIndex(2);
        w.Select(w.SubnetItem());
        QCOMPARE(w.Grid().rowCount(), 12);
        w.app.SetModified(0);

        // The protocol in force: only the value is written.
        w.Choose(Subnet::ProtocolIndex, Text(kKeyModbusMaster));
        QCOMPARE(w.Grid().rowCount(), 12);
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QCOMPARE(w.app.GetModified(), 0);

        w.Choose(Subnet::ProtocolIndex, Text(kKeyUniversalMode));
        QCOMPARE(w.Sub().GetProtocolType(), ProtocolType::Universal);
        QCOMPARE(w.Grid().rowCount(), 20);
        QCOMPARE(w.Value(Subnet::ProtocolIndex), Text(kKeyUniversalMode));
        QCOMPARE(w.SubnetItem()->childCount(), 0);
        QCOMPARE(w.Sub().GetNodeCount(), 1); // still in the model
        QCOMPARE(w.View().SelectedItem(), nullptr);
        QCOMPARE(w.View().SelectedKind(), int(TreeEntry::SubnetKind));
        const Fieldbus& fieldbus = w.app.GetProject().GetFieldbus();
        QCOMPARE(fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetEnable(), 1);
        QCOMPARE(fieldbus.GetItem(Fieldbus::ClearOnFaultIndex)->GetEnable(), 0);
        QCOMPARE(w.app.GetModified(), 1);
        QVERIFY(!w.Enabled(CMainFrame::AddNode));
        QVERIFY(!w.Enabled(CMainFrame::AutoMapping));
        QVERIFY(!w.Enabled(CMainFrame::ConflictDetect));
        QVERIFY(w.Enabled(CMainFrame::Upload));
        QVERIFY(w.Enabled(CMainFrame::Download));
        // The grid still edits the subnet after the switch.
        w.Type(Subnet::CharTimeoutIndex, QStringLiteral("9"));
        QCOMPARE(messages.messages.size(), std::size_t(1));
        QVERIFY(messages.messages[0].find(": 9 is out of range 10-60000") != std::string::npos);

        w.Choose(Subnet::ProtocolIndex, Text(kKeyModbusMaster));
        QCOMPARE(w.Grid().rowCount(), 12);
        QCOMPARE(w.SubnetItem()->childCount(), 1);
        QCOMPARE(fieldbus.GetItem(Fieldbus::ValidLengthIndex)->GetEnable(), 0);
        QVERIFY(w.Enabled(CMainFrame::ConflictDetect));
    }

    void ControlModeGreysAndForcesCrcCheck() {
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        w.Choose(Subnet::ProtocolIndex, Text(kKeyUniversalMode));
        w.Choose(Subnet::ControlModeIndex, Text(kKeyDelimiter)); // Delimiter
        QCOMPARE(w.Grid().ValueBackground(Subnet::CharNumberIndex), kGreyCell);
        QCOMPARE(w.Grid().ValueBackground(Subnet::CrcIndex), kGreyCell);
        QCOMPARE(w.Grid().ValueBackground(Subnet::StartDelimiterIndex), kWhiteCell);
        QCOMPARE(w.Grid().ValueBackground(Subnet::EndDelimiterIndex), kWhiteCell);
        QCOMPARE(w.Value(Subnet::CrcIndex), Text(kKeyClose));
        QCOMPARE(w.Sub().GetItem(Subnet::CrcIndex)->GetValue(), Text(kKeyClose));
        // A greyed cell opens nothing.
        w.Click(Subnet::CrcIndex, ParamGrid::ValueColumn);
        QVERIFY(!w.Chooser().isVisible());

        w.Choose(Subnet::ControlModeIndex, Text(kKeyCharacterTimeout)); // Character timeout
        QCOMPARE(w.Grid().ValueBackground(Subnet::CrcIndex), kWhiteCell);
        QCOMPARE(w.Grid().ValueBackground(Subnet::StartDelimiterIndex), kGreyCell);
        QCOMPARE(w.Value(Subnet::CrcIndex), Text(kKeyClose));

        w.Choose(Subnet::SendAutoIndex, Text(kKeyOpen)); // Open
        QCOMPARE(w.Grid().ValueBackground(Subnet::SendAutoPeriodIndex), kWhiteCell);
        w.Choose(Subnet::SendAutoIndex, Text(kKeyClose)); // Close
        QCOMPARE(w.Grid().ValueBackground(Subnet::SendAutoPeriodIndex), kGreyCell);
    }

    void ListClosedWithoutAChoiceShowsTheValueAgain() {
        ShownWindow w;
        QVERIFY(w.exposed);
        w.Select(w.SubnetItem());
        const std::string parity = w.Value(Subnet::ParityIndex);
        w.Click(Subnet::ParityIndex, ParamGrid::ValueColumn);
        QVERIFY(w.Chooser().view()->isVisible());
        QTest::keyClick(w.Chooser().view(), Qt::Key_Escape);
        QTRY_VERIFY(!w.Chooser().view()->isVisible());
        QVERIFY(w.Chooser().isVisible());
        // Leaving it commits nothing.
        w.Click(Subnet::ScanRatioIndex, ParamGrid::NameColumn);
        QVERIFY(!w.Chooser().isVisible());
        QCOMPARE(w.Value(Subnet::ParityIndex), parity);
        QCOMPARE(w.Sub().GetItem(Subnet::ParityIndex)->GetValue(), parity);
        QCOMPARE(w.app.GetModified(), 0);
    }

    void UploadCommandRefreshesTheEditor() {
        sim::GatewaySim gateway;
        QVERIFY(gateway.Start());
        sim::GatewayState state;
        for (int i = 0; i < 4; ++i)
            state.records.push_back(sim::Record{std::uint8_t(i), 3, 3, 0, std::uint8_t(i), 0, 2, 0,
                                                std::uint8_t(i * 4), 0, 0, 0});
        gateway.SetState(state);
        MessageRecorder messages;
        Window w;
        w.Select(w.SubnetItem());
        QVERIFY(w.Grid().rowCount() > 0);
        QVERIFY(w.Enabled(CMainFrame::Upload));
        CUpDownDlg::Port port;
        port.device = QString::fromStdString(gateway.DevicePath());
        port.label = port.key = port.device;
        int shown = 0;
        ViewController::SetTransferDialogHook([&](CUpDownDlg& dialog) {
            ++shown;
            QCOMPARE(dialog.GetMode(), int(CUpDownDlg::UploadMode));
            dialog.SetPaceMs(0);
            dialog.SetPorts({port});
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.StartTransfer(); });
        });
        w.Trigger(CMainFrame::Upload);
        ViewController::SetTransferDialogHook(nullptr);
        QCOMPARE(shown, 1);
        QCOMPARE(messages.messages, std::vector<std::string>{Text(kKeyUploadSuccessfully)});
        QCOMPARE(w.app.GetModified(), 1);
        QVERIFY(w.NodeItem());
        QCOMPARE(w.NodeItem()->childCount(), 4);
        QCOMPARE(ConfigTree::EntryOf(w.NodeItem()).AsNode(),
                 w.app.GetProject().GetSubnet().GetNodeAt(0));
        QCOMPARE(w.Grid().rowCount(), 0);
        QCOMPARE(w.View().SelectedItem(), nullptr);
        QCOMPARE(w.View().SelectedKind(), 0);
        // The new tree works: selecting a command lists its rows.
        w.Select(w.NodeItem()->child(3));
        QCOMPARE(w.Grid().ValueText(Command::MappingRow), QStringLiteral("000CH"));
    }

    void DownloadCommandLeavesTheEditorAlone() {
        sim::GatewaySim gateway;
        QVERIFY(gateway.Start());
        MessageRecorder messages;
        Window w;
        w.Select(w.AddNode());
        w.Control().AddCommandOfFunctionIndex(2);
        Command* command = w.app.GetProject().GetSubnet().GetNodeAt(0)->GetCommandAt(0);
        command->GetItem(Command::RegisterRow)->SetValue("5");
        command->GetItem(Command::DataNumberRow)->SetValue("1");
        command->GetItem(Command::MappingRow)->SetValue("0000H");
        w.app.SetModified(0);
        CUpDownDlg::Port port;
        port.device = QString::fromStdString(gateway.DevicePath());
        port.label = port.key = port.device;
        ViewController::SetTransferDialogHook([&](CUpDownDlg& dialog) {
            QCOMPARE(dialog.GetMode(), int(CUpDownDlg::DownloadMode));
            dialog.SetPaceMs(0);
            dialog.SetPorts({port});
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.StartTransfer(); });
        });
        QTreeWidgetItem* selected = w.Tree().currentItem();
        w.Trigger(CMainFrame::Download);
        ViewController::SetTransferDialogHook(nullptr);
        QCOMPARE(messages.messages, std::vector<std::string>{Text(kKeyDownloadSuccessfully)});
        QCOMPARE(w.app.GetModified(), 0);
        QCOMPARE(w.Tree().currentItem(), selected);
        QCOMPARE(int(gateway.State().records.size()), 1);
    }

    void ConflictDetectOpensTheMapsOfTheConfiguration() {
        Window w;
        w.Select(w.AddNode());
        w.Control().AddCommandOfFunctionIndex(2);
        Command* command = w.app.GetProject().GetSubnet().GetNodeAt(0)->GetCommandAt(0);
        command->GetItem(Command::DataNumberRow)->SetValue("1");
        command->GetItem(Command::MappingRow)->SetValue("0000H");
        QVERIFY(w.Enabled(CMainFrame::ConflictDetect));
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CConflictDlg*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = QStringLiteral("%1 %2")
                       .arg(dialog->InputMarkerCount())
                       .arg(dialog->OutputMarkerCount());
            dialog->reject();
        });
        w.Trigger(CMainFrame::ConflictDetect);
        QCOMPARE(seen, QStringLiteral("16 0"));
    }
};

QTEST_MAIN(GridEditTest)
#include "GridEditTest.moc"
