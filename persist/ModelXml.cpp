// File layout of the model's objects: parameter items, commands and nodes,
// the subnet with its three item lists and its nodes, and the fieldbus.
#include "persist/ModelXml.h"

#include "model/Command.h"
#include "model/ConfigObject.h"
#include "model/Fieldbus.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Subnet.h"
#include "persist/XmlUtil.h"

#include <tinyxml.h>

namespace varkel {

void SaveXml(const ParamItem& item, TiXmlElement* parent) {
    if (!parent)
        return;
    TiXmlElement* element = AppendElement(parent, "Item", item.GetName());
    AppendElement(element, "Ref", item.GetHelp());
    AppendElement(element, "CurrentVal", item.GetValue());
    AppendElement(element, "State", item.GetState());
    AppendElement(element, "Enable", item.GetEnable());
    // Only picked items carry their choices; the others are rebuilt
    // without them.
    if (item.GetState() == ParamItem::Picked) {
        TiXmlElement* combo = AppendElement(element, "Combo", "Combo");
        for (const std::string& choice : item.GetChoices())
            AppendElement(combo, "ComboIndex", choice);
    }
}

void LoadXml(ParamItem& item, const TiXmlElement* element, NumberFault* fault) {
    if (!element)
        return;
    item.SetName(ValueOf(element));
    // The four leaves are taken by position, whatever their tags.
    const TiXmlElement* leaf = element->FirstChildElement();
    if (!leaf)
        return;
    item.SetHelp(ValueOf(leaf));
    if (!(leaf = leaf->NextSiblingElement()))
        return;
    item.SetValue(ValueOf(leaf));
    if (!(leaf = leaf->NextSiblingElement()))
        return;
    item.SetState(NumberOf(leaf, fault));
    if (!(leaf = leaf->NextSiblingElement()))
        return;
    item.SetEnable(NumberOf(leaf, fault));
    if (const TiXmlElement* combo = FindChildByValue(element, "Combo")) {
        for (const TiXmlElement* c = combo->FirstChildElement(); c; c = c->NextSiblingElement())
            item.AddChoice(ValueOf(c));
    }
}

void SaveXml(const Command& command, TiXmlElement* parent) {
    if (!parent)
        return;
    TiXmlElement* element = AppendElement(parent, "Command", command.GetName());
    AppendElement(element, "CommandType", command.GetFunctionIndex());
    TiXmlElement* list = AppendElement(element, "ItemList", "ItemList");
    for (int i = 0; i < command.GetItemCount(); ++i)
        SaveXml(*command.GetItem(i), list);
}

void LoadXml(Command& command, const TiXmlElement* itemList, NumberFault* fault) {
    if (!itemList)
        return;
    for (const TiXmlElement* e = itemList->FirstChildElement(); e; e = e->NextSiblingElement()) {
        auto item = std::make_unique<ParamItem>();
        LoadXml(*item, e, fault);
        command.AddItem(std::move(item));
    }
}

void SaveXml(const Node& node, TiXmlElement* parent) {
    if (!parent)
        return;
    TiXmlElement* element = AppendElement(parent, "Node", node.GetName());
    TiXmlElement* address = AppendElement(element, "SlaveAddress", "SlaveAddress");
    if (node.GetItemCount() > 0)
        SaveXml(*node.GetItem(0), address);
    TiXmlElement* list = AppendElement(element, "CommandList", "CommandList");
    for (int i = 0; i < node.GetCommandCount(); ++i)
        SaveXml(*node.GetCommandAt(i), list);
}

void LoadXml(Node& node, const TiXmlElement* element, NumberFault* fault) {
    if (!element)
        return;
    node.SetName(ValueOf(element));
    const TiXmlElement* address = element->FirstChildElement();
    if (!address)
        return;
    if (const TiXmlElement* itemElement = address->FirstChildElement()) {
        auto item = std::make_unique<ParamItem>();
        LoadXml(*item, itemElement, fault);
        node.AddItem(std::move(item));
    }
    const TiXmlElement* list = FindChildByValue(element, "CommandList");
    if (!list)
        return;
    for (const TiXmlElement* k = list->FirstChildElement(); k; k = k->NextSiblingElement()) {
        const TiXmlElement* type = k->FirstChildElement();
        if (!type)
            break;
        const TiXmlElement* items = FindChildByValue(k, "ItemList");
        if (!items)
            break;
        auto command = std::make_unique<Command>();
        command->SetName(ValueOf(k));
        command->SetFunctionIndex(NumberOf(type, fault));
        LoadXml(*command, items, fault);
        // A command of an unsupported function is dropped here.
        node.AddCommand(std::move(command));
    }
}

namespace {

void SaveItemList(const ItemList& items, TiXmlElement* element) {
    for (const auto& item : items)
        SaveXml(*item, element);
}

// Every child element of the list element, whatever its tag, is an item.
void LoadItemList(ItemList& items, const TiXmlElement* list, NumberFault* fault) {
    if (!list)
        return;
    for (const TiXmlElement* e = list->FirstChildElement(); e; e = e->NextSiblingElement()) {
        auto item = std::make_unique<ParamItem>();
        LoadXml(*item, e, fault);
        items.push_back(std::move(item));
    }
}

} // namespace

void SaveItems(const ConfigObject& object, TiXmlElement* element) {
    if (!element)
        return;
    SaveItemList(object.Items(), AppendElement(element, "ItemList", "ItemList"));
}

void SaveNodes(const ConfigObject& object, TiXmlElement* element) {
    if (!element)
        return;
    TiXmlElement* list = AppendElement(element, "NodeList", "NodeList");
    for (const auto& node : object.Nodes())
        SaveXml(*node, list);
}

void SaveXml(const Subnet& subnet, TiXmlElement* parent) {
    if (!parent)
        return;
    TiXmlElement* element = AppendElement(parent, "Subnet", "Subnet");
    SaveModeXml(subnet, element);
    SaveNodes(subnet, element);
}

void SaveModeXml(const Subnet& subnet, TiXmlElement* element) {
    if (!element)
        return;
    TiXmlElement* protocol = AppendElement(element, "ProtocalType", "ProtocalType");
    SaveItemList(subnet.MasterItems(),
                 AppendElement(protocol, "MasterModeItemList", "MasterModeItemList"));
    SaveItemList(subnet.UniversalItems(),
                 AppendElement(protocol, "CommonModeItemList", "CommonModeItemList"));
    // Read by position: it must follow "ProtocalType".
    AppendElement(element, "CurrentModeType", static_cast<int>(subnet.GetProtocolType()));
    SaveItems(subnet, element);
}

void LoadXml(Subnet& subnet, const TiXmlElement* root, NumberFault* fault) {
    subnet.Clear();
    const TiXmlElement* element = FindChildByValue(root, "Subnet");
    if (!element)
        return;
    const TiXmlElement* protocol = FindChildByValue(element, "ProtocalType");
    if (!protocol)
        return;
    const TiXmlElement* mode = protocol->NextSiblingElement();
    if (!mode)
        return;
    subnet.RestoreProtocolType(static_cast<ProtocolType>(NumberOf(mode, fault)));
    LoadItemList(subnet.MasterItems(), FindChildByValue(protocol, "MasterModeItemList"), fault);
    LoadItemList(subnet.UniversalItems(), FindChildByValue(protocol, "CommonModeItemList"), fault);
    LoadItemList(subnet.Items(), FindChildByValue(element, "ItemList"), fault);
    const TiXmlElement* nodes = FindChildByValue(element, "NodeList");
    if (!nodes)
        return;
    for (const TiXmlElement* e = nodes->FirstChildElement(); e; e = e->NextSiblingElement()) {
        auto node = std::make_unique<Node>();
        LoadXml(*node, e, fault);
        subnet.AddNode(std::move(node));
    }
}

void SaveXml(const Fieldbus& fieldbus, TiXmlElement* parent) {
    if (!parent)
        return;
    SaveItems(fieldbus, AppendElement(parent, "Profilebus", "Profilebus"));
}

void LoadXml(Fieldbus& fieldbus, const TiXmlElement* root, NumberFault* fault) {
    fieldbus.Clear();
    const TiXmlElement* element = FindChildByValue(root, "Profilebus");
    if (!element)
        return;
    LoadItemList(fieldbus.Items(), element->FirstChildElement(), fault);
}

} // namespace varkel
