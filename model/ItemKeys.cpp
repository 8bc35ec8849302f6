#include "model/ItemKeys.h"

#include "model/Command.h"
#include "model/ConfigObject.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/TextTable.h"
#include "model/TreeEntry.h"

namespace varkel {
namespace {

// The same rows as the objects' constructors build (model/Fieldbus.cpp,
// Subnet.cpp, Node.cpp, Command.cpp).
ItemKeys FieldbusKeys(int row) {
    switch (row) {
    case 0:
        return {59, 60, {}};
    case 1:
        return {61, 62, {}, 63};
    case 2:
        return {64, 65, {}, 66};
    case 3:
        return {67, 68, {25, 26}};
    case 4:
        return {69, 70, {25, 26}};
    default:
        return {};
    }
}

ItemKeys MasterKeys(int row) {
    switch (row) {
    case 0:
        return {4011, 4012, {}};
    case 1:
        return {4013, 4014, {}};
    case 2:
        return {4015, 4016, {}};
    case 3:
        return {4017, 4018, {77, 78, 76}};
    case 4:
        return {4019, 4020, {}};
    case 5:
        return {4021, 4022, {}};
    default:
        return {};
    }
}

ItemKeys SubnetKeys(int row, bool universal) {
    switch (row) {
    case 0:
        return {4001, 4002, {20, 21}};
    case 1:
        return {4003, 4004, {}};
    case 2:
        return {4005, 4006, {}};
    case 3:
        return {4007, 4008, {71, 72, 73, 74, 75}};
    case 4:
        return {4009, 4010, {}};
    case 5:
        return {49, 50, {}};
    default:
        break;
    }
    row -= 6;
    if (row < 6)
        return MasterKeys(row);
    if (!universal)
        return {};
    switch (row) {
    case 6:
        return {4037, 4036, {24, 22, 23}};
    case 7:
        return {57, 58, {}};
    case 8:
        return {22, 4024, {}};
    case 9:
        return {4025, 4026, {}};
    case 10:
        return {4027, 4028, {}};
    case 11:
        return {4031, 4032, {25, 26}};
    case 12:
        return {4029, 4030, {}};
    case 13:
        return {4033, 4034, {25, 26}};
    default:
        return {};
    }
}

ItemKeys CommandKeys(int row, int functionIndex) {
    switch (row) {
    case 0:
        return {3051, 3052, {}};
    case 1:
        return {3053, 3054, {}};
    case 2:
        return {3005, 3006, {}};
    case 3:
        return {3007, FactsOfIndex(functionIndex).output ? 3009 : 3008, {}};
    case 4:
        return {3010, 3011, {}};
    case 5:
        return {3012, 0, {}};
    case 6:
        return {3014, 3015, {52, 53, 54}};
    case 7:
        return {3016, 3017, {}};
    case 8:
        return {3018, 3019, {56, 55}};
    case 9:
        return {3020, 3021, {}};
    default:
        return {};
    }
}

} // namespace

ItemKeys KeysAt(ItemPlace place, int row, bool universal, int functionIndex) {
    switch (place) {
    case ItemPlace::Fieldbus:
        return FieldbusKeys(row);
    case ItemPlace::Subnet:
        return SubnetKeys(row, universal);
    case ItemPlace::Node:
        return row == 0 ? ItemKeys{49, 79, {}} : ItemKeys{};
    case ItemPlace::Command:
        return CommandKeys(row, functionIndex);
    }
    return {};
}

ItemKeys KeysOfRow(const TreeEntry& entry, int row) {
    if (const Command* command = entry.AsCommand())
        return KeysAt(ItemPlace::Command, row, false, command->GetFunctionIndex());
    if (entry.AsNode())
        return KeysAt(ItemPlace::Node, row);
    if (const ConfigObject* object = entry.AsConfigObject()) {
        if (entry.GetKind() == TreeEntry::FieldbusKind)
            return KeysAt(ItemPlace::Fieldbus, row);
        return KeysAt(ItemPlace::Subnet, row, object->GetProtocolType() == ProtocolType::Universal);
    }
    return {};
}

bool IsKeyText(const std::string& stored, int key) {
    return key > 0 && !stored.empty() &&
           (stored == TextIn(TextLanguage::Chinese, key) ||
            stored == TextIn(TextLanguage::English, key));
}

std::string OwnChoice(const ParamItem& item, int key) {
    for (const std::string& choice : item.GetChoices())
        if (IsKeyText(choice, key))
            return choice;
    return LocalText(key);
}

std::string ShownName(const ParamItem& item, const ItemKeys& keys) {
    return ShownText(item.GetName(), keys.name);
}

std::string ShownHelp(const ParamItem& item, const ItemKeys& keys) {
    return ShownText(item.GetHelp(), keys.help);
}

std::string ShownChoice(const ParamItem& item, const ItemKeys& keys, int position) {
    const auto& choices = item.GetChoices();
    if (position < 0 || position >= static_cast<int>(choices.size()))
        return {};
    const std::string& stored = choices[static_cast<std::size_t>(position)];
    if (position >= static_cast<int>(keys.choices.size()))
        return stored;
    return ShownText(stored, keys.choices[static_cast<std::size_t>(position)]);
}

std::string ShownValue(const ParamItem& item, const ItemKeys& keys) {
    const int position = item.ChoiceIndex();
    if (position < 0)
        return ShownText(item.GetValue(), keys.value);
    return ShownChoice(item, keys, position);
}

int ValueKey(const std::string& value, const ItemKeys& keys) {
    for (int key : keys.choices)
        if (IsKeyText(value, key))
            return key;
    return IsKeyText(value, keys.value) ? keys.value : 0;
}

std::string ShownCommandName(const std::string& stored, int functionIndex) {
    return ShownText(stored, FactsOfIndex(functionIndex).nameKey);
}

} // namespace varkel
