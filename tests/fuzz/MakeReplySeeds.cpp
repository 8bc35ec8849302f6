// Writes seeds for the upload target: the replies a virtual gateway gives
// to a whole upload, after a configuration was downloaded to it, for each
// hardware generation and protocol type.
//   make_reply_seeds <out folder> <configuration file>...
#include "link/Download.h"
#include "link/SerialLink.h"
#include "link/Upload.h"
#include "model/CommitRules.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"
#include "sim/GatewayEngine.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace varkel;

// Hands each request to the engine; records every reply as a length byte
// and the reply, the form the upload target reads.
class EngineTransport : public Transport {
public:
    EngineTransport(sim::GatewayEngine& engine, std::string& record)
        : engine_(engine), record_(record) {}
    bool Open(const std::string&) override { return open_ = true; }
    bool IsOpen() const override { return open_; }
    void Close() override { open_ = false; }
    std::string LastErrorText() const override { return "engine"; }
    long Write(const std::uint8_t* bytes, std::size_t count, int) override {
        auto reply = engine_.Handle(sim::Bytes(bytes, bytes + count));
        sim::Bytes answer = reply ? *reply : sim::Bytes{};
        record_.push_back(static_cast<char>(answer.size()));
        record_.append(answer.begin(), answer.end());
        pending_.insert(pending_.end(), answer.begin(), answer.end());
        return static_cast<long>(count);
    }
    long Read(std::uint8_t* buffer, std::size_t count, int, int) override {
        const std::size_t n = std::min(count, pending_.size());
        std::copy_n(pending_.begin(), n, buffer);
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(n));
        return static_cast<long>(n);
    }

private:
    sim::GatewayEngine& engine_;
    std::string& record_;
    sim::Bytes pending_;
    bool open_ = false;
};

bool MakeSeed(const Project& project, std::uint8_t major, std::uint8_t minor,
              const std::string& path) {
    sim::GatewayEngine engine(major, minor);
    std::string ignored;
    {
        SerialLink link(std::make_unique<EngineTransport>(engine, ignored));
        link.SetPaceMs(0);
        if (link.Open("engine") != Success)
            return false;
        const ProtocolType protocol = project.GetSubnet().GetProtocolType();
        if (Download(project.GetSubnet(), link, major, minor) != 0 ||
            Download(project.GetFieldbus(), link, protocol, major, minor) != 0)
            return false;
    }
    std::string record(
        1, static_cast<char>(
               major | (minor << 2) |
               (project.GetSubnet().GetProtocolType() == ProtocolType::Universal ? 0x10 : 0)));
    SerialLink link(std::make_unique<EngineTransport>(engine, record));
    link.SetPaceMs(0);
    if (link.Open("engine") != Success)
        return false;
    Project uploaded;
    if (Upload(uploaded.GetSubnet(), link, major, minor) != 0)
        return false;
    const ProtocolType protocol = uploaded.GetSubnet().GetProtocolType();
    if (Upload(uploaded.GetFieldbus(), link, protocol, major, minor) != 0)
        return false;
    std::ofstream(path, std::ios::binary) << record;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <out folder> <configuration file>...\n", argv[0]);
        return 2;
    }
    SetTextLanguage(TextLanguage::Chinese);
    const std::string out = argv[1];
    const std::pair<std::uint8_t, std::uint8_t> versions[] = {{1, 0}, {2, 0}, {2, 1}};
    int written = 0;
    for (int a = 2; a < argc; ++a) {
        Project project;
        if (!LoadFile(project, argv[a])) {
            std::fprintf(stderr, "%s: does not load\n", argv[a]);
            return 1;
        }
        for (bool universal : {false, true}) {
            if (universal) {
                const TreeEntry subnet(&project.GetSubnet());
                CommitValue(project, subnet, Subnet::ProtocolIndex, LocalText(kKeyUniversalMode));
            }
            for (auto [major, minor] : versions) {
                const std::string path = out + "/seed-" + std::to_string(a - 1) + "-" +
                                         std::to_string(major) + std::to_string(minor) +
                                         (universal ? "-universal" : "-master");
                if (MakeSeed(project, major, minor, path))
                    ++written;
            }
        }
    }
    std::printf("%d seeds\n", written);
    return written > 0 ? 0 : 1;
}
