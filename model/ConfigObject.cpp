#include "model/ConfigObject.h"

#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <algorithm>

namespace varkel {
namespace {

template <typename T>
bool TakeOut(std::vector<std::unique_ptr<T>>& list, std::vector<std::unique_ptr<T>>& retired,
             T* object) {
    if (!object)
        return false;
    auto it = std::find_if(list.begin(), list.end(),
                           [object](const auto& p) { return p.get() == object; });
    if (it != list.end()) {
        retired.push_back(std::move(*it));
        list.erase(it);
    }
    return true;
}

template <typename T>
void TakeAll(std::vector<std::unique_ptr<T>>& list, std::vector<std::unique_ptr<T>>& retired) {
    for (auto& p : list)
        retired.push_back(std::move(p));
    list.clear();
}

template <typename T> T* At(const std::vector<std::unique_ptr<T>>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size()))
        return nullptr;
    return list[static_cast<std::size_t>(index)].get();
}

} // namespace

Command* ConfigObject::CreateCommand(int functionIndex) {
    commands_.push_back(std::make_unique<Command>("Bus Command", functionIndex));
    return commands_.back().get();
}

bool ConfigObject::AddCommand(std::unique_ptr<Command> command) {
    if (!command)
        return false;
    commands_.push_back(std::move(command));
    return true;
}

Node* ConfigObject::CreateNode() {
    nodes_.push_back(std::make_unique<Node>("Node(" + std::to_string(GetNodeCount() + 1) + ")"));
    return nodes_.back().get();
}

bool ConfigObject::AddNode(std::unique_ptr<Node> node) {
    if (!node)
        return false;
    nodes_.push_back(std::move(node));
    return true;
}

bool ConfigObject::RemoveCommand(Command* command) {
    return TakeOut(commands_, retiredCommands_, command);
}

bool ConfigObject::RemoveNode(Node* node) {
    return TakeOut(nodes_, retiredNodes_, node);
}

void ConfigObject::RemoveAllCommands() {
    TakeAll(commands_, retiredCommands_);
}

void ConfigObject::RemoveAllNodes() {
    TakeAll(nodes_, retiredNodes_);
}

Command* ConfigObject::GetCommandAt(int index) const {
    return At(commands_, index);
}

Node* ConfigObject::GetNodeAt(int index) const {
    return At(nodes_, index);
}

ParamItem* ConfigObject::GetItem(int index) const {
    return At(items_, index);
}

ParamItem* ConfigObject::ItemAt(const ItemList& list, int index) const {
    return At(list, index);
}

void ConfigObject::RetireItems(ItemList& list) {
    TakeAll(list, retiredItems_);
}

void ConfigObject::AddItem(std::unique_ptr<ParamItem> item) {
    if (item)
        items_.push_back(std::move(item));
}

int ConfigObject::GetChoiceIndex(int itemIndex) const {
    ParamItem* item = GetItem(itemIndex);
    return item ? item->ChoiceIndex() : -1;
}

int ConfigObject::GetIntValue(int itemIndex) const {
    ParamItem* item = GetItem(itemIndex);
    return item ? item->IntValue() : -1;
}

bool ConfigObject::SetChoiceIndex(int itemIndex, int choice) {
    ParamItem* item = GetItem(itemIndex);
    if (!item || choice < 0 || choice >= static_cast<int>(item->GetChoices().size()))
        return false;
    item->SetValue(item->GetChoices()[static_cast<std::size_t>(choice)]);
    return true;
}

bool ConfigObject::SetIntValue(int itemIndex, int value) {
    ParamItem* item = GetItem(itemIndex);
    if (!item)
        return false;
    item->SetValue(std::to_string(value));
    return true;
}

void ConfigObject::Reset() {
    protocolType_ = ProtocolType::ModbusMaster;
    RemoveAllNodes();
    RemoveAllCommands();
}

bool ConfigObject::AutoMap(std::string* overflow) {
    int inputCounter = 0;
    int outputCounter = 0;
    for (auto& node : nodes_)
        node->AutoMap(inputCounter, outputCounter);
    const int lastInput = inputCounter != 0 ? inputCounter - 1 : 0;
    const int lastOutput = outputCounter != 0 ? outputCounter - 1 : 0;
    const int key = lastInput > 167    ? kKeyInputMappingOverflow
                    : lastOutput > 167 ? kKeyOutputMappingOverflow
                                       : 0;
    if (key == 0)
        return true;
    if (overflow)
        *overflow = LocalText(key);
    return false;
}

void ConfigObject::CopyContentFrom(const ConfigObject& other) {
    RetireItems(items_);
    RemoveAllNodes();
    RemoveAllCommands();
    for (const auto& item : other.items_)
        items_.push_back(item->Clone());
    for (const auto& node : other.nodes_)
        nodes_.push_back(node->Clone());
    for (const auto& command : other.commands_)
        commands_.push_back(command->Clone());
    protocolType_ = other.protocolType_;
}

void ConfigObject::TakeContentFrom(ConfigObject& other) {
    RetireItems(items_);
    RemoveAllNodes();
    RemoveAllCommands();
    items_ = std::move(other.items_);
    nodes_ = std::move(other.nodes_);
    commands_ = std::move(other.commands_);
    other.items_.clear();
    other.nodes_.clear();
    other.commands_.clear();
    protocolType_ = other.protocolType_;
}

void ConfigObject::ReleaseRetired() {
    retiredCommands_.clear();
    retiredNodes_.clear();
    retiredItems_.clear();
    for (auto& node : nodes_)
        node->ReleaseRetired();
    for (auto& command : commands_)
        command->ReleaseRetired();
}

} // namespace varkel
