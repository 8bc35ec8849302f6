#pragma once
#include "model/Messages.h"

#include <deque>
#include <string>
#include <vector>

namespace varkel {

// A message sink that remembers what was shown and answers questions from a
// queue; installed for its lifetime. Used by tests and scripted front ends.
class MessageRecorder : public MessageSink {
public:
    MessageRecorder() : previous_(GetInstalledMessageSink()) { SetMessageSink(this); }
    ~MessageRecorder() override { SetMessageSink(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Inform(const std::string& text) override { messages.push_back(text); }
    void Warn(const std::string& text) override {
        messages.push_back(text);
        warnings.push_back(text);
    }
    Answer Ask(const std::string& text, Buttons) override {
        questions.push_back(text);
        if (answers.empty())
            return Answer::No;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> messages;  // every Inform, in order
    std::vector<std::string> warnings;  // every Warn (also in messages), in order
    std::vector<std::string> questions; // every Ask, in order
    std::deque<Answer> answers;         // answers to give, in order; No when empty

private:
    MessageSink* previous_;
};

} // namespace varkel
