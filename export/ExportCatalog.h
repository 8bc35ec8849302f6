#pragma once
#include "model/Catalog.h"

namespace varkel {

// The texts of the workbook export, Chinese and English side by side
// (ExportCatalog.cpp); Text(ExportMsg::...) gives the active language's.
enum class ExportMsg {
    // Spreadsheet export
    ExportTemplateUnreadable,
    ExportTemplateInvalid,
    ExportSheetMissing,
    ExportCannotWrite,
    ExportNoWorkbookPart,
    ExportCannotReadSheet,
    ExportTooManyParts,
    ExportPackageTooLarge,
    ExportNoZipLibrary, // {}: library file, {}: reason

    // Timing estimate and I/O list
    IoListSheetTitle,

    // PLC tag tables
    PlcTagsWriteFailed, // {}: file, {}: reason

    // Import of command lists
    ListNotWorkbook,
    ListEncrypted,
    ListPartEncrypted,
    ListMacros,
    ListNoSheet,
    ListMalformed,
    ListDuplicatePart,  // {}: the entry's name
    ListRowNumber,      // {}: sheet, {}: the number as written, {}: the last row
    ListRowTwice,       // {}: sheet, {}: row
    ListRowOrder,       // {}: sheet, {}: row, {}: the row before it
    ListCellReference,  // {}: sheet, {}: row, {}: the reference as written
    ListCellOutsideRow, // {}: sheet, {}: row, {}: the reference as written
    ListCellTwice,      // {}: sheet, {}: cell
    ListCellOrder,      // {}: sheet, {}: cell, {}: the cell before it
    ListSharedIndex,    // {}: sheet, {}: cell, {}: the index as written, {}: strings held
    ListSharedMissing,  // {}: sheet, {}: cell, {}: the index as written

    // Not a text: the number of identifiers above.
    Count
};

TextPair TextPairOf(ExportMsg id);

} // namespace varkel
