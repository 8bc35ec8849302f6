#include "cli/PortBlock.h"

#include "cli/CliCatalog.h"
#include "cli/TextWidth.h"
#include "model/Catalog.h"

#include <algorithm>

namespace varkel::cli {

PortBlock::PortBlock(std::vector<std::string> ports, std::ostream& out, bool terminal,
                     std::size_t columns, std::size_t rows)
    : out_(out), terminal_(terminal && (rows == 0 || ports.size() < rows)), columns_(columns),
      ports_(std::move(ports)), states_(ports_.size(), Text(CliMsg::CliPortWaiting)),
      quarters_(ports_.size(), 0), done_(ports_.size(), false) {
    for (const std::string& port : ports_)
        portWidth_ = std::max(portWidth_, DisplayWidth(port));
}

std::string PortBlock::LineOf(std::size_t port) const {
    std::string line = FitWidth(ports_[port], portWidth_, true) + "  " + states_[port];
    std::replace(line.begin(), line.end(), '\n', ' ');
    // A line longer than the terminal would wrap and break the cursor moves.
    return columns_ > 1 ? FitWidth(line, columns_ - 1, false) : line;
}

std::string PortBlock::TakeText() {
    if (!started_)
        return {};
    std::string text;
    if (terminal_ && (dirty_ || !pending_.empty())) {
        if (drawn_)
            text += "\x1b[" + std::to_string(ports_.size()) + "A\r\x1b[J";
        text += pending_;
        for (std::size_t i = 0; i < ports_.size(); ++i)
            text += LineOf(i) + "\n";
        drawn_ = true;
    } else if (!terminal_) {
        text = pending_;
    }
    pending_.clear();
    dirty_ = false;
    return text;
}

void PortBlock::Start() {
    {
        std::lock_guard lock(mutex_);
        started_ = true;
        dirty_ = terminal_;
    }
    Flush();
}

void PortBlock::Flush() {
    std::string text;
    {
        std::lock_guard lock(mutex_);
        text = TakeText();
    }
    if (!text.empty())
        out_ << text << std::flush;
}

void PortBlock::PrintUntilDone() {
    for (;;) {
        std::string text;
        bool all = false;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] {
                return dirty_ || !pending_.empty() || doneCount_ == ports_.size();
            });
            text = TakeText();
            all = doneCount_ == ports_.size();
        }
        // Written without the lock: the workers go on while the reader is slow.
        if (!text.empty())
            out_ << text << std::flush;
        if (all)
            return;
    }
}

void PortBlock::Show(std::size_t port, const Progress& progress) {
    {
        std::lock_guard lock(mutex_);
        if (port >= ports_.size() || done_[port])
            return;
        std::string state = std::to_string(progress.step) + "/" + std::to_string(progress.total) +
                            " " + progress.what;
        // A step is reported again on its retries; redrawing for it only flickers.
        if (state == states_[port])
            return;
        states_[port] = std::move(state);
        if (terminal_) {
            dirty_ = true;
        } else if (progress.total > 0) {
            const int quarter = std::min(3, progress.step * 4 / progress.total);
            if (quarter <= quarters_[port])
                return;
            quarters_[port] = quarter;
            pending_ += ports_[port] + ": " + states_[port] + "\n";
        } else {
            return;
        }
    }
    changed_.notify_one();
}

void PortBlock::Done(std::size_t port, const std::string& result) {
    {
        std::lock_guard lock(mutex_);
        if (port >= ports_.size() || done_[port])
            return;
        done_[port] = true;
        ++doneCount_;
        states_[port] = result;
        if (terminal_)
            dirty_ = true;
        else
            pending_ += ports_[port] + ": " + result + "\n";
    }
    changed_.notify_one();
}

void PortBlock::Trace(std::size_t port, const std::string& line) {
    {
        std::lock_guard lock(mutex_);
        if (port >= ports_.size())
            return;
        pending_ += ports_[port] + ": " + line + "\n";
    }
    changed_.notify_one();
}

} // namespace varkel::cli
