#include "ui/ProbeDialog.h"

#include "model/Catalog.h"
#include "model/ConfigCheck.h"
#include "model/CycleEstimate.h"
#include "model/PortOpenError.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "ui/ProbeImageGrid.h"
#include "ui/ProgramIcon.h"
#include "ui/TrendView.h"
#include "ui/UiText.h"
#include "ui/UserDialogs.h"
#include "ui/VirtualSlave.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QTextStream>
#include <QVBoxLayout>

namespace varkel {
namespace {

const char* const kLastPortSetting = "probe/lastPort";
const char* const kSplitSetting = "probe/tableSplit";
const char* const kLowerSplitSetting = "probe/chartSplit";
const char* const kVirtualKey = "virtual";

QColor StatusColour(ProbeStatus status) {
    switch (status) {
    case ProbeStatus::Ok:
        return {200, 240, 200};
    case ProbeStatus::Exception:
        return {255, 230, 150};
    default:
        break;
    }
    return {255, 190, 190};
}

constexpr ValueDecoder::Format kFormats[] = {
    ValueDecoder::Format::Hex, ValueDecoder::Format::Unsigned16, ValueDecoder::Format::Signed16,
    ValueDecoder::Format::Int32, ValueDecoder::Format::Float32};
constexpr ValueDecoder::Order kOrders[] = {ValueDecoder::Order::ABCD, ValueDecoder::Order::CDAB,
                                           ValueDecoder::Order::BADC, ValueDecoder::Order::DCBA};

} // namespace

ProbeDialog::ProbeDialog(Project& project, QWidget* parent) : QDialog(parent), project_(project) {
    setObjectName(QStringLiteral("probeDialog"));
    setWindowTitle(tr("Test Commands"));
    setWindowIcon(ProgramIcon("probe"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(false);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Port:")));
    portList_ = new PortBox;
    portList_->setObjectName(QStringLiteral("probePort"));
    portList_->setMinimumContentsLength(24);
    top->addWidget(portList_, 1);
    startButton_ = new QPushButton(tr("Start"));
    stopButton_ = new QPushButton(tr("Stop"));
    saveButton_ = new QPushButton(tr("Save Log..."));
    top->addWidget(startButton_);
    top->addWidget(stopButton_);
    top->addWidget(saveButton_);
    passLabel_ = new QLabel;
    passLabel_->setObjectName(QStringLiteral("probePass"));
    passLabel_->setMinimumWidth(160);
    top->addWidget(passLabel_);

    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("probeTable"));
    table_->setHorizontalHeaderLabels({tr("Trend"), tr("Command"), tr("Function"), tr("Slave"),
                                       tr("Address"), Q(Text(Msg::ProbeHeaderStatus)), tr("Values"),
                                       tr("Format"), tr("Byte order"),
                                       Q(Text(Msg::ProbeHeaderMemory)), tr("Time (ms)")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(ValuesColumn, QHeaderView::Stretch);

    image_ = new ProbeImageGrid;
    decoded_ = new QLabel;
    decoded_->setObjectName(QStringLiteral("probeDecoded"));
    decoded_->setWordWrap(true);
    // Two lines always, so that the chart above gives way, not the text.
    decoded_->setMinimumHeight(2 * decoded_->fontMetrics().lineSpacing() + 4);
    auto* note = new QLabel(tr("* marks the byte order that gives the table's values: the order "
                               "the PLC's side must read these bytes in.") +
                            QLatin1Char('\n') + Q(Text(Msg::ProbeImageNote)));
    note->setWordWrap(true);
    note->setMinimumHeight(3 * note->fontMetrics().lineSpacing() + 4);
    auto* imageBox = new QWidget;
    auto* imageLayout = new QVBoxLayout(imageBox);
    imageLayout->setContentsMargins(0, 0, 0, 0);
    imageLayout->addWidget(new QLabel(Q(Text(Msg::ProbeImageTitle))));
    imageLayout->addWidget(image_, 1);

    pause_ = new QCheckBox(tr("Pause"));
    auto* resetZoom = new QPushButton(tr("Reset zoom"));
    auto* trendBox = new QWidget;
    auto* trendLayout = new QVBoxLayout(trendBox);
    trendLayout->setContentsMargins(0, 0, 0, 0);
    QString trendFailure;
    trend_ = CreateTrendView(trendBox, tr("Time (s)"), tr("Value"), trendFailure);
    if (trend_) {
        trendLayout->addWidget(trend_->Widget(), 1);
    } else {
        // The rest of the dialog works without the chart.
        auto* missing = new QLabel(tr("The trend chart could not be loaded: %1").arg(trendFailure));
        missing->setObjectName(QStringLiteral("probeTrendMissing"));
        missing->setWordWrap(true);
        trendLayout->addWidget(missing, 1);
        pause_->setEnabled(false);
        resetZoom->setEnabled(false);
        // Nothing to draw in: no column to tick either.
        table_->setColumnHidden(TrendColumn, true);
    }
    auto* trendButtons = new QHBoxLayout;
    trendButtons->addWidget(pause_);
    trendButtons->addWidget(resetZoom);
    trendButtons->addStretch(1);
    trendLayout->addLayout(trendButtons);
    trendLayout->addWidget(decoded_);
    trendLayout->addWidget(note);

    lower_ = new QSplitter(Qt::Horizontal);
    auto* lower = lower_;
    lower->setObjectName(QStringLiteral("probeLowerSplit"));
    lower->addWidget(imageBox);
    lower->addWidget(trendBox);
    lower->setStretchFactor(0, 2);
    lower->setStretchFactor(1, 3);
    // The commands' table first, with room for ten rows or so (the old
    // division left six); the image and the chart share the rest. The
    // division is kept from one use to the next.
    split_ = new QSplitter(Qt::Vertical);
    auto* split = split_;
    split->setObjectName(QStringLiteral("probeSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(table_);
    split->addWidget(lower);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({340, 380});
    split->restoreState(QSettings().value(QLatin1String(kSplitSetting)).toByteArray());
    lower->restoreState(QSettings().value(QLatin1String(kLowerSplitSetting)).toByteArray());

    statusLabel_ = new QLabel;
    statusLabel_->setObjectName(QStringLiteral("probeStatus"));
    statusLabel_->setWordWrap(true);
    statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addWidget(statusLabel_);

    connect(startButton_, &QPushButton::clicked, this, &ProbeDialog::Start);
    connect(stopButton_, &QPushButton::clicked, this, &ProbeDialog::Stop);
    connect(saveButton_, &QPushButton::clicked, this, &ProbeDialog::OnSaveLog);
    connect(pause_, &QCheckBox::toggled, this, [this](bool on) {
        if (trend_)
            trend_->SetPaused(on);
    });
    connect(resetZoom, &QPushButton::clicked, this, [this] {
        if (trend_)
            trend_->ResetZoom();
    });
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ProbeDialog::ShowSelected);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (trend_ && item->column() == TrendColumn && item->checkState() == Qt::Unchecked)
            trend_->RemoveCommand(item->row());
    });

    ListSystemPorts(QStringLiteral("/dev"), QStringLiteral("/sys/class/tty"));
    BuildTable();
    SetRunning(false);
    resize(1100, 760);
}

ProbeDialog::~ProbeDialog() {
    // The worker calls back into this window: it must have ended first.
    if (session_) {
        session_->Stop();
        session_->Wait();
    }
}

void ProbeDialog::ListSystemPorts(const QString& devRoot, const QString& sysRoot) {
    Port slave;
    slave.label = tr("Virtual slave (built in)");
    slave.key = QString::fromLatin1(kVirtualKey);
    slave.name = slave.label;
    portList_->SetVirtualPort(slave);
    portList_->ListSystemPorts(devRoot, sysRoot);
    portList_->SelectKey(QSettings().value(QLatin1String(kLastPortSetting)).toString());
}

void ProbeDialog::SelectVirtualSlave() {
    portList_->setCurrentIndex(portList_->findData(QString::fromLatin1(kVirtualKey)));
}

void ProbeDialog::BuildTable() {
    // The user's choices per row outlive a rebuild of the same commands.
    struct RowChoice {
        std::string name;
        Qt::CheckState trend = Qt::Unchecked;
        int format = -1, order = -1;
    };
    std::vector<RowChoice> kept;
    for (int row = 0; row < table_->rowCount(); ++row) {
        RowChoice choice;
        choice.name = plan_.Commands()[static_cast<std::size_t>(row)].name;
        choice.trend = table_->item(row, TrendColumn)->checkState();
        if (auto* f = qobject_cast<QComboBox*>(table_->cellWidget(row, FormatColumn)))
            choice.format = f->currentIndex();
        if (auto* o = qobject_cast<QComboBox*>(table_->cellWidget(row, OrderColumn)))
            choice.order = o->currentIndex();
        kept.push_back(choice);
    }
    std::vector<ConfigProblem> problems;
    const int code = plan_.Build(project_, problems);
    latest_.assign(plan_.Commands().size(), ProbeResult{});
    image_->SetPlan(plan_);
    const QSignalBlocker block(table_);
    table_->setRowCount(static_cast<int>(plan_.Commands().size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ProbeCommand& c = plan_.Commands()[static_cast<std::size_t>(row)];
        auto* trend = new QTableWidgetItem;
        trend->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        trend->setCheckState(Qt::Unchecked);
        table_->setItem(row, TrendColumn, trend);
        QString name = QString::fromStdString(CommandLabel(c.index, c.name));
        auto* command = new QTableWidgetItem(name);
        if (c.IsWriteChecked())
            command->setToolTip(Q(Text(Msg::ProbeWriteChecked, {std::to_string(c.function)})));
        table_->setItem(row, CommandColumn, command);
        table_->setItem(
            row, FunctionColumn,
            new QTableWidgetItem(
                c.IsWriteChecked()
                    ? QStringLiteral("%1 (%2)").arg(c.function).arg(c.configuredFunction)
                    : QString::number(c.function)));
        table_->setItem(row, SlaveColumn, new QTableWidgetItem(QString::number(c.slave)));
        table_->setItem(row, AddressColumn,
                        new QTableWidgetItem(QStringLiteral("%1 x%2").arg(c.address).arg(c.count)));
        table_->setItem(row, StatusColumn, new QTableWidgetItem);
        table_->setItem(row, ValuesColumn, new QTableWidgetItem);
        table_->setItem(
            row, MemoryColumn,
            new QTableWidgetItem(Q(Text(c.output ? Msg::ProbeOutputMemory : Msg::ProbeInputMemory) +
                                   " " + MemoryImage::RangeText(c))));
        table_->item(row, MemoryColumn)
            ->setBackground(c.output ? QColor(Qt::white) : ProbeImageGrid::CommandColour(row));
        table_->setItem(row, TimeColumn, new QTableWidgetItem);
        if (c.IsRegisters()) {
            auto* format = new QComboBox;
            for (auto f : kFormats)
                format->addItem(QString::fromLatin1(ValueDecoder::FormatName(f)));
            auto* order = new QComboBox;
            for (auto o : kOrders)
                order->addItem(QString::fromLatin1(ValueDecoder::OrderName(o)));
            order->setCurrentIndex(static_cast<int>(ValueDecoder::DefaultOrder(c.swapping)));
            table_->setCellWidget(row, FormatColumn, format);
            table_->setCellWidget(row, OrderColumn, order);
            auto refresh = [this, row] {
                ShowValues(row);
                if (trend_)
                    trend_->RemoveCommand(row);
                ShowSelected();
            };
            connect(format, &QComboBox::currentIndexChanged, this, refresh);
            connect(order, &QComboBox::currentIndexChanged, this, refresh);
        }
    }
    for (int row = 0; row < table_->rowCount() && row < static_cast<int>(kept.size()); ++row) {
        const RowChoice& choice = kept[static_cast<std::size_t>(row)];
        if (choice.name != plan_.Commands()[static_cast<std::size_t>(row)].name)
            continue;
        table_->item(row, TrendColumn)->setCheckState(choice.trend);
        auto* f = qobject_cast<QComboBox*>(table_->cellWidget(row, FormatColumn));
        auto* o = qobject_cast<QComboBox*>(table_->cellWidget(row, OrderColumn));
        if (f && choice.format >= 0)
            f->setCurrentIndex(choice.format);
        if (o && choice.order >= 0)
            o->setCurrentIndex(choice.order);
    }
    if (code != Success) {
        QStringList lines{Q(Text(Msg::ProbeProblemsTitle))};
        for (const ConfigProblem& p : problems)
            lines << QStringLiteral("[%1] %2: %3: %4")
                         .arg(p.code)
                         .arg(Q(ResultMessage(p.code)), Q(p.where), Q(p.what));
        statusLabel_->setText(lines.join(QLatin1Char('\n')));
    }
}

ValueDecoder::Format ProbeDialog::FormatOf(int row) const {
    auto* combo = qobject_cast<QComboBox*>(table_->cellWidget(row, FormatColumn));
    return combo && combo->currentIndex() >= 0 ? kFormats[combo->currentIndex()]
                                               : ValueDecoder::Format::Hex;
}

std::map<int, ValueDecoder::Format> ProbeDialog::ChosenFormats() const {
    std::map<int, ValueDecoder::Format> chosen;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ValueDecoder::Format format = FormatOf(row);
        if (format != ValueDecoder::Format::Hex)
            chosen[plan_.Commands()[static_cast<std::size_t>(row)].index] = format;
    }
    return chosen;
}

ValueDecoder::Order ProbeDialog::OrderOf(int row) const {
    auto* combo = qobject_cast<QComboBox*>(table_->cellWidget(row, OrderColumn));
    return combo && combo->currentIndex() >= 0 ? kOrders[combo->currentIndex()]
                                               : ValueDecoder::Order::ABCD;
}

std::vector<std::string> ProbeDialog::Values(int row, const ProbeResult& result) const {
    const ProbeCommand& c = plan_.Commands()[static_cast<std::size_t>(row)];
    if (!c.IsRegisters()) {
        std::vector<std::string> bits;
        for (std::uint8_t b : result.bits)
            bits.push_back(b ? "1" : "0");
        return bits;
    }
    const ValueDecoder::Format format = FormatOf(row);
    if (format == ValueDecoder::Format::Hex)
        return ValueDecoder::RawRegisters(result.registers);
    return ValueDecoder::DecodeRegisters(result.registers, format, OrderOf(row));
}

void ProbeDialog::ShowValues(int row) {
    const ProbeResult& result = latest_[static_cast<std::size_t>(row)];
    if (result.pass == 0)
        return;
    QStringList values;
    for (const std::string& v : Values(row, result))
        values << Q(v);
    table_->item(row, ValuesColumn)->setText(values.join(QLatin1Char(' ')));
}

void ProbeDialog::ShowSelected() {
    const auto selected = table_->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    image_->SelectCommand(row);
    decoded_->clear();
    if (row < 0)
        return;
    const ProbeCommand& c = plan_.Commands()[static_cast<std::size_t>(row)];
    if (c.output || !c.IsRegisters())
        return;
    const auto& bytes = image_->Image().Bytes();
    const int first = c.mapByte;
    const int last = std::min<int>(kMemoryBytes, first + 2 * c.count);
    if (image_->Image().Owner(first) != row)
        return;
    std::vector<std::uint8_t> slice(bytes.begin() + first, bytes.begin() + last);
    const auto format = FormatOf(row) == ValueDecoder::Format::Hex
                            ? ValueDecoder::Format::Unsigned16
                            : FormatOf(row);
    // Every order, the one that gives the table's values marked: the
    // order the PLC's side must read the bytes in.
    const auto table = ValueDecoder::DecodeRegisters(
        latest_[static_cast<std::size_t>(row)].registers, format, OrderOf(row));
    std::string readings;
    for (auto order : kOrders) {
        const auto values = ValueDecoder::Decode(slice, format, order);
        std::string joined;
        for (const std::string& v : values)
            joined += (joined.empty() ? "" : " ") + v;
        readings += std::string(readings.empty() ? "" : "   ") + ValueDecoder::OrderName(order) +
                    (values == table ? "* " : " ") + joined;
    }
    decoded_->setText(tr("The selected command's bytes in memory as %1: %2")
                          .arg(Q(ValueDecoder::FormatName(format)), Q(readings)));
}

void ProbeDialog::Refresh() {
    if (!IsRunning()) {
        statusLabel_->clear();
        BuildTable();
    }
}

void ProbeDialog::Start() {
    if (IsRunning())
        return;
    statusLabel_->clear();
    BuildTable();
    if (plan_.Commands().empty())
        return;
    // A typed path is checked by opening it, where the test starts: a port
    // that cannot be opened ends it with the reason.
    const Port port = portList_->Current();
    if (!port.isVirtual && port.device.isEmpty()) {
        statusLabel_->setText(tr("Choose a port"));
        return;
    }
    QSettings().setValue(QLatin1String(kLastPortSetting), port.key);
    std::string device = port.device.toStdString();
    if (port.isVirtual) {
        std::string error;
        device = VirtualSlave::Shared().Device(plan_.Line().ascii, plan_.Commands().front().slave,
                                               plan_.Line().baud, &error);
        if (device.empty()) {
            statusLabel_->setText(tr("The virtual slave could not be started: %1").arg(Q(error)));
            return;
        }
    }
    const CycleEstimate estimate = EstimateCycle(project_.GetSubnet());
    estimateMs_ = estimate.status == CycleEstimate::Ready ? estimate.quickCycleMs : -1;
    log_.clear();
    if (trend_)
        trend_->Clear();
    started_ = QDateTime::currentDateTime();
    session_ = std::make_unique<ProbeSession>(plan_);
    // The session calls back on its worker; the window is changed on its own thread.
    session_->SetResultCallback(
        [this](const ProbeResult& r) { post_->Post([this, r] { OnResult(r); }); });
    session_->SetPassCallback([this](const PassSummary& s, const MemoryImage& image) {
        post_->Post([this, s, image] { OnPass(s, image); });
    });
    session_->SetFinishedCallback(
        [this](const ProbeOutcome& o) { post_->Post([this, o] { OnFinished(o); }); });
    session_->SetOpenedCallback(
        [this](const ProbeOpened& opened) { post_->Post([this, opened] { OnOpened(opened); }); });
    device_ = port.isVirtual ? port.label : QString::fromStdString(device);
    statusLabel_->setText(
        tr("Testing on %1 (reads only: nothing is ever written to a device)").arg(Q(device)));
    running_ = true;
    SetRunning(true);
    session_->Start(device, 0);
}

void ProbeDialog::Stop() {
    if (!running_)
        return;
    // Waiting here would hold the window up to a response time-out: the
    // worker ends on its own and OnFinished follows everything it posted.
    session_->Stop();
    stopButton_->setEnabled(false);
}

void ProbeDialog::SetRunning(bool running) {
    startButton_->setEnabled(!running);
    stopButton_->setEnabled(running);
    portList_->setEnabled(!running);
}

void ProbeDialog::OnResult(const ProbeResult& result) {
    const int row = result.command;
    if (row < 0 || row >= table_->rowCount())
        return;
    log_.push_back({QDateTime::currentDateTime(), result});
    latest_[static_cast<std::size_t>(row)] = result;
    QTableWidgetItem* status = table_->item(row, StatusColumn);
    status->setText(Q(varkel::StatusText(result)));
    status->setBackground(StatusColour(result.status));
    table_->item(row, TimeColumn)->setText(QString::number(result.ms, 'f', 1));
    if (result.status == ProbeStatus::Ok)
        ShowValues(row);
    else
        table_->item(row, ValuesColumn)->setText(QString());
    if (trend_ && result.status == ProbeStatus::Ok &&
        table_->item(row, TrendColumn)->checkState() == Qt::Checked) {
        const double seconds = started_.msecsTo(QDateTime::currentDateTime()) / 1000.0;
        const auto values = Values(row, result);
        const bool hex = FormatOf(row) == ValueDecoder::Format::Hex;
        for (std::size_t i = 0; i < values.size() && i < 8; ++i) {
            const double y = hex ? (plan_.Commands()[static_cast<std::size_t>(row)].IsRegisters()
                                        ? result.registers[i]
                                        : result.bits[i])
                                 : std::strtod(values[i].c_str(), nullptr);
            trend_->AddPoint(row, static_cast<int>(i),
                             QStringLiteral("#%1[%2]")
                                 .arg(plan_.Commands()[static_cast<std::size_t>(row)].index + 1)
                                 .arg(i),
                             seconds, y);
        }
    }
}

void ProbeDialog::OnPass(const PassSummary& summary, const MemoryImage& image) {
    QString text = tr("Pass %1: %2 ms").arg(QString::number(summary.pass), Q(FormatMs(summary.ms)));
    if (estimateMs_ >= 0)
        text += Q(" (" + Text(Msg::ProbeEstimateLine, {FormatMs(estimateMs_)}) + ")");
    passLabel_->setText(text);
    image_->ShowImage(image);
    ShowSelected();
}

void ProbeDialog::OnFinished(const ProbeOutcome& outcome) {
    // The worker has closed the port and posted this as its last act.
    session_->Wait();
    running_ = false;
    SetRunning(false);
    if (outcome.code != Success)
        statusLabel_->setText(Q(outcome.port.Failed()
                                    ? PortOpenText(outcome.port)
                                    : ResultMessage(outcome.code) + ": " + outcome.message));
    else if (outcome.stopped)
        statusLabel_->setText(Q(Text(Msg::ProbeStopped)));
}

void ProbeDialog::OnOpened(const ProbeOpened& opened) {
    // Said once, where the user looks while the test runs.
    if (opened.framingDropped)
        statusLabel_->setText(statusLabel_->text() + QLatin1Char('\n') +
                              Q(Text(Msg::ProbeFramingNotCarried, {device_.toStdString()})));
}

QString ProbeDialog::StatusText() const {
    return statusLabel_->text();
}

QString ProbeDialog::DecodedText() const {
    return decoded_->text();
}

QString ProbeDialog::PassText() const {
    return passLabel_->text();
}

bool ProbeDialog::SaveLog(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "time,pass,command,name,function,configured_function,slave,address,count,status,"
           "exception,data,ms,memory\n";
    for (const LogEntry& e : log_) {
        const ProbeResult& r = e.result;
        const ProbeCommand& c = plan_.Commands()[static_cast<std::size_t>(r.command)];
        QStringList data;
        for (std::uint16_t v : r.registers)
            data << QString::number(v);
        for (std::uint8_t b : r.bits)
            data << QString::number(b);
        QString name = Q(c.name);
        name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        out << e.time.toString(Qt::ISODateWithMs) << ',' << r.pass << ',' << c.index << ",\""
            << name << "\"," << c.function << ',' << c.configuredFunction << ',' << c.slave << ','
            << c.address << ',' << c.count << ',' << StatusName(r.status) << ','
            << (r.status == ProbeStatus::Exception ? QString::number(r.exception) : QString())
            << ',' << data.join(QLatin1Char(' ')) << ',' << QString::number(r.ms, 'f', 1) << ','
            << (c.output ? "output " : "input ") << Q(MemoryImage::RangeText(c)) << '\n';
    }
    out.flush();
    return file.error() == QFile::NoError;
}

void ProbeDialog::OnSaveLog() {
    const QString path = UserDialogs::Get().SaveFileName(
        this, tr("Save Log..."), tr("CSV files (*.csv)"), QStringLiteral("csv"),
        UserDialogs::StartPath(QString(), QStringLiteral("probe-log.csv")));
    if (path.isEmpty())
        return;
    if (!SaveLog(path))
        statusLabel_->setText(tr("Cannot write %1").arg(path));
}

void ProbeDialog::SaveLayout() const {
    QSettings settings;
    settings.setValue(QLatin1String(kSplitSetting), split_->saveState());
    settings.setValue(QLatin1String(kLowerSplitSetting), lower_->saveState());
}

void ProbeDialog::hideEvent(QHideEvent* event) {
    SaveLayout();
    QDialog::hideEvent(event);
}

void ProbeDialog::closeEvent(QCloseEvent* event) {
    Stop();
    QDialog::closeEvent(event);
}

} // namespace varkel
