#pragma once
#include <variant>

namespace varkel {

class Command;
class ConfigObject;
class Fieldbus;
class Node;
class Subnet;

// What an entry of the configuration tree stands for: nothing, the
// fieldbus, the subnet, a node or a command. The kind follows from the
// object's type, so an entry cannot claim one kind and hold another.
class TreeEntry {
public:
    enum Kind { None = 0, CommandKind = 2, NodeKind = 3, FieldbusKind = 4, SubnetKind = 6 };

    TreeEntry() = default;
    explicit TreeEntry(Fieldbus* fieldbus) : object_(fieldbus) {}
    explicit TreeEntry(Subnet* subnet) : object_(subnet) {}
    explicit TreeEntry(Node* node) : object_(node) {}
    explicit TreeEntry(Command* command) : object_(command) {}

    Kind GetKind() const;
    // False for an empty entry and for one of a kind without its object.
    bool HasObject() const;

    Command* AsCommand() const;
    Node* AsNode() const;
    Fieldbus* AsFieldbus() const;
    Subnet* AsSubnet() const;
    // The fieldbus or the subnet.
    ConfigObject* AsConfigObject() const;

    bool operator==(const TreeEntry&) const = default;

private:
    std::variant<std::monostate, Fieldbus*, Subnet*, Node*, Command*> object_;
};

} // namespace varkel
