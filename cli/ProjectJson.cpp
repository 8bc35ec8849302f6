#include "cli/ProjectJson.h"

#include "model/Project.h"

namespace varkel::cli {
namespace {

Json ItemListJson(const ItemList& items) {
    Json list = Json::array();
    for (const auto& item : items)
        list.push_back(ItemJson(*item));
    return list;
}

} // namespace

Json ItemJson(const ParamItem& item) {
    Json json;
    json["name"] = item.GetName();
    json["help"] = item.GetHelp();
    json["value"] = item.GetValue();
    json["state"] = item.GetState();
    json["enable"] = item.GetEnable();
    json["choices"] = item.GetChoices();
    return json;
}

std::vector<ParamItem*> GridItems(Subnet& subnet) {
    return subnet.ListedItems();
}

Json ProjectJson(Project& project) {
    Fieldbus& fieldbus = project.GetFieldbus();
    Subnet& subnet = project.GetSubnet();

    Json root;
    root["protocolType"] = static_cast<int>(subnet.GetProtocolType());

    Json bus;
    bus["name"] = fieldbus.GetName();
    Json busItems = Json::array();
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        busItems.push_back(ItemJson(*fieldbus.GetItem(i)));
    bus["items"] = busItems;
    root["fieldbus"] = bus;

    Json sub;
    sub["name"] = subnet.GetName();
    Json gridItems = Json::array();
    for (ParamItem* item : GridItems(subnet))
        gridItems.push_back(ItemJson(*item));
    sub["items"] = gridItems;
    sub["alwaysItems"] = ItemListJson(subnet.AlwaysItems());
    sub["masterItems"] = ItemListJson(subnet.MasterItems());
    sub["universalItems"] = ItemListJson(subnet.UniversalItems());
    Json nodes = Json::array();
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        Json nodeJson;
        nodeJson["name"] = node->GetName();
        Json nodeItems = Json::array();
        for (int i = 0; i < node->GetItemCount(); ++i)
            nodeItems.push_back(ItemJson(*node->GetItem(i)));
        nodeJson["items"] = nodeItems;
        Json commands = Json::array();
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            Json commandJson;
            commandJson["name"] = command->GetName();
            commandJson["functionIndex"] = command->GetFunctionIndex();
            Json commandItems = Json::array();
            for (int i = 0; i < command->GetItemCount(); ++i)
                commandItems.push_back(ItemJson(*command->GetItem(i)));
            commandJson["items"] = commandItems;
            commands.push_back(commandJson);
        }
        nodeJson["commands"] = commands;
        nodes.push_back(nodeJson);
    }
    sub["nodes"] = nodes;
    root["subnet"] = sub;
    return root;
}

} // namespace varkel::cli
