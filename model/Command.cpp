#include "model/Command.h"

#include "model/FunctionCode.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "model/ValueCheck.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace varkel {
namespace {

std::unique_ptr<ParamItem> MakeItem(int nameKey, const std::string& help, const std::string& value,
                                    int state, int enable) {
    auto item = std::make_unique<ParamItem>();
    item->Set(LocalText(nameKey), help, value, state, enable);
    return item;
}

long long CeilDiv8(long long bits) {
    return bits <= 0 ? 0 : (bits + 7) / 8;
}

int ClampInt(long long v) {
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

} // namespace

Command::Command(const std::string& name, int functionIndex)
    : name_(name), functionIndex_(functionIndex) {
    const FunctionFacts& f = FactsOfIndex(functionIndex);
    if (!f.supported)
        return;
    const bool word = f.access == FunctionFacts::Word;

    items_.push_back(MakeItem(3051, LocalText(kKeyFunctionCodeHelp), std::to_string(f.code),
                              ParamItem::ShownOnly, 0));
    items_.push_back(
        MakeItem(3053, LocalText(kKeyModbusStartAddressHelp), "", ParamItem::Typed, 1));
    items_.push_back(MakeItem(3005, LocalText(kKeyDataNumberHelp), f.single ? "1" : "",
                              ParamItem::Typed, f.single ? 0 : 1));
    items_.push_back(MakeItem(3007, LocalText(f.output ? 3009 : 3008), "", ParamItem::Typed, 1));
    items_.push_back(MakeItem(3010, LocalText(kKeyBitOffsetHelp), "0", ParamItem::Typed,
                              f.HasBitOffset() ? 1 : 0));
    items_.push_back(MakeItem(3012, "", "0", ParamItem::ShownOnly, 0));
    auto swapping = MakeItem(3014, LocalText(kKeySwappingHelp), LocalText(kKeyNoSwapping),
                             ParamItem::Picked, word ? 1 : 0);
    for (int key : {52, 53, 54})
        swapping->AddChoice(LocalText(key));
    items_.push_back(std::move(swapping));
    items_.push_back(MakeItem(3016, LocalText(kKeyCheckTypeHelp), "CRC", ParamItem::ShownOnly, 0));
    auto scanning = MakeItem(3018, LocalText(kKeyScanningModeHelp), LocalText(kKeyQuickScan),
                             ParamItem::Picked, 1);
    for (int key : {56, 55})
        scanning->AddChoice(LocalText(key));
    items_.push_back(std::move(scanning));
    items_.push_back(MakeItem(3020, LocalText(kKeyMnemonicHelp), "", ParamItem::Typed, 1));
    // A single write's byte count is known at once: one coil or one register.
    UpdateBytesNumber();
}

bool Command::AddItem(std::unique_ptr<ParamItem> item) {
    if (!item)
        return false;
    items_.push_back(std::move(item));
    return true;
}

bool Command::RemoveItem(ParamItem* item) {
    if (!item)
        return false;
    auto it = std::find_if(items_.begin(), items_.end(),
                           [item](const auto& p) { return p.get() == item; });
    if (it != items_.end()) {
        retiredItems_.push_back(std::move(*it));
        items_.erase(it);
    }
    return true;
}

ParamItem* Command::GetItem(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

void Command::RemoveAllItems() {
    for (auto& item : items_)
        retiredItems_.push_back(std::move(item));
    items_.clear();
}

int Command::GetChoiceIndex(int itemIndex) const {
    ParamItem* item = GetItem(itemIndex);
    return item ? item->ChoiceIndex() : -1;
}

int Command::GetIntValue(int itemIndex) const {
    ParamItem* item = GetItem(itemIndex);
    return item ? item->IntValue() : -1;
}

std::vector<ConfigProblem> Command::Validate(const std::string& where) const {
    std::vector<ConfigProblem> problems;
    auto checkEmpty = [&](int row) {
        ParamItem* item = GetItem(row);
        if (!item || !item->GetValue().empty())
            return;
        problems.push_back(
            {ItemEmpty,
             where,
             item->GetName(),
             {},
             LocalText(kKeyDataEmpty) + "\r\n\"" + name_ + "\\" + item->GetName() + "\""});
    };
    for (int row : {RegisterRow, DataNumberRow, MappingRow})
        checkEmpty(row);
    if (FactsOfIndex(functionIndex_).HasBitOffset())
        checkEmpty(BitOffsetRow);
    return problems;
}

int Command::GetMappingBits(std::uint32_t& address, int& bitOffset, int& bitLength,
                            int& direction) const {
    auto valueOf = [this](int row) {
        ParamItem* item = GetItem(row);
        return item ? item->IntValue() : 0;
    };
    const int c = valueOf(FunctionCodeRow);
    const long long n = valueOf(DataNumberRow);
    const int o = valueOf(BitOffsetRow);
    ParamItem* mapping = GetItem(MappingRow);
    address = mapping ? MappingAddressValue(mapping->GetValue()) : 0;
    bitOffset = o;
    const FunctionFacts& f = FactsOfCode(c);
    const long long length = f.access == FunctionFacts::Word ? 16 * n : f.single ? 1 : n;
    direction = f.output ? OutputDirection : InputDirection;
    bitLength = ClampInt(length);
    return bitOffset;
}

int Command::GetMapping(std::uint32_t& address, int& bitOffset, int& bitLength) const {
    int direction = InputDirection;
    GetMappingBits(address, bitOffset, bitLength, direction);
    return direction;
}

int Command::GetFunctionCode() const {
    return GetItem(FunctionCodeRow) ? GetIntValue(0) : -1;
}

ResultCode Command::MarkMemoryUse(MemoryCounts& input, MemoryCounts& output, bool report) const {
    std::uint32_t address = 0;
    int bitOffset = 0;
    int length = 0;
    const int direction = GetMapping(address, bitOffset, length);
    if (length == 0 && report)
        return ItemEmpty;
    const long long byteNumber =
        direction == OutputDirection ? static_cast<long long>(address) - kOutputBase : address;
    if (byteNumber * 8 + length >= kMemoryBits && report)
        return MappingOverflow;
    if (length <= 0)
        return Success;
    const long long first = std::min<long long>(byteNumber * 8, kMemoryBits - 1);
    MemoryCounts& counts = direction == OutputDirection ? output : input;
    // Bits below 0 count at bit 0 and bits past the end at the last bit; the
    // ranges are added in bulk so that a huge length cannot stall the check.
    const long long lo = first + bitOffset;
    const long long hi = lo + length - 1;
    auto add = [&counts](int bit, long long times) {
        long long v = counts[static_cast<std::size_t>(bit)] + times;
        counts[static_cast<std::size_t>(bit)] = v > INT_MAX ? INT_MAX : static_cast<int>(v);
    };
    if (lo < 0)
        add(0, std::min<long long>(hi, -1) - lo + 1);
    for (long long bit = std::max<long long>(lo, 0);
         bit <= std::min<long long>(hi, kMemoryBits - 2); ++bit)
        add(static_cast<int>(bit), 1);
    if (hi >= kMemoryBits - 1)
        add(kMemoryBits - 1, hi - std::max<long long>(lo, kMemoryBits - 1) + 1);
    return Success;
}

long long Command::MappedBytes() const {
    const FunctionFacts& f = FactsOfCode(GetIntValue(FunctionCodeRow));
    const long long n = GetIntValue(DataNumberRow);
    const long long o = GetIntValue(BitOffsetRow);
    if (f.access == FunctionFacts::Word)
        return 2 * n;
    return CeilDiv8((f.single ? 1 : n) + o);
}

bool Command::UpdateBytesNumber() {
    ParamItem* count = GetItem(BytesNumberRow);
    if (!count || !GetItem(FunctionCodeRow) || !GetItem(DataNumberRow) || !GetItem(BitOffsetRow))
        return false;
    const std::string value = std::to_string(ClampInt(MappedBytes()));
    if (count->GetValue() == value)
        return false;
    count->SetValue(value);
    return true;
}

void Command::AutoMapStep(int& inputCounter, int& outputCounter) {
    ParamItem* mapping = GetItem(MappingRow);
    if (!GetItem(FunctionCodeRow) || !GetItem(DataNumberRow) || !GetItem(BitOffsetRow) || !mapping)
        return;
    const bool input = !FactsOfCode(GetIntValue(FunctionCodeRow)).output;
    const long long bytes = MappedBytes();
    int& counter = input ? inputCounter : outputCounter;
    const unsigned address =
        static_cast<unsigned>(counter) + (input ? 0u : static_cast<unsigned>(kOutputBase));
    char text[16];
    std::snprintf(text, sizeof text, "%4.4XH", address & 0xFFFFFFFFu);
    mapping->SetValue(text);
    counter = ClampInt(static_cast<long long>(counter) + bytes);
    UpdateBytesNumber();
}

std::unique_ptr<Command> Command::Clone() const {
    auto copy = std::make_unique<Command>();
    copy->name_ = name_;
    copy->functionIndex_ = functionIndex_;
    for (const auto& item : items_)
        copy->items_.push_back(item->Clone());
    return copy;
}

} // namespace varkel
