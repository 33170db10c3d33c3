// Message boxes for the procedures' questions, shown over a parent window.
#pragma once

#include "common/Prompter.h"

class QWidget;

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent) : parent_(parent) {}

    Answer ask(const std::string& text, const std::string& caption, Icon icon,
               Buttons buttons = Buttons::ok) override;

private:
    QWidget* parent_;
};
