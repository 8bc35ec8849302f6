#include "model/Node.h"

#include "model/Catalog.h"
#include "model/ConfigCheck.h"
#include "model/FunctionCode.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <algorithm>
#include <cstdio>

namespace varkel {

Node::Node(const std::string& name) : name_(name) {
    auto address = std::make_unique<ParamItem>();
    address->Set(LocalText(kKeySlaveAddress), LocalText(kKeySlaveAddressHelp), "1",
                 ParamItem::Typed, 1);
    items_.push_back(std::move(address));
}

Command* Node::CreateCommand(int functionIndex) {
    FunctionInfo info = LookupFunctionCode(functionIndex);
    if (!info.supported)
        return nullptr;
    commands_.push_back(std::make_unique<Command>(info.name, functionIndex));
    return commands_.back().get();
}

bool Node::AddCommand(std::unique_ptr<Command> command) {
    if (!command || !LookupFunctionCode(command->GetFunctionIndex()).supported)
        return false;
    commands_.push_back(std::move(command));
    return true;
}

bool Node::RemoveCommand(Command* command) {
    if (!command)
        return false;
    auto it = std::find_if(commands_.begin(), commands_.end(),
                           [command](const auto& p) { return p.get() == command; });
    if (it != commands_.end()) {
        retiredCommands_.push_back(std::move(*it));
        commands_.erase(it);
    }
    return true;
}

bool Node::InsertCommand(int index, std::unique_ptr<Command> command) {
    if (!command || !LookupFunctionCode(command->GetFunctionIndex()).supported || index < 0 ||
        index > GetCommandCount())
        return false;
    commands_.insert(commands_.begin() + index, std::move(command));
    return true;
}

bool Node::SwapCommands(int first, int second) {
    if (first < 0 || second < 0 || first >= GetCommandCount() || second >= GetCommandCount())
        return false;
    std::swap(commands_[std::size_t(first)], commands_[std::size_t(second)]);
    return true;
}

int Node::IndexOfCommand(const Command* command) const {
    for (int i = 0; i < GetCommandCount(); ++i)
        if (commands_[std::size_t(i)].get() == command)
            return i;
    return -1;
}

Command* Node::GetCommandAt(int index) const {
    if (index < 0 || index >= GetCommandCount())
        return nullptr;
    return commands_[static_cast<std::size_t>(index)].get();
}

void Node::RemoveAllCommands() {
    for (auto& command : commands_)
        retiredCommands_.push_back(std::move(command));
    commands_.clear();
}

bool Node::AddItem(std::unique_ptr<ParamItem> item) {
    if (!item)
        return false;
    items_.push_back(std::move(item));
    return true;
}

ParamItem* Node::GetItem(int index) const {
    if (index < 0 || index >= GetItemCount())
        return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

std::vector<ConfigProblem> Node::Validate() const {
    std::vector<ConfigProblem> problems;
    // A hand-edited file can hold more commands than the gateway keeps.
    if (GetCommandCount() > kMaxCommands)
        problems.push_back({OutOfRange,
                            name_,
                            Text(Msg::CheckTooManyCommands,
                                 {std::to_string(GetCommandCount()), std::to_string(kMaxCommands)}),
                            {},
                            LocalText(kKeyAtMost48Commands)});
    if (ParamItem* address = GetItem(0); address && address->GetValue().empty())
        problems.push_back({ItemEmpty,
                            name_,
                            address->GetName(),
                            {},
                            LocalText(kKeyDataEmpty) + "\r\n\"" + address->GetName() + "\""});
    for (int c = 0; c < GetCommandCount(); ++c) {
        const Command& command = *commands_[static_cast<std::size_t>(c)];
        for (ConfigProblem& problem :
             command.Validate(name_ + " / " + CommandLabel(c, command.GetName())))
            problems.push_back(std::move(problem));
    }
    return problems;
}

ResultCode Node::MarkMemoryUse(MemoryCounts& input, MemoryCounts& output, bool report) const {
    for (const auto& command : commands_)
        if (ResultCode result = command->MarkMemoryUse(input, output, report))
            return result;
    return Success;
}

ResultCode Node::CheckConflicts(std::string* message) const {
    for (const auto& command : commands_)
        if (ResultCode result = CheckCommandConflicts(command.get(), message))
            return result;
    return Success;
}

ResultCode Node::CheckCommandConflicts(const Command* x, std::string* message) const {
    if (!x)
        return Success;
    std::uint32_t addressX = 0;
    int offsetX = 0, lengthX = 0, directionX = 0;
    x->GetMappingBits(addressX, offsetX, lengthX, directionX);
    // A command without bits occupies nothing and so meets nothing.
    if (lengthX <= 0)
        return Success;
    const std::uint32_t startX = addressX * 8u + static_cast<std::uint32_t>(offsetX);
    const std::uint32_t endX = startX + static_cast<std::uint32_t>(lengthX) - 1u;
    for (const auto& y : commands_) {
        if (y.get() == x)
            continue;
        std::uint32_t addressY = 0;
        int offsetY = 0, lengthY = 0, directionY = 0;
        y->GetMappingBits(addressY, offsetY, lengthY, directionY);
        if (directionY != directionX || lengthY <= 0)
            continue;
        const std::uint32_t startY = addressY * 8u + static_cast<std::uint32_t>(offsetY);
        const std::uint32_t endY = startY + static_cast<std::uint32_t>(lengthY) - 1u;
        const bool overlap =
            (startX >= startY && startX <= endY) || (endX >= startY && endX <= endY);
        if (!overlap)
            continue;
        const std::string nameX = x->GetName();
        const std::string nameY = y->GetName();
        const std::string pattern = Text(Msg::MappingConflictPair);
        const char* format = pattern.c_str();
        int size = std::snprintf(nullptr, 0, format, nameX.c_str(), nameY.c_str(), nameX.c_str(),
                                 addressX, static_cast<unsigned>(offsetX),
                                 static_cast<unsigned>(lengthX), nameY.c_str(), addressY,
                                 static_cast<unsigned>(offsetY), static_cast<unsigned>(lengthY));
        std::string text(static_cast<std::size_t>(size) + 1, '\0');
        std::snprintf(text.data(), text.size(), format, nameX.c_str(), nameY.c_str(), nameX.c_str(),
                      addressX, static_cast<unsigned>(offsetX), static_cast<unsigned>(lengthX),
                      nameY.c_str(), addressY, static_cast<unsigned>(offsetY),
                      static_cast<unsigned>(lengthY));
        text.resize(static_cast<std::size_t>(size));
        if (message)
            *message = std::move(text);
        return MappingConflict;
    }
    return Success;
}

void Node::AutoMap(int& inputCounter, int& outputCounter) {
    for (auto& command : commands_)
        command->AutoMapStep(inputCounter, outputCounter);
}

std::unique_ptr<Node> Node::Clone() const {
    auto copy = std::make_unique<Node>();
    copy->name_ = name_;
    for (const auto& item : items_)
        copy->items_.push_back(item->Clone());
    for (const auto& command : commands_)
        copy->commands_.push_back(command->Clone());
    return copy;
}

void Node::ReleaseRetired() {
    retiredCommands_.clear();
    for (auto& command : commands_)
        command->ReleaseRetired();
}

} // namespace varkel
