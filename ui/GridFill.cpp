#include "ui/GridFill.h"

#include "model/Command.h"
#include "model/Fieldbus.h"
#include "model/Node.h"
#include "model/Subnet.h"
#include "model/TreeEntry.h"

namespace varkel {

bool EditableInGrid(const ParamItem& item) {
    return item.GetEnable() == 1 &&
           (item.GetState() == ParamItem::Typed || item.GetState() == ParamItem::Picked);
}

Rgb BackgroundOf(const ParamItem& item) {
    return EditableInGrid(item) ? kWhite : kGrey;
}

void ShowInGrid(ParamItem& item, GridSink& grid, int row, const ItemKeys& keys) {
    grid.ShowRow(row, ShownName(item, keys), ShownValue(item, keys), BackgroundOf(item), &item);
}

void FillGrid(Command& command, GridSink& grid) {
    for (int i = 0; i < command.GetItemCount(); ++i)
        ShowInGrid(*command.GetItem(i), grid, i,
                   KeysAt(ItemPlace::Command, i, false, command.GetFunctionIndex()));
}

void FillGrid(Node& node, GridSink& grid) {
    for (int i = 0; i < node.GetItemCount(); ++i)
        ShowInGrid(*node.GetItem(i), grid, i, KeysAt(ItemPlace::Node, i));
}

int FillGrid(Fieldbus& fieldbus, GridSink& grid) {
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        ShowInGrid(*fieldbus.GetItem(i), grid, i, KeysAt(ItemPlace::Fieldbus, i));
    return fieldbus.GetItemCount();
}

int FillGrid(Subnet& subnet, GridSink& grid) {
    const bool universal = subnet.GetProtocolType() == ProtocolType::Universal;
    int row = 0;
    for (ParamItem* item : subnet.ListedItems()) {
        ShowInGrid(*item, grid, row, KeysAt(ItemPlace::Subnet, row, universal));
        ++row;
    }
    return row;
}

void FillGrid(const TreeEntry& entry, GridSink& grid) {
    if (!entry.HasObject())
        return;
    switch (entry.GetKind()) {
    case TreeEntry::CommandKind:
        FillGrid(*entry.AsCommand(), grid);
        break;
    case TreeEntry::NodeKind:
        FillGrid(*entry.AsNode(), grid);
        break;
    case TreeEntry::FieldbusKind:
        FillGrid(*entry.AsFieldbus(), grid);
        break;
    case TreeEntry::SubnetKind:
        FillGrid(*entry.AsSubnet(), grid);
        break;
    case TreeEntry::None:
        break;
    }
}

} // namespace varkel
