#include "model/ValueCheck.h"

#include "model/ResultCode.h"

namespace varkel {

ResultCode CheckDecimal(const std::string& text, std::int32_t minimum, std::int32_t maximum) {
    if (text.empty())
        return ItemEmpty;
    for (char c : text)
        if (c < '0' || c > '9')
            return IllegalCharacter;
    long long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > 0xFFFFFFFFLL) // far beyond every range; stop before overflow
            return OutOfRange;
    }
    if (value < minimum || value > maximum)
        return OutOfRange;
    return Success;
}

ResultCode CheckHex(const std::string& text, std::uint32_t minimum, std::uint32_t maximum) {
    if (text.size() > 4)
        return OutOfRange;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return IllegalCharacter;
    std::uint32_t value = HexValue(text);
    if (value < minimum || value > maximum)
        return OutOfRange;
    return Success;
}

std::uint32_t HexValue(const std::string& text) {
    if (text.size() > 4)
        return Success;
    std::uint32_t value = 0;
    std::uint32_t weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it, weight *= 16) {
        char c = *it;
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        value += digit * weight;
    }
    return value;
}

std::uint32_t MappingAddressValue(const std::string& text) {
    std::string upper = text;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    auto h = upper.rfind('H');
    if (h == std::string::npos)
        return Success;
    return HexValue(upper.substr(0, h));
}

} // namespace varkel
