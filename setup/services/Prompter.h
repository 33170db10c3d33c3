// The questions and messages of the installer's procedures, answered by the windows, by a silent
// front end or by a test script.
#pragma once

#include <string>

class Prompter {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    // Warning is the exclamation icon (the two are one icon on Windows).
    enum class Icon { None, Information, Question, Warning, Error };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    // A message box with CP932 text and caption; returns the button chosen.
    virtual Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                              Icon icon) = 0;
};
