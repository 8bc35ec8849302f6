#include "ui/StatusSummary.h"

#include "model/CycleEstimate.h"
#include "model/Project.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace varkel {
namespace {

// Bytes of the memory with at least one bit in use, and whether any bit
// lies beyond it.
int BytesUsed(const MemoryCounts& counts, bool& overflow) {
    int used = 0;
    for (int byte = 0; byte < kMemoryBytes; ++byte)
        for (int bit = 0; bit < 8; ++bit)
            if (counts[static_cast<std::size_t>(byte * 8 + bit)] > 0) {
                ++used;
                break;
            }
    overflow = false;
    for (int bit = kMemoryDataBits; bit < kMemoryBits; ++bit)
        overflow = overflow || counts[static_cast<std::size_t>(bit)] != 0;
    return used;
}

QString Ms(double ms) {
    return QString::fromStdString(FormatMs(ms));
}

} // namespace

StatusSummary::StatusSummary(const Project& project, QStatusBar* bar, QObject* parent)
    : QObject(parent), project_(project) {
    for (QLabel** label : {&commands_, &input_, &output_, &cycle_}) {
        *label = new QLabel(bar);
        (*label)->setContentsMargins(6, 0, 6, 0);
        bar->addPermanentWidget(*label);
    }
    commands_->setObjectName(QStringLiteral("statusCommands"));
    input_->setObjectName(QStringLiteral("statusInput"));
    output_->setObjectName(QStringLiteral("statusOutput"));
    cycle_->setObjectName(QStringLiteral("statusCycle"));
    // The labels' words follow the window's language.
    commands_->installEventFilter(this);
    Refresh();
}

bool StatusSummary::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commands_ && event->type() == QEvent::LanguageChange)
        Refresh();
    return QObject::eventFilter(watched, event);
}

void StatusSummary::Show(QLabel* label, const QString& text, bool problem, const QString& tip) {
    const QString style = problem ? QStringLiteral("color: #c00000;") : QString();
    if (label->text() != text)
        label->setText(text);
    if (label->styleSheet() != style)
        label->setStyleSheet(style);
    if (label->toolTip() != tip)
        label->setToolTip(tip);
}

void StatusSummary::Refresh() {
    const Subnet& subnet = project_.GetSubnet();
    const Node* node =
        subnet.GetProtocolType() == ProtocolType::ModbusMaster ? subnet.GetNodeAt(0) : nullptr;
    const int commands = node ? node->GetCommandCount() : 0;
    Show(commands_, tr("Commands %1/%2").arg(commands).arg(kMaxCommands), commands > kMaxCommands);

    MemoryCounts input{}, output{};
    static_cast<void>(subnet.MarkMemoryUse(input, output, false)); // counting only
    bool inputOver = false, outputOver = false;
    const int inputBytes = BytesUsed(input, inputOver);
    const int outputBytes = BytesUsed(output, outputOver);
    Show(input_, tr("Input %1/%2 bytes").arg(inputBytes).arg(kMemoryBytes), inputOver,
         inputOver ? tr("Some data lies beyond the input memory") : QString());
    Show(output_, tr("Output %1/%2 bytes").arg(outputBytes).arg(kMemoryBytes), outputOver,
         outputOver ? tr("Some data lies beyond the output memory") : QString());

    const CycleEstimate e = EstimateCycle(subnet);
    if (e.status != CycleEstimate::Ready) {
        Show(cycle_, tr("Cycle: no estimate"), false, QString::fromStdString(EstimateSummary(e)));
        return;
    }
    QStringList tip;
    tip << QString::fromStdString(EstimateSummary(e));
    for (const std::string& warning : EstimateWarnings(e))
        tip << QString::fromStdString(warning);
    Show(cycle_, tr("Quick-scan cycle ≈ %1 ms").arg(Ms(e.quickCycleMs)),
         !EstimateWarnings(e).empty(), tip.join(QLatin1Char('\n')));
}

} // namespace varkel
