#pragma once
#include "model/ConfigProblem.h"
#include "model/MemoryMap.h"
#include "model/ParamItem.h"
#include "model/ResultCode.h"

#include <cstdint>
#include <memory>
#include <string>

namespace varkel {

// One Modbus request the gateway sends to a slave over and over: ten items
// built from the function code.
class Command {
public:
    // Item rows.
    enum Row {
        FunctionCodeRow = 0,
        RegisterRow = 1,
        DataNumberRow = 2,
        MappingRow = 3,
        BitOffsetRow = 4,
        BytesNumberRow = 5,
        SwappingRow = 6,
        CheckTypeRow = 7,
        ScanningRow = 8,
        MnemonicRow = 9,
    };

    Command() = default; // no items, empty name: used when loading
    Command(const std::string& name, int functionIndex);

    bool AddItem(std::unique_ptr<ParamItem> item);
    bool RemoveItem(ParamItem* item);
    ParamItem* GetItem(int index) const;
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    void RemoveAllItems();
    std::string GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int GetFunctionIndex() const { return functionIndex_; }
    void SetFunctionIndex(int index) { functionIndex_ = index; }
    int GetChoiceIndex(int itemIndex) const;
    int GetIntValue(int itemIndex) const;
    // The items a download needs that are empty, in row order, named as
    // the problem listing names them under where.
    std::vector<ConfigProblem> Validate(const std::string& where = std::string()) const;
    [[nodiscard]] ResultCode MarkMemoryUse(MemoryCounts& input, MemoryCounts& output,
                                           bool report) const;
    // Both return the mapping: start address (with the 4000H base for
    // output), bit offset, length in bits and direction.
    int GetMappingBits(std::uint32_t& address, int& bitOffset, int& bitLength,
                       int& direction) const;
    int GetMapping(std::uint32_t& address, int& bitOffset, int& bitLength) const;
    int GetFunctionCode() const;

    // The bytes of memory the command takes from its mapping address on, by
    // its function, data number and bit offset: what "Bytes number" shows
    // and what Auto Mapping moves its counter on by.
    long long MappedBytes() const;
    // Sets "Bytes number" to MappedBytes(); true when its value changed.
    bool UpdateBytesNumber();
    // Writes the next mapping address and byte count, advancing the counter
    // of the command's direction.
    void AutoMapStep(int& inputCounter, int& outputCounter);

    std::unique_ptr<Command> Clone() const;
    void ReleaseRetired() { retiredItems_.clear(); }

private:
    ItemList items_;
    ItemList retiredItems_; // taken out of the list but maybe still shown
    std::string name_;
    int functionIndex_ = -1;
};

using CommandList = std::vector<std::unique_ptr<Command>>;

} // namespace varkel
