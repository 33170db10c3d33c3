// Message boxes and choices as the procedures of both programs ask for them; windows show them, the
// silent modes and tests answer from a script.
#pragma once

#include <string>

class Prompter {
public:
    // exclamation is also the warning icon (the two are one icon on Windows).
    enum class Icon { none, information, exclamation, stop, question };
    enum class Buttons { ok, okCancel, yesNo, yesNoCancel };
    enum class Answer { ok, cancel, yes, no };

    virtual ~Prompter() = default;

    // Shows text under caption (both CP932) and returns the button chosen.
    virtual Answer ask(const std::string& text, const std::string& caption, Icon icon,
                       Buttons buttons = Buttons::ok) = 0;
};
