// Message boxes as the procedures ask for them; the windows show them, tests script the answers.
#pragma once

#include <string>

class Prompter {
public:
    enum class Icon { none, information, exclamation, stop, question };
    enum class Buttons { ok, okCancel, yesNo, yesNoCancel };
    enum class Answer { ok, cancel, yes, no };

    virtual ~Prompter() = default;

    // Shows text under caption (both CP932) and returns the button chosen.
    virtual Answer ask(const std::string& text, const std::string& caption, Icon icon,
                       Buttons buttons = Buttons::ok) = 0;
};
