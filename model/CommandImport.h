#pragma once
#include "model/CommandTable.h"
#include "model/ResultCode.h"

#include <functional>
#include <string>
#include <vector>

namespace varkel {

class Project;

// One refusal of an import, placed as the spreadsheet shows it.
struct ImportProblem {
    std::string sheet;
    int row = 0;            // 1 is the header; 0: the list as a whole
    int column = 0;         // from 1; 0: the whole row
    std::string columnName; // the header's text of that column
    int item = -1;          // the command's item the cell was for, or -1
    std::string value;      // the refused text
    std::string message;    // as the parameter grid words it
    // The result code of a refused value (ItemEmpty, IllegalCharacter,
    // OutOfRange), or OutOfRange for the command limit; Success for
    // refusals the grid has no code for (not a choice, greyed, no such
    // function, unusable header).
    ResultCode code = Success;

    // One line: sheet, row, column and message.
    std::string Describe() const;
};

// A command as the import makes it, for a preview.
struct ImportedCommand {
    int row = 0; // the list row it comes from
    std::string name;
    std::vector<std::string> values; // item values, in item order
    bool refused = false;            // one of its cells was refused
};

struct ImportOptions {
    bool append = false;  // keep the node's commands and add after them
    bool autoMap = false; // run Auto Mapping once the list is in
    // Whether the configuration file can hold a text (its code page); a
    // cell with a character it cannot is refused as an illegal character.
    // Unset: every text without control characters.
    std::function<bool(const std::string&)> storable = {};
};

struct ImportOutcome {
    std::vector<ImportProblem> problems;   // every refusal; empty when accepted
    std::vector<std::string> notes;        // columns read but not taken
    std::vector<ImportedCommand> commands; // in list order
    bool listRefused = false;              // the header makes no command list, or no row a command
    bool mapFits = true;                   // Auto Mapping's answer; false on an overflow
    std::string mapOverflow;               // the overflow's message, for the front end to show
    bool applied = false; // the project took the list; false also when it made no command

    bool Accepted() const { return problems.empty(); }
};

// Brings a command list into the command list of the subnet's first node.
// Each row becomes a command as the editor makes one: the function first
// (Add Command, with its 48-command limit), then each cell committed at its
// row through CommitValue, in row order, so that every rule of the grid
// holds. Works on a copy; nothing changes unless every row is accepted.
class CommandImport {
public:
    // Runs the list against a copy of the project, left in result.
    static ImportOutcome Check(const Project& project, const CommandTable& table,
                               const ImportOptions& options, Project& result);
    // The same, and when every row is accepted the project takes the
    // result in one step (its old content retired, as an upload does).
    static ImportOutcome Apply(Project& project, const CommandTable& table,
                               const ImportOptions& options);
};

} // namespace varkel
