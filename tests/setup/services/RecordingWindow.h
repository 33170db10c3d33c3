// A main window for tests: keeps every message the procedure showed and every pause, and lets a
// test act as the user whenever pending messages would run (press a button, answer nothing).
#pragma once

#include "services/MainWindow.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingWindow : public MainWindow {
public:
    std::vector<std::string> messages; // the message area each time it changed (CP932)
    std::vector<int> sleeps;
    bool closed = false;
    // Runs at every processMessages, after the message is recorded: the user's actions.
    std::function<void(RecordingWindow&)> onMessages;

    void processMessages() override {
        const std::string& text = model["lblMessage"].text;
        if (messages.empty() || messages.back() != text) {
            messages.push_back(text);
        }
        if (onMessages) {
            onMessages(*this);
        }
    }
    void sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
    void close() override { closed = true; }

    std::vector<std::string> deletionQuestions;
    std::deque<std::string> deletionAnswers; // given in turn; "No" once they run out
    void showDeletionDialog(const std::string& text) override {
        deletionQuestions.push_back(text);
        std::string answer = "No";
        if (!deletionAnswers.empty()) {
            answer = deletionAnswers.front();
            deletionAnswers.pop_front();
        }
        model["lblFormShare"].text = answer;
    }
};
