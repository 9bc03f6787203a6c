#include "batch/batchdialogs.h"

#include <ostream>

#include "batch/command.h"
#include "engine/beltwidth.h"

namespace belt::batch {

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The questions of a calculation, told apart by their own texts.
struct Question {
    const char* text;
    std::optional<bool> BatchAnswers::*answer;
    const char* option;
};
constexpr Question kQuestions[] = {
    {"Do you want to choose a standard belt ?", &BatchAnswers::standardLength, "--length standard|rounded"},
    {"Do you want to choose the shorter belt ?", &BatchAnswers::shorter, "--pick shorter|longer"},
    {"Do you want to use a double sided belt?", &BatchAnswers::doubleSided, "--double-sided yes|no"},
};

const char* KindName(const RecordedDialog& r) {
    if (r.kind == RecordedDialog::Kind::Input) return "input box";
    return r.buttons == MsgButtons::Ok ? "message" : "question";
}

}  // namespace

const char* IconName(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return "none";
        case MsgIcon::Warning:
            return "warning";
        case MsgIcon::Question:
            return "question";
        case MsgIcon::Error:
            return "error";
        case MsgIcon::Information:
            return "information";
        case MsgIcon::Exclamation:
            return "exclamation";
    }
    return "none";
}

void BatchDialogs::log(const RecordedDialog& r, bool answered) {
    log_ << KindName(r) << " \"" << PlainText(r.title) << "\":\n  " << PlainText(r.text, "  ") << "\n";
    if (answered) log_ << "  -> " << PlainText(r.answer) << "\n";
}

MsgAnswer BatchDialogs::message(const std::string& text, const std::string& title, MsgIcon icon,
                                MsgButtons buttons, MsgAnswer) {
    RecordedDialog r{RecordedDialog::Kind::Message, text, title, icon, buttons, {}, {}};
    if (buttons == MsgButtons::Ok) {
        r.answer = "OK";
        seen_.push_back(r);
        log(r, false);
        return MsgAnswer::Ok;
    }
    for (const Question& q : kQuestions) {
        if (!Contains(text, q.text)) continue;
        const std::optional<bool>& given = answers_.*q.answer;
        if (!given) {
            seen_.push_back(r);
            log(r, false);
            throw MissingAnswer("the calculation asks a question the command line does not answer", q.option);
        }
        const MsgAnswer a = *given ? MsgAnswer::Yes : MsgAnswer::No;
        r.answer = ScriptedDialogs::answerName(a);
        seen_.push_back(r);
        log(r, true);
        return a;
    }
    seen_.push_back(r);
    log(r, false);
    throw MissingAnswer("the calculation asks a question this tool cannot answer", "");
}

std::string BatchDialogs::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
    // The only input box of a calculation is the one that proposes the width.
    RecordedDialog r{RecordedDialog::Kind::Input, prompt,      title, MsgIcon::None,
                     MsgButtons::OkCancel,        defaultText, {}};
    if (!answers_.width) {
        seen_.push_back(r);
        log(r, false);
        throw MissingAnswer("the calculation asks for the belt width", "--width proposed|VALUE");
    }
    // A flat belt type without a power rating gets no proposal: its box
    // shows the width held from before, 0 for a new design.
    if (*answers_.width == "proposed" && title == kUnratedWidthTitle) {
        seen_.push_back(r);
        log(r, false);
        throw MissingAnswer("this flat belt type has no power rating, so no width is proposed",
                            "--width VALUE");
    }
    // After a refusal the box comes back: the same answer would be refused
    // for ever.
    if (AskedAgainAfterRefusal(seen_, prompt)) {
        const std::string refused = seen_[seen_.size() - 2].answer;
        seen_.push_back(r);
        log(r, false);
        throw MissingAnswer("the calculation refused the width \"" + refused + "\"",
                            "--width proposed|VALUE");
    }
    r.answer = *answers_.width == "proposed" ? defaultText : *answers_.width;
    seen_.push_back(r);
    log(r, true);
    return r.answer;
}

}  // namespace belt::batch
