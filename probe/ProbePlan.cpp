#include "probe/ProbePlan.h"

#include "model/Catalog.h"
#include "model/Command.h"
#include "model/CycleEstimate.h"
#include "model/ItemKeys.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/ValueCheck.h"
#include "probe/ProbeCatalog.h"

namespace varkel {
namespace {

constexpr int kBauds[] = {300, 600, 1200, 2400, 9600, 19200, 38400, 57600, 115200};
constexpr char kParities[] = {'N', 'O', 'E', 'M', 'S'};

// The value of a typed item within its accepted range, or a problem.
int Number(const ParamItem* item, int lo, int hi, const std::string& where,
           std::vector<ConfigProblem>& problems, int& value) {
    value = 0;
    if (!item) {
        problems.push_back({ValidationError, where, Text(ProbeMsg::ProbeItemMissing)});
        return ValidationError;
    }
    const ResultCode code = CheckDecimal(item->GetValue(), lo, hi);
    if (code != Success) {
        problems.push_back({code, where, item->GetName() + " = \"" + item->GetValue() + "\""});
        return code;
    }
    value = item->IntValue();
    return Success;
}

int Choice(const ParamItem* item, int count, const std::string& where,
           std::vector<ConfigProblem>& problems) {
    const int index = item ? item->ChoiceIndex() : -1;
    if (index < 0 || index >= count) {
        problems.push_back({ValidationError, where,
                            item ? item->GetName() + " = \"" + item->GetValue() + "\""
                                 : Text(ProbeMsg::ProbeItemMissing)});
        return -1;
    }
    return index;
}

} // namespace

bool ProbePlan::InPass(const ProbeCommand& command, int pass) const {
    return InScanCycle(command.slowScan, pass, line_.scanRatio);
}

ResultCode ProbePlan::Build(const Project& project, std::vector<ConfigProblem>& problems) {
    commands_.clear();
    problems.clear();
    const Subnet& subnet = project.GetSubnet();
    const std::string subnetName = subnet.GetName();
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster) {
        problems.push_back({ValidationError, subnetName, Text(ProbeMsg::ProbeUniversalMode)});
        return ValidationError;
    }
    const Node* node = subnet.GetNodeAt(0);
    if (!node || node->GetCommandCount() == 0) {
        problems.push_back({ValidationError, node ? node->GetName() : subnetName,
                            Text(ProbeMsg::ProbeNoCommands)});
        return ValidationError;
    }
    CheckReport report = CheckConfiguration(project);
    if (report.code != Success) {
        problems = std::move(report.problems);
        return report.code;
    }

    // The line.
    const int baud = Choice(subnet.GetItem(Subnet::BaudRateIndex), 9, subnetName, problems);
    const int parity = Choice(subnet.GetItem(Subnet::ParityIndex), 5, subnetName, problems);
    const int stop = Choice(subnet.GetItem(Subnet::StopBitsIndex), 2, subnetName, problems);
    int data = 8;
    Number(subnet.GetItem(Subnet::DataBitsIndex), 7, 8, subnetName, problems, data);
    const int mode = Choice(subnet.GetItem(Subnet::CommModeIndex), 2, subnetName, problems);
    line_.baud = baud >= 0 ? kBauds[baud] : 19200;
    line_.parity = parity >= 0 ? kParities[parity] : 'N';
    line_.stopBits = stop == 1 ? 2 : 1;
    line_.dataBits = data;
    line_.ascii = mode == 1;
    Number(subnet.GetItem(Subnet::ResponseTimeoutIndex), 300, 6000, subnetName, problems,
           line_.responseTimeoutMs);
    Number(subnet.GetItem(Subnet::PollDelayIndex), 0, 2500, subnetName, problems,
           line_.pollDelayMs);
    Number(subnet.GetItem(Subnet::ScanRatioIndex), 1, 255, subnetName, problems, line_.scanRatio);

    int slave = 1;
    Number(node->GetItem(0), 1, 247, node->GetName(), problems, slave);

    for (int c = 0; c < node->GetCommandCount(); ++c) {
        const Command* command = node->GetCommandAt(c);
        const std::string where = node->GetName() + " / " + CommandLabel(c, command->GetName());
        ProbeCommand out;
        out.index = c;
        out.name = ShownCommandName(command->GetName(), command->GetFunctionIndex());
        out.slave = slave;
        out.configuredFunction = command->GetFunctionCode();
        switch (out.configuredFunction) {
        case 1:
        case 2:
        case 3:
        case 4:
            out.function = out.configuredFunction;
            break;
        case 5:
        case 15:
            out.function = 1;
            break;
        case 6:
        case 16:
            out.function = 3;
            break;
        default:
            problems.push_back({ValidationError, where, Text(ProbeMsg::ProbeItemMissing)});
            continue;
        }
        Number(command->GetItem(Command::RegisterRow), 0, 65535, where, problems, out.address);
        const int most = line_.ascii ? 45 : out.IsRegisters() ? 84 : 400;
        Number(command->GetItem(Command::DataNumberRow), 1, most, where, problems, out.count);
        if (out.address + out.count > 65536)
            problems.push_back(
                {OutOfRange, where, command->GetItem(Command::DataNumberRow)->GetName()});
        std::uint32_t mapAddress = 0;
        int bitOffset = 0, bitLength = 0;
        const int direction = command->GetMapping(mapAddress, bitOffset, bitLength);
        const ParamItem* mapItem = command->GetItem(Command::MappingRow);
        out.output = direction == OutputDirection;
        const std::uint32_t base = out.output ? kOutputBase : 0;
        if (!mapItem || mapItem->GetValue().empty()) {
            problems.push_back({ItemEmpty, where, mapItem ? mapItem->GetName() : ""});
        } else if (mapAddress < base || mapAddress - base >= kMemoryBytes) {
            problems.push_back(
                {OutOfRange, where, mapItem->GetName() + " = \"" + mapItem->GetValue() + "\""});
        }
        out.mapByte = static_cast<int>(mapAddress - base) % kMemoryBytes;
        if (!out.IsRegisters())
            Number(command->GetItem(Command::BitOffsetRow), 0, 7, where, problems, out.bitOffset);
        if (out.LastBit() >= kMemoryDataBits)
            problems.push_back({MappingOverflow, where, mapItem ? mapItem->GetName() : ""});
        const int swap = command->GetChoiceIndex(Command::SwappingRow);
        out.swapping = swap == 1   ? Swapping::TwoBytes
                       : swap == 2 ? Swapping::FourBytes
                                   : Swapping::None;
        out.slowScan = command->GetChoiceIndex(Command::ScanningRow) == 1;
        commands_.push_back(out);
    }
    // What passed the check and still cannot be sent (a range only the
    // line limits, such as an ASCII frame's length).
    if (!problems.empty()) {
        commands_.clear();
        return problems.front().code;
    }
    return Success;
}

} // namespace varkel
