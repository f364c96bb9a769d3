#pragma once
#include <QString>

namespace brevane {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

// A modal message box. A carriage return in the text starts a new line.
struct Message {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool secondIsDefault = false; // No is the default button of the Yes/No questions
    QString detail{};             // the system's reason, shown below the text

    bool operator==(const Message&) const = default;
};

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual MsgAnswer ask(const Message& message) = 0;
};

} // namespace brevane
