#pragma once
#include "link/Transport.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace varkel::fuzz {

// A gateway that answers each request with the next reply taken from the
// fuzz input: a length byte, then that many bytes (fewer at the end of the
// input). Nothing once the input is used up, as a gateway that fell silent.
class ReplyStreamTransport : public Transport {
public:
    ReplyStreamTransport(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Open(const std::string&) override { return open_ = true; }
    bool IsOpen() const override { return open_; }
    void Close() override { open_ = false; }
    std::string LastErrorText() const override { return "fuzz"; }
    long Write(const std::uint8_t*, std::size_t count, int) override {
        if (offset_ < size_) {
            const std::size_t wanted = data_[offset_++];
            const std::size_t n = std::min(wanted, size_ - offset_);
            pending_.insert(pending_.end(), data_ + offset_, data_ + offset_ + n);
            offset_ += n;
        }
        return static_cast<long>(count);
    }
    long Read(std::uint8_t* buffer, std::size_t count, int, int) override {
        const std::size_t n = std::min(count, pending_.size());
        std::copy_n(pending_.begin(), n, buffer);
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(n));
        return static_cast<long>(n);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    std::vector<std::uint8_t> pending_;
    bool open_ = false;
};

} // namespace varkel::fuzz
