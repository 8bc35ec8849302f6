#pragma once
#include "model/Project.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace varkel::fuzz {

// A broken promise of the code under test: libFuzzer keeps the input.
#define VARKEL_FUZZ_EXPECT(condition, what)                                                        \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz: %s\n", what);                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A message as the user sees it: no control character raw (line breaks
// between lines aside).
inline bool Printable(const std::string& message) {
    for (char c : message)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F)
            return false;
    return true;
}

// Everything the user can see of a configuration, as one text, for "left
// unchanged" and "came back the same" comparisons.
inline std::string Snapshot(const Project& project) {
    std::string out;
    auto items = [&out](const ConfigObject& object) {
        for (int i = 0; i < object.GetItemCount(); ++i) {
            const ParamItem* item = object.GetItem(i);
            out += item->GetValue() + "/" + std::to_string(item->GetEnable()) + ";";
        }
        out += "\n";
    };
    const Subnet& subnet = project.GetSubnet();
    out += std::to_string(static_cast<int>(subnet.GetProtocolType())) + "\n";
    items(subnet);
    for (int i = 0; i < subnet.GetMasterItemCount(); ++i)
        out += subnet.GetMasterItem(i)->GetValue() + ";";
    for (int i = 0; i < subnet.GetUniversalItemCount(); ++i)
        out += subnet.GetUniversalItem(i)->GetValue() + ";";
    out += "\n";
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        out += "node " + node->GetName() + ":";
        for (int i = 0; i < node->GetItemCount(); ++i)
            out += node->GetItem(i)->GetValue() + ";";
        out += "\n";
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            out += command->GetName() + " " + std::to_string(command->GetFunctionIndex()) + ":";
            for (int i = 0; i < command->GetItemCount(); ++i)
                out += command->GetItem(i)->GetValue() + "/" +
                       std::to_string(command->GetItem(i)->GetEnable()) + ";";
            out += "\n";
        }
    }
    items(project.GetFieldbus());
    return out;
}

} // namespace varkel::fuzz
