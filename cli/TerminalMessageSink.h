#pragma once
#include "model/Messages.h"

namespace varkel::cli {

// Message boxes of the core on a terminal: every message goes to standard
// error; a question is printed together with the answer given, which is the
// fixed answer chosen on the command line (--answer), never read from the
// keyboard, so that scripts never hang.
class TerminalMessageSink : public MessageSink {
public:
    explicit TerminalMessageSink(Answer answer) : answer_(answer) {}

    void Inform(const std::string& text) override;
    Answer Ask(const std::string& text, Buttons buttons) override;

    // How many messages were shown so far.
    int MessageCount() const { return messages_; }

private:
    Answer answer_;
    int messages_ = 0;
};

} // namespace varkel::cli
