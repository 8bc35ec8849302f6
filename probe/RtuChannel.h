#pragma once
#include "probe/MasterChannel.h"

#include <chrono>

// libmodbus's context, whose name the library chose.
struct _modbus; // NOLINT(bugprone-reserved-identifier)

namespace varkel {

// Modbus RTU through libmodbus.
class RtuChannel : public FramedChannel {
public:
    RtuChannel() = default;
    ~RtuChannel() override;
    RtuChannel(const RtuChannel&) = delete;
    RtuChannel& operator=(const RtuChannel&) = delete;

    [[nodiscard]] ResultCode Open(const std::string& device, const ProbeLine& line,
                                  std::string& error) override;
    PortOpenError LastOpenError() const override { return openError_; }
    void Close() override;
    bool FramingDropped() const override { return framingDropped_; }

private:
    bool Exchange(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& answer,
                  ProbeResult& result) override;

    PortOpenError openError_;
    _modbus* context_ = nullptr; // NOLINT(bugprone-reserved-identifier)
    ProbeLine line_;
    bool framingDropped_ = false;
    // The silence that ends an RTU frame, 3.5 characters.
    std::chrono::steady_clock::duration silent_{};
};

} // namespace varkel
