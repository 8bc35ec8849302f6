#pragma once
#include "model/Messages.h"

#include <cstdio>
#include <string>

namespace varkel {

// While a picture is taken nobody is there to answer: messages go to the
// error stream and questions are answered No. Installed for its lifetime.
class StreamMessageSink : public MessageSink {
public:
    StreamMessageSink() : previous_(GetInstalledMessageSink()) { SetMessageSink(this); }
    ~StreamMessageSink() override { SetMessageSink(previous_); }
    StreamMessageSink(const StreamMessageSink&) = delete;
    StreamMessageSink& operator=(const StreamMessageSink&) = delete;
    void Inform(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    Answer Ask(const std::string& text, Buttons) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return Answer::No;
    }

private:
    MessageSink* previous_;
};

} // namespace varkel
