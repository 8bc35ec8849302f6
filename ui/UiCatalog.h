#pragma once
#include "model/Catalog.h"

namespace varkel {

// The texts of the desktop program, Chinese and English side by side
// (UiCatalog.cpp); Text(UiMsg::...) gives the active language's.
enum class UiMsg {
    // File layer
    FileChangedAskOverwrite, // {}: file
    FileChangedWarning,      // {}: file

    // Gateway link
    LinkVirtualGatewayFailed, // {}: why

    // Desktop program
    GuiDescription,
    GuiDeviceHelp,
    GuiLangHelp,
    GuiScreenshotHelp,
    GuiShowHelp,
    GuiSelectHelp,
    GuiEditHelp,
    GuiFileHelp,
    GuiBadDevice,
    GuiBadLang,
    GuiBadShow,
    GuiBadEdit,
    GuiBadSelect,
    GuiOneFile,
    GuiCannotWritePicture,
    GuiCannotSave,
    GuiFileMissing,
    GuiManualMissing,
    GuiCannotOpenManual,
    GuiExportFailed,
    GuiExportNoViewer,
    GuiShotsNeedsValue,
    GuiShotsNoSettingsFolder,
    GuiLanguageNextStart,

    // Undo, redo and the command clipboard
    EditUndoPrefix,
    EditRedoPrefix,
    EditSetValue,
    EditAddNode,
    EditDeleteNode,
    EditAddCommand,
    EditDeleteCommands,
    EditAutoMapping,
    EditUpload,
    EditPasteCommands,
    EditDuplicateCommands,
    EditMoveUp,
    EditMoveDown,
    EditImportCommands,
    EditCopyMenu,
    EditPasteMenu,
    EditDuplicateMenu,
    EditMoveUpMenu,
    EditMoveDownMenu,
    EditUndoTool,
    EditRedoTool,
    EditNothingToPaste,

    // Keyboard operation and the editor's own messages
    EditDeleteNodeAsk,    // {}: node, {}: number of commands
    EditDownloadConflict, // {}: the commands, one a line
    EditDownloadOverflow, // {}: the commands, one a line
    EditOpenConflictDetect,
    EditUnsupportedFunction,
    EditNoWebBrowser,     // {}: address
    EditToolTipSlave,     // {}: slave address
    EditToolTipFunction,  // {}: function name
    EditToolTipRegisters, // {}: first register, {}: last register, {}: count
    EditToolTipMapping,   // {}: mapping start, {}: bit offset, {}: length in bits
    EditToolTipMnemonic,  // {}: mnemonic
    EditVirtualGateway,

    // Commissioning probe
    ProbeHeaderCommand,
    ProbeHeaderTime,
    ProbeHeaderFunction,
    ProbeHeaderSlave,
    ProbeHeaderAddress,
    ProbeVirtualSlave,
    ProbeDialogTitle,
    ProbeMenuText,
    ProbeToolText,
    ProbePortLabel,
    ProbeStart,
    ProbeStop,
    ProbeSaveLog,
    ProbePassTime,
    ProbeTrendHeader,
    ProbeFormatHeader,
    ProbeOrderHeader,
    ProbeValuesHeader,
    ProbePause,
    ProbeResetZoom,
    ProbeTimeAxis,
    ProbeValueAxis,
    ProbeNoTrendChart, // {}: reason
    ProbeImageDecoded,
    ProbeImageOrderNote,
    ProbeImageOwner,
    ProbeLogFilter,
    ProbeLogSaveFailed,
    ProbeRunning,
    ProbeSlaveFailed,
    ProbeNoPort,

    // Timing estimate and I/O list
    IoListWriteFailed,

    // Not a text: the number of identifiers above.
    Count
};

TextPair TextPairOf(UiMsg id);

} // namespace varkel
