#include "link/TraceLine.h"

#include "link/LinkCatalog.h"
#include "model/Catalog.h"

#include <cstdio>

namespace varkel {

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        if (i)
            out += ' ';
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0x0F];
    }
    return out;
}

std::string TraceStamp(std::chrono::steady_clock::time_point time,
                       std::chrono::steady_clock::time_point start, TraceForm form) {
    const long long ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(time - start).count();
    char stamp[48];
    if (form == TraceForm::Terminal)
        std::snprintf(stamp, sizeof stamp, "%8.3f", static_cast<double>(ms) / 1000.0);
    else
        std::snprintf(stamp, sizeof stamp, "+%lld.%03d s", ms / 1000, static_cast<int>(ms % 1000));
    return stamp;
}

std::string TraceLine(const TraceEvent& event, std::chrono::steady_clock::time_point start,
                      TraceForm form) {
    const bool terminal = form == TraceForm::Terminal;
    std::string line = TraceStamp(event.time, start, form);
    if (!terminal)
        line += "  ";
    switch (event.kind) {
    case TraceEvent::Sent:
        line += (terminal ? std::string(" > ") : Text(LinkMsg::TraceSent)) + HexBytes(event.bytes);
        break;
    case TraceEvent::Received:
        line +=
            (terminal ? std::string(" < ") : Text(LinkMsg::TraceReceived)) + HexBytes(event.bytes);
        if (event.bytes.size() < event.expected) {
            const std::string got = std::to_string(event.bytes.size());
            const std::string asked = std::to_string(event.expected);
            line += terminal ? Text(LinkMsg::TraceShortTerminal, {got, asked})
                             : "  " + Text(LinkMsg::TraceShortLog, {got, asked});
        }
        break;
    case TraceEvent::Failed:
        line += (terminal ? std::string(" ! ") : Text(LinkMsg::TraceFailed)) + event.note;
        break;
    }
    return line;
}

} // namespace varkel
