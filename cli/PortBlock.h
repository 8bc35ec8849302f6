#pragma once
#include "link/SerialLink.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace varkel::cli {

// The progress of transfers to several ports at once. On a terminal, one
// line per port, rewritten in place as one block (trace lines scroll above
// it); otherwise plain lines: one when a port is a quarter, half and three
// quarters through and one when it ends, so that logs stay short.
// The workers only report (Show, Done, Trace); everything is written by the
// thread that owns the block (Start, Flush, PrintUntilDone), so that output
// never interleaves and a slow reader of the output never holds up a line.
class PortBlock {
public:
    // columns, rows: the terminal's size (lines are cut to its width), 0 for
    // no limit. A block taller than the terminal cannot be rewritten in
    // place (the cursor stops at the top), so it is shown as plain lines.
    PortBlock(std::vector<std::string> ports, std::ostream& out, bool terminal,
              std::size_t columns = 0, std::size_t rows = 0);
    PortBlock(const PortBlock&) = delete;
    PortBlock& operator=(const PortBlock&) = delete;

    // Any thread.
    void Show(std::size_t port, const Progress& progress);
    // The port's last line: "ok" or why it failed. Once a port.
    void Done(std::size_t port, const std::string& result);
    void Trace(std::size_t port, const std::string& line);

    // The owning thread. Nothing is written before Start, so that messages
    // shown while the ports are opened do not end up inside the block.
    void Start();
    // Writes what changed since the last write.
    void Flush();
    // Writes as reports come in, waiting (not polling) in between, until
    // every port is done.
    void PrintUntilDone();

private:
    std::string LineOf(std::size_t port) const;
    // What to write for the changes so far; empty when nothing changed.
    // Called with the mutex held.
    std::string TakeText();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::ostream& out_;
    const bool terminal_;
    const std::size_t columns_;
    std::vector<std::string> ports_;
    std::vector<std::string> states_;
    std::vector<int> quarters_; // quarters already reported, plain lines only
    std::vector<bool> done_;
    std::size_t doneCount_ = 0;
    std::string pending_; // plain lines, or trace lines to go above the block
    std::size_t portWidth_ = 0;
    bool dirty_ = false; // the block needs drawing again
    bool started_ = false;
    bool drawn_ = false;
};

} // namespace varkel::cli
