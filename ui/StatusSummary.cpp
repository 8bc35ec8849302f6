#include "ui/StatusSummary.h"

#include "model/Command.h"
#include "model/CycleEstimate.h"
#include "model/Node.h"
#include "model/Project.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>
#include <cstdint>

namespace varkel {

// What one memory holds by the model's own marking: bytes with a bit in
// use, the end of the furthest command (its mapping address plus the bytes
// it maps) and the bytes in which commands share a bit.
struct MemoryFigures {
    int used = 0;
    long long needed = 0;
    int conflicting = 0;
};

namespace {

MemoryFigures Figures(const MemoryCounts& counts, const Node* node, int direction) {
    MemoryFigures f;
    for (int byte = 0; byte < kMemoryBytes; ++byte) {
        bool used = false, shared = false;
        for (int bit = 0; bit < 8; ++bit) {
            const int count = counts[static_cast<std::size_t>(byte * 8 + bit)];
            used = used || count > 0;
            shared = shared || count > 1;
        }
        f.used += used ? 1 : 0;
        f.conflicting += shared ? 1 : 0;
    }
    for (int i = 0; node && i < node->GetCommandCount(); ++i) {
        const Command* command = node->GetCommandAt(i);
        std::uint32_t address = 0;
        int bitOffset = 0, length = 0;
        if (command->GetMapping(address, bitOffset, length) != direction || length <= 0)
            continue;
        const long long first = direction == OutputDirection
                                    ? static_cast<long long>(address) - kOutputBase
                                    : static_cast<long long>(address);
        f.needed = std::max(f.needed, first + command->MappedBytes());
    }
    return f;
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

void StatusSummary::ShowMemory(QLabel* label, const QString& figure, const MemoryFigures& f,
                               const QString& overTip, const QString& conflictTip) {
    const long long over = f.needed - kMemoryBytes;
    // Past the end the figure is what the commands need, so that the excess
    // reads off it; else the bytes in use.
    QString text = figure.arg(over > 0 ? f.needed : f.used).arg(kMemoryBytes);
    QStringList tip;
    if (over > 0) {
        text += tr(", %1 over").arg(over);
        tip << overTip.arg(f.needed).arg(over);
    }
    if (f.conflicting > 0) {
        text += tr(", bits in conflict");
        tip << conflictTip.arg(f.conflicting);
    }
    Show(label, text, !tip.isEmpty(), tip.join(QLatin1Char('\n')));
}

void StatusSummary::Refresh() {
    const Subnet& subnet = project_.GetSubnet();
    const Node* node =
        subnet.GetProtocolType() == ProtocolType::ModbusMaster ? subnet.GetNodeAt(0) : nullptr;
    const int commands = node ? node->GetCommandCount() : 0;
    Show(commands_, tr("Commands %1/%2").arg(commands).arg(kMaxCommands), commands > kMaxCommands);

    MemoryCounts input{}, output{};
    static_cast<void>(subnet.MarkMemoryUse(input, output, false)); // counting only
    const Node* first = subnet.GetNodeAt(0);
    ShowMemory(input_, tr("Input %1/%2 bytes"), Figures(input, first, InputDirection),
               tr("The commands need %1 bytes of input memory: %2 bytes beyond its end"),
               tr("Commands share bits in %1 bytes of the input memory (Conflict Detect "
                  "shows where)"));
    ShowMemory(output_, tr("Output %1/%2 bytes"), Figures(output, first, OutputDirection),
               tr("The commands need %1 bytes of output memory: %2 bytes beyond its end"),
               tr("Commands share bits in %1 bytes of the output memory (Conflict Detect "
                  "shows where)"));

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
