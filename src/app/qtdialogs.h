// The desktop program's Dialogs: Qt message boxes, input boxes and the busy
// pointer.
#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace belt {

class QtDialogs : public Dialogs {
public:
    // Boxes are centred on parent (the main window once it exists).
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultButton = MsgAnswer::Ok) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void setBusy(bool busy) override;

private:
    QWidget* parent_;
};

}  // namespace belt
