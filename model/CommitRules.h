#pragma once
#include "model/ResultCode.h"
#include "model/TreeEntry.h"

#include <string>
#include <vector>

namespace varkel {

class Project;
class ParamItem;

// What committing one value of the parameter grid did. The grid and the
// command line both commit through CommitValue, so the rules live in one
// place; the caller only shows the outcome.
struct CommitResult {
    enum Refusal {
        NotRefused = 0,
        NoSuchItem,  // no object behind the entry, or no item at the row
        NotEditable, // the item is shown only (state 0) or greyed
        NotAChoice,  // a picked item given a text that is none of its choices
    };

    // Result code of the value check: Success, or ItemEmpty,
    // IllegalCharacter, OutOfRange for a refused typed value (its text is
    // ResultMessage). Refusals for other reasons leave it Success.
    ResultCode code = Success;
    // For a refused typed value: the range its row accepts ("300-6000",
    // "0000H-00A7H"), empty for rows without one.
    std::string accepted;
    Refusal refusal = NotRefused;
    // The model changed (value, name, enable flags or protocol): set the
    // modified flag. False when the same value was committed again.
    bool changed = false;
    // The committed item's value afterwards, after any rewrite (poll delay
    // rounded down, "H" appended to a mapping address).
    std::string storedValue;
    // The node was renamed after its slave address: relabel its tree entry.
    bool renamedNode = false;
    std::string nodeName;
    // The subnet's protocol type changed: rebuild the tree and the grid. The
    // fieldbus's two switches changed their enable flags as well.
    bool protocolSwitched = false;
    // Rows of the same object whose enable flag changed: redraw them.
    std::vector<int> enableChangedRows;
    // Rows of the same object, other than the committed one, whose value was
    // rewritten ("CRC check" forced to "Close", a command's "Bytes number"
    // after its data number or bit offset): redraw them.
    std::vector<int> valueChangedRows;

    bool Accepted() const { return refusal == NotRefused && code == 0; }
};

// The item shown at a grid row of the entry's object, or nullptr.
ParamItem* ItemAtRow(const TreeEntry& entry, int row);

// Commits a text at a row of the entry's object: a typed text for a typed
// item, the text of the chosen entry for a picked item. Checks the value by
// the object's kind and the row, rewrites it where the rules say, applies
// the node renaming, the choice rules and the protocol switch, and stores it.
// A refused value leaves the model unchanged.
CommitResult CommitValue(Project& project, const TreeEntry& entry, int row,
                         const std::string& text);

// A stored value the grid would refuse if it were entered now: a typed
// value outside its row's rule, or a picked value that is none of its
// choices. Empty values are not listed: they are the download's own check.
struct RefusedValue {
    std::string where;         // the object: "Subnet", "Node(1) / #1 03 Read ..."
    std::string item;          // the item's name
    std::string value;         // as stored
    std::string accepted;      // the range ("300-6000", "0000H-00A7H") or the choices
    ResultCode code = Success; // as the grid gives: IllegalCharacter, or OutOfRange
                               // (also for no choice)
    // The item itself, while the configuration judged is unchanged (the
    // grid marks its cell).
    const ParamItem* source = nullptr;
};

// Every such value of the configuration, wherever it came from (an upload,
// a file edited by hand), in the order of the grid.
std::vector<RefusedValue> RefusedValues(const Project& project);

} // namespace varkel
