// The questions of an installation without windows, answered as an unattended install needs:
// create the setup folder, go on when the free space is unknown but not when it is known to be
// short, make the associations, skip the failure details (the front end prints the failure log);
// an unattended uninstall keeps every file it would have to ask about.
// Every box is printed; warnings and errors go to the error stream.
#pragma once

#include "common/Prompter.h"

#include <ostream>

class SilentPrompter : public Prompter {
public:
    SilentPrompter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    Answer ask(const std::string& text, const std::string& caption, Icon icon,
               Buttons buttons = Buttons::ok) override;

    // The answer to a question with more than an OK button: yes, no or cancel.
    static Answer answerTo(const std::string& text, const std::string& caption, Buttons buttons);

private:
    std::ostream& out_;
    std::ostream& err_;
};
