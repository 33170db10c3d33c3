// Prints the message area and the deletion dialog of the silent run.
#include "ui/SilentWindow.h"

#include "ui/ConsoleText.h"

void SilentWindow::processMessages() {
    const std::string& text = model["lblMessage"].text;
    if (text != shown_) {
        shown_ = text;
        ConsoleText::print(out_, text);
    }
}

void SilentWindow::showDeletionDialog(const std::string& text) {
    model["lblFormShare"].text = "Save";
    out_ << "[ファイル削除の確認]\n"; // the console takes UTF-8
    ConsoleText::print(out_, text);
    out_ << "=> Save\n";
}
