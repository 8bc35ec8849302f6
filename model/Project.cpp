#include "model/Project.h"

#include "model/ResultCode.h"

namespace varkel {

int Project::GetCommandCount() const {
    const Node* node = subnet_.GetNodeAt(0);
    return node ? node->GetCommandCount() : 0;
}

void Project::Reset() {
    subnet_.Reset();
    fieldbus_.Reset();
}

bool Project::AutoMap(std::string* overflow) {
    return subnet_.AutoMap(overflow);
}

ResultCode Project::CheckMemoryMaps(const MemoryCounts& input, const MemoryCounts& output) const {
    for (int bit = 0; bit < kMemoryDataBits; ++bit)
        if (input[static_cast<std::size_t>(bit)] > 1 || output[static_cast<std::size_t>(bit)] > 1)
            return MappingConflict;
    for (int bit = kMemoryDataBits; bit < kMemoryBits; ++bit)
        if (input[static_cast<std::size_t>(bit)] != 0 || output[static_cast<std::size_t>(bit)] != 0)
            return MappingOverflow;
    return Success;
}

void Project::CopyFrom(const Project& other) {
    subnet_.CopyContentFrom(other.subnet_);
    fieldbus_.CopyContentFrom(other.fieldbus_);
}

void Project::TakeFrom(Project& other) {
    subnet_.TakeContentFrom(other.subnet_);
    fieldbus_.TakeContentFrom(other.fieldbus_);
}

void Project::ReleaseRetired() {
    subnet_.ReleaseRetired();
    fieldbus_.ReleaseRetired();
}

} // namespace varkel
