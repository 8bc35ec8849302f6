#include "ui/TreeFill.h"

#include "model/ItemKeys.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

namespace varkel {
namespace {

void BuildChildren(ConfigObject& object, TreeSink& tree, TreeSink::Handle parent) {
    for (const auto& node : object.Nodes())
        BuildTree(*node, tree, parent);
    for (const auto& command : object.Commands())
        BuildTree(*command, tree, parent);
}

} // namespace

void BuildTree(Project& project, TreeSink& tree) {
    tree.DeleteAll();
    Fieldbus& fieldbus = project.GetFieldbus();
    Subnet& subnet = project.GetSubnet();
    // The two top names are the table's "Fieldbus" and "Subnet" unless renamed.
    const TreeSink::Handle fieldbusHandle = tree.Insert(
        0, ShownText(fieldbus.GetName(), kKeyProfibus), FolderImage, TreeEntry(&fieldbus));
    const TreeSink::Handle subnetHandle =
        tree.Insert(0, ShownText(subnet.GetName(), kKeySubnet), FolderImage, TreeEntry(&subnet));
    BuildTree(fieldbus, tree, fieldbusHandle);
    BuildTree(subnet, tree, subnetHandle);
    tree.ExpandAll();
}

void BuildTree(Fieldbus& fieldbus, TreeSink& tree, TreeSink::Handle parent) {
    BuildChildren(fieldbus, tree, parent);
}

void BuildTree(Subnet& subnet, TreeSink& tree, TreeSink::Handle parent) {
    if (subnet.GetProtocolType() == ProtocolType::ModbusMaster)
        BuildChildren(subnet, tree, parent);
}

void BuildTree(Node& node, TreeSink& tree, TreeSink::Handle parent) {
    const TreeSink::Handle handle =
        tree.Insert(parent, node.GetName(), NodeImage, TreeEntry(&node));
    for (int i = 0; i < node.GetCommandCount(); ++i)
        BuildTree(*node.GetCommandAt(i), tree, handle);
}

void BuildTree(Command& command, TreeSink& tree, TreeSink::Handle parent) {
    tree.Insert(parent, ShownCommandName(command.GetName(), command.GetFunctionIndex()),
                CommandImage, TreeEntry(&command));
}

} // namespace varkel
