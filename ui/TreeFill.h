#pragma once
#include "model/TreeEntry.h"

#include <string>

namespace varkel {

class Command;
class Fieldbus;
class Node;
class Project;
class Subnet;

// Tree images: 1 node, 2 command; top-level entries use 0.
enum TreeImage { FolderImage = 0, NodeImage = 1, CommandImage = 2 };

// Where the tree is built. Handles are the sink's own; 0 is the root.
class TreeSink {
public:
    using Handle = long long;
    virtual ~TreeSink() = default;
    virtual void DeleteAll() = 0;
    virtual Handle Insert(Handle parent, const std::string& label, int image,
                          const TreeEntry& entry) = 0;
    virtual void ExpandAll() = 0;
};

// The configuration as the tree shows it, in place of what the tree held:
// the fieldbus and the subnet, each with its nodes (and their commands) and
// then its own commands; then every entry expanded.
void BuildTree(Project& project, TreeSink& tree);
// One object's entries under a parent. The subnet shows its children in
// the Modbus master mode only.
void BuildTree(Fieldbus& fieldbus, TreeSink& tree, TreeSink::Handle parent);
void BuildTree(Subnet& subnet, TreeSink& tree, TreeSink::Handle parent);
void BuildTree(Node& node, TreeSink& tree, TreeSink::Handle parent);
void BuildTree(Command& command, TreeSink& tree, TreeSink::Handle parent);

} // namespace varkel
