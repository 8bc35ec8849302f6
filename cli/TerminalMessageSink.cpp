#include "cli/TerminalMessageSink.h"

#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "model/Catalog.h"

namespace varkel::cli {

void TerminalMessageSink::Inform(const std::string& text) {
    ++messages_;
    PrintError(text);
}

Answer TerminalMessageSink::Ask(const std::string& text, Buttons buttons) {
    Answer answer = answer_;
    // Only an answer the box offers can be given.
    if (buttons == Buttons::Ok)
        answer = Answer::Yes;
    else if (buttons == Buttons::YesNo && answer == Answer::Cancel)
        answer = Answer::No;
    std::string said = answer == Answer::Yes  ? Text(CliMsg::CliAnswerYes)
                       : answer == Answer::No ? Text(CliMsg::CliAnswerNo)
                                              : Text(CliMsg::CliAnswerCancel);
    ++messages_;
    PrintError(text + " -> " + said);
    return answer;
}

} // namespace varkel::cli
