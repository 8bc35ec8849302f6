#pragma once
#include "link/Transport.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace varkel::testing {

// Bytes written out as hex pairs ("04 0E 00 ...").
inline std::vector<std::uint8_t> Hex(const std::string& text) {
    std::vector<std::uint8_t> out;
    std::istringstream in(text);
    std::string pair;
    while (in >> pair)
        out.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
    return out;
}

// A gateway that answers the n-th request with the n-th scripted reply,
// exactly as written (short, long or corrupt), and nothing once the script
// is used up.
class ScriptedTransport : public Transport {
public:
    struct Script {
        std::vector<std::vector<std::uint8_t>> replies;
        std::vector<std::vector<std::uint8_t>> requests;
        std::size_t next = 0;
        std::vector<std::uint8_t> pending;
    };

    explicit ScriptedTransport(std::shared_ptr<Script> script) : script_(std::move(script)) {}

    bool Open(const std::string&) override { return open_ = true; }
    bool IsOpen() const override { return open_; }
    void Close() override { open_ = false; }
    std::string LastErrorText() const override { return "scripted"; }
    long Write(const std::uint8_t* bytes, std::size_t count, int) override {
        script_->requests.emplace_back(bytes, bytes + count);
        if (script_->next < script_->replies.size()) {
            const auto& reply = script_->replies[script_->next++];
            script_->pending.insert(script_->pending.end(), reply.begin(), reply.end());
        }
        return static_cast<long>(count);
    }
    long Read(std::uint8_t* buffer, std::size_t count, int, int) override {
        const std::size_t n = std::min(count, script_->pending.size());
        std::copy_n(script_->pending.begin(), n, buffer);
        script_->pending.erase(script_->pending.begin(), script_->pending.begin() + n);
        return static_cast<long>(n);
    }

private:
    std::shared_ptr<Script> script_;
    bool open_ = false;
};

} // namespace varkel::testing
