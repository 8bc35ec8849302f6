#include "probe/ProbeChannel.h"

#include "probe/AsciiChannel.h"
#include "probe/RtuChannel.h"

namespace varkel {

std::unique_ptr<ProbeChannel> ProbeChannel::ForLine(const ProbeLine& line) {
    if (line.ascii)
        return std::make_unique<AsciiChannel>();
    return std::make_unique<RtuChannel>();
}

} // namespace varkel
