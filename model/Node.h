#pragma once
#include "model/Command.h"
#include "model/ConfigProblem.h"
#include "model/MemoryMap.h"
#include "model/ParamItem.h"
#include "model/ResultCode.h"

#include <memory>
#include <string>

namespace varkel {

inline constexpr int kMaxCommands = 48;

// One Modbus slave on the subnet: its slave address and its commands.
class Node {
public:
    Node() = default; // no items, no commands: used when loading
    explicit Node(const std::string& name);

    Command* CreateCommand(int functionIndex);
    // Takes the command only when its function is supported.
    bool AddCommand(std::unique_ptr<Command> command);
    // Takes the command out of the list; it stays alive until released.
    bool RemoveCommand(Command* command);
    Command* GetCommandAt(int index) const;
    // Puts the command before the one at the index (at the end when the index
    // is the count); same rule as AddCommand.
    [[nodiscard]] bool InsertCommand(int index, std::unique_ptr<Command> command);
    // Swaps the commands at the two indexes: the order is the polling order.
    [[nodiscard]] bool SwapCommands(int first, int second);
    int IndexOfCommand(const Command* command) const;
    int GetCommandCount() const { return static_cast<int>(commands_.size()); }
    void RemoveAllCommands();
    bool AddItem(std::unique_ptr<ParamItem> item);
    ParamItem* GetItem(int index) const;
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    std::string GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    // What a download refuses in the node, in the order it checks: more
    // commands than the gateway keeps, an empty slave address, then the
    // commands' empty items.
    std::vector<ConfigProblem> Validate() const;
    [[nodiscard]] ResultCode MarkMemoryUse(MemoryCounts& input, MemoryCounts& output,
                                           bool report) const;
    // MappingConflict at the first command whose mapping overlaps another's
    // in the same direction, with the pair's description in message.
    [[nodiscard]] ResultCode CheckConflicts(std::string* message = nullptr) const;
    [[nodiscard]] ResultCode CheckCommandConflicts(const Command* command,
                                                   std::string* message = nullptr) const;

    void AutoMap(int& inputCounter, int& outputCounter);

    std::unique_ptr<Node> Clone() const;
    void ReleaseRetired();

private:
    CommandList commands_;
    ItemList items_;
    CommandList retiredCommands_;
    std::string name_;
};

using NodeList = std::vector<std::unique_ptr<Node>>;

} // namespace varkel
