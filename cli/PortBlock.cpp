#include "cli/PortBlock.h"

#include "cli/TextWidth.h"
#include "model/Catalog.h"

#include <algorithm>

namespace varkel::cli {

PortBlock::PortBlock(std::vector<std::string> ports, std::ostream& out, bool terminal,
                     std::size_t columns, std::size_t rows)
    : out_(out), terminal_(terminal && (rows == 0 || ports.size() < rows)), columns_(columns),
      ports_(std::move(ports)),
      states_(ports_.size(), Text(Msg::CliPortWaiting)), quarters_(ports_.size(), 0) {
    for (const std::string& port : ports_)
        portWidth_ = std::max(portWidth_, DisplayWidth(port));
}

void PortBlock::Start() {
    std::lock_guard lock(mutex_);
    started_ = true;
    if (terminal_)
        Redraw("");
}

std::string PortBlock::LineOf(std::size_t port) const {
    std::string line = FitWidth(ports_[port], portWidth_, true) + "  " + states_[port];
    std::replace(line.begin(), line.end(), '\n', ' ');
    // A line longer than the terminal would wrap and break the cursor moves.
    return columns_ > 1 ? FitWidth(line, columns_ - 1, false) : line;
}

void PortBlock::Redraw(const std::string& above) {
    if (!started_) {
        out_ << above << std::flush;
        return;
    }
    std::string text;
    if (drawn_)
        text += "\x1b[" + std::to_string(ports_.size()) + "A\r\x1b[J";
    text += above;
    for (std::size_t i = 0; i < ports_.size(); ++i)
        text += LineOf(i) + "\n";
    out_ << text << std::flush;
    drawn_ = true;
}

void PortBlock::Plain(std::size_t port, const std::string& text) {
    out_ << ports_[port] << ": " << text << "\n" << std::flush;
}

void PortBlock::Show(std::size_t port, const Progress& progress) {
    std::lock_guard lock(mutex_);
    if (port >= ports_.size())
        return;
    std::string state = std::to_string(progress.step) + "/" + std::to_string(progress.total) +
                        " " + progress.what;
    // A step is reported again on its retries; redrawing for it only flickers.
    if (state == states_[port])
        return;
    states_[port] = std::move(state);
    if (terminal_) {
        Redraw("");
        return;
    }
    if (progress.total <= 0)
        return;
    const int quarter = std::min(3, progress.step * 4 / progress.total);
    if (quarter > quarters_[port]) {
        quarters_[port] = quarter;
        Plain(port, states_[port]);
    }
}

void PortBlock::Done(std::size_t port, const std::string& result) {
    std::lock_guard lock(mutex_);
    if (port >= ports_.size())
        return;
    states_[port] = result;
    if (terminal_)
        Redraw("");
    else
        Plain(port, result);
}

void PortBlock::Trace(std::size_t port, const std::string& line) {
    std::lock_guard lock(mutex_);
    if (port >= ports_.size())
        return;
    if (terminal_)
        Redraw(ports_[port] + ": " + line + "\n");
    else
        Plain(port, line);
}

} // namespace varkel::cli
