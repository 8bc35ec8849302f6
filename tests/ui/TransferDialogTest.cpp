// The Upload/Download dialog against virtual gateways in this process: the
// outcomes and their messages, the refresh after an upload, the port box
// (typed paths, the remembered port, stable names, adapters coming and
// going), that a running transfer keeps the dialog alive and busy, and that
// Cancel stops it.
#include "MessageRecorder.h"
#include "UiFixture.h"
#include "link/Transport.h"
#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "sim/GatewaySim.h"
#include "ui/CUpDownDlg.h"
#include "ui/PortBox.h"
#include "ui/ProbeDialog.h"
#include "ui/VirtualGateway.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

using namespace varkel;
using test::AddCommand;

namespace {

QString Text(int key) {
    return QString::fromStdString(LocalText(key));
}

// Two read commands and one write command, all valid for a download.
void FillProject(Project& project) {
    AddCommand(project, 2, "0", "2", "0000H");
    AddCommand(project, 3, "100", "1", "0004H");
    AddCommand(project, 13, "200", "4", "4000H");
}

struct Gateway {
    explicit Gateway(sim::Fault fault = {}) {
        sim::SimOptions options;
        options.fault = fault;
        sim = std::make_unique<sim::GatewaySim>(options);
        std::string error;
        started = sim->Start(&error);
    }
    CUpDownDlg::Port Port() const {
        CUpDownDlg::Port port;
        port.device = QString::fromStdString(sim->DevicePath());
        port.label = port.device;
        port.key = port.device;
        return port;
    }
    std::unique_ptr<sim::GatewaySim> sim;
    bool started = false;
};

// A download dialog on the virtual gateway, for a filled configuration.
struct GatewayDownload {
    GatewayDownload() : dialog(project, CUpDownDlg::DownloadMode) {
        FillProject(project); // read when a transfer starts
        dialog.SetPorts({gateway.Port()});
    }
    Gateway gateway;
    MessageRecorder messages;
    Project project;
    CUpDownDlg dialog;
};

// Records each message and whether it came on the interface thread.
class ThreadCheckingSink : public MessageRecorder {
public:
    void Inform(const std::string& text) override {
        onInterfaceThread.push_back(QThread::currentThread() == qApp->thread());
        MessageRecorder::Inform(text);
    }
    std::vector<bool> onInterfaceThread;
};

// Records what the dialog showed while each message was up.
class ShownAtMessage : public MessageRecorder {
public:
    void Inform(const std::string& text) override {
        if (dialog) {
            barFull.push_back(dialog->ProgressBar()->value() == dialog->ProgressBar()->maximum());
            labels.push_back(dialog->ProgressLabel()->text());
        }
        MessageRecorder::Inform(text);
    }
    CUpDownDlg* dialog = nullptr;
    std::vector<bool> barFull;
    QStringList labels;
};

// A port that refuses to open for want of permission.
class NoPermissionPort : public Transport {
public:
    bool Open(const std::string&) override { return false; }
    bool IsOpen() const override { return false; }
    void Close() override {}
    PortOpenError LastOpenError() const override {
        PortOpenError error;
        error.failure = OpenFailure::Permission;
        error.group = "dialout";
        return error;
    }
    std::string LastErrorText() const override { return "open: Permission denied"; }
    long Write(const std::uint8_t*, std::size_t, int) override { return -1; }
    long Read(std::uint8_t*, std::size_t, int, int) override { return -1; }
};

// Runs one transfer through the OK button and waits for its end.
bool RunTransfer(CUpDownDlg& dialog, int timeoutMs = 20000) {
    QSignalSpy finished(&dialog, &CUpDownDlg::TransferFinished);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    return finished.count() > 0 || finished.wait(timeoutMs);
}

} // namespace

class TransferDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
        QVERIFY(stateDir_.isValid());
        // The remembered port lives in settings of this run alone: the test
        // settings folder is shared with any other run at the same time.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, stateDir_.path());
        VirtualGateway::Shared().SetStateFile(stateDir_.filePath(QStringLiteral("state.txt")));
    }

    void cleanupTestCase() { VirtualGateway::Shared().Stop(); }

    void init() { CUpDownDlg::SetLastPortKey(QString()); }

    void CaptionAndButtonFollowTheModeAndLanguage() {
        Project project;
        {
            CUpDownDlg download(project, CUpDownDlg::DownloadMode);
            QCOMPARE(download.windowTitle(), Text(kKeyDownload));
            QCOMPARE(download.OkButton()->text(), Text(kKeyDownload).trimmed());
            CUpDownDlg upload(project, CUpDownDlg::UploadMode);
            QCOMPARE(upload.windowTitle(), QStringLiteral("Upload"));
        }
        SetTextLanguage(TextLanguage::Chinese);
        CUpDownDlg chinese(project, CUpDownDlg::DownloadMode);
        SetTextLanguage(TextLanguage::English);
        QCOMPARE(chinese.windowTitle(), QStringLiteral("下载数据"));
        QCOMPARE(chinese.OkButton()->text(), QStringLiteral("下载数据"));
    }

    void PortListEndsWithTheVirtualGatewayAndRemembersTheLastPort() {
        Project project;
        {
            CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
            const QList<CUpDownDlg::Port> ports = dialog.Ports();
            QVERIFY(!ports.isEmpty());
            QVERIFY(ports.last().isVirtual);
            QCOMPARE(dialog.PortList()->count(), ports.size());
            // Nothing remembered yet: the first entry.
            QCOMPARE(dialog.PortList()->currentIndex(), 0);
        }
        MessageRecorder messages;
        CUpDownDlg::Port a{QStringLiteral("A"), QStringLiteral("/nonexistent/ttyA"),
                           QStringLiteral("/nonexistent/ttyA")};
        CUpDownDlg::Port b{QStringLiteral("B"), QStringLiteral("/nonexistent/ttyB"),
                           QStringLiteral("by-id/usb-B")};
        {
            CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
            dialog.SetPorts({a, b});
            dialog.PortList()->setCurrentIndex(1);
            dialog.show();
            QVERIFY(RunTransfer(dialog));
            // The attempt failed, yet the port is remembered.
            QCOMPARE(dialog.LastResult(), int(PortOpenFailed));
        }
        QCOMPARE(CUpDownDlg::LastPortKey(), QStringLiteral("by-id/usb-B"));
        CUpDownDlg again(project, CUpDownDlg::UploadMode);
        again.SetPorts({a, b});
        QCOMPARE(again.PortList()->currentIndex(), 1);
        again.SetPorts({a});
        QCOMPARE(again.PortList()->currentIndex(), 0);
    }

    void DownloadSucceedsAndLeavesTheConfigurationAlone() {
        Gateway gateway;
        QVERIFY(gateway.started);
        ShownAtMessage messages;
        Project project;
        FillProject(project);
        CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
        messages.dialog = &dialog;
        dialog.SetPaceMs(0);
        dialog.SetPorts({gateway.Port()});
        bool refreshed = false;
        dialog.SetUploadRefresh([&] { refreshed = true; });
        dialog.show();
        QVERIFY(RunTransfer(dialog));

        QCOMPARE(dialog.LastResult(), 0);
        QCOMPARE(messages.messages, std::vector<std::string>{LocalText(kKeyDownloadSuccessfully)});
        // Behind the success message the bar is full and the label tells the
        // outcome, not the last frame as if it were still on its way.
        QCOMPARE(messages.barFull, std::vector<bool>{true});
        QCOMPARE(messages.labels, QStringList{Text(kKeyDownloadSuccessfully)});
        QVERIFY(!refreshed);
        // The gateway keeps the three records, in order.
        const sim::GatewayState state = gateway.sim->State();
        QCOMPARE(int(state.records.size()), 3);
        QCOMPARE(int(state.records[1][2]), 4); // function code of the second
        // Every frame done, and the log shows them in hex with time stamps.
        QVERIFY(dialog.ProgressBar()->maximum() > 3);
        QCOMPARE(dialog.ProgressBar()->value(), dialog.ProgressBar()->maximum());
        QVERIFY(dialog.LogText().contains(QStringLiteral("01 00 01")));
        QVERIFY(dialog.LogText().contains(QRegularExpression(QStringLiteral("\\+0\\.\\d{3} s"))));
        // One attempt per visit: the dialog closed itself with OK.
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(project.GetSubnet().GetNodeAt(0)->GetCommandCount(), 3);
    }

    void UploadReplacesTheConfigurationThenRefreshesThenTells() {
        // What the gateway holds comes from a download of another project.
        Gateway gateway;
        QVERIFY(gateway.started);
        MessageRecorder messages;
        Project source;
        FillProject(source);
        {
            CUpDownDlg down(source, CUpDownDlg::DownloadMode);
            down.SetPaceMs(0);
            down.SetPorts({gateway.Port()});
            QVERIFY(RunTransfer(down));
            QCOMPARE(down.LastResult(), 0);
        }
        messages.messages.clear();

        Project project; // empty: no node
        CUpDownDlg dialog(project, CUpDownDlg::UploadMode);
        dialog.SetPaceMs(0);
        dialog.SetPorts({gateway.Port()});
        std::vector<std::string> seenAtRefresh{"not called"};
        int commandsAtRefresh = -1;
        dialog.SetUploadRefresh([&] {
            seenAtRefresh = messages.messages;
            const Node* node = project.GetSubnet().GetNodeAt(0);
            commandsAtRefresh = node ? node->GetCommandCount() : 0;
        });
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), 0);
        // The editor is refreshed with the new configuration before the
        // success message is shown.
        QVERIFY(seenAtRefresh.empty());
        QCOMPARE(commandsAtRefresh, 3);
        QCOMPARE(messages.messages, std::vector<std::string>{LocalText(kKeyUploadSuccessfully)});
        const Node* node = project.GetSubnet().GetNodeAt(0);
        QVERIFY(node);
        QCOMPARE(node->GetCommandAt(2)->GetItem(Command::MappingRow)->GetValue(),
                 std::string("4000H"));
        QCOMPARE(node->GetCommandAt(1)->GetItem(Command::RegisterRow)->GetValue(),
                 std::string("100"));
    }

    void SilentGatewayEndsWithTheReadFailure() {
        // The download meets silence at its first acknowledged frame; the
        // upload at its last request, after it had read everything else.
        const struct {
            int mode;
            int silentFrom;
        } cases[] = {{CUpDownDlg::DownloadMode, 3}, {CUpDownDlg::UploadMode, 6}};
        MessageRecorder messages;
        for (const auto& c : cases) {
            Gateway gateway(sim::Fault{sim::Fault::Silent, c.silentFrom});
            QVERIFY(gateway.started);
            sim::GatewayState held;
            held.records.assign(5, sim::Record{0, 1, 3, 0, 9, 0, 1, 0, 0x20, 0, 0, 0});
            gateway.sim->SetState(held);
            messages.messages.clear();
            Project project;
            FillProject(project);
            bool refreshed = false;
            CUpDownDlg dialog(project, c.mode);
            dialog.SetPaceMs(0);
            dialog.SetPorts({gateway.Port()});
            dialog.SetUploadRefresh([&] { refreshed = true; });
            QVERIFY(RunTransfer(dialog));
            QCOMPARE(dialog.LastResult(), int(PortIoFailed));
            QCOMPARE(messages.messages, std::vector<std::string>{"Failed to read serial port"});
            QVERIFY(!refreshed);
            // A failed upload leaves the configuration as it was.
            QCOMPARE(project.GetSubnet().GetNodeAt(0)->GetCommandCount(), 3);
            QCOMPARE(project.GetSubnet().GetNodeAt(0)->GetCommandAt(0)->GetItem(1)->GetValue(),
                     std::string("0"));
            QCOMPARE(int(gateway.sim->Requests().size()), c.silentFrom);
            QVERIFY(dialog.LogText().contains(QStringLiteral("read: no reply")));
            QVERIFY(!dialog.isVisible());
        }
    }

    void BusyPortIsReportedWithoutATransfer() {
        Gateway gateway;
        QVERIFY(gateway.started);
        SerialLink other;
        QCOMPARE(other.Open(gateway.sim->DevicePath()), 0);
        MessageRecorder messages;
        Project project;
        FillProject(project);
        CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
        dialog.SetPaceMs(0);
        dialog.SetPorts({gateway.Port()});
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), int(PortOpenFailed));
        QCOMPARE(int(messages.messages.size()), 1);
        const std::string& text = messages.messages[0];
        QVERIFY(text.rfind("Failed to open serial port", 0) == 0);
        QVERIFY(text.find(varkel::Text(Msg::LinkPortBusy, {gateway.sim->DevicePath()})) !=
                std::string::npos);
        QVERIFY(gateway.sim->Requests().empty());
    }

    void PermissionFailureCarriesTheHint() {
        MessageRecorder messages;
        Project project;
        CUpDownDlg dialog(project, CUpDownDlg::UploadMode);
        dialog.SetTransportFactory([] { return std::make_unique<NoPermissionPort>(); });
        dialog.SetPorts({{QStringLiteral("ttyUSB0"), QStringLiteral("/dev/null"),
                          QStringLiteral("/dev/null")}});
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), int(PortOpenFailed));
        QCOMPARE(int(messages.messages.size()), 1);
        QVERIFY(messages.messages[0].rfind("Failed to open serial port\n", 0) == 0);
        QVERIFY(
            QString::fromStdString(messages.messages[0]).contains(QStringLiteral("permission")));
    }

    void MessagesOfTheTransferItselfComeFirstOnTheInterfaceThread() {
        Gateway gateway;
        QVERIFY(gateway.started);
        ThreadCheckingSink messages;
        Project project;
        project.GetSubnet().CreateNode()->CreateCommand(2); // register left empty
        CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
        dialog.SetPaceMs(0);
        dialog.SetPorts({gateway.Port()});
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), int(ItemEmpty));
        QCOMPARE(int(messages.messages.size()), 2);
        QVERIFY(messages.messages[0] != messages.messages[1]);
        QCOMPARE(messages.messages[1], std::string("An item is empty"));
        QCOMPARE(messages.onInterfaceThread, (std::vector<bool>{true, true}));
        // Refused before anything was sent.
        QVERIFY(gateway.sim->Requests().empty());
    }

    void UploadOfValuesTheEditorRefusesListsThemInOneMessage() {
        Gateway gateway;
        QVERIFY(gateway.started);
        sim::GatewayState state;
        state.serial[1] = 0xC8; // a baud code no choice names
        state.serial[7] = 0x00; // response timeout 0
        state.serial[8] = 0x00;
        gateway.sim->SetState(state);
        MessageRecorder messages;
        Project project;
        CUpDownDlg dialog(project, CUpDownDlg::UploadMode);
        dialog.SetPaceMs(0);
        dialog.SetPorts({gateway.Port()});
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), 0);
        QCOMPARE(int(messages.messages.size()), 2);
        QCOMPARE(messages.messages[0], LocalText(kKeyUploadSuccessfully));
        const QString list = QString::fromStdString(messages.messages[1]);
        QVERIFY(list.contains(QStringLiteral("\"200\"")));
        QVERIFY(list.contains(QStringLiteral("300-6000")));
        QCOMPARE(project.GetSubnet().GetItem(Subnet::BaudRateIndex)->GetValue(),
                 std::string("200"));
    }

    void RunningTransferCannotBeStartedAgain() {
        GatewayDownload download;
        QVERIFY(download.gateway.started);
        CUpDownDlg& dialog = download.dialog;
        Gateway& gateway = download.gateway;
        dialog.SetPaceMs(60); // slow enough to watch
        dialog.show();
        QSignalSpy finished(&dialog, &CUpDownDlg::TransferFinished);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(dialog.IsBusy());
        QVERIFY(!dialog.OkButton()->isEnabled());
        QVERIFY(!dialog.PortList()->isEnabled());
        // Cancel is the one way out while it runs (see the cancel test).
        QVERIFY(dialog.CancelButton()->isEnabled());
        // The interface keeps running: the progress moves while it is busy.
        QTRY_VERIFY_WITH_TIMEOUT(dialog.ProgressBar()->value() >= 2 && dialog.IsBusy(), 10000);
        QVERIFY(dialog.ProgressLabel()->text().contains(QStringLiteral(" of ")));
        dialog.StartTransfer();
        QVERIFY(dialog.isVisible());
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog.LastResult(), 0);
        // One version query pair: the second start did nothing.
        int versionQueries = 0;
        for (const auto& request : gateway.sim->Requests())
            versionQueries += request[0] == 0x01;
        QCOMPARE(versionQueries, 2);
        QCOMPARE(download.messages.messages,
                 std::vector<std::string>{LocalText(kKeyDownloadSuccessfully)});
    }

    // Cancel, Escape and closing the window stop a running transfer: the
    // frames stop, the port is given back, an upload changes nothing and a
    // download says how much the gateway kept. A silent frame holds each
    // transfer still where the cancel is to come.
    void CancelStopsTheTransferAndSaysHow() {
        enum Trigger { CancelButton, Escape, CloseWindow };
        const struct {
            int mode;
            int silentFrom;
            Trigger trigger;
            std::string text;
        } cases[] = {
            {CUpDownDlg::DownloadMode, 4, CancelButton,
             "Download cancelled by the user: the gateway acknowledged 1 of the download's frames "
             "and keeps what it acknowledged, so it holds part of this configuration; download "
             "again to complete it."},
            {CUpDownDlg::UploadMode, 5, Escape,
             "Upload cancelled by the user; nothing was changed."},
            {CUpDownDlg::DownloadMode, 1, CloseWindow,
             "Download cancelled by the user; the gateway took none of the configuration."},
        };
        MessageRecorder messages;
        for (const auto& c : cases) {
            Gateway gateway(sim::Fault{sim::Fault::Silent, c.silentFrom});
            QVERIFY(gateway.started);
            messages.messages.clear();
            Project project;
            FillProject(project);
            const std::string register1 =
                project.GetSubnet().GetNodeAt(0)->GetCommandAt(1)->GetItem(1)->GetValue();
            bool refreshed = false;
            CUpDownDlg dialog(project, c.mode);
            dialog.SetPaceMs(0);
            dialog.SetPorts({gateway.Port()});
            dialog.SetUploadRefresh([&] { refreshed = true; });
            dialog.show();
            QSignalSpy finished(&dialog, &CUpDownDlg::TransferFinished);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(int(gateway.sim->Requests().size()), c.silentFrom, 10000);
            QVERIFY(dialog.IsBusy());
            QVERIFY(dialog.CancelButton()->isEnabled());
            if (c.trigger == CancelButton)
                QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
            else if (c.trigger == Escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QVERIFY(!dialog.close()); // not while it runs; it is cancelled
            // Woken at once, not after the reply's time-out of seconds.
            QVERIFY(finished.wait(1500));
            QCOMPARE(dialog.LastResult(), int(UserCancelled));
            QCOMPARE(messages.messages, std::vector<std::string>{c.text});
            QVERIFY(dialog.LogText().contains(QStringLiteral("cancelled by the user")));
            QVERIFY(!refreshed);
            QCOMPARE(project.GetSubnet().GetNodeAt(0)->GetCommandCount(), 3);
            QCOMPARE(project.GetSubnet().GetNodeAt(0)->GetCommandAt(1)->GetItem(1)->GetValue(),
                     register1);
            // The dialog closed as cancelled, and no frame follows.
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QTest::qWait(200);
            QCOMPARE(int(gateway.sim->Requests().size()), c.silentFrom);
            SerialLink again;
            QCOMPARE(again.Open(gateway.sim->DevicePath()), 0);
        }
    }

    void ExpandedLogKeepsTheDialogOpenAfterwards() {
        MessageRecorder messages;
        Project project;
        CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
        dialog.SetPorts({{QStringLiteral("X"), QStringLiteral("/nonexistent/ttyX"),
                          QStringLiteral("/nonexistent/ttyX")}});
        dialog.show();
        dialog.SetLogExpanded(true);
        QVERIFY(RunTransfer(dialog));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.OkButton()->isEnabled());
        QVERIFY(dialog.LogText().contains(QStringLiteral("/nonexistent/ttyX")));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void DialogStaysCentredAndShowsNoCountForAPortNotOpened() {
        MessageRecorder messages;
        Project project;
        CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
        dialog.SetPorts({{QStringLiteral("X"), QStringLiteral("/nonexistent/ttyX"),
                          QStringLiteral("/nonexistent/ttyX")}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Nothing counted yet: no empty bar that looks like a text field.
        QVERIFY(!dialog.ProgressBar()->isVisible());
        const QPoint centre = dialog.geometry().center();
        const QSize closed = dialog.size();
        dialog.SetLogExpanded(true);
        QVERIFY(dialog.height() > closed.height());
        // The window system places it; then it is about the same centre.
        QTRY_VERIFY((dialog.geometry().center() - centre).manhattanLength() <= 2);
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), int(PortOpenFailed));
        // A port that did not open has no frames to count: no "0 / 1".
        QVERIFY(!dialog.ProgressBar()->isVisible());
        dialog.SetLogExpanded(false);
        QTRY_COMPARE(dialog.height(), dialog.sizeHint().height());
        QTRY_VERIFY((dialog.geometry().center() - centre).manhattanLength() <= 2);
    }

    void DialogMovedDuringATransferStaysWhereItWasPut() {
        GatewayDownload download;
        QVERIFY(download.gateway.started);
        CUpDownDlg& dialog = download.dialog;
        dialog.SetLogExpanded(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &CUpDownDlg::TransferFinished);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        // Paced, the download takes long enough to be moved while it runs.
        QVERIFY(!dialog.OkButton()->isEnabled());
        dialog.move(dialog.pos() + QPoint(120, 70));
        QTRY_VERIFY(dialog.geometry().topLeft() != QPoint());
        const QPoint centre = dialog.geometry().center();
        QVERIFY(finished.wait(20000));
        QCOMPARE(dialog.LastResult(), 0);
        QTRY_VERIFY((dialog.geometry().center() - centre).manhattanLength() <= 2);
    }

    void VirtualGatewayTakesADownloadAndGivesItBack() {
        MessageRecorder messages;
        Project source;
        FillProject(source);
        source.GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("7");
        {
            CUpDownDlg dialog(source, CUpDownDlg::DownloadMode);
            dialog.SetPaceMs(0);
            dialog.SetPorts({CUpDownDlg::VirtualPort()});
            QVERIFY(RunTransfer(dialog));
            QCOMPARE(dialog.LastResult(), 0);
            // The log names what the user chose, not its pseudo-terminal.
            QVERIFY(dialog.LogText().contains(
                QStringLiteral("Download on the built-in virtual gateway")));
            QVERIFY(!dialog.LogText().contains(QStringLiteral("/dev/pts")));
        }
        QVERIFY(VirtualGateway::Shared().IsRunning());
        QCOMPARE(CUpDownDlg::LastPortKey(), QStringLiteral("virtual"));
        Project copy;
        CUpDownDlg dialog(copy, CUpDownDlg::UploadMode);
        dialog.SetPaceMs(0);
        // Preselected from the last transfer, among the system's ports.
        QVERIFY(dialog.Ports().at(dialog.PortList()->currentIndex()).isVirtual);
        QVERIFY(RunTransfer(dialog));
        QCOMPARE(dialog.LastResult(), 0);
        QCOMPARE(messages.messages, (std::vector<std::string>{LocalText(kKeyDownloadSuccessfully),
                                                              LocalText(kKeyUploadSuccessfully)}));
        const Node* node = copy.GetSubnet().GetNodeAt(0);
        QVERIFY(node);
        QCOMPARE(node->GetCommandCount(), 3);
        QCOMPARE(node->GetItem(0)->GetValue(), std::string("7"));
        // The gateway keeps its memory in its file for the next run.
        QTRY_VERIFY(QFileInfo::exists(VirtualGateway::Shared().StateFile()));
    }

    // A path typed or pasted into the port box is opened when OK is
    // pressed: one that opens is used and kept as the last port, offered
    // again even though no folder lists it; one that does not is refused
    // with the reason, and the dialog stays so that it can be corrected.
    void TypedPathIsCheckedAtOkAndKeptAsTheLastPort() {
        Gateway gateway;
        QVERIFY(gateway.started);
        QTemporaryDir roots;
        QVERIFY(QDir(roots.path()).mkpath(QStringLiteral("dev")));
        const QString dev = roots.filePath(QStringLiteral("dev"));
        const QString sys = roots.filePath(QStringLiteral("sys"));
        const QString path = QString::fromStdString(gateway.sim->DevicePath());
        MessageRecorder messages;
        Project project;
        FillProject(project);
        {
            CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
            dialog.SetPaceMs(0);
            dialog.ListSystemPorts(dev, sys);
            dialog.show();
            dialog.PortList()->lineEdit()->clear();
            QTest::keyClicks(dialog.PortList()->lineEdit(), path);
            QVERIFY(dialog.PortList()->IsTyped());
            // Return in the box is OK, once.
            QSignalSpy finished(&dialog, &CUpDownDlg::TransferFinished);
            QTest::keyClick(dialog.PortList()->lineEdit(), Qt::Key_Return);
            QVERIFY(finished.count() > 0 || finished.wait(20000));
            QTest::qWait(100);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(dialog.LastResult(), 0);
            QCOMPARE(messages.messages,
                     std::vector<std::string>{LocalText(kKeyDownloadSuccessfully)});
        }
        QCOMPARE(CUpDownDlg::LastPortKey(), path);
        const std::size_t sent = gateway.sim->Requests().size();

        const QString file = roots.filePath(QStringLiteral("plain.txt"));
        QFile(file).open(QIODevice::WriteOnly);
        const struct {
            QString typed;
            std::string reason; // besides "Failed to open serial port"
        } refused[] = {
            {QStringLiteral("/nonexistent/ttyQ"),
             varkel::Text(Msg::LinkPortMissing, {"/nonexistent/ttyQ"})},
            {file, file.toStdString() + " is not a serial port: it is a regular file."},
            {QString(), ""},
        };
        for (const auto& r : refused) {
            messages.messages.clear();
            CUpDownDlg dialog(project, CUpDownDlg::UploadMode);
            dialog.ListSystemPorts(dev, sys);
            // The last port is offered though no folder lists it.
            QCOMPARE(dialog.PortList()->currentText(), path);
            QVERIFY(!dialog.PortList()->IsTyped());
            QCOMPARE(dialog.PortList()->Current().device, path);
            dialog.show();
            dialog.PortList()->setEditText(r.typed);
            QVERIFY(RunTransfer(dialog));
            QCOMPARE(dialog.LastResult(), int(PortOpenFailed));
            QCOMPARE(int(messages.messages.size()), 1);
            QVERIFY(messages.messages[0].rfind("Failed to open serial port", 0) == 0);
            QVERIFY2(messages.messages[0].find(r.reason) != std::string::npos,
                     messages.messages[0].c_str());
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.OkButton()->isEnabled());
            QCOMPARE(dialog.PortList()->currentText(), r.typed);
            QCOMPARE(dialog.ProgressLabel()->text().toStdString(), messages.messages[0]);
        }
        // A path that did not open is not remembered.
        QCOMPARE(CUpDownDlg::LastPortKey(), path);
        QCOMPARE(gateway.sim->Requests().size(), sent);
    }

    // USB adapters are listed by their stable names with what they say they
    // are; the list follows an adapter plugged in or out while the dialog
    // is open, keeping the user's choice and anything typed.
    void PortListShowsStableNamesAndFollowsAdapters() {
        QTemporaryDir roots;
        const QDir root(roots.path());
        QVERIFY(root.mkpath(QStringLiteral("dev/serial/by-id")));
        QVERIFY(root.mkpath(QStringLiteral("sys/devices/usb1/1-1/1-1:1.0")));
        QVERIFY(root.mkpath(QStringLiteral("sys/ttyUSB0")));
        const QString dev = root.filePath(QStringLiteral("dev"));
        const QString byId = dev + QStringLiteral("/serial/by-id/");
        const auto plug = [&](const QString& name, const QString& id) {
            QFile(dev + QLatin1Char('/') + name).open(QIODevice::WriteOnly);
            QFile::link(QStringLiteral("../../") + name, byId + id);
        };
        {
            QFile product(root.filePath(QStringLiteral("sys/devices/usb1/1-1/product")));
            QVERIFY(product.open(QIODevice::WriteOnly));
            product.write("FT232R USB UART\n");
        }
        QVERIFY(QFile::link(root.filePath(QStringLiteral("sys/devices/usb1/1-1/1-1:1.0")),
                            root.filePath(QStringLiteral("sys/ttyUSB0/device"))));
        const QString first = QStringLiteral("usb-FTDI_FT232R_USB_UART_A1-if00-port0");
        plug(QStringLiteral("ttyUSB0"), first);

        Project project;
        CUpDownDlg dialog(project, CUpDownDlg::DownloadMode);
        dialog.ListSystemPorts(dev, root.filePath(QStringLiteral("sys")));
        QList<CUpDownDlg::Port> ports = dialog.Ports();
        QCOMPARE(ports.size(), 2);
        QCOMPARE(ports[0].label, QStringLiteral("ttyUSB0 \u2014 FT232R USB UART (%1)").arg(first));
        QCOMPARE(ports[0].device, byId + first);
        QCOMPARE(ports[0].key, QStringLiteral("by-id/") + first);
        QCOMPARE(ports[0].name, QStringLiteral("ttyUSB0"));
        QVERIFY(ports[1].isVirtual);
        // The Test Commands dialog lists the same.
        ProbeDialog probe(project);
        probe.ListSystemPorts(dev, root.filePath(QStringLiteral("sys")));
        QCOMPARE(probe.PortList()->itemText(0), ports[0].label);

        QSignalSpy refreshed(dialog.PortList(), &PortBox::PortsRefreshed);
        plug(QStringLiteral("ttyUSB1"), QStringLiteral("usb-Acme_Cable_7-if00-port0"));
        QVERIFY(refreshed.wait(5000));
        ports = dialog.Ports();
        QCOMPARE(ports.size(), 3);
        QCOMPARE(ports[1].label,
                 QStringLiteral("ttyUSB1 \u2014 Acme Cable 7 (usb-Acme_Cable_7-if00-port0)"));
        QCOMPARE(dialog.PortList()->currentIndex(), 0); // the choice stays
        // VARKEL_SCREENSHOTS=folder: a picture of the open list.
        if (const QByteArray folder = qgetenv("VARKEL_SCREENSHOTS"); !folder.isEmpty()) {
            dialog.show();
            dialog.PortList()->showPopup();
            QTest::qWait(200);
            dialog.PortList()->view()->window()->grab().save(QString::fromLocal8Bit(folder) +
                                                             QStringLiteral("/port_list.png"));
            dialog.PortList()->hidePopup();
        }

        dialog.PortList()->setEditText(QStringLiteral("/tmp/typed"));
        QVERIFY(QFile::remove(byId + first));
        QVERIFY(QFile::remove(dev + QStringLiteral("/ttyUSB0")));
        QVERIFY(refreshed.wait(5000));
        ports = dialog.Ports();
        QCOMPARE(ports.size(), 2);
        QCOMPARE(ports[0].name, QStringLiteral("ttyUSB1"));
        QCOMPARE(dialog.PortList()->currentText(), QStringLiteral("/tmp/typed"));
        QCOMPARE(dialog.PortList()->Current().device, QStringLiteral("/tmp/typed"));
    }

private:
    QTemporaryDir stateDir_;
};

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
