#pragma once
#include "model/Messages.h"

#include <functional>

class QWidget;

namespace varkel {

// Message boxes of the desktop application for the core's messages and
// questions, captioned with the application title.
class QtMessageSink : public MessageSink {
public:
    // The parent the boxes are centred on, asked for at each box.
    explicit QtMessageSink(std::function<QWidget*()> parent = {});
    ~QtMessageSink() override;
    QtMessageSink(const QtMessageSink&) = delete;
    QtMessageSink& operator=(const QtMessageSink&) = delete;

    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
    Answer Ask(const std::string& text, Buttons buttons) override;

private:
    std::function<QWidget*()> parent_;
    MessageSink* previous_;
};

// Shows the code's message through the message sink when show is set.
void ShowResult(int code, bool show);

} // namespace varkel
