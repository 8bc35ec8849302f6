#pragma once
#include "model/Command.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/ProtocolType.h"

#include <memory>
#include <string>

namespace varkel {

// Base of the subnet and the fieldbus: a name, items, nodes and bus
// commands with a uniform interface for the tree, grid, file and mapping.
class ConfigObject {
public:
    ConfigObject() = default;
    virtual ~ConfigObject() = default;
    ConfigObject(const ConfigObject&) = delete;
    ConfigObject& operator=(const ConfigObject&) = delete;

    Command* CreateCommand(int functionIndex);
    bool AddCommand(std::unique_ptr<Command> command);
    Node* CreateNode();
    bool AddNode(std::unique_ptr<Node> node);
    // Removal takes objects out of the lists; they stay alive until
    // ReleaseRetired, because tree entries may still point at them.
    bool RemoveCommand(Command* command);
    bool RemoveNode(Node* node);
    void RemoveAllCommands();
    void RemoveAllNodes();
    int GetCommandCount() const { return static_cast<int>(commands_.size()); }
    int GetNodeCount() const { return static_cast<int>(nodes_.size()); }
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    Command* GetCommandAt(int index) const;
    Node* GetNodeAt(int index) const;
    virtual ParamItem* GetItem(int index) const;
    std::string GetName() const { return name_; }
    void AddItem(std::unique_ptr<ParamItem> item);
    ProtocolType GetProtocolType() const { return protocolType_; }
    virtual void SetProtocolType(ProtocolType type) { protocolType_ = type; }
    // The type as a file stores it, without touching any item.
    void RestoreProtocolType(ProtocolType type) { protocolType_ = type; }
    virtual int GetChoiceIndex(int itemIndex) const;
    virtual int GetIntValue(int itemIndex) const;
    // False when there is no such item (or choice).
    virtual bool SetChoiceIndex(int itemIndex, int choice);
    virtual bool SetIntValue(int itemIndex, int value);
    virtual void Reset();
    // Assigns consecutive mapping addresses; true when both memories fit,
    // false with the overflow's message in overflow.
    bool AutoMap(std::string* overflow = nullptr);

    // The object's own item list and its nodes, for the file layer.
    ItemList& Items() { return items_; }
    const ItemList& Items() const { return items_; }
    const NodeList& Nodes() const { return nodes_; }
    const CommandList& Commands() const { return commands_; }

    // Deep copy of another object's content (items, nodes, commands,
    // protocol type) in place of this one's; the old content is retired.
    virtual void CopyContentFrom(const ConfigObject& other);
    // The same, moving the content out of the other object.
    virtual void TakeContentFrom(ConfigObject& other);
    // Frees everything removed from the lists so far.
    virtual void ReleaseRetired();

protected:
    void SetName(const std::string& name) { name_ = name; }
    void RetireItems(ItemList& list);
    ParamItem* ItemAt(const ItemList& list, int index) const;

    CommandList commands_;
    NodeList nodes_;
    ItemList items_;
    std::string name_;
    ProtocolType protocolType_ = ProtocolType::ModbusMaster;

    CommandList retiredCommands_;
    NodeList retiredNodes_;
    ItemList retiredItems_;
};

} // namespace varkel
