#include "model/Project.h"

#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

namespace varkel {

int Project::GetCommandCount() const {
    const Node* node = subnet_.GetNodeAt(0);
    return node ? node->GetCommandCount() : 0;
}

void Project::Reset() {
    subnet_.Reset();
    fieldbus_.Reset();
}

bool Project::AutoMap() {
    return subnet_.AutoMap();
}

void Project::ExportNodes(SheetSink& sheet) const {
    subnet_.ExportNodes(sheet);
}

void Project::ExportFieldbus(SheetSink& sheet) const {
    fieldbus_.ExportItems(sheet);
}

void Project::ExportSubnet(SheetSink& sheet) const {
    subnet_.ExportItems(sheet);
}

void Project::BuildTree(TreeSink& tree) {
    tree.DeleteAll();
    // The two top names are the table's "Fieldbus" and "Subnet" unless renamed.
    TreeSink::Handle fieldbus = tree.Insert(0, ShownText(fieldbus_.GetName(), kKeyProfibus), FolderImage,
                                            TreeEntry{TreeEntry::FieldbusKind, &fieldbus_});
    TreeSink::Handle subnet = tree.Insert(0, ShownText(subnet_.GetName(), kKeySubnet), FolderImage,
                                          TreeEntry{TreeEntry::SubnetKind, &subnet_});
    fieldbus_.BuildTree(tree, fieldbus);
    subnet_.BuildTree(tree, subnet);
    tree.ExpandAll();
}

int Project::CheckMemoryMaps(const MemoryCounts& input, const MemoryCounts& output) const {
    for (int bit = 0; bit < kMemoryDataBits; ++bit)
        if (input[static_cast<std::size_t>(bit)] > 1 || output[static_cast<std::size_t>(bit)] > 1)
            return MappingConflict;
    for (int bit = kMemoryDataBits; bit < kMemoryBits; ++bit)
        if (input[static_cast<std::size_t>(bit)] != 0 || output[static_cast<std::size_t>(bit)] != 0)
            return MappingOverflow;
    return Success;
}

void Project::CopyFrom(const Project& other) {
    subnet_.CopyContentFrom(other.subnet_);
    fieldbus_.CopyContentFrom(other.fieldbus_);
}

void Project::TakeFrom(Project& other) {
    subnet_.TakeContentFrom(other.subnet_);
    fieldbus_.TakeContentFrom(other.fieldbus_);
}

void Project::ReleaseRetired() {
    subnet_.ReleaseRetired();
    fieldbus_.ReleaseRetired();
}

} // namespace varkel
