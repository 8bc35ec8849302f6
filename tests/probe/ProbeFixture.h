#pragma once
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/Subnet.h"

#include <memory>
#include <string>

namespace varkel::test {

// A configuration with one node at slave 1 and the given response time-out.
inline std::unique_ptr<Project> ProbeProject(int timeoutMs = 300) {
    auto project = std::make_unique<Project>();
    Subnet& subnet = project->GetSubnet();
    subnet.GetItem(Subnet::ResponseTimeoutIndex)->SetValue(std::to_string(timeoutMs));
    subnet.GetItem(Subnet::PollDelayIndex)->SetValue("0");
    subnet.CreateNode();
    return project;
}

// Adds a command by function index with its register, count and mapping.
inline Command* AddCommand(Project& project, int functionIndex, int address, int count,
                           const std::string& mapping, int bitOffset = 0) {
    Node* node = project.GetSubnet().GetNodeAt(0);
    Command* c = node->CreateCommand(functionIndex);
    c->GetItem(Command::RegisterRow)->SetValue(std::to_string(address));
    c->GetItem(Command::DataNumberRow)->SetValue(std::to_string(count));
    c->GetItem(Command::MappingRow)->SetValue(mapping);
    c->GetItem(Command::BitOffsetRow)->SetValue(std::to_string(bitOffset));
    return c;
}

} // namespace varkel::test
