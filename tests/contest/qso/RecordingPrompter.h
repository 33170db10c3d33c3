// A prompter for tests: records every question and answers from a script (OK when it runs out).
#pragma once

#include "Prompter.h"

#include <deque>
#include <string>
#include <vector>

class RecordingPrompter : public Prompter {
public:
    struct Question {
        std::string text; // CP932
        std::string caption;
        Icon icon;
        Buttons buttons;
    };

    std::vector<Question> asked;
    std::deque<Answer> answers;

    Answer ask(const std::string& text, const std::string& caption, Icon icon,
               Buttons buttons = Buttons::ok) override {
        asked.push_back({text, caption, icon, buttons});
        if (answers.empty()) {
            return Answer::ok;
        }
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};
