#pragma once
// A command for a test configuration, shared by the test folders.
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"

#include <string>

namespace varkel::testing {

// A command of the function in the subnet's first node (made when there is
// none), with its start, count, mapping and bit offset.
inline Command* AddCommand(Project& project, int functionIndex, const std::string& start,
                           const std::string& count, const std::string& mapping,
                           const std::string& bitOffset = "0") {
    Subnet& subnet = project.GetSubnet();
    Node* node = subnet.GetNodeAt(0) ? subnet.GetNodeAt(0) : subnet.CreateNode();
    Command* command = node->CreateCommand(functionIndex);
    command->GetItem(Command::RegisterRow)->SetValue(start);
    command->GetItem(Command::DataNumberRow)->SetValue(count);
    command->GetItem(Command::MappingRow)->SetValue(mapping);
    command->GetItem(Command::BitOffsetRow)->SetValue(bitOffset);
    return command;
}

} // namespace varkel::testing
