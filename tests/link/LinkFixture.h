#pragma once
#include "MessageRecorder.h"
#include "link/SerialLink.h"
#include "link/Upload.h"
#include "model/Project.h"
#include "sim/GatewaySim.h"

#include "../TestCommand.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace varkel::testing {

using sim::Bytes;

// A virtual gateway in this process and a link opened on its device.
class LinkFixture : public ::testing::Test {
protected:
    void StartGateway(std::uint8_t major, std::uint8_t minor, sim::Fault fault = {},
                      std::size_t logLimit = sim::SimOptions::kDefaultLogLimit) {
        sim::SimOptions options;
        options.hwMajor = major;
        options.hwMinor = minor;
        options.fault = fault;
        options.logLimit = logLimit;
        gateway = std::make_unique<sim::GatewaySim>(options);
        std::string error;
        ASSERT_TRUE(gateway->Start(&error)) << error;
        link.SetPaceMs(0);
        ASSERT_EQ(link.Open(gateway->DevicePath()), 0);
    }
    void TearDown() override {
        link.Close();
        if (gateway)
            gateway->Stop();
    }
    // Command byte and length of every request the gateway received.
    std::vector<std::pair<int, int>> RequestShape() const {
        std::vector<std::pair<int, int>> shape;
        for (const auto& r : gateway->Requests())
            shape.emplace_back(r[0], static_cast<int>(r.size()));
        return shape;
    }

    MessageRecorder messages;
    SerialLink link;
    std::unique_ptr<sim::GatewaySim> gateway;
};

// Everything the user can see of a configuration, as one text.
inline std::string Snapshot(const Project& project) {
    std::string out;
    auto items = [&out](const ItemList& list) {
        for (const auto& item : list)
            out += item->GetName() + "=" + item->GetValue() + "/" +
                   std::to_string(item->GetEnable()) + ";";
        out += "\n";
    };
    const Subnet& subnet = project.GetSubnet();
    out += "protocol " + std::to_string(static_cast<int>(subnet.GetProtocolType())) + "\n";
    items(subnet.AlwaysItems());
    items(subnet.MasterItems());
    items(subnet.UniversalItems());
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        out += "node " + node->GetName() + " " + node->GetItem(0)->GetValue() + "\n";
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            out += command->GetName() + " " + std::to_string(command->GetFunctionIndex()) + ":";
            for (int i = 0; i < command->GetItemCount(); ++i)
                out += command->GetItem(i)->GetValue() + "/" +
                       std::to_string(command->GetItem(i)->GetEnable()) + ";";
            out += "\n";
        }
    }
    const Fieldbus& fieldbus = project.GetFieldbus();
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        out += fieldbus.GetItem(i)->GetValue() + "/" +
               std::to_string(fieldbus.GetItem(i)->GetEnable()) + ";";
    return out;
}

} // namespace varkel::testing
