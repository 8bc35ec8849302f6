#pragma once
#include <initializer_list>
#include <string>

namespace varkel {

// Texts this program adds to the key-to-text table: every message, label and
// trace text that is not one of the table's keys lives here once, Chinese and
// English side by side (model/Catalog.cpp), and follows the active text
// language. Each area keeps its own section so that additions stay together.
enum class Msg {
    // Common
    UnknownError,

    // Configuration model (model/)
    ItemEmpty,
    MappingConflictPair,

    // File layer (persist/)
    FileCannotOpen,
    FileNotAFile,
    FileTooLarge,
    FileReadFailed,
    FileEmpty,
    FileHoldsNul,
    FileBadUtf8,
    FileBadGb2312,
    FileTooDeep,
    FileBadXml,
    FileBadCharReference,
    FileCannotEncode,
    FileCannotWrite,
    FileIncomplete,
    FileLacks,
    FileNoRoot,
    FileNoProduct,

    // Gateway link (link/)
    LinkVersionQuery,
    LinkSerialSettings,
    LinkUniversalSettings,
    LinkCommandListStart,
    LinkCommandRecord, // {}: record number from 1
    LinkFieldbusSwitch,
    LinkReadSerialSettings,
    LinkReadUniversalSettings,
    LinkReadRecordCount,
    LinkReadRecordPage, // {}: page number from 0
    LinkReadFieldbusSwitch,
    LinkPermissionHint,        // {}: device, {} {}: group
    LinkPermissionHintNoGroup, // {}: device
    LinkPortBusy,              // {}: device
    LinkPortMissing,           // {}: device
    LinkVirtualGatewayFailed,  // {}: why
    TraceSent,
    TraceReceived,
    TraceFailed,
    TraceShortTerminal, // {}: bytes read, {}: bytes asked for
    TraceShortLog,      // the same
    LinkCliPort,
    LinkCliTrace,
    LinkCliDownload,
    LinkCliPace,
    LinkCliUpload,
    LinkCliOutput,
    LinkCliBase,
    LinkCliPorts,

    // Spreadsheet export (export/)
    ExportTemplateUnreadable,
    ExportTemplateInvalid,
    ExportSheetMissing,
    ExportCannotWrite,
    ExportNoWorkbookPart,
    ExportCannotReadSheet,
    ExportTooManyParts,
    ExportPackageTooLarge,

    // Command line (cli/)
    CliDescription,
    CliFooter,
    CliVersionHelp,
    CliLangHelp,
    CliAnswerHelp,
    CliSeeHelp,
    CliInternalError,
    CliFileHelp,
    CliInputBits,
    CliOutputBits,
    CliBeyondInput,
    CliBeyondOutput,
    CliRangesOverlap,
    CliCannotSwitchUniversal,
    CliAutoMapMasterOnly,
    CliNoNodeInUniversal,
    CliSubnetHasNode,
    CliNodeNotAdded,
    CliNoNodeAddOne,
    CliFunctionUnsupported,
    CliCommandNotAdded,
    CliInvalidRow,
    CliNoRow,
    CliRowShownOnly,
    CliRowGreyed,
    CliNotAChoice,
    CliNodeName,
    CliProtocolType,
    CliRowValue,
    CliRowEnabled,
    CliRowDisabled,
    CliNewHelp,
    CliOutputHelp,
    CliUniversalHelp,
    CliAutoMapHelp,
    CliOutputDefaultHelp,
    CliAddNodeHelp,
    CliAddCommandHelp,
    CliFunctionHelp,
    CliNodeHelp,
    CliSetHelp,
    CliTargetHelp,
    CliRowHelp,
    CliValueHelp,
    CliExportFailed,
    CliExportHelp,
    CliWorkbookHelp,
    CliTemplateHelp,
    CliMemoryUse,
    CliOverflowBits,
    CliFileNotFound,
    CliFileIsFolder,
    CliCannotRead,
    CliNotAConfiguration,
    CliIncomplete,
    CliFieldbusItems,
    CliSubnetItems,
    CliMasterItems,
    CliUniversalItems,
    CliSlaveAddressOf,
    CliCommandItemsOf,
    CliWriteFolder,
    CliWriteNoFolder,
    CliWriteFolderReadOnly,
    CliCannotWrite,
    CliFixedMark,
    CliGreyedMark,
    CliHiddenNodes,
    CliFunctionIndex,
    CliNoProblems,
    CliProblemsFound,
    CliInputMemory,
    CliOutputMemory,
    CliMapLegend,
    CliConfigurationsEqual,
    CliDifferences,
    CliShowHelp,
    CliJsonHelp,
    CliCheckHelp,
    CliMapHelp,
    CliMapJsonHelp,
    CliDiffHelp,
    CliFirstFileHelp,
    CliSecondFileHelp,
    CliUnknownTarget,
    CliNoNode,
    CliNoCommand,
    CliAnswerYes,
    CliAnswerNo,
    CliAnswerCancel,

    // Virtual gateway and virtual slave (sim/)
    SimDescription,
    SimHwHelp,
    SimLinkHelp,
    SimStateHelp,
    SimWireTimingHelp,
    SimTraceHelp,
    SimFaultHelp,
    SimFaultAtHelp,
    SimLangHelp,
    SimBadHardwareVersion,
    SimUnknownFault,
    SimCannotLoadState,
    SimCannotSaveState,
    SimCannotOpenPty,
    SimCannotCreateLink,
    SimReady,
    SimTraceMalformed,
    SimTraceWrongChecksum,
    SimTraceHardwareVersion,
    SimTraceSerialStored,
    SimTraceSerialUniversalStored,
    SimTraceUniversalStored,
    SimTraceListStarted,
    SimTraceRecordOutOfSequence,
    SimTraceRecordStored,
    SimTraceValidLengthStored,
    SimTraceClearOnFaultStored,
    SimTraceSerialRead,
    SimTraceUniversalRead,
    SimTraceRecordCountRead,
    SimTraceRecordPageRead,
    SimTraceValidLengthRead,
    SimTraceClearOnFaultRead,
    SimTraceNotUnderstood,
    SimFaultSilent,
    SimFaultShortReply,
    SimFaultWrongReply,
    SimFaultBadVersion,
    SimFaultBadChecksum,
    SimFaultVanish,
    SimPipeFailed,
    SimStateNotAStateFile,
    SimStateLineNotUnderstood,
    SimStateCannotWrite,
    SimStateCannotReplace,
    SimStateCannotRead,

    // Desktop program (ui/)
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

    // Commissioning probe (probe/)

    // Timing estimate and I/O list
    EstimateUniversalMode,
    EstimateUnknownBaudRate,
    EstimateSummary,
    EstimateLine,
    EstimateTableHead,
    EstimateTimeoutTooShort,
    EstimateCycleTooLong,
    EstimateNoCommands,
    IoListOutsideMemory,
    IoListWritten,
    IoListWriteFailed,
    IoListSheetTitle,
    EstimateHelp,
    EstimateTurnaroundHelp,
    IoListHelp,
    IoListOutputHelp,

    // Not a text: the number of identifiers above.
    MsgCount
};

// The text of the active language.
std::string Text(Msg id);
// The same with each "{}" replaced by the next argument, in order.
std::string Text(Msg id, std::initializer_list<std::string> args);

// Both languages of a text, for callers that need the other one too.
struct TextPair {
    const char* chinese;
    const char* english;
};
TextPair TextPairOf(Msg id);

// Replaces each "{}" of the pattern by the next argument, in order.
std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace varkel
