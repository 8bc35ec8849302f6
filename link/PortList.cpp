#include "link/PortList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace varkel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFamilies[] = {"ttyS", "ttyUSB", "ttyACM"};

// Family rank and number of a device name, or false when it is no port.
bool Classify(const std::string& name, int& family, long& number) {
    for (int f = 0; f < 3; ++f) {
        std::string prefix = kFamilies[f];
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string digits = name.substr(prefix.size());
        if (digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        family = f;
        number = std::stol(digits);
        return true;
    }
    return false;
}

// Every ttyS node exists whether or not a UART is behind it; the serial core
// says "0" (unknown port type) for the empty ones.
bool BuiltInPortExists(const std::string& sysRoot, const std::string& name) {
    std::error_code ec;
    fs::path dir = fs::path(sysRoot) / name;
    std::ifstream type(dir / "type");
    if (type) {
        int value = 0;
        type >> value;
        return value != 0;
    }
    return fs::exists(dir / "device", ec);
}

} // namespace

std::vector<SerialPortInfo> ListSerialPorts(const std::string& devRoot,
                                            const std::string& sysRoot) {
    std::error_code ec;
    // Stable names of USB devices, keyed by the node they point at.
    std::map<std::string, std::string> byId;
    for (const auto& entry : fs::directory_iterator(fs::path(devRoot) / "serial" / "by-id", ec)) {
        std::error_code linkError;
        fs::path target = fs::read_symlink(entry.path(), linkError);
        if (linkError)
            continue;
        std::string node = target.filename().string();
        std::string id = entry.path().filename().string();
        auto it = byId.find(node);
        if (it == byId.end() || id < it->second)
            byId[node] = id;
    }

    struct Found {
        int family;
        long number;
        SerialPortInfo info;
    };
    std::vector<Found> found;
    for (const auto& entry : fs::directory_iterator(devRoot, ec)) {
        std::string name = entry.path().filename().string();
        int family = 0;
        long number = 0;
        if (!Classify(name, family, number))
            continue;
        if (family == 0 && !BuiltInPortExists(sysRoot, name))
            continue;
        SerialPortInfo info{entry.path().string(), name, {}};
        if (auto it = byId.find(name); it != byId.end())
            info.stableId = it->second;
        found.push_back({family, number, info});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.family != b.family ? a.family < b.family : a.number < b.number;
    });
    std::vector<SerialPortInfo> ports;
    for (auto& f : found)
        ports.push_back(std::move(f.info));
    return ports;
}

} // namespace varkel
