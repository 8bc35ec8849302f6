#include "ui/TimingDialog.h"

#include "model/CycleEstimate.h"
#include "model/ItemKeys.h"
#include "model/Project.h"
#include "ui/UiText.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varkel {
namespace {

QString Ms(double ms) {
    return QString::fromStdString(FormatMs(ms));
}

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TimingDialog::TimingDialog(const Project& project, QWidget* parent)
    : QDialog(parent), project_(project) {
    setWindowTitle(tr("Timing"));
    setObjectName(QStringLiteral("timingDialog"));
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    turnaround_ = new QDoubleSpinBox(this);
    turnaround_->setRange(0.0, 1000.0);
    turnaround_->setDecimals(1);
    turnaround_->setSingleStep(1.0);
    turnaround_->setSuffix(QStringLiteral(" ms"));
    turnaround_->setValue(kDefaultTurnaroundMs);
    turnaround_->setToolTip(tr("Time a slave is assumed to take before it answers"));
    // As wide as its longest value, not the dialog.
    turnaround_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    form->addRow(tr("Slave turnaround:"), turnaround_);
    line_ = new QLabel(this);
    line_->setWordWrap(true);
    form->addRow(tr("Line:"), line_);
    layout->addLayout(form);

    figures_ = new QLabel(this);
    figures_->setWordWrap(true);
    QFont bold = figures_->font();
    bold.setBold(true);
    figures_->setFont(bold);
    layout->addWidget(figures_);
    warnings_ = new QLabel(this);
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(warnings_);

    table_ = new QTableWidget(this);
    table_->setColumnCount(8);
    table_->setHorizontalHeaderLabels({tr("No."), tr("Command"), tr("Function"),
                                       tr("Request chars"), tr("Reply chars"), tr("Line time (ms)"),
                                       tr("Per poll (ms)"), tr("Scan")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(table_, 1);

    auto* note = new QLabel(tr("An estimate from the configuration alone: line time of each "
                               "exchange, the assumed turnaround and the delay between polls. "
                               "The gateway's own processing time is not counted."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(turnaround_, &QDoubleSpinBox::valueChanged, this, &TimingDialog::Recompute);
    resize(760, 460);
    Recompute();
}

void TimingDialog::Recompute() {
    const Subnet& subnet = project_.GetSubnet();
    const CycleEstimate e = EstimateCycle(subnet, turnaround_->value());
    table_->setRowCount(0);
    if (e.status != CycleEstimate::Ready) {
        line_->clear();
        figures_->setText(QString::fromStdString(EstimateSummary(e)));
        warnings_->clear();
        return;
    }
    line_->setText(tr("%1 baud, %2, %3 bits a character = %4 ms; delay between polls %5 ms; "
                      "response timeout %6 ms; scan ratio %7")
                       .arg(e.baudRate)
                       .arg(e.ascii ? QStringLiteral("ASCII") : QStringLiteral("RTU"))
                       .arg(e.charBits)
                       .arg(QString::number(e.charMs, 'f', 3))
                       .arg(Ms(e.pollDelayMs))
                       .arg(Ms(e.responseTimeoutMs))
                       .arg(e.scanRatio));
    figures_->setText(tr("Quick-scan cycle %1 ms · slow-scan cycle %2 ms · %3 ms when no "
                         "slave answers")
                          .arg(Ms(e.quickCycleMs), Ms(e.slowCycleMs), Ms(e.worstCycleMs)));
    QStringList warnings;
    for (const std::string& warning : EstimateWarnings(e))
        warnings << QString::fromStdString(warning);
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    warnings_->setVisible(!warnings.isEmpty());

    table_->setRowCount(static_cast<int>(e.commands.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const CommandTiming& t = e.commands[static_cast<std::size_t>(r)];
        const Node* node = subnet.GetNodeAt(t.node);
        const Command* command = node ? node->GetCommandAt(t.index) : nullptr;
        table_->setItem(r, 0, Cell(QString::number(t.index + 1), true));
        const std::string name =
            command ? ShownCommandName(command->GetName(), command->GetFunctionIndex()) : "";
        table_->setItem(r, 1, Cell(QString::fromStdString(name), false));
        table_->setItem(r, 2, Cell(QString::number(t.function), true));
        table_->setItem(r, 3, Cell(QString::number(t.requestChars), true));
        table_->setItem(r, 4, Cell(QString::number(t.replyChars), true));
        table_->setItem(r, 5, Cell(Ms(t.lineMs), true));
        table_->setItem(r, 6, Cell(Ms(t.lineMs + e.turnaroundMs + e.pollDelayMs), true));
        table_->setItem(r, 7, Cell(Local(t.slow ? 55 : 56), false));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

} // namespace varkel
