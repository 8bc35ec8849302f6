#include "export/SheetLayout.h"

#include "model/IoList.h"
#include "model/Project.h"

#include <vector>

namespace varkel {

void ExportNodes(const Project& project, SheetSink& sheet) {
    const Subnet& subnet = project.GetSubnet();
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster)
        return;
    int number = 1;
    for (const auto& node : subnet.Nodes())
        for (int c = 0; c < node->GetCommandCount(); ++c, ++number)
            ExportRow(*node->GetCommandAt(c), sheet, number + 1, number);
}

void ExportRow(const Command& command, SheetSink& sheet, int row, int number) {
    sheet.SetCell(row, 1, std::to_string(number));
    for (int i = 0; i < command.GetItemCount(); ++i)
        sheet.SetCell(row, i + 2, command.GetItem(i)->GetValue());
}

void ExportItems(const Fieldbus& fieldbus, SheetSink& sheet) {
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        sheet.SetCell(2, i + 1, fieldbus.GetItem(i)->GetValue());
}

void ExportItems(const Subnet& subnet, SheetSink& sheet) {
    // One column per item written, across the always-shown list and the
    // mode list in force, whatever their lengths.
    int column = 1;
    for (const ItemList* list :
         {&subnet.AlwaysItems(), subnet.GetProtocolType() == ProtocolType::ModbusMaster
                                     ? &subnet.MasterItems()
                                     : &subnet.UniversalItems()})
        for (const auto& item : *list)
            sheet.SetCell(2, column++, item->GetValue());
}

void ExportIoList(const IoList& list, SheetSink& sheet) {
    int row = 2;
    for (const IoRow& io : list.rows) {
        const std::vector<std::string> fields = IoRowFields(io);
        for (std::size_t c = 0; c < fields.size(); ++c)
            sheet.SetCell(row, static_cast<int>(c) + 1, fields[c]);
        ++row;
    }
}

} // namespace varkel
