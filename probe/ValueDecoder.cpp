#include "probe/ValueDecoder.h"

#include <cstdio>
#include <cstring>

namespace varkel {

ValueDecoder::Order ValueDecoder::DefaultOrder(Swapping swapping) {
    switch (swapping) {
    case Swapping::TwoBytes:
        return Order::BADC;
    case Swapping::FourBytes:
        return Order::DCBA;
    case Swapping::None:
        break;
    }
    return Order::ABCD;
}

const char* ValueDecoder::OrderName(Order order) {
    switch (order) {
    case Order::CDAB:
        return "CDAB";
    case Order::BADC:
        return "BADC";
    case Order::DCBA:
        return "DCBA";
    case Order::ABCD:
        break;
    }
    return "ABCD";
}

const char* ValueDecoder::FormatName(Format format) {
    switch (format) {
    case Format::Unsigned16:
        return "uint16";
    case Format::Signed16:
        return "int16";
    case Format::Int32:
        return "int32";
    case Format::Float32:
        return "float32";
    case Format::Hex:
        break;
    }
    return "hex";
}

std::uint32_t ValueDecoder::Combine(const std::uint8_t* b, Order order) {
    auto make = [](std::uint8_t w, std::uint8_t x, std::uint8_t y, std::uint8_t z) {
        return static_cast<std::uint32_t>(w) << 24 | static_cast<std::uint32_t>(x) << 16 |
               static_cast<std::uint32_t>(y) << 8 | z;
    };
    switch (order) {
    case Order::CDAB:
        return make(b[2], b[3], b[0], b[1]);
    case Order::BADC:
        return make(b[1], b[0], b[3], b[2]);
    case Order::DCBA:
        return make(b[3], b[2], b[1], b[0]);
    case Order::ABCD:
        break;
    }
    return make(b[0], b[1], b[2], b[3]);
}

std::vector<std::string> ValueDecoder::Decode(const std::vector<std::uint8_t>& bytes, Format format,
                                              Order order) {
    std::vector<std::string> out;
    char text[48];
    const bool swap16 = order == Order::BADC || order == Order::DCBA;
    if (format == Format::Int32 || format == Format::Float32) {
        for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
            const std::uint32_t v = Combine(bytes.data() + i, order);
            if (format == Format::Int32) {
                std::snprintf(text, sizeof text, "%d", static_cast<std::int32_t>(v));
            } else {
                float f = 0;
                std::memcpy(&f, &v, sizeof f);
                std::snprintf(text, sizeof text, "%g", static_cast<double>(f));
            }
            out.emplace_back(text);
        }
        return out;
    }
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint16_t v = swap16 ? static_cast<std::uint16_t>(bytes[i + 1] << 8 | bytes[i])
                                       : static_cast<std::uint16_t>(bytes[i] << 8 | bytes[i + 1]);
        if (format == Format::Hex)
            std::snprintf(text, sizeof text, "%04X", v);
        else if (format == Format::Signed16)
            std::snprintf(text, sizeof text, "%d", static_cast<std::int16_t>(v));
        else
            std::snprintf(text, sizeof text, "%u", v);
        out.emplace_back(text);
    }
    return out;
}

std::vector<std::string> ValueDecoder::RawRegisters(const std::vector<std::uint16_t>& registers) {
    std::vector<std::string> out;
    char text[16];
    for (std::uint16_t r : registers) {
        std::snprintf(text, sizeof text, "%04X=%u", r, r);
        out.emplace_back(text);
    }
    return out;
}

std::vector<std::string> ValueDecoder::DecodeRegisters(const std::vector<std::uint16_t>& registers,
                                                       Format format, Order order) {
    std::vector<std::uint8_t> bytes;
    for (std::uint16_t r : registers) {
        bytes.push_back(static_cast<std::uint8_t>(r >> 8));
        bytes.push_back(static_cast<std::uint8_t>(r & 0xFF));
    }
    return Decode(bytes, format, order);
}

} // namespace varkel
