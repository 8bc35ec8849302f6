// File layout of parameter items, commands and nodes.
#include "model/Command.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "persist/XmlUtil.h"

#include <tinyxml.h>

namespace varkel {

void ParamItem::SaveXml(TiXmlElement* parent) const {
    if (!parent)
        return;
    TiXmlElement* item = AppendElement(parent, "Item", name_);
    AppendElement(item, "Ref", help_);
    AppendElement(item, "CurrentVal", value_);
    AppendElement(item, "State", state_);
    AppendElement(item, "Enable", enable_);
    // Only picked items carry their choices; the others are rebuilt
    // without them.
    if (state_ == Picked) {
        TiXmlElement* combo = AppendElement(item, "Combo", "Combo");
        for (const std::string& choice : choices_)
            AppendElement(combo, "ComboIndex", choice);
    }
}

void ParamItem::LoadXml(const TiXmlElement* element) {
    if (!element)
        return;
    name_ = ValueOf(element);
    // The four leaves are taken by position, whatever their tags.
    const TiXmlElement* leaf = element->FirstChildElement();
    if (!leaf)
        return;
    help_ = ValueOf(leaf);
    if (!(leaf = leaf->NextSiblingElement()))
        return;
    value_ = ValueOf(leaf);
    if (!(leaf = leaf->NextSiblingElement()))
        return;
    state_ = DecimalValue(ValueOf(leaf));
    if (!(leaf = leaf->NextSiblingElement()))
        return;
    enable_ = DecimalValue(ValueOf(leaf));
    if (const TiXmlElement* combo = FindChildByValue(element, "Combo")) {
        for (const TiXmlElement* c = combo->FirstChildElement(); c; c = c->NextSiblingElement())
            choices_.push_back(ValueOf(c));
    }
}

void Command::SaveXml(TiXmlElement* parent) const {
    if (!parent)
        return;
    TiXmlElement* command = AppendElement(parent, "Command", name_);
    AppendElement(command, "CommandType", functionIndex_);
    TiXmlElement* list = AppendElement(command, "ItemList", "ItemList");
    for (const auto& item : items_)
        item->SaveXml(list);
}

void Command::LoadXml(const TiXmlElement* itemList) {
    if (!itemList)
        return;
    for (const TiXmlElement* e = itemList->FirstChildElement(); e; e = e->NextSiblingElement()) {
        auto item = std::make_unique<ParamItem>();
        item->LoadXml(e);
        AddItem(std::move(item));
    }
}

void Node::SaveXml(TiXmlElement* parent) const {
    if (!parent)
        return;
    TiXmlElement* node = AppendElement(parent, "Node", name_);
    TiXmlElement* address = AppendElement(node, "SlaveAddress", "SlaveAddress");
    if (!items_.empty())
        items_.front()->SaveXml(address);
    TiXmlElement* list = AppendElement(node, "CommandList", "CommandList");
    for (const auto& command : commands_)
        command->SaveXml(list);
}

void Node::LoadXml(const TiXmlElement* element) {
    if (!element)
        return;
    name_ = ValueOf(element);
    const TiXmlElement* address = element->FirstChildElement();
    if (!address)
        return;
    if (const TiXmlElement* itemElement = address->FirstChildElement()) {
        auto item = std::make_unique<ParamItem>();
        item->LoadXml(itemElement);
        AddItem(std::move(item));
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
        command->SetFunctionIndex(DecimalValue(ValueOf(type)));
        command->LoadXml(items);
        // A command of an unsupported function is dropped here.
        AddCommand(std::move(command));
    }
}

} // namespace varkel
