#pragma once
#include "model/Fieldbus.h"
#include "model/MemoryMap.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"

#include <cstdint>
#include <string>

namespace varkel {

// The root of a configuration: the fieldbus and the subnet, and the entry
// point for reset, mapping and the memory check.
class Project {
public:
    Project() = default;
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    int GetCommandCount() const;

    void Reset();
    bool AutoMap(std::string* overflow = nullptr);
    [[nodiscard]] ResultCode CheckMemoryMaps(const MemoryCounts& input,
                                             const MemoryCounts& output) const;

    Subnet& GetSubnet() { return subnet_; }
    const Subnet& GetSubnet() const { return subnet_; }
    Fieldbus& GetFieldbus() { return fieldbus_; }
    const Fieldbus& GetFieldbus() const { return fieldbus_; }

    // Deep copy of another project's configuration into this one.
    void CopyFrom(const Project& other);
    // Moves another project's configuration into this one; what this one
    // held is retired, so stale tree entries and grid rows stay valid.
    void TakeFrom(Project& other);
    // Frees retired objects; call once nothing shows them any more.
    void ReleaseRetired();

private:
    Subnet subnet_;
    Fieldbus fieldbus_;
};

} // namespace varkel
