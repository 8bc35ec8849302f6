#pragma once
#include <string>

namespace varkel {

// Answers of a question box.
enum class Answer { Yes, No, Cancel };

// The few buttons combinations the core asks with.
enum class Buttons { Ok, YesNo, YesNoCancel };

// How the core shows message boxes and asks questions. The front end
// supplies one (Qt dialogs, terminal, test recorder), so that the core never
// blocks on a window it does not own.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An information box with an OK button; returns when it is dismissed.
    virtual void Inform(const std::string& text) = 0;
    // The same for something the user should look at (values refused or
    // outside their range): a warning box where the front end has one.
    virtual void Warn(const std::string& text) { Inform(text); }
    // A question; the answer is one of the buttons offered.
    virtual Answer Ask(const std::string& text, Buttons buttons) = 0;
};

// Installs the process-wide sink; nullptr restores the silent default, which
// informs nobody and answers every question with No.
void SetMessageSink(MessageSink* sink);
MessageSink* GetMessageSink();
// The sink installed by SetMessageSink, or nullptr.
MessageSink* GetInstalledMessageSink();

// Shorthands for the model code.
void ShowMessage(const std::string& text);
void ShowWarning(const std::string& text);
Answer AskQuestion(const std::string& text, Buttons buttons);

} // namespace varkel
