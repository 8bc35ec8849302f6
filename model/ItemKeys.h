#pragma once
#include <string>
#include <vector>

namespace varkel {

class ParamItem;

// The table keys an item's texts were made from, known by the item's place.
// A key of 0 (or a choice without a key, such as "RTU" or "19200") is shown
// as the file stores it.
struct ItemKeys {
    int name = 0;
    int help = 0;
    std::vector<int> choices; // by choice position
};

enum class ItemPlace { Fieldbus, Subnet, Node, Command };

// Keys of the row of an object's grid. For the subnet, rows from 6 on
// depend on the protocol (universal mode has its own list); for a command,
// on its function index.
ItemKeys KeysAt(ItemPlace place, int row, bool universal = false, int functionIndex = 0);

// The item's texts in the active language where they are a key's text.
std::string ShownName(const ParamItem& item, const ItemKeys& keys);
std::string ShownHelp(const ParamItem& item, const ItemKeys& keys);
std::string ShownChoice(const ParamItem& item, const ItemKeys& keys, int position);
// A picked value is shown as its choice; any other value as it is.
std::string ShownValue(const ParamItem& item, const ItemKeys& keys);

// A command's name: its function's name in the active language when the
// stored name is that function's name in either language.
std::string ShownCommandName(const std::string& stored, int functionIndex);

} // namespace varkel
