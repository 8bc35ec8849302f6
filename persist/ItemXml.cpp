// File layout of parameter items, commands and nodes.
#include "model/Command.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "persist/ModelXml.h"
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

} // namespace varkel
