// The status bar summary, the timing dialog and File > Export I/O list.
#include "UiFixture.h"

#include "model/Command.h"
#include "model/CycleEstimate.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/ConfigTree.h"
#include "ui/StatusSummary.h"
#include "ui/TimingCommands.h"
#include "ui/TimingDialog.h"
#include "ui/UiText.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace varkel;
using namespace varkel::test;

namespace {

Command* AddCommand(Project& project, int functionIndex, const char* count, const char* mapping) {
    Subnet& subnet = project.GetSubnet();
    Node* node = subnet.GetNodeAt(0) ? subnet.GetNodeAt(0) : subnet.CreateNode();
    Command* command = node->CreateCommand(functionIndex);
    command->GetItem(Command::RegisterRow)->SetValue("0");
    if (command->GetItem(Command::DataNumberRow)->GetEnable() == 1)
        command->GetItem(Command::DataNumberRow)->SetValue(count);
    command->GetItem(Command::MappingRow)->SetValue(mapping);
    return command;
}

TimingCommands* Commands(Window& w) {
    return w.frame.findChild<TimingCommands*>();
}

} // namespace

class TimingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetTextLanguage(TextLanguage::English); }
    void cleanup() { SetTextLanguage(TextLanguage::Chinese); }

    void StatusBarFollowsEdits() {
        MessageRecorder quiet;
        Window w;
        TimingCommands* commands = Commands(w);
        QVERIFY(commands);
        StatusSummary* summary = commands->Summary();
        QCOMPARE(summary->CommandsLabel()->text(), QStringLiteral("Commands 0/48"));
        QCOMPARE(summary->InputLabel()->text(), QStringLiteral("Input 0/168 bytes"));

        // Every change goes through the undo history, which tells the summary at
        // once: no waiting, no event loop.
        Project& project = w.app.GetProject();
        auto change = [&](auto edit) {
            w.frame.History()->Record(QStringLiteral("edit"), [&] {
                edit();
                return true;
            });
        };
        change([&] { AddCommand(project, 2, "5", "0000H"); }); // 03: 10 input bytes
        QCOMPARE(summary->CommandsLabel()->text(), QStringLiteral("Commands 1/48"));
        change([&] {
            AddCommand(project, 0, "9", "000AH");  // 01: 2 input bytes
            AddCommand(project, 13, "3", "4010H"); // 16: 6 output bytes
        });
        QCOMPARE(summary->CommandsLabel()->text(), QStringLiteral("Commands 3/48"));
        QCOMPARE(summary->InputLabel()->text(), QStringLiteral("Input 12/168 bytes"));
        QCOMPARE(summary->OutputLabel()->text(), QStringLiteral("Output 6/168 bytes"));
        const CycleEstimate e = EstimateCycle(project.GetSubnet());
        QVERIFY(summary->CycleLabel()->text().contains(
            QString::fromStdString(FormatMs(e.quickCycleMs))));
        QVERIFY(summary->CycleLabel()->styleSheet().isEmpty());
        QVERIFY(w.frame.statusBar()->isVisible() || !w.frame.isVisible());

        // A value committed in the grid: the cycle shown is the new one.
        w.frame.RebuildTree();
        QTreeWidgetItem* first = w.NodeItem() ? w.NodeItem()->child(0) : nullptr;
        QVERIFY(first);
        w.Enter(first, Command::DataNumberRow, "40");
        const CycleEstimate longer = EstimateCycle(project.GetSubnet());
        QVERIFY(longer.quickCycleMs > e.quickCycleMs);
        QVERIFY(summary->CycleLabel()->text().contains(
            QString::fromStdString(FormatMs(longer.quickCycleMs))));
        // 80 bytes from 0000H now cover the coils' two bytes at 000AH.
        QCOMPARE(summary->InputLabel()->text(),
                 QStringLiteral("Input 80/168 bytes, bits in conflict"));

        // Undo, and a new configuration, show at once too.
        w.frame.History()->Stack()->undo();
        QCOMPARE(summary->InputLabel()->text(), QStringLiteral("Input 12/168 bytes"));
        w.doc.OnNewDocument();
        QCOMPARE(summary->CommandsLabel()->text(), QStringLiteral("Commands 0/48"));

        // Past the end of the memory and a baud rate too slow for the reply.
        change([&] {
            AddCommand(project, 2, "84", "00A0H");
            project.GetSubnet().GetItem(Subnet::BaudRateIndex)->SetValue("300");
        });
        QVERIFY(!summary->InputLabel()->styleSheet().isEmpty());
        QVERIFY(!summary->CycleLabel()->styleSheet().isEmpty());
        QVERIFY(summary->CycleLabel()->toolTip().contains(QStringLiteral("response timeout")));
    }

    // The memory figures by the model's own marking: the bytes in use, or
    // past the end the bytes needed with the excess; shared bits named.
    void StatusBarMemoryFigures_data() {
        QTest::addColumn<QStringList>("commands"); // function index:count:mapping
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("inputRed");
        QTest::addColumn<QString>("inputTip");
        QTest::newRow("fits") << QStringList{"2:10:0000H"} << "Input 20/168 bytes"
                              << "Output 0/168 bytes" << false << QString();
        QTest::newRow("ten registers at A7H")
            << QStringList{"2:10:00A7H"} << "Input 187/168 bytes, 19 over"
            << "Output 0/168 bytes" << true << "need 187 bytes of input memory: 19 bytes beyond";
        QTest::newRow("output past the end")
            << QStringList{"13:3:40A6H"} << "Input 0/168 bytes"
            << "Output 172/168 bytes, 4 over" << false << QString();
        QTest::newRow("four overlapping")
            << QStringList{"2:4:0000H", "2:4:0002H", "2:4:0004H", "0:16:0006H"}
            << "Input 12/168 bytes, bits in conflict"
            << "Output 0/168 bytes" << true << "share bits in 8 bytes of the input memory";
        QTest::newRow("over and overlapping")
            << QStringList{"2:2:00A6H", "2:1:00A7H"}
            << "Input 170/168 bytes, 2 over, bits in conflict"
            << "Output 0/168 bytes" << true << "share bits in 1 bytes";
    }
    void StatusBarMemoryFigures() {
        QFETCH(QStringList, commands);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(bool, inputRed);
        QFETCH(QString, inputTip);
        MessageRecorder quiet;
        Window w;
        StatusSummary* summary = Commands(w)->Summary();
        w.frame.History()->Record(QStringLiteral("edit"), [&] {
            for (const QString& spec : commands) {
                const QStringList part = spec.split(QLatin1Char(':'));
                AddCommand(w.app.GetProject(), part[0].toInt(), qPrintable(part[1]),
                           qPrintable(part[2]));
            }
            return true;
        });
        QCOMPARE(summary->InputLabel()->text(), input);
        QCOMPARE(summary->OutputLabel()->text(), output);
        QCOMPARE(!summary->InputLabel()->styleSheet().isEmpty(), inputRed);
        QCOMPARE(!summary->OutputLabel()->styleSheet().isEmpty(), output.contains("over"));
        if (inputTip.isEmpty())
            QVERIFY(summary->InputLabel()->toolTip().isEmpty());
        else
            QVERIFY2(summary->InputLabel()->toolTip().contains(inputTip),
                     qPrintable(summary->InputLabel()->toolTip()));
    }

    void TimingDialogListsEveryCommand() {
        Project project;
        AddCommand(project, 2, "10", "0000H");
        Command* slow = AddCommand(project, 12, "8", "4000H");
        ParamItem* scan = slow->GetItem(Command::ScanningRow);
        scan->SetValue(scan->GetChoices()[1]);
        TimingDialog dialog(project);
        QTableWidget* table = dialog.Table();
        QCOMPARE(table->rowCount(), 2);
        // The turnaround box is as wide as its value, not the dialog.
        dialog.resize(900, 500);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* turnaround = dialog.findChild<QDoubleSpinBox*>();
        QVERIFY(turnaround);
        QCOMPARE(turnaround->width(), turnaround->sizeHint().width());
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("1")); // counted from 1
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("2"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("3"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("8"));
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("25"));
        QCOMPARE(table->item(1, 7)->text(), Local(kKeySlowScan));

        const CycleEstimate before = EstimateCycle(project.GetSubnet());
        QCOMPARE(table->item(0, 6)->text(),
                 QString::fromStdString(FormatMs(before.commands[0].lineMs + 5.0)));
        dialog.Turnaround()->setValue(20.0);
        const CycleEstimate after = EstimateCycle(project.GetSubnet(), 20.0);
        QVERIFY(dialog.Figures()->text().contains(
            QString::fromStdString(FormatMs(after.quickCycleMs))));
        QCOMPARE(table->item(0, 6)->text(),
                 QString::fromStdString(FormatMs(after.commands[0].lineMs + 20.0)));

        project.GetSubnet().SetProtocolType(ProtocolType::Universal);
        dialog.Recompute();
        QCOMPARE(table->rowCount(), 0);
    }

    void ExportIoListWritesTheCsv() {
        MessageRecorder quiet;
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        Window w;
        Command* c = AddCommand(w.app.GetProject(), 2, "2", "0004H");
        c->GetItem(Command::MnemonicRow)->SetValue("Level");
        TimingCommands* commands = Commands(w);
        QVERIFY(w.frame.FileMenu()->actions().contains(commands->ExportIoListAction()));

        const QString path = dir.filePath(QStringLiteral("io.csv"));
        dialogs.saveNames << path;
        commands->ExportIoListAction()->trigger();
        QCOMPARE(dialogs.saveFilters.value(0), QStringLiteral("CSV File(*.csv)"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("\xEF\xBB\xBF"
                            "tag,memory,byte,bit_first,bit_last,slave,function,modbus_address,"
                            "swap,scan\r\n"
                            "Level_0,input,4,0,15,1,3,0,none,quick\r\n"
                            "Level_1,input,6,0,15,1,3,1,none,quick\r\n"));
        // It says where the file went.
        QCOMPARE(quiet.messages.size(), std::size_t(1));
        QVERIFY2(quiet.messages[0].find(QDir::toNativeSeparators(path).toStdString() +
                                        " (2 rows)") != std::string::npos,
                 quiet.messages[0].c_str());
        QVERIFY(quiet.warnings.empty());

        // Cancelled: nothing written, nothing said.
        commands->ExportIoListAction()->trigger();
        QCOMPARE(quiet.messages.size(), std::size_t(1));
    }
};

QTEST_MAIN(TimingTest)
#include "TimingTest.moc"
