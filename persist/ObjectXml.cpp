// File layout of the configuration objects: the subnet with its three item
// lists and its nodes, and the fieldbus.
#include "model/ConfigObject.h"
#include "model/Fieldbus.h"
#include "model/Subnet.h"
#include "persist/ModelXml.h"
#include "persist/XmlUtil.h"

#include <tinyxml.h>

namespace varkel {
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
