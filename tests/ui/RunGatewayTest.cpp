// The Run Gateway dialog on its built-in virtual slaves: a read's data
// arrive in the input memory, a slave's changed register follows, an output
// byte typed as the PLC would write it reaches its slave, and stopping
// releases every port. Universal mode is not run. VARKEL_SCREENSHOTS=folder
// also saves a picture of the dialog for the manual.
#include "UiFixture.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/Subnet.h"
#include "ui/ProbeImageGrid.h"
#include "ui/RunGatewayDialog.h"
#include "ui/Startup.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace varkel;

namespace {

Command* Add(Node* node, int code, const char* start, const char* count, const char* mapping) {
    Command* command = node->CreateCommand(FunctionIndexOfCode(code));
    command->GetItem(Command::RegisterRow)->SetValue(start);
    command->GetItem(Command::DataNumberRow)->SetValue(count);
    command->GetItem(Command::MappingRow)->SetValue(mapping);
    return command;
}

// Slave 3: registers 10 and 11 read into input bytes 0 to 3, registers 20
// and 21 written from output bytes 0 to 3.
void FillProject(Project& project) {
    Subnet& subnet = project.GetSubnet();
    subnet.GetItem(Subnet::PollDelayIndex)->SetValue("10");
    Node* node = subnet.CreateNode();
    node->GetItem(0)->SetValue("3");
    Add(node, 3, "10", "2", "0000H");
    Add(node, 16, "20", "2", "4000H");
}

void Shoot(QWidget& widget, const char* name) {
    const QByteArray folder = qgetenv("VARKEL_SCREENSHOTS");
    if (!folder.isEmpty())
        widget.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

// Whether something listens on the loopback port.
bool Listening(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

int SlaveRow(QTableWidget* table, int unit, int address) {
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, RunGatewayDialog::SlaveUnitColumn)->text().toInt() == unit &&
            table->item(row, RunGatewayDialog::AddressColumn)->text().toInt() == address)
            return row;
    return -1;
}

} // namespace

class RunGatewayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The window's texts and the core's, in the language of the picture.
        ApplyLanguage(*qApp, qgetenv("VARKEL_SCREENSHOT_LANG") == "zh" ? QStringLiteral("zh")
                                                                       : QStringLiteral("en"));
    }

    void RunsOnTheVirtualSlaves() {
        Project project;
        FillProject(project);
        RunGatewayDialog dialog(project);
        dialog.SelectVirtualSlaves();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.Commands()->rowCount(), 2);
        QVERIFY2(dialog.Start(), qPrintable(dialog.StateText()));
        QVERIFY(dialog.IsRunning());
        QVERIFY(dialog.Slave(3));
        QVERIFY(!dialog.Slave(1));

        // Slave 3 starts with 3010 and 3011 in registers 10 and 11.
        auto inputIs = [&](std::uint16_t first, std::uint16_t second) {
            const MemoryBytes& bytes = dialog.InputGrid()->Image().Bytes();
            return dialog.InputGrid()->Image().Owner(0) == 0 &&
                   (bytes[0] << 8 | bytes[1]) == first && (bytes[2] << 8 | bytes[3]) == second;
        };
        QVERIFY2(QTest::qWaitFor([&] { return inputIs(3010, 3011); }, 10000),
                 qPrintable(dialog.StateText()));
        QCOMPARE(dialog.Commands()->item(0, RunGatewayDialog::NumberColumn)->text(), "1");
        QVERIFY(dialog.Commands()->item(0, RunGatewayDialog::AnsweredColumn)->text().toInt() > 0);
        QCOMPARE(dialog.Commands()->item(0, RunGatewayDialog::TimeoutsColumn)->text(), "0");

        // A register changed in the slave's table arrives in the input memory.
        const int row = SlaveRow(dialog.SlaveTable(), 3, 11);
        QVERIFY(row >= 0);
        dialog.SlaveTable()->item(row, RunGatewayDialog::ValueColumn)->setText("0x1234");
        QCOMPARE(dialog.Slave(3)->HoldingRegister(11), 0x1234);
        QVERIFY(QTest::qWaitFor([&] { return inputIs(3010, 0x1234); }, 10000));
        // A value the table cannot hold is refused and the slave's shown again.
        dialog.SlaveTable()->item(row, RunGatewayDialog::ValueColumn)->setText("70000");
        QCOMPARE(dialog.Slave(3)->HoldingRegister(11), 0x1234);

        // An output byte typed as the PLC writes it reaches the slave.
        dialog.OutputGrid()->item(0, 3)->setText("2a");
        QCOMPARE(dialog.Runtime().Output()[3], 0x2A);
        QCOMPARE(dialog.OutputGrid()->item(0, 3)->text(), "2A");
        dialog.OutputGrid()->item(0, 2)->setText("zz");
        QCOMPARE(dialog.OutputGrid()->item(0, 2)->text(), "00");
        auto arrived = [&] {
            for (const sim::ReceivedWrite& w : dialog.Slave(3)->Writes())
                if (w.unit == 3 && w.function == 16 && w.address == 20 &&
                    w.values == std::vector<std::uint16_t>{0, 0x2A})
                    return true;
            return false;
        };
        QVERIFY(QTest::qWaitFor(arrived, 10000));
        QCOMPARE(dialog.Slave(3)->HoldingRegister(21), 0x2A);
        // The window lists it too (newest first).
        QVERIFY(QTest::qWaitFor(
            [&] {
                return dialog.WriteTable()->rowCount() > 0 &&
                       dialog.WriteTable()->item(0, RunGatewayDialog::WriteValuesColumn)->text() ==
                           "0 42";
            },
            5000));
        QCOMPARE(dialog.WriteTable()->item(0, RunGatewayDialog::WriteSlaveColumn)->text(), "3");

        dialog.PlcCheck()->setChecked(true);
        const int plcPort = dialog.PlcPort();
        QVERIFY2(plcPort > 0 &&
                     dialog.PlcText().contains(QStringLiteral("127.0.0.1:%1").arg(plcPort)),
                 qPrintable(dialog.PlcText()));
        QVERIFY(Listening(plcPort));
        QVERIFY(QTest::qWaitFor([&] { return dialog.CycleText().contains(" ms"); }, 5000));
        dialog.Poll();
        Shoot(dialog, qgetenv("VARKEL_SCREENSHOT_LANG") == "zh" ? "rungateway_zh.png"
                                                                : "rungateway_en.png");

        // Stop releases the line, the slaves' pseudo-terminals and the PLC's port.
        const QString device = QString::fromStdString(dialog.Slave(3)->DevicePath());
        QVERIFY(QFile::exists(device));
        dialog.Stop();
        QVERIFY(!dialog.IsRunning());
        QVERIFY(!dialog.Slave(3));
        QVERIFY(!QFile::exists(device));
        QCOMPARE(dialog.PlcPort(), 0);
        QVERIFY(!Listening(plcPort));
        // What the run left stays shown.
        QVERIFY(inputIs(3010, 0x1234));
    }

    void UniversalModeDoesNotRun() {
        Project project;
        FillProject(project);
        project.GetSubnet().SetProtocolType(ProtocolType::Universal);
        RunGatewayDialog dialog(project);
        dialog.SelectVirtualSlaves();
        sim::RuntimeSnapshot universal;
        universal.state = sim::RunState::Universal;
        QCOMPARE(dialog.StateText(), QString::fromStdString(sim::RunStateText(universal)));
        QVERIFY(!dialog.Start());
        QVERIFY(!dialog.IsRunning());
        QVERIFY(!dialog.Slave(3));
        const auto buttons = dialog.findChildren<QPushButton*>();
        for (QPushButton* button : buttons)
            if (button->text() == RunGatewayDialog::tr("Start"))
                QVERIFY(!button->isEnabled());
    }
};

QTEST_MAIN(RunGatewayTest)
#include "RunGatewayTest.moc"
