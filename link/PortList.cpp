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

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.pop_back();
    return line;
}

// The product name the USB device behind a port reports: the device folder
// of the tty is an interface of it, a level or two below.
std::string UsbProduct(const std::string& sysRoot, const std::string& name) {
    std::error_code ec;
    fs::path dir = fs::canonical(fs::path(sysRoot) / name / "device", ec);
    for (int up = 0; !ec && up < 4 && !dir.empty() && dir != dir.root_path(); ++up) {
        if (fs::exists(dir / "product", ec))
            return FirstLine(dir / "product");
        dir = dir.parent_path();
    }
    return {};
}

// A by-id name is usb-VENDOR_MODEL_SERIAL-ifNN-portN with spaces made
// underscores: the middle part, readable, when the device has no product.
std::string DescriptionFromId(const std::string& id) {
    std::string text = id;
    const auto dash = text.find('-');
    if (dash != std::string::npos)
        text = text.substr(dash + 1);
    const auto tail = text.rfind("-if");
    if (tail != std::string::npos && tail > 0)
        text = text.substr(0, tail);
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

} // namespace

std::string StablePath(const SerialPortInfo& port, const std::string& devRoot) {
    if (port.stableId.empty())
        return port.path;
    return (fs::path(devRoot) / "serial" / "by-id" / port.stableId).string();
}

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
        SerialPortInfo info{entry.path().string(), name, {}, {}};
        if (auto it = byId.find(name); it != byId.end()) {
            info.stableId = it->second;
            byId.erase(it);
        }
        found.push_back({family, number, info});
    }
    // Nodes of other names behind a stable name are serial ports too.
    for (const auto& [node, id] : byId) {
        std::error_code missing;
        if (fs::exists(fs::path(devRoot) / node, missing))
            found.push_back(
                {3, 0, SerialPortInfo{(fs::path(devRoot) / node).string(), node, id, {}}});
    }
    for (Found& f : found) {
        if (f.family == 0)
            continue;
        f.info.description = UsbProduct(sysRoot, f.info.name);
        if (f.info.description.empty() && !f.info.stableId.empty())
            f.info.description = DescriptionFromId(f.info.stableId);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.family != b.family)
            return a.family < b.family;
        return a.number != b.number ? a.number < b.number : a.info.name < b.info.name;
    });
    std::vector<SerialPortInfo> ports;
    ports.reserve(found.size());
    for (auto& f : found)
        ports.push_back(std::move(f.info));
    return ports;
}

} // namespace varkel
