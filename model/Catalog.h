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
    CheckInputBits,
    CheckOutputBits,
    CheckBeyondInput,
    CheckBeyondOutput,
    CheckRangesOverlap,
    CheckTooManyCommands,  // {}: commands held, {}: limit
    CheckConflictsSummary, // {}: pairs in all, {}: pairs listed

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
    FileBadNumber, // {}: element tag, {}: its owner's Value, {}: the value
    FileCannotEncode,
    FileCannotWrite,
    FileTooManyAttributes,   // {}: file, {}: line, {}: element, {}: limit
    FileCannotStoreBack,     // {}: file, {}: element, {}: line
    FileChangedOnDisk,       // {}: file
    FileChangedAskOverwrite, // {}: file
    FileChangedWarning,      // {}: file
    FileFolderBusy,
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
    LinkPortNotTerminal,       // {}: device, {}: what it is (PortKind...)
    LinkPortSettings,          // {}: device, {}: the system's reason
    LinkNoPortGiven,
    PortKindFifo,
    PortKindFile,
    PortKindFolder,
    PortKindSocket,
    PortKindDevice,
    LinkVirtualGatewayFailed, // {}: why
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
    LinkRefusedValue, // {}: object, {}: item, {}: value, {}: message, {}: accepted
    LinkRefusedDownload,
    LinkRefusedUpload,
    LinkCliRefusedExit,
    // a transfer stopped by the user, or never answered
    LinkCancelled,
    LinkUploadCancelled,
    LinkDownloadCancelled,
    LinkDownloadCancelledPartly, // {}: frames acknowledged
    LinkNoGatewayAnswered,       // {}: the read failure, {}: port name

    // Spreadsheet export (export/)
    ExportTemplateUnreadable,
    ExportTemplateInvalid,
    ExportSheetMissing,
    ExportCannotWrite,
    ExportNoWorkbookPart,
    ExportCannotReadSheet,
    ExportTooManyParts,
    ExportPackageTooLarge,
    ExportNoZipLibrary, // {}: library file, {}: reason

    // Command line (cli/)
    CliDescription,
    CliFooter,
    CliVersionHelp,
    CliLangHelp,
    CliAnswerHelp,
    CliSeeHelp,
    CliInternalError,
    CliFileHelp,
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
    CliNotRegularFile, // {}: path
    CliChangedOnDisk,  // {}: path
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
    CliTextDifferences, // {}: count
    CliTextDifferencesHeading,
    CliDiffTextsHelp,
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
    // download / upload on several ports at once
    CliPortsFromHelp,
    CliCompareHelp,
    CliPortListUnreadable, // {}: file
    CliNoPort,
    CliTooManyPorts,   // {}: most
    CliPortTwice,      // {}: port
    CliPortNoFileName, // {}: port
    CliPortFileClash,  // {} {}: ports, {}: file
    CliPortWaiting,
    CliPortOk,
    CliSummaryPort,
    CliSummaryResult,
    CliSummaryTime,
    CliSummaryHardware,
    CliCompareSame,    // {}: port, {}: reference file
    CliCompareDiffers, // {}: port, {}: count, {}: reference file
    // CLI11's own words in the help and its error messages
    CliLabelUsage,
    CliLabelOptions,
    CliLabelOptionsBadge,
    CliLabelSubcommands,
    CliLabelSubcommand,
    CliLabelPositionals,
    CliLabelRequired,
    CliLabelNeeds,
    CliLabelExcludes,
    CliTypeText,
    CliTypeInt,
    CliTypeUint,
    CliTypeFloat,
    CliRangeIn,
    CliHelpHelp,
    CliErrorExtra, // {}: the arguments
    CliErrorSubcommand,
    CliErrorRequired,     // {}: option
    CliErrorRange,        // {}: option, {}: value, {} {}: range
    CliErrorConvert,      // {}: option, {}: value
    CliErrorNotIn,        // {}: option, {}: value, {}: the allowed values
    CliErrorMissingValue, // {}: option
    CliErrorExcludes,     // {} {}: options
    CliErrorRequires,     // {} {}: options
    CliErrorOther,        // {}: CLI11's text

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
    SlaveAbout,
    SlaveUnitOption,
    SlaveLimitOption,
    SlaveAsciiOption,
    SlaveBaudOption,
    SlaveTurnaroundOption,
    SlaveLinkOption,
    SlaveLangOption,
    SlaveCannotOpen,
    SlaveCannotLink,
    SlaveReady,
    RunBadSetting,
    RunSettingProtocol,
    RunSettingBaud,
    RunSettingFraming,
    RunSettingOutputMode,
    RunBadRecord,
    RunRecordFunction,
    RunRecordRange,
    RunRecordMapping,
    RunStateStopped,
    RunStateRunning,
    RunStateUniversal,
    RunStateNoCommands,
    RunStatePortLost,
    RunStatusNotPolled,
    RunStatusBadReply,
    RunStatusHeld,
    SimSubnetHelp,
    SimPlcHelp,
    SimAllowWritesHelp,
    SimPlcLayout,
    SimPlcListening,
    SimCannotListen,
    SimWritesHeld,
    SimRunStopped,
    SimRunStarted,
    SimCannotRun,
    SimTraceExchange,
    SimTraceMemory,
    SimMemoryInput,
    SimMemoryOutput,
    SlaveTraceHelp,
    SlaveTcpHelp,
    SlaveFixedInputsHelp,
    SlaveTraceWrite,
    SlaveTcpListening,
    SlaveCannotListen,

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
    GuiExportFailed,
    GuiExportNoViewer,
    GuiShotsNeedsValue,
    GuiShotsNoSettingsFolder,
    GuiLanguageNextStart,

    // Undo, redo and the command clipboard (ui/)
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

    // Keyboard operation and the editor's own messages (ui/)
    EditValueOutOfRange,   // {}: parameter, {}: value typed, {}: accepted range
    EditValueRefused,      // {}: parameter, {}: value typed, {}: reason
    EditValueRefusedRange, // {}: parameter, {}: value typed, {}: reason, {}: range
    EditDeleteNodeAsk,     // {}: node, {}: number of commands
    EditDownloadConflict,  // {}: the commands, one a line
    EditDownloadOverflow,  // {}: the commands, one a line
    EditOpenConflictDetect,
    EditUnsupportedFunction,
    EditNoWebBrowser,     // {}: address
    EditToolTipSlave,     // {}: slave address
    EditToolTipFunction,  // {}: function name
    EditToolTipRegisters, // {}: first register, {}: last register, {}: count
    EditToolTipMapping,   // {}: mapping start, {}: bit offset, {}: length in bits
    EditToolTipMnemonic,  // {}: mnemonic
    EditVirtualGateway,

    // Commissioning probe (probe/)
    ProbeLineRefused,
    ProbeParityRefused,
    ProbePortLost,
    ProbeItemMissing,
    ProbeUniversalMode,
    ProbeNoCommands,
    ProbeExceptionIllegalFunction,
    ProbeExceptionIllegalAddress,
    ProbeExceptionIllegalValue,
    ProbeExceptionDeviceFailure,
    ProbeExceptionAcknowledge,
    ProbeExceptionBusy,
    ProbeExceptionParity,
    ProbeExceptionGatewayPath,
    ProbeExceptionGatewayTarget,
    ProbeExceptionUnknown,
    ProbeStatusOk,
    ProbeStatusException,
    ProbeStatusTimeout,
    ProbeStatusBadCheck,
    ProbeStatusMismatch,
    ProbeStatusPort,
    ProbeWriteChecked,
    ProbeInputMemory,
    ProbeOutputMemory,
    ProbePassLine,
    ProbeEstimateLine,
    ProbeImageTitle,
    ProbeImageUnfilled,
    ProbeImageNote,
    ProbeProblemsTitle,
    ProbeFailedSummary,
    ProbeStopped,
    ProbeHeaderCommand,
    ProbeHeaderStatus,
    ProbeHeaderData,
    ProbeHeaderMemory,
    ProbeHeaderTime,
    ProbeHeaderFunction,
    ProbeHeaderSlave,
    ProbeHeaderAddress,
    ProbeHeaderCount,
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
    ProbeCliAbout,
    ProbeCliPort,
    ProbeCliPasses,
    ProbeCliWatch,
    ProbeCliJson,
    ProbeCliImage,
    ProbeCliFormat,
    ProbeCliOrder,
    ProbeCliPassProgress,
    ProbeFramingNotCarried, // {}: port

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

    // PLC tag tables (model/, export/, cli/)
    PlcTagComment, // {}: slave, {}: function, {}: Modbus address(es), {}: command number, {}: name
    PlcTagSwapTwoWord,
    PlcTagSwapTwoPair,
    PlcTagSwapFourPair,
    PlcTagSwapFourWord, // {}: the Modbus address whose bytes the word holds
    PlcTagOddComment,
    PlcTagOddNote,         // {}: command number, {}: its registers
    PlcTagNoCommand,       // {}: command number, {}: commands there are
    PlcTagNotRegisters,    // {}: command number
    PlcTagUnreachable,     // {}: tag, {}: PLC byte
    PlcTagUnreachableMore, // {}: tags in all
    PlcTagOverlap,         // {}: tag, {}: address, {}: tag, {}: address, {}: command, {}: command
    PlcTagsWritten,        // {}: file, {}: tags
    PlcTagsWriteFailed,    // {}: file, {}: reason
    PlcTagsNone,
    TagsHelp,
    TagsFormatHelp,
    TagsInputBaseHelp,
    TagsOutputBaseHelp,
    TagsTypeHelp,
    TagsTableHelp,
    TagsIecByteHelp,
    TagsOutputHelp,
    TagsJsonHelp,
    TagsBadType,    // {}: the option's value, {}: the types
    TagsTypedTwice, // {}: command number
    TagsNeedOutput,

    // Import of command lists (model/, persist/, export/)
    ListMissing,
    ListTooLarge,
    ListNotWorkbook,
    ListEncrypted,
    ListPartEncrypted,
    ListMacros,
    ListNoSheet,
    ListMalformed,
    ListTooManyRows,
    ListTooManyColumns,
    ListCellTooLarge,
    ListNulByte,
    ListUtf16,
    ListBadEncoding,
    ListBadQuote,
    ListNoHeader,
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
    ImportNoFunctionColumn,
    ImportDuplicateColumn,
    ImportIgnoredColumn,
    ImportDerivedColumn,
    ImportUniversalMode,
    ImportNoFunction,
    ImportUnknownFunction,
    ImportNotAChoice,
    ImportGreyed,
    ImportRefusedValue,
    ImportProblemCell,
    ImportProblemRow,
    ImportSummary,
    ImportRefusedSummary,
    ImportNoRows,            // {}: sheet
    ImportNothingToAppend,   // {}: sheet
    ImportControlCharacter,  // {}: parameter, {}: cell, {}: reason, {}: the character
    ImportCodePageCharacter, // {}: parameter, {}: cell, {}: reason, {}: the character
    ImportCliHelp,
    ImportCliFromHelp,
    ImportCliAppendHelp,
    ImportCliAutoMapHelp,

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
