// File layout of the configuration objects: the subnet with its three item
// lists and its nodes, and the fieldbus.
#include "model/ConfigObject.h"
#include "model/Fieldbus.h"
#include "model/Subnet.h"
#include "persist/XmlUtil.h"

#include <tinyxml.h>

namespace varkel {
namespace {

void SaveItemList(const ItemList& items, TiXmlElement* element) {
    for (const auto& item : items)
        item->SaveXml(element);
}

// Every child element of the list element, whatever its tag, is an item.
void LoadItemList(ItemList& items, const TiXmlElement* list) {
    if (!list)
        return;
    for (const TiXmlElement* e = list->FirstChildElement(); e; e = e->NextSiblingElement()) {
        auto item = std::make_unique<ParamItem>();
        item->LoadXml(e);
        items.push_back(std::move(item));
    }
}

} // namespace

void ConfigObject::SaveXml(TiXmlElement* parent) const {
    if (!parent)
        return;
    // An element needs a tag even for an unnamed object.
    TiXmlElement* element = AppendElement(parent, name_.empty() ? "Object" : name_, name_);
    SaveItems(element, 0);
    SaveNodes(element);
}

void ConfigObject::LoadXml(const TiXmlElement*) {}

void ConfigObject::SaveItems(TiXmlElement* element, int flag) const {
    if (!element)
        return;
    TiXmlElement* target = flag == 0 ? AppendElement(element, "ItemList", "ItemList") : element;
    SaveItemList(items_, target);
}

void ConfigObject::SaveNodes(TiXmlElement* element) const {
    if (!element)
        return;
    TiXmlElement* list = AppendElement(element, "NodeList", "NodeList");
    for (const auto& node : nodes_)
        node->SaveXml(list);
}

void Subnet::SaveXml(TiXmlElement* parent) const {
    if (!parent)
        return;
    TiXmlElement* subnet = AppendElement(parent, "Subnet", "Subnet");
    SaveModeXml(subnet);
    SaveNodes(subnet);
}

void Subnet::SaveModeXml(TiXmlElement* element) const {
    if (!element)
        return;
    TiXmlElement* protocol = AppendElement(element, "ProtocalType", "ProtocalType");
    SaveItemList(masterItems_, AppendElement(protocol, "MasterModeItemList", "MasterModeItemList"));
    SaveItemList(universalItems_,
                 AppendElement(protocol, "CommonModeItemList", "CommonModeItemList"));
    // Read by position: it must follow "ProtocalType".
    AppendElement(element, "CurrentModeType", protocolType_);
    SaveItems(element, 0);
}

void Subnet::LoadXml(const TiXmlElement* element) {
    Clear();
    const TiXmlElement* subnet = FindChildByValue(element, "Subnet");
    if (!subnet)
        return;
    const TiXmlElement* protocol = FindChildByValue(subnet, "ProtocalType");
    if (!protocol)
        return;
    const TiXmlElement* mode = protocol->NextSiblingElement();
    if (!mode)
        return;
    protocolType_ = DecimalValue(ValueOf(mode));
    LoadItemList(masterItems_, FindChildByValue(protocol, "MasterModeItemList"));
    LoadItemList(universalItems_, FindChildByValue(protocol, "CommonModeItemList"));
    LoadItemList(items_, FindChildByValue(subnet, "ItemList"));
    const TiXmlElement* nodes = FindChildByValue(subnet, "NodeList");
    if (!nodes)
        return;
    for (const TiXmlElement* e = nodes->FirstChildElement(); e; e = e->NextSiblingElement()) {
        auto node = std::make_unique<Node>();
        node->LoadXml(e);
        AddNode(std::move(node));
    }
}

void Fieldbus::SaveXml(TiXmlElement* parent) const {
    if (!parent)
        return;
    SaveItems(AppendElement(parent, "Profilebus", "Profilebus"), 0);
}

void Fieldbus::LoadXml(const TiXmlElement* element) {
    Clear();
    const TiXmlElement* fieldbus = FindChildByValue(element, "Profilebus");
    if (!fieldbus)
        return;
    LoadItemList(items_, fieldbus->FirstChildElement());
}

} // namespace varkel
