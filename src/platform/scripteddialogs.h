// A Dialogs for tests and for the batch tool: records every message and input
// box in order and answers from queues. A question (any box with more than an
// OK button) or an input box that finds its queue empty throws
// UnexpectedDialog, so a dialog nobody expected fails the test.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace belt {

struct UnexpectedDialog : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct RecordedDialog {
    enum class Kind { Message, Input };
    Kind kind = Kind::Message;
    std::string text;   // message text or input prompt
    std::string title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    std::string defaultText;  // input boxes
    std::string answer;       // what was answered, for logs
};

// Whether an input box with this prompt comes right back after the message
// that refused its last answer.
inline bool AskedAgainAfterRefusal(const std::vector<RecordedDialog>& seen, const std::string& prompt) {
    const std::size_t n = seen.size();
    return n >= 2 && seen[n - 2].kind == RecordedDialog::Kind::Input && seen[n - 2].text == prompt &&
           seen[n - 1].kind == RecordedDialog::Kind::Message;
}

class ScriptedDialogs : public Dialogs {
public:
    std::vector<RecordedDialog> seen;
    std::deque<MsgAnswer> answers;        // for Yes/No(/Cancel) and OK/Cancel boxes
    std::deque<std::string> inputs;       // for input boxes; "" means Cancel
    // When set, an input box with an empty queue accepts its default text.
    bool acceptInputDefaults = false;
    int busyDepth = 0;
    int busyCalls = 0;

    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons, MsgAnswer /*defaultButton*/) override {
        RecordedDialog r{RecordedDialog::Kind::Message, text, title, icon, buttons, {}, {}};
        MsgAnswer a = MsgAnswer::Ok;
        if (buttons != MsgButtons::Ok) {
            if (answers.empty()) {
                seen.push_back(r);
                throw UnexpectedDialog("unexpected question: " + title + ": " + text);
            }
            a = answers.front();
            answers.pop_front();
        }
        r.answer = answerName(a);
        seen.push_back(r);
        return a;
    }

    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        RecordedDialog r{RecordedDialog::Kind::Input, prompt, title, MsgIcon::None, MsgButtons::OkCancel,
                         defaultText, {}};
        std::string a;
        if (!inputs.empty()) {
            a = inputs.front();
            inputs.pop_front();
        } else if (acceptInputDefaults) {
            // Its default refused, the same box would be asked for ever.
            if (AskedAgainAfterRefusal(seen, prompt)) {
                seen.push_back(r);
                throw UnexpectedDialog("input box asked again after its default was refused: " + title);
            }
            a = defaultText;
        } else {
            seen.push_back(r);
            throw UnexpectedDialog("unexpected input box: " + title + ": " + prompt);
        }
        r.answer = a;
        seen.push_back(r);
        return a;
    }

    void setBusy(bool busy) override {
        busyDepth += busy ? 1 : -1;
        ++busyCalls;
    }

    // Texts of the recorded messages only, in order.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& r : seen)
            if (r.kind == RecordedDialog::Kind::Message) out.push_back(r.text);
        return out;
    }

    static const char* answerName(MsgAnswer a) {
        switch (a) {
            case MsgAnswer::Ok: return "OK";
            case MsgAnswer::Cancel: return "Cancel";
            case MsgAnswer::Yes: return "Yes";
            case MsgAnswer::No: return "No";
        }
        return "?";
    }
};

}  // namespace belt
