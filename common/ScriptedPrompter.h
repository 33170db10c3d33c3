// A prompter that answers from a script: records every question and gives the answers in turn, for
// tests and for runs without windows.
#pragma once

#include "common/Prompter.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedPrompter : public Prompter {
public:
    struct Question {
        std::string text; // CP932
        std::string caption;
        Icon icon;
        Buttons buttons;
    };

    std::vector<Question> asked;
    // Answers given in turn, whatever the question.
    std::deque<Answer> answers;
    // Once the script has run out: a message with only OK is answered OK, any other question this.
    Answer otherwise = Answer::ok;

    Answer ask(const std::string& text, const std::string& caption, Icon icon,
               Buttons buttons = Buttons::ok) override {
        asked.push_back({text, caption, icon, buttons});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::ok ? Answer::ok : otherwise;
    }
};
