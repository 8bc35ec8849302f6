#pragma once
#include <initializer_list>
#include <string>
#include <type_traits>

namespace varkel {

// Texts this program adds to the key-to-text table, Chinese and English side
// by side, following the active text language. Each folder keeps the texts
// only it uses in a catalogue of its own (persist/PersistCatalog,
// link/LinkCatalog, export/ExportCatalog, probe/ProbeCatalog,
// cli/CliCatalog, sim/SimCatalog, ui/UiCatalog), made the same way: an enum
// class, its TextPairOf, and Text() below. This one holds the model's texts
// and those several folders share.
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
    FileNotAFile,
    FileFolderBusy,

    // Gateway link (link/)
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
    LinkRefusedUpload,

    // a transfer stopped by the user, or never answered
    LinkCancelled,

    // Keyboard operation and the editor's own messages (ui/)
    EditValueOutOfRange,   // {}: parameter, {}: value typed, {}: accepted range
    EditValueRefused,      // {}: parameter, {}: value typed, {}: reason
    EditValueRefusedRange, // {}: parameter, {}: value typed, {}: reason, {}: range

    // Commissioning probe (probe/)
    ProbeWriteChecked,
    ProbeInputMemory,
    ProbeOutputMemory,
    ProbeEstimateLine,
    ProbeImageTitle,
    ProbeImageUnfilled,
    ProbeImageNote,
    ProbeProblemsTitle,
    ProbeStopped,
    ProbeHeaderStatus,
    ProbeHeaderMemory,
    ProbeHeaderCount,
    ProbeFramingNotCarried, // {}: port

    // Timing estimate and I/O list
    EstimateUniversalMode,
    EstimateUnknownBaudRate,
    EstimateSummary,
    EstimateTimeoutTooShort,
    EstimateCycleTooLong,
    IoListOutsideMemory,
    IoListWritten,

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
    PlcTagsNone,

    // Import of command lists (model/, persist/, export/)
    ListMissing,
    ListTooLarge,
    ListTooManyRows,
    ListTooManyColumns,
    ListCellTooLarge,
    ListNoHeader,
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
    ImportNoRows,            // {}: sheet
    ImportNothingToAppend,   // {}: sheet
    ImportControlCharacter,  // {}: parameter, {}: cell, {}: reason, {}: the character
    ImportCodePageCharacter, // {}: parameter, {}: cell, {}: reason, {}: the character

    // Not a text: the number of identifiers above.
    MsgCount

};

// Both languages of a text, for callers that need the other one too.
struct TextPair {
    const char* chinese;
    const char* english;
};
TextPair TextPairOf(Msg id);

// Replaces each "{}" of the pattern by the next argument, in order.
std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args);

// The pair's text in the active language.
std::string ActiveText(const TextPair& pair);

// The text of the active language, for an identifier of any folder's
// catalogue (an enum class with its TextPairOf).
template <typename Id>
requires std::is_enum_v<Id> std::string Text(Id id) {
    return ActiveText(TextPairOf(id));
}
// The same with each "{}" replaced by the next argument, in order.
template <typename Id>
requires std::is_enum_v<Id> std::string Text(Id id, std::initializer_list<std::string> args) {
    return FillPlaceholders(Text(id), args);
}

} // namespace varkel
