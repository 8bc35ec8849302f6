#include "sim/GatewayState.h"

#include "model/Catalog.h"
#include "sim/SimCatalog.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace varkel::sim {
namespace {

constexpr const char* kMagic = "varkel-sim-state 1";
constexpr std::size_t kMaxRecords = 1000;

template <typename Container> std::string Hex(const Container& bytes) {
    std::string out;
    char b[4];
    for (std::uint8_t v : bytes) {
        std::snprintf(b, sizeof b, "%02X", v);
        if (!out.empty())
            out += ' ';
        out += b;
    }
    return out;
}

template <std::size_t N> bool ParseHex(std::istringstream& in, std::array<std::uint8_t, N>& out) {
    for (std::size_t i = 0; i < N; ++i) {
        std::string token;
        if (!(in >> token) || token.size() != 2)
            return false;
        char* end = nullptr;
        unsigned long v = std::strtoul(token.c_str(), &end, 16);
        if (*end != '\0')
            return false;
        out[i] = static_cast<std::uint8_t>(v);
    }
    std::string extra;
    return !(in >> extra);
}

bool ParseByte(std::istringstream& in, std::uint8_t& out) {
    std::array<std::uint8_t, 1> one{};
    if (!ParseHex(in, one))
        return false;
    out = one[0];
    return true;
}

} // namespace

std::string StateToText(const GatewayState& state) {
    std::string text = std::string(kMagic) + "\n";
    text += "serial " + Hex(state.serial) + "\n";
    text += "universal " + Hex(state.universal) + "\n";
    text += "validLength " + Hex(std::array<std::uint8_t, 1>{state.validLength}) + "\n";
    text += "clearOnFault " + Hex(std::array<std::uint8_t, 1>{state.clearOnFault}) + "\n";
    for (const Record& r : state.records)
        text += "record " + Hex(r) + "\n";
    return text;
}

bool StateFromText(GatewayState& state, const std::string& text, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!std::getline(lines, line) || line != kMagic)
        return fail(Text(SimMsg::SimStateNotAStateFile));
    GatewayState read;
    read.records.clear();
    int number = 1;
    while (std::getline(lines, line)) {
        ++number;
        if (line.empty())
            continue;
        std::istringstream in(line);
        std::string key;
        in >> key;
        bool ok = false;
        if (key == "serial")
            ok = ParseHex(in, read.serial);
        else if (key == "universal")
            ok = ParseHex(in, read.universal);
        else if (key == "validLength")
            ok = ParseByte(in, read.validLength);
        else if (key == "clearOnFault")
            ok = ParseByte(in, read.clearOnFault);
        else if (key == "record" && read.records.size() < kMaxRecords) {
            Record r{};
            ok = ParseHex(in, r);
            if (ok)
                read.records.push_back(r);
        }
        if (!ok)
            return fail(Text(SimMsg::SimStateLineNotUnderstood, {std::to_string(number)}));
    }
    state = read;
    return true;
}

bool SaveState(const GatewayState& state, const std::string& path, std::string* error) {
    // Written aside and renamed, so a crash never leaves half a file.
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << StateToText(state);
        if (!out.flush()) {
            if (error)
                *error = Text(SimMsg::SimStateCannotWrite, {temporary});
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        if (error)
            *error = Text(SimMsg::SimStateCannotReplace, {path});
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool LoadState(GatewayState& state, const std::string& path, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        if (error)
            *error = Text(SimMsg::SimStateCannotRead, {path});
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return StateFromText(state, text.str(), error);
}

} // namespace varkel::sim
