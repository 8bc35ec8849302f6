#pragma once
#include <string>

namespace varkel {

class Command;
class Fieldbus;
class Project;
class Subnet;
struct IoList;

// Where the workbook export writes: a text into a cell, rows and columns
// counted from 1.
class SheetSink {
public:
    virtual ~SheetSink() = default;
    virtual void SetCell(int row, int column, const std::string& text) = 0;
};

// The layout of the exported sheets; every cell position of the export is
// here. Row 1 of each sheet is the template's heading.

// The command sheet: one row a command of the nodes, from row 2, the
// command's number in column 1 and its item values from column 2. Empty
// outside the Modbus master mode.
void ExportNodes(const Project& project, SheetSink& sheet);
// One row of the command sheet.
void ExportRow(const Command& command, SheetSink& sheet, int row, int number);
// The fieldbus and subnet sheets: the item values in row 2, one column an
// item; the subnet's always-shown items, then those of the mode in force.
void ExportItems(const Fieldbus& fieldbus, SheetSink& sheet);
void ExportItems(const Subnet& subnet, SheetSink& sheet);
// The I/O list sheet: one row a list row from row 2, its fields in order.
void ExportIoList(const IoList& list, SheetSink& sheet);

} // namespace varkel
