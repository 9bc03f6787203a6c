// How the core asks the user something. The desktop program implements it
// with Qt's message and input boxes; tests script the answers.
#pragma once

#include <string>

namespace belt {

class DetailSink;

// Exclamation is the old runtime's exclamation-mark icon where a message asks
// for it by that name; on screen it is the same picture as Warning.
enum class MsgIcon { None, Warning, Question, Error, Information, Exclamation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box. Texts use "\r" (CR) as line break, as they are
    // built throughout the program; implementations show it as a new line.
    virtual MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon,
                              MsgButtons buttons = MsgButtons::Ok,
                              MsgAnswer defaultButton = MsgAnswer::Ok) = 0;

    // A modal input box. Cancel returns an empty text, like the old runtime.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // Hourglass pointer on (true) or back to normal (false).
    virtual void setBusy(bool busy) = 0;

    // Where the calculation records its details, or null when nobody asked
    // for them (see engine/details.h).
    virtual DetailSink* details() { return nullptr; }
};

// Keeps the pointer busy for one scope and restores it on every exit.
class BusyPointer {
public:
    explicit BusyPointer(Dialogs& d) : d_(d) { d_.setBusy(true); }
    ~BusyPointer() { d_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Dialogs& d_;
};

}  // namespace belt
