#include "ui/RunGatewayDialog.h"

#include "model/CycleEstimate.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "probe/MasterChannel.h"
#include "probe/MemoryImage.h"
#include "probe/ProbePlan.h"
#include "ui/ProbeImageGrid.h"
#include "ui/ProgramIcon.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>
#include <tuple>

namespace varkel {
namespace {

const char* const kLastPortSetting = "run/lastPort";
const char* const kVirtualKey = "virtual";
constexpr int kColumns = 8;
constexpr int kMaxWriteRows = 200;
constexpr int kPollMs = 250;

// The virtual slaves' tables, as the slave table names them.
enum Table { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

Table TableOf(int function) {
    switch (function) {
    case 1:
    case 5:
    case 15:
        return Coils;
    case 2:
        return DiscreteInputs;
    case 4:
        return InputRegisters;
    default:
        break;
    }
    return HoldingRegisters;
}

// The value a virtual slave starts with in a register: its address after
// the slave address in thousands, so that a value tells where it came from.
std::uint16_t StartValue(int unit, int address) {
    return static_cast<std::uint16_t>((unit * 1000 + address) & 0xFFFF);
}

// A line of one virtual slave a unit: each command goes to the
// pseudo-terminal of its slave address's slave; one no slave serves times
// out.
class SlaveRouter : public MasterChannel {
public:
    explicit SlaveRouter(std::map<int, std::string> devices) : devices_(std::move(devices)) {}

    ResultCode Open(const std::string&, const ProbeLine& line, std::string& error) override {
        Close();
        for (const auto& [unit, device] : devices_) {
            auto channel = MasterChannel::ForLine(line);
            const ResultCode code = channel->Open(device, line, error);
            if (code != Success) {
                Close();
                return code;
            }
            channels_[unit] = std::move(channel);
        }
        return Success;
    }
    void Close() override {
        for (auto& entry : channels_)
            entry.second->Close();
        channels_.clear();
    }
    void Read(const ProbeCommand& command, ProbeResult& result) override {
        if (auto* channel = Find(command.slave))
            channel->Read(command, result);
        else
            result.status = ProbeStatus::Timeout;
    }
    void Write(const ModbusWrite& write, ProbeResult& result) override {
        if (auto* channel = Find(write.slave))
            channel->Write(write, result);
        else
            result.status = ProbeStatus::Timeout;
    }
    bool FramingDropped() const override {
        return std::any_of(channels_.begin(), channels_.end(),
                           [](const auto& entry) { return entry.second->FramingDropped(); });
    }

private:
    MasterChannel* Find(int unit) const {
        const auto found = channels_.find(unit);
        return found == channels_.end() ? nullptr : found->second.get();
    }

    std::map<int, std::string> devices_;
    std::map<int, std::unique_ptr<MasterChannel>> channels_;
};

// The input memory as the probe's image shows it: the bytes of every read
// that has been answered, owned by its command.
MemoryImage InputImage(const sim::RuntimePlan& plan, const sim::RuntimeSnapshot& snapshot) {
    MemoryImage image;
    for (std::size_t i = 0; i < plan.commands.size() && i < snapshot.commands.size(); ++i) {
        const ProbeCommand& c = plan.commands[i];
        if (c.output || c.IsWrite() || snapshot.commands[i].answered == 0)
            continue;
        ProbeResult result;
        result.status = ProbeStatus::Ok;
        result.command = static_cast<int>(i);
        if (c.IsRegisters()) {
            std::vector<std::uint8_t> stored;
            for (int b = 0; b < 2 * c.count; ++b) {
                const int at = c.mapByte + b;
                stored.push_back(at < kMemoryBytes ? snapshot.input[static_cast<std::size_t>(at)]
                                                   : 0);
            }
            result.registers = MemoryImage::RegistersOf(c.swapping, stored);
        } else {
            for (int k = 0; k < c.count; ++k) {
                const int bit = c.FirstBit() + k;
                result.bits.push_back(
                    bit < kMemoryBytes * 8
                        ? (snapshot.input[static_cast<std::size_t>(bit / 8)] >> (bit % 8)) & 1
                        : 0);
            }
        }
        image.Place(c, result);
    }
    return image;
}

QColor StatusColour(sim::CommandStatus status) {
    switch (status) {
    case sim::CommandStatus::NotPolled:
        return Qt::white;
    case sim::CommandStatus::Answered:
        return {200, 240, 200};
    case sim::CommandStatus::Exception:
    case sim::CommandStatus::Held:
        return {255, 230, 150};
    default:
        break;
    }
    return {255, 190, 190};
}

// A cell of the table is being typed in: its editor has the focus.
bool Editing(const QTableWidget* table) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && table->viewport()->isAncestorOf(focus);
}

QString Hex(std::uint8_t byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

RunGatewayDialog::RunGatewayDialog(Project& project, QWidget* parent)
    : QDialog(parent), project_(project) {
    setObjectName(QStringLiteral("runGatewayDialog"));
    setWindowTitle(tr("Run Gateway"));
    setWindowIcon(ProgramIcon("probe"));
    setModal(false);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Slaves:")));
    portList_ = new PortBox;
    portList_->setObjectName(QStringLiteral("runPort"));
    portList_->setMinimumContentsLength(24);
    top->addWidget(portList_, 1);
    allowWrites_ = new QCheckBox(tr("Allow writes to real devices"));
    allowWrites_->setObjectName(QStringLiteral("runAllowWrites"));
    top->addWidget(allowWrites_);
    startButton_ = new QPushButton(tr("Start"));
    stopButton_ = new QPushButton(tr("Stop"));
    top->addWidget(startButton_);
    top->addWidget(stopButton_);

    auto* info = new QHBoxLayout;
    stateLabel_ = new QLabel;
    stateLabel_->setObjectName(QStringLiteral("runState"));
    stateLabel_->setWordWrap(true);
    stateLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cycleLabel_ = new QLabel;
    cycleLabel_->setObjectName(QStringLiteral("runCycle"));
    info->addWidget(stateLabel_, 2);
    info->addWidget(cycleLabel_, 1);

    auto* plc = new QHBoxLayout;
    plcCheck_ = new QCheckBox(tr("Let a PLC program connect"));
    plcCheck_->setObjectName(QStringLiteral("runPlc"));
    plcLabel_ = new QLabel;
    plcLabel_->setObjectName(QStringLiteral("runPlcAddress"));
    plcLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    plc->addWidget(plcCheck_);
    plc->addWidget(plcLabel_, 1);

    commands_ = new QTableWidget(0, CommandColumnCount);
    commands_->setObjectName(QStringLiteral("runCommands"));
    commands_->setHorizontalHeaderLabels({tr("No."), tr("Command"), tr("Status"), tr("Requests"),
                                          tr("Answered"), tr("Time-outs"), tr("Exceptions"),
                                          tr("Last time")});
    commands_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    commands_->setSelectionBehavior(QAbstractItemView::SelectRows);
    commands_->setSelectionMode(QAbstractItemView::SingleSelection);
    commands_->verticalHeader()->setVisible(false);
    commands_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    commands_->horizontalHeader()->setSectionResizeMode(StatusColumn, QHeaderView::Stretch);

    input_ = new ProbeImageGrid;
    output_ = new QTableWidget(kMemoryBytes / kColumns, kColumns);
    output_->setObjectName(QStringLiteral("runOutput"));
    QStringList columns, rows;
    for (int c = 0; c < kColumns; ++c)
        columns << QStringLiteral("+%1").arg(c);
    for (int r = 0; r < output_->rowCount(); ++r)
        rows << QString::number(r * kColumns);
    output_->setHorizontalHeaderLabels(columns);
    output_->setVerticalHeaderLabels(rows);
    output_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    output_->verticalHeader()->setDefaultSectionSize(20);
    output_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    output_->setToolTip(tr("Type a byte in hexadecimal: what the PLC writes"));
    for (int i = 0; i < kMemoryBytes; ++i) {
        auto* cell = new QTableWidgetItem(QStringLiteral("00"));
        cell->setTextAlignment(Qt::AlignCenter);
        output_->setItem(i / kColumns, i % kColumns, cell);
    }

    auto titled = [](const QString& title, QWidget* widget) {
        auto* box = new QWidget;
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QLabel(title));
        layout->addWidget(widget, 1);
        return box;
    };

    slaveTable_ = new QTableWidget(0, SlaveColumnCount);
    slaveTable_->setObjectName(QStringLiteral("runSlaves"));
    slaveTable_->setHorizontalHeaderLabels({tr("Slave"), tr("Table"), tr("Address"), tr("Value")});
    slaveTable_->verticalHeader()->setVisible(false);
    slaveTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    slaveTable_->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);

    writes_ = new QTableWidget(0, WriteColumnCount);
    writes_->setObjectName(QStringLiteral("runWrites"));
    writes_->setHorizontalHeaderLabels(
        {tr("Time"), tr("Slave"), tr("Function"), tr("Address"), tr("Values")});
    writes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    writes_->verticalHeader()->setVisible(false);
    writes_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    writes_->horizontalHeader()->setSectionResizeMode(WriteValuesColumn, QHeaderView::Stretch);

    auto* memories = new QSplitter(Qt::Horizontal);
    memories->addWidget(titled(tr("Input memory (what the PLC reads)"), input_));
    memories->addWidget(titled(tr("Output memory (what the PLC writes, hexadecimal)"), output_));
    auto* slaves = new QSplitter(Qt::Horizontal);
    slaves->addWidget(
        titled(tr("Virtual slaves (double-click a value to change it)"), slaveTable_));
    slaves->addWidget(titled(tr("Writes received by the slaves"), writes_));
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(commands_);
    split->addWidget(memories);
    split->addWidget(slaves);
    split->setSizes({110, 330, 240});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(info);
    layout->addLayout(plc);
    layout->addWidget(split, 1);

    connect(startButton_, &QPushButton::clicked, this, &RunGatewayDialog::Start);
    connect(stopButton_, &QPushButton::clicked, this, &RunGatewayDialog::Stop);
    connect(plcCheck_, &QCheckBox::toggled, this, &RunGatewayDialog::UpdatePlcServer);
    connect(output_, &QTableWidget::itemChanged, this, &RunGatewayDialog::OnOutputEdited);
    connect(slaveTable_, &QTableWidget::itemChanged, this, &RunGatewayDialog::OnSlaveEdited);
    connect(portList_, &QComboBox::currentIndexChanged, this,
            [this] { allowWrites_->setEnabled(!IsRunning() && !VirtualChosen()); });
    connect(&poll_, &QTimer::timeout, this, &RunGatewayDialog::Poll);

    ListSystemPorts(QStringLiteral("/dev"), QStringLiteral("/sys/class/tty"));
    BuildTables();
    SetRunning(false);
    resize(1100, 820);
}

RunGatewayDialog::~RunGatewayDialog() {
    // The slaves call back into this window: they must have ended first.
    Stop();
}

void RunGatewayDialog::ListSystemPorts(const QString& devRoot, const QString& sysRoot) {
    PortBox::Port slaves;
    slaves.label = tr("Virtual slaves (built in)");
    slaves.key = QString::fromLatin1(kVirtualKey);
    slaves.name = slaves.label;
    portList_->SetVirtualPort(slaves);
    portList_->ListSystemPorts(devRoot, sysRoot);
    const QString last = QSettings().value(QLatin1String(kLastPortSetting)).toString();
    portList_->SelectKey(last.isEmpty() ? QString::fromLatin1(kVirtualKey) : last);
}

void RunGatewayDialog::SelectVirtualSlaves() {
    portList_->setCurrentIndex(portList_->findData(QString::fromLatin1(kVirtualKey)));
}

bool RunGatewayDialog::VirtualChosen() const {
    return portList_->Current().isVirtual;
}

void RunGatewayDialog::Refresh() {
    if (!IsRunning())
        BuildTables();
}

void RunGatewayDialog::BuildTables() {
    std::vector<ConfigProblem> problems;
    const int code = sim::PlanFromProject(project_, plan_, problems);
    planOk_ = code == Success;
    const CycleEstimate estimate = EstimateCycle(project_.GetSubnet());
    estimateMs_ = estimate.status == CycleEstimate::Ready ? estimate.quickCycleMs : -1;

    ProbePlan shown;
    shown.SetLine(plan_.line);
    shown.Commands() = plan_.commands;
    input_->SetPlan(shown);

    const QSignalBlocker block(commands_);
    commands_->setRowCount(static_cast<int>(plan_.commands.size()));
    for (int row = 0; row < commands_->rowCount(); ++row) {
        const ProbeCommand& c = plan_.commands[static_cast<std::size_t>(row)];
        for (int column = 0; column < CommandColumnCount; ++column)
            commands_->setItem(row, column, new QTableWidgetItem);
        commands_->item(row, NumberColumn)->setText(QString::number(row + 1));
        commands_->item(row, NumberColumn)
            ->setBackground(c.output ? QColor(Qt::white) : ProbeImageGrid::CommandColour(row));
        commands_->item(row, NameColumn)
            ->setText(QStringLiteral("%1 (%2, %3 %4)")
                          .arg(Q(c.name))
                          .arg(c.function)
                          .arg(c.output ? tr("output") : tr("input"))
                          .arg(Q(MemoryImage::RangeText(c))));
    }

    {
        const QSignalBlocker outputBlock(output_);
        for (int i = 0; i < kMemoryBytes; ++i)
            output_->item(i / kColumns, i % kColumns)->setBackground(Qt::white);
        for (std::size_t n = 0; n < plan_.commands.size(); ++n) {
            const ProbeCommand& c = plan_.commands[n];
            if (!c.output)
                continue;
            for (int bit = c.FirstBit(); bit <= c.LastBit() && bit < kMemoryBytes * 8; bit += 8)
                output_->item(bit / 8 / kColumns, bit / 8 % kColumns)
                    ->setBackground(ProbeImageGrid::CommandColour(static_cast<int>(n)));
        }
    }
    FillSlaveTable();

    if (plan_.universal) {
        sim::RuntimeSnapshot universal;
        universal.state = sim::RunState::Universal;
        stateLabel_->setText(Q(sim::RunStateText(universal)));
    } else if (!planOk_) {
        QStringList lines{tr("The configuration cannot run:")};
        for (const ConfigProblem& p : problems)
            lines << QStringLiteral("[%1] %2: %3: %4")
                         .arg(p.code)
                         .arg(Q(ResultMessage(p.code)), Q(p.where), Q(p.what));
        stateLabel_->setText(lines.join(QLatin1Char('\n')));
    } else {
        stateLabel_->setText(Q(sim::RunStateText(runtime_.Snapshot())));
    }
    cycleLabel_->setText(CycleText());
    SetRunning(false);
}

void RunGatewayDialog::FillSlaveTable() {
    // One row a register or coil the commands use, by slave and table.
    std::set<std::tuple<int, int, int>> cells;
    for (const ProbeCommand& c : plan_.commands)
        for (int k = 0; k < c.count && c.address + k <= 0xFFFF; ++k)
            cells.emplace(c.slave, TableOf(c.function), c.address + k);
    const QStringList tables{tr("Coil"), tr("Discrete input"), tr("Input register"),
                             tr("Holding register")};
    filling_ = true;
    slaveTable_->setRowCount(static_cast<int>(cells.size()));
    int row = 0;
    for (const auto& [unit, table, address] : cells) {
        auto* slave = new QTableWidgetItem(QString::number(unit));
        slave->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        slave->setData(Qt::UserRole, unit);
        auto* kind = new QTableWidgetItem(tables[table]);
        kind->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        kind->setData(Qt::UserRole, table);
        auto* where = new QTableWidgetItem(QString::number(address));
        where->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        where->setData(Qt::UserRole, address);
        slaveTable_->setItem(row, SlaveUnitColumn, slave);
        slaveTable_->setItem(row, TableColumn, kind);
        slaveTable_->setItem(row, AddressColumn, where);
        slaveTable_->setItem(row, ValueColumn, new QTableWidgetItem);
        ++row;
    }
    filling_ = false;
    RefreshSlaveTable();
}

void RunGatewayDialog::RefreshSlaveTable() {
    filling_ = true;
    const bool editing = Editing(slaveTable_);
    for (int row = 0; row < slaveTable_->rowCount(); ++row) {
        QTableWidgetItem* value = slaveTable_->item(row, ValueColumn);
        const int unit = slaveTable_->item(row, SlaveUnitColumn)->data(Qt::UserRole).toInt();
        const auto* slave = Slave(unit);
        const Qt::ItemFlags flags =
            slave ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                  : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (value->flags() != flags)
            value->setFlags(flags);
        if (!slave || (editing && slaveTable_->currentItem() == value))
            continue;
        const int address = slaveTable_->item(row, AddressColumn)->data(Qt::UserRole).toInt();
        int shown = 0;
        switch (slaveTable_->item(row, TableColumn)->data(Qt::UserRole).toInt()) {
        case Coils:
            shown = slave->Coil(address);
            break;
        case DiscreteInputs:
            shown = slave->DiscreteInput(address);
            break;
        case InputRegisters:
            shown = slave->InputRegister(address);
            break;
        default:
            shown = slave->HoldingRegister(address);
            break;
        }
        const QString text = QString::number(shown);
        if (value->text() != text)
            value->setText(text);
    }
    filling_ = false;
}

void RunGatewayDialog::OnSlaveEdited(QTableWidgetItem* item) {
    if (filling_ || item->column() != ValueColumn)
        return;
    const int row = item->row();
    const int unit = slaveTable_->item(row, SlaveUnitColumn)->data(Qt::UserRole).toInt();
    const int table = slaveTable_->item(row, TableColumn)->data(Qt::UserRole).toInt();
    const int address = slaveTable_->item(row, AddressColumn)->data(Qt::UserRole).toInt();
    sim::ModbusSlave* slave = Slave(unit);
    bool ok = false;
    const QString text = item->text().trimmed();
    const uint value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                           ? text.mid(2).toUInt(&ok, 16)
                           : text.toUInt(&ok, 10);
    const bool bit = table == Coils || table == DiscreteInputs;
    if (slave && ok && value <= (bit ? 1u : 0xFFFFu)) {
        switch (table) {
        case Coils:
            slave->SetCoil(address, value != 0);
            break;
        case DiscreteInputs:
            slave->SetDiscreteInput(address, value != 0);
            break;
        case InputRegisters:
            slave->SetInputRegister(address, static_cast<std::uint16_t>(value));
            break;
        default:
            slave->SetHoldingRegister(address, static_cast<std::uint16_t>(value));
            break;
        }
    }
    // What the slave holds now, the value refused or not.
    QTimer::singleShot(0, this, &RunGatewayDialog::RefreshSlaveTable);
}

void RunGatewayDialog::OnOutputEdited(QTableWidgetItem* item) {
    if (filling_)
        return;
    const int at = item->row() * kColumns + item->column();
    bool ok = false;
    const uint value = item->text().trimmed().toUInt(&ok, 16);
    if (ok && value <= 0xFF)
        runtime_.SetOutput(at, {static_cast<std::uint8_t>(value)});
    const QSignalBlocker block(output_);
    item->setText(Hex(runtime_.Output()[static_cast<std::size_t>(at)]));
}

void RunGatewayDialog::OnWrite(const sim::ReceivedWrite& write) {
    QStringList values;
    for (std::uint16_t v : write.values)
        values << QString::number(v);
    writes_->insertRow(0);
    const QStringList cells{
        QDateTime::fromMSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::milliseconds>(write.time.time_since_epoch())
                .count())
            .toString(QStringLiteral("HH:mm:ss.zzz")),
        QString::number(write.unit), QString::number(write.function),
        QString::number(write.address), values.join(QLatin1Char(' '))};
    for (int column = 0; column < WriteColumnCount; ++column)
        writes_->setItem(0, column, new QTableWidgetItem(cells[column]));
    if (writes_->rowCount() > kMaxWriteRows)
        writes_->setRowCount(kMaxWriteRows);
}

sim::ModbusSlave* RunGatewayDialog::Slave(int unit) const {
    const auto found = slaves_.find(unit);
    return found == slaves_.end() ? nullptr : found->second.get();
}

bool RunGatewayDialog::Start() {
    if (IsRunning())
        return false;
    BuildTables();
    if (plan_.universal || !planOk_)
        return false;
    const PortBox::Port port = portList_->Current();
    std::string device;
    if (port.isVirtual) {
        std::map<int, int> highest; // by slave address
        for (const ProbeCommand& c : plan_.commands)
            highest[c.slave] = std::max({highest[c.slave], 999, c.address + c.count - 1});
        std::map<int, std::string> devices;
        for (const auto& [unit, top] : highest) {
            sim::SlaveOptions options;
            options.units = {unit};
            options.ascii = plan_.line.ascii;
            options.lineBaud = plan_.line.baud;
            options.countInputs = false;
            options.highestAddress = std::min(top, 0xFFFF);
            auto slave = std::make_unique<sim::ModbusSlave>(options);
            slave->SetWriteCallback([this](const sim::ReceivedWrite& write) {
                post_->Post([this, write] { OnWrite(write); });
            });
            std::string error;
            if (!slave->Start(&error)) {
                slaves_.clear();
                stateLabel_->setText(Q(error));
                return false;
            }
            devices[unit] = slave->DevicePath();
            slaves_[unit] = std::move(slave);
        }
        for (const ProbeCommand& c : plan_.commands) {
            sim::ModbusSlave* slave = Slave(c.slave);
            for (int k = 0; k < c.count && c.address + k <= 0xFFFF; ++k) {
                slave->SetHoldingRegister(c.address + k, StartValue(c.slave, c.address + k));
                slave->SetInputRegister(c.address + k, StartValue(c.slave, c.address + k));
            }
        }
        device = devices.begin()->second;
        runtime_.SetChannelFactory([devices](const ProbeLine&) -> std::unique_ptr<MasterChannel> {
            return std::make_unique<SlaveRouter>(devices);
        });
    } else {
        device = port.device.toStdString();
        if (device.empty()) {
            stateLabel_->setText(tr("Choose a port."));
            return false;
        }
        runtime_.SetChannelFactory({});
    }
    QSettings().setValue(QLatin1String(kLastPortSetting), port.key);
    writes_->setRowCount(0);
    runtime_.AllowWrites(allowWrites_->isChecked());
    runtime_.SetPlan(plan_);
    if (!runtime_.Start(device)) {
        slaves_.clear();
        return false;
    }
    SetRunning(true);
    FillSlaveTable();
    UpdatePlcServer();
    poll_.start(kPollMs);
    Poll();
    return true;
}

void RunGatewayDialog::Stop() {
    const bool ran = IsRunning() || !slaves_.empty();
    poll_.stop();
    runtime_.Stop();
    plc_.reset();
    for (auto& entry : slaves_)
        entry.second->Stop();
    // The last state stays shown; the slaves' values with the slaves.
    if (ran)
        Poll();
    slaves_.clear();
    RefreshSlaveTable();
    SetRunning(false);
}

void RunGatewayDialog::UpdatePlcServer() {
    const QString standard = QString::fromLatin1(sim::PlcServer::kDefaultAddress);
    if (!plcCheck_->isChecked() || !IsRunning()) {
        plc_.reset();
        plcLabel_->setText(plcCheck_->isChecked()
                               ? tr("Modbus TCP on %1 while the gateway runs").arg(standard)
                               : QString());
        return;
    }
    if (plc_)
        return;
    std::string error;
    // Another program may hold the usual port: any free one then.
    for (const char* address : {sim::PlcServer::kDefaultAddress, "127.0.0.1:0"}) {
        plc_ = std::make_unique<sim::PlcServer>(runtime_);
        if (plc_->Start(address, &error))
            break;
        plc_.reset();
    }
    if (!plc_) {
        plcLabel_->setText(Q(error));
        return;
    }
    plcLabel_->setText(tr("A PLC program connects to Modbus TCP %1").arg(Q(plc_->Address())));
}

QString RunGatewayDialog::PlcText() const {
    return plcLabel_->text();
}

QString RunGatewayDialog::StateText() const {
    return stateLabel_->text();
}

QString RunGatewayDialog::CycleText() const {
    const sim::RuntimeSnapshot snapshot = runtime_.Snapshot();
    QString text = snapshot.cycles > 0 ? tr("Cycle %1: last %2 ms, mean %3 ms")
                                             .arg(snapshot.cycles)
                                             .arg(Q(FormatMs(snapshot.lastCycleMs)))
                                             .arg(Q(FormatMs(snapshot.meanCycleMs)))
                                       : tr("Cycle: not measured yet");
    if (estimateMs_ >= 0)
        text += QLatin1Char('\n') + tr("Estimate: %1 ms").arg(Q(FormatMs(estimateMs_)));
    return text;
}

void RunGatewayDialog::Poll() {
    const sim::RuntimeSnapshot snapshot = runtime_.Snapshot();
    QString state = Q(sim::RunStateText(snapshot));
    if (snapshot.writesHeld)
        state += QLatin1Char('\n') +
                 tr("Writes are held: tick \"Allow writes to real devices\" to send them.");
    stateLabel_->setText(state);
    cycleLabel_->setText(CycleText());

    for (int row = 0; row < commands_->rowCount(); ++row) {
        if (row >= static_cast<int>(snapshot.commands.size()))
            break;
        const sim::CommandState& s = snapshot.commands[static_cast<std::size_t>(row)];
        commands_->item(row, StatusColumn)->setText(Q(sim::CommandStatusText(s)));
        commands_->item(row, StatusColumn)->setBackground(StatusColour(s.status));
        commands_->item(row, RequestsColumn)->setText(QString::number(s.requests));
        commands_->item(row, AnsweredColumn)->setText(QString::number(s.answered));
        commands_->item(row, TimeoutsColumn)->setText(QString::number(s.timeouts));
        commands_->item(row, ExceptionsColumn)->setText(QString::number(s.exceptions));
        commands_->item(row, LastColumn)
            ->setText(s.requests > 0 ? QStringLiteral("%1 ms").arg(Q(FormatMs(s.lastMs)))
                                     : QString());
    }
    input_->ShowImage(InputImage(plan_, snapshot));

    const bool editing = Editing(output_);
    const QSignalBlocker block(output_);
    for (int i = 0; i < kMemoryBytes; ++i) {
        QTableWidgetItem* cell = output_->item(i / kColumns, i % kColumns);
        if (editing && output_->currentItem() == cell)
            continue;
        const QString text = Hex(snapshot.output[static_cast<std::size_t>(i)]);
        if (cell->text() != text)
            cell->setText(text);
    }
    RefreshSlaveTable();
}

void RunGatewayDialog::SetRunning(bool running) {
    const bool runnable = planOk_ && !plan_.universal;
    startButton_->setEnabled(!running && runnable);
    stopButton_->setEnabled(running);
    portList_->setEnabled(!running);
    allowWrites_->setEnabled(!running && !VirtualChosen());
    if (!running)
        UpdatePlcServer();
}

void RunGatewayDialog::closeEvent(QCloseEvent* event) {
    Stop();
    QDialog::closeEvent(event);
}

} // namespace varkel
