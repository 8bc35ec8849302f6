#include "model/PlcTags.h"

#include "model/Catalog.h"
#include "model/IoList.h"
#include "model/ItemKeys.h"
#include "model/MemoryMap.h"
#include "model/Node.h"
#include "model/Subnet.h"
#include "model/Utf8.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

namespace varkel {
namespace {

struct TypeRow {
    PlcTagType type;
    const char* name;
    const char* s7Name;
    int registers;
};

constexpr TypeRow kTypes[] = {
    {PlcTagType::Bool, "BOOL", "Bool", 0},    {PlcTagType::Int, "INT", "Int", 1},
    {PlcTagType::Uint, "UINT", "UInt", 1},    {PlcTagType::Word, "WORD", "Word", 1},
    {PlcTagType::Dint, "DINT", "DInt", 2},    {PlcTagType::Udint, "UDINT", "UDInt", 2},
    {PlcTagType::Dword, "DWORD", "DWord", 2}, {PlcTagType::Real, "REAL", "Real", 2},
};

const TypeRow& RowOf(PlcTagType type) {
    for (const TypeRow& row : kTypes)
        if (row.type == type)
            return row;
    return kTypes[0];
}

bool IsRegisterFunction(int code) {
    return code == 3 || code == 4 || code == 6 || code == 16;
}

// Short register kinds for names without mnemonic.
const char* KindOf(int code) {
    switch (code) {
    case 2:
        return "DI";
    case 3:
    case 6:
    case 16:
        return "HR";
    case 4:
        return "IR";
    default:
        break;
    }
    return "COIL";
}

// Punctuation, symbols and the like outside ASCII; everything else there is
// taken for a letter, as the S7 tool and spreadsheets do with CJK names.
bool IsNonAsciiSeparator(std::uint32_t c) {
    return c < 0xC0 || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) ||
           (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
           (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65) || c >= 0xFFF0;
}

// Letters, digits and single underscores between them; nothing else.
std::string ValidName(const std::string& text, bool asciiOnly) {
    std::string out;
    bool gap = false;
    for (std::size_t p = 0; p < text.size();) {
        std::uint32_t code = 0;
        std::size_t length = DecodeUtf8(text, p, code);
        bool keep = false;
        if (length == 0) {
            length = 1;
        } else if (code < 0x80) {
            keep = std::isalnum(static_cast<unsigned char>(code)) != 0;
        } else {
            keep = !asciiOnly && !IsNonAsciiSeparator(code);
        }
        if (keep) {
            if (gap && !out.empty())
                out += '_';
            gap = false;
            out.append(text, p, length);
        } else {
            gap = true;
        }
        p += length;
    }
    if (!out.empty() && std::isdigit(static_cast<unsigned char>(out[0])))
        out.insert(out.begin(), '_');
    return out;
}

// The first characters of a text, at most limit of them.
std::string Characters(const std::string& text, int limit) {
    std::size_t p = 0;
    for (int n = 0; n < limit && p < text.size(); ++n) {
        std::uint32_t code = 0;
        const std::size_t length = DecodeUtf8(text, p, code);
        p += length ? length : 1;
    }
    std::string out = text.substr(0, p);
    while (!out.empty() && out.back() == '_')
        out.pop_back();
    return out;
}

int CharacterCount(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string Folded(const std::string& name) {
    std::string out = name;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Makes names unique, case ignored: a later tag whose name is taken gets
// "_2", "_3", ...; the base is shortened, never the suffixes, so that every
// name stays within the limit.
class NameBook {
public:
    explicit NameBook(int limit) : limit_(limit) {}
    std::string Take(const std::string& base, const std::string& suffix) {
        std::string name = Characters(base, limit_ - CharacterCount(suffix)) + suffix;
        for (int n = 2; taken_.count(Folded(name)); ++n) {
            const std::string more = suffix + "_" + std::to_string(n);
            name = Characters(base, limit_ - CharacterCount(more)) + more;
        }
        taken_.insert(Folded(name));
        return name;
    }

private:
    int limit_;
    std::set<std::string> taken_;
};

std::string AddressText(const PlcTagOptions& options, const PlcTag& tag, int plcByte,
                        bool& reachable) {
    const std::string area = tag.memory == OutputDirection ? "%Q" : "%I";
    reachable = true;
    if (tag.type == PlcTagType::Bool) {
        return area + (options.format == PlcTagFormat::Iec ? "X" : "") + std::to_string(plcByte) +
               "." + std::to_string(tag.bit);
    }
    const bool wide = tag.size == 4;
    int index = plcByte;
    if (options.format == PlcTagFormat::Iec && !options.iecByteAddressing) {
        // Word-indexed: %IW1 is bytes 2 and 3, %ID1 bytes 4 to 7.
        reachable = plcByte % tag.size == 0;
        index = plcByte / tag.size;
    }
    return area + (wide ? "D" : "W") + std::to_string(index);
}

std::string SwapNote(int swap, const PlcTag& tag, long long partner) {
    if (swap == 1)
        return Text(tag.size == 4 ? Msg::PlcTagSwapTwoPair : Msg::PlcTagSwapTwoWord);
    if (swap == 2 && tag.size == 4)
        return Text(Msg::PlcTagSwapFourPair);
    if (swap == 2 && partner >= 0)
        return Text(Msg::PlcTagSwapFourWord, {std::to_string(partner)});
    return {};
}

} // namespace

const char* PlcTagTypeName(PlcTagType type) {
    return RowOf(type).name;
}

const char* PlcTagTypeS7Name(PlcTagType type) {
    return RowOf(type).s7Name;
}

bool ParseRegisterTagType(const std::string& text, PlcTagType& type) {
    for (const TypeRow& row : kTypes) {
        if (row.registers > 0 && Folded(text) == Folded(row.name)) {
            type = row.type;
            return true;
        }
    }
    return false;
}

const std::vector<PlcTagType>& RegisterTagTypes() {
    static const std::vector<PlcTagType> types = {
        PlcTagType::Int,   PlcTagType::Uint,  PlcTagType::Word, PlcTagType::Dint,
        PlcTagType::Udint, PlcTagType::Dword, PlcTagType::Real};
    return types;
}

int TagTypeRegisters(PlcTagType type) {
    return RowOf(type).registers;
}

int TagNameLimit(PlcTagFormat format) {
    return format == PlcTagFormat::Iec ? 64 : 128;
}

PlcTagTable BuildPlcTags(const Subnet& subnet, const PlcTagOptions& options) {
    PlcTagTable table;
    table.options = options;
    const IoList list = BuildIoList(subnet);
    if (list.outside > 0)
        table.notes.push_back(Text(Msg::IoListOutsideMemory, {std::to_string(list.outside)}));

    // Command numbers run on across the nodes.
    std::vector<int> firstNumber;
    int number = 1;
    if (subnet.GetProtocolType() == ProtocolType::ModbusMaster) {
        for (int n = 0; n < subnet.GetNodeCount(); ++n) {
            firstNumber.push_back(number);
            const Node* node = subnet.GetNodeAt(n);
            const int slave = node->GetItem(0) ? node->GetItem(0)->IntValue() : 0;
            for (int c = 0; c < node->GetCommandCount(); ++c, ++number) {
                const Command* command = node->GetCommandAt(c);
                PlcTagCommand entry;
                entry.number = number;
                entry.name = ShownCommandName(command->GetName(), command->GetFunctionIndex());
                entry.function = command->GetFunctionCode();
                entry.slave = slave;
                entry.start = std::max(command->GetIntValue(Command::RegisterRow), 0);
                entry.registers = IsRegisterFunction(entry.function);
                entry.count = entry.function == 5 || entry.function == 6
                                  ? 1
                                  : std::max(command->GetIntValue(Command::DataNumberRow), 0);
                table.commands.push_back(std::move(entry));
            }
        }
    }
    for (const auto& [commandNumber, type] : options.types) {
        auto found =
            std::find_if(table.commands.begin(), table.commands.end(),
                         [n = commandNumber](const PlcTagCommand& c) { return c.number == n; });
        if (found == table.commands.end())
            table.problems.push_back(Text(
                Msg::PlcTagNoCommand, {std::to_string(commandNumber), std::to_string(number - 1)}));
        else if (!found->registers || TagTypeRegisters(type) == 0)
            table.problems.push_back(
                Text(Msg::PlcTagNotRegisters, {std::to_string(commandNumber)}));
    }

    NameBook names(TagNameLimit(options.format));
    const bool asciiOnly = options.format == PlcTagFormat::Iec;
    std::size_t unreachable = 0;
    const std::vector<IoRow>& rows = list.rows;
    for (std::size_t i = 0; i < rows.size();) {
        const IoRow& row = rows[i];
        const Command* command = subnet.GetNodeAt(row.node)->GetCommandAt(row.command);
        const int commandNumber = firstNumber[static_cast<std::size_t>(row.node)] + row.command;
        const bool registers = IsRegisterFunction(row.function);
        PlcTagType type = registers ? PlcTagType::Int : PlcTagType::Bool;
        if (auto chosen = options.types.find(commandNumber);
            registers && chosen != options.types.end() && TagTypeRegisters(chosen->second) > 0)
            type = chosen->second;

        // A two-register type takes this register and the next, when the
        // next is the command's following one and lies in the memory too.
        const bool pairable = i + 1 < rows.size() && rows[i + 1].node == row.node &&
                              rows[i + 1].command == row.command &&
                              rows[i + 1].element == row.element + 1;
        bool odd = false;
        if (TagTypeRegisters(type) == 2 && !pairable) {
            type = PlcTagType::Word;
            odd = true;
            table.notes.push_back(Text(Msg::PlcTagOddNote,
                                       {std::to_string(commandNumber), std::to_string(row.count)}));
        }

        PlcTag tag;
        tag.type = type;
        tag.memory = row.memory;
        tag.byte = row.byte;
        tag.bit = registers ? 0 : row.bitFirst;
        tag.registers = TagTypeRegisters(type);
        tag.size = 2 * tag.registers;
        tag.command = commandNumber;
        tag.slave = row.slave;
        tag.function = row.function;
        tag.modbusAddress = row.modbusAddress;
        tag.swap = registers ? row.swap : 0;

        std::string base, suffix;
        if (const ParamItem* mnemonic = command->GetItem(Command::MnemonicRow))
            base = ValidName(mnemonic->GetValue(), asciiOnly);
        // Appended piece by piece: GCC 12 warns of an overlapping copy
        // (-Wrestrict, a false alarm) in "_" + std::to_string(...).
        if (!base.empty()) {
            if (row.count > 1) {
                suffix = '_';
                suffix += std::to_string(row.element);
            }
        } else {
            base = 'S';
            base += std::to_string(row.slave);
            base += '_';
            base += KindOf(row.function);
            base += std::to_string(row.modbusAddress);
        }
        tag.name = names.Take(base, suffix);

        const int plcByte =
            row.byte + (row.memory == OutputDirection ? options.outputBase : options.inputBase);
        bool reachable = true;
        tag.address = AddressText(options, tag, plcByte, reachable);
        if (!reachable && unreachable++ == 0)
            table.problems.push_back(
                Text(Msg::PlcTagUnreachable, {tag.name, std::to_string(plcByte)}));

        std::string where = std::to_string(row.modbusAddress);
        if (tag.registers == 2) {
            where += '-';
            where += std::to_string(row.modbusAddress + 1);
        }
        tag.comment = Text(Msg::PlcTagComment,
                           {std::to_string(row.slave), std::to_string(row.function), where,
                            std::to_string(commandNumber),
                            ShownCommandName(command->GetName(), command->GetFunctionIndex())});
        // Four-byte swapping reverses whole register pairs: a single word
        // holds its partner's bytes; the odd last register stays as it is.
        long long partner = -1;
        if (tag.swap == 2 && tag.size == 2) {
            const bool firstOfPair = row.element % 2 == 0;
            if (firstOfPair && row.element + 1 < row.count)
                partner = row.modbusAddress + 1;
            else if (!firstOfPair)
                partner = row.modbusAddress - 1;
        }
        const std::string swapNote = SwapNote(tag.swap, tag, partner);
        if (!swapNote.empty()) {
            tag.comment += "; " + swapNote;
            tag.swapNoted = true;
        }
        if (odd)
            tag.comment += "; " + Text(Msg::PlcTagOddComment);
        table.tags.push_back(std::move(tag));
        i += type != PlcTagType::Bool && TagTypeRegisters(type) == 2 ? 2 : 1;
    }
    if (unreachable > 1)
        table.problems.push_back(Text(Msg::PlcTagUnreachableMore, {std::to_string(unreachable)}));
    return table;
}

std::vector<PlcTagOverlap> FindPlcTagOverlaps(const PlcTagTable& table) {
    std::vector<PlcTagOverlap> out;
    // The tag that first covered each bit of each memory.
    std::vector<long long> owner(2 * static_cast<std::size_t>(kMemoryDataBits), -1);
    std::set<std::pair<int, int>> pairs;
    for (std::size_t t = 0; t < table.tags.size(); ++t) {
        const PlcTag& tag = table.tags[t];
        const int first = tag.byte * 8 + tag.bit;
        const int bits = tag.size ? tag.size * 8 : 1;
        for (int bit = first; bit < first + bits && bit < kMemoryDataBits; ++bit) {
            long long& slot = owner[static_cast<std::size_t>(tag.memory) * kMemoryDataBits +
                                    static_cast<std::size_t>(bit)];
            if (slot < 0) {
                slot = static_cast<long long>(t);
                continue;
            }
            const PlcTag& other = table.tags[static_cast<std::size_t>(slot)];
            if (other.command != tag.command &&
                pairs.insert(std::minmax(other.command, tag.command)).second)
                out.push_back({static_cast<std::size_t>(slot), t});
        }
    }
    return out;
}

std::string PlcTagOverlapText(const PlcTagTable& table, const PlcTagOverlap& overlap) {
    const PlcTag& a = table.tags[overlap.first];
    const PlcTag& b = table.tags[overlap.second];
    return Text(Msg::PlcTagOverlap, {a.name, a.address, b.name, b.address,
                                     std::to_string(a.command), std::to_string(b.command)});
}

} // namespace varkel
