#pragma once
#include <string>
#include <vector>

namespace varkel {

class ParamItem;
class TreeEntry;

// The table keys an item's texts were made from, known by the item's place.
// A key of 0 (or a choice without a key, such as "RTU" or "19200") is shown
// as the file stores it.
struct ItemKeys {
    int name = 0;
    int help = 0;
    std::vector<int> choices; // by choice position
    int value = 0;            // the fixed text of an item that is shown only
};

enum class ItemPlace { Fieldbus, Subnet, Node, Command };

// Keys of the row of an object's grid. For the subnet, rows from 6 on
// depend on the protocol (universal mode has its own list); for a command,
// on its function index.
ItemKeys KeysAt(ItemPlace place, int row, bool universal = false, int functionIndex = 0);

// Keys of a row of the object a tree entry stands for.
ItemKeys KeysOfRow(const TreeEntry& entry, int row);

// True when a stored text is the key's text in either language.
bool IsKeyText(const std::string& stored, int key);
// The item's own choice that is the key's text, so that a value set by a
// rule keeps the file's language; the active language's text when the item
// has no such choice.
std::string OwnChoice(const ParamItem& item, int key);

// The item's texts in the active language where they are a key's text.
std::string ShownName(const ParamItem& item, const ItemKeys& keys);
std::string ShownHelp(const ParamItem& item, const ItemKeys& keys);
std::string ShownChoice(const ParamItem& item, const ItemKeys& keys, int position);
// A picked value is shown as its choice, a fixed text in the active
// language; any other value as it is.
std::string ShownValue(const ParamItem& item, const ItemKeys& keys);

// The key whose text (in either language) a value is: one of the row's
// choice keys or its fixed text's key; 0 when it is none. Two values name
// the same setting when their keys are equal and not 0, or when neither
// has a key and their texts are equal.
int ValueKey(const std::string& value, const ItemKeys& keys);

// A command's name: its function's name in the active language when the
// stored name is that function's name in either language.
std::string ShownCommandName(const std::string& stored, int functionIndex);

} // namespace varkel
