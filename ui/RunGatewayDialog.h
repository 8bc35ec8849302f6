#pragma once
#include "sim/GatewayRuntime.h"
#include "sim/ModbusSlave.h"
#include "sim/PlcServer.h"
#include "ui/PortBox.h"
#include "ui/WorkerPost.h"

#include <QDialog>
#include <QTimer>

#include <map>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace varkel {

class Project;
class ProbeImageGrid;

// "Run Gateway": the gateway's twin runs the open configuration as its
// Modbus master, on built-in virtual slaves (one a slave address, filled
// with values that show where they came from) or on a chosen port. Shows
// each command's status and counters, the measured cycle beside the
// estimate, the input memory, the output memory as the PLC writes it, the
// virtual slaves' tables (editable) and the writes they receive, and lets a
// PLC program connect over Modbus TCP. Not modal; closing it stops the run
// and releases every port.
class RunGatewayDialog : public QDialog {
    Q_OBJECT
public:
    enum CommandColumn {
        NumberColumn,
        NameColumn,
        StatusColumn,
        RequestsColumn,
        AnsweredColumn,
        TimeoutsColumn,
        ExceptionsColumn,
        LastColumn,
        CommandColumnCount
    };
    enum SlaveColumn { SlaveUnitColumn, TableColumn, AddressColumn, ValueColumn, SlaveColumnCount };
    enum WriteColumn {
        WriteTimeColumn,
        WriteSlaveColumn,
        WriteFunctionColumn,
        WriteAddressColumn,
        WriteValuesColumn,
        WriteColumnCount
    };

    explicit RunGatewayDialog(Project& project, QWidget* parent = nullptr);
    ~RunGatewayDialog() override;

    // Lists the system's ports under these roots, then the virtual slaves
    // (tests give folders of their own).
    void ListSystemPorts(const QString& devRoot, const QString& sysRoot);
    void SelectVirtualSlaves();
    PortBox* PortList() const { return portList_; }

    // Reads the configuration again unless it runs.
    void Refresh();
    // False, with the reason shown, when the run could not start.
    bool Start();
    // Ends the run and releases every port: the line, the virtual slaves
    // and the PLC's Modbus TCP port.
    void Stop();
    bool IsRunning() const { return runtime_.IsRunning(); }
    // Shows the runtime's state now (the timer does it a few times a second).
    void Poll();

    // For tests and screenshots.
    sim::GatewayRuntime& Runtime() { return runtime_; }
    // The virtual slave of a slave address while it runs, or nullptr.
    sim::ModbusSlave* Slave(int unit) const;
    QTableWidget* Commands() const { return commands_; }
    ProbeImageGrid* InputGrid() const { return input_; }
    QTableWidget* OutputGrid() const { return output_; }
    QTableWidget* SlaveTable() const { return slaveTable_; }
    QTableWidget* WriteTable() const { return writes_; }
    QCheckBox* PlcCheck() const { return plcCheck_; }
    QCheckBox* AllowWritesCheck() const { return allowWrites_; }
    QString StateText() const;
    QString CycleText() const;
    QString PlcText() const;
    // The PLC's Modbus TCP port while it is served, else 0.
    int PlcPort() const { return plc_ ? plc_->Port() : 0; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTables();
    void FillSlaveTable();
    void RefreshSlaveTable();
    void OnSlaveEdited(QTableWidgetItem* item);
    void OnOutputEdited(QTableWidgetItem* item);
    void OnWrite(const sim::ReceivedWrite& write);
    void UpdatePlcServer();
    void SetRunning(bool running);
    bool VirtualChosen() const;

    Project& project_;
    sim::RuntimePlan plan_;
    bool planOk_ = false;
    double estimateMs_ = -1;
    sim::GatewayRuntime runtime_;
    std::map<int, std::unique_ptr<sim::ModbusSlave>> slaves_; // by slave address
    std::unique_ptr<sim::PlcServer> plc_;
    WorkerPost* post_ = new WorkerPost(this);
    QTimer poll_;
    bool filling_ = false; // the tables are being filled, not edited

    PortBox* portList_ = nullptr;
    QCheckBox* allowWrites_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QLabel* stateLabel_ = nullptr;
    QLabel* cycleLabel_ = nullptr;
    QCheckBox* plcCheck_ = nullptr;
    QLabel* plcLabel_ = nullptr;
    QTableWidget* commands_ = nullptr;
    ProbeImageGrid* input_ = nullptr;
    QTableWidget* output_ = nullptr;
    QTableWidget* slaveTable_ = nullptr;
    QTableWidget* writes_ = nullptr;
};

} // namespace varkel
