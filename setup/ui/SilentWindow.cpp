// Prints the message area of the silent run.
#include "ui/SilentWindow.h"

#include "ui/ConsoleText.h"

void SilentWindow::processMessages() {
    const std::string& text = model["lblMessage"].text;
    if (text != shown_) {
        shown_ = text;
        ConsoleText::print(out_, text);
    }
}
