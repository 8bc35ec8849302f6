#include "model/Messages.h"

#include <atomic>

namespace varkel {
namespace {

class SilentSink : public MessageSink {
public:
    void Inform(const std::string&) override {}
    Answer Ask(const std::string&, Buttons) override { return Answer::No; }
};

SilentSink silent;
std::atomic<MessageSink*> current{nullptr};

} // namespace

void SetMessageSink(MessageSink* sink) {
    current = sink;
}

MessageSink* GetMessageSink() {
    MessageSink* sink = current.load();
    return sink ? sink : &silent;
}

MessageSink* GetInstalledMessageSink() {
    return current.load();
}

void ShowMessage(const std::string& text) {
    GetMessageSink()->Inform(text);
}

void ShowWarning(const std::string& text) {
    GetMessageSink()->Warn(text);
}

Answer AskQuestion(const std::string& text, Buttons buttons) {
    return GetMessageSink()->Ask(text, buttons);
}

} // namespace varkel
