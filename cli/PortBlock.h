#pragma once
#include "link/SerialLink.h"

#include <cstddef>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace varkel::cli {

// The progress of transfers to several ports at once. On a terminal, one
// line per port, rewritten in place as one block (trace lines scroll above
// it); otherwise plain lines: one when a port is a quarter, half and three
// quarters through and one when it ends, so that logs stay short. The
// workers call it from their threads.
class PortBlock {
public:
    // columns, rows: the terminal's size (lines are cut to its width), 0 for
    // no limit. A block taller than the terminal cannot be rewritten in
    // place (the cursor stops at the top), so it is shown as plain lines.
    PortBlock(std::vector<std::string> ports, std::ostream& out, bool terminal,
              std::size_t columns = 0, std::size_t rows = 0);
    PortBlock(const PortBlock&) = delete;
    PortBlock& operator=(const PortBlock&) = delete;

    // Draws the block on a terminal. Until then lines are only kept, so that
    // messages shown while the ports are opened do not end up inside it.
    void Start();
    void Show(std::size_t port, const Progress& progress);
    // The port's last line: "ok" or why it failed.
    void Done(std::size_t port, const std::string& result);
    void Trace(std::size_t port, const std::string& line);

private:
    std::string LineOf(std::size_t port) const;
    // Redraws the block on a terminal, with lines to print above it first.
    void Redraw(const std::string& above);
    void Plain(std::size_t port, const std::string& text);

    std::mutex mutex_;
    std::ostream& out_;
    const bool terminal_;
    const std::size_t columns_;
    std::vector<std::string> ports_;
    std::vector<std::string> states_;
    std::vector<int> quarters_; // quarters already reported, plain lines only
    std::size_t portWidth_ = 0;
    bool started_ = false;
    bool drawn_ = false;
};

} // namespace varkel::cli
