#include "model/IoList.h"

#include "model/Command.h"
#include "model/MemoryMap.h"
#include "model/Node.h"
#include "model/Subnet.h"

#include <algorithm>
#include <utility>

namespace varkel {
namespace {

// A memory never holds more elements than it has bits, so no command can
// make the list longer than this, however large its data number.
constexpr long long kMaxElements = kMemoryDataBits;

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    return out + "\"";
}

void AddCommandRows(const Command& command, int node, int index, int slave, IoList& list) {
    std::uint32_t address = 0;
    int bitOffset = 0, bitLength = 0, direction = InputDirection;
    command.GetMappingBits(address, bitOffset, bitLength, direction);
    const int code = command.GetFunctionCode();
    const bool registers = code == 3 || code == 4 || code == 6 || code == 16;
    long long count = 1;
    if (code != 5 && code != 6)
        count = std::max(command.GetIntValue(Command::DataNumberRow), 0);

    const long long byte0 = direction == OutputDirection
                                ? static_cast<long long>(address) - kOutputBase
                                : static_cast<long long>(address);
    const long long firstBit = byte0 * 8 + bitOffset;
    std::string base;
    if (const ParamItem* mnemonic = command.GetItem(Command::MnemonicRow))
        base = mnemonic->GetValue();
    if (base.empty()) {
        std::string name(1, 'N');
        name += std::to_string(slave);
        name += "_C";
        // The command's number as people count it, from 1.
        name += std::to_string(index + 1);
        base = std::move(name);
    }
    const long long start = std::max(command.GetIntValue(Command::RegisterRow), 0);
    const int swap = std::max(command.GetChoiceIndex(Command::SwappingRow), 0);
    const bool slow = command.GetChoiceIndex(Command::ScanningRow) == 1;

    for (long long k = 0; k < count; ++k) {
        if (k >= kMaxElements) {
            list.outside += count - k;
            break;
        }
        const long long bit = firstBit + (registers ? 16 * k : k);
        const int width = registers ? 16 : 1;
        if (bit < 0 || bit + width > kMemoryDataBits) {
            ++list.outside;
            continue;
        }
        IoRow row;
        row.tag = count > 1 ? base + "_" + std::to_string(k) : base;
        row.memory = direction;
        row.byte = static_cast<int>(bit / 8);
        row.bitFirst = static_cast<int>(bit % 8);
        row.bitLast = row.bitFirst + width - 1;
        row.slave = slave;
        row.function = code;
        row.modbusAddress = start + k;
        row.swap = swap > 2 ? 2 : swap;
        row.slow = slow;
        row.node = node;
        row.command = index;
        row.element = static_cast<int>(k);
        row.count = static_cast<int>(std::min(count, kMaxElements));
        list.rows.push_back(std::move(row));
    }
}

} // namespace

IoList BuildIoList(const Subnet& subnet) {
    IoList list;
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster)
        return list;
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        const ParamItem* address = node->GetItem(0);
        const int slave = address ? address->IntValue() : 0;
        for (int c = 0; c < node->GetCommandCount(); ++c)
            AddCommandRows(*node->GetCommandAt(c), n, c, slave, list);
    }
    return list;
}

const std::vector<std::string>& IoListColumns() {
    static const std::vector<std::string> columns = {
        "tag",   "memory",   "byte",           "bit_first", "bit_last",
        "slave", "function", "modbus_address", "swap",      "scan"};
    return columns;
}

std::vector<std::string> IoRowFields(const IoRow& row) {
    static const char* const swaps[] = {"none", "two", "four"};
    return {row.tag,
            row.memory == OutputDirection ? "output" : "input",
            std::to_string(row.byte),
            std::to_string(row.bitFirst),
            std::to_string(row.bitLast),
            std::to_string(row.slave),
            std::to_string(row.function),
            std::to_string(row.modbusAddress),
            swaps[row.swap],
            row.slow ? "slow" : "quick"};
}

std::string IoListCsv(const IoList& list, bool byteOrderMark) {
    std::string out = byteOrderMark ? "\xEF\xBB\xBF" : "";
    auto line = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i)
                out += ',';
            out += CsvField(fields[i]);
        }
        out += "\r\n";
    };
    line(IoListColumns());
    for (const IoRow& row : list.rows)
        line(IoRowFields(row));
    return out;
}

} // namespace varkel
