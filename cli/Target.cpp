#include "cli/Target.h"

#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "model/Catalog.h"
#include "model/Project.h"

#include <vector>

namespace varkel::cli {

bool ParseIndex(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    int result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

bool ParseTarget(Project& project, const std::string& text, TreeEntry& entry, std::string& error) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    const std::string malformed = Text(CliMsg::CliUnknownTarget, {text});
    Subnet& subnet = project.GetSubnet();
    if (parts.size() == 1 && parts[0] == "fieldbus") {
        entry = TreeEntry(&project.GetFieldbus());
        return true;
    }
    if (parts.size() == 1 && parts[0] == "subnet") {
        entry = TreeEntry(&subnet);
        return true;
    }
    int nodeIndex = 0;
    if ((parts[0] == "node" && parts.size() == 2) || (parts[0] == "command" && parts.size() == 3)) {
        if (!ParseIndex(parts[1], nodeIndex)) {
            error = malformed;
            return false;
        }
    } else {
        error = malformed;
        return false;
    }
    Node* node = subnet.GetNodeAt(nodeIndex);
    if (!node) {
        error = Text(CliMsg::CliNoNode, {parts[1], std::to_string(subnet.GetNodeCount())});
        return false;
    }
    if (parts[0] == "node") {
        entry = TreeEntry(node);
        return true;
    }
    int commandIndex = 0;
    if (!ParseIndex(parts[2], commandIndex)) {
        error = malformed;
        return false;
    }
    Command* command = node->GetCommandAt(commandIndex);
    if (!command) {
        error = Text(CliMsg::CliNoCommand,
                     {node->GetName(), parts[2], std::to_string(node->GetCommandCount())});
        return false;
    }
    entry = TreeEntry(command);
    return true;
}

} // namespace varkel::cli
