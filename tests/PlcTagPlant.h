#pragma once
// A full node for the tag table tests and pictures: 48 commands, six of
// every function, each mapped into a slot of its own.
#include "TestCommand.h"
#include "model/PlcTags.h"

#include <cstdio>
#include <map>
#include <string>

namespace varkel::testing {

// Function indexes of codes 1, 2, 3, 4, 5, 6, 15, 16.
inline constexpr int kTagPlantFunctions[] = {0, 1, 2, 3, 4, 5, 12, 13};

// Command number (from 1) of round k (0..5) and function slot f (0..7).
inline int TagPlantNumber(int k, int f) {
    return k * 8 + f + 1;
}

// Rounds of eight commands: coil and input counts of 5 to 20 from bit
// offset k, 1 to 4 registers, byte swapping none, two, four in turn; some
// mnemonics that need mending, two that differ only in case.
inline void BuildTagPlant(Project& project) {
    int input = 0, output = 0;
    for (int k = 0; k < 6; ++k) {
        for (int f = 0; f < 8; ++f) {
            const int index = kTagPlantFunctions[f];
            const bool registers = f == 2 || f == 3 || f == 5 || f == 7;
            const bool out = f >= 4;
            const int slot = registers && f != 5 ? 8 : 4;
            int& counter = out ? output : input;
            char mapping[16];
            std::snprintf(mapping, sizeof mapping, "%04XH", counter + (out ? 0x4000 : 0));
            counter += slot;
            const std::string count =
                registers ? std::to_string(1 + k % 4) : std::to_string(5 + 3 * k);
            Command* command = AddCommand(project, index, std::to_string(100 * f + k), count,
                                          mapping, registers ? "0" : std::to_string(k));
            if (registers) {
                ParamItem* swap = command->GetItem(Command::SwappingRow);
                swap->SetValue(swap->GetChoices()[static_cast<std::size_t>(k % 3)]);
            }
        }
    }
    Node* node = project.GetSubnet().GetNodeAt(0);
    auto name = [node](int number, const std::string& text) {
        node->GetCommandAt(number - 1)->GetItem(Command::MnemonicRow)->SetValue(text);
    };
    name(TagPlantNumber(0, 2), "Temp");
    name(TagPlantNumber(1, 3), "温度 值");
    name(TagPlantNumber(2, 7), "1st-pump  (main)");
    name(TagPlantNumber(3, 2), "Pump");
    name(TagPlantNumber(3, 3), "PUMP");
    name(TagPlantNumber(4, 0), std::string(150, 'v'));
}

// Two-register types for the register commands of rounds 1, 3 and 5, and
// for round 2's holding registers: single registers and odd counts among
// them.
inline std::map<int, PlcTagType> TagPlantTypes() {
    std::map<int, PlcTagType> types;
    for (int k = 1; k < 6; k += 2) {
        types[TagPlantNumber(k, 2)] = PlcTagType::Dint;
        types[TagPlantNumber(k, 3)] = PlcTagType::Real;
        types[TagPlantNumber(k, 5)] = PlcTagType::Dword;
        types[TagPlantNumber(k, 7)] = PlcTagType::Udint;
    }
    types[TagPlantNumber(2, 2)] = PlcTagType::Dint;
    types[TagPlantNumber(0, 7)] = PlcTagType::Uint;
    return types;
}

} // namespace varkel::testing
