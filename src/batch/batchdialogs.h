// The message and input boxes of a calculation run without a display: every
// box is written to a stream with its title as it comes, kept in order for
// the JSON output, and the questions are answered from the command line.
#pragma once

#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/scripteddialogs.h"

namespace belt::batch {

// The answers a calculation may need, as the options of calc give them.
struct BatchAnswers {
    std::optional<bool> standardLength;  // --length: standard (Yes) or rounded (No)
    std::optional<bool> shorter;         // --pick: shorter (Yes) or longer (No)
    std::optional<bool> doubleSided;     // --double-sided
    std::optional<std::string> width;    // --width: "proposed" or a width in the length unit
};

// A question came up that the command line does not answer. `option` names
// the option that would ("--pick shorter|longer"); empty when no option can.
struct MissingAnswer : std::runtime_error {
    MissingAnswer(const std::string& what, std::string option)
        : std::runtime_error(what), option(std::move(option)) {}
    std::string option;
};

class BatchDialogs : public Dialogs {
public:
    BatchDialogs(BatchAnswers answers, std::ostream& log) : answers_(std::move(answers)), log_(log) {}

    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultButton = MsgAnswer::Ok) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void setBusy(bool) override {}

    // Every box in order, with the answer given.
    const std::vector<RecordedDialog>& seen() const { return seen_; }

private:
    void log(const RecordedDialog& r, bool answered);

    BatchAnswers answers_;
    std::ostream& log_;
    std::vector<RecordedDialog> seen_;
};

// "warning", "question", ... for the JSON output.
const char* IconName(MsgIcon icon);

}  // namespace belt::batch
