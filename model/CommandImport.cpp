#include "model/CommandImport.h"

#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/FunctionCode.h"
#include "model/ItemKeys.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"
#include "model/Utf8.h"

#include <algorithm>
#include <array>
#include <memory>

namespace varkel {

namespace {

constexpr int kCommandLimitKey = 1001;
constexpr int kFunctionNameKey = 3051;
constexpr int kFirstFunctionNameKey = 33;           // function index i is named by key 33 + i
constexpr int kChoiceKeys[] = {52, 53, 54, 55, 56}; // swapping and scanning choices

// Where a column goes.
enum ColumnUse { Unknown = -1, OrderNumber = -2 };

struct ColumnNames {
    int row;
    const char* identifier;
    int nameKey;
};

// The command's rows with their short identifiers and parameter names.
constexpr ColumnNames kColumns[] = {
    {Command::FunctionCodeRow, "function", 3051}, {Command::RegisterRow, "start", 3053},
    {Command::DataNumberRow, "count", 3005},      {Command::MappingRow, "map", 3007},
    {Command::BitOffsetRow, "bit_offset", 3010},  {Command::BytesNumberRow, "bytes", 3012},
    {Command::SwappingRow, "swap", 3014},         {Command::CheckTypeRow, "check", 3016},
    {Command::ScanningRow, "scan", 3018},         {Command::MnemonicRow, "mnemonic", 3020},
};

// Header texts compare without case, surrounding blanks or line breaks.
std::string HeaderKey(const std::string& text) {
    std::string key;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = !key.empty();
            continue;
        }
        if (blank)
            key += ' ';
        blank = false;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

int ColumnUseOf(const std::string& header) {
    const std::string key = HeaderKey(header);
    if (key.empty())
        return Unknown;
    // The export's numbering column, in the templates' two languages.
    if (key == "no." || key == "序号")
        return OrderNumber;
    for (const ColumnNames& column : kColumns) {
        if (key == column.identifier ||
            key == HeaderKey(LocalText(column.nameKey, TextLanguage::Chinese)) ||
            key == HeaderKey(LocalText(column.nameKey, TextLanguage::English)))
            return column.row;
    }
    return Unknown;
}

// The function index of a Modbus function code or of a command's name in
// either language; -1 when it names no supported function.
int FunctionIndexOf(const std::string& text) {
    const std::string key = HeaderKey(text);
    if (!key.empty() && key.size() <= 3 && key.find_first_not_of("0123456789") == std::string::npos)
        return FunctionIndexOfCode(std::stoi(key));
    for (int index = 0; index < 14; ++index) {
        if (!LookupFunctionCode(index).supported)
            continue;
        for (TextLanguage language : {TextLanguage::Chinese, TextLanguage::English}) {
            if (key == HeaderKey(LocalText(kFirstFunctionNameKey + index, language)))
                return index;
        }
    }
    return -1;
}

// A choice typed in the other language, as the active language shows it.
std::string ActiveChoice(const ParamItem& item, const std::string& text) {
    const auto& choices = item.GetChoices();
    if (std::find(choices.begin(), choices.end(), text) != choices.end())
        return text;
    for (int key : kChoiceKeys) {
        for (TextLanguage language : {TextLanguage::Chinese, TextLanguage::English}) {
            if (text != LocalText(key, language))
                continue;
            std::string active = LocalText(key);
            if (std::find(choices.begin(), choices.end(), active) != choices.end())
                return active;
        }
    }
    return text;
}

// Tabs and line breaks are text a cell may hold: the grid takes them and
// the file keeps them as character references. No other control character
// belongs in a configuration.
bool RefusedControl(std::uint32_t code) {
    return IsControlCharacter(code) && code != '\t' && code != '\n' && code != '\r';
}

// The first character of a cell no configuration can hold: a control
// character, or one the file's code page lacks. Empty when there is none.
std::string RefusedCharacter(const std::string& text, const ImportOptions& options, bool& control) {
    std::size_t p = 0;
    std::uint32_t code = 0;
    while (p < text.size()) {
        const std::size_t length = DecodeUtf8(text, p, code);
        if (length == 0 || RefusedControl(code)) {
            control = length != 0;
            return text.substr(p, 1);
        }
        p += length;
    }
    control = false;
    // Whole first: asking character by character only once there is one.
    if (!options.storable || options.storable(text))
        return std::string();
    for (p = 0; p < text.size();) {
        const std::size_t length = DecodeUtf8(text, p, code);
        std::string character = text.substr(p, length);
        if (!options.storable(character))
            return character;
        p += length;
    }
    return std::string();
}

std::string ChoiceList(const ParamItem& item) {
    std::string list;
    for (const std::string& choice : item.GetChoices())
        list += (list.empty() ? "\"" : ", \"") + choice + "\"";
    return list;
}

class ImportRun {
public:
    ImportRun(const CommandTable& table, const ImportOptions& options, ImportOutcome& outcome)
        : table_(table), options_(options), outcome_(outcome) {}

    void Problem(int row, int column, const std::string& value, const std::string& message,
                 ResultCode code = Success, int item = -1) {
        ImportProblem problem;
        problem.item = item;
        problem.sheet = table_.sheet;
        problem.row = row;
        problem.column = column;
        if (column > 0 && !table_.rows.empty())
            problem.columnName = CommandTable::Cell(table_.rows.front(), column);
        problem.value = value;
        problem.message = message;
        problem.code = code;
        outcome_.problems.push_back(std::move(problem));
    }

    // Finds the column of each row of a command; false when the header
    // makes no command list.
    bool ReadHeader() {
        columns_.fill(0);
        if (table_.rows.empty()) {
            Problem(0, 0, "", Text(Msg::ListNoHeader, {EscapedText(table_.sheet)}));
            return false;
        }
        const CommandTable::Row& header = table_.rows.front();
        bool ok = true;
        for (int column = 1; column <= static_cast<int>(header.cells.size()); ++column) {
            const std::string& text = CommandTable::Cell(header, column);
            const int use = ColumnUseOf(text);
            if (use == OrderNumber || (use == Unknown && text.empty()))
                continue;
            if (use == Unknown) {
                outcome_.notes.push_back(
                    Text(Msg::ImportIgnoredColumn,
                         {CommandTable::ColumnLetters(column), EscapedText(text)}));
                continue;
            }
            int& slot = columns_[static_cast<std::size_t>(use)];
            if (slot != 0) {
                Problem(header.number, column, text,
                        Text(Msg::ImportDuplicateColumn, {CommandTable::ColumnLetters(slot),
                                                          CommandTable::ColumnLetters(column)}));
                ok = false;
                continue;
            }
            slot = column;
            if (use == Command::BytesNumberRow)
                outcome_.notes.push_back(
                    Text(Msg::ImportDerivedColumn,
                         {CommandTable::ColumnLetters(column), EscapedText(text)}));
        }
        if (columns_[Command::FunctionCodeRow] == 0) {
            Problem(header.number, 0, "", Text(Msg::ImportNoFunctionColumn));
            ok = false;
        }
        return ok;
    }

    // Makes the commands of the data rows in the node; rows past the limit
    // go into a scratch node so that their cells are still checked.
    void ReadRows(Project& project, Node& node) {
        bool limitReported = false;
        for (std::size_t i = 1; i < table_.rows.size(); ++i) {
            const CommandTable::Row& row = table_.rows[i];
            if (!HasCommandCells(row))
                continue;
            const int functionColumn = columns_[Command::FunctionCodeRow];
            const std::string& functionText = CommandTable::Cell(row, functionColumn);
            if (functionText.empty()) {
                Problem(row.number, functionColumn, "", Text(Msg::ImportNoFunction));
                continue;
            }
            if (!CharactersTaken(row.number, functionColumn, functionText,
                                 LocalText(kFunctionNameKey), -1))
                continue;
            const int index = FunctionIndexOf(functionText);
            if (index < 0) {
                Problem(row.number, functionColumn, functionText,
                        Text(Msg::ImportUnknownFunction, {EscapedText(functionText)}));
                continue;
            }
            Node* target = &node;
            if (node.GetCommandCount() >= kMaxCommands) {
                if (!limitReported)
                    Problem(row.number, 0, "", LocalText(kCommandLimitKey), OutOfRange);
                limitReported = true;
                target = &overflow_;
            }
            Command* command = target->CreateCommand(index);
            const std::size_t problemsBefore = outcome_.problems.size();
            for (int item = Command::RegisterRow; item <= Command::MnemonicRow; ++item)
                CommitCell(project, *command, row, item);
            made_.push_back({row.number, command, outcome_.problems.size() != problemsBefore});
        }
    }

    // Whether any data row made a command, or was refused trying.
    bool HasCommandRows() const { return !made_.empty(); }

    void ListCommands() {
        for (const Made& made : made_) {
            ImportedCommand imported;
            imported.row = made.row;
            imported.name = made.command->GetName();
            for (int i = 0; i < made.command->GetItemCount(); ++i)
                imported.values.push_back(made.command->GetItem(i)->GetValue());
            imported.refused = made.refused;
            outcome_.commands.push_back(std::move(imported));
        }
    }

private:
    struct Made {
        int row;
        Command* command;
        bool refused;
    };

    bool HasCommandCells(const CommandTable::Row& row) const {
        for (int column : columns_) {
            if (column != 0 && !CommandTable::Cell(row, column).empty())
                return true;
        }
        return false;
    }

    // False, with the problem noted, when the cell holds a character no
    // configuration file can: refused as the grid refuses an illegal one.
    bool CharactersTaken(int row, int column, const std::string& cell, const std::string& name,
                         int item) {
        bool control = false;
        const std::string character = RefusedCharacter(cell, options_, control);
        if (character.empty())
            return true;
        const std::string quoted = EscapedText(cell);
        const std::string reason = ResultMessage(IllegalCharacter);
        Problem(row, column, cell,
                control ? Text(Msg::ImportControlCharacter,
                               {name, quoted, reason, EscapedText(character)})
                        : Text(Msg::ImportCodePageCharacter,
                               {name, quoted, reason, EscapedText(character)}),
                IllegalCharacter, item);
        return false;
    }

    void CommitCell(Project& project, Command& command, const CommandTable::Row& row, int item) {
        const int column = columns_[static_cast<std::size_t>(item)];
        const std::string& cell = CommandTable::Cell(row, column);
        // An empty cell leaves the item as a new command has it; the byte
        // count is Auto Mapping's to calculate.
        if (column == 0 || cell.empty() || item == Command::BytesNumberRow)
            return;
        ParamItem* target = command.GetItem(item);
        if (!target)
            return;
        const TreeEntry entry(&command);
        const std::string name = ShownName(*target, KeysOfRow(entry, item));
        if (!CharactersTaken(row.number, column, cell, name, item))
            return;
        const std::string text =
            target->GetState() == ParamItem::Picked ? ActiveChoice(*target, cell) : cell;
        const CommitResult result = CommitValue(project, entry, item, text);
        switch (result.refusal) {
        case CommitResult::NotRefused:
            break;
        case CommitResult::NoSuchItem:
            return;
        case CommitResult::NotEditable:
            // The value this function fixes may stand in the list, as the
            // export writes it.
            if (text != target->GetValue())
                Problem(row.number, column, cell,
                        Text(Msg::ImportGreyed, {target->GetValue(), EscapedText(cell)}), Success,
                        item);
            return;
        case CommitResult::NotAChoice:
            Problem(row.number, column, cell,
                    Text(Msg::ImportNotAChoice, {EscapedText(cell), ChoiceList(*target)}), Success,
                    item);
            return;
        }
        if (result.code == Success)
            return;
        // Worded as the grid words a refused value, with what the row takes.
        const std::string quoted = EscapedText(cell);
        std::string message;
        if (result.code == OutOfRange && !result.accepted.empty())
            message = Text(Msg::EditValueOutOfRange, {name, quoted, result.accepted});
        else if (!result.accepted.empty())
            message = Text(Msg::EditValueRefusedRange,
                           {name, quoted, ResultMessage(result.code), result.accepted});
        else
            message = Text(Msg::EditValueRefused, {name, quoted, ResultMessage(result.code)});
        Problem(row.number, column, cell, message, result.code, item);
    }

    const CommandTable& table_;
    const ImportOptions& options_;
    ImportOutcome& outcome_;
    std::array<int, Command::MnemonicRow + 1> columns_{}; // column of each row, 0 for none
    std::vector<Made> made_;
    Node overflow_; // commands past the limit, made only to check their cells
};

} // namespace

std::string ImportProblem::Describe() const {
    if (row == 0)
        return message;
    if (column == 0)
        return Text(Msg::ImportProblemRow, {EscapedText(sheet), std::to_string(row), message});
    return Text(Msg::ImportProblemCell,
                {EscapedText(sheet), std::to_string(row), CommandTable::ColumnLetters(column),
                 EscapedText(columnName), message});
}

ImportOutcome CommandImport::Check(const Project& project, const CommandTable& table,
                                   const ImportOptions& options, Project& result) {
    ImportOutcome outcome;
    result.CopyFrom(project);
    ImportRun run(table, options, outcome);
    if (result.GetSubnet().GetProtocolType() != ProtocolType::ModbusMaster) {
        run.Problem(0, 0, "", Text(Msg::ImportUniversalMode));
        outcome.listRefused = true;
        return outcome;
    }
    if (!run.ReadHeader()) {
        outcome.listRefused = true;
        return outcome;
    }
    Subnet& subnet = result.GetSubnet();
    Node* node = subnet.GetNodeAt(0);
    if (!node)
        node = subnet.CreateNode(); // as Add Node makes the first one
    if (!options.append)
        node->RemoveAllCommands();
    run.ReadRows(result, *node);
    if (!run.HasCommandRows() && outcome.Accepted()) {
        // A header alone: replacing would empty the node for nothing.
        if (!options.append) {
            run.Problem(0, 0, "", Text(Msg::ImportNoRows, {EscapedText(table.sheet)}));
            outcome.listRefused = true;
        } else {
            outcome.notes.push_back(Text(Msg::ImportNothingToAppend, {EscapedText(table.sheet)}));
        }
        return outcome;
    }
    if (outcome.Accepted() && options.autoMap)
        outcome.mapFits = result.AutoMap(&outcome.mapOverflow);
    run.ListCommands();
    return outcome;
}

ImportOutcome CommandImport::Apply(Project& project, const CommandTable& table,
                                   const ImportOptions& options) {
    Project result;
    ImportOutcome outcome = Check(project, table, options, result);
    if (outcome.Accepted() && !outcome.commands.empty()) {
        project.TakeFrom(result);
        outcome.applied = true;
    }
    return outcome;
}

} // namespace varkel
