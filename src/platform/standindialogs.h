// A Dialogs that puts every box to the user's dialogs, or, while a stand-in
// is set, to the stand-in instead: the demonstration answers the questions
// of the screens it drives without a box showing.
#pragma once

#include "platform/dialogs.h"

namespace belt {

class StandInDialogs : public Dialogs {
public:
    explicit StandInDialogs(Dialogs& user) : user_(user) {}

    // nullptr gives the boxes back to the user.
    void setStandIn(Dialogs* standIn) { standIn_ = standIn; }

    // The same defaults as Dialogs: the window calls it by this type.
    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultButton = MsgAnswer::Ok) override {
        return current().message(text, title, icon, buttons, defaultButton);
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        return current().inputBox(prompt, title, defaultText);
    }
    void setBusy(bool busy) override { current().setBusy(busy); }
    DetailSink* details() override { return current().details(); }

private:
    Dialogs& current() { return standIn_ ? *standIn_ : user_; }

    Dialogs& user_;
    Dialogs* standIn_ = nullptr;
};

}  // namespace belt
