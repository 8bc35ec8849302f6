#pragma once
#include "model/Catalog.h"

namespace varkel {

// The texts of the command line, Chinese and English side by side
// (CliCatalog.cpp); Text(CliMsg::...) gives the active language's.
enum class CliMsg {
    // Gateway link
    LinkCliPort,
    LinkCliTrace,
    LinkCliDownload,
    LinkCliPace,
    LinkCliUpload,
    LinkCliOutput,
    LinkCliBase,
    LinkCliPorts,
    LinkCliRefusedExit,

    // Command line
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

    // Commissioning probe
    ProbePassLine,
    ProbeFailedSummary,
    ProbeHeaderData,
    ProbeCliAbout,
    ProbeCliPort,
    ProbeCliPasses,
    ProbeCliWatch,
    ProbeCliJson,
    ProbeCliImage,
    ProbeCliFormat,
    ProbeCliOrder,
    ProbeCliPassProgress,

    // Timing estimate and I/O list
    EstimateLine,
    EstimateTableHead,
    EstimateNoCommands,
    EstimateHelp,
    EstimateTurnaroundHelp,
    IoListHelp,
    IoListOutputHelp,

    // PLC tag tables
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

    // Import of command lists
    ImportSummary,
    ImportRefusedSummary,
    ImportCliHelp,
    ImportCliFromHelp,
    ImportCliAppendHelp,
    ImportCliAutoMapHelp,

    // Not a text: the number of identifiers above.
    Count
};

TextPair TextPairOf(CliMsg id);

} // namespace varkel
