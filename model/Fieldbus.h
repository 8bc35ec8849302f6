#pragma once
#include "model/ConfigObject.h"

#include <cstdint>

namespace varkel {

// The Profibus-DP slave side: fixed information and two switches.
class Fieldbus : public ConfigObject {
public:
    enum Index {
        BusTypeIndex = 0,
        InputBytesIndex = 1,
        OutputBytesIndex = 2,
        ValidLengthIndex = 3,  // universal mode switch
        ClearOnFaultIndex = 4, // Modbus master switch
    };

    Fieldbus();

    void Reset() override;

    // Enables the switch of the given protocol type and disables the other.
    void FollowProtocolType(ProtocolType protocolType);
    // Empties the lists before a load.
    void Clear();
};

} // namespace varkel
